#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QAbstractButton>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/MainWindow.h"
#include "app/MessageGrid.h"
#include "app/MessageView.h"
#include "project/SettingsStore.h"
#include "support/TestPaths.h"

namespace tavolin::test {

// Runs `action` on the next modal dialog of type T once it is shown. Modal dialogs run
// their own event loop, so the test reaches them from a timer.
template <class T>
void OnModal(std::function<void(T*)> action, QWidget* skip = nullptr)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto handled = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, [timer, action, handled, skip] {
        QWidget* modal = QApplication::activeModalWidget();
        T* dialog = qobject_cast<T*>(modal);
        if (!dialog || modal == skip || *handled || !dialog->isVisible())
            return;
        *handled = true;
        timer->stop();
        timer->deleteLater();
        action(dialog);
    });
    timer->start();
}

// Answers the next message box with `button` and records its caption and text.
struct BoxAnswer
{
    QString caption;
    QString text;
    bool seen = false;
};

inline std::shared_ptr<BoxAnswer> AnswerBox(QMessageBox::StandardButton button)
{
    auto answer = std::make_shared<BoxAnswer>();
    OnModal<QMessageBox>([answer, button](QMessageBox* box) {
        answer->caption = box->windowTitle();
        answer->text = box->text();
        answer->seen = true;
        box->button(button)->click();
    });
    return answer;
}

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

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void ClickCell(MessageView& view, int col, int row, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(view.Grid()->viewport(), Qt::LeftButton, modifiers, view.Grid()->CellRect(col, row).center());
}

// Saves a picture of the widget when TAVOLIN_SCREENSHOTS names a folder.
inline void Screenshot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("TAVOLIN_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    // On a real display server the picture is what the server shows, window frame aside.
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
        QApplication::processEvents();
        QTest::qWait(200);
        widget->window()->screen()->grabWindow(widget->winId()).save(path);
    } else {
        widget->grab().save(path);
    }
}

} // namespace tavolin::test
