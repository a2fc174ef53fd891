#include <QClipboard>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "support/TestSettings.h"
#include "texts/RichTextBridge.h"
#include "texts/ui/RichTextDocument.h"

class TestRichTextDocument : public QObject
{
    Q_OBJECT

    // The graphics face needs not exist: the family name set on the text is what counts.
    const QFont standard{QStringLiteral("DejaVu Sans Mono")};
    const QFont graphics{QStringLiteral("_EGA1B2.TMP")};
    QTextEdit editor;

    QByteArray load(const QByteArray& text)
    {
        const QByteArray rtf = MessageToRtf(text, standard.family().toLatin1(), graphics.family().toLatin1());
        RichTextDocument::Load(&editor, rtf, standard, graphics);
        return rtf;
    }
    QByteArray stored() { return RtfToMessage(RichTextDocument::Save(editor.document(), standard, graphics)); }

private Q_SLOTS:
    void initTestCase() { tavolin::test::UsePrivateSettings(); }

    void anyTextSurvivesTheEditor()
    {
        QRandomGenerator random(7);
        const QByteArray special("\r\r\x0E\x0F\x10\x12\\{}", 9);
        for (int round = 0; round < 500; ++round) {
            QByteArray text;
            for (int i = random.bounded(40); i > 0; --i)
                text += random.bounded(3) ? char(random.bounded(0x20, 0x100)) : special[random.bounded(special.size())];
            const QByteArray rtf = load(text);
            QCOMPARE(stored().toHex(), RtfToMessage(rtf).toHex());
            QCOMPARE(editor.document()->blockCount(), text.count('\r') + 1);
        }
    }

    void loadShowsAttributesAndClearsUndo()
    {
        editor.insertPlainText(QStringLiteral("alt"));
        QVERIFY(editor.document()->isUndoAvailable());
        const QByteArray example = QByteArray::fromHex("54656D702E200F7A7520686F63680E0D104142122035F843");
        load(example);
        QVERIFY(!editor.document()->isUndoAvailable());
        QCOMPARE(editor.toPlainText(), QStringLiteral("Temp. zu hoch\nAB 5\u00B0C"));

        const auto fragment = [this](int block, int index) {
            auto it = editor.document()->findBlockByNumber(block).begin();
            for (; index > 0; --index)
                ++it;
            return it.fragment();
        };
        QCOMPARE(fragment(0, 1).text(), QStringLiteral("zu hoch"));
        QCOMPARE(fragment(0, 1).charFormat().foreground().color(), QColor(255, 0, 0));
        QCOMPARE(fragment(0, 0).charFormat().foreground().color(), QColor(0, 0, 0));
        QCOMPARE(fragment(1, 0).text(), QStringLiteral("AB"));
        QCOMPARE(fragment(1, 0).charFormat().fontFamilies().toStringList(), QStringList(graphics.family()));

        // Unchanged text comes back in the very form the bridge writes for its normal form.
        const QByteArray normal = RtfToMessage(MessageToRtf(example, "S", "_EGA1B2.TMP"));
        QCOMPARE(RichTextDocument::Save(editor.document(), standard, graphics),
                 MessageToRtf(normal, standard.family().toLatin1(), "_EGA1B2.TMP"));
    }

    void typedAndPastedTextKeepsItsAttributes()
    {
        load("x");
        editor.moveCursor(QTextCursor::End);
        editor.setTextColor(QColor(255, 0, 0));
        QTest::keyClicks(&editor, QStringLiteral("ab"));
        editor.setCurrentFont(graphics);
        QTest::keyClicks(&editor, QStringLiteral("c"));
        QCOMPARE(stored(), QByteArray("x\x0F""ab\x10""c"));

        load("x");
        editor.moveCursor(QTextCursor::End);
        auto* mime = new QMimeData;
        mime->setHtml(QStringLiteral("<span style=\"color:#ff0000; font-family:'_EGA1B2.TMP'\">{P</span>"
                                     "<span style=\"color:#fe0000\">q</span>"));
        QGuiApplication::clipboard()->setMimeData(mime);
        editor.paste();
        // A leading brace keeps its attributes too.
        QCOMPARE(stored(), QByteArray("x\x0F\x10{P\x0E\x12q"));

        // Line separators become breaks, characters the display lacks are dropped or replaced.
        load("");
        editor.insertPlainText(QStringLiteral("a\u2028b\t\u4E2D\u20AC\uE081\uFFFC"));
        QCOMPARE(stored(), QByteArray("a\rb?\x80\xFC"));
    }
};

QTEST_MAIN(TestRichTextDocument)
#include "tst_richtextdocument.moc"
