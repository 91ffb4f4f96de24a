#include <gtest/gtest.h>

#include "CaseTrace.h"
#include "editor/document/CANoType.h"

namespace brenmoor {
namespace {

TEST(ObjectList, SplitsTheIndexAreasIntoCategories) {
    const struct {
        unsigned index;
        ObjectCategory category;
    } cases[] = {
        {0x0000, kCategoryNone},         {0x0FFF, kCategoryNone},         {0x1000, kCategoryMandatory},
        {0x1001, kCategoryMandatory},    {0x1002, kCategoryOptional},     {0x1017, kCategoryOptional},
        {0x1018, kCategoryMandatory},    {0x1019, kCategoryOptional},     {0x1FFF, kCategoryOptional},
        {0x2000, kCategoryManufacturer}, {0x5FFF, kCategoryManufacturer}, {0x6000, kCategoryOptional},
        {0xFFFF, kCategoryOptional},
    };
    for (const auto& c : cases) EXPECT_EQ(ObjectList(c.index), c.category) << At(c.index);
}

TEST(DataTypeBySize, PicksUnsignedTypesVisibleStringsAndDomains) {
    const struct {
        int bytes;
        DataTypeCode type;
    } cases[] = {
        {-1, kDomain},       {0, kTypeNone},       {1, kUnsigned8},  {2, kUnsigned16}, {3, kUnsigned24},
        {4, kUnsigned32},    {5, kUnsigned40},     {6, kUnsigned48}, {7, kUnsigned56}, {8, kUnsigned64},
        {9, kVisibleString}, {32, kVisibleString}, {33, kDomain},    {-100, kDomain},
    };
    for (const auto& c : cases) EXPECT_EQ(DataTypeBySize(c.bytes), c.type) << c.bytes << " bytes";
}

TEST(DataType, FollowsTheStandardAndFallsBackToTheSize) {
    const struct {
        int bytes;
        unsigned index;
        unsigned sub;
        DataTypeCode type;
    } cases[] = {
        {4, 0x0000, 0, kUnsigned32},  // index 0 asks for the size rule only
        {-1, 0x0001, 0, kBoolean},       {-1, 0x0017, 0, kTypeNone},        {-1, 0x001B, 255, kUnsigned64},
        {-1, 0x001C, 0, kDomain},        {-1, 0x0024, 0, kUnsigned8},       {-1, 0x0025, 1, kOctetString},
        {-1, 0x1023, 2, kUnsigned8},     {-1, 0x1025, 3, kOctetString},     {2, 0x1025, 4, kUnsigned16},
        {-1, 0x1000, 255, kUnsigned32},  {-1, 0x1001, 0, kUnsigned8},       {-1, 0x1004, 2, kUnsigned32},
        {-1, 0x1008, 0, kVisibleString}, {-1, 0x100A, 255, kVisibleString}, {-1, 0x100C, 0, kUnsigned16},
        {-1, 0x100F, 0, kUnsigned32},    {-1, 0x1017, 0, kUnsigned16},      {-1, 0x1003, 0, kUnsigned8},
        {-1, 0x1003, 254, kUnsigned32},  {2, 0x1003, 255, kUnsigned16},     {-1, 0x1010, 127, kUnsigned32},
        {1, 0x1016, 128, kUnsigned8},    {-1, 0x1028, 1, kUnsigned32},      {-1, 0x1018, 4, kUnsigned32},
        {2, 0x1018, 5, kUnsigned16},     {-1, 0x1020, 2, kUnsigned32},      {3, 0x1020, 3, kUnsigned24},
        {4, 0x1021, 0, kDomain},         {-1, 0x1022, 0, kUnsigned8},       {-1, 0x1024, 0, kUnsigned32},
        {-1, 0x1026, 254, kUnsigned8},   {-1, 0x1029, 0, kUnsigned8},       {-1, 0x1029, 255, kDomain},
        {-1, 0x1027, 0, kUnsigned8},     {-1, 0x1027, 1, kUnsigned16},      {-1, 0x1200, 0, kUnsigned8},
        {-1, 0x1200, 1, kUnsigned32},    {-1, 0x127F, 2, kUnsigned32},      {-1, 0x12FF, 3, kUnsigned8},
        {1, 0x12FF, 4, kUnsigned8},      {-1, 0x1400, 1, kDomain},  // no standard type for PDO entries
        {4, 0x1600, 1, kUnsigned32},     {3, 0x9FFF, 0, kUnsigned24},       {-1, 0xA000, 1, kInteger8},
        {-1, 0xA03F, 1, kInteger8},      {-1, 0xA040, 0, kUnsigned8},       {-1, 0xA080, 5, kBoolean},
        {-1, 0xA240, 1, kReal32},        {-1, 0xA440, 1, kUnsigned64},      {-1, 0xA47F, 255, kUnsigned64},
        {-1, 0xA480, 1, kInteger8},      {-1, 0xA6C0, 1, kReal32},          {-1, 0xA8C0, 1, kUnsigned64},
        {-1, 0xA8FF, 254, kUnsigned64},  {4, 0xA900, 1, kUnsigned32},
    };
    for (const auto& c : cases) EXPECT_EQ(DataType(c.bytes, c.index, c.sub), c.type) << At(c.index, c.sub);
}

TEST(ObjectType, TellsVariablesArraysAndRecordsOfTheCommunicationObjects) {
    const struct {
        unsigned index;
        unsigned sub;
        ObjectTypeCode type;
    } cases[] = {
        {0x1000, 255, kObjectVar},    {0x1002, 0, kObjectVar},      {0x1004, 255, kObjectNone},
        {0x1005, 255, kObjectVar},    {0x100D, 255, kObjectVar},    {0x100E, 255, kObjectNone},
        {0x1012, 255, kObjectVar},    {0x1015, 255, kObjectVar},    {0x1016, 255, kObjectArray},
        {0x1017, 255, kObjectVar},    {0x1003, 255, kObjectArray},  {0x1003, 300, kObjectArray},
        {0x1003, 254, kObjectVar},    {0x1003, 0, kObjectVar},      {0x1010, 128, kObjectArray},
        {0x1011, 127, kObjectVar},    {0x1016, 0, kObjectVar},      {0x1018, 255, kObjectRecord},
        {0x1018, 5, kObjectRecord},   {0x1018, 4, kObjectVar},      {0x1018, 0, kObjectVar},
        {0x11FF, 255, kObjectNone},   {0x1200, 255, kObjectRecord}, {0x1200, 0, kObjectVar},
        {0x12FF, 255, kObjectRecord}, {0x12FF, 254, kObjectVar},    {0x1300, 255, kObjectNone},
        {0x1400, 255, kObjectRecord}, {0x1400, 5, kObjectVar},      {0x1BFF, 255, kObjectRecord},
        {0x1BFF, 64, kObjectVar},     {0x1C00, 255, kObjectNone},   {0x2000, 255, kObjectNone},
        {0x6000, 0, kObjectNone},
    };
    for (const auto& c : cases) EXPECT_EQ(ObjectType(c.index, c.sub), c.type) << At(c.index, c.sub);
}

TEST(AccessType, IsReadOnlyAtSubIndexZeroAndReadWriteElseUnlessTheObjectSaysOtherwise) {
    const struct {
        unsigned index;
        unsigned sub;
        AccessTypeCode access;
    } cases[] = {
        {0x2000, 0, kAccessRo},      {0x2000, 1, kAccessRw},  {0x2000, 255, kAccessRw},  {0x0020, 0, kAccessRo},
        {0x1000, 255, kAccessRo},    {0x1002, 1, kAccessRo},  {0x1004, 2, kAccessRo},    {0x1018, 4, kAccessRo},
        {0x1027, 254, kAccessRo},    {0x1003, 0, kAccessRw},  {0x1003, 1, kAccessRo},    {0x1003, 254, kAccessRo},
        {0x1003, 255, kAccessRw},    {0x1005, 0, kAccessRw},  {0x1007, 255, kAccessRw},  {0x100B, 0, kAccessRo},
        {0x100E, 0, kAccessRw},      {0x100F, 0, kAccessRo},  {0x1017, 0, kAccessRw},    {0x1008, 0, kAccessConst},
        {0x100A, 255, kAccessConst}, {0x1024, 0, kAccessRo},  {0x1024, 1, kAccessWo},    {0x1024, 255, kAccessWo},
        {0x1024, 999, kAccessWo},    {0x1026, 0, kAccessRo},  {0x1026, 1, kAccessWo},    {0x1026, 3, kAccessRo},
        {0x1026, 4, kAccessRw},      {0x1200, 1, kAccessRo},  {0x1201, 0, kAccessRo},    {0x1201, 1, kAccessRw},
        {0x1400, 0, kAccessRo},      {0x15FF, 1, kAccessRw},  {0x1600, 0, kAccessRw},    {0x17FF, 255, kAccessRw},
        {0x1A00, 0, kAccessRw},      {0x1BFF, 64, kAccessRw}, {0x1C00, 0, kAccessRo},    {0x1F00, 0, kAccessWo},
        {0x1F01, 255, kAccessWo},    {0x1F02, 0, kAccessRo},  {0x1F03, 1, kAccessRo},    {0x1F06, 255, kAccessRo},
        {0x1F10, 0, kAccessRw},      {0x1F25, 0, kAccessRo},  {0x1F25, 128, kAccessWo},  {0x1F25, 129, kAccessRw},
        {0xA000, 0, kAccessRo},      {0xA000, 1, kAccessRo},  {0xA47F, 254, kAccessRo},  {0xA47F, 255, kAccessRw},
        {0xA480, 0, kAccessRo},      {0xA480, 1, kAccessRww}, {0xA8FF, 254, kAccessRww}, {0xA8FF, 255, kAccessRw},
        {0xA900, 1, kAccessRw},
    };
    for (const auto& c : cases) EXPECT_EQ(AccessType(c.index, c.sub), c.access) << At(c.index, c.sub);
}

TEST(PdoMapping, HoldsForTheOsPromptAndTheProfileAreaEntries) {
    const struct {
        unsigned index;
        unsigned sub;
        bool mappable;
    } cases[] = {
        {0x1026, 0, false},  {0x1026, 1, true},   {0x1026, 3, true},  {0x1026, 4, false},
        {0x1000, 1, false},  {0x5FFF, 1, false},  {0x6000, 0, false}, {0x6000, 1, true},
        {0x6000, 255, true}, {0xA000, 254, true}, {0xAFFF, 1, true},  {0xB000, 1, false},
    };
    for (const auto& c : cases) EXPECT_EQ(PdoMapping(c.index, c.sub), c.mappable) << At(c.index, c.sub);
}

TEST(EntryCount, GivesTheSubEntriesOfNewArraysAndRecords) {
    const struct {
        unsigned index;
        int count;
    } cases[] = {
        {0x1000, 0},  {0x1003, 3},  {0x1010, 2}, {0x1011, 2}, {0x1016, 2},  {0x1018, 4},  {0x11FF, 0},
        {0x1200, 3},  {0x127F, 3},  {0x1280, 4}, {0x12FF, 4}, {0x1300, 0},  {0x1400, 6},  {0x15FF, 6},
        {0x1600, 41}, {0x17FF, 41}, {0x1800, 6}, {0x19FF, 6}, {0x1A00, 41}, {0x1BFF, 41}, {0x1C00, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(EntryCount(c.index), c.count) << At(c.index);
}

}  // namespace
}  // namespace brenmoor
