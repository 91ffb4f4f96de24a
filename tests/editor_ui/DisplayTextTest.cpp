#include <gtest/gtest.h>

#include "editor/ui/DisplayText.h"

namespace brenmoor {
namespace {

TEST(DisplayText, RecordTextsAreWindows1252) {
    EXPECT_EQ(FromRecordText("Gr\xF6\xDF" "e \x80 \x93x\x94"), QString::fromUtf8("Größe € “x”"));
    EXPECT_EQ(ToRecordText(QString::fromUtf8("Größe € “x”")), "Gr\xF6\xDF" "e \x80 \x93x\x94");
    EXPECT_EQ(ToRecordText(QString::fromUtf8("Ω")), "?");
    EXPECT_TRUE(FromRecordText("").isEmpty());
}

TEST(DisplayText, FormTextsAreCutToTheFieldAndAlwaysTerminated) {
    char field[6];
    std::memset(field, 'x', sizeof field);
    StoreFormText(field, QString::fromUtf8("€uro-Zone"));
    EXPECT_STREQ(field, "\x80uro-");
    EXPECT_EQ(FormText(field), QString::fromUtf8("€uro-"));

    StoreFormText(field, QString());
    EXPECT_STREQ(field, "");

    const char unterminated[3] = {'a', 'b', 'c'};
    EXPECT_EQ(FormText(unterminated), "abc");
}

}  // namespace
}  // namespace brenmoor
