// Dynamic segments: field reading, numbering, the new segment dialog, the
// embedded form and its view, and the main window leaving a segment node.
#include <QTest>

#include "GeneratorFixture.h"
#include "editor/ui/DynChannelForm.h"
#include "editor/ui/GeneratorParts.h"
#include "editor/ui/NewDynForm.h"
#include "editor/ui/SegmentFields.h"
#include "editor/ui/TreeNodes.h"

namespace brenmoor {
namespace {

SegmentInput Input(const char* low, const char* high, const char* maxCount, const char* offset = "0",
                   const char* bitAddress = "0") {
    return {kReal32, kAccessRww, QString::fromLatin1(low), QString::fromLatin1(high), QString::fromLatin1(offset),
            QString::fromLatin1(bitAddress), QString::fromLatin1(maxCount)};
}

std::string LastFailed(const SegmentInput& input) {
    const SegmentParse parsed = ParseSegment(input);
    return parsed.lastFailed ? parsed.lastFailed : "";
}

TEST(SegmentFields, NumbersFillTheFirstGapAfterTheLowestSegment) {
    EXPECT_EQ(NextSegmentNumber({}), 1u);
    EXPECT_EQ(NextSegmentNumber({1, 2, 4}), 3u);
    EXPECT_EQ(NextSegmentNumber({3, 4}), 5u);
    EXPECT_EQ(NextSegmentNumber({7}), 8u);
    EXPECT_EQ(NextSegmentNumber({511, 512}), 1u) << "past 512 the lowest free number";
    std::vector<uint16_t> all;
    for (uint16_t number = 1; number <= 512; ++number) all.push_back(number);
    EXPECT_FALSE(NextSegmentNumber(all));
    all.erase(all.begin());
    EXPECT_EQ(NextSegmentNumber(all), 1u);
}

TEST(SegmentFields, FieldsAreReadWithTheRangeOfTheirRecordField) {
    EXPECT_EQ(ParseHexField(QStringLiteral("ffff"), kMaxUint16), 0xFFFFu);
    EXPECT_FALSE(ParseHexField(QStringLiteral("10000"), kMaxUint16));
    EXPECT_EQ(ParseHexField(QStringLiteral(" A0 "), kMaxUint16), 0xA0u);
    EXPECT_FALSE(ParseHexField(QStringLiteral("0x10"), kMaxUint32));
    EXPECT_FALSE(ParseHexField(QString(), kMaxUint32));
    EXPECT_FALSE(ParseHexField(QStringLiteral("1FFFFFFFF"), kMaxUint32));
    EXPECT_EQ(ParseDecimalField(QStringLiteral("4294967295"), kMaxUint32), 0xFFFFFFFFu);
    EXPECT_FALSE(ParseDecimalField(QStringLiteral("65536"), kMaxUint16));
    EXPECT_FALSE(ParseDecimalField(QStringLiteral("-1"), kMaxUint32));
    EXPECT_FALSE(ParseDecimalField(QStringLiteral("1A"), kMaxUint32));
}

TEST(SegmentFields, TheLastFieldInErrorIsNamed) {
    EXPECT_EQ(LastFailed(Input("0", "0", "254")), "");
    EXPECT_EQ(LastFailed(Input("0", "0", "255")), "MaxCount");
    EXPECT_EQ(LastFailed(Input("0", "FFFF", "16646144")), "") << "no overflow in the capacity";
    EXPECT_EQ(LastFailed(Input("0", "G", "1")), "High Limit");
    EXPECT_EQ(LastFailed(Input("0", "G", "x")), "MaxCount") << "a bad MaxCount wins over a bad high limit";
    EXPECT_EQ(LastFailed(Input("5", "4", "0")), "High Limit") << "inverted range";
    EXPECT_EQ(LastFailed(Input("0", "0", "0", "0", "70000")), "Bit Adress Difference");
    EXPECT_EQ(LastFailed(Input("0", "0", "0", "100000000", "70000")), "Segment Offset");
    EXPECT_EQ(LastFailed(Input("", "0", "0")), "Low Limit");
    const SegmentParse parsed = ParseSegment(Input("A000", "A001", "508", "1F", "3"));
    ASSERT_TRUE(parsed.record);
    EXPECT_EQ(+parsed.record->Type, kReal32);
    EXPECT_EQ(+parsed.record->Dir, kAccessRww);
    EXPECT_EQ(+parsed.record->RangeStart, 0xA000);
    EXPECT_EQ(+parsed.record->RangeEnd, 0xA001);
    EXPECT_EQ(+parsed.record->PPOffset, 0x1Fu);
    EXPECT_EQ(+parsed.record->BitOffset, 3);
    EXPECT_EQ(+parsed.record->MaxCnt, 508u);
}

class DynSegmentTest : public DocumentTest {
protected:
    void AddSegment(unsigned number, const EdsDynSegmentRecord& record) {
        ASSERT_EQ(document->AddRecord(kKindDynSegment, number, &record), 0u);
    }

