#include <gtest/gtest.h>

#include "editor/document/CodeTables.h"

namespace brenmoor {
namespace {

TEST(FindCode, AnswersThePositionOfTheFirstRowWithTheCodeUpToTheLastRow) {
    struct Case {
        CodeTable table;
        int lastRow;
        int code;
        int position;
    };
    const Case cases[] = {
        {kAccessTypeTable, 6, kAccessConst, 6},
        {kAccessTypeTable, 5, kAccessConst, -1},  // beyond the last row
        {kAccessTypeTable, 6, kAccessNone, 0},
        {kAccessTypeTable, 99, kAccessRww, 5},  // last row past the table's end
        {kAccessTypeTable, -1, kAccessNone, -1},
        {kAccessTypeTable, 6, 7, -1},
        {kObjectTypeTable, 5, kObjectNull, 5},
        {kObjectTypeTable, 5, kObjectRecord, 3},
        {kDataTypeTable, 26, kDomain, 26},
        {kDataTypeTable, 26, kInteger24, 4},
        {kDataTypeTable, 26, 23, -1},  // no CANopen type 23
        {kDynDataTypeTable, 22, kReal32, 18},
        {kDynDataTypeTable, 22, kUnicodeString, 22},
        {kDynDirectionTable, 3, kAccessRww, 3},
        {kDynDirectionTable, 3, kAccessRw, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindCode(c.table, c.lastRow, c.code), c.position)
            << "table of " << c.table.size() << " rows, last row " << c.lastRow << ", code " << c.code;
    }
}

// A form stores the code of the selected row and selects by code again; two
// rows with one code would make the second unreachable.
TEST(CodeTables, EveryRowIsFoundAgainByItsCode) {
    for (const CodeTable table : {CodeTable(kAccessTypeTable), CodeTable(kObjectTypeTable), CodeTable(kDataTypeTable),
                                  CodeTable(kDynDataTypeTable), CodeTable(kDynDirectionTable)}) {
        const int lastRow = static_cast<int>(table.size()) - 1;
        for (int row = 0; row <= lastRow; ++row) {
            EXPECT_EQ(FindCode(table, lastRow, table[static_cast<std::size_t>(row)].code), row)
                << table[static_cast<std::size_t>(row)].text;
        }
    }
}

}  // namespace
}  // namespace brenmoor
