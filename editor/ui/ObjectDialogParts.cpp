#include "editor/ui/ObjectDialogParts.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <algorithm>

#include "editor/ui/Messages.h"
#include "editor/ui/ObjectValueCheck.h"

namespace brenmoor {
namespace {

constexpr unsigned kFirstObjectIndex = 0x1000;
constexpr unsigned kLastObjectIndex = 0xFFFF;

QLineEdit* EditAccepting(const QString& pattern, int maximum) {
    auto* edit = new QLineEdit;
    edit->setMaxLength(maximum);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    return edit;
}

}  // namespace

uint32_t SelectedMask(const QComboBox& combo, CodeTable table) {
    const int row = combo.currentIndex();
    if (row < 0 || row >= static_cast<int>(table.size())) return 0;
    return table[static_cast<std::size_t>(row)].mask;
}

QLineEdit* NewIndexEdit() { return EditAccepting(QStringLiteral("[0-9A-Fa-f]{0,4}"), 4); }

QLineEdit* NewCountEdit() { return EditAccepting(QStringLiteral("[0-9]{0,3}"), 3); }

QLineEdit* NewTextEdit() {
    auto* edit = new QLineEdit;
    edit->setMaxLength(255);
    return edit;
}

std::optional<unsigned> CheckNewIndex(QWidget* owner, const QString& text, const std::vector<uint16_t>& existing) {
    bool parsed = false;
    const unsigned index = text.trimmed().toUInt(&parsed, 16);
    if (!parsed || text.trimmed().isEmpty() || index < kFirstObjectIndex || index > kLastObjectIndex) {
        ErrorMessage(QStringLiteral("Invalid index !"), owner);
        return std::nullopt;
    }
    if (std::find(existing.begin(), existing.end(), index) != existing.end()) {
        ErrorMessage(QStringLiteral("The specified index already exists !\rPlease enter another index !"), owner);
        return std::nullopt;
    }
    return index;
}

bool CheckTypedValues(QWidget* owner, int dataType, const QString& low, const QString& high, const QString& defaultValue) {
    const ValueFault fault = CheckValueTexts(dataType, low, high, defaultValue);
    if (fault == ValueFault::None) return true;
    ErrorMessage(QStringLiteral("Invalid data in field %1 !").arg(FaultFieldName(fault)), owner);
    return false;
}

void LabelledControl::SetEnabled(bool enabled) const {
    label->setEnabled(enabled);
    control->setEnabled(enabled);
}

void LabelledControl::SetVisible(bool visible) const {
    label->setVisible(visible);
    control->setVisible(visible);
}

LabelledControl AddRow(QGridLayout& grid, const QString& caption, QWidget* control) {
    const int row = grid.rowCount();
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    grid.addWidget(label, row, 0);
    grid.addWidget(control, row, 1);
    return {label, control};
}

void PrepareDialog(QDialog& dialog, const QString& caption) {
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    dialog.setModal(true);
}

QHBoxLayout* NewOkCancelRow(QPushButton*& ok, QPushButton*& cancel) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok = new QPushButton(QStringLiteral("&OK"));
    cancel = new QPushButton(QStringLiteral("&Cancel"));
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

}  // namespace brenmoor
