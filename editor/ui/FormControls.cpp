#include "editor/ui/FormControls.h"

#include <QLineEdit>

namespace brenmoor {

CUpDownBox::CUpDownBox(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setWrapping(true);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    lineEdit()->setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
}

CNumberValidator::CNumberValidator(qint64 minimum, qint64 maximum, QObject* parent)
    : QValidator(parent), minimum_(minimum), maximum_(maximum) {}

std::optional<qint64> CNumberValidator::Parse(const QString& text, qint64 minimum, qint64 maximum) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('+'))) return std::nullopt;
    bool parsed = false;
    const qint64 value = trimmed.toLongLong(&parsed, 10);
    if (!parsed || value < minimum || value > maximum) return std::nullopt;
    return value;
}

QValidator::State CNumberValidator::validate(QString& input, int&) const {
    if (input.isEmpty()) return Intermediate;
    if (input == QLatin1String("-")) return minimum_ < 0 ? Intermediate : Invalid;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (!c.isDigit() && !(i == 0 && c == QLatin1Char('-'))) return Invalid;
    }
    return Parse(input, minimum_, maximum_) ? Acceptable : Invalid;
}

}  // namespace brenmoor
