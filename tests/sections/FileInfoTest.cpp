#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/PropSetTestIo.h"
#include "library/sections/EdsFileInfo.h"

namespace vantor {
namespace {

using test::ErrorLines;
using test::ReadSection;
using test::WriteSection;

constexpr std::string_view kFileInfoText =
    "filename=DEVICE.EDS\r\nFileVersion=1\r\nFileRevision=2\r\nEDSVERSION=4.0\r\nDescription=A device\r\n"
    "CreationTime=09:30AM\r\nCreationDate=03-15-2021\r\nCreatedBy=Someone\r\nModificationTime=02:05PM\r\n"
    "ModificationDate=12-01-2022\r\nModifiedBy=Other\r\nLastEDS=OLD.EDS\r\nCustomer=ACME\r\n";

constexpr std::string_view kPlainKeys =
    "[FileInfo]\r\nEDSVersion=4.0\r\nFileName=DEVICE.EDS\r\nFileVersion=0x01\r\nFileRevision=0x02\r\n"
    "Description=A device\r\nCreationTime=09:30 AM\r\nCreationDate=03-15-2021\r\nCreatedBy=Someone\r\n"
    "ModificationTime=02:05 PM\r\nModificationDate=12-01-2022\r\nModifiedBy=Other\r\n";

TEST(FileInfo, WritesKeysInTableOrderAndConfigurationKeysOnlyWhenAllAreAsked) {
    CEdsFileInfo info;
    ASSERT_EQ(ReadSection(info, kFileInfoText), ERROR_SUCCESS);
    EXPECT_EQ(WriteSection(info, false), std::string(kPlainKeys) + "\r\n");
    EXPECT_EQ(WriteSection(info, true), std::string(kPlainKeys) + "LastEDS=OLD.EDS\r\nCustomer=ACME\r\n\r\n");
    EXPECT_EQ(ErrorLines(info), "");

    CEdsFileInfo fresh;
    EXPECT_EQ(WriteSection(fresh, true),
              "[FileInfo]\r\nEDSVersion=4.0\r\nFileVersion=0x00\r\nFileRevision=0x00\r\n"
              "CreationTime=12:00 AM\r\nCreationDate=12-30-1899\r\n"
              "ModificationTime=12:00 AM\r\nModificationDate=12-30-1899\r\n\r\n");
}

TEST(FileInfo, ExportSaysVersion4WithoutChangingTheStoredVersion) {
    CEdsFileInfo info;
    ReadSection(info, "EDSVersion=3.0\r\n");
    EXPECT_NE(WriteSection(info, false).find("\r\nEDSVersion=4.0\r\n"), std::string::npos);
    EXPECT_NE(WriteSection(info, false, kFormat1).find("\r\nEDSVersion=3.0\r\n"), std::string::npos);
    EdsFileInfoRecord record;
    info.ToRecord(record);
    EXPECT_STREQ(record.EDSVersion, "3.0");
}

TEST(FileInfo, LongPathAsFileNameKeepsAnEightThreeNameAndReportsIt) {
    CEdsFileInfo info;
    ReadSection(info, "FileName=C:\\DEVICES\\VERYLONGNAME.EDS\r\n");
    EdsFileInfoRecord record;
    info.ToRecord(record);
    EXPECT_STREQ(record.FileName, "VERYLONG.EDS");
    EXPECT_EQ(ErrorLines(info), "[Error] FileInfo: FileName: invalid data format\r\n");
}

EdsFileInfoRecord RecordOf(std::string_view text) {
    CEdsFileInfo info;
    ReadSection(info, text);
    EdsFileInfoRecord record;
    info.ToRecord(record);
    return record;
}

TEST(FileInfo, RecordComesBackAsSetAndToRecordClearsTheRest) {
    const EdsFileInfoRecord written = RecordOf(kFileInfoText);
    CEdsFileInfo info;
    info.FromRecord(written);
    EdsFileInfoRecord read;
    test::Scribble(read);
    info.ToRecord(read);
    EXPECT_TRUE(test::SameBytes(read, written));
    EXPECT_STREQ(read.LastEDS, "OLD.EDS");

    const EdsFileInfoRecord zero{};
    test::Scribble(read);
    CEdsFileInfo().ToRecord(read);
    EXPECT_TRUE(test::SameBytes(read, zero));
}

TEST(FileInfo, RecordTextsWithoutTerminatorAreCutAtTheirArray) {
    // LastEDS ends where the allocation ends: reading past it leaves the block.
    auto record = std::make_unique<EdsFileInfoRecord>(RecordOf(kFileInfoText));
    std::memset(record->Description, 'x', sizeof record->Description);
    std::memcpy(record->LastEDS, "ABCDEFGHIJKLM", sizeof record->LastEDS);
    CEdsFileInfo info;
    info.FromRecord(*record);
    EdsFileInfoRecord read;
    info.ToRecord(read);
    EXPECT_EQ(std::string(read.Description), std::string(255, 'x'));
    EXPECT_STREQ(read.LastEDS, "ABCDEFGH");
}

TEST(FileInfo, CompoundFileStreamKeepsEveryKey) {
    CEdsFileInfo saved, loaded;
    ReadSection(saved, kFileInfoText);
    test::StoreAndLoad(saved, loaded);
    EXPECT_EQ(WriteSection(loaded, true), WriteSection(saved, true));
}

}  // namespace
}  // namespace vantor
