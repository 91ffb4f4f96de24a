// Property sets: the stored stream in a compound file, malformed streams,
// the EDS text form, the field list, and the line reader and classifier.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "TestSet.h"
#include "library/storage/ComPtr.h"
#include "vantor/platform.h"

namespace vantor::test {
namespace {

const std::string kMagic = Bytes({0x9E, 0x07, 0x31, 0x01});

std::string Stored(const std::string& items) {
    const auto n = static_cast<int>(items.size());
    return kMagic + Bytes({n & 0xFF, (n >> 8) & 0xFF, (n >> 16) & 0xFF, n >> 24}) + items;
}

void FillEveryKind(CTestSet& set) {
    set.name.SetText("Device Type");
    set.objectType.SetValue(7);
    set.dataType.SetValue(0x0007);
    set.accessType.SetValue(1);
    set.mapping.SetValue(1);
    set.unsigned8.SetValue(0xAB);
    set.integer16.SetValue(-1234);
    set.unsigned16.SetValue(0xBEEF);
    set.integer32.SetValue(-100000);
    set.unsigned32.SetValue(0xDEADBEEF);
    set.time.SetValue(0.75);
    set.date.SetValue(45366.0);
    set.fileName.SetText("DEV.EDS");
    set.shortText.SetText("abc");
    set.lines.AddPair("Line1", "first");
    set.lines.AddLine("");
    set.formatOne.SetText("fmt");
    set.parameterValue.SetText("0x10");
    set.SetByKey("Vendor", "Corvane");
}

std::string SavedBytes(CEdsPropSet& set) {
    CTestStream out;
    EXPECT_EQ(set.SaveStream(&out), 0u);
    return out.Content();
}

TEST(PropSetStreamTest, EveryKindSurvivesAClosedAndReopenedCompoundFile) {
    std::string directory = (std::filesystem::temp_directory_path() / "vantor-fields-XXXXXX").string();
    ASSERT_NE(mkdtemp(directory.data()), nullptr);
    const std::string file = directory + "/sections.stg";
    const std::u16string path(file.begin(), file.end());
    constexpr DWORD kMode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
    CTestSet original;
    FillEveryKind(original);
    {
        ComPtr<IStorage> root;
        ComPtr<IStream> stream;
        ASSERT_EQ(StgCreateDocfile(path.c_str(), STGM_CREATE | kMode, 0, root.ReleaseAndGetAddressOf()), S_OK);
        ASSERT_EQ(root->CreateStream(u"FileInfo", STGM_CREATE | kMode, 0, 0, stream.ReleaseAndGetAddressOf()), S_OK);
        ASSERT_EQ(original.SaveToStorageStream(stream.Get()), 0u);
    }
    CTestSet loaded;
    {
        ComPtr<IStorage> root;
        ComPtr<IStream> stream;
        ASSERT_EQ(StgOpenStorage(path.c_str(), nullptr, kMode, nullptr, 0, root.ReleaseAndGetAddressOf()), S_OK);
        ASSERT_EQ(root->OpenStream(u"FileInfo", nullptr, kMode, 0, stream.ReleaseAndGetAddressOf()), S_OK);
        ASSERT_EQ(loaded.LoadFromStorageStream(stream.Get()), 0u);
    }
    std::filesystem::remove_all(directory);

    EXPECT_EQ(loaded.Keys(), original.Keys());
    for (std::size_t i = 0; i < loaded.Fields().size(); ++i)
        EXPECT_EQ(loaded.Fields()[i]->GetText(), original.Fields()[i]->GetText()) << loaded.Keys()[i];
    EXPECT_EQ(loaded.time.Value(), 0.75);
    EXPECT_EQ(loaded.lines.Lines(), original.lines.Lines());
    EXPECT_EQ(loaded.phases, std::vector<NotifyPhase>{NotifyPhase::AfterLoad});
    EXPECT_EQ(SavedBytes(loaded), SavedBytes(original));
}

TEST(PropSetStreamTest, StreamIsMagicLengthAndItemsInListOrder) {
    CEdsPropSet set("S");
    CTestStream untouched("keep");
    EXPECT_EQ(set.SaveStream(&untouched), 0u);
    EXPECT_EQ(untouched.Content(), "keep") << "an empty set writes nothing";

    CEdsUnsigned8Field number(&kUnsigned8Key);
    CEdsTextField text(&kShortTextKey, 4);
    number.SetValue(0x12);
    text.SetText("ab");
    set.Link(&number);
    set.Link(&text);
    set.SetByKey("X", "1");
    CTestStream out("previous content that is longer than the set");
    ASSERT_EQ(set.SaveStream(&out), 0u);
    EXPECT_EQ(out.Content(), Stored(Bytes({6, 0, 0x12, 14, 0, 3, 0, 'a', 'b', 0, 0, 0x80, 4, 0, 'X', '=', '1', 0})));
}

TEST(PropSetStreamTest, StoredUnknownKeyIsReadIntoAFieldKnownByNow) {
    CTestSet older;
    older.SetByKey("Extra", "new");
    older.SetByKey("Other", "kept");
    CTestStream stream(SavedBytes(older));

    CTestSet newer(std::nullopt, true);
    ASSERT_EQ(newer.LoadStream(&stream), 0u);
    EXPECT_EQ(newer.extra.Value(), "new");
    const std::vector<std::string> keys = newer.Keys();
    EXPECT_EQ(std::vector<std::string>(keys.end() - 2, keys.end()), (std::vector<std::string>{"Extra", "Other"}));
}

struct MalformedStream {
    const char* what;
    std::string stored;
    bool firstItemRead;  // items before the fault stay read
};

std::ostream& operator<<(std::ostream& out, const MalformedStream& c) { return out << c.what; }

class PropSetMalformedTest : public ::testing::TestWithParam<MalformedStream> {};

TEST_P(PropSetMalformedTest, GivesInvalidData) {
    const MalformedStream& c = GetParam();
    CTestSet set;
    CTestStream in(c.stored);
    EXPECT_EQ(set.LoadStream(&in), ERROR_INVALID_DATA);
    EXPECT_EQ(set.unsigned8.Value(), c.firstItemRead ? 0x12 : 0);
}

const std::string kFirst = Bytes({6, 0, 0x12});

INSTANTIATE_TEST_SUITE_P(Streams, PropSetMalformedTest, ::testing::Values(
    MalformedStream{"wrong magic", Bytes({0x9F, 0x07, 0x31, 0x01, 3, 0, 0, 0}) + kFirst, false},
    MalformedStream{"header cut short", Bytes({0x9E, 0x07, 0x31, 0x01, 3, 0}), false},
    MalformedStream{"items shorter than their length", Stored(kFirst).substr(0, 10), false},
    MalformedStream{"length beyond any stream", kMagic + Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + kFirst, false},
    MalformedStream{"unknown item id", Stored(kFirst + Bytes({0x63, 0, 1})), true},
    MalformedStream{"odd trailing byte", Stored(kFirst + Bytes({7})), true},
    MalformedStream{"text without zero", Stored(kFirst + Bytes({1, 0, 3, 0, 'a', 'b', 'c'})), true},
    MalformedStream{"text beyond capacity", Stored(kFirst + Bytes({14, 0, 5, 0, 'a', 'b', 'c', 'd', 0})), true},
    MalformedStream{"unknown key without zero", Stored(kFirst + Bytes({0, 0x80, 3, 0, 'a', '=', 'b'})), true},
    MalformedStream{"item reaching past the length", Stored(kFirst + Bytes({1, 0, 3, 0})) + Bytes({'a', 'b', 0}),
                    true}));

// --- Text form ---------------------------------------------------------------

constexpr const char* kSectionText =
    "ParameterName=Device Type\r\n"
    "; a comment\r\n"
    "Vendor = Corvane\r\n"
    "AccessType= ro \r\n"
    "a line that is no key\r\n"
    "\r\n"
    "DataType=0x0007\n"
    "ParameterValue=0x10\r\n"
    "FormatOne=fmt\r\n"
    "[NextSection]\r\n"
    "ParameterName=not this one\r\n";

constexpr const char* kCommonLines =
    "[TestSection]\r\n"
    "ParameterName=Device Type\r\n"
    "DataType=0x0007\r\n"
    "AccessType=RO\r\n"
    "PDOMapping=0\r\n"
    "Unsigned8=0x00\r\n"
    "Integer16=0\r\n"
    "Unsigned16=0x0000\r\n"
    "Integer32=0\r\n"
    "Unsigned32=0x00000000\r\n"
    "CreationTime=12:00 AM\r\n"
    "CreationDate=12-30-1899\r\n"
    "Line1=x\r\n";

class PropSetTextTest : public ::testing::Test {
protected:
    PropSetTextTest() {
        EXPECT_EQ(set.ReadSectionText(&in), 0u);
        set.lines.AddPair("Line1", "x");
    }

