#include <gtest/gtest.h>

#include <string>

#include "support/PropSetTestIo.h"
#include "library/sections/EdsDeviceComissioning.h"

namespace vantor {
namespace {

using test::ErrorLines;
using test::ReadSection;
using test::WriteSection;

constexpr std::string_view kCommissioningText =
    "NodeID=0x05\r\nNodeName=Node5\r\nBaudRate=125\r\nNetNumber=1\r\nNetworkName=Line A\r\n"
    "LMT_SerialNumber=SN-1\r\nCANopenManager=1\r\nLSS_SerialNumber=0x1234\r\n";

TEST(DeviceComissioning, IsWrittenOnlyIntoConfigurationFiles) {
    CEdsDeviceComissioning com;
    ASSERT_EQ(ReadSection(com, kCommissioningText), ERROR_SUCCESS);
    EXPECT_EQ(WriteSection(com, false), "");
    EXPECT_EQ(WriteSection(com, true),
              "[DeviceComissioning]\r\nNodeId=0x05\r\nNodeName=Node5\r\nBaudrate=0x007D\r\n"
              "NetNumber=0x00000001\r\nNetworkName=Line A\r\nCANopenManager=1\r\nLSS_SerialNumber=0x00001234\r\n"
              "\r\n");
    EXPECT_EQ(ErrorLines(com), "");
    EdsDeviceComRecord record;
    com.ToRecord(record);
    EXPECT_STREQ(record.LMT_SerialNumber, "SN-1") << "stored though never written";
}

TEST(DeviceComissioning, NodeIdAndBitRateKeepOnlyValidValues) {
    struct Case {
        const char* text;
        uint8_t nodeId;
        uint16_t baudrate;
        const char* errors;
    };
    const Case cases[] = {
        {"NodeId=0x7F\r\nBaudrate=1000\r\n", 127, 1000, ""},
        {"NodeId=1\r\nBaudrate=10\r\n", 1, 10, ""},
        {"NodeId=0\r\n", 0, 0, "[Error] DeviceComissioning: NodeId: underflow\r\n"},
        {"NodeId=0x80\r\n", 0, 0, "[Error] DeviceComissioning: NodeId: overflow\r\n"},
        {"NodeId=0x1FF\r\n", 0, 0, "[Error] DeviceComissioning: NodeId: overflow\r\n"},
        {"Baudrate=0x7E\r\n", 0, 0, "[Error] DeviceComissioning: Baudrate: invalid data value\r\n"},
        {"Baudrate=0\r\n", 0, 0, "[Error] DeviceComissioning: Baudrate: invalid data value\r\n"},
        {"Baudrate=800\r\nBaudrate=fast\r\n", 0, 800,
         "[Error] DeviceComissioning: Baudrate: invalid data format\r\n"},
    };
    for (const Case& c : cases) {
        CEdsDeviceComissioning com;
        ReadSection(com, c.text);
        EdsDeviceComRecord record;
        com.ToRecord(record);
        EXPECT_EQ(record.NodeId, c.nodeId) << c.text;
        EXPECT_EQ(int{record.Baudrate}, c.baudrate) << c.text;
        EXPECT_EQ(ErrorLines(com), c.errors) << c.text;
    }
}

TEST(DeviceComissioning, RecordComesBackAsSetWithOutOfRangeValuesCleared) {
    EdsDeviceComRecord written{0x42, "Node", 500, 3, "Network", "12345678901234", 0xCAFE, 1};
    CEdsDeviceComissioning com;
    com.FromRecord(written);
    EdsDeviceComRecord read;
    test::Scribble(read);
    com.ToRecord(read);
    EXPECT_TRUE(test::SameBytes(read, written));

    written.NodeId = 200;
    written.Baudrate = 300;
    std::memset(written.NodeName, 'n', sizeof written.NodeName);
    com.FromRecord(written);
    com.ToRecord(read);
    EXPECT_EQ(read.NodeId, 0);
    EXPECT_EQ(int{read.Baudrate}, 0);
    EXPECT_STREQ(read.NodeName, "nnnnnnn");
}

TEST(DeviceComissioning, CompoundFileStreamKeepsEveryKey) {
    CEdsDeviceComissioning saved, loaded;
    ReadSection(saved, kCommissioningText);
    test::StoreAndLoad(saved, loaded);
    EdsDeviceComRecord before, after;
    saved.ToRecord(before);
    loaded.ToRecord(after);
    EXPECT_TRUE(test::SameBytes(before, after));
}

}  // namespace
}  // namespace vantor
