// The section exports: records in and out, the DeviceInfo and commissioning
// merges with object 0x1018, and the comment text.
#include <cstring>
#include <string>

#include "DescriptionFixture.h"

namespace api_test {
namespace {

std::string DefaultOf(EdsHandle h, uint16_t index, uint32_t sub) {
    EdsObjectRecord record{};
    if (eds_GetObject(h, index, sub, &record) != kSuccess) return "<missing>";
    return record.DefaultValue;
}

// The comments read back, or "<null>" when there are none.
std::string Comments(EdsHandle h) {
    char* text = reinterpret_cast<char*>(1);
    EXPECT_EQ(eds_GetComments(h, &text), kSuccess);
    if (!text) return "<null>";
    std::string result = text;
    CoTaskMemFree(text);
    return result;
}

using SectionCalls = DescriptionTest;

TEST_F(SectionCalls, FileInfoRoundTripsAndCutsTextsAtTheirArrays) {
    EdsFileInfoRecord info{};
    CopyText(info.FileName, "node.eds");
    info.FileVersion = 2;
    info.FileRevision = 7;
    CopyText(info.EDSVersion, "4.0");
    // An unterminated description: only its 256 bytes may be read.
    std::memset(info.Description, 'd', sizeof info.Description);
    CopyText(info.CreatedBy, "tests");
    CopyText(info.LastEDS, "old.eds");
    ASSERT_EQ(eds_SetFileInfo(h(), &info), kSuccess);
    EdsFileInfoRecord back{};
    ASSERT_EQ(eds_GetFileInfo(h(), &back), kSuccess);
    EXPECT_STREQ(back.FileName, "node.eds");
    EXPECT_EQ(back.FileVersion, 2);
    EXPECT_EQ(back.FileRevision, 7);
    EXPECT_STREQ(back.EDSVersion, "4.0");
    EXPECT_EQ(std::string(back.Description, strnlen(back.Description, sizeof back.Description)),
              std::string(255, 'd'));
    EXPECT_STREQ(back.CreatedBy, "tests");
    EXPECT_STREQ(back.LastEDS, "old.eds");
}

TEST_F(SectionCalls, PdoCountsComeFromTheDictionary) {
    EdsDeviceInfoRecord info{};
    ASSERT_EQ(eds_GetDeviceInfo(h(), &info), kSuccess);
    EXPECT_EQ(+info.NrOfRXPDO, 0);
    EXPECT_EQ(+info.NrOfTXPDO, 0);
    EdsObjectRecord main = ObjectRecord("1. receive PDO parameter", 9, 0, 0, "", 1);
    ASSERT_EQ(eds_AddObject(h(), 0x1400, kMainEntry, &main), kSuccess);
    ASSERT_EQ(eds_AddObject(h(), 0x1600, kMainEntry, &main), kSuccess);
    ASSERT_EQ(eds_AddObject(h(), 0x19FF, kMainEntry, &main), kSuccess);
    ASSERT_EQ(eds_GetDeviceInfo(h(), &info), kSuccess);
    EXPECT_EQ(+info.NrOfRXPDO, 1);
    EXPECT_EQ(+info.NrOfTXPDO, 1);
}

TEST_F(SectionCalls, SetDeviceInfoCreatesTheIdentityObject) {
    EdsDeviceInfoRecord info{};
    CopyText(info.VendorName, "Corvane");
    info.VendorNumber = 0x123;
    info.ProductNumber = 0xABCDEF01;
    info.RevisionNumber = 0x00010002;
    info.BaudRate_250 = 1;
    info.Granularity = 8;
    ASSERT_EQ(eds_SetDeviceInfo(h(), &info), kSuccess);

    EdsObjectRecord main{};
    ASSERT_EQ(eds_GetObject(h(), 0x1018, kMainEntry, &main), kSuccess);
    EXPECT_STREQ(main.ParameterName, "Identity Object");
    EXPECT_EQ(main.SubNumber, 4);
    EXPECT_EQ(main.Category, 1);
    EXPECT_EQ(DefaultOf(h(), 0x1018, 0), "3");
    EXPECT_EQ(DefaultOf(h(), 0x1018, 1), "0x00000123");
    EXPECT_EQ(DefaultOf(h(), 0x1018, 2), "0xABCDEF01");
    EXPECT_EQ(DefaultOf(h(), 0x1018, 3), "0x00010002");
    EXPECT_EQ(DefaultOf(h(), 0x1018, 4), "<missing>");

    EdsDeviceInfoRecord back{};
    ASSERT_EQ(eds_GetDeviceInfo(h(), &back), kSuccess);
    EXPECT_STREQ(back.VendorName, "Corvane");
    EXPECT_EQ(+back.ProductNumber, 0xABCDEF01u);
    EXPECT_EQ(back.BaudRate_250, 1);
    EXPECT_EQ(back.Granularity, 8);
}

TEST_F(SectionCalls, IdentityObjectValuesWinOverTheStoredSection) {
    EdsDeviceInfoRecord info{};
    info.VendorNumber = 1;
    info.ProductNumber = 2;
    info.RevisionNumber = 3;
    ASSERT_EQ(eds_SetDeviceInfo(h(), &info), kSuccess);
    EdsObjectRecord vendor{};
    ASSERT_EQ(eds_GetObject(h(), 0x1018, 1, &vendor), kSuccess);
    CopyText(vendor.DefaultValue, "0x00000099");
    ASSERT_EQ(eds_SetObject(h(), 0x1018, 1, &vendor), kSuccess);
    EdsDeviceInfoRecord back{};
    ASSERT_EQ(eds_GetDeviceInfo(h(), &back), kSuccess);
    EXPECT_EQ(+back.VendorNumber, 0x99u);
    EXPECT_EQ(+back.ProductNumber, 2u);
}

TEST_F(SectionCalls, CommissioningAndDeviceInfoKeepEachOthersIdentityEntries) {
    EdsDeviceComRecord com{};
    com.NodeId = 5;
    CopyText(com.NodeName, "node5");
    com.Baudrate = 500;
    com.LSS_SerialNumber = 0xCAFE;
    ASSERT_EQ(eds_SetDeviceCom(h(), &com), kSuccess);
    EXPECT_EQ(DefaultOf(h(), 0x1018, 4), "0x0000CAFE");

    EdsDeviceInfoRecord info{};
    info.VendorNumber = 0x11;
    info.ProductNumber = 0x22;
    info.RevisionNumber = 0x33;
    ASSERT_EQ(eds_SetDeviceInfo(h(), &info), kSuccess);
    EXPECT_EQ(DefaultOf(h(), 0x1018, 4), "0x0000CAFE");
    EXPECT_EQ(DefaultOf(h(), 0x1018, 0), "4");

    com.LSS_SerialNumber = 0xBEEF;
    ASSERT_EQ(eds_SetDeviceCom(h(), &com), kSuccess);
    EXPECT_EQ(DefaultOf(h(), 0x1018, 1), "0x00000011");
    EXPECT_EQ(DefaultOf(h(), 0x1018, 3), "0x00000033");

    EdsDeviceComRecord back{};
    ASSERT_EQ(eds_GetDeviceCom(h(), &back), kSuccess);
    EXPECT_EQ(back.NodeId, 5);
    EXPECT_STREQ(back.NodeName, "node5");
    EXPECT_EQ(+back.Baudrate, 500);
    EXPECT_EQ(+back.LSS_SerialNumber, 0xBEEFu);
}

TEST_F(SectionCalls, DummyUsageRoundTrips) {
    const EdsDummyUsageRecord usage{1, 0, 1, 1, 0, 0, 1};
    ASSERT_EQ(eds_SetDummyUsage(h(), &usage), kSuccess);
    EdsDummyUsageRecord back{};
    ASSERT_EQ(eds_GetDummyUsage(h(), &back), kSuccess);
    EXPECT_EQ(std::memcmp(&back, &usage, sizeof usage), 0);
}

TEST_F(SectionCalls, CommentsAreCutAtEveryKindOfLineBreak) {
    EXPECT_EQ(Comments(h()), "<null>");
    ASSERT_EQ(eds_SetComments(h(), "a\r\nb"), kSuccess);
    EXPECT_EQ(Comments(h()), "a\r\nb");
    ASSERT_EQ(eds_SetComments(h(), "one\rtwo\nthree\r\n\r\nfive  \r"), kSuccess);
    EXPECT_EQ(Comments(h()), "one\r\ntwo\r\nthree\r\n\r\nfive\r\n");
    ASSERT_EQ(eds_SetComments(h(), ""), kSuccess);
    EXPECT_EQ(Comments(h()), "");
    ASSERT_EQ(eds_SetComments(h(), nullptr), kSuccess);
    EXPECT_EQ(Comments(h()), "<null>");
}

TEST_F(SectionCalls, DataTypesAreNotImplemented) {
    EXPECT_EQ(eds_GetDataTypes(), kNotImplemented);
    EXPECT_EQ(eds_SetDataTypes(), kNotImplemented);
}

}  // namespace
}  // namespace api_test
