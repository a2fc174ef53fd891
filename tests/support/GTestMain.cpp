#include <QGuiApplication>
#include <gtest/gtest.h>

#include "charset/TempFile.h"
#include "support/TestSettings.h"

// Core tests need a QGuiApplication for fonts and events, but never a display server.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    tavolin::test::UsePrivateSettings();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Fonts built by the tests leave no files behind.
    RemoveOwnTempFiles();
    return result;
}
