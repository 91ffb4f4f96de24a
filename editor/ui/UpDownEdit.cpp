#include "editor/ui/UpDownEdit.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace brenmoor {
namespace {

QToolButton* Arrow(Qt::ArrowType direction) {
    auto* button = new QToolButton;
    button->setArrowType(direction);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(18, 12);
    return button;
}

// Keys that move the focus or answer the dialog pass the edit unfiltered.
bool IsDialogKey(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter ||
           key == Qt::Key_Escape;
}

}  // namespace

CUpDown::CUpDown(QLineEdit& buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(Arrow(Qt::UpArrow)), down_(Arrow(Qt::DownArrow)), minimum_(minimum),
      maximum_(std::max(minimum, maximum)), position_(minimum) {
    auto* arrows = new QVBoxLayout(this);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(&buddy_, &QLineEdit::textChanged, this, [this] { ReadBuddy(); });
    buddy_.installEventFilter(this);
    ShowPosition();
}

void CUpDown::SetPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    ShowPosition();
}

void CUpDown::SetMaximum(int maximum) {
    maximum_ = std::max(minimum_, maximum);
    SetPosition(position_);
}

void CUpDown::Step(int delta) { SetPosition(position_ + delta); }

void CUpDown::ReadBuddy() {
    if (writing_) return;
    bool parsed = false;
    const qlonglong typed = buddy_.text().toLongLong(&parsed, 10);
    position_ = parsed ? static_cast<int>(std::clamp<qlonglong>(typed, minimum_, maximum_)) : minimum_;
    ShowPosition();
}

void CUpDown::ShowPosition() {
    const QString text = QString::number(position_);
    if (buddy_.text() == text) return;
    writing_ = true;
    buddy_.setText(text);
    writing_ = false;
}

bool CUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &buddy_ && event->type() == QEvent::FocusOut) ShowPosition();
    if (watched != &buddy_ || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || IsDialogKey(key->key())) return false;
    if (text == QLatin1String("+") || text == QLatin1String("-")) {
        Step(text == QLatin1String("+") ? 1 : -1);
        return true;
    }
    // Control characters (backspace, delete, editing shortcuts) edit the
    // text; of the printable ones only digits do.
    for (const QChar typed : text) {
        if (typed.isPrint() && (typed < QLatin1Char('0') || typed > QLatin1Char('9'))) return true;
    }
    return false;
}

}  // namespace brenmoor
