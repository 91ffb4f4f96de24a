#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "support/PropSetTestIo.h"
#include "library/dictionary/EdsObjs.h"

namespace vantor {
namespace {

using test::ErrorLines;
using test::ReadSection;
using test::StoreAndLoad;
using test::TextOf;
using test::WriteSection;

TEST(SubObject, ReadsKeysInAnyCaseAndWritesThemBackPerFileKind) {
    CEdsSubObject entry;
    entry.SetObjectName(0x1001, 0);
    ASSERT_EQ(ReadSection(entry,
                          "parametername=Error register\r\nAccessType= rw \r\nDATATYPE=0x0005\r\nDefaultValue=0\r\n"
                          "Denotation=Reg\r\nParameterValue=7\r\nSubNumber=2\r\nVendor=x\r\n"),
              ERROR_SUCCESS);

    const std::string known =
        "[1001sub0]\r\nParameterName=Error register\r\nObjectType=7\r\nAccessType=RW\r\nDataType=0x0005\r\n"
        "PDOMapping=0\r\nObjFlags=0x00000000\r\nDefaultValue=0\r\n";
    EXPECT_EQ(WriteSection(entry, false), known + "\r\n");
    EXPECT_EQ(WriteSection(entry, true),
              known + "ParameterValue=7\r\nDenotation=Reg\r\nSubNumber=2\r\nVendor=x\r\n\r\n");
    EXPECT_EQ(ErrorLines(entry), "");
}

struct CompletionCase {
    const char* text;
    uint8_t objectType;
    uint16_t dataType;
    uint8_t accessType;
};

TEST(SubObject, CompletionGivesEveryEntryAnObjectType) {
    const CompletionCase cases[] = {
        {"", 7, 0, 0xFF},
        {"ObjectType=3\r\n", 7, 0, 0xFF},
        {"ObjectType=2\r\n", 2, 0x000F, 3},
        {"ObjectType=0x2\r\nDataType=0x0007\r\nAccessType=ro\r\n", 2, 0x0007, 1},
        {"ObjectType=8\r\n", 8, 0, 0xFF},
    };
    for (const CompletionCase& c : cases) {
        CEdsSubObject entry;
        ASSERT_EQ(ReadSection(entry, c.text), ERROR_SUCCESS);
        EXPECT_EQ(entry.ObjectType(), c.objectType) << c.text;
        EXPECT_EQ(entry.DataType(), c.dataType) << c.text;
        EXPECT_EQ(entry.AccessType(), c.accessType) << c.text;
    }
}

struct ValueCase {
    std::string line;
    const char* key;
    const char* written;  // "<none>" when the key writes no line
    const char* error;    // the message of the error line, "" for none
};

TEST(SubObject, KeepsValidValuesAndReportsBadOnes) {
    const ValueCase cases[] = {
        {"DataType=0x025F", "DataType", "0x025F", ""},
        {"DataType=0x0260", "DataType", "<none>", "invalid data value"},
        {"ObjectType=3", "ObjectType", "7", "invalid data value"},
        {"ObjectType=2\r\nDataType=0x0260", "DataType", "0x000F", "invalid data value"},
        {"AccessType=readwrite", "AccessType", "<none>", "invalid data value"},
        {"AccessType=", "AccessType", "CONST", ""},
        {"PDOMapping=yes", "PDOMapping", "1", ""},
        {"ObjFlags=3", "ObjFlags", "0x00000003", ""},
        {"ParameterName=" + std::string(300, 'n'), "ParameterName", nullptr, "invalid data lenght"},
    };
    const std::string longName(255, 'n');
    for (const ValueCase& c : cases) {
        CEdsSubObject entry;
        entry.SetObjectName(0x2000, 0x1A);
        ASSERT_EQ(ReadSection(entry, c.line + "\r\n"), ERROR_SUCCESS);
        EXPECT_EQ(TextOf(entry, c.key), c.written ? c.written : longName) << c.line;
        const std::string expected =
            *c.error ? "[Error] 2000sub1A: " + std::string(c.key) + ": " + c.error + "\r\n" : "";
        EXPECT_EQ(ErrorLines(entry), expected) << c.line;
    }
}

TEST(MainObject, WritesOnlyItsHeaderKeysWhileItHasSubIndexes) {
    CEdsMainObject entry;
    entry.SetObjectName(0x1018);
    ASSERT_EQ(ReadSection(entry,
                          "SubNumber=3\r\nParameterName=Identity\r\nDataType=0x0007\r\nDefaultValue=5\r\n"
                          "AccessType=ro\r\nDenotation=Id\r\nCompactSubObj=2\r\nFoo=bar\r\n"),
              ERROR_SUCCESS);

    const std::string header =
        "[1018]\r\nSubNumber=0x03\r\nParameterName=Identity\r\nObjectType=7\r\nObjFlags=0x00000000\r\n";
    EXPECT_EQ(WriteSection(entry, false), header + "\r\n");
    EXPECT_EQ(WriteSection(entry, true), header + "Foo=bar\r\n\r\n");

    // Without sub-indexes every key but SubNumber is written, in the usual
    // order, and CompactSubObj still is not.
    entry.SetSubNumber(0);
    const std::string plain =
        "[1018]\r\nParameterName=Identity\r\nObjectType=7\r\nAccessType=RO\r\nDataType=0x0007\r\nPDOMapping=0\r\n"
        "ObjFlags=0x00000000\r\nDefaultValue=5\r\n";
    EXPECT_EQ(WriteSection(entry, false), plain + "\r\n");
    EXPECT_EQ(WriteSection(entry, true), plain + "Denotation=Id\r\nFoo=bar\r\n\r\n");
    EXPECT_EQ(entry.CompactSubObj(), 2);
}

TEST(ObjectEntries, SurviveTheirStream) {
    CEdsMainObject main;
    ASSERT_EQ(ReadSection(main,
                          "ParameterName=Temp\r\nObjectType=8\r\nDataType=0x0007\r\nCompactSubObj=3\r\n"
                          "UploadFile=up.bin\r\nExtra=1\r\n"),
              ERROR_SUCCESS);
    CEdsMainObject loadedMain;
    StoreAndLoad(main, loadedMain);
    EXPECT_EQ(WriteSection(loadedMain, true), WriteSection(main, true));
    EXPECT_EQ(loadedMain.CompactSubObj(), 3);

    CEdsSubObject sub;
    ASSERT_EQ(ReadSection(sub, "ParameterName=Value\r\nObjectType=2\r\nObjFlags=0x1\r\nSubNumber=4\r\n"),
              ERROR_SUCCESS);
    CEdsSubObject loadedSub;
    StoreAndLoad(sub, loadedSub);
    EXPECT_EQ(WriteSection(loadedSub, true), WriteSection(sub, true));
    // Not a key of a sub-index entry: kept as an unknown entry.
    std::optional<std::string> subNumber;
    EXPECT_EQ(loadedSub.GetTextByKey("SubNumber", subNumber), ERROR_INVALID_PARAMETER);
    EXPECT_NE(WriteSection(loadedSub, true).find("\r\nSubNumber=4\r\n"), std::string::npos);
}

EdsObjectRecord FullRecord() {
    EdsObjectRecord record{};
    std::strcpy(record.ParameterName, "Speed");
    record.ObjectType = 7;
    record.AccessType = 4;
    record.DataType = 0x0006;
    record.PDOMapping = 1;
    record.ObjFlags = 0x80000003;
    std::strcpy(record.LowLimit, "0");
    std::strcpy(record.HighLimit, "0x7FFF");
    std::strcpy(record.DefaultValue, "100");
    std::strcpy(record.ParameterValue, "150");
    std::strcpy(record.UploadFile, "u.bin");
    std::strcpy(record.DownloadFile, "d.bin");
    std::strcpy(record.Denotation, "fan");
    return record;
}

TEST(ObjectRecord, SubObjectCarriesEveryKey) {
    const EdsObjectRecord record = FullRecord();
    CEdsSubObject entry;
    entry.FromRecord(record);
    EdsObjectRecord back;
    std::memset(&back, 0xA5, sizeof back);
    entry.ToRecord(back);
    EXPECT_EQ(std::memcmp(&back, &record, sizeof record), 0);
}

TEST(ObjectRecord, MainObjectCarriesValueKeysOnlyWithoutSubIndexes) {
    EdsObjectRecord record = FullRecord();
    CEdsMainObject entry;
    entry.SetCompactSubObj(5);
    entry.FromRecord(record);
    EdsObjectRecord back;
    entry.ToRecord(back);
    EXPECT_EQ(std::memcmp(&back, &record, sizeof record), 0);
    EXPECT_EQ(entry.CompactSubObj(), 5);

    record.SubNumber = 3;
    entry.FromRecord(record);
    entry.ToRecord(back);
    EdsObjectRecord expected{};
    expected.SubNumber = 3;
    std::strcpy(expected.ParameterName, "Speed");
    expected.ObjectType = 7;
    expected.ObjFlags = 0x80000003;
    std::strcpy(expected.Denotation, "fan");
    EXPECT_EQ(std::memcmp(&back, &expected, sizeof expected), 0);
}

TEST(ObjectRecord, OutOfRangeCodesBecomeUnset) {
    EdsObjectRecord record = FullRecord();
    record.ObjectType = 3;
    record.AccessType = 6;
    record.DataType = 0x0260;
    record.PDOMapping = 2;
    CEdsSubObject entry;
    entry.FromRecord(record);
    entry.Notify(NotifyPhase::BeforeSave);
    EXPECT_EQ(entry.ObjectType(), 7);
    EXPECT_EQ(entry.AccessType(), 0xFF);
    EXPECT_EQ(entry.DataType(), 0);
    EXPECT_TRUE(entry.PDOMapping());
}

TEST(ObjectRecord, UnterminatedTextIsCutAtTheArrayEnd) {
    // On the heap, so that a read past Denotation, the last array, is caught.
    auto record = std::make_unique<EdsObjectRecord>(FullRecord());
    std::memset(record->ParameterName, 'p', sizeof record->ParameterName);
    std::memset(record->Denotation, 'd', sizeof record->Denotation);
    CEdsSubObject entry;
    entry.FromRecord(*record);
    EXPECT_EQ(TextOf(entry, "ParameterName"), std::string(255, 'p'));
    EXPECT_EQ(TextOf(entry, "Denotation"), std::string(255, 'd'));
    EXPECT_EQ(TextOf(entry, "ObjectType"), "7");
}

}  // namespace
}  // namespace vantor
