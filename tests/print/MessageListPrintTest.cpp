#include <QBuffer>
#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include "charset/CharSet.h"
#include "print/MessageListPrint.h"
#include "support/FailDevice.h"
#include "support/FullDisk.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"
#include "texts/MessageTable.h"

using namespace tavolin::test;

namespace {

class MessageListPrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        standard.Import(ProgramDir() + QStringLiteral("/led.fix"));
        graphics.Import(DemoProjectDir() + QStringLiteral("/demo.pix"));
        for (int n = 0; n < 1000; ++n)
            table.SetText(n, 0, "Meldung " + QByteArray::number(n));
        table.headerLines[0] = {"Binaer", "Helligkeit: 80%", "Drucker"};
        table.fileName = {QStringLiteral("/p/Sprache1.txt"), QStringLiteral("/p/Sprache2.txt")};
        source.table = &table;
        source.standardFont = standard.font;
        source.graphicsFont = graphics.font;
        source.lineLength = 24;
        source.displayTypeName = QStringLiteral("Quon 1");
        source.charSetPath = QStringLiteral("/p/demo.pix");
    }

    // Pages the list needs on A4 at 600 dpi, counted from the page geometry: the header
    // (two lines, a rule, the bold headings) and the footer as high as it, every message
    // one display line of 16 pixels at 6 dots each and 3 dots apart.
    int ExpectedPages(int language)
    {
        QBuffer buffer;
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        SetMessageListPageLayout(writer, QPageSize(QPageSize::A4));
        QFont font;
        font.setPointSize(10);
        QFont bold = font;
        bold.setBold(true);
        const int header = 2 * QFontMetrics(font, &writer).height() + 4 + 4 + QFontMetrics(bold, &writer).height() + 4;
        const int room = writer.height() - 2 * header - 8;
        const int line = 16 * 6;
        int pages = 1;
        int used = (language == 0 ? 5 : 1) * line + 3; // message 0 carries the settings lines
        for (int n = 1; n < table.Count(); ++n) {
            if (used + line > room) {
                ++pages;
                used = 0;
            }
            used += line + 3;
        }
        return pages;
    }

    TCharSet standard{'S'};
    TCharSet graphics{'G'};
    TMessageTable table;
    MessageListSource source;
};

// A message taller than a page is named and takes no room; every other one is printed.
TEST_F(MessageListPrintTest, LongListFillsPagesByTheGeometryAndNamesWhatDoesNotFit)
{
    table.SetText(7, 0, QByteArray("Zeile\r").repeated(200));
    for (const int language : {0, 1}) {
        for (int n = 0; n < 1000; ++n)
            table.SetText(n, 1, language == 1 ? QByteArray("Message") : QByteArray());
        source.language = language;
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        const MessageListPrintResult result = WriteMessageListPdf(pdf, source, QPageSize(QPageSize::A4));
        EXPECT_EQ(result.pages, ExpectedPages(language)) << language;
        EXPECT_GT(result.pages, 10);
        EXPECT_EQ(result.tooTall, language == 0 ? QList<int>{7} : QList<int>());
        EXPECT_TRUE(pdf.data().startsWith("%PDF-"));
        EXPECT_EQ(pdf.data().count("/Type /Page\n"), result.pages);
    }
}

TEST_F(MessageListPrintTest, RefusalsAndFailedWritesKeepTheOldFile)
{
    TMessageTable empty;
    source.table = &empty;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_NE(ErrorOf([&] { WriteMessageListPdf(buffer, source, QPageSize(QPageSize::A4)); }), QString());
    source.table = &table;
    source.language = 2;
    EXPECT_TRUE(ErrorOf([&] { WriteMessageListPdf(buffer, source, QPageSize(QPageSize::A4)); }).contains(QStringLiteral("Sprache 3")));
    EXPECT_EQ(buffer.size(), 0);
    source.language = 0;

    FailDevice device(4000);
    device.open(QIODevice::WriteOnly);
    EXPECT_TRUE(ErrorOf([&] { WriteMessageListPdf(device, source, QPageSize(QPageSize::A4)); }).contains(QStringLiteral("PDF")));

    // A really full file system: the write fails, the old file stays whole.
    FullDisk disk;
    const QString path = disk.FilePath(QStringLiteral("liste.pdf"));
    WriteAll(path, "alt");
    const QString error = disk.ErrorOf([&] { WriteMessageListPdf(path, source, QPageSize(QPageSize::A4)); });
    EXPECT_TRUE(error.contains(QStringLiteral("PDF-Datei"))) << error.toStdString();
    EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("liste.pdf")});
    EXPECT_EQ(ReadAll(path), "alt");
}

} // namespace
