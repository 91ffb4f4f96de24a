#include "editor/ui/EdsForm.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>

namespace brenmoor {

CEdsForm::CEdsForm() : content_(new QWidget) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidget(content_);
    hide();
}

bool CEdsForm::TrackEdits(QWidget* control) {
    const auto mark = [this] { modified_ = true; };
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        connect(edit, &QLineEdit::textChanged, this, mark);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::currentIndexChanged, this, mark);
        if (combo->isEditable()) connect(combo, &QComboBox::editTextChanged, this, mark);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        connect(button, &QAbstractButton::clicked, this, mark);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        connect(spin, &QSpinBox::valueChanged, this, mark);
    } else if (auto* doubleSpin = qobject_cast<QDoubleSpinBox*>(control)) {
        connect(doubleSpin, &QDoubleSpinBox::valueChanged, this, mark);
    } else if (auto* dateTime = qobject_cast<QDateTimeEdit*>(control)) {
        connect(dateTime, &QDateTimeEdit::dateTimeChanged, this, mark);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        connect(plain, &QPlainTextEdit::textChanged, this, mark);
    } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
        connect(rich, &QTextEdit::textChanged, this, mark);
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        connect(list, &QListWidget::itemChanged, this, mark);
    } else {
        return false;
    }
    return true;
}

void CEdsForm::EmbedIn(QWidget& panel) {
    if (parentWidget() != &panel) setParent(&panel);
    QLayout* layout = panel.layout();
    if (!layout) {
        layout = new QVBoxLayout(&panel);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    // Hidden forms take no room in the layout, so every form shown in the
    // panel in turn fills it alone.
    if (layout->indexOf(this) < 0) layout->addWidget(this);
}

}  // namespace brenmoor
