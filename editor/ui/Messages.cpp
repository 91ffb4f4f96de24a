#include "editor/ui/Messages.h"

#include <QApplication>

namespace brenmoor {
namespace {

QMessageBox::StandardButton ShowMessage(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
                                        QWidget* parent) {
    // Texts are shown as they are written; a '\r' breaks the line.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, QString::fromLatin1(kProductName), shown, buttons,
                    parent ? parent : QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (buttons.testFlag(QMessageBox::Yes)) box.setDefaultButton(QMessageBox::Yes);
    if (buttons.testFlag(QMessageBox::Cancel)) box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    return static_cast<QMessageBox::StandardButton>(answer);
}

}  // namespace

void ErrorMessage(const QString& text, QWidget* parent) {
    ShowMessage(QMessageBox::Critical, text, QMessageBox::Ok, parent);
}

void InformationMessage(const QString& text, QWidget* parent) {
    ShowMessage(QMessageBox::Information, text, QMessageBox::Ok, parent);
}

QMessageBox::StandardButton Question(const QString& text, QWidget* parent) {
    const auto answer =
        ShowMessage(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    return answer == QMessageBox::Yes || answer == QMessageBox::No ? answer : QMessageBox::Cancel;
}

}  // namespace brenmoor
