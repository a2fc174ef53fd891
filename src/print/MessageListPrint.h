#pragma once

#include <QDateTime>
#include <QFont>
#include <QList>
#include <QPageSize>
#include <QString>

class QIODevice;
class QPagedPaintDevice;
class TMessageTable;

// What a printed message list shows: one language of one text table, drawn with the
// display's fonts, and the project facts of its header.
struct MessageListSource
{
    const TMessageTable* table = nullptr;
    int language = 0;
    QFont standardFont;
    QFont graphicsFont;
    int lineLength = 0;
    QString displayTypeName;
    QString charSetPath; // the project's ".pix" file, shown in the header
    QDateTime started = QDateTime::currentDateTime();
};

struct MessageListPrintResult
{
    int pages = 0;
    // Numbers of the messages taller than an empty page; they were left out.
    QList<int> tooTall;
};

// "Tavolin - " and the language's text file.
QString MessageListJobTitle(const MessageListSource& source);

// Raises the German refusal of a list that cannot be printed: no such language, or a
// table without messages.
void CheckPrintable(const MessageListSource& source);

// A4, or Letter where the system measures in inches.
QPageSize DefaultMessageListPageSize();

// The page layout of a printed list (A4 or Letter, upright, 10 mm above and below).
void SetMessageListPageLayout(QPagedPaintDevice& device, const QPageSize& size);

// Draws the pages of the list on the device: header, column headings and footer with the
// page number on every page, each message's number and its text as the display shows it,
// scaled to whole printer dots per display dot. A message that does not fit an empty page
// is left out and named in the result; the rest is printed. A language other than 0 or 1,
// or an empty table, draws nothing. Raises the German error when the device cannot be
// painted on.
MessageListPrintResult PrintMessageList(QPagedPaintDevice& device, const MessageListSource& source);

// The same pages as a PDF document, written to the device / into the file (replaced in
// one step). Raises the German error of a failed write; the old file then stays as it was.
MessageListPrintResult WriteMessageListPdf(QIODevice& device, const MessageListSource& source,
                                           const QPageSize& size);
MessageListPrintResult WriteMessageListPdf(const QString& path, const MessageListSource& source,
                                           const QPageSize& size);
