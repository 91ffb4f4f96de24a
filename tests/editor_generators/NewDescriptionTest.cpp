// The new description dialog: the mandatory objects, the ticked optional
// ones with their sub-indexes, and an EDS export of the result that imports
// without errors.
#include <QTest>

#include "GeneratorFixture.h"
#include "editor/ui/GeneratorParts.h"
#include "editor/ui/NewEdsForm.h"
#include "editor/ui/StandardObjectRecords.h"

namespace brenmoor {
namespace {

class NewDescriptionTest : public DocumentTest {
protected:
    // Runs the dialog, ticking the optional indexes, and generates.
    std::vector<unsigned> GenerateWith(const std::vector<unsigned>& ticked) {
        TNewEdsForm dialog;
        DialogScript script;
        script.Then([&](QWidget&) {
            for (const unsigned index : ticked) Tick(dialog, index);
            dialog.OkBtn->click();
        });
        EXPECT_EQ(dialog.Run(), QDialog::Accepted);
        return dialog.Generate(*document);
    }

    static void Tick(TNewEdsForm& dialog, unsigned index) {
        const auto items = dialog.OptList->findItems(QString::asprintf("%4.4X", index), Qt::MatchExactly, 0);
        ASSERT_EQ(items.size(), 1) << std::hex << index;
        items.front()->setCheckState(0, Qt::Checked);
    }
};

TEST_F(NewDescriptionTest, NothingTickedGivesExactlyTheMandatoryObjects) {
    EXPECT_TRUE(GenerateWith({}).empty());
    EXPECT_EQ(Objects(), (std::vector<uint16_t>{0x1000, 0x1001, 0x1018}));
    EXPECT_EQ(Name(0x1000), "Device type");
    EXPECT_EQ(+Get(0x1000).ObjectType, kObjectVar);
    EXPECT_EQ(+Get(0x1000).DataType, kUnsigned32);
    EXPECT_EQ(Default(0x1000, kMainEntry), "0");
    EXPECT_EQ(+Get(0x1000).Category, kCategoryMandatory);
    const EdsObjectRecord identity = Get(0x1018);
    EXPECT_EQ(+identity.ObjectType, kObjectRecord);
    EXPECT_EQ(+identity.SubNumber, 4);
    EXPECT_EQ(Name(0x1018, 0), "Number of supported entries");
    EXPECT_EQ(Default(0x1018, 0), "3");
    EXPECT_EQ(Name(0x1018, 3), "Revision number");
    EXPECT_EQ(Get(0x1018, 1).AccessType, kAccessRo);
    EXPECT_FALSE(Has(0x1018, 4));
    RoundTrip("mandatory");
}

TEST_F(NewDescriptionTest, TickedObjectsAreCreatedInIndexOrderWithTheirSubIndexes) {
    TNewEdsForm dialog;
    DialogScript script;
    script.Then([&](QWidget&) {
        Tick(dialog, 0x1281);
        Tick(dialog, 0x1003);
        dialog.OkBtn->click();
    });
    ASSERT_EQ(dialog.Run(), QDialog::Accepted);
    EXPECT_EQ(dialog.CheckedOptional(), (std::vector<unsigned>{0x1003, 0x1281}));
    EXPECT_TRUE(dialog.Generate(*document).empty());
    EXPECT_EQ(Objects(), (std::vector<uint16_t>{0x1000, 0x1001, 0x1003, 0x1018, 0x1281}));
    EXPECT_EQ(+Get(0x1003).ObjectType, kObjectArray);
    EXPECT_EQ(+Get(0x1003).SubNumber, 3);
    EXPECT_EQ(Get(0x1003, 0).AccessType, kAccessRw);
    EXPECT_EQ(Name(0x1003, 2), "Standard error field");
    EXPECT_EQ(+Get(0x1281).SubNumber, 4);
    EXPECT_EQ(Name(0x1281), "2. Client SDO parameter");
    EXPECT_EQ(Default(0x1281, 0), "3");
}

TEST_F(NewDescriptionTest, EveryOptionalObjectIsCreatedAndTheExportImportsCleanly) {
    const std::string optional = TNewEdsForm::kOptionalIndexes;
    std::vector<unsigned> all;
    for (std::size_t at = 0; at < optional.size(); at += 4) all.push_back(std::stoul(optional.substr(at, 4), nullptr, 16));
    ASSERT_EQ(all.size(), 22u);
    EXPECT_TRUE(GenerateWith(all).empty());
    EXPECT_EQ(Objects().size(), 25u);
    EXPECT_EQ(Default(0x1200, 1), "$NODEID+0x600");
    EXPECT_EQ(+Get(0x1008).AccessType, kAccessConst);
    EXPECT_EQ(Get(0x1010, 1).DataType, kUnsigned32);
    const auto reread = RoundTrip("all");
    std::vector<uint16_t> indexes;
    ASSERT_EQ(reread->AllObjects(indexes), 0u);
    EXPECT_EQ(indexes, Objects());
    EdsObjectRecord sdo{};
    ASSERT_EQ(reread->GetRecord(kKindObject, ObjectKey(0x1200, 2), &sdo), 0u);
    EXPECT_EQ(vantor::RecordText(sdo.DefaultValue), "$NODEID+0x580");
}

TEST_F(NewDescriptionTest, ListsShowIndexesAndNamesAndTheMandatoryOnesCannotBeUnticked) {
    TNewEdsForm dialog;
    DialogScript script;
    script.Then([&](QWidget& shown) {
        EXPECT_EQ(shown.windowTitle(), QStringLiteral("DS 301 Objects"));
        EXPECT_TRUE(SaveScreenshot(shown, QStringLiteral("NewEdsForm")));
        dialog.CancelBtn->click();
    });
    EXPECT_EQ(dialog.Run(), QDialog::Rejected);
    EXPECT_FALSE(dialog.MandList->isEnabled());
    ASSERT_EQ(dialog.MandList->topLevelItemCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog.MandList->topLevelItem(i)->checkState(0), Qt::Checked);
    EXPECT_EQ(dialog.MandList->topLevelItem(2)->text(1), QStringLiteral("Identity object"));
    ASSERT_EQ(dialog.OptList->topLevelItemCount(), 22);
    EXPECT_EQ(dialog.OptList->topLevelItem(7)->text(0), QStringLiteral("100A"));
    EXPECT_EQ(dialog.OptList->topLevelItem(8)->text(0), QStringLiteral("100C"));
    EXPECT_TRUE(dialog.OptList->isHeaderHidden());
    EXPECT_TRUE(dialog.CheckedOptional().empty());
}

TEST_F(NewDescriptionTest, IndexesWithoutAStandardTypeAreNotCreated) {
    TNewEdsForm dialog;
    EXPECT_FALSE(GetMainData(0x1C00));
    EXPECT_FALSE(GetMainData(0x1004));
    // Generation only runs through DoCreateObj once a document is given.
    EXPECT_FALSE(dialog.DoCreateObj(0x1000));
    DialogScript script;
    dialog.Generate(*document);
    EXPECT_FALSE(dialog.DoCreateObj(0x1C00));
    EXPECT_TRUE(dialog.DoCreateObj(0x1017));
    EXPECT_EQ(+Get(0x1017).AccessType, kAccessRw);
    EXPECT_TRUE(script.Messages().empty());
}

TEST_F(NewDescriptionTest, TheMainWindowsNewCommandGeneratesIntoTheNewDocumentAndCancelMakesNone) {
    TEdsMainForm window;
    window.show();
    {
        DialogScript script;
        script.Then([](QWidget& shown) { static_cast<QDialog&>(shown).reject(); });
        window.MenuNewClick();
        EXPECT_EQ(window.Document(), nullptr);
    }
    DialogScript script;
    script.Then([](QWidget& shown) {
        auto& dialog = static_cast<TNewEdsForm&>(shown);
        dialog.OptList->findItems(QStringLiteral("1017"), Qt::MatchExactly, 0).front()->setCheckState(0, Qt::Checked);
        dialog.OkBtn->click();
    });
    window.MenuNewClick();
    ASSERT_NE(window.Document(), nullptr);
    ASSERT_NE(window.TreeViewLookupCanObj(0x1017), nullptr);
    EXPECT_EQ(window.TreeViewLookupCanObj(0x1018)->text(0), QStringLiteral("1018 - Identity object"));
    window.CloseDocument(false);
}

}  // namespace
}  // namespace brenmoor
