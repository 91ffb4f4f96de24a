#include <gtest/gtest.h>

#include <string>

#include "support/PropSetTestIo.h"
#include "library/sections/EdsDummyUsage.h"

namespace vantor {
namespace {

using test::ReadSection;
using test::WriteSection;

TEST(DummyUsage, ReadsKeysInAnyCaseAndWritesAllSevenInOrder) {
    CEdsDummyUsage usage;
    ReadSection(usage, "dummy0005=1\r\nDUMMY0002=1\r\nDummy0010=1\r\n");
    EXPECT_EQ(WriteSection(usage, false),
              "[DummyUsage]\r\nDummy0001=0\r\nDummy0002=1\r\nDummy0003=0\r\nDummy0004=0\r\n"
              "Dummy0005=1\r\nDummy0006=0\r\nDummy0007=0\r\n\r\n");
    EXPECT_NE(WriteSection(usage, true).find("Dummy0007=0\r\nDummy0010=1\r\n\r\n"), std::string::npos);

    EdsDummyUsageRecord record;
    usage.ToRecord(record);
    const EdsDummyUsageRecord expected{0, 1, 0, 0, 1, 0, 0};
    EXPECT_TRUE(test::SameBytes(record, expected));
}

TEST(DummyUsage, RecordAndCompoundFileStreamKeepTheFlags) {
    CEdsDummyUsage saved, loaded;
    saved.FromRecord(EdsDummyUsageRecord{1, 0, 9, 0, 0, 1, 1});
    test::StoreAndLoad(saved, loaded);
    EdsDummyUsageRecord record;
    loaded.ToRecord(record);
    const EdsDummyUsageRecord expected{1, 0, 1, 0, 0, 1, 1};
    EXPECT_TRUE(test::SameBytes(record, expected));
}

}  // namespace
}  // namespace vantor
