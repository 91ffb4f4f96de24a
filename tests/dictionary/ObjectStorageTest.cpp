#include <gtest/gtest.h>

#include <string>

#include "DictTestSupport.h"
#include "library/dictionary/EdsObjStg.h"

namespace vantor {
namespace {

using test::Content;
using test::Record;
using test::Text;
using test::TextStream;

class ObjectStorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        storage_ = test::SubStorage(files_.Compound(), u"$00");
        object_.SetIndex(0x2000);
        ASSERT_EQ(object_.InitNew(storage_.Get()), S_OK);
    }

    HRESULT Read(uint16_t code, std::string_view text, int subindex = -1) {
        auto reader = TextStream(text);
        return object_.ReadSection(code, 0, &log_, reader.get(), subindex);
    }

    EdsObjectRecord Get(uint8_t sub) {
        EdsObjectRecord record;
        EXPECT_EQ(object_.GetEntry(sub, record), S_OK) << "sub-index " << int(sub);
        return record;
    }

    test::TempFiles files_;
    ComPtr<IStorage> storage_;
    CEdsObjStg object_;
    CMemoryStream log_;
};

TEST_F(ObjectStorageTest, NewObjectHasAnEmptyVarMainEntry) {
    const EdsObjectRecord main = Get(CEdsObjStg::kMainEntry);
    EXPECT_EQ(main.ObjectType, 7);
    EXPECT_EQ(main.SubNumber, 0);
    EXPECT_EQ(Text(main.ParameterName), "");
    EXPECT_EQ(Text(main.DefaultValue), "");
}

TEST_F(ObjectStorageTest, MainEntryReportsPresentSubIndexesAndKeepsItsValueKeys) {
    EdsObjectRecord main = Record("Main", 0, "0x12");
    main.AccessType = 1;
    ASSERT_EQ(object_.SetEntry(CEdsObjStg::kMainEntry, main), S_OK);
    EXPECT_EQ(Text(Get(CEdsObjStg::kMainEntry).DefaultValue), "0x12");

    for (uint8_t sub : {0, 1, 5}) ASSERT_EQ(object_.AddEntry(sub, Record("Sub")), S_OK);
    EdsObjectRecord withSubs = Get(CEdsObjStg::kMainEntry);
    EXPECT_EQ(withSubs.SubNumber, 3);
    std::string map(255, '0');
    map[0] = map[1] = map[5] = '1';
    EXPECT_EQ(Text(withSubs.DefaultValue), map);

    // Writing back what was read renames the object but keeps its own value keys.
    StoreRecordText(withSubs.ParameterName, "Renamed");
    ASSERT_EQ(object_.SetEntry(CEdsObjStg::kMainEntry, withSubs), S_OK);
    ASSERT_EQ(object_.RemoveEntry(0), S_OK);
    ASSERT_EQ(object_.RemoveEntry(1), S_OK);
    ASSERT_EQ(object_.RemoveEntry(5), S_OK);
    const EdsObjectRecord alone = Get(CEdsObjStg::kMainEntry);
    EXPECT_EQ(Text(alone.ParameterName), "Renamed");
    EXPECT_EQ(Text(alone.DefaultValue), "0x12");
    EXPECT_EQ(alone.AccessType, 1);
}

TEST_F(ObjectStorageTest, SetNeedsAnExistingEntryWhileAddCreatesIt) {
    EXPECT_EQ(object_.SetEntry(3, Record("Three")), STG_E_FILENOTFOUND);
    EdsObjectRecord record;
    EXPECT_EQ(object_.GetEntry(3, record), STG_E_FILENOTFOUND);
    ASSERT_EQ(object_.AddEntry(3, Record("Three", 0, "7")), S_OK);
    EXPECT_EQ(Text(Get(3).DefaultValue), "7");
}

TEST_F(ObjectStorageTest, CompactMainSectionExpandsIntoSubIndexes) {
    ASSERT_EQ(Read(SectionCode::MainObject,
                   "ParameterName=Temp\r\nObjectType=8\r\nDataType=0x0007\r\nAccessType=rw\r\n"
                   "LowLimit=1\r\nHighLimit=9\r\nDefaultValue=5\r\nCompactSubObj=3\r\n"),
              S_OK);
    const EdsObjectRecord count = Get(0);
    EXPECT_EQ(Text(count.ParameterName), "NrOfObjects");
    EXPECT_EQ(count.DataType, 5);
    EXPECT_EQ(count.AccessType, 1);
    EXPECT_EQ(Text(count.DefaultValue), "3");
    for (uint8_t sub = 1; sub <= 3; ++sub) {
        const EdsObjectRecord entry = Get(sub);
        EXPECT_EQ(Text(entry.ParameterName), "Temp" + std::to_string(sub));
        EXPECT_EQ(entry.DataType, 7);
        EXPECT_EQ(entry.AccessType, 3);
        EXPECT_EQ(Text(entry.LowLimit), "1");
        EXPECT_EQ(Text(entry.HighLimit), "9");
        EXPECT_EQ(Text(entry.DefaultValue), "5");
    }
    std::unique_ptr<CEdsObjectEntry> main;
    ASSERT_EQ(object_.OpenEntry(CEdsObjStg::kMainEntry, main), S_OK);
    EXPECT_EQ(static_cast<CEdsMainObject&>(*main).SubNumber(), 4);
    EXPECT_EQ(static_cast<CEdsMainObject&>(*main).CompactSubObj(), 0);
}

