#include <QTest>

#include "DialogDriver.h"
#include "ObjectFixture.h"
#include "editor/ui/CodeLists.h"
#include "editor/ui/NewMainForm.h"

namespace brenmoor {
namespace {

class NewObjectDialog : public ObjectFixture {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Prepare()); }

    void Choose(int objectType, int dataType = kUnsigned8) {
        SelectCode(*dialog.cbxObjectType, kNewObjectTypes, objectType);
        SelectCode(*dialog.cbxDataType, kDialogDataTypes, dataType);
    }

    // Presses OK, answering every message box; the messages shown.
    std::vector<QString> PressOk() {
        DialogDriver driver;
        dialog.btnOk->click();
        return driver.Messages();
    }

    TNewMainForm dialog{nullptr, document};
};

TEST_F(NewObjectDialog, StartsWithTheDefaultsOfANewVariable) {
    EXPECT_TRUE(dialog.edtObjIndex->text().isEmpty());
    EXPECT_EQ(dialog.edtParameterName->text(), "<empty>");
    EXPECT_EQ(dialog.cbxObjectType->currentText(), "VAR");
    EXPECT_EQ(dialog.cbxAccessType->currentText(), "rw");
    EXPECT_EQ(dialog.cbxDataType->currentText(), "UNSIGNED8");
    EXPECT_TRUE(dialog.btnOptional->isChecked());
    EXPECT_EQ(dialog.edtSubParamName->text(), "element");
    EXPECT_TRUE(dialog.edtSubCount->isHidden());
    EXPECT_TRUE(dialog.edtSubParamName->isHidden());
    EXPECT_EQ(dialog.windowTitle(), "New main index");
}

