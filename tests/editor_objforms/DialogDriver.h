// Plays the user in the modal windows a test opens: a polling timer finds
// each modal widget; message boxes are noted and answered with the given
// button, other dialogs are handed to the next scripted step (which
// accepts or rejects them). A dialog without a step is rejected, so that a
// test never hangs.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

class DialogDriver {
public:
    explicit DialogDriver(QMessageBox::StandardButton answer = QMessageBox::Yes) : answer_(answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }

    DialogDriver& Then(std::function<void(QDialog&)> step) {
        steps_.push_back(std::move(step));
        return *this;
    }

    const std::vector<QString>& Messages() const { return messages_; }
    int UnscriptedDialogs() const { return unscripted_; }

private:
    void Poll() {
        QWidget* widget = QApplication::activeModalWidget();
        if (!widget || !widget->isVisible() || widget->property("driverSeen").toBool()) return;
        widget->setProperty("driverSeen", true);
        if (auto* box = qobject_cast<QMessageBox*>(widget)) {
            messages_.push_back(box->text());
            if (QAbstractButton* button = box->button(answer_))
                button->click();
            else
                box->reject();
            return;
        }
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (!dialog) return;
        if (steps_.empty()) {
            ++unscripted_;
            dialog->reject();
            return;
        }
        const std::function<void(QDialog&)> step = std::move(steps_.front());
        steps_.pop_front();
        step(*dialog);
        // A step that opened a message box leaves the dialog open; look again.
        if (dialog->isVisible()) dialog->setProperty("driverSeen", false);
    }

    QMessageBox::StandardButton answer_;
    QTimer timer_;
    std::deque<std::function<void(QDialog&)>> steps_;
    std::vector<QString> messages_;
    int unscripted_ = 0;
};