TEST_F(ObjectStorageTest, CompactNamesWaitForTheirMainSectionAndThenDisappear) {
    ASSERT_EQ(Read(SectionCode::CompactNames, "NrOfEntries=3\r\n1=Alpha\r\n3=Gamma%d\r\n7=Seven\r\n"), S_OK);
    ASSERT_EQ(Read(SectionCode::CompactValues, "NrOfEntries=1\r\n2=0x22\r\n"), S_OK);
    std::unique_ptr<CEdsPropSet> list;
    EXPECT_EQ(object_.OpenList(SectionCode::CompactNames, list), S_OK);

    ASSERT_EQ(Read(SectionCode::MainObject, "ParameterName=Raw\r\nObjectType=8\r\nCompactSubObj=3\r\n"), S_OK);
    EXPECT_EQ(Text(Get(1).ParameterName), "Alpha");
    EXPECT_EQ(Text(Get(2).ParameterName), "Raw2");
    EXPECT_EQ(Text(Get(2).DefaultValue), "0x22");
    EXPECT_EQ(Text(Get(3).ParameterName), "Gamma%d");
    EXPECT_EQ(Text(Get(0).ParameterName), "NrOfObjects");
    EdsObjectRecord none;
    EXPECT_EQ(object_.GetEntry(7, none), STG_E_FILENOTFOUND);
    EXPECT_EQ(object_.OpenList(SectionCode::CompactNames, list), STG_E_FILENOTFOUND);
    EXPECT_EQ(object_.OpenList(SectionCode::CompactValues, list), STG_E_FILENOTFOUND);
}

TEST_F(ObjectStorageTest, SubIndexFFSectionIsSkippedWithAnErrorLine) {
    ASSERT_EQ(object_.SetEntry(CEdsObjStg::kMainEntry, Record("Main")), S_OK);
    EXPECT_EQ(Read(SectionCode::SubObject, "ParameterName=Bad\r\n", 0xFF), S_OK);
    EXPECT_EQ(Text(Get(CEdsObjStg::kMainEntry).ParameterName), "Main");
    EXPECT_NE(Content(log_).find("2000subFF"), std::string::npos);
}

TEST_F(ObjectStorageTest, BadObjectTypeTextIsAnInvalidValue) {
    ASSERT_EQ(Read(SectionCode::SubObject, "ObjectType=var\r\nDataType=\r\n", 1), S_OK);
    EXPECT_EQ(Content(log_),
              "[Error] 2000sub1: ObjectType: invalid data value\r\n[Error] 2000sub1: DataType: invalid data value\r\n");
}

TEST_F(ObjectStorageTest, ExportWritesMainSubIndexesInOrderAndLinks) {
    ASSERT_EQ(object_.SetEntry(CEdsObjStg::kMainEntry, Record("Rec", 0, "", 9)), S_OK);
    for (uint8_t sub : {2, 0, 1}) ASSERT_EQ(object_.AddEntry(sub, Record("S" + std::to_string(sub))), S_OK);
    const OLECHAR links[] = {0x2100};
    const test::Bstr array(SysAllocStringLen(links, 1));
    ASSERT_EQ(object_.SetLinks(array.get()), S_OK);

    CMemoryStream text;
    ASSERT_EQ(object_.ExportObject(&text, &log_, false), S_OK);
    const std::string written = Content(text);
    const auto at = [&](const char* header) { return written.find(header); };
    EXPECT_NE(written.find("[2000]\r\nSubNumber=0x03\r\nParameterName=Rec\r\n"), std::string::npos);
    EXPECT_LT(at("[2000]"), at("[2000sub0]"));
    EXPECT_LT(at("[2000sub0]"), at("[2000sub1]"));
    EXPECT_LT(at("[2000sub1]"), at("[2000sub2]"));
    EXPECT_LT(at("[2000sub2]"), at("[2000ObjectLinks]"));
    EXPECT_NE(written.find("1=0x2100"), std::string::npos);
    EXPECT_EQ(Content(log_), "");
}

TEST_F(ObjectStorageTest, ExportGoesOnAfterACorruptSubIndex) {
    for (uint8_t sub : {0, 1, 2}) ASSERT_EQ(object_.AddEntry(sub, Record("S")), S_OK);
    test::TempFiles::NewStream(storage_.Get(), u"$01", "garbage");
    CMemoryStream text;
    // What could be loaded is still written.
    EXPECT_EQ(object_.ExportObject(&text, &log_, false), S_OK);
    EXPECT_EQ(Content(log_), "Invalid sub object data: 2000sub01 (Code 0x0000000D)\r\n");
    EXPECT_NE(Content(text).find("[2000sub2]"), std::string::npos);
}

TEST_F(ObjectStorageTest, UnreadableLinksAreReportedAndTheObjectIsStillWritten) {
    ASSERT_EQ(object_.AddEntry(0, Record("S")), S_OK);
    test::TempFiles::NewStream(storage_.Get(), u"ObjectLinks", "bad");
    CMemoryStream text;
    EXPECT_EQ(object_.ExportObject(&text, &log_, false), S_OK);
    EXPECT_EQ(Content(log_), "Invalid object links: 2000 (Code 0x0000000D)\r\n");
    EXPECT_NE(Content(text).find("[2000sub0]"), std::string::npos);
    EXPECT_EQ(Content(text).find("ObjectLinks]"), std::string::npos);
}

TEST_F(ObjectStorageTest, LinksOfAnObjectWithoutThemAreNull) {
    BSTR links = SysAllocStringLen(u"x", 1);
    const BSTR stale = links;
    EXPECT_EQ(object_.GetLinks(links), STG_E_FILENOTFOUND);
    EXPECT_EQ(links, nullptr);
    SysFreeString(stale);
}

}  // namespace
}  // namespace vantor
