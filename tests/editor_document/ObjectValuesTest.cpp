#include <gtest/gtest.h>

#include "CaseTrace.h"
#include "editor/document/CANoType.h"

namespace brenmoor {
namespace {

TEST(DefaultValue, FillsTheStandardObjectsOfANewDescription) {
    const struct {
        unsigned index;
        unsigned sub;
        const char* value;
    } cases[] = {
        {0x1000, 255, "0"},
        {0x1003, 0, ""},
        {0x1005, 0, "0x80000080"},
        {0x1008, 0, "manufacturer device name"},
        {0x100A, 255, "manufacturer software version"},
        {0x100B, 0, ""},
        {0x1012, 0, "0x100"},
        {0x1014, 0, "$NODEID+0x80"},
        {0x1017, 0, "0"},
        {0x1010, 0, "1"},
        {0x1011, 127, "0"},
        {0x1016, 128, ""},
        {0x1018, 0, "3"},
        {0x1018, 1, ""},
        {0x1200, 0, "2"},
        {0x1200, 1, "$NODEID+0x600"},
        {0x1200, 2, "$NODEID+0x580"},
        {0x1200, 3, ""},
        {0x1201, 0, "2"},
        {0x127F, 1, ""},
        {0x1280, 0, "3"},
        {0x12FF, 3, ""},
        {0x1400, 1, "$NODEID+0x200"},
        {0x1403, 1, "$NODEID+0x500"},
        {0x1403, 5, "0"},
        {0x1403, 6, ""},
        {0x1800, 1, "$NODEID+0x180"},
        {0x1803, 1, "$NODEID+0x480"},
        {0x1803, 2, "0"},
        {0x1404, 1, "0"},
        {0x15FF, 7, "0"},
        {0x15FF, 8, ""},
        {0x19FF, 1, "0"},
        {0x1600, 0, "0"},
        {0x17FF, 40, "0"},
        {0x1A00, 41, ""},
        {0x1BFF, 1, "0"},
        {0x1C00, 0, ""},
        {0x6000, 1, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DefaultValue(c.index, c.sub), c.value) << At(c.index, c.sub);
}

// Sub-index 0 of a new PDO parameter object must count the entries the object
// receives, within its own limits.
TEST(DefaultValue, CountsTheEntriesOfANewPdoParameterObject) {
    for (const unsigned index : {0x1400u, 0x1403u, 0x1404u, 0x14FFu, 0x15FFu, 0x1800u, 0x1803u, 0x19FFu}) {
        EXPECT_EQ(DefaultValue(index, 0), std::to_string(EntryCount(index) - 1)) << At(index);
    }
    for (const unsigned index : {0x1400u, 0x1404u, 0x14FFu, 0x1800u, 0x18FFu}) {
        const int count = std::stoi(DefaultValue(index, 0));
        EXPECT_GE(count, std::stoi(LowLimit(index, 0))) << At(index);
        EXPECT_LE(count, std::stoi(HighLimit(index, 0))) << At(index);
    }
}

TEST(Limits, BoundTheStandardEntries) {
    const struct {
        unsigned index;
        unsigned sub;
        const char* low;
        const char* high;
    } cases[] = {
        {0x1000, 0, "", ""},
        {0x1005, 255, "1", ""},
        {0x1010, 0, "1", "127"},
        {0x1011, 1, "", ""},
        {0x1012, 0, "1", "0xFFFFFFFF"},
        {0x1014, 255, "1", "0xFFFFFFFF"},
        {0x1016, 0, "1", ""},
        {0x1016, 1, "0", "0x007FFFFF"},
        {0x1016, 127, "0", "0x007FFFFF"},
        {0x1016, 128, "0", ""},
        {0x1016, 255, "0", ""},
        {0x1018, 0, "1", "4"},
        {0x1018, 1, "", ""},
        {0x1023, 0, "1", "3"},
        {0x1025, 0, "1", "3"},
        {0x1024, 0, "", ""},
        {0x1200, 0, "2", "2"},
        {0x1200, 1, "", ""},
        {0x1201, 0, "2", "3"},
        {0x127F, 0, "2", "3"},
        {0x1280, 0, "3", "3"},
        {0x12FF, 0, "3", "3"},
        {0x1201, 1, "1", "0xFFFFFFFF"},
        {0x12FF, 2, "1", "0xFFFFFFFF"},
        {0x12FF, 3, "1", "127"},
        {0x12FF, 4, "", ""},
        {0x1400, 0, "2", "5"},
        {0x14FF, 1, "1", "0xFFFFFFFF"},
        {0x14FF, 2, "", ""},
        {0x1500, 0, "", ""},
        {0x1800, 0, "2", "5"},
        {0x18FF, 1, "1", "0xFFFFFFFF"},
        {0x1900, 0, "", ""},
        {0x1600, 0, "0", "64"},
        {0x16FF, 0, "0", "64"},
        {0x16FF, 1, "", ""},
        {0x1700, 0, "", ""},
        {0x1A00, 0, "0", "64"},
        {0x1AFF, 0, "0", "64"},
        {0x1B00, 0, "", ""},
        {0x1F51, 0, "", ""},
        {0x1F51, 1, "0", "2"},
        {0x1F51, 2, "", "2"},
        {0x1F51, 254, "", "2"},
        {0x1F51, 255, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LowLimit(c.index, c.sub), c.low) << At(c.index, c.sub);
        EXPECT_EQ(HighLimit(c.index, c.sub), c.high) << At(c.index, c.sub);
    }
}

}  // namespace
}  // namespace brenmoor
