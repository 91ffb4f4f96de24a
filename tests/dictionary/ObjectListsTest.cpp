#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/PropSetTestIo.h"
#include "library/dictionary/EdsLists.h"

namespace vantor {
namespace {

using test::ReadSection;
using test::StoreAndLoad;
using test::TextOf;
using test::WriteSection;
using Lines = std::vector<std::string>;

struct BstrDeleter {
    void operator()(OLECHAR* text) const { SysFreeString(text); }
};
using Bstr = std::unique_ptr<OLECHAR, BstrDeleter>;

std::u16string Units(const Bstr& links) { return {links.get(), SysStringLen(links.get())}; }

TEST(ObjectLinks, KeepsLinkLinesAsReadAndOtherLinesAsUnknownEntries) {
    CEdsObjLinks links;
    links.SetName("2000ObjectLinks");
    ASSERT_EQ(ReadSection(links, "objectlinks=2\r\n1=0x2100\r\n2 = 8449\r\n3=0x10000\r\nNext=0x2100\r\nLinkList=5\r\n"),
              ERROR_SUCCESS);

    EXPECT_EQ(links.Lines(), (Lines{"1=0x2100", "2= 8449"}));
    const std::string known = "[2000ObjectLinks]\r\nObjectLinks=0x0002\r\n1=0x2100\r\n2= 8449\r\n";
    EXPECT_EQ(WriteSection(links, false), known + "\r\n");
    EXPECT_EQ(WriteSection(links, true), known + "3=0x10000\r\nNext=0x2100\r\n\r\n");

    const Bstr array(links.LinksToArray());
    ASSERT_TRUE(array);
    EXPECT_EQ(Units(array), (std::u16string{0x2100, 0x2101}));
}

TEST(ObjectLinks, CountFollowsTheLinesWhateverTheCountLineSaid) {
    CEdsObjLinks links;
    ASSERT_EQ(ReadSection(links, "1=0x2100\r\nObjectLinks=7\r\n"), ERROR_SUCCESS);
    EXPECT_EQ(links.Count(), 1);
    EXPECT_EQ(TextOf(links, "OBJECTLINKS"), "0x0001");
}

TEST(ObjectLinks, ArrayRoundTrip) {
    const std::vector<std::u16string> arrays = {u"", std::u16string{0x2100, 0x2100}, std::u16string{0x0001, 0xFFFF}};
    for (const std::u16string& units : arrays) {
        CEdsObjLinks links;
        ASSERT_EQ(links.LinksFromArray(nullptr), ERROR_SUCCESS);
        const Bstr given(SysAllocStringLen(units.data(), static_cast<UINT>(units.size())));
        ASSERT_EQ(links.LinksFromArray(given.get()), ERROR_SUCCESS);
        EXPECT_EQ(links.Count(), units.size());
        const Bstr back(links.LinksToArray());
        ASSERT_TRUE(back);
        EXPECT_EQ(Units(back), units);
    }

    CEdsObjLinks duplicates;
    const Bstr twice(SysAllocStringLen(std::u16string{0x2100, 0x2100}.data(), 2));
    ASSERT_EQ(duplicates.LinksFromArray(twice.get()), ERROR_SUCCESS);
    EXPECT_EQ(duplicates.Lines(), (Lines{"1=0x2100", "2=0x2100"}));
}

TEST(ObjectLinks, LinesWithoutANumberLeaveZeroUnitsAtTheEnd) {
    CEdsObjLinks links;
    const Bstr given(SysAllocStringLen(std::u16string{0x2100, 0x2200, 0x2300}.data(), 3));
    ASSERT_EQ(links.LinksFromArray(given.get()), ERROR_SUCCESS);
    ASSERT_EQ(links.SetLink("2", "damaged"), ERROR_SUCCESS);
    const Bstr back(links.LinksToArray());
    EXPECT_EQ(Units(back), (std::u16string{0x2100, 0x2300, 0}));

    ASSERT_EQ(links.SetLink("2", ""), ERROR_SUCCESS);
    EXPECT_EQ(links.Count(), 2);
}

TEST(ObjectLinks, SurviveTheirStream) {
    CEdsObjLinks links;
    ASSERT_EQ(ReadSection(links, "ObjectLinks=2\r\n1=0x2100\r\n2=8449\r\nNote=kept\r\n"), ERROR_SUCCESS);
    CEdsObjLinks loaded;
    StoreAndLoad(links, loaded);
    EXPECT_EQ(loaded.Lines(), links.Lines());
    EXPECT_EQ(loaded.Count(), 2);
    EXPECT_EQ(WriteSection(loaded, true), WriteSection(links, true));
}

TEST(StringList, ReadsNumberedLinesAndLooksThemUpByName) {
    CEdsStringList names;
    names.SetName("SubNames");
    ASSERT_EQ(ReadSection(names, "NrOfEntries=9\r\n01=Other\r\n2=Temp B\r\n0x3=\r\nLabel=x\r\nELEMENTLIST=zzz\r\n"),
              ERROR_SUCCESS);

    EXPECT_EQ(names.Lines(), (Lines{"01=Other", "2=Temp B", "0x3="}));
    const std::string known = "[SubNames]\r\nNrOfEntries=3\r\n01=Other\r\n2=Temp B\r\n0x3=\r\n";
    EXPECT_EQ(WriteSection(names, false), known + "\r\n");
    EXPECT_EQ(WriteSection(names, true), known + "Label=x\r\n\r\n");

    EXPECT_EQ(TextOf(names, "01"), "Other");
    EXPECT_EQ(TextOf(names, "1"), "<none>");
    EXPECT_EQ(TextOf(names, "2"), "Temp B");
    EXPECT_EQ(TextOf(names, "0X3"), "<none>");  // empty value
    EXPECT_EQ(TextOf(names, "NrOfEntries"), "<none>");
}

TEST(StringList, SetValueReplacesAppendsAndRemovesLines) {
    CEdsStringList values;
    ASSERT_EQ(ReadSection(values, "1=10\r\n2=20\r\n"), ERROR_SUCCESS);
    EXPECT_EQ(values.SetTextByKey("2", "22"), ERROR_SUCCESS);
    EXPECT_EQ(values.SetTextByKey("5", "50"), ERROR_SUCCESS);
    EXPECT_EQ(values.SetTextByKey("1", ""), ERROR_SUCCESS);
    EXPECT_EQ(values.Lines(), (Lines{"2=22", "5=50"}));
    EXPECT_EQ(values.Count(), 2);

    CEdsStringList loaded;
    StoreAndLoad(values, loaded);
    EXPECT_EQ(loaded.Lines(), values.Lines());
    EXPECT_EQ(loaded.Count(), 2);
}

}  // namespace
}  // namespace vantor
