#include <gtest/gtest.h>

#include <string>

#include "DictTestSupport.h"
#include "library/dictionary/EdsAreaStg.h"
#include "library/dictionary/EdsObjectMap.h"

namespace vantor {
namespace {

using test::Content;
using test::Record;
using test::Text;

class AreaTest : public ::testing::Test {
protected:
    void SetUp() override {
        storage_ = test::SubStorage(files_.Compound(), u"$20");
        ASSERT_EQ(area_.InitNew(storage_.Get()), S_OK);
    }

    test::TempFiles files_;
    ComPtr<IStorage> storage_;
    CEdsAreaStg area_{0x20};
};

TEST_F(AreaTest, KeepsOneObjectOpenAcrossCallsOnTheSameIndex) {
    ASSERT_EQ(area_.AddRecord(0x2001, 0xFF, Record("One")), S_OK);
    ASSERT_EQ(area_.AddRecord(0x2002, 0xFF, Record("Two")), S_OK);
    EXPECT_EQ(area_.ServedIndex(), 0x2002);
    EdsObjectRecord record;
    ASSERT_EQ(area_.GetRecord(0x2001, 0xFF, record), S_OK);
    EXPECT_EQ(area_.ServedIndex(), 0x2001);
    ASSERT_EQ(area_.SetRecord(0x2001, 0xFF, Record("Uno")), S_OK);
    ASSERT_EQ(area_.GetRecord(0x2001, 0xFF, record), S_OK);
    EXPECT_EQ(Text(record.ParameterName), "Uno");
    ASSERT_EQ(area_.Save(), S_OK);
    EXPECT_EQ(area_.ServedIndex(), CEdsObjStg::kNoIndex);
    EXPECT_EQ(area_.SaveCompleted(), S_OK);
}

TEST_F(AreaTest, AddingAMainEntryStartsTheObjectAfresh) {
    ASSERT_EQ(area_.AddRecord(0x2003, 3, Record("Three")), S_OK);
    EdsObjectRecord main;
    ASSERT_EQ(area_.GetRecord(0x2003, 0xFF, main), S_OK);
    EXPECT_EQ(main.SubNumber, 1);
    EXPECT_EQ(main.ObjectType, 7);

    ASSERT_EQ(area_.AddRecord(0x2003, 0x1FF, Record("Main")), S_OK);
    ASSERT_EQ(area_.GetRecord(0x2003, 0xFF, main), S_OK);
    EXPECT_EQ(main.SubNumber, 0);
    EdsObjectRecord sub;
    EXPECT_EQ(area_.GetRecord(0x2003, 3, sub), STG_E_FILENOTFOUND);
}

TEST_F(AreaTest, RemovingAnObjectTwiceSucceeds) {
    ASSERT_EQ(area_.AddRecord(0x2004, 0xFF, Record("Four")), S_OK);
    EXPECT_EQ(area_.RemoveRecord(0x2004, 1), STG_E_FILENOTFOUND);
    EXPECT_EQ(area_.RemoveRecord(0x2004, 0xFF), S_OK);
    EXPECT_EQ(area_.RemoveRecord(0x2004, 0xFF), S_OK);
    EdsObjectRecord record;
    EXPECT_EQ(area_.GetRecord(0x2004, 0xFF, record), STG_E_FILENOTFOUND);
}

TEST_F(AreaTest, ExportsInAscendingIndexOrder) {
    for (uint16_t index : {0x2005, 0x2001, 0x2003}) ASSERT_EQ(area_.AddRecord(index, 0xFF, Record("X")), S_OK);
    CMemoryStream text;
    CMemoryStream errors;
    ASSERT_EQ(area_.ExportArea(&text, &errors, false), S_OK);
    const std::string written = Content(text);
    EXPECT_LT(written.find("[2001]"), written.find("[2003]"));
    EXPECT_LT(written.find("[2003]"), written.find("[2005]"));
    EXPECT_NE(written.find("[2005]"), std::string::npos);
}

TEST_F(AreaTest, ElementNamesThatDoNotRoundTripAreNotObjects) {
    ASSERT_EQ(area_.AddRecord(0x2001, 0xFF, Record("X")), S_OK);
    for (const std::u16string name : {u"$1", u"$010", u"$1FF", u"$0a"}) test::SubStorage(storage_.Get(), name);
    std::array<bool, 256> present{};
    ASSERT_EQ(area_.EnumerateObjects(present), S_OK);
    EXPECT_EQ(std::count(present.begin(), present.end(), true), 1);
    EXPECT_TRUE(present[1]);
}

TEST(ObjectMapTest, KeepsSupportedObjectsAsReadUntilAMemberChanges) {
    CEdsObjectMap map("MandatoryObjects");
    ASSERT_EQ(test::ReadSection(map, "SupportedObjects=5\r\n1=0x1000\r\n2=0x1001\r\n"), ERROR_SUCCESS);
    EXPECT_EQ(map.Count(), 2);
    EXPECT_EQ(test::WriteSection(map, false),
              "[MandatoryObjects]\r\nSupportedObjects=0x0005\r\n1=0x1000\r\n2=0x1001\r\n\r\n");
    CEdsObjectMap loaded("MandatoryObjects");
    test::StoreAndLoad(map, loaded);
    EXPECT_EQ(loaded.SupportedObjects(), 5);
    EXPECT_TRUE(loaded.IsMember(0x1001));

    map.SetMember(0x1018, true);
    EXPECT_EQ(test::WriteSection(map, false),
              "[MandatoryObjects]\r\nSupportedObjects=0x0003\r\n1=0x1000\r\n2=0x1001\r\n3=0x1018\r\n\r\n");
    map.SetMember(0x1000, false);
    map.SetMember(0x1000, false);
    EXPECT_EQ(map.Count(), 2);
    EXPECT_FALSE(map.IsMember(0x11000));
}

TEST(ObjectMapTest, RepeatedMembersCountOnceAndAMissingCountIsTheMemberCount) {
    CEdsObjectMap map("OptionalObjects");
    ASSERT_EQ(test::ReadSection(map, "7=0x1000\r\n9=0x1000\r\nObjectMap=0x2000\r\n"), ERROR_SUCCESS);
    EXPECT_EQ(map.Count(), 1);
    EXPECT_EQ(test::WriteSection(map, true),
              "[OptionalObjects]\r\nSupportedObjects=0x0001\r\n1=0x1000\r\nObjectMap=0x2000\r\n\r\n");
    const test::Bstr members(map.MembersToArray());
    EXPECT_EQ(test::Units(members.get()), std::u16string(1, 0x1000));
}

}  // namespace
}  // namespace vantor