    void SetMaxCountSupported(bool supported) {
        EdsDeviceInfoRecord device{};
        ASSERT_EQ(document->GetRecord(kKindDeviceInfo, 0, &device), 0u);
        device.DynamicChannelsSupported = 1 | (supported ? 0 : kMaxCountNotSupported);
        ASSERT_EQ(document->SetRecord(kKindDeviceInfo, 0, &device), 0u);
    }

    EdsDynSegmentRecord Segment(unsigned number) const {
        EdsDynSegmentRecord record{};
        EXPECT_EQ(document->GetRecord(kKindDynSegment, number, &record), 0u);
        return record;
    }

    std::optional<unsigned> RunDialog(const std::function<void(TNewDynForm&)>& fill, DialogScript& script) {
        TEdsMainForm owner;
        script.Then([fill](QWidget& shown) {
            auto& dialog = static_cast<TNewDynForm&>(shown);
            fill(dialog);
            dialog.BtnOk->click();
            if (dialog.isVisible()) dialog.BtnCancel->click();
        });
        return RunNewDynSegment(owner, QPoint(0, 0), *document);
    }
};

TEST_F(DynSegmentTest, NewSegmentGetsTheGapNumberAndTheFieldsValues) {
    AddSegment(1, {kUnsigned8, kAccessRo, 0xA000, 0xA000, 0, 0, 1});
    AddSegment(2, {kUnsigned8, kAccessRo, 0xA001, 0xA001, 0, 0, 1});
    AddSegment(4, {kUnsigned8, kAccessRo, 0xA002, 0xA002, 0, 0, 1});
    DialogScript script;
    const auto number = RunDialog(
        [](TNewDynForm& dialog) {
            EXPECT_EQ(dialog.edtLowLimit->text(), QStringLiteral("0"));
            EXPECT_TRUE(dialog.edtMaxCount->isEnabled());
            dialog.cbxDatatype->setCurrentIndex(18);
            dialog.cbxDirection->setCurrentIndex(3);
            dialog.edtLowLimit->setText(QStringLiteral("a080"));
            dialog.edtHighLimit->setText(QStringLiteral("A0BF"));
            dialog.edtSegOffset->setText(QStringLiteral("10"));
            dialog.edtMaxCount->setText(QStringLiteral("64"));
            EXPECT_TRUE(SaveScreenshot(dialog, QStringLiteral("NewDynForm")));
        },
        script);
    ASSERT_EQ(number, 3u);
    const EdsDynSegmentRecord stored = Segment(3);
    EXPECT_EQ(+stored.Type, kReal32);
    EXPECT_EQ(+stored.Dir, kAccessRww);
    EXPECT_EQ(+stored.RangeStart, 0xA080);
    EXPECT_EQ(+stored.RangeEnd, 0xA0BF);
    EXPECT_EQ(+stored.PPOffset, 0x10u);
    EXPECT_EQ(+stored.MaxCnt, 64u);
    EXPECT_EQ(SegmentNodeText(stored.Type, stored.Dir), QStringLiteral("Float - rww"));
    RoundTrip("segments");
}

TEST_F(DynSegmentTest, NumbersBelowTheFirstSegmentAreNotReused) {
    AddSegment(3, {kUnsigned8, kAccessRo, 0, 0, 0, 0, 1});
    AddSegment(4, {kUnsigned8, kAccessRo, 0, 0, 0, 0, 1});
    DialogScript script;
    EXPECT_EQ(RunDialog([](TNewDynForm&) {}, script), 5u);
}

TEST_F(DynSegmentTest, AFieldInErrorKeepsTheDialogOpenAndNamesTheLastOne) {
    DialogScript script;
    const auto number = RunDialog(
        [](TNewDynForm& dialog) {
            dialog.edtHighLimit->setText(QStringLiteral("xyz"));
            dialog.edtMaxCount->setText(QStringLiteral("many"));
        },
        script);
    EXPECT_FALSE(number);
    ASSERT_EQ(script.Messages().size(), 1u);
    EXPECT_EQ(script.Messages().front(), QStringLiteral("Invalid data in field MaxCount !"));
    std::vector<uint16_t> segments;
    EXPECT_EQ(document->AllSegments(segments), 0u);
    EXPECT_TRUE(segments.empty());
}

TEST_F(DynSegmentTest, WithoutMaxCountSupportTheDialogDerivesIt) {
    SetMaxCountSupported(false);
    DialogScript script;
    const auto number = RunDialog(
        [](TNewDynForm& dialog) {
            EXPECT_FALSE(dialog.edtMaxCount->isEnabled());
            EXPECT_EQ(dialog.edtMaxCount->text(), QStringLiteral("254"));
            dialog.edtHighLimit->setText(QStringLiteral("3"));
            EXPECT_EQ(dialog.edtMaxCount->text(), QStringLiteral("1016"));
        },
        script);
    ASSERT_EQ(number, 1u);
    EXPECT_EQ(+Segment(1).MaxCnt, 1016u);
}

TEST_F(DynSegmentTest, ViewLoadsTheSegmentAndDerivesMaxCountWithoutMarkingTheForm) {
    AddSegment(2, {kReal32, kAccessRww, 0x10, 0x11, 0x1234, 5, 9});
    SetMaxCountSupported(false);
    CDynChannelView view;
    ASSERT_EQ(view.SetStore(document.get()), 0u);
    view.SetKey(2);
    ASSERT_EQ(view.ReadFromStore(), 0u);
    TDynChannelForm& form = view.Form();
    EXPECT_EQ(form.cbxDatatype->currentText(), QStringLiteral("Float"));
    EXPECT_EQ(form.edtLowLimit->text(), QStringLiteral("10"));
    EXPECT_EQ(form.edtSegOffset->text(), QStringLiteral("1234"));
    EXPECT_EQ(form.edtBitAddrDiff->text(), QStringLiteral("5"));
    EXPECT_FALSE(form.edtMaxCount->isEnabled());
    EXPECT_EQ(form.edtMaxCount->text(), QStringLiteral("508"));
    EXPECT_EQ(view.IsUnchanged(), 1u) << "viewing a segment never changes it";
    EXPECT_EQ(+Segment(2).MaxCnt, 9u);
    EXPECT_EQ(view.CurrentNodeText(), QStringLiteral("Float - rww"));

    form.edtHighLimit->setText(QStringLiteral("12"));
    EXPECT_EQ(form.edtMaxCount->text(), QStringLiteral("762"));
    EXPECT_EQ(view.IsUnchanged(), 0u);
    ASSERT_EQ(view.WriteToStore(), 0u);
    EXPECT_EQ(+Segment(2).MaxCnt, 762u);
    EXPECT_EQ(+Segment(2).RangeEnd, 0x12);

    SetMaxCountSupported(true);
    ASSERT_EQ(view.ReadFromStore(), 0u);
    EXPECT_TRUE(form.edtMaxCount->isEnabled());
    EXPECT_EQ(view.Reset(), 0u);
    EXPECT_EQ(form.cbxDirection->currentIndex(), 0);
    EXPECT_EQ(form.edtMaxCount->text(), QStringLiteral("0"));
    view.SetStore(nullptr);
}

TEST_F(DynSegmentTest, MaskedEditsTakeHexadecimalDigitsOnly) {
    CDynChannelView view;
    ASSERT_EQ(view.Reset(), 0u);
    TDynChannelForm& form = view.Form();
    form.edtLowLimit->clear();
    form.edtLowLimit->setFocus();
    QTest::keyClicks(form.edtLowLimit, QStringLiteral("zA1g"));
    EXPECT_EQ(form.edtLowLimit->text(), QStringLiteral("A1"));
    form.edtSegOffset->setText(QStringLiteral("1FFFFFFFF"));
    EXPECT_EQ(view.Validate(), ERROR_INVALID_DATA) << "nine digits beyond 32 bits";
    EXPECT_EQ(view.WriteToStore(), ERROR_INVALID_DATA);
    form.edtSegOffset->setText(QStringLiteral("FFFFFFFF"));
    form.edtHighLimit->setText(QStringLiteral("A1"));
    form.edtMaxCount->setText(QStringLiteral("4294967295"));
    EXPECT_EQ(form.edtMaxCount->text(), QStringLiteral("4294967295")) << "a 32-bit count is never cut";
    EXPECT_NE(view.Validate(), 0u);
    form.edtMaxCount->setText(QStringLiteral("254"));
    EXPECT_EQ(view.Validate(), 0u);
}

TEST_F(DynSegmentTest, LeavingASegmentWhoseRangeIsTooSmallIsRefused) {
    TEdsMainForm window;
    window.show();
    {
        DialogScript script;
        script.Then([](QWidget& shown) { static_cast<QDialog&>(shown).accept(); });
        window.MenuNewClick();
    }
    ASSERT_NE(window.Document(), nullptr);
    EdsDeviceInfoRecord device{};
    ASSERT_EQ(window.Document()->GetRecord(kKindDeviceInfo, 0, &device), 0u);
    device.DynamicChannelsSupported = 1;
    ASSERT_EQ(window.Document()->SetRecord(kKindDeviceInfo, 0, &device), 0u);
    {
        DialogScript script;
        script.Then([](QWidget& shown) {
            auto& dialog = static_cast<TNewDynForm&>(shown);
            dialog.cbxDatatype->setCurrentIndex(18);
            dialog.cbxDirection->setCurrentIndex(3);
            dialog.BtnOk->click();
        });
        window.MenuNewDynSegClick();
    }
    CTreeNode* segment = window.Tree().CurrentNode();
    ASSERT_NE(segment, nullptr);
    EXPECT_EQ(segment->text(0), QStringLiteral("Float - rww"));
    auto* view = dynamic_cast<CDynChannelView*>(window.CurrentView());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->Form().edtMaxCount->isEnabled());
    EXPECT_EQ(view->Form().edtMaxCount->text(), QStringLiteral("0"));
    EXPECT_TRUE(SaveScreenshot(*view->GetForm(), QStringLiteral("DynChannelForm")));
    EXPECT_TRUE(SaveScreenshot(window, QStringLiteral("MainWindowWithSegment")));

    view->Form().edtMaxCount->setText(QStringLiteral("255"));
    view->Form().cbxDirection->setCurrentIndex(1);
    {
        DialogScript script;
        window.Tree().SelectNode(window.RootNode(QStringLiteral("File Info")));
        ASSERT_EQ(script.Messages().size(), 1u);
        EXPECT_EQ(script.Messages().front(), QStringLiteral("Error in data"));
    }
    EXPECT_EQ(window.Tree().CurrentNode(), segment);
    EXPECT_EQ(segment->text(0), QStringLiteral("Float - ro"));

    view->Form().edtMaxCount->setText(QStringLiteral("254"));
    window.Tree().SelectNode(window.RootNode(QStringLiteral("File Info")));
    EdsDynSegmentRecord stored{};
    ASSERT_EQ(window.Document()->GetRecord(kKindDynSegment, 1, &stored), 0u);
    EXPECT_EQ(+stored.MaxCnt, 254u);
    EXPECT_EQ(+stored.Dir, kAccessRo);
    window.CloseDocument(false);
}

}  // namespace
}  // namespace brenmoor
