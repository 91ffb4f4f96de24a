#include <QTest>

#include "DialogDriver.h"
#include "ObjectFixture.h"
#include "editor/ui/CopObjectForm.h"
#include "editor/ui/NewSubForm.h"

namespace brenmoor {
namespace {

class ObjectForm : public ObjectFixture {
protected:
    void SetUp() override { ASSERT_EQ(view.SetStore(&document), 0u); }
    void TearDown() override { view.SetStore(nullptr); }

    void Show(unsigned index) {
        view.SetKey(index);
        ASSERT_EQ(view.ReadFromStore(), 0u);
        ASSERT_EQ(view.ShowIn(&panel, &panel), 0u);
    }

    TCopObjectForm& form() { return view.Form(); }
    TCopVariableForm& mainForm() { return view.MainView().Form(); }
    TCopVariableForm& subForm() { return view.SubView().Form(); }

    QStringList Items() {
        QStringList items;
        for (int row = 0; row < form().lbxSubIndex->count(); ++row) items << form().lbxSubIndex->item(row)->text();
        return items;
    }

    void SelectItem(const QString& text) {
        const QList<QListWidgetItem*> found = form().lbxSubIndex->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        form().lbxSubIndex->setCurrentItem(found.first());
    }

    QString CurrentItem() { return form().lbxSubIndex->currentItem() ? form().lbxSubIndex->currentItem()->text() : QString(); }

