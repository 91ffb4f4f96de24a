#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FileTestSupport.h"
#include "library/dictionary/EdsDictStg.h"
#include "library/sections/EdsDeviceInfo.h"

namespace vantor::test {
namespace {

const std::u16string kDeviceInfoStream = u"\u00AE\u00ACDeviceInfo";

EdsObjectRecord Variable(const char* name, const char* defaultValue, uint8_t category = 0) {
    EdsObjectRecord record{};
    record.Category = category;
    std::strncpy(record.ParameterName, name, sizeof record.ParameterName - 1);
    record.ObjectType = 7;
    record.AccessType = 1;
    record.DataType = 7;
    std::strncpy(record.DefaultValue, defaultValue, sizeof record.DefaultValue - 1);
    return record;
}

EdsObjectRecord Record(const char* name) {
    EdsObjectRecord record{};
    std::strncpy(record.ParameterName, name, sizeof record.ParameterName - 1);
    record.ObjectType = 9;
    return record;
}

TEST_F(FileStgTest, ANewDescriptionHoldsSixSectionStreamsAndTheDictionary) {
    for (const char16_t* name : {u"\u00AE\u00ACFileInfo", u"\u00AE\u00ACDeviceInfo", u"\u00AE\u00ACDummyUsage",
                                 u"\u00AE\u00ACDynamicChannels", u"\u00AE\u00ACComments",
                                 u"\u00AE\u00ACDeviceComissioning"})
        EXPECT_NE(TempFiles::Content(root_, name), "<missing>");
    ComPtr<IStorage> dictionary;
    EXPECT_EQ(root_->OpenStorage(u"ObjectDictionary", nullptr, kElementMode, nullptr, 0, dictionary.ReleaseAndGetAddressOf()),
              S_OK);
    EXPECT_EQ(file_->InitNew(root_), CO_E_ALREADYINITIALIZED);
    EXPECT_EQ(CEdsFileStg::Create()->InitNew(nullptr), E_POINTER);
}

TEST_F(FileStgTest, LoadNeedsTheDictionaryStorageButNotTheSections) {
    file_.reset();
    ASSERT_EQ(root_->DestroyElement(u"ObjectDictionary"), S_OK);
    auto loaded = CEdsFileStg::Create();
    EXPECT_EQ(loaded->Load(root_), STG_E_FILENOTFOUND);

    IStorage* second = files_.Compound("second.stg");
    auto fresh = CEdsFileStg::Create();
    ASSERT_EQ(fresh->InitNew(second), S_OK);
    ASSERT_EQ(fresh->Save(), S_OK);
    ASSERT_EQ(fresh->SaveCompleted(), S_OK);
    fresh.reset();
    ASSERT_EQ(second->DestroyElement(kDeviceInfoStream.c_str()), S_OK);
    auto reopened = CEdsFileStg::Create();
    ASSERT_EQ(reopened->Load(second), S_OK);
    EdsDeviceInfoRecord device{};
    EXPECT_EQ(reopened->GetDeviceInfo(device), STG_E_FILENOTFOUND);
    EXPECT_EQ(reopened->SetDeviceInfo(device), STG_E_FILENOTFOUND);
    EdsFileInfoRecord info{};
    EXPECT_EQ(reopened->GetFileInfo(info), S_OK);
    EXPECT_EQ(reopened->SaveCompleted(), E_UNEXPECTED);
}

TEST_F(FileStgTest, SectionHelpersRefuseOtherCodesAndAcceptANullObject) {
    std::unique_ptr<CEdsPropSet> section;
    EXPECT_EQ(file_->OpenSection(SectionCode::StandardDataTypes, section), static_cast<HRESULT>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(file_->CreateSection(SectionCode::MainObject, section), static_cast<HRESULT>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(file_->WriteSection(SectionCode::Comments, nullptr), S_OK);
    EXPECT_EQ(file_->WriteSection(2, nullptr), static_cast<HRESULT>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(CEdsFileStg::SectionStreamName(SectionCode::DeviceComissioning), "\xAE\xAC" "DeviceComissioning");
}

TEST_F(FileStgTest, DeviceInfoTakesPdoCountsAndNumericIdentityValuesFromTheDictionary) {
    CEdsDictStg& dictionary = file_->Dictionary();
    ASSERT_EQ(dictionary.Add(0x1400, 0xFF, Record("rx")), S_OK);
    ASSERT_EQ(dictionary.Add(0x1401, 0xFF, Record("rx")), S_OK);
    ASSERT_EQ(dictionary.Add(0x1800, 0xFF, Record("tx")), S_OK);
    ASSERT_EQ(dictionary.Add(0x1600, 0xFF, Record("map")), S_OK);

    EdsDeviceInfoRecord device{};
    device.VendorNumber = 0x11;
    device.ProductNumber = 0x22;
    device.RevisionNumber = 0x33;
    ASSERT_EQ(file_->SetDeviceInfo(device), S_OK);
    // A value that is no number never replaces the section's own.
    ASSERT_EQ(dictionary.Set(0x1018, 2, Variable("Product code", "$NODEID+1")), S_OK);
    ASSERT_EQ(dictionary.Set(0x1018, 3, Variable("Revision number", "")), S_OK);
    ASSERT_EQ(dictionary.Set(0x1018, 1, Variable("Vendor ID", "0x99")), S_OK);

    EdsDeviceInfoRecord read{};
    ASSERT_EQ(file_->GetDeviceInfo(read), S_OK);
    EXPECT_EQ(Value(read.NrOfRXPDO), 2);
    EXPECT_EQ(Value(read.NrOfTXPDO), 1);
    EXPECT_EQ(Value(read.VendorNumber), 0x99u);
    EXPECT_EQ(Value(read.ProductNumber), 0x22u);
    EXPECT_EQ(Value(read.RevisionNumber), 0x33u);
}

TEST_F(FileStgTest, SettingDeviceInfoAndCommissioningFillTheIdentityObject) {
    EdsDeviceInfoRecord device{};
    device.VendorNumber = 0x1234;
    ASSERT_EQ(file_->SetDeviceInfo(device), S_OK);
    EdsObjectRecord entry{};
    ASSERT_EQ(file_->Dictionary().Get(0x1018, 1, entry), S_OK);
    EXPECT_STREQ(entry.DefaultValue, "0x00001234");
    ASSERT_EQ(file_->Dictionary().Get(0x1018, 3, entry), S_OK);
    EXPECT_EQ(file_->Dictionary().Get(0x1018, 4, entry), STG_E_FILENOTFOUND);

    EdsDeviceComRecord com{};
    com.NodeId = 5;
    com.LSS_SerialNumber = 0xABCDEF;
    ASSERT_EQ(file_->SetDeviceCom(com), S_OK);
    ASSERT_EQ(file_->Dictionary().Get(0x1018, 4, entry), S_OK);
    EXPECT_STREQ(entry.DefaultValue, "0x00ABCDEF");
    ASSERT_EQ(file_->Dictionary().Get(0x1018, 0, entry), S_OK);
    EXPECT_STREQ(entry.DefaultValue, "4");
    ASSERT_EQ(file_->Dictionary().Get(0x1018, 1, entry), S_OK);
    EXPECT_STREQ(entry.DefaultValue, "0x00001234");

    EdsDeviceComRecord read{};
    ASSERT_EQ(file_->GetDeviceCom(read), S_OK);
    EXPECT_EQ(Value(read.NodeId), 5);
    EXPECT_EQ(Value(read.LSS_SerialNumber), 0xABCDEFu);
}

TEST_F(FileStgTest, CommentsAndSegmentsAreWrittenThroughAtOnce) {
    ASSERT_EQ(file_->SetComments("a\r\nb"), S_OK);
    EdsDynSegmentRecord segment{};
    segment.Type = 7;
    ASSERT_EQ(file_->AddDynSegment(3, segment), S_OK);

    auto other = CEdsFileStg::Create();
    ASSERT_EQ(other->Load(root_), S_OK);
    char* text = nullptr;
    ASSERT_EQ(other->GetComments(text), S_OK);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "a\r\nb");
    CoTaskMemFree(text);
    EdsDynSegmentRecord read{};
    EXPECT_EQ(other->GetDynSegment(3, read), S_OK);
    EXPECT_EQ(Value(read.Type), 7);
    EXPECT_EQ(other->GetDynSegment(4, read), static_cast<HRESULT>(180));
}

class CompactPdoTest : public FileStgTest {
protected:
    void Describe(uint8_t compact, int16_t receive, int16_t transmit) {
        std::unique_ptr<CEdsDeviceInfo> device;
        ASSERT_EQ(file_->OpenSectionAs(SectionCode::DeviceInfo, device), S_OK);
        device->SetCompactPDO(compact);
        device->SetNrOfRXPDO(receive);
        device->SetNrOfTXPDO(transmit);
        ASSERT_EQ(file_->WriteSection(SectionCode::DeviceInfo, device.get()), S_OK);
    }
    uint8_t StoredCompactPdo() {
        std::unique_ptr<CEdsDeviceInfo> device;
        EXPECT_EQ(file_->OpenSectionAs(SectionCode::DeviceInfo, device), S_OK);
        return device ? device->CompactPDO() : 0xEE;
    }
    bool Exists(uint16_t index) { return file_->Dictionary().Map(ObjectMapCode::Available).IsMember(index); }
};

TEST_F(CompactPdoTest, ZeroChangesNothing) {
    Describe(0, 2, 2);
    EXPECT_EQ(file_->ExpandCompactPdos(), S_OK);
    EXPECT_FALSE(Exists(0x1400));
    EXPECT_FALSE(Exists(0x1800));
}

TEST_F(CompactPdoTest, CreatesTheMissingPdosAndKeepsExistingOnes) {
    ASSERT_EQ(file_->Dictionary().Add(0x1401, 0xFF, Record("kept")), S_OK);
    Describe(0x25, 2, 1);
    EXPECT_EQ(file_->ExpandCompactPdos(), S_OK);
    EXPECT_TRUE(Exists(0x1400));
    EXPECT_TRUE(Exists(0x1600));
    EXPECT_FALSE(Exists(0x1601));  // 0x1401 existed: left as it was
    EXPECT_TRUE(Exists(0x1800));
    EXPECT_TRUE(Exists(0x1A00));
    EXPECT_FALSE(Exists(0x1402));
    EdsObjectRecord entry{};
    ASSERT_EQ(file_->Dictionary().Get(0x1401, 0xFF, entry), S_OK);
    EXPECT_STREQ(entry.ParameterName, "kept");
    // Bit 2 (inhibit time) was given; bit 5 (mapping entries) is not taken over.
    EXPECT_EQ(file_->Dictionary().Get(0x1800, 3, entry), S_OK);
    ASSERT_EQ(file_->Dictionary().Get(0x1A00, 0, entry), S_OK);
    EXPECT_STREQ(entry.DefaultValue, "0");
    EXPECT_EQ(StoredCompactPdo(), 0);
}

TEST_F(CompactPdoTest, CountsPastTheRangeStopAtItsEndAndAreReported) {
    Describe(0x01, 0, 520);
    CMemoryStream log;
    EXPECT_EQ(file_->ExpandCompactPdos(&log), S_OK);
    EXPECT_TRUE(Exists(0x19FF));
    EXPECT_FALSE(Exists(0x1A00 + 0x200));
    EXPECT_EQ(ReadAll(log), "[Error] DeviceInfo: NrOfTXPDO: overflow\r\n");
    EXPECT_EQ(StoredCompactPdo(), 0);
}

}  // namespace
}  // namespace vantor::test
