#include <QGuiApplication>
#include <gtest/gtest.h>

#include "support/TestSettings.h"

// Core tests need a QGuiApplication for fonts and events, but never a display server.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    tavolin::test::UsePrivateSettings();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
