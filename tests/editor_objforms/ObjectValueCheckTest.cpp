#include <gtest/gtest.h>

#include "editor/document/CodeTables.h"
#include "editor/ui/CopObjectForm.h"
#include "editor/ui/DisplayText.h"
#include "editor/ui/ObjectValueCheck.h"

namespace brenmoor {
namespace {

TEST(ObjectValueCheck, IntegersAreExactlyOneNumberOfTheirType) {
    for (const char* text : {"", "  ", "5", " 5 ", "-128", "127", "0x7F", "0xFF", "+3"})
        EXPECT_TRUE(IsValueText(kInteger8, QString::fromLatin1(text))) << text;
    for (const char* text : {"1.5", "5 6", "5x", "--1", "+-1", "128", "-129", "0x100", "1,0", "five"})
        EXPECT_FALSE(IsValueText(kInteger8, QString::fromLatin1(text))) << text;
    EXPECT_FALSE(IsValueText(kUnsigned8, QStringLiteral("-1")));
    EXPECT_TRUE(IsValueText(kUnsigned64, QStringLiteral("18446744073709551615")));
    EXPECT_FALSE(IsValueText(kUnsigned32, QStringLiteral("4294967296")));
    EXPECT_TRUE(IsValueText(kBoolean, QStringLiteral("1")));
    EXPECT_FALSE(IsValueText(kBoolean, QStringLiteral("2")));
}

TEST(ObjectValueCheck, NodeRelativeValuesCheckTheirNumberAlone) {
    EXPECT_TRUE(IsValueText(kUnsigned32, QStringLiteral("$NODEID+0x180")));
    EXPECT_TRUE(IsValueText(kUnsigned32, QStringLiteral("0x180+$nodeid")));
    EXPECT_TRUE(IsValueText(kUnsigned32, QStringLiteral("$NodeId + 384")));
    EXPECT_FALSE(IsValueText(kUnsigned32, QStringLiteral("$NODEID+1.5")));
    EXPECT_FALSE(IsValueText(kUnsigned32, QStringLiteral("$NODEID")));
    EXPECT_FALSE(IsValueText(kReal32, QStringLiteral("$NODEID+1")));
}

TEST(ObjectValueCheck, RealsTakeOneDecimalSeparator) {
    for (const char* text : {"1.5", "1,5", "-0.25", ".5", "3", "1e3"})
        EXPECT_TRUE(IsValueText(kReal64, QString::fromLatin1(text))) << text;
    for (const char* text : {"1.5.2", "1 5", "1.5-", "x"}) EXPECT_FALSE(IsValueText(kReal32, QString::fromLatin1(text))) << text;
}

TEST(ObjectValueCheck, TextTypesTakeAnything) {
    EXPECT_TRUE(IsValueText(kVisibleString, QStringLiteral("1.5 and more")));
    EXPECT_TRUE(IsValueText(kDomain, QStringLiteral("-")));
}

TEST(ObjectValueCheck, PlainLimitsAndDefaultsAreOrdered) {
    EXPECT_EQ(CheckValueTexts(kInteger16, "-5", "5", "0"), ValueFault::None);
    EXPECT_EQ(CheckValueTexts(kInteger16, "5", "-5", ""), ValueFault::HighLimit);
    EXPECT_EQ(CheckValueTexts(kInteger16, "0", "", "-1"), ValueFault::DefaultValue);
    EXPECT_EQ(CheckValueTexts(kInteger16, "", "10", "11"), ValueFault::DefaultValue);
    EXPECT_EQ(CheckValueTexts(kInteger16, "x", "10", "11"), ValueFault::LowLimit);
    EXPECT_EQ(CheckValueTexts(kInteger8, "0", "0xFF", "-1"), ValueFault::HighLimit);
    EXPECT_EQ(CheckValueTexts(kUnsigned32, "0x200", "0x300", "$NODEID+0x1000"), ValueFault::None);
    EXPECT_EQ(FaultFieldName(ValueFault::DefaultValue), "Default Value");
}

TEST(ObjectValueCheck, RecordsNeedTypesThatFitTheirStructure) {
    EdsObjectRecord record{};
    record.ObjectType = kObjectVar;
    EXPECT_EQ(CheckObjectRecord(record, RecordRole::SubIndex), ValueFault::AccessType);
    record.AccessType = kAccessRo;
    EXPECT_EQ(CheckObjectRecord(record, RecordRole::SubIndex), ValueFault::DataType);
    record.DataType = kUnsigned8;
    EXPECT_EQ(CheckObjectRecord(record, RecordRole::SubIndex), ValueFault::None);

    EdsObjectRecord main{};
    main.ObjectType = kObjectArray;
    EXPECT_EQ(CheckObjectRecord(main, RecordRole::MainEntry), ValueFault::ObjectType);
    main.SubNumber = 2;
    StoreFormText(main.DefaultValue, QStringLiteral("110"));
    EXPECT_EQ(CheckObjectRecord(main, RecordRole::MainEntry), ValueFault::None);
    main.ObjectType = kObjectDomain;
    EXPECT_EQ(CheckObjectRecord(main, RecordRole::MainEntry), ValueFault::ObjectType);
}

TEST(SubIndexCount, FollowsOnlyAValueThatWasTheHighestSubIndex) {
    EXPECT_EQ(FollowedCount("3", 3, 4), "4");
    EXPECT_EQ(FollowedCount("0x03", 3, 2), "0x02");
    EXPECT_EQ(FollowedCount("0x0a", 10, 11), "0x0b");
    EXPECT_EQ(FollowedCount("0", 0, 1), "1");
    EXPECT_FALSE(FollowedCount("5", 3, 4));
    EXPECT_FALSE(FollowedCount("$NODEID+3", 3, 4));
    EXPECT_FALSE(FollowedCount("", 3, 4));
    EXPECT_EQ(HighestPresentSub(QStringLiteral("1101000")), 3);
    EXPECT_EQ(HighestPresentSub(QStringLiteral("000")), -1);
}

}  // namespace
}  // namespace brenmoor