    std::string Written(uint32_t mask, bool all) {
        CTestStream out;
        EXPECT_EQ(set.WriteSectionText(&out, mask, all), 0u);
        return out.Content();
    }

    CTestSet set;
    CTestStream in{kSectionText};
};

TEST_F(PropSetTextTest, ReadingStopsInFrontOfTheNextHeader) {
    std::string line;
    EXPECT_EQ(ReadLine(&in, line), 0u);
    EXPECT_EQ(line, "[NextSection]\r\n");
    EXPECT_EQ(set.phases, std::vector<NotifyPhase>{NotifyPhase::AfterReadText});
}

TEST_F(PropSetTextTest, UnknownAndConfigurationKeysAreWrittenOnlyWithAll) {
    EXPECT_EQ(Written(kAllFormats, false), std::string(kCommonLines) + "FormatOne=fmt\r\n\r\n");
    EXPECT_EQ(Written(kFormat2, true), std::string(kCommonLines) + "ParameterValue=0x10\r\nVendor= Corvane\r\n\r\n");
    set.SetName(std::nullopt);
    EXPECT_EQ(Written(kFormat2, false).substr(0, 27), "ParameterName=Device Type\r\n");
}

TEST_F(PropSetTextTest, ClearAllDropsUnknownKeysAndEmptiesLists) {
    set.ClearAll();
    EXPECT_EQ(set.Fields().size(), 17u);
    EXPECT_EQ(set.lines.GetCount(), 0u);
    EXPECT_EQ(set.name.Value(), "Device Type");
}

TEST(PropSetKeyTest, KeysJoinTheListWhenFirstSet) {
    CTestSet set(std::nullopt, true);
    std::optional<std::string> text = "stale";
    EXPECT_EQ(set.GetTextByKey("Nope", text), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(text, std::nullopt);
    EXPECT_EQ(set.SetTextByKey("Nope", "1"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(set.SetTextByKey("unsigned8", "0x1FF"), ERROR_INVALID_DATA);
    EXPECT_EQ(set.GetTextByKey("UNSIGNED8", text), 0u);
    EXPECT_EQ(text, "0xFF");

    EXPECT_EQ(set.SetByKey("First", "1"), 0u);
    EXPECT_EQ(set.SetTextByKey("Extra", "e"), 0u);
    EXPECT_EQ(set.SetByKey("extra", "f"), 0u);
    const std::vector<std::string> keys = set.Keys();
    EXPECT_EQ(std::vector<std::string>(keys.begin() + 17, keys.end()), (std::vector<std::string>{"First", "Extra"}));
    EXPECT_EQ(set.extra.Value(), "f");
}

TEST(PropSetListTest, LinkAndUnlinkRespectTheOwner) {
    auto first = std::make_unique<CEdsPropSet>("First");
    CEdsPropSet second("Second");
    CEdsUnsigned8Field a(&kUnsigned8Key);
    CEdsInteger16Field b(&kInteger16Key);

    EXPECT_TRUE(first->Link(&a));
    EXPECT_TRUE(first->Link(&b));
    EXPECT_TRUE(first->Link(&a));
    EXPECT_FALSE(second.Link(&a));
    EXPECT_FALSE(second.Unlink(&a));
    EXPECT_TRUE(first->Unlink(&a));
    EXPECT_TRUE(first->Link(&a));
    EXPECT_EQ(first->Fields(), (std::vector<CEdsField*>{&b, &a}));
    b.Done();
    EXPECT_EQ(first->Fields(), (std::vector<CEdsField*>{&a}));
    EXPECT_EQ(b.Descriptor(), nullptr);

    first.reset();
    EXPECT_EQ(a.Owner(), nullptr) << "a set that goes first lets its fields go";
    EXPECT_TRUE(second.Link(&a));
}

// --- Lines -------------------------------------------------------------------

TEST(ReadLineTest, LineFeedEndsALineAndTheLastNeedsNone) {
    CTestStream in("first\r\nsecond\n\nlast");
    std::vector<std::string> lines;
    std::string line;
    while (ReadLine(&in, line) == 0 && !line.empty()) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"first\r\n", "second\n", "\n", "last"}));
    EXPECT_EQ(ReadLine(nullptr, line), ERROR_INVALID_PARAMETER);
}

TEST(ReadLineTest, LongLinesHaveNoLimit) {
    const std::string longLine = "Key=" + std::string(1'000'000, 'x') + "\r\n";
    CTestStream in(longLine + "tail");
    std::string line;
    ASSERT_EQ(ReadLine(&in, line), 0u);
    EXPECT_EQ(line, longLine);
    ASSERT_EQ(ReadLine(&in, line), 0u);
    EXPECT_EQ(line, "tail");
}

struct LineCase {
    const char* line;
    LineKind kind;
    const char* name;
    const char* value;
};

class ClassifyLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(ClassifyLineTest, KindAndParts) {
    const LineCase& c = GetParam();
    const ClassifiedLine classified = ClassifyLine(c.line);
    EXPECT_EQ(classified.kind, c.kind) << c.line;
    EXPECT_EQ(classified.name, c.name) << c.line;
    EXPECT_EQ(classified.value, c.value) << c.line;
}

INSTANTIATE_TEST_SUITE_P(Lines, ClassifyLineTest, ::testing::Values(
    LineCase{" \t\r\n", LineKind::Blank, "", ""},
    LineCase{"  ; Key=Value", LineKind::Comment, "", ""},
    LineCase{" [ File Info ] tail\r\n", LineKind::SectionHeader, " File Info ", ""},
    LineCase{"[1018=x", LineKind::Other, "", ""},
    LineCase{"\tKey \t=  Value  \r\n", LineKind::KeyValue, "Key", "  Value"},
    LineCase{"a=b=c", LineKind::KeyValue, "a", "b=c"},
    LineCase{"no key here", LineKind::Other, "", ""}));

}  // namespace
}  // namespace vantor::test
