#include "print/MessageListPrint.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cstring>
#include <vector>

#include "common/AtomicFile.h"
#include "common/TavolinError.h"
#include "print/MessageCellPainter.h"
#include "texts/MessageTable.h"

namespace {

// The screen the display's fonts are made for; a printer dot per screen pixel at this many
// dots per inch keeps the printed text as large as on the screen.
constexpr int ScreenDpi = 96;
constexpr int PdfDpi = 600;

// Page geometry in printer units, from the page width W.
struct PageGeometry
{
    explicit PageGeometry(int width)
        : left(width * 300 / 4672), right(width - width * 200 / 4672), textX(width * 400 / 4672 + left)
    {
    }
    int left;
    int right;
    int textX;
};

// The cell as the grid draws it with `printing` set, in screen pixels, black on white.
QImage DrawCell(const MessageListSource& source, int slot, int width)
{
    const int height = MeasureTextHeight(*source.table, source.standardFont, slot, source.language, true);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    CellDrawContext context;
    context.standardFont = source.standardFont;
    context.graphicsFont = source.graphicsFont;
    QPainter painter(&image);
    DrawMessageCell(*source.table, painter, image.rect(), slot + 1, source.language + 1, true, context);
    return image;
}

// Every screen pixel becomes `scale` x `scale` printer dots, so that all display dots come
// out the same size. One bit per dot, black = 0 and white = 1, is what PDF output keeps
// as a sharp bitmap instead of a lossy photo.
QImage ScaleToMono(const QImage& cell, int scale)
{
    QImage mono(cell.width() * scale, cell.height() * scale, QImage::Format_Mono);
    mono.setColorTable({QColor(Qt::black).rgba(), QColor(Qt::white).rgba()});
    const auto bytes = static_cast<size_t>(mono.bytesPerLine());
    std::vector<uchar> line(bytes);
    for (int y = 0; y < cell.height(); ++y) {
        std::fill(line.begin(), line.end(), uchar(0xFF));
        const auto* pixels = reinterpret_cast<const QRgb*>(cell.constScanLine(y));
        for (int x = 0; x < cell.width(); ++x) {
            if (qGray(pixels[x]) >= 128)
                continue;
            for (int bit = x * scale; bit < (x + 1) * scale; ++bit)
                line[static_cast<size_t>(bit >> 3)] &= uchar(~(0x80 >> (bit & 7)));
        }
        for (int k = 0; k < scale; ++k)
            std::memcpy(mono.scanLine(y * scale + k), line.data(), bytes);
    }
    return mono;
}

void DrawTop(QPainter& painter, int x, int top, const QString& text)
{
    painter.drawText(x, top + painter.fontMetrics().ascent(), text);
}

class PagePrinter
{
public:
    PagePrinter(QPagedPaintDevice& device, const MessageListSource& source)
        : m_device(device), m_source(source), m_geometry(device.width())
    {
        const int cellWidth = TextColumnWidth(source.standardFont, source.lineLength);
        const int room = std::max(1, m_geometry.right - m_geometry.textX);
        m_scale = std::max(1, std::min(device.logicalDpiX() / ScreenDpi, room / std::max(1, cellWidth)));
        // The print preview records each page as a picture and shows it small.
        m_preview = device.paintEngine() && device.paintEngine()->type() == QPaintEngine::Picture;
        m_cellWidth = cellWidth;
        m_printFont.setPointSize(10);
        m_numberFont = m_printFont;
        // As large as the display text: the standard font's pixels at screen size.
        m_numberFont.setPointSizeF(source.standardFont.pixelSize() * 72.0 / ScreenDpi);
        const QLocale locale = QLocale::system();
        m_date = locale.toString(source.started.date(), QLocale::ShortFormat) + QLatin1Char(' ')
               + locale.toString(source.started.time(), QLocale::LongFormat);
    }

