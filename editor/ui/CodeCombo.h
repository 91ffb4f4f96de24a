// Combo boxes over a code table that keep a code they do not list: a record
// read from a file may hold a data type outside the table; the combo then
// shows that code as an extra row and gives it back unchanged until the
// user picks another row.
#pragma once

#include "editor/document/CodeTables.h"

class QComboBox;

namespace brenmoor {

// The table's rows, each carrying its code; without change notifications.
void FillCodeCombo(QComboBox& combo, CodeTable table);
// Selects the row of the code; a code the table lacks is added as an extra
// row ("0x" and four hex digits). An earlier extra row goes.
void ShowCode(QComboBox& combo, CodeTable table, int code);
// The code of the selected row; 0 when nothing is selected.
int ShownCode(const QComboBox& combo);

}  // namespace brenmoor
