#include "editor/ui/CodeCombo.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "editor/ui/CodeLists.h"

namespace brenmoor {

void FillCodeCombo(QComboBox& combo, CodeTable table) {
    FillList(combo, table, static_cast<int>(table.size()) - 1);
    const QSignalBlocker quiet(&combo);
    for (int row = 0; row < combo.count(); ++row) combo.setItemData(row, table[static_cast<std::size_t>(row)].code);
}

void ShowCode(QComboBox& combo, CodeTable table, int code) {
    const int listed = static_cast<int>(table.size());
    {
        const QSignalBlocker quiet(&combo);
        while (combo.count() > listed) combo.removeItem(combo.count() - 1);
    }
    int row = FindCode(table, listed - 1, code);
    if (row < 0) {
        const QString hex = QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0'));
        combo.addItem(QStringLiteral("0x") + hex, code);
        row = combo.count() - 1;
    }
    combo.setCurrentIndex(row);
}

int ShownCode(const QComboBox& combo) {
    const QVariant code = combo.currentData();
    return code.isValid() ? code.toInt() : 0;
}

}  // namespace brenmoor
