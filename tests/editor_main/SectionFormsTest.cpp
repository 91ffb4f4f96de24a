// The three section forms and their views over a real document.
#include <gtest/gtest.h>

#include <QTest>

#include "MainWindowFixture.h"
#include "editor/document/EdsFile.h"
#include "editor/document/RecordKinds.h"
#include "editor/ui/DisplayText.h"
#include "editor/ui/OleDateTime.h"

namespace brenmoor {
namespace {

class SectionForms : public testing::Test {
protected:
    void SetUp() override {
        for (CEdsView* view : std::initializer_list<CEdsView*>{&fileInfo, &deviceInfo, &dummyUsage})
            view->SetStore(&document);
    }
    void TearDown() override {
        for (CEdsView* view : std::initializer_list<CEdsView*>{&fileInfo, &deviceInfo, &dummyUsage})
            view->SetStore(nullptr);
    }

    EdsDeviceInfoRecord StoredDevice() {
        EdsDeviceInfoRecord record{};
        EXPECT_EQ(document.GetRecord(kKindDeviceInfo, 0, &record), 0u);
        return record;
    }

    PrivateTempDir temp{"brenmoor-forms-XXXXXX"};
    CEdsFile document;
    CFileInfoView fileInfo;
    CDeviceInfoView deviceInfo;
    CDummyUsageView dummyUsage;
};

TEST_F(SectionForms, FileInformationOfANewDescription) {
    ASSERT_EQ(fileInfo.Reset(), 0u);
    const TFileInfoForm& form = fileInfo.Form();
    EXPECT_EQ(fileInfo.IsUnchanged(), 0u);
    EXPECT_EQ(form.edtEdsVersion->text(), "4.0");
    EXPECT_EQ(form.edtDescription->text(), "<no entry>");
    EXPECT_EQ(form.edtCreatedBy->text(), "<no entry>");
    EXPECT_EQ(form.Creation(), form.Modification());
    EXPECT_LT(std::abs(FromOleDate(form.Creation()).secsTo(QDateTime::currentDateTime())), 5);
    EXPECT_FALSE(form.edtFileName->isEnabled());
    EXPECT_TRUE(form.edtLastEds->isHidden());
    EXPECT_FALSE(form.dtpCreationDate->isEnabled());
    fileInfo.SetFileName(QStringLiteral("/home/someone/devices/io.eds"));
    EXPECT_EQ(form.edtFileName->text(), "io.eds");
    fileInfo.SetFileName(QString());
    EXPECT_TRUE(form.edtFileName->text().isEmpty());
}

TEST_F(SectionForms, FileInformationRoundTripsAndShowsAnEmptyVersionAsThreeO) {
    EdsFileInfoRecord record{};
    StoreFormText(record.FileName, QStringLiteral("io.eds"));
    StoreFormText(record.Description, QStringLiteral("Described"));
    record.FileVersion = 255;
    record.FileRevision = 9;
    record.CreationDate = 46000;
    // 10:30 a hair below its exact value: shown rounded, not cut.
    record.CreationTime = 0.4375 - 1e-9;
    record.ModificationDate = 46001;
    record.ModificationTime = 0.75;
    ASSERT_EQ(document.SetRecord(kKindFileInfo, 0, &record), 0u);

    ASSERT_EQ(fileInfo.ReadFromStore(), 0u);
    TFileInfoForm& form = fileInfo.Form();
    EXPECT_EQ(fileInfo.IsUnchanged(), 1u);
    EXPECT_EQ(form.edtEdsVersion->text(), "3.0");
    EXPECT_EQ(form.dtpCreationTime->time(), QTime(10, 30));
    EXPECT_EQ(form.dtpCreationDate->date(), QDate(1899, 12, 30).addDays(46000));

    // The up-down wraps and marks the form modified.
    form.udFileVersion->stepUp();
    EXPECT_EQ(form.udFileVersion->value(), 0);
    EXPECT_EQ(fileInfo.IsUnchanged(), 0u);
    form.udFileRevision->stepDown();
    ASSERT_EQ(fileInfo.WriteToStore(), 0u);
    EXPECT_EQ(fileInfo.IsUnchanged(), 1u);

    EdsFileInfoRecord stored{};
    ASSERT_EQ(document.GetRecord(kKindFileInfo, 0, &stored), 0u);
    EXPECT_EQ(stored.FileVersion, 0);
    EXPECT_EQ(stored.FileRevision, 8);
    EXPECT_EQ(FormText(stored.EDSVersion), "3.0");
    EXPECT_EQ(FormText(stored.Description), "Described");
    EXPECT_EQ(stored.ModificationDate, 46001.0);
    EXPECT_EQ(stored.ModificationTime, 0.75);
    EXPECT_EQ(stored.CreationDate, 46000.0);
}

TEST_F(SectionForms, DeviceInformationNumbersRevisionAndChannelFlags) {
    EdsDeviceInfoRecord record{};
    StoreFormText(record.VendorName, QStringLiteral("Vendor"));
    record.VendorNumber = 0xFFFFFFFF;
    record.ProductNumber = 0x80000000;
    record.RevisionNumber = 0x00020003;
    record.DynamicChannelsSupported = 0xF0000003;
    record.BaudRate_100 = 1;
    record.Granularity = 64;
    ASSERT_EQ(document.SetRecord(kKindDeviceInfo, 0, &record), 0u);
    ASSERT_EQ(deviceInfo.ReadFromStore(), 0u);
    TDeviceInfoForm& form = deviceInfo.Form();

    EXPECT_EQ(form.edtVendorNumber->text(), "-1");
    // A signed 32-bit number needs all eleven characters.
    EXPECT_EQ(form.edtProductNumber->text(), "-2147483648");
    EXPECT_EQ(form.edtMajorRevision->text(), "2");
    EXPECT_EQ(form.edtMinorRevision->text(), "3");
    EXPECT_TRUE(form.cbxDynamicChannels->isChecked());
    EXPECT_FALSE(form.cbxMaxCount->isChecked());
    EXPECT_TRUE(form.cbxMaxCount->isEnabled());
    EXPECT_FALSE(form.cbxPDO->isEnabled());
    EXPECT_FALSE(form.chkExtendedBootUpMaster->isEnabled());

    // Granularity wraps from 64 to 0.
    form.udGranularity->stepUp();
    EXPECT_EQ(form.udGranularity->value(), 0);
    // Text that is no number of the range is refused as it is typed.
    form.edtMajorRevision->clear();
    QTest::keyClicks(form.edtMajorRevision, QStringLiteral("70000"));
    EXPECT_EQ(form.edtMajorRevision->text(), "7000");
    form.edtMajorRevision->setText(QStringLiteral("1"));
    form.edtMinorRevision->clear();
    QTest::keyClicks(form.edtMinorRevision, QStringLiteral("65535x"));
    EXPECT_EQ(form.edtMinorRevision->text(), "65535");
    form.edtVendorNumber->clear();
    QTest::keyClicks(form.edtVendorNumber, QStringLiteral("12a"));
    EXPECT_EQ(form.edtVendorNumber->text(), "12");
    EXPECT_EQ(deviceInfo.Validate(), 0u);

    // Unticking dynamic channels disables MaxCount but keeps its state.
    form.cbxMaxCount->click();
    form.cbxDynamicChannels->click();
    EXPECT_FALSE(form.cbxMaxCount->isEnabled());
    EXPECT_TRUE(form.cbxMaxCount->isChecked());
    ASSERT_EQ(deviceInfo.WriteToStore(), 0u);

    const EdsDeviceInfoRecord stored = StoredDevice();
    EXPECT_EQ(stored.RevisionNumber, 0x1FFFFu);
    EXPECT_EQ(stored.VendorNumber, 12u);
    EXPECT_EQ(stored.ProductNumber, 0x80000000u);
    EXPECT_EQ(stored.DynamicChannelsSupported, 0xF0000000u);
    EXPECT_EQ(stored.Granularity, 0);
    EXPECT_EQ(stored.BaudRate_100, 1);
}

TEST_F(SectionForms, AnIncompleteNumberIsNeverStoredAsZero) {
    ASSERT_EQ(deviceInfo.ReadFromStore(), 0u);
    TDeviceInfoForm& form = deviceInfo.Form();
    form.edtProductNumber->setText(QStringLiteral("-"));
    EXPECT_NE(deviceInfo.Validate(), 0u);
    form.edtProductNumber->setText(QStringLiteral("4294967295"));
    EXPECT_EQ(deviceInfo.Validate(), 0u);
    form.edtMinorRevision->setText(QString());
    EXPECT_NE(deviceInfo.Validate(), 0u);
}

TEST_F(SectionForms, DeviceInformationDefaults) {
    ASSERT_EQ(deviceInfo.Reset(), 0u);
    ASSERT_EQ(deviceInfo.WriteToStore(), 0u);
    const EdsDeviceInfoRecord stored = StoredDevice();
    EXPECT_EQ(FormText(stored.VendorName), "<no entry>");
    EXPECT_EQ(FormText(stored.OrderCode), "<no entry>");
    EXPECT_EQ(stored.DynamicChannelsSupported, 2u);
    EXPECT_EQ(stored.Granularity, 0);
    EXPECT_EQ(stored.BaudRate_1000, 0);
}

TEST_F(SectionForms, DummyUsageTicksEveryUsedType) {
    EdsDummyUsageRecord record{0, 1, 0, 1, 0, 0, 1};
    ASSERT_EQ(document.SetRecord(kKindDummyUsage, 0, &record), 0u);
    ASSERT_EQ(dummyUsage.ReadFromStore(), 0u);
    TDummyUsageForm& form = dummyUsage.Form();
    QStringList captions;
    for (const QCheckBox* box : form.chkDummies) captions.append(box->text() + (box->isChecked() ? "+" : ""));
    EXPECT_EQ(captions,
              QStringList({"Boolean", "Signed8+", "Signed16", "Signed32+", "Unsigned8", "Unsigned16", "Unsigned32+"}));
    form.chkDummies[0]->click();
    EXPECT_EQ(dummyUsage.IsUnchanged(), 0u);
    ASSERT_EQ(dummyUsage.WriteToStore(), 0u);
    EdsDummyUsageRecord stored{};
    ASSERT_EQ(document.GetRecord(kKindDummyUsage, 0, &stored), 0u);
    EXPECT_EQ(stored.Dummy0001, 1);
    EXPECT_EQ(stored.Dummy0007, 1);
    ASSERT_EQ(dummyUsage.Reset(), 0u);
    for (const QCheckBox* box : form.chkDummies) EXPECT_FALSE(box->isChecked());
}

TEST_F(SectionForms, FormsAreScreenshotAtTheirPanelSize) {
    ASSERT_EQ(fileInfo.Reset(), 0u);
    ASSERT_EQ(deviceInfo.Reset(), 0u);
    ASSERT_EQ(dummyUsage.Reset(), 0u);
    const std::pair<CEdsForm*, const char*> forms[] = {
        {&fileInfo.Form(), "form-file-info"}, {&deviceInfo.Form(), "form-device-info"}, {&dummyUsage.Form(), "form-dummy-usage"}};
    for (const auto& [form, name] : forms) {
        QWidget panel;
        panel.resize(560, 520);
        form->EmbedIn(panel);
        form->show();
        panel.show();
        EXPECT_TRUE(SaveScreenshot(panel, QString::fromLatin1(name)));
        form->hide();
        form->setParent(nullptr);
    }
}

TEST(OleDateTime, RoundsToTheSecondAndSplitsBack) {
    EXPECT_EQ(FromOleDate(0), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    EXPECT_EQ(FromOleDate(2.9999999999), QDateTime(QDate(1900, 1, 2), QTime(0, 0)));
    EXPECT_EQ(FromOleDate(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_EQ(ToOleDate(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    const OleDateParts parts = SplitOleDate(46000.5);
    EXPECT_EQ(parts.date, 46000.0);
    EXPECT_EQ(parts.time, 0.5);
    EXPECT_EQ(JoinOleDate(parts.date, parts.time), 46000.5);
}

}  // namespace
}  // namespace brenmoor
