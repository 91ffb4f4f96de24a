// Combo boxes and list boxes that show a selection list of the CANopen
// tables: the rows' texts in table order, read and set by the rows' codes.
#pragma once

#include "editor/document/CodeTables.h"

class QComboBox;
class QListWidget;

namespace brenmoor {

// Clears the target and adds the texts of rows 0 to lastRow (cut to the
// table), in one update bracket and without change notifications: filling
// a list is not an edit.
void FillList(QComboBox& target, CodeTable table, int lastRow);
void FillList(QListWidget& target, CodeTable table, int lastRow);

// Selects the row with the code, or the first row when no row has it.
void SelectCode(QComboBox& combo, CodeTable table, int code);
// The code of the selected row; the first row's code when none is selected.
int SelectedCode(const QComboBox& combo, CodeTable table);

}  // namespace brenmoor
