// An up-down control bound to a number edit: its arrows step a position
// within limits, and the edit always shows that position. Typing "+" or
// "-" in the edit steps the position; digits and backspace edit the text,
// which is then read back through the position (clamped to the limits);
// any other character is dropped.
#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace brenmoor {

class CUpDown : public QWidget {
public:
    CUpDown(QLineEdit& buddy, int minimum, int maximum, QWidget* parent = nullptr);

    int Position() const { return position_; }
    void SetPosition(int position);
    int Maximum() const { return maximum_; }
    // Clamps the position into the new limit.
    void SetMaximum(int maximum);
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes the number the edit holds (none: the minimum) as the position
    // and writes the position back into the edit.
    void ReadBuddy();
    void ShowPosition();

    QLineEdit& buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int position_;
    bool writing_ = false;
};

}  // namespace brenmoor
