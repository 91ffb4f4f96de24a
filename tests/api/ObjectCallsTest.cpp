// The object, link and dynamic segment exports over a real description.
#include <cstring>
#include <string>

#include "DescriptionFixture.h"

namespace api_test {
namespace {

using ObjectCalls = DescriptionTest;
using SegmentCalls = DescriptionTest;

std::vector<uint16_t> AllObjects(EdsHandle h) {
    EdsNumberList all = nullptr;
    EXPECT_EQ(eds_GetAllObjects(h, &all), kSuccess);
    EXPECT_NE(all, nullptr);
    return TakeList(all);
}

TEST_F(ObjectCalls, ANewDescriptionListsNoObjectsInAnEmptyBlock) {
    EdsNumberList all = nullptr;
    ASSERT_EQ(eds_GetAllObjects(h(), &all), kSuccess);
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(SysStringLen(all), 0u);
    SysFreeString(all);
}

TEST_F(ObjectCalls, MainAndSubEntriesAreAddedReadChangedAndRemoved) {
    EdsObjectRecord main = ObjectRecord("Gains", 9, 0, 0, "", 2);
    ASSERT_EQ(eds_AddObject(h(), 0x2000, kMainEntry, &main), kSuccess);
    EdsObjectRecord sub = ObjectRecord("P gain", 7, 3, 0x0006, "100");
    ASSERT_EQ(eds_AddObject(h(), 0x2000, 0, &sub), kSuccess);
    ASSERT_EQ(eds_AddObject(h(), 0x2000, 2, &sub), kSuccess);
    EXPECT_EQ(AllObjects(h()), std::vector<uint16_t>{0x2000});

    EdsObjectRecord back{};
    ASSERT_EQ(eds_GetObject(h(), 0x2000, kMainEntry, &back), kSuccess);
    EXPECT_EQ(back.Category, 2);
    EXPECT_EQ(back.SubNumber, 2);
    EXPECT_EQ(back.ObjectType, 9);
    std::string presence(255, '0');
    presence[0] = presence[2] = '1';
    EXPECT_EQ(back.DefaultValue, presence);
    EXPECT_EQ(eds_GetObject(h(), 0x2000, 1, &back), kNotFound);
    ASSERT_EQ(eds_GetObject(h(), 0x2000, 2, &back), kSuccess);
    EXPECT_STREQ(back.ParameterName, "P gain");
    EXPECT_EQ(back.Category, 2);

    sub = ObjectRecord("I gain", 7, 3, 0x0006, "7");
    ASSERT_EQ(eds_SetObject(h(), 0x2000, 2, &sub), kSuccess);
    ASSERT_EQ(eds_GetObject(h(), 0x2000, 2, &back), kSuccess);
    EXPECT_STREQ(back.ParameterName, "I gain");
    EXPECT_STREQ(back.DefaultValue, "7");
    EXPECT_EQ(eds_SetObject(h(), 0x2000, 3, &sub), kNotFound);

    ASSERT_EQ(eds_RemObject(h(), 0x2000, 2), kSuccess);
    EXPECT_EQ(eds_GetObject(h(), 0x2000, 2, &back), kNotFound);
    ASSERT_EQ(eds_RemObject(h(), 0x2000, kMainEntry), kSuccess);
    EXPECT_TRUE(AllObjects(h()).empty());
    EXPECT_EQ(eds_GetObject(h(), 0x2000, kMainEntry, &back), kNotFound);
}

TEST_F(ObjectCalls, SubIndexWidthsDifferBetweenGetAndTheChangingCalls) {
    EdsObjectRecord main = ObjectRecord("Wide", 7, 1, 0x0007, "", 3);
    // 0x1FF is above 254 as 16 bits: the main entry.
    ASSERT_EQ(eds_AddObject(h(), 0x2001, 0x1FF, &main), kSuccess);
    EdsObjectRecord back{};
    // Get reads only the low 8 bits: 0x1FF is 0xFF, the main entry, and 0x100 is sub-index 0.
    ASSERT_EQ(eds_GetObject(h(), 0x2001, 0x1FF, &back), kSuccess);
    EXPECT_STREQ(back.ParameterName, "Wide");
    EXPECT_EQ(eds_GetObject(h(), 0x2001, 0x100, &back), kNotFound);
    // The index is read as 16 bits.
    ASSERT_EQ(eds_GetObject(h(), 0x12001, kMainEntry, &back), kSuccess);
    ASSERT_EQ(eds_RemObject(h(), 0x2001, 0x1FF), kSuccess);
    EXPECT_TRUE(AllObjects(h()).empty());
}

TEST_F(ObjectCalls, AddingAMainEntryAfterItsSubEntriesDropsThem) {
    EdsObjectRecord sub = ObjectRecord("Vendor ID", 7, 1, 0x0007, "0x1");
    ASSERT_EQ(eds_AddObject(h(), 0x1018, 1, &sub), kSuccess);
    ASSERT_EQ(eds_AddObject(h(), 0x1018, 2, &sub), kSuccess);
    EdsObjectRecord main = ObjectRecord("Identity Object", 9, 0, 0, "", 1);
    ASSERT_EQ(eds_AddObject(h(), 0x1018, kMainEntry, &main), kSuccess);
    EdsObjectRecord back{};
    ASSERT_EQ(eds_GetObject(h(), 0x1018, kMainEntry, &back), kSuccess);
    EXPECT_EQ(back.SubNumber, 0);
    EXPECT_EQ(eds_GetObject(h(), 0x1018, 1, &back), kNotFound);
}

TEST_F(ObjectCalls, RemovingAMissingMainEntryDependsOnItsArea) {
    EXPECT_EQ(eds_RemObject(h(), 0x3000, kMainEntry), kNotFound);
    EdsObjectRecord main = ObjectRecord("Neighbour", 7, 1, 0x0007);
    ASSERT_EQ(eds_AddObject(h(), 0x3001, kMainEntry, &main), kSuccess);
    EXPECT_EQ(eds_RemObject(h(), 0x3000, kMainEntry), kSuccess);
    EXPECT_EQ(AllObjects(h()), std::vector<uint16_t>{0x3001});
}

TEST_F(ObjectCalls, UnterminatedTextsAndOutOfRangeCodesAreAccepted) {
    EdsObjectRecord record = ObjectRecord("", 7, 1, 0x0007);
    std::memset(record.ParameterName, 'n', sizeof record.ParameterName);
    std::memset(record.Denotation, 'z', sizeof record.Denotation);
    record.AccessType = 9;
    ASSERT_EQ(eds_AddObject(h(), 0x2002, kMainEntry, &record), kSuccess);
    EdsObjectRecord back{};
    ASSERT_EQ(eds_GetObject(h(), 0x2002, kMainEntry, &back), kSuccess);
    EXPECT_EQ(std::string(back.ParameterName), std::string(255, 'n'));
    EXPECT_EQ(std::string(back.Denotation), std::string(255, 'z'));
    EXPECT_EQ(back.AccessType, 0xFF);
}

TEST_F(ObjectCalls, LinksAreReplacedReadAndClearedOnFailure) {
    EdsObjectRecord main = ObjectRecord("Linked", 7, 1, 0x0007);
    ASSERT_EQ(eds_AddObject(h(), 0x2003, kMainEntry, &main), kSuccess);
    EdsNumberList links = MakeList({0x1A00, 0x1600, 0x2003});
    ASSERT_EQ(eds_SetObjectLinks(h(), 0x2003, links), kSuccess);
    // The caller keeps its block: it is still valid after the call.
    EXPECT_EQ(SysStringLen(links), 3u);
    SysFreeString(links);
    EdsNumberList back = nullptr;
    ASSERT_EQ(eds_GetObjectLinks(h(), 0x2003, &back), kSuccess);
    EXPECT_EQ(TakeList(back), (std::vector<uint16_t>{0x1A00, 0x1600, 0x2003}));

    ASSERT_EQ(eds_SetObjectLinks(h(), 0x2003, nullptr), kSuccess);
    back = nullptr;
    ASSERT_EQ(eds_GetObjectLinks(h(), 0x2003, &back), kSuccess);
    EXPECT_TRUE(TakeList(back).empty());

    back = MakeList({1});
    EdsNumberList callersBlock = back;
    EXPECT_NE(eds_GetObjectLinks(h(), 0x4000, &back), kSuccess);
    EXPECT_EQ(back, nullptr);
    SysFreeString(callersBlock);
}

TEST_F(SegmentCalls, NumbersOutsideOneTo512GetTheirCodes) {
    const EdsDynSegmentRecord record{0x0005, 3, 0xA000, 0xA0FF, 16, 0, 8};
    EXPECT_EQ(eds_AddDynSegment(h(), 0, &record), kOutOfMemory);
    EXPECT_EQ(eds_AddDynSegment(h(), 513, &record), kOutOfMemory);
    EdsDynSegmentRecord back{};
    EXPECT_EQ(eds_GetDynSegment(h(), 513, &back), kBadSegment);
    EXPECT_EQ(eds_SetDynSegment(h(), 0, &record), kBadSegment);
    EXPECT_EQ(eds_RemDynSegment(h(), 513), kSuccess);
    EdsNumberList segments = reinterpret_cast<EdsNumberList>(&back);
    ASSERT_EQ(eds_GetAllDynSegments(h(), &segments), kSuccess);
    EXPECT_EQ(segments, nullptr);
}

TEST_F(SegmentCalls, SegmentsAreStoredReadChangedAndRemoved) {
    const EdsDynSegmentRecord first{0x0005, 3, 0xA000, 0xA0FF, 16, 0, 8};
    const EdsDynSegmentRecord second{0x0001, 1, 0xA100, 0xA1FF, 32, 3, 4};
    ASSERT_EQ(eds_AddDynSegment(h(), 512, &first), kSuccess);
    ASSERT_EQ(eds_AddDynSegment(h(), 1, &second), kSuccess);
    EdsNumberList segments = nullptr;
    ASSERT_EQ(eds_GetAllDynSegments(h(), &segments), kSuccess);
    EXPECT_EQ(TakeList(segments), (std::vector<uint16_t>{1, 512}));

    EdsDynSegmentRecord back{};
    std::memset(&back, 0x77, sizeof back);
    EXPECT_EQ(eds_GetDynSegment(h(), 2, &back), kBadSegment);
    EXPECT_EQ(+back.Type, 0);
    EXPECT_EQ(+back.MaxCnt, 0u);
    EXPECT_EQ(eds_SetDynSegment(h(), 2, &first), kBadSegment);
    ASSERT_EQ(eds_SetDynSegment(h(), 1, &first), kSuccess);
    ASSERT_EQ(eds_GetDynSegment(h(), 1, &back), kSuccess);
    EXPECT_EQ(std::memcmp(&back, &first, sizeof back), 0);

    ASSERT_EQ(eds_RemDynSegment(h(), 512), kSuccess);
    ASSERT_EQ(eds_RemDynSegment(h(), 1), kSuccess);
    segments = nullptr;
    ASSERT_EQ(eds_GetAllDynSegments(h(), &segments), kSuccess);
    EXPECT_EQ(segments, nullptr);
}

}  // namespace
}  // namespace api_test
