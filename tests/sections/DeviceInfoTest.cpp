#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/PropSetTestIo.h"
#include "library/sections/EdsDeviceInfo.h"

namespace vantor {
namespace {

using test::ErrorLines;
using test::KeysOf;
using test::ReadSection;
using test::WriteSection;

// Keys spelled as real files spell them, format-1 keys and a key of no table.
constexpr std::string_view kDeviceInfoText =
    "Vendorname=Acme Devices\r\nProductName=Widget\r\nOrderCode=W-1\r\nPRODUCTNUMBER=0x4567\r\nProductVersion=2\r\nLMT_ProductName=WIDGET\r\n"
    "BaudRate_100=1\r\nbaudrate_1000=1\r\nSimpleBootupMaster=1\r\nExtendedBootUpSlave=1\r\n"
    "NrOfRxPDO=4\r\nNrOfTxPDO=-2\r\nCompactPDO=0x81\r\nVendor_Url=example\r\n";

TEST(DeviceInfo, ReadsKeysInAnyCaseAndWritesOnlyTheFormatTwoKeysInTableOrder) {
    CEdsDeviceInfo info;
    ASSERT_EQ(ReadSection(info, kDeviceInfoText), ERROR_SUCCESS);
    const std::vector<std::string> formatTwoKeys{
        "VendorName",    "VendorNumber",  "ProductName",        "ProductNumber",     "RevisionNumber",
        "OrderCode",     "BaudRate_10",   "BaudRate_20",        "BaudRate_50",       "BaudRate_125",
        "BaudRate_250",  "BaudRate_500",  "BaudRate_800",       "BaudRate_1000",     "SimpleBootUpMaster",
        "SimpleBootUpSlave", "Granularity", "DynamicChannelsSupported", "GroupMessaging", "LSS_Supported",
        "NrOfRXPDO",     "NrOfTXPDO",     "CompactPDO"};
    const std::string plain = WriteSection(info, false);
    EXPECT_EQ(KeysOf(plain), formatTwoKeys);
    for (const char* line : {"VendorName=Acme Devices", "ProductNumber=0x00004567", "BaudRate_1000=1",
                             "SimpleBootUpMaster=1", "Granularity=0x00", "NrOfRXPDO=4", "NrOfTXPDO=-2",
                             "CompactPDO=0x81"})
        EXPECT_NE(plain.find(std::string("\r\n") + line + "\r\n"), std::string::npos) << line;

    std::vector<std::string> allKeys = formatTwoKeys;
    allKeys.push_back("Vendor_Url");
    EXPECT_EQ(KeysOf(WriteSection(info, true)), allKeys);
    EXPECT_EQ(ErrorLines(info), "");

    EdsDeviceInfoRecord record;
    info.ToRecord(record);
    EXPECT_EQ(record.ProductVersion, 2) << "format-1 keys stay stored";
    EXPECT_STREQ(record.LMT_ProductName, "WIDGET");
    EXPECT_EQ(record.BaudRate_100, 1);
    EXPECT_EQ(record.ExtendedBootUpSlave, 1);
}

TEST(DeviceInfo, GranularityIsLimitedTo64) {
    struct Case {
        const char* text;
        uint8_t stored;
        const char* errors;
    };
    const Case cases[] = {
        {"Granularity=0x50\r\n", 64, "[Error] DeviceInfo: Granularity: overflow\r\n"},
        {"Granularity=64\r\n", 64, ""},
        {"Granularity=0x1FF\r\n", 64, "[Error] DeviceInfo: Granularity: overflow\r\n"},
        {"Granularity=8\r\nGranularity=many\r\n", 8, "[Error] DeviceInfo: Granularity: invalid data format\r\n"},
    };
    for (const Case& c : cases) {
        CEdsDeviceInfo info;
        ReadSection(info, c.text);
        EdsDeviceInfoRecord record;
        info.ToRecord(record);
        EXPECT_EQ(record.Granularity, c.stored) << c.text;
        EXPECT_EQ(ErrorLines(info), c.errors) << c.text;
    }
}

TEST(DeviceInfo, RecordComesBackAsSetAndLeavesCompactPDOAlone) {
    CEdsDeviceInfo source;
    ReadSection(source, kDeviceInfoText);
    EdsDeviceInfoRecord written, read;
    source.ToRecord(written);
    CEdsDeviceInfo info;
    info.SetCompactPDO(0x0F);
    info.FromRecord(written);
    test::Scribble(read);
    info.ToRecord(read);
    EXPECT_TRUE(test::SameBytes(read, written));
    EXPECT_EQ(info.CompactPDO(), 0x0F);
    EXPECT_EQ(info.NrOfTXPDO(), -2);

    written.BaudRate_250 = 5;
    written.Granularity = 200;
    info.FromRecord(written);
    info.ToRecord(read);
    EXPECT_EQ(read.BaudRate_250, 1) << "flags hold 0 or 1";
    EXPECT_EQ(read.Granularity, 64);

    const EdsDeviceInfoRecord zero{};
    test::Scribble(read);
    CEdsDeviceInfo().ToRecord(read);
    EXPECT_TRUE(test::SameBytes(read, zero));
}

TEST(DeviceInfo, CompoundFileStreamKeepsEveryKey) {
    CEdsDeviceInfo saved, loaded;
    ReadSection(saved, kDeviceInfoText);
    test::StoreAndLoad(saved, loaded);
    EdsDeviceInfoRecord before, after;
    saved.ToRecord(before);
    loaded.ToRecord(after);
    EXPECT_TRUE(test::SameBytes(before, after));
    EXPECT_EQ(loaded.CompactPDO(), 0x81);
    EXPECT_EQ(WriteSection(loaded, true), WriteSection(saved, true));
}

}  // namespace
}  // namespace vantor
