#include <QRandomGenerator>
#include <gtest/gtest.h>

#include "texts/RichTextBridge.h"

namespace {

const QByteArray Graphics = "_EGA1B2.TMP";

QByteArray Header(const QByteArray& graphicsFace = Graphics)
{
    return MessageToRtf({}, "S", graphicsFace).chopped(1);
}

// A body read with the document header MessageToRtf writes.
QByteArray Read(const QByteArray& body)
{
    return RtfToMessage(Header() + body + "}");
}

// What a message becomes after the trip through a document, worked out independently:
// marks act from the next character that is not a backslash or brace, control codes are lost,
// line breaks come first, marks appear only on change, nothing follows the last character.
QByteArray NormalForm(const QByteArray& text)
{
    bool blink = false, graphics = false, shownBlink = false, shownGraphics = false;
    bool charBlink = false, charGraphics = false;
    int breaks = 0;
    QByteArray out;
    for (const char c : text) {
        if (c == 0x0D) { ++breaks; continue; }
        if (c == 0x0E || c == 0x0F) { blink = c == 0x0F; continue; }
        if (c == 0x10 || c == 0x12) { graphics = c == 0x10; continue; }
        if (c != '\\' && c != '{' && c != '}') { charBlink = blink; charGraphics = graphics; }
        if (static_cast<quint8>(c) < 0x20)
            continue;
        out += QByteArray(breaks, 0x0D);
        breaks = 0;
        if (charBlink != shownBlink) out += charBlink ? 0x0F : 0x0E;
        if (charGraphics != shownGraphics) out += charGraphics ? 0x10 : 0x12;
        shownBlink = charBlink;
        shownGraphics = charGraphics;
        out += c;
    }
    return out;
}

} // namespace

TEST(RichTextBridge, WorkedExample)
{
    const QByteArray text = QByteArray::fromHex("54656D702E200F7A7520686F63680E0D104142122035F843");
    EXPECT_EQ(MessageToRtf(text, "S", "G"),
              R"({\rtf1\ansi\ansicpg850\deff0{\fonttbl{\f0\fnil\fcharset0 S;}{\f1\fnil\fcharset0 G;}}{\colortbl\red0\green0\blue0;\red255\green0\blue0;}\plain\cf0 Temp. \plain \cf1 zu hoch\par \plain \f1 AB\plain  5\'b0C})");
    // Reading it back gives the normal form (AnyMessageComesBackInNormalForm); font 1 names
    // graphics only by its name (BlinkAndGraphicsFollowTheDocumentsTables).
}

TEST(RichTextBridge, WritesMessagesAndReadsThemBackInNormalForm)
{
    const struct { QByteArray text, body, back; } cases[] = {
        {"", "", ""},
        {"AB\r\r\r", "AB\\par \\par \\par ", "AB"},
        {"\x0F\x10\x0E\x12", "", ""},
        {"\\{}", "\\\\\\{\\}", "\\{}"},
        {"\x81\x7F\xF8", "\\'fc\x7F\\'b0", "\x81\x7F\xF8"},
        {"\x0F{A", "\\{\\plain \\cf1 A", "{\x0F""A"},
        {"\x0F\rA\x0E\x10\x0F""B", "\\par \\plain \\cf1 A\\plain \\f1 \\cf1 B", "\r\x0F""A\x10""B"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MessageToRtf(c.text, "S", Graphics), Header() + c.body + "}") << c.text.toHex().data();
        EXPECT_EQ(Read(c.body), c.back) << c.body.data();
    }
}

