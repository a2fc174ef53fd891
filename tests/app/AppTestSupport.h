#pragma once

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/CellEditor.h"
#include "app/MainWindow.h"
#include "app/MessageGrid.h"
#include "app/MessageView.h"
#include "app/ProjectController.h"
#include "common/ProgramFolder.h"
#include "project/DisplayType.h"
#include "common/SettingsStore.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"
#include "support/TestSettings.h"
#include "support/WidgetTestSupport.h"

namespace tavolin::test {

// A copy of the demo project below a temporary base folder.
inline QString CopyDemo(const QTemporaryDir& base, const QString& name = QStringLiteral("Demo"))
{
    const QString target = base.path() + QLatin1Char('/') + name;
    QDir().mkpath(target);
    const QDir demo(DemoProjectDir());
    for (const QString& file : demo.entryList(QDir::Files))
        QFile::copy(demo.filePath(file), target + QLatin1Char('/') + file);
    return target;
}

inline void ClickCell(MessageView& view, int col, int row, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(view.Grid()->viewport(), Qt::LeftButton, modifiers, view.Grid()->CellRect(col, row).center());
}

// The main window of the app tests, over a copy of the demo project ("Demo" below a fresh
// base folder, not yet open). Test classes derive from it and call the steps from their
// own initTestCase, init and cleanup slots.
class MainWindowFixture : public QObject
{
protected:
    static void InitTestCase()
    {
        UsePrivateSettings();
        SetProgramFolder(ProgramDir());
        FailOnStuckMessageBoxes();
    }

    void OpenWindow()
    {
        ClearSettings();
        base = std::make_unique<QTemporaryDir>();
        demo = CopyDemo(*base);
        SettingsStore::WriteValue(QStringLiteral("PRJBasePath"), base->path());
        SettingsStore::WriteValue(QStringLiteral("Startbild"), QStringLiteral("0"));
        window = std::make_unique<MainWindow>();
        window->resize(1000, 700);
        window->show();
        activate();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Drops every change, so that closing asks nothing, and removes the window and folders.
    void CloseWindow()
    {
        if (session().IsOpen()) {
            view().CellEdit().Abandon();
            session().project.modified = false;
            session().graphics.modified = false;
            for (auto& table : session().tables)
                if (table)
                    table->modified = {false, false};
            window->Projects()->CloseProject(false);
        }
        window.reset();
        base.reset();
        DisplayTypeTable()[11] = TDisplayType();
    }

    // The offscreen platform leaves a closed dialog active; a desktop would not.
    void activate() { QApplication::setActiveWindow(window.get()); }

    // A key to the focused widget, as the keyboard gives it; to the window when none has it.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

    static void SetDisplayType(const QString& folder, const QString& typeName)
    {
        TProjectConfig config;
        QVERIFY(ReadProjectConfig(folder, config));
        TProjectConfig::Set(config.displayTypeName, typeName);
        QVERIFY(WriteProjectConfig(folder, config));
    }

    // A copy of the demo under another name, set to another display type.
    QString makeProject(const QString& name, const QString& typeName)
    {
        const QString folder = CopyDemo(*base, name);
        SetDisplayType(folder, typeName);
        return folder;
    }

    // The glyph editor's window while it is shown, else null.
    QMainWindow* glyphEditor()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* w = qobject_cast<QMainWindow*>(widget); w && w != window.get() && w->isVisible())
                return w;
        return nullptr;
    }

    // Types the path (a bare name goes into the folder the dialog opens in) into Qt's own
    // file dialog once it is shown, its name box focused, and confirms it.
    static void TypeFileName(const QString& path)
    {
        OnModal<QFileDialog>([path](QFileDialog* dialog) {
            QWidget* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QCOMPARE(dialog->focusWidget(), name);
            QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(name, path);
            QTest::keyClick(name, Qt::Key_Return);
        });
    }
    ProjectSession& session() { return window->Session(); }
    MessageView& view() { return *window->View(); }
    TMessageTable& table() { return *session().CurrentTable(); }
    int rowOf(int number) { return table().IndexOf(number) + 1; }
    QByteArray textOf(int number, int language = 0) { return table().At(table().IndexOf(number)).text[language]; }

    std::unique_ptr<QTemporaryDir> base;
    std::unique_ptr<MainWindow> window;
    QString demo;
};

} // namespace tavolin::test
