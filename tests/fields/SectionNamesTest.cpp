// What a section name stands for, and where a storage object hands it.
#include <gtest/gtest.h>

#include <string>

#include "library/fields/EdsPers.h"
#include "library/storage/Streams.h"

namespace vantor::test {
namespace {

struct NameCase {
    const char* name;
    uint16_t code;
    uint16_t index;
    int subindex;
};

std::ostream& operator<<(std::ostream& out, const NameCase& c) { return out << '"' << c.name << '"'; }

class ClassifySectionTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ClassifySectionTest, CodeIndexAndSubindex) {
    const NameCase& c = GetParam();
    const SectionClass section = CPersistEds::ClassifySection(c.name);
    EXPECT_EQ(section.code, c.code);
    EXPECT_EQ(section.index, c.index);
    EXPECT_EQ(section.subindex, c.subindex);
}

constexpr uint16_t kUnknown = SectionCode::Unknown;

INSTANTIATE_TEST_SUITE_P(Names, ClassifySectionTest, ::testing::Values(
    NameCase{"1000", SectionCode::MainObject, 0x1000, -1},
    NameCase{"1000sub1A", SectionCode::SubObject, 0x1000, 0x1A},
    NameCase{"1A00SUB0", SectionCode::SubObject, 0x1A00, 0},
    NameCase{"1000ObjectLinks", SectionCode::ObjectLinks, 0x1000, -1},
    NameCase{"1000name", SectionCode::CompactNames, 0x1000, -1},
    NameCase{"1000Value", SectionCode::CompactValues, 0x1000, -1},
    NameCase{"1000Denotation", SectionCode::CompactDenotations, 0x1000, -1},
    NameCase{"a0fFDENOTATION", SectionCode::CompactDenotations, 0xA0FF, -1},
    NameCase{"1018 Identity", SectionCode::MainObject, 0x1018, -1},
    NameCase{"0x1018", SectionCode::MainObject, 0x1018, -1},
    NameCase{"$1018", SectionCode::MainObject, 0x1018, -1},
    NameCase{"01018", SectionCode::MainObject, 0x1018, -1},
    NameCase{"100", SectionCode::MainObject, 0x0100, -1},
    NameCase{" 0x1sub1", SectionCode::SubObject, 0x0001, 1},
    NameCase{"1000sub100", kUnknown, 0, -1},
    NameCase{"1000sub", kUnknown, 0, -1},
    NameCase{"10000", kUnknown, 0, -1},
    NameCase{"1000Names", kUnknown, 0, -1},
    NameCase{"100sub1", kUnknown, 0, -1},
    NameCase{"0x1sub1", kUnknown, 0, -1},
    NameCase{"-1018", kUnknown, 0, -1},
    NameCase{"", kUnknown, 0, -1},
    NameCase{"fileinfo", SectionCode::FileInfo, 0, -1},
    NameCase{"DeviceInfo", SectionCode::DeviceInfo, 0, -1},
    NameCase{"COMMENTS", SectionCode::Comments, 0, -1},
    NameCase{"DeviceComissioning", SectionCode::DeviceComissioning, 0, -1},
    NameCase{"OptionalObjects", SectionCode::OptionalObjects, 0, -1},
    NameCase{"FileInfo2", kUnknown, 0, -1}));

class CRecordingStorage : public CPersistEds {
public:
    HRESULT ReadUnknownSection(std::string_view name, CStream* reader, CStream* log) override {
        calls += "unknown " + std::string(name) + Streams(reader, log);
        return S_FALSE;
    }
    HRESULT ReadSection(uint16_t code, uint16_t index, CStream* log, CStream* reader, int subindex) override {
        calls += "section " + std::to_string(code) + " " + std::to_string(index) + " " + std::to_string(subindex) +
                 Streams(reader, log);
        return static_cast<HRESULT>(code);
    }

    CStream reader;
    CStream log;
    std::string calls;

private:
    std::string Streams(CStream* r, CStream* l) const {
        return std::string(r == &reader ? " r" : " ?") + (l == &log ? "l;" : "?;");
    }
};

TEST(SectionDispatchTest, SectionsGoToTheirSlots) {
    CRecordingStorage storage;
    EXPECT_EQ(storage.DispatchSection("Tools", &storage.reader, &storage.log), S_FALSE);
    EXPECT_EQ(storage.DispatchSection("1018sub3", &storage.reader, &storage.log), SectionCode::SubObject);
    EXPECT_EQ(storage.DispatchSection("FileInfo", &storage.reader, &storage.log), SectionCode::FileInfo);
    EXPECT_EQ(storage.ReadSectionDirect(SectionCode::MainObject, 0x2000, &storage.log, &storage.reader, -1),
              SectionCode::MainObject);
    EXPECT_EQ(storage.calls, "unknown Tools rl;section 12 4120 3 rl;section 0 0 -1 rl;section 11 8192 -1 rl;");

    CPersistEds base;
    EXPECT_EQ(base.DispatchSection("Tools", nullptr, nullptr), S_OK);
    EXPECT_EQ(base.DispatchSection("1000", nullptr, nullptr), E_NOTIMPL);
}

}  // namespace
}  // namespace vantor::test
