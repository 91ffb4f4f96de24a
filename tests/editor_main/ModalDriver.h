// Plays the user's part in modal dialogs: a polling timer finds each modal
// widget through QApplication::activeModalWidget() and takes the next
// scripted step on it (press a message box button, choose a file in a file
// dialog, cancel). A modal widget that no step is left for is noted and
// rejected, so that a test never hangs.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

class ModalDriver {
public:
    struct Seen {
        QString kind;  // "message", "file" or the class name of another dialog
        QString caption;
        QString text;  // message text; the file dialog's selected directory
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool scripted = true;
    };

    ModalDriver() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }

    ModalDriver& Press(QMessageBox::StandardButton button) {
        steps_.push_back([button](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box) return false;
            if (QAbstractButton* pressed = box->button(button)) pressed->click();
            else box->reject();
            return true;
        });
        return *this;
    }

    ModalDriver& ChooseFile(const QString& path) {
        steps_.push_back([path](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (!dialog) return false;
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
            return true;
        });
        return *this;
    }

    ModalDriver& Cancel() {
        steps_.push_back([](QWidget* widget) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (!dialog) return false;
            dialog->reject();
            return true;
        });
        return *this;
    }

    // Runs fn on the dialog (for example to look at it), then rejects it.
    ModalDriver& Inspect(std::function<void(QDialog&)> fn) {
        steps_.push_back([fn](QWidget* widget) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (!dialog) return false;
            fn(*dialog);
            dialog->reject();
            return true;
        });
        return *this;
    }

    const std::vector<Seen>& Shown() const { return seen_; }
    std::vector<QString> Texts() const {
        std::vector<QString> texts;
        for (const Seen& seen : seen_) texts.push_back(seen.text);
        return texts;
    }
    bool AllStepsTaken() const { return steps_.empty(); }

private:
    void Poll() {
        QWidget* widget = QApplication::activeModalWidget();
        if (!widget || widget->property("modalDriverHandled").toBool() || !widget->isVisible()) return;
        widget->setProperty("modalDriverHandled", true);
        Seen seen;
        seen.caption = widget->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(widget)) {
            seen.kind = QStringLiteral("message");
            seen.text = box->text();
            seen.icon = box->icon();
        } else if (auto* files = qobject_cast<QFileDialog*>(widget)) {
            seen.kind = QStringLiteral("file");
            seen.text = files->selectedFiles().value(0);
        } else {
            seen.kind = QString::fromLatin1(widget->metaObject()->className());
        }
        const bool taken = !steps_.empty() && steps_.front()(widget);
        if (taken) {
            steps_.pop_front();
        } else {
            seen.scripted = false;
            if (auto* dialog = qobject_cast<QDialog*>(widget)) dialog->reject();
        }
        seen_.push_back(seen);
    }

    QTimer timer_;
    std::deque<std::function<bool(QWidget*)>> steps_;
    std::vector<Seen> seen_;
};