    MessageListPrintResult Run()
    {
        QPainter painter;
        if (!painter.begin(&m_device))
            throw TavolinError(QCoreApplication::translate(
                "MessageListPrint", "Der Drucker lässt sich nicht öffnen; es wurde nichts gedruckt."));
        painter.setRenderHint(QPainter::LosslessImageRendering);
        MessageListPrintResult result;
        const TMessageTable& table = *m_source.table;
        int slot = 0;
        while (slot < table.Count()) {
            if (result.pages > 0)
                m_device.newPage();
            ++result.pages;
            int footerY = 0;
            const int top = drawFrame(painter, result.pages, footerY);
            int y = top;
            while (slot < table.Count()) {
                const int h = MeasureTextHeight(table, m_source.standardFont, slot, m_source.language, true) * m_scale;
                // Taller than an empty page: named and left out, in place, the rest goes on.
                if (top + h > footerY) {
                    result.tooTall.append(table.At(slot).number);
                    ++slot;
                    continue;
                }
                if (y + h > footerY)
                    break;
                drawMessage(painter, slot, y);
                y += h + 3;
                ++slot;
            }
        }
        painter.end();
        return result;
    }

private:
    // Header, column headings and footer; returns the top of the message area and sets
    // the bottom of it.
    int drawFrame(QPainter& painter, int page, int& footerY)
    {
        const PageGeometry& g = m_geometry;
        const int pageHeight = m_device.height();
        painter.setPen(QPen(Qt::black, m_scale));
        painter.setFont(m_printFont);
        const int lineHeight = painter.fontMetrics().height();
        const QString file = QDir::toNativeSeparators(m_source.table->fileName[static_cast<size_t>(m_source.language)]);
        const QString type =
            QCoreApplication::translate("MessageListPrint", "Anzeigetype: ") + m_source.displayTypeName;
        int y = 0;
        DrawTop(painter, g.left, y,
                QCoreApplication::translate("MessageListPrint", "Sprache %1: %2").arg(m_source.language + 1).arg(file));
        DrawTop(painter, g.right - painter.fontMetrics().horizontalAdvance(type), y, type);
        y += lineHeight;
        DrawTop(painter, g.left, y,
                QCoreApplication::translate("MessageListPrint", "Zeichensatz: ")
                    + QDir::toNativeSeparators(m_source.charSetPath));
        y += lineHeight + 4;
        painter.drawLine(g.left, y, g.right, y);
        y += 4;
        QFont bold = m_printFont;
        bold.setBold(true);
        painter.setFont(bold);
        DrawTop(painter, g.left, y, QCoreApplication::translate("MessageListPrint", "Meld.Nr"));
        DrawTop(painter, g.textX, y, QCoreApplication::translate("MessageListPrint", "Meldetext"));
        y += painter.fontMetrics().height() + 4;
        painter.setFont(m_printFont);

        // The footer is as high as the header.
        footerY = pageHeight - y;
        painter.drawLine(g.left, footerY, g.right, footerY);
        DrawTop(painter, g.left, footerY + 4, m_date);
        const QString pageText = QCoreApplication::translate("MessageListPrint", "Seite %1").arg(page);
        DrawTop(painter, g.right - painter.fontMetrics().horizontalAdvance(pageText), footerY + 4, pageText);
        footerY -= 4;
        return y + 4;
    }

    void drawMessage(QPainter& painter, int slot, int y)
    {
        painter.setFont(m_numberFont);
        DrawTop(painter, m_geometry.left, y + 1, QString::number(m_source.table->At(slot).number));
        // Both pictures live only for this message.
        const QImage cell = DrawCell(m_source, slot, m_cellWidth);
        painter.setPen(Qt::black);
        if (m_preview) {
            // The preview is drawn at screen size: a picture of whole printer dots, a hundred
            // times the cell's pixels, would only be shrunk again (seconds for a full table).
            painter.drawImage(QRect(QPoint(m_geometry.textX, y), cell.size() * m_scale), ScaleToMono(cell, 1));
            return;
        }
        painter.drawImage(QPoint(m_geometry.textX, y), ScaleToMono(cell, m_scale));
    }

    QPagedPaintDevice& m_device;
    const MessageListSource& m_source;
    PageGeometry m_geometry;
    int m_scale = 1;
    bool m_preview = false;
    int m_cellWidth = 0;
    QFont m_printFont;
    QFont m_numberFont;
    QString m_date;
};

} // namespace

void CheckPrintable(const MessageListSource& source)
{
    if (source.language < 0 || source.language > 1)
        throw TavolinError(QCoreApplication::translate("MessageListPrint",
                                                       "Sprache %1 gibt es nicht; gedruckt werden Sprache 1 und 2.")
                               .arg(source.language + 1));
    if (!source.table || source.table->Count() == 0)
        throw TavolinError(QCoreApplication::translate(
            "MessageListPrint", "Die Tabelle enthält keine Meldungen; es gibt nichts zu drucken."));
}

QString MessageListJobTitle(const MessageListSource& source)
{
    const int language = std::clamp(source.language, 0, 1);
    return QStringLiteral("Tavolin - ")
         + QDir::toNativeSeparators(source.table ? source.table->fileName[static_cast<size_t>(language)] : QString());
}

QPageSize DefaultMessageListPageSize()
{
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

void SetMessageListPageLayout(QPagedPaintDevice& device, const QPageSize& size)
{
    device.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 10, 0, 10), QPageLayout::Millimeter));
}

MessageListPrintResult PrintMessageList(QPagedPaintDevice& device, const MessageListSource& source)
{
    CheckPrintable(source);
    return PagePrinter(device, source).Run();
}

MessageListPrintResult WriteMessageListPdf(QIODevice& device, const MessageListSource& source,
                                           const QPageSize& size)
{
    CheckPrintable(source);
    // The writer cannot tell a failed write; the finished document is written in one go.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    MessageListPrintResult result;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfDpi);
        writer.setTitle(MessageListJobTitle(source));
        writer.setCreator(QStringLiteral("Tavolin"));
        SetMessageListPageLayout(writer, size);
        result = PrintMessageList(writer, source);
    }
    const QByteArray& pdf = buffer.data();
    if (device.write(pdf) != pdf.size())
        throw TavolinError(QCoreApplication::translate("MessageListPrint",
                                                       "Die PDF-Datei konnte nicht vollständig geschrieben werden: %1")
                               .arg(device.errorString()));
    return result;
}

MessageListPrintResult WriteMessageListPdf(const QString& path, const MessageListSource& source,
                                           const QPageSize& size)
{
    CheckPrintable(source);
    MessageListPrintResult result;
    ReplaceFileContent(
        path, [&](QIODevice& device) { result = WriteMessageListPdf(device, source, size); },
        QCoreApplication::translate("MessageListPrint", "Die PDF-Datei konnte nicht geschrieben werden."));
    return result;
}
