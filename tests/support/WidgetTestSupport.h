#pragma once

// Helpers for the widget tests (Qt Test programs linked with the GUI library).

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace tavolin::test {

// Runs `action` on the next modal dialog of type T once it is shown and active, so keys
// sent to the focused widget reach the dialog even on a loaded machine. Modal dialogs run
// their own event loop, so the test reaches them from a timer. A failed check inside
// `action` closes the dialog, so the test fails instead of waiting for ever.
template <class T>
void OnModal(std::function<void(T*)> action, QWidget* skip = nullptr)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, action, skip, waited] {
        QWidget* modal = QApplication::activeModalWidget();
        T* dialog = qobject_cast<T*>(modal);
        if (!dialog || modal == skip || !dialog->isVisible() || !timer->isActive())
            return;
        // A platform that never activates it gets the dialog after two seconds anyway.
        if (!dialog->isActiveWindow() && ++*waited < 400)
            return;
        timer->stop();
        timer->deleteLater();
        QPointer<T> shown(dialog);
        action(dialog);
        if (QTest::currentTestFailed() && shown && shown->isVisible())
            shown->close();
    });
    timer->start();
}

// What the message boxes an AnswerBox answered showed: the last one, and how many.
struct BoxAnswer
{
    QString caption;
    QString text;
    int count = 0;
};

enum class Boxes { Next, Every };

// Answers message boxes with `button` (or closes them when they lack it): only the next one,
// or with Boxes::Every each one for as long as the caller keeps the returned answer.
inline std::shared_ptr<BoxAnswer> AnswerBox(QMessageBox::StandardButton button, Boxes which = Boxes::Next)
{
    auto answer = std::make_shared<BoxAnswer>();
    auto* timer = new QTimer;
    timer->setInterval(5);
    // A box is answered once; the next one answered may be a new box at the same address.
    auto last = std::make_shared<QPointer<QMessageBox>>();
    const std::shared_ptr<BoxAnswer> kept = which == Boxes::Next ? answer : nullptr;
    QObject::connect(timer, &QTimer::timeout, [timer, button, last, kept, weak = std::weak_ptr(answer)] {
        const std::shared_ptr<BoxAnswer> answer = weak.lock();
        if (!answer) {
            timer->deleteLater();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == *last)
            return;
        *last = box;
        answer->caption = box->windowTitle();
        answer->text = box->text();
        ++answer->count;
        if (kept) {
            timer->stop();
            timer->deleteLater();
        }
        if (QAbstractButton* b = box->button(button))
            b->click();
        else
            box->reject();
    });
    timer->start();
    return answer;
}

// A message box that nothing answers within `boundMs` is closed and fails the running test
// with its text, so that an unexpected question never hangs a test.
inline void FailOnStuckMessageBoxes(int boundMs = 10000)
{
    static QPointer<QTimer> watch;
    if (watch)
        return;
    watch = new QTimer(qApp);
    auto current = std::make_shared<QPointer<QMessageBox>>();
    auto shown = std::make_shared<QElapsedTimer>();
    QObject::connect(watch, &QTimer::timeout, [current, shown, boundMs] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            *current = nullptr;
        } else if (box != *current) {
            *current = box;
            shown->start();
        } else if (shown->elapsed() > boundMs) {
            *current = nullptr;
            const QString text = QStringLiteral("unanswered message box \"%1\": %2").arg(box->windowTitle(), box->text());
            box->reject();
            QTest::qFail(qPrintable(text), __FILE__, __LINE__);
        }
    });
    watch->start(100);
}

// How many pixels of the area (the whole image when none is given) have a colour (RGB
// without alpha) that `picked` accepts.
inline int CountPixels(const QImage& image, const std::function<bool(QRgb)>& picked, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += picked(image.pixel(x, y) & 0xFFFFFF) ? 1 : 0;
    return count;
}

inline std::function<bool(QRgb)> Colour(QRgb colour)
{
    return [colour](QRgb pixel) { return pixel == colour; };
}

// Saves a picture of the widget as <name>.png when TAVOLIN_SCREENSHOTS names a folder.
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