TEST_F(NewObjectDialog, AnArrayGetsNamedElementsAndItsCount) {
    dialog.edtObjIndex->setText(QStringLiteral("2000"));
    dialog.edtParameterName->setText(QStringLiteral("Gains"));
    Choose(kObjectArray, kUnsigned16);
    dialog.edtSubCount->setValue(3);
    dialog.edtSubParamName->setText(QStringLiteral("Gain"));
    dialog.edtLowLimit->setText(QStringLiteral("1"));
    dialog.edtHighLimit->setText(QStringLiteral("100"));
    dialog.edtDefaultValue->setText(QStringLiteral("10"));
    EXPECT_FALSE(dialog.edtSubCount->isHidden());
    EXPECT_TRUE(PressOk().empty());

    ASSERT_EQ(dialog.NewIndex(), 0x2000u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const EdsObjectRecord main = Get(0x2000, kMainEntry);
    EXPECT_EQ(Name(main), "Gains");
    EXPECT_EQ(main.ObjectType, kObjectArray);
    EXPECT_EQ(main.Category, 2);
    for (unsigned sub = 1; sub <= 3; ++sub) {
        const EdsObjectRecord element = Get(0x2000, sub);
        EXPECT_EQ(Name(element), QStringLiteral("Gain %1").arg(sub));
        EXPECT_EQ(+element.DataType, kUnsigned16);
        EXPECT_EQ(element.AccessType, kAccessRw);
        EXPECT_EQ(FormText(element.LowLimit), "1");
        EXPECT_EQ(Default(element), "10");
    }
    const EdsObjectRecord count = Get(0x2000, 0);
    EXPECT_EQ(Name(count), "number of elements");
    EXPECT_EQ(count.AccessType, kAccessRo);
    EXPECT_EQ(+count.DataType, kUnsigned8);
    EXPECT_EQ(Default(count), "3");
    // Sub-index 0 counts; it does not take the elements' limits.
    EXPECT_EQ(FormText(count.LowLimit), "");
    EXPECT_EQ(FormText(count.HighLimit), "");
    EXPECT_FALSE(Exists(0x2000, 4));
}

TEST_F(NewObjectDialog, AnArrayWithoutElementsGetsOnlyItsCount) {
    dialog.edtObjIndex->setText(QStringLiteral("2001"));
    Choose(kObjectArray);
    EXPECT_TRUE(PressOk().empty());
    EXPECT_EQ(Default(Get(0x2001, 0)), "0");
    EXPECT_EQ(lastCode, 0u);
    EXPECT_FALSE(Exists(0x2001, 1));
}

TEST_F(NewObjectDialog, DomainAndNullObjectsGetTheirOwnDataTypes) {
    dialog.edtObjIndex->setText(QStringLiteral("2002"));
    Choose(kObjectDomain, kInteger32);
    dialog.edtDefaultValue->setText(QStringLiteral("7"));
    EXPECT_TRUE(PressOk().empty());
    const EdsObjectRecord domain = Get(0x2002, kMainEntry);
    EXPECT_EQ(+domain.DataType, kDomain);
    EXPECT_EQ(Default(domain), "");

    TNewMainForm second(nullptr, document);
    ASSERT_TRUE(second.Prepare());
    second.edtObjIndex->setText(QStringLiteral("2003"));
    SelectCode(*second.cbxObjectType, kNewObjectTypes, kObjectNull);
    second.accept();
    EXPECT_EQ(+Get(0x2003, kMainEntry).DataType, kTypeNone);
}

TEST_F(NewObjectDialog, EnablingFollowsObjectTypeAndDataType) {
    Choose(kObjectVar, kVisibleString);
    EXPECT_FALSE(dialog.edtLowLimit->isEnabled());
    EXPECT_FALSE(dialog.edtHighLimit->isEnabled());
    EXPECT_TRUE(dialog.edtDefaultValue->isEnabled());
    EXPECT_TRUE(dialog.chkPDOMapping->isEnabled());

    Choose(kObjectDomain, kUnsigned8);
    EXPECT_FALSE(dialog.cbxDataType->isEnabled());
    EXPECT_FALSE(dialog.edtLowLimit->isEnabled());
    EXPECT_FALSE(dialog.edtDefaultValue->isEnabled());
    EXPECT_FALSE(dialog.chkPDOMapping->isEnabled());
    EXPECT_TRUE(dialog.cbxAccessType->isEnabled());
    EXPECT_TRUE(dialog.edtSubCount->isHidden());

    Choose(kObjectRecord, kUnsigned8);
    EXPECT_FALSE(dialog.edtSubCount->isHidden());
    EXPECT_FALSE(dialog.edtSubParamName->isHidden());
}

TEST_F(NewObjectDialog, DisabledFieldsAreWrittenEmpty) {
    dialog.edtObjIndex->setText(QStringLiteral("2004"));
    dialog.edtLowLimit->setText(QStringLiteral("1"));
    dialog.edtDefaultValue->setText(QStringLiteral("abc"));
    Choose(kObjectVar, kVisibleString);
    EXPECT_TRUE(PressOk().empty());
    const EdsObjectRecord record = Get(0x2004, kMainEntry);
    EXPECT_EQ(FormText(record.LowLimit), "");
    EXPECT_EQ(Default(record), "abc");
}

TEST_F(NewObjectDialog, IndexTextsAreCheckedAsHexadecimal) {
    QTest::keyClicks(dialog.edtObjIndex, QStringLiteral("x1g0z0A0B"));
    EXPECT_EQ(dialog.edtObjIndex->text(), "100A");

    dialog.edtObjIndex->setText(QStringLiteral("fff"));
    EXPECT_EQ(PressOk(), std::vector<QString>{"Invalid index !"});
    EXPECT_FALSE(dialog.NewIndex());

    dialog.edtObjIndex->setText(QStringLiteral("ffff"));
    EXPECT_TRUE(PressOk().empty());
    EXPECT_EQ(dialog.NewIndex(), 0xFFFFu);
    EXPECT_TRUE(Exists(0xFFFF, kMainEntry));
}

TEST_F(NewObjectDialog, TheLowestIndexIsAcceptedAndAnExistingOneRefused) {
    Add(0x1001, kMainEntry, MakeRecord({QStringLiteral("Error register"), kObjectVar, kAccessRo, kUnsigned8}));
    TNewMainForm fresh(nullptr, document);
    ASSERT_TRUE(fresh.Prepare());
    fresh.edtObjIndex->setText(QStringLiteral("1001"));
    {
        DialogDriver driver;
        fresh.btnOk->click();
        EXPECT_EQ(driver.Messages(),
                  std::vector<QString>{"The specified index already exists !\nPlease enter another index !"});
    }
    fresh.edtObjIndex->setText(QStringLiteral("1000"));
    fresh.accept();
    EXPECT_EQ(fresh.NewIndex(), 0x1000u);
}

TEST_F(NewObjectDialog, TypedValuesAreCheckedBeforeAnythingIsAdded) {
    dialog.edtObjIndex->setText(QStringLiteral("2005"));
    Choose(kObjectVar, kInteger8);
    dialog.edtDefaultValue->setText(QStringLiteral("1.5"));
    EXPECT_EQ(PressOk(), std::vector<QString>{"Invalid data in field Default Value !"});
    dialog.edtDefaultValue->setText(QStringLiteral("5"));
    dialog.edtLowLimit->setText(QStringLiteral("10"));
    EXPECT_EQ(PressOk(), std::vector<QString>{"Invalid data in field Default Value !"});
    dialog.edtHighLimit->setText(QStringLiteral("-1 2"));
    EXPECT_EQ(PressOk(), std::vector<QString>{"Invalid data in field High Limit !"});
    EXPECT_FALSE(Exists(0x2005, kMainEntry));

    dialog.edtLowLimit->setText(QStringLiteral("$NODEID+1"));
    dialog.edtHighLimit->setText(QString());
    EXPECT_TRUE(PressOk().empty());
    EXPECT_TRUE(Exists(0x2005, kMainEntry));
}

}  // namespace
}  // namespace brenmoor
