#include <gtest/gtest.h>

#include "CaseTrace.h"
#include "editor/document/CANoType.h"

namespace brenmoor {
namespace {

// Every block of 64 dynamic channel indexes: inputs first, then outputs, in
// one order of types; name, data type and access must agree on the block.
TEST(DynamicChannels, EachBlockOfSixtyFourIndexesHasOneTypeNameAndDirection) {
    const struct {
        const char* name;
        DataTypeCode type;
    } blocks[] = {
        {"integer8", kInteger8},     {"unsigned8", kUnsigned8},   {"boolean", kBoolean},
        {"integer16", kInteger16},   {"unsigned16", kUnsigned16}, {"integer24", kInteger24},
        {"unsigned24", kUnsigned24}, {"integer32", kInteger32},   {"unsigned32", kUnsigned32},
        {"float(32)", kReal32},      {"unsigned40", kUnsigned40}, {"integer40", kInteger40},
        {"unsigned48", kUnsigned48}, {"integer48", kInteger48},   {"unsigned56", kUnsigned56},
        {"integer56", kInteger56},   {"integer64", kInteger64},   {"unsigned64", kUnsigned64},
    };
    unsigned first = 0xA000;
    for (const char* direction : {"Inputs", "Outputs"}) {
        const AccessTypeCode entryAccess = std::string(direction) == "Inputs" ? kAccessRo : kAccessRww;
        for (const auto& block : blocks) {
            const unsigned last = first + 63;
            EXPECT_EQ(MainName(first), "1. dynamic " + std::string(block.name) + " " + direction) << At(first);
            EXPECT_EQ(MainName(last), "64. dynamic " + std::string(block.name) + " " + direction) << At(last);
            EXPECT_EQ(DataType(-1, first, 1), block.type) << At(first);
            EXPECT_EQ(DataType(-1, last, 254), block.type) << At(last);
            EXPECT_EQ(AccessType(first, 1), entryAccess) << At(first);
            EXPECT_EQ(AccessType(last, 254), entryAccess) << At(last);
            first = last + 1;
        }
    }
    EXPECT_EQ(first, 0xA900u);
}

}  // namespace
}  // namespace brenmoor