TEST(RichTextBridge, ReadsWhatOtherWritersMightProduce)
{
    const struct { QByteArray body, text; } cases[] = {
        // A Unicode character is kept whichever delimiter ends its control word.
        {"\\u228?\\plain x", "\x84x"}, {"\\u228? x", "\x84x"}, {"\\u228?;x", "\x84;x"}, {"\\u228?'x", "\x84'x"},
        {"\\u8364?\\u19990?\\U228? ", "\x80?"},
        {"A\\pa", "A"}, {"A\\par", "A"}, {"\\p\r\na\x01r B", "\rB"},
        {"\\'4zA\\'zzB\\'g1C\\'4", "\x04""ABC"}, {"\\'{x}41", "A"}, {"\\{\\;\\ \\}", "{; }"},
        {"\\PAR \\CF1 A\\F1 B\\Cf0 C\\plain D", "\r\x0F""A\x10""B\x0E""C\x12""D"},
        {QByteArray(10000, '{') + "A" + QByteArray(10000, '}') + "B", "B"},
        // Control words keep 127 characters: the second one loses its '?'.
        {"\\u" + QByteArray(122, '0') + "228? \\u" + QByteArray(123, '0') + "228? A", "\x84""A"},
        // An escape inside a table must not swallow body text.
        {"{\\fonttbl{\\f2\\fnil Caf\\'e9;}}AB", "AB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.body), c.text) << c.body.left(60).data();
}

TEST(RichTextBridge, BlinkAndGraphicsFollowTheDocumentsTables)
{
    const auto doc = [](const QByteArray& font1, const QByteArray& colours) {
        return RtfToMessage("{\\rtf1{\\fonttbl{\\f0 S;}{\\f1\\fnil " + font1 + ";}}{\\colortbl" + colours
                            + "}\\cf1 a\\cf2 b\\f1 c}");
    };
    EXPECT_EQ(doc("_eg1.tmp", ";\\red255\\green0\\blue0;"), "\x0F""a\x0E""b\x10""c");
    EXPECT_EQ(doc("_EG1.TMP", ";\\red0\\green0\\blue0;\\red255\\green0\\blue0;"), "a\x0F""b\x10""c");
    EXPECT_EQ(doc("_EG.TMP", ";\\red255\\green1\\blue0;"), "abc");
    EXPECT_EQ(doc("G", "\\red255\\green0\\blue0;;;"), "a\x0F""bc"); // values carry over: the last red entry counts
    EXPECT_EQ(doc("_EG" + QByteArray(56, 'x') + ".TMP", ""), "ab\x10""c");
    EXPECT_EQ(doc("_EG" + QByteArray(57, 'x') + ".TMP", ""), "abc"); // name cut at 63 characters
    // Entry 10 has no digit of its own, so nothing can name it.
    EXPECT_EQ(RtfToMessage("{\\rtf1{\\colortbl;;;;;;;;;;\\red255\\green0\\blue0;}\\cf: a}"), "a");
}

TEST(RichTextBridge, AnyMessageComesBackInNormalForm)
{
    QRandomGenerator random(1234);
    const QByteArray special("\r\r\x0E\x0F\x10\x12\\{} \x0A\x11\x00", 13);
    for (int round = 0; round < 3000; ++round) {
        QByteArray text;
        for (int i = random.bounded(30); i > 0; --i)
            text += random.bounded(3) ? char(random.bounded(256)) : special[random.bounded(special.size())];
        ASSERT_EQ(RtfToMessage(MessageToRtf(text, "S", Graphics)), NormalForm(text)) << text.toHex().data();
    }
}

TEST(RichTextBridge, AnyDocumentIsReadWithoutFailing)
{
    QRandomGenerator random(99);
    const QByteArray alphabet = "\\\\\\{{}}; ;''?0123456789abcdefulparplaincfcolortblredgreenbluefonttbl_EG.TMP\r";
    for (int round = 0; round < 20000; ++round) {
        QByteArray rtf;
        for (int i = random.bounded(200); i > 0; --i)
            rtf += random.bounded(8) ? alphabet[random.bounded(alphabet.size())] : char(random.bounded(256));
        // Only an escape such as "\'0d" can put a control code at the end.
        const bool withoutEscapes = round % 4 < 2;
        if (withoutEscapes)
            rtf.replace('\'', 'x');
        const QByteArray text = RtfToMessage(round % 2 ? rtf : Header() + rtf);
        if (withoutEscapes && !text.isEmpty()) {
            ASSERT_FALSE(QByteArray("\r\x0E\x0F\x10\x12").contains(text.back())) << rtf.toHex().data();
        }
    }
}
