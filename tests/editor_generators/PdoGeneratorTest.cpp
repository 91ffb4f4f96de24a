// The PDO generator: free positions, the objects of one PDO with their
// options, the dialog's count edits and its run over a document.
#include <QTest>

#include "GeneratorFixture.h"
#include "editor/ui/GeneratorParts.h"
#include "editor/ui/NewPDOForm.h"

namespace brenmoor {
namespace {

constexpr uint8_t kWritable = kPdoDynMapping | kPdoVariableCobId | kPdoVariableTransType;

class PdoGeneratorTest : public DocumentTest {
protected:
    void AddObject(unsigned index) {
        EdsObjectRecord record{};
        record.ObjectType = kObjectVar;
        record.AccessType = kAccessRw;
        record.DataType = kUnsigned32;
        vantor::StoreRecordText(record.ParameterName, "existing");
        ASSERT_EQ(document->AddRecord(kKindObject, ObjectKey(index, kMainEntry), &record), 0u);
    }

    // Runs the dialog; the step sets it up before OK is pressed.
    std::optional<std::vector<unsigned>> RunDialog(const std::function<void(TNewPDOForm&)>& setUp,
                                                   DialogScript& script) {
        TEdsMainForm owner;
        script.Then([setUp](QWidget& shown) {
            auto& dialog = static_cast<TNewPDOForm&>(shown);
            setUp(dialog);
            if (dialog.isVisible()) dialog.btnOk->click();
        });
        return RunPdoGenerator(owner, QPoint(0, 0), *document);
    }
};

TEST_F(PdoGeneratorTest, PdosTakeTheFreePositionsAroundExistingOnes) {
    AddObject(0x1400);
    AddObject(0x1402);
    DialogScript script;
    const auto created = RunDialog([](TNewPDOForm& dialog) { dialog.udPDOCount->SetPosition(2); }, script);
    ASSERT_TRUE(created);
    EXPECT_EQ(*created, (std::vector<unsigned>{0x1401, 0x1601, 0x1403, 0x1603}));
    EXPECT_EQ(Name(0x1401), "2. receive PDO parameter");
    EXPECT_EQ(Name(0x1603), "4. receive PDO mapping");
    EXPECT_EQ(+Get(0x1400).ObjectType, kObjectVar) << "an existing object is never replaced";
    EXPECT_TRUE(script.Messages().empty());
}

TEST_F(PdoGeneratorTest, AnExistingMappingObjectTakesItsPosition) {
    AddObject(0x1601);
    CPdoGenerator generator(*document);
    ASSERT_EQ(generator.ReadFreeMaps(), 0u);
    EXPECT_FALSE(generator.FreeMap(PdoType::Receive).free.test(1));
    EXPECT_EQ(generator.FreeMap(PdoType::Receive).Count(), 511u);
    EXPECT_EQ(generator.FreeMap(PdoType::Transmit).Count(), 512u);
    ASSERT_TRUE(generator.CreatePdo(0x1800, kWritable, 1));
    EXPECT_FALSE(generator.FreeMap(PdoType::Transmit).free.test(0)) << "a created position counts as taken";
}

TEST_F(PdoGeneratorTest, CommunicationObjectFollowsTheOptions) {
    CPdoGenerator generator(*document);
    ASSERT_EQ(generator.ReadFreeMaps(), 0u);
    ASSERT_TRUE(generator.CreatePdo(0x1801, kPdoEventTimer, 2));
    EXPECT_EQ(+Get(0x1801).ObjectType, kObjectRecord);
    EXPECT_EQ(+Get(0x1801).Category, kCategoryOptional);
    EXPECT_EQ(Default(0x1801, 0), "5");
    EXPECT_EQ(Get(0x1801, 0).AccessType, kAccessRo);
    EXPECT_EQ(std::string(vantor::RecordText(Get(0x1801, 0).HighLimit)), "5");
    EXPECT_EQ(Default(0x1801, 1), "$NODEID+0x80000280");
    EXPECT_EQ(Get(0x1801, 1).AccessType, kAccessRo);
    EXPECT_EQ(Default(0x1801, 2), "0xFF");
    EXPECT_FALSE(Has(0x1801, 3));
    EXPECT_FALSE(Has(0x1801, 4));
    EXPECT_EQ(Name(0x1801, 5), "event timer");

    ASSERT_TRUE(generator.CreatePdo(0x1400, kWritable | kPdoInhibitTime, 0));
    EXPECT_FALSE(Has(0x1400, 3)) << "receive PDOs have no inhibit time";
    EXPECT_EQ(Default(0x1400, 0), "2");
    EXPECT_EQ(Default(0x1400, 1), "$NODEID+0x200");
    EXPECT_EQ(Get(0x1400, 1).AccessType, kAccessRw);

    ASSERT_TRUE(generator.CreatePdo(0x1802, kPdoInhibitTime | kPdoEnabled, 0));
    EXPECT_EQ(Default(0x1802, 0), "3");
    EXPECT_EQ(Default(0x1802, 1), "$NODEID+0x380");
}

TEST_F(PdoGeneratorTest, MappingObjectStartsWithNothingMapped) {
    CPdoGenerator generator(*document);
    ASSERT_EQ(generator.ReadFreeMaps(), 0u);
    ASSERT_TRUE(generator.CreatePdo(0x1800, kWritable, 0));
    EXPECT_EQ(+Get(0x1A00).SubNumber, 1);
    EXPECT_EQ(Default(0x1A00, 0), "0");
    EXPECT_EQ(std::string(vantor::RecordText(Get(0x1A00, 0).HighLimit)), "0");

    ASSERT_TRUE(generator.CreatePdo(0x1801, 0, 3));
    EXPECT_EQ(+Get(0x1A01).SubNumber, 4);
    EXPECT_EQ(Default(0x1A01, 0), "0");
    EXPECT_EQ(std::string(vantor::RecordText(Get(0x1A01, 0).HighLimit)), "3");
    EXPECT_EQ(Get(0x1A01, 0).AccessType, kAccessRo) << "without dynamic mapping";
    EXPECT_EQ(Name(0x1A01, 3), "3. mapped object");
    EXPECT_EQ(Get(0x1A01, 3).DataType, kUnsigned32);
    EXPECT_EQ(Get(0x1A01, 3).PDOMapping, 0);
    RoundTrip("mapping");
}

TEST_F(PdoGeneratorTest, OnlyTheFourPredefinedPdosGetStandardCobIds) {
    EXPECT_STREQ(CPdoGenerator::DefaultCobId(0x1400, false), "$NODEID+0x200");
    EXPECT_STREQ(CPdoGenerator::DefaultCobId(0x1403, true), "$NODEID+0x500");
    EXPECT_STREQ(CPdoGenerator::DefaultCobId(0x1803, false), "$NODEID+0x80000480");
    EXPECT_STREQ(CPdoGenerator::DefaultCobId(0x1404, true), "0x80000001");
    EXPECT_STREQ(CPdoGenerator::DefaultCobId(0x1804, false), "0x80000001");
    EXPECT_FALSE(CPdoGenerator::IsPredefined(0x1804));
}

TEST_F(PdoGeneratorTest, EnabledRunBeyondTheFourSaysTheFurtherOnesAreDisabled) {
    DialogScript script;
    const auto created = RunDialog(
        [](TNewPDOForm& dialog) {
            dialog.btnTransmit->click();
            dialog.chkPDOenabled->setChecked(true);
            dialog.udPDOCount->SetPosition(5);
            dialog.udMapCount->SetPosition(8);
        },
        script);
    ASSERT_TRUE(created);
    EXPECT_EQ(created->size(), 10u);
    EXPECT_EQ(Default(0x1801, 1), "$NODEID+0x280");
    EXPECT_EQ(Default(0x1804, 1), "0x80000001");
    ASSERT_EQ(script.Messages().size(), 1u);
    EXPECT_TRUE(script.Messages().front().contains(QStringLiteral("disabled")));
    const auto reread = RoundTrip("transmit");
    EdsObjectRecord count{};
    ASSERT_EQ(reread->GetRecord(kKindObject, ObjectKey(0x1A04, 0), &count), 0u);
    EXPECT_EQ(vantor::RecordText(count.HighLimit), "8");
}

TEST_F(PdoGeneratorTest, SwitchingToReceiveDropsTheInhibitTime) {
    DialogScript script;
    const auto created = RunDialog(
        [](TNewPDOForm& dialog) {
            EXPECT_TRUE(dialog.btnReceive->isChecked());
            EXPECT_FALSE(dialog.chkInhibitTime->isEnabled());
            dialog.btnTransmit->click();
            EXPECT_TRUE(dialog.chkInhibitTime->isEnabled());
            dialog.chkInhibitTime->setChecked(true);
            dialog.btnReceive->click();
            EXPECT_FALSE(dialog.chkInhibitTime->isEnabled());
            dialog.udPDOCount->SetPosition(1);
        },
        script);
    ASSERT_TRUE(created);
    EXPECT_FALSE(Has(0x1400, 3));
}

TEST_F(PdoGeneratorTest, CountEditsStepAndClampThroughTheirUpDowns) {
    for (unsigned index = 0x1800; index < 0x1800 + 509; ++index) AddObject(index);
    DialogScript script;
    const auto created = RunDialog(
        [](TNewPDOForm& dialog) {
            EXPECT_EQ(dialog.udPDOCount->Maximum(), 512);
            dialog.btnTransmit->click();
            EXPECT_EQ(dialog.udPDOCount->Maximum(), 3);
            dialog.edtPDOCount->setFocus();
            dialog.edtPDOCount->selectAll();
            QTest::keyClicks(dialog.edtPDOCount, QStringLiteral("x+"));
            EXPECT_EQ(dialog.edtPDOCount->text(), QStringLiteral("1"));
            QTest::keyClicks(dialog.edtPDOCount, QStringLiteral("9"));
            EXPECT_EQ(dialog.edtPDOCount->text(), QStringLiteral("3")) << "19 is beyond the free positions";
            QTest::keyClicks(dialog.edtPDOCount, QStringLiteral("-"));
            EXPECT_EQ(dialog.udPDOCount->Position(), 2);
            dialog.edtMapCount->setText(QStringLiteral("99"));
            EXPECT_EQ(dialog.edtMapCount->text(), QStringLiteral("64"));
            dialog.edtMapCount->clear();
            EXPECT_EQ(dialog.edtMapCount->text(), QStringLiteral("0"));
            EXPECT_TRUE(SaveScreenshot(dialog, QStringLiteral("NewPDOForm")));
        },
        script);
    ASSERT_TRUE(created);
    EXPECT_EQ(*created, (std::vector<unsigned>{0x19FD, 0x1BFD, 0x19FE, 0x1BFE}));
}

TEST_F(PdoGeneratorTest, ZeroCountClosesAsCancelledWithNothingCreated) {
    DialogScript script;
    EXPECT_FALSE(RunDialog([](TNewPDOForm&) {}, script));
    EXPECT_TRUE(Objects().empty());
}

TEST_F(PdoGeneratorTest, NoFreePositionsSaysSoWithoutShowingTheDialog) {
    for (unsigned index = 0x1400; index < 0x1600; ++index) AddObject(index);
    for (unsigned index = 0x1A00; index < 0x1C00; ++index) AddObject(index);
    TEdsMainForm owner;
    DialogScript script;
    EXPECT_FALSE(RunPdoGenerator(owner, QPoint(0, 0), *document));
    ASSERT_EQ(script.Messages().size(), 1u);
    EXPECT_EQ(script.Messages().front(), QStringLiteral("No free PDOs available !"));
}

TEST_F(PdoGeneratorTest, PositionsOutsideThePdoRangesAreRefused) {
    CPdoGenerator generator(*document);
    ASSERT_EQ(generator.ReadFreeMaps(), 0u);
    EXPECT_FALSE(generator.CreatePdo(0x1600, kWritable, 1));
    EXPECT_FALSE(generator.CreatePdo(0x1A00, kWritable, 1));
    EXPECT_FALSE(generator.CreatePdo(0x1400, kWritable, kMaxMappingEntries + 1));
    EXPECT_TRUE(Objects().empty());
}

TEST_F(PdoGeneratorTest, TheMainWindowGetsANodePerCreatedObject) {
    TEdsMainForm window;
    window.show();
    {
        DialogScript script;
        script.Then([](QWidget& shown) { static_cast<QDialog&>(shown).accept(); });
        window.MenuNewClick();
    }
    ASSERT_NE(window.Document(), nullptr);
    DialogScript script;
    script.Then([](QWidget& shown) {
        auto& dialog = static_cast<TNewPDOForm&>(shown);
        dialog.udPDOCount->SetPosition(2);
        dialog.btnOk->click();
    });
    window.MenuAddPDOClick();
    for (const unsigned index : {0x1400u, 0x1401u, 0x1600u, 0x1601u}) EXPECT_NE(window.TreeViewLookupCanObj(index), nullptr);
    EXPECT_EQ(window.Tree().CurrentNode(), window.TreeViewLookupCanObj(0x1601));
    window.CloseDocument(false);
}

}  // namespace
}  // namespace brenmoor
