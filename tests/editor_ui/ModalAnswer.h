// Answers the next modal message box: a polling timer finds it through
// QApplication::activeModalWidget(), notes what it showed and presses a
// button, so that tests can run code that asks the user.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <QElapsedTimer>
#include <QThread>

#include <vector>

// Runs the event loop until done() holds or the time is up; done()'s result.
template <class Done>
bool WaitUntil(Done done, int milliseconds = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return done();
}

class ModalAnswer {
public:
    struct Seen {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        std::vector<QMessageBox::StandardButton> buttons;
    };

    explicit ModalAnswer(QMessageBox::StandardButton press) : press_(press) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }

    const std::vector<Seen>& Boxes() const { return seen_; }

private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        Seen seen{box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton* button : box->buttons()) seen.buttons.push_back(box->standardButton(button));
        seen_.push_back(seen);
        if (QAbstractButton* button = box->button(press_))
            button->click();
        else
            box->reject();
    }

    QMessageBox::StandardButton press_;
    QTimer timer_;
    std::vector<Seen> seen_;
};
