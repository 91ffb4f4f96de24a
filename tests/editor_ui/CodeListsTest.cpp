#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QSignalSpy>

#include "editor/ui/CodeLists.h"

namespace brenmoor {
namespace {

QStringList Texts(const QComboBox& combo) {
    QStringList texts;
    for (int row = 0; row < combo.count(); ++row) texts << combo.itemText(row);
    return texts;
}

TEST(FillList, ReplacesTheItemsWithTheRowsUpToTheLastQuietly) {
    QComboBox combo;
    combo.addItems({"old", "items"});
    QSignalSpy changes(&combo, &QComboBox::currentIndexChanged);
    FillList(combo, kAccessTypeTable, 3);
    EXPECT_EQ(Texts(combo), (QStringList{"<empty>", "ro", "wo", "rw"}));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_TRUE(combo.updatesEnabled());

    FillList(combo, kDynDirectionTable, 99);
    EXPECT_EQ(Texts(combo), (QStringList{"<empty>", "ro", "wo", "rww"}));
    FillList(combo, kDynDirectionTable, -1);
    EXPECT_EQ(combo.count(), 0);

    QListWidget list;
    list.addItem("old");
    FillList(list, kObjectTypeTable, 5);
    ASSERT_EQ(list.count(), 6);
    EXPECT_EQ(list.item(0)->text(), "<empty>");
    EXPECT_EQ(list.item(5)->text(), "NULL");
}

TEST(SelectCode, SelectsTheRowOfTheCodeOrTheFirstRowWhenTheCodeIsAbsent) {
    QComboBox combo;
    FillList(combo, kAccessTypeTable, 6);
    SelectCode(combo, kAccessTypeTable, kAccessConst);
    EXPECT_EQ(combo.currentIndex(), 6);
    EXPECT_EQ(SelectedCode(combo, kAccessTypeTable), kAccessConst);

    SelectCode(combo, kAccessTypeTable, 77);
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(SelectedCode(combo, kAccessTypeTable), kAccessNone);

    // A combo filled with fewer rows than the table does not select beyond them.
    FillList(combo, kDataTypeTable, 3);
    SelectCode(combo, kDataTypeTable, kDomain);
    EXPECT_EQ(combo.currentIndex(), 0);
    SelectCode(combo, kDataTypeTable, kInteger16);
    EXPECT_EQ(SelectedCode(combo, kDataTypeTable), kInteger16);

    QComboBox empty;
    EXPECT_EQ(SelectedCode(empty, kObjectTypeTable), kObjectNone);
}

}  // namespace
}  // namespace brenmoor
