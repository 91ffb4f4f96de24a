#include "editor/ui/CodeLists.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace brenmoor {
namespace {

// Rows 0 to lastRow that the table has.
CodeTable RowsUpTo(CodeTable table, int lastRow) {
    const auto count = static_cast<std::size_t>(std::clamp(lastRow + 1, 0, static_cast<int>(table.size())));
    return table.first(count);
}

QString TextOf(const CodeRow& row) { return QString::fromLatin1(row.text.data(), static_cast<qsizetype>(row.text.size())); }

// Repaints the widget once, after the bracket, and keeps its signals quiet.
class UpdateBracket {
public:
    explicit UpdateBracket(QWidget& widget) : widget_(widget), blocker_(&widget), wasEnabled_(widget.updatesEnabled()) {
        widget_.setUpdatesEnabled(false);
    }
    ~UpdateBracket() { widget_.setUpdatesEnabled(wasEnabled_); }

private:
    QWidget& widget_;
    QSignalBlocker blocker_;
    bool wasEnabled_;
};

}  // namespace

void FillList(QComboBox& target, CodeTable table, int lastRow) {
    UpdateBracket bracket(target);
    target.clear();
    for (const CodeRow& row : RowsUpTo(table, lastRow)) target.addItem(TextOf(row));
}

void FillList(QListWidget& target, CodeTable table, int lastRow) {
    UpdateBracket bracket(target);
    target.clear();
    for (const CodeRow& row : RowsUpTo(table, lastRow)) target.addItem(TextOf(row));
}

void SelectCode(QComboBox& combo, CodeTable table, int code) {
    const int row = FindCode(table, combo.count() - 1, code);
    combo.setCurrentIndex(row >= 0 ? row : 0);
}

int SelectedCode(const QComboBox& combo, CodeTable table) {
    const int row = combo.currentIndex();
    if (table.empty()) return 0;
    const bool listed = row >= 0 && row < static_cast<int>(table.size());
    return table[listed ? static_cast<std::size_t>(row) : 0].code;
}

}  // namespace brenmoor
