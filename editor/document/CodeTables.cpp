#include "editor/document/CodeTables.h"

namespace brenmoor {

int FindCode(CodeTable table, int lastRow, int code) {
    const int rows = static_cast<int>(table.size());
    const int end = lastRow < rows ? lastRow + 1 : rows;
    for (int row = 0; row < end; ++row) {
        if (table[static_cast<std::size_t>(row)].code == code) return row;
    }
    return -1;
}

}  // namespace brenmoor
