#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace tavolin::test {

// What a message box showed, once it has been answered.
struct ModalAnswer
{
    QString caption;
    QString text;
    int count = 0;
};

// Answers every message box that opens from now on with `button` (until the returned
// object is destroyed) and records the last one. Widget tests use it so a modal box never
// blocks them.
class MessageBoxAnswerer
{
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton button)
        : state(std::make_shared<State>())
    {
        state->button = button;
        state->timer.setInterval(5);
        QObject::connect(&state->timer, &QTimer::timeout, [s = state.get()] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == s->last)
                return;
            s->last = box;
            s->answer.caption = box->windowTitle();
            s->answer.text = box->text();
            ++s->answer.count;
            if (QAbstractButton* b = box->button(s->button))
                b->click();
            else
                box->reject();
        });
        state->timer.start();
    }

    const ModalAnswer& Answer() const { return state->answer; }
    void SetButton(QMessageBox::StandardButton button) { state->button = button; }

private:
    struct State
    {
        QTimer timer;
        QMessageBox::StandardButton button = QMessageBox::Ok;
        QPointer<QMessageBox> last;
        ModalAnswer answer;
    };
    std::shared_ptr<State> state;
};

} // namespace tavolin::test
