// Controls the section forms share: an up-down box whose number is changed
// only by its arrows, and a validator for decimal numbers in a range.
#pragma once

#include <QSpinBox>
#include <QValidator>

#include <optional>

namespace brenmoor {

// A read-only number with up and down arrows that wrap around at the ends
// of the range.
class CUpDownBox : public QSpinBox {
public:
    CUpDownBox(int minimum, int maximum, QWidget* parent = nullptr);
};

// Decimal numbers from minimum to maximum. An empty text, or a lone '-'
// where negative numbers are allowed, is intermediate; anything else that
// is not a number of the range is refused as it is typed.
class CNumberValidator : public QValidator {
public:
    CNumberValidator(qint64 minimum, qint64 maximum, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

    // The number of an acceptable text.
    static std::optional<qint64> Parse(const QString& text, qint64 minimum, qint64 maximum);

private:
    qint64 minimum_;
    qint64 maximum_;
};

}  // namespace brenmoor
