#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/PropSetTestIo.h"
#include "library/sections/EdsDynamicChannels.h"

namespace vantor {
namespace {

using test::ReadSection;
using test::WriteSection;

constexpr DWORD kBadSegment = ERROR_INVALID_SEGMENT_NUMBER;

std::vector<uint16_t> SegmentNumbers(const CEdsDynamicChannels& channels) {
    BSTR list = reinterpret_cast<BSTR>(1);
    EXPECT_EQ(channels.GetAllSegments(list), ERROR_SUCCESS);
    std::vector<uint16_t> numbers(list, list + SysStringLen(list));
    SysFreeString(list);
    return numbers;
}

EdsDynSegmentRecord Segment(uint16_t type, uint16_t dir, uint16_t start, uint16_t end) {
    EdsDynSegmentRecord record{};
    record.Type = type;
    record.Dir = dir;
    record.RangeStart = start;
    record.RangeEnd = end;
    return record;
}

TEST(DynamicChannels, SegmentsAreRenumberedDenselyInSlotOrder) {
    CEdsDynamicChannels channels;
    ReadSection(channels,
                "NrOfSeg=9\r\ntype5=0x0007\r\nRange5=0x6000-0x60FF\r\nDIR5=rw\r\nppoffset5=16\r\nMaxcnt5=0x20\r\n"
                "Type3=0x0001\r\nDir3=ro\r\nPPOffset3=0x10,5\r\nRange3=0xA000 - 0xA0FF\r\n");
    EXPECT_EQ(SegmentNumbers(channels), (std::vector<uint16_t>{3, 5}));
    // Only RO, WO and RWW are written as directions; BOOLEAN segments add their bit offset.
    EXPECT_EQ(WriteSection(channels, false),
              "[DynamicChannels]\r\nNrOfSeg=2\r\n"
              ";----- BOOLEAN -----\r\n"
              "Type1=0x0001\r\nDir1=RO\r\nRange1=0xA000-0xA0FF\r\nPPOffset1=0x00000010,5\r\nMaxCnt1=0x00000000\r\n"
              ";----- UNSIGNED32 -----\r\n"
              "Type2=0x0007\r\nDir2=\r\nRange2=0x6000-0x60FF\r\nPPOffset2=0x00000010\r\nMaxCnt2=0x00000020\r\n"
              "\r\n");
}

TEST(DynamicChannels, ValuesAreReadIntoTheSlotOfTheirNumber) {
    struct Case {
        const char* text;
        EdsDynSegmentRecord expected;  // Type, Dir, range, PPOffset, bit offset, MaxCnt
    };
    const Case cases[] = {
        {"Dir4=rw\r\n", {0, 3, 0, 0, 0, 0, 0}},
        {"Dir4= RWW\r\n", {0, 5, 0, 0, 0, 0, 0}},
        {"Dir4=sideways\r\n", {0, 0, 0, 0, 0, 0, 0}},
        {"Type4=0x0006\r\nType4=junk\r\n", {6, 0, 0, 0, 0, 0, 0}},
        {"Range4=0x6000-0x60FF\r\nRange4=0x6000\r\n", {0, 0, 0, 0, 0, 0, 0}},
        {"Range4=0x6000-zz\r\n", {0, 0, 0, 0, 0, 0, 0}},
        {"PPOffset4=0x10,3\r\nPPOffset4=junk,4\r\n", {0, 0, 0, 0, 0, 0, 0}},
        {"PPOffset4=0x10,junk\r\n", {0, 0, 0, 0, 0x10, 0, 0}},
        {"MaxCnt0x4=0x100\r\n", {0, 0, 0, 0, 0, 0, 0x100}},
    };
    for (const Case& c : cases) {
        CEdsDynamicChannels channels;
        ReadSection(channels, c.text);
        EdsDynSegmentRecord read;
        EXPECT_EQ(channels.GetSegment(4, read), ERROR_SUCCESS) << c.text;
        EXPECT_TRUE(test::SameBytes(read, c.expected)) << c.text;
    }
}

TEST(DynamicChannels, SegmentKeysOutsideTheTableAreKeptAsTheyWereRead) {
    CEdsDynamicChannels channels;
    ReadSection(channels, "Dir0=RO\r\nDir600=RO\r\nDir=RO\r\nDir-3=RO\r\nComment=x\r\nType2=0x0005\r\n");
    EXPECT_EQ(SegmentNumbers(channels), std::vector<uint16_t>{2});
    const std::string plain = WriteSection(channels, false);
    EXPECT_EQ(plain.find("Dir0"), std::string::npos) << plain;
    const std::string all = WriteSection(channels, true);
    EXPECT_NE(all.find("MaxCnt1=0x00000000\r\nDir0=RO\r\nDir600=RO\r\nDir=RO\r\nDir-3=RO\r\nComment=x\r\n\r\n"),
              std::string::npos)
        << all;
}

TEST(DynamicChannels, TypesWithoutANameAreCommentedAsUnknown) {
    CEdsDynamicChannels channels;
    channels.AddSegment(1, Segment(0x001C, 5, 0, 0));
    channels.AddSegment(2, Segment(0x001B, 2, 0, 0));
    const std::string text = WriteSection(channels, false);
    EXPECT_NE(text.find(";----- UNKNOWN -----\r\nType1=0x001C\r\nDir1=RWW\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(";----- UNSIGNED64 -----\r\nType2=0x001B\r\nDir2=WO\r\n"), std::string::npos) << text;
}

TEST(DynamicChannels, EmptySectionHasNoCountAndListsAsNull) {
    CEdsDynamicChannels channels;
    BSTR list = reinterpret_cast<BSTR>(1);
    EXPECT_EQ(channels.GetAllSegments(list), ERROR_SUCCESS);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(WriteSection(channels, true), "[DynamicChannels]\r\n\r\n");
}

TEST(DynamicChannels, SegmentOperationsCheckTheNumberAndTheSlot) {
    CEdsDynamicChannels channels;
    const EdsDynSegmentRecord first = Segment(0x0005, 1, 0x6000, 0x60FF);
    const EdsDynSegmentRecord second = Segment(0x0006, 2, 0x7000, 0x70FF);
    const EdsDynSegmentRecord zero{};
    EdsDynSegmentRecord read = first;

    EXPECT_EQ(channels.AddSegment(0, first), ERROR_OUTOFMEMORY);
    EXPECT_EQ(channels.AddSegment(513, first), ERROR_OUTOFMEMORY);
    EXPECT_EQ(channels.GetSegment(0, read), kBadSegment);
    EXPECT_EQ(channels.GetSegment(513, read), kBadSegment);
    EXPECT_EQ(channels.SetSegment(513, first), kBadSegment);
    EXPECT_EQ(channels.RemoveSegment(513), ERROR_SUCCESS);
    EXPECT_EQ(channels.GetSegment(512, read), kBadSegment) << "a free slot";
    EXPECT_TRUE(test::SameBytes(read, zero));
    EXPECT_EQ(channels.SetSegment(512, first), kBadSegment) << "a free slot";

    EXPECT_EQ(channels.AddSegment(512, first), ERROR_SUCCESS);
    EXPECT_EQ(channels.AddSegment(1, first), ERROR_SUCCESS);
    EXPECT_EQ(channels.AddSegment(1, second), ERROR_SUCCESS) << "replaces";
    EXPECT_EQ(channels.SetSegment(512, second), ERROR_SUCCESS);
    for (const uint16_t number : {1, 512}) {
        EXPECT_EQ(channels.GetSegment(number, read), ERROR_SUCCESS);
        EXPECT_TRUE(test::SameBytes(read, second));
    }
    EXPECT_EQ(SegmentNumbers(channels), (std::vector<uint16_t>{1, 512}));

    EXPECT_EQ(channels.RemoveSegment(1), ERROR_SUCCESS);
    EXPECT_EQ(channels.GetSegment(1, read), kBadSegment);
    EXPECT_TRUE(test::SameBytes(read, zero));
    EXPECT_EQ(SegmentNumbers(channels), std::vector<uint16_t>{512});
}

TEST(DynamicChannels, CompoundFileStreamKeepsSegmentsAndUnknownEntries) {
    CEdsDynamicChannels saved, loaded;
    ReadSection(saved, "Type3=0x0001\r\nPPOffset3=0x10,5\r\nDir600=RO\r\n");
    EdsDynSegmentRecord last = Segment(0x0007, 5, 0x6000, 0x60FF);
    last.MaxCnt = 0x12345678;
    saved.AddSegment(512, last);
    test::StoreAndLoad(saved, loaded);
    EXPECT_EQ(SegmentNumbers(loaded), (std::vector<uint16_t>{3, 512}));
    EdsDynSegmentRecord read;
    EXPECT_EQ(loaded.GetSegment(512, read), ERROR_SUCCESS);
    EXPECT_TRUE(test::SameBytes(read, last));
    EXPECT_EQ(WriteSection(loaded, true), WriteSection(saved, true));
}

TEST(DynamicChannels, BinaryFormHoldsTheWholeTable) {
    CEdsDynamicChannels channels;
    channels.AddSegment(2, Segment(0x0005, 1, 0x6000, 0x60FF));
    CMemoryStream stream;
    ASSERT_EQ(channels.SaveStream(&stream), ERROR_SUCCESS);
    const std::string bytes = test::Content(stream);
    ASSERT_EQ(bytes.size(), 8 + CEdsDynamicChannels::kTableSize);
    EXPECT_EQ(bytes.substr(8 + 19, 7), std::string("\x01\x05\x00\x01\x00\x00\x60", 7)) << "slot 2: used, type, dir";

    // A stream cut inside the table is malformed.
    CMemoryStream cut;
    const uint32_t header[2] = {kPropSetMagic, 100};
    cut.Write(header, sizeof header);
    cut.Write(bytes.data() + 8, 100);
    cut.Seek(0, kSeekBegin);
    CEdsDynamicChannels loaded;
    EXPECT_EQ(loaded.LoadStream(&cut), ERROR_INVALID_DATA);
    EXPECT_EQ(SegmentNumbers(loaded), std::vector<uint16_t>{});
}

}  // namespace
}  // namespace vantor