    QWidget panel;
    CCopObjectView view;
};

TEST_F(ObjectForm, ASimpleObjectShowsEveryValueFieldAndNoSubsPage) {
    Add(0x2000, kMainEntry, MakeRecord({QStringLiteral("Speed"), kObjectVar, kAccessRw, kInteger16, "-10", "10", "0"}));
    Show(0x2000);
    EXPECT_FALSE(form().SubsPageShown());
    EXPECT_EQ(mainForm().Mask(), kAllValueFields);
    EXPECT_FALSE(mainForm().edtLowLimit->isHidden());
    EXPECT_FALSE(mainForm().edtDefaultValue->isHidden());
    EXPECT_TRUE(mainForm().edtParameterValue->isHidden());
    EXPECT_TRUE(mainForm().separator->isHidden());
    EXPECT_EQ(mainForm().cbxDataType->currentText(), "INTEGER16");
    EXPECT_EQ(view.CurrentNodeText(), QStringLiteral("2000 - Speed"));
    EXPECT_EQ(view.IsUnchanged(), 1u);
}

TEST_F(ObjectForm, AnObjectWithSubIndexesListsThemAndHidesItsPresenceMap) {
    AddArray(0x2100, {0, 1, 3}, QStringLiteral("3"));
    Show(0x2100);
    EXPECT_TRUE(form().SubsPageShown());
    EXPECT_EQ(Items(), (QStringList{"00", "01", "03"}));
    EXPECT_EQ(mainForm().Mask(), kNameAndTypeFields);
    EXPECT_TRUE(mainForm().edtDefaultValue->isHidden());
    EXPECT_FALSE(mainForm().grpSpecFlag->isHidden());
    EXPECT_EQ(view.ShownSubIndex(), 0);
    EXPECT_FALSE(form().btnDelSub->isEnabled());
    EXPECT_EQ(subForm().edtParameterName->text(), "number of elements");
    EXPECT_EQ(view.IsUnchanged(), 1u);
    EXPECT_EQ(view.SelectSubIndex(255), kInvalidSubIndex);
}

TEST_F(ObjectForm, AnEditedSubIndexIsStoredWhenTheSelectionLeavesIt) {
    AddArray(0x2100, {0, 1, 3}, QStringLiteral("3"));
    Show(0x2100);
    SelectItem(QStringLiteral("01"));
    EXPECT_TRUE(form().btnDelSub->isEnabled());
    subForm().edtParameterName->setText(QStringLiteral("Renamed"));
    SelectItem(QStringLiteral("03"));
    EXPECT_EQ(Name(Get(0x2100, 1)), "Renamed");
    EXPECT_EQ(view.ShownSubIndex(), 3);
    EXPECT_EQ(subForm().edtParameterName->text(), "Element 3");
}

TEST_F(ObjectForm, ABadValueKeepsTheSelectionAndTheDocumentAsTheyWere) {
    AddArray(0x2100, {0, 1, 3}, QStringLiteral("3"));
    Show(0x2100);
    SelectItem(QStringLiteral("01"));
    subForm().edtDefaultValue->setText(QStringLiteral("1.5"));
    DialogDriver driver;
    SelectItem(QStringLiteral("03"));
    EXPECT_EQ(driver.Messages(), std::vector<QString>{"Error in data"});
    EXPECT_EQ(CurrentItem(), "01");
    EXPECT_EQ(view.ShownSubIndex(), 1);
    EXPECT_EQ(Default(Get(0x2100, 1)), "1");
    EXPECT_NE(view.Validate(), 0u);
    subForm().edtDefaultValue->setText(QStringLiteral("150"));
    EXPECT_EQ(view.Validate(), 0u);
}

TEST_F(ObjectForm, ValidateChecksOnlyWhatTheUserChanged) {
    // Imported values that the checks would refuse never block browsing.
    Add(0x2000, kMainEntry, MakeRecord({QStringLiteral("Odd"), kObjectVar, kAccessRw, kInteger8, {}, {}, "300"}));
    Show(0x2000);
    EXPECT_EQ(view.Validate(), 0u);
    mainForm().edtParameterName->setText(QStringLiteral("Still odd"));
    EXPECT_NE(view.Validate(), 0u);
    mainForm().edtDefaultValue->setText(QStringLiteral("$nodeid+0x10"));
    EXPECT_EQ(view.Validate(), 0u);
    ASSERT_EQ(view.WriteToStore(), 0u);
    EXPECT_EQ(Default(Get(0x2000, kMainEntry)), "$nodeid+0x10");
}

TEST_F(ObjectForm, AnObjectTypeThatContradictsTheStructureIsRefused) {
    AddArray(0x2100, {0, 1}, QStringLiteral("1"));
    Show(0x2100);
    mainForm().cbxObjectType->setCurrentText(QStringLiteral("VAR"));
    EXPECT_NE(view.Validate(), 0u);
    mainForm().cbxObjectType->setCurrentText(QStringLiteral("RECORD"));
    EXPECT_EQ(view.Validate(), 0u);
}

TEST_F(ObjectForm, AddingProposesTheFirstGapWithTheTemplateBelowIt) {
    AddArray(0x2100, {0, 1, 3}, QStringLiteral("3"));
    EdsObjectRecord first = MakeRecord({QStringLiteral("First"), kObjectVar, kAccessWo, kInteger16, "-5", "5", "2"});
    first.ObjFlags = 2;
    ASSERT_EQ(document.SetRecord(kKindObject, ObjectKey(0x2100, 1), &first), 0u);
    Show(0x2100);
    SelectItem(QStringLiteral("03"));

    QStringList offered;
    DialogDriver driver;
    driver.Then([&](QDialog& dialog) {
        auto& sub = dynamic_cast<TNewSubForm&>(dialog);
        for (int row = 0; row < sub.cbxSubList->count(); ++row) offered << sub.cbxSubList->itemText(row);
        EXPECT_EQ(sub.edtParameterName->text(), "<empty>");
        EXPECT_EQ(sub.cbxDataType->currentText(), "INTEGER16");
        EXPECT_EQ(sub.cbxAccessType->currentText(), "wo");
        EXPECT_EQ(sub.edtLowLimit->text(), "-5");
        EXPECT_TRUE(sub.chkRefReadFlag->isChecked());
        sub.edtParameterName->setText(QStringLiteral("Added"));
        sub.accept();
    });
    form().btnAddSub->click();
    ASSERT_FALSE(offered.isEmpty());
    EXPECT_EQ(offered.first(), "02");
    EXPECT_FALSE(offered.contains("00"));
    EXPECT_FALSE(offered.contains("FF"));

    EXPECT_EQ(Name(Get(0x2100, 2)), "Added");
    EXPECT_EQ(+Get(0x2100, 2).DataType, kInteger16);
    EXPECT_EQ(Items(), (QStringList{"00", "01", "02", "03"}));
    EXPECT_EQ(CurrentItem(), "02");
    EXPECT_EQ(view.ShownSubIndex(), 2);
    EXPECT_EQ(mainForm().SubCount(), 4);
    EXPECT_EQ(mainForm().edtDefaultValue->text().left(5), "11110");
    EXPECT_EQ(view.IsUnchanged(), 0u);

    // Edits go to the sub-index that is loaded, not to the list position
    // it had before the list grew.
    subForm().edtParameterName->setText(QStringLiteral("Second"));
    SelectItem(QStringLiteral("03"));
    EXPECT_EQ(Name(Get(0x2100, 2)), "Second");
    EXPECT_EQ(Name(Get(0x2100, 3)), "Element 3");
    // The highest sub-index stayed 3, so sub-index 0 keeps its value.
    EXPECT_EQ(Default(Get(0x2100, 0)), "3");
}

TEST_F(ObjectForm, WithoutSubIndexZeroTheTemplateIsAPlainUnsigned8AndZeroIsOffered) {
    AddArray(0x2100, {1, 2}, {});
    Show(0x2100);
    QStringList offered;
    DialogDriver driver;
    driver.Then([&](QDialog& dialog) {
        auto& sub = dynamic_cast<TNewSubForm&>(dialog);
        offered << sub.cbxSubList->itemText(0);
        EXPECT_EQ(sub.cbxDataType->currentText(), "UNSIGNED8");
        EXPECT_EQ(sub.cbxAccessType->currentText(), "ro");
        EXPECT_EQ(sub.edtLowLimit->text(), "");
        sub.reject();
    });
    form().btnAddSub->click();
    EXPECT_EQ(offered, QStringList{"00"});
    EXPECT_EQ(Items(), (QStringList{"01", "02"}));
}

TEST_F(ObjectForm, SubIndexZeroFollowsTheHighestSubIndexInItsNotation) {
    AddArray(0x2100, {0, 1, 2}, QStringLiteral("0x02"));
    Show(0x2100);
    DialogDriver driver;
    driver.Then([](QDialog& dialog) { dialog.accept(); });
    form().btnAddSub->click();
    EXPECT_EQ(Items(), (QStringList{"00", "01", "02", "03"}));
    EXPECT_EQ(Default(Get(0x2100, 0)), "0x03");
}

TEST_F(ObjectForm, MappingObjectsKeepTheirCount) {
    AddArray(0x1600, {0, 1, 2}, QStringLiteral("1"));
    Show(0x1600);
    SelectItem(QStringLiteral("02"));
    DialogDriver driver(QMessageBox::Yes);
    form().btnDelSub->click();
    EXPECT_EQ(Default(Get(0x1600, 0)), "1");
}

TEST_F(ObjectForm, DeletingTheLastItemSelectsTheNewLast) {
    AddArray(0x2100, {0, 1, 2}, QStringLiteral("2"));
    Show(0x2100);
    SelectItem(QStringLiteral("02"));
    subForm().edtParameterName->setText(QStringLiteral("Dropped with it"));
    DialogDriver driver(QMessageBox::Yes);
    form().btnDelSub->click();
    EXPECT_EQ(driver.Messages(), std::vector<QString>{"Do you really want to delete sub index 02 (hex) ?"});
    EXPECT_FALSE(Exists(0x2100, 2));
    EXPECT_EQ(Items(), (QStringList{"00", "01"}));
    EXPECT_EQ(CurrentItem(), "01");
    EXPECT_EQ(view.ShownSubIndex(), 1);
    EXPECT_EQ(mainForm().SubCount(), 2);
    EXPECT_EQ(Default(Get(0x2100, 0)), "1");
    ASSERT_EQ(view.WriteToStore(), 0u);
    EXPECT_EQ(Get(0x2100, kMainEntry).SubNumber, 2);
}

TEST_F(ObjectForm, NoAnswerButYesDeletes) {
    AddArray(0x2100, {0, 1}, QStringLiteral("1"));
    Show(0x2100);
    SelectItem(QStringLiteral("01"));
    DialogDriver driver(QMessageBox::No);
    form().btnDelSub->click();
    EXPECT_TRUE(Exists(0x2100, 1));
    EXPECT_EQ(Items(), (QStringList{"00", "01"}));
}

TEST_F(ObjectForm, CodesOutsideTheTablesAndReservedFlagsSurviveAnEdit) {
    AddArray(0x2100, {0, 1}, QStringLiteral("1"));
    EdsObjectRecord odd = Get(0x2100, 1);
    odd.DataType = 0x40;
    odd.ObjFlags = 0x102;
    ASSERT_EQ(document.SetRecord(kKindObject, ObjectKey(0x2100, 1), &odd), 0u);
    Show(0x2100);
    SelectItem(QStringLiteral("01"));
    EXPECT_EQ(subForm().cbxDataType->currentText(), "0x0040");
    EXPECT_EQ(view.IsUnchanged(), 1u);
    subForm().edtParameterName->setText(QStringLiteral("Kept"));
    ASSERT_EQ(view.WriteToStore(), 0u);
    const EdsObjectRecord stored = Get(0x2100, 1);
    EXPECT_EQ(+stored.DataType, 0x40);
    EXPECT_EQ(+stored.ObjFlags, 0x102u);
    EXPECT_EQ(Name(stored), "Kept");
}

TEST_F(ObjectForm, TheCategoryButtonsEditTheMainEntry) {
    EdsObjectRecord record = MakeRecord({QStringLiteral("Speed"), kObjectVar, kAccessRw, kUnsigned8});
    record.Category = 2;
    Add(0x2000, kMainEntry, record);
    Show(0x2000);
    EXPECT_TRUE(form().btnOptional->isChecked());
    EXPECT_EQ(view.IsUnchanged(), 1u);
    form().btnManufacturer->click();
    EXPECT_EQ(view.IsUnchanged(), 0u);
    ASSERT_EQ(view.Validate(), 0u);
    ASSERT_EQ(view.WriteToStore(), 0u);
    EXPECT_EQ(view.IsUnchanged(), 1u);
    EXPECT_EQ(Get(0x2000, kMainEntry).Category, 3);
}

TEST_F(ObjectForm, ResetEmptiesBothRecordsAndSubIndexRequestsStayInRange) {
    AddArray(0x2100, {0, 1}, QStringLiteral("1"));
    Show(0x2100);
    ASSERT_EQ(view.Reset(), 0u);
    EXPECT_EQ(view.IsUnchanged(), 0u);
    EXPECT_EQ(mainForm().edtParameterName->text(), "");
    EXPECT_EQ(subForm().cbxDataType->currentText(), "<empty>");
    EXPECT_EQ(mainForm().SubCount(), 0);

    EdsObjectRecord record{};
    EXPECT_EQ(view.ReadSub(-1, record), 0u);
    EXPECT_EQ(Name(record), "Array");
    EXPECT_EQ(view.ReadSub(255, record), kInvalidSubIndex);
    EXPECT_EQ(view.RemoveSub(-2), kInvalidSubIndex);
    EXPECT_EQ(view.AddSub(300, record), kInvalidSubIndex);
    EXPECT_TRUE(Exists(0x2100, 1));
}

TEST_F(ObjectForm, AMissingMainEntryShowsAnEmptyRecord) {
    Show(0x2222);
    EXPECT_EQ(mainForm().edtParameterName->text(), "");
    EXPECT_EQ(mainForm().cbxObjectType->currentText(), "<empty>");
    EXPECT_FALSE(form().SubsPageShown());
}

}  // namespace
}  // namespace brenmoor
