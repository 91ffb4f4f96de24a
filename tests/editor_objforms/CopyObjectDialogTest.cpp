#include <algorithm>
#include <cstddef>

#include "DialogDriver.h"
#include "ObjectFixture.h"
#include "editor/ui/CpyMainForm.h"

namespace brenmoor {
namespace {

class CopyObjectDialog : public ObjectFixture {
protected:
    // An ARRAY whose elements carry every kind of field.
    void AddRichArray(unsigned index) {
        EdsObjectRecord main = MakeRecord({QStringLiteral("Gains"), kObjectArray, 0, 0});
        main.Category = 3;
        Add(index, kMainEntry, main);
        Add(index, 0, MakeRecord({QStringLiteral("number of elements"), kObjectVar, kAccessRo, kUnsigned8, {}, {}, "2"}));
        for (unsigned sub = 1; sub <= 2; ++sub) {
            EdsObjectRecord element =
                MakeRecord({QStringLiteral("Gain %1").arg(sub), kObjectVar, kAccessRww, kInteger16, "-100", "100", "7"});
            element.PDOMapping = 1;
            element.ObjFlags = 3;
            StoreFormText(element.ParameterValue, QStringLiteral("12"));
            StoreFormText(element.Denotation, QStringLiteral("gain %1").arg(sub));
            Add(index, sub, element);
        }
    }
};

TEST_F(CopyObjectDialog, ShowsTheSourceWithOnlyIndexNameAndCategoryEditable) {
    AddRichArray(0x2100);
    TCpyMainForm dialog(nullptr, document, 0x2100);
    ASSERT_TRUE(dialog.Prepare());
    EXPECT_EQ(dialog.windowTitle(), "Copy Object");
    EXPECT_EQ(dialog.edtObjIndex->text(), "2100");
    EXPECT_EQ(dialog.edtParameterName->text(), "Gains");
    EXPECT_TRUE(dialog.btnManufacturer->isChecked());
    EXPECT_EQ(dialog.cbxObjectType->currentText(), "ARRAY");
    EXPECT_EQ(dialog.edtSubCount->value(), 3);
    EXPECT_FALSE(dialog.edtSubCount->isHidden());
    EXPECT_EQ(dialog.edtDefaultValue->text(), "");
    EXPECT_FALSE(dialog.cbxObjectType->isEnabled());
    EXPECT_FALSE(dialog.edtSubCount->isEnabled());
    EXPECT_FALSE(dialog.grpElementDef->isEnabled());
    EXPECT_TRUE(dialog.edtParameterName->isEnabled());
    EXPECT_EQ(dialog.edtSubParamName, nullptr);
}

TEST_F(CopyObjectDialog, TheProposedIndexAlreadyExists) {
    AddRichArray(0x2100);
    TCpyMainForm dialog(nullptr, document, 0x2100);
    ASSERT_TRUE(dialog.Prepare());
    DialogDriver driver;
    dialog.btnOk->click();
    EXPECT_EQ(driver.Messages(), std::vector<QString>{"The specified index already exists !\nPlease enter another index !"});
    EXPECT_FALSE(dialog.NewIndex());
}

TEST_F(CopyObjectDialog, ACopiedArrayKeepsEverySubIndexAsStored) {
    AddRichArray(0x2100);
    TCpyMainForm dialog(nullptr, document, 0x2100);
    ASSERT_TRUE(dialog.Prepare());
    dialog.edtObjIndex->setText(QStringLiteral("2200"));
    dialog.edtParameterName->setText(QStringLiteral("Copied gains"));
    dialog.btnMandatory->setChecked(true);
    DialogDriver driver;
    dialog.btnOk->click();
    EXPECT_TRUE(driver.Messages().empty());
    ASSERT_EQ(dialog.NewIndex(), 0x2200u);

    const EdsObjectRecord main = Get(0x2200, kMainEntry);
    EXPECT_EQ(Name(main), "Copied gains");
    EXPECT_EQ(main.Category, 1);
    EXPECT_EQ(main.ObjectType, kObjectArray);
    EXPECT_EQ(main.SubNumber, 3);
    for (unsigned sub = 0; sub <= 2; ++sub) {
        const EdsObjectRecord source = Get(0x2100, sub);
        EdsObjectRecord copy = Get(0x2200, sub);
        ASSERT_EQ(lastCode, 0u) << sub;
        // The document reads every entry's category from its object's list.
        EXPECT_EQ(copy.Category, 1);
        copy.Category = source.Category;
        const auto* a = reinterpret_cast<const unsigned char*>(&source);
        const auto* b = reinterpret_cast<const unsigned char*>(&copy);
        const auto differs = std::mismatch(a, a + sizeof source, b).first - a;
        EXPECT_EQ(differs, static_cast<std::ptrdiff_t>(sizeof source)) << "sub-index " << sub;
    }
    EXPECT_EQ(FormText(Get(0x2200, 2).Denotation), "gain 2");
    EXPECT_FALSE(Exists(0x2200, 3));
}

TEST_F(CopyObjectDialog, ASimpleObjectIsCopiedWithItsValues) {
    Add(0x2000, kMainEntry, MakeRecord({QStringLiteral("Speed"), kObjectVar, kAccessRw, kInteger16, "-10", "10", "3"}));
    TCpyMainForm dialog(nullptr, document, 0x2000);
    ASSERT_TRUE(dialog.Prepare());
    EXPECT_TRUE(dialog.edtSubCount->isHidden());
    EXPECT_EQ(dialog.edtDefaultValue->text(), "3");
    dialog.edtObjIndex->setText(QStringLiteral("2001"));
    dialog.accept();
    const EdsObjectRecord copy = Get(0x2001, kMainEntry);
    EXPECT_EQ(Default(copy), "3");
    EXPECT_EQ(FormText(copy.LowLimit), "-10");
    EXPECT_EQ(+copy.DataType, kInteger16);
}

TEST_F(CopyObjectDialog, AMissingSourceIsNotShown) {
    TCpyMainForm dialog(nullptr, document, 0x2345);
    EXPECT_FALSE(dialog.Prepare());
    EXPECT_EQ(dialog.Run(), -1);
}

}  // namespace
}  // namespace brenmoor
