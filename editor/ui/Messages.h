// The editor's message boxes: error, information and a Yes/No/Cancel
// question, all captioned with the product name.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace brenmoor {

inline constexpr char kProductName[] = "Halvard";

// parent null: the application's active window.
void ErrorMessage(const QString& text, QWidget* parent = nullptr);
void InformationMessage(const QString& text, QWidget* parent = nullptr);
// QMessageBox::Yes, No or Cancel (Escape and closing the box answer Cancel).
QMessageBox::StandardButton Question(const QString& text, QWidget* parent = nullptr);

}  // namespace brenmoor
