#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/SimulatedDisplay.h"
#include "support/TestHelpers.h"
#include "transfer/SerialLink.h"

using namespace tavolin::test;

namespace {

// A link opened on the simulated display's port.
class SerialLinkTest : public ::testing::Test
{
protected:
    void SetUp() override { link.Open(display.PortName()); }

    SimulatedDisplay display;
    TSerialLink link{FastTiming()};
};

} // namespace

// The text the users know, then the port and the system's reason.
TEST(SerialLink, PortThatCannotBeOpenedSaysWhichAndWhy)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("datei"));
    WriteAll(file, "x");
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("/dev/tavolin-no-such-port"), QStringLiteral("/dev/tavolin-no-such-port: nicht vorhanden")},
        {file, file + QStringLiteral(": kein passendes Gerät (keine serielle Schnittstelle)")},
        {QStringLiteral("/dev/null"), QStringLiteral("/dev/null: kein passendes Gerät (keine serielle Schnittstelle)")},
        {dir.path(), dir.path() + QStringLiteral(": ist ein Ordner")},
        {QString(), QStringLiteral("Es ist keine Schnittstelle eingestellt (Optionen, \"Schnittstelle\").")},
    };
    TSerialLink link;
    for (const auto& [port, second] : cases)
        EXPECT_EQ(ErrorOf([&] { link.Open(port); }), QStringLiteral("Schnittstellen Fehler !\n") + second);
    EXPECT_FALSE(link.IsOpen());
}

// An empty text sends nothing and keeps the input.
TEST_F(SerialLinkTest, EmptyTextKeepsTheInputAndACommandDiscardsIt)
{
    ASSERT_EQ(link.WriteText("(1418)"), 0);
    link.Delay(100);
    EXPECT_EQ(link.WriteText(QByteArray()), 0);
    // The answer that arrived before is still there: nothing was purged.
    EXPECT_EQ(link.ReadByte(100), display.GetBehaviour().info.at(0));

    // A real command discards what is still waiting before it goes out.
    link.WriteText("(1418)");
    EXPECT_EQ(link.ReadByte(1000), display.GetBehaviour().info.at(0));
}

// Discarding the output queue before a command threw away the end of the previous
// command; "(14E0)" was lost right before "(1407)". Here the display stops reading
// while a long block is queued, so the bytes are still in our queues when the next
// commands go out.
TEST_F(SerialLinkTest, CommandsNeverDiscardBytesNotYetSent)
{
    // Fill every queue up to the line: the operating system's first, then ours.
    display.StallReading(10000);
    QByteArray block;
    int extra = -1;
    for (int i = 0; i < 100000 && extra != 0; ++i) {
        const char c = static_cast<char>('a' + i % 26);
        ASSERT_TRUE(link.WriteByte(c));
        block += c;
        link.ClearErrors();
        if (extra < 0 && link.bytesToSend > 0)
            extra = 1000;
        else if (extra > 0)
            --extra;
    }
    link.ClearErrors();
    ASSERT_GT(link.bytesToSend, 1000u) << "the queued bytes count as still to send";
    EXPECT_GT(link.WaitSent(50), 0) << "WaitSent waits while the display does not read";

    QTimer::singleShot(200, [&] { display.StallReading(0); });
    ASSERT_EQ(link.WriteText("(14E0)"), 0);
    ASSERT_EQ(link.WriteText("(1407)"), 0);
    EXPECT_EQ(link.WaitSent(5000), 0);
    const QByteArray expected = block + "(14E0)(1407)";
    for (int i = 0; i < 200 && display.Received().size() < expected.size(); ++i)
        link.Delay(10);
    const QByteArray received = display.Received();
    EXPECT_EQ(received.size(), expected.size());
    EXPECT_TRUE(received == expected) << "tail: " << received.right(20).toStdString();
}

// A pause of the protocol ends as soon as the user aborts (a wait for input: the CLI's signal tests).
TEST_F(SerialLinkTest, AbortEndsAPauseAtOnce)
{
    QTimer::singleShot(50, [&] { link.RequestAbort(); });
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(ErrorOf([&] { link.Delay(10000); }), QStringLiteral("Übertragung durch Anwender abgebrochen !"));
    EXPECT_LT(timer.elapsed(), 1000);
}
