// Field kinds: text forms and statuses, error lines, binary forms and
// malformed binary data, and the string-list operations.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "TestSet.h"

namespace vantor::test {
namespace {

using std::nullopt;
constexpr int16_t kValid = FieldStatus::Valid;

struct TextCase {
    const char* key;
    std::optional<const char*> before;  // given first, to see what is kept
    std::optional<const char*> text;
    std::optional<std::string> expected;
    int16_t status;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c) {
    return out << c.key << "=" << (c.text ? *c.text : "<none>");
}

class FieldTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FieldTextTest, SetTextStoresValueAndStatus) {
    const TextCase& c = GetParam();
    CTestSet set;
    CEdsField* field = set.FindByName(c.key);
    ASSERT_NE(field, nullptr);
    if (c.before) field->SetText(*c.before);
    field->SetText(c.text ? TextArg(*c.text) : nullopt);
    EXPECT_EQ(field->GetText(), c.expected);
    EXPECT_EQ(field->Status(), c.status);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FieldTextTest, ::testing::Values(
    TextCase{"Unsigned8", nullopt, "0x1FF", "0xFF", FieldStatus::Overflow},
    TextCase{"Unsigned8", "5", "zz", "0x05", FieldStatus::InvalidFormat},
    TextCase{"Unsigned8", "5", nullopt, "0x00", kValid},
    TextCase{"Integer16", nullopt, "-40000", "-32768", FieldStatus::Underflow},
    TextCase{"Integer16", "-7", "x1", "-7", FieldStatus::InvalidFormat},
    TextCase{"Unsigned16", nullopt, "$1234", "0x1234", kValid},
    TextCase{"Integer32", "5", "08", "0", FieldStatus::InvalidFormat},
    TextCase{"Unsigned32", "7", "seven", "0x00000000", FieldStatus::InvalidFormat},
    TextCase{"PDOMapping", "1", "maybe", "0", FieldStatus::InvalidFormat},
    TextCase{"Short", nullopt, "abcd", "abc", FieldStatus::InvalidLength},
    TextCase{"Short", nullopt, "abc", "abc", kValid},
    TextCase{"Short", "abcd", nullopt, nullopt, FieldStatus::InvalidLength},
    TextCase{"FileName", nullopt, "C:\\eds\\LongFileNa.text", "LongFile.tex", FieldStatus::InvalidFormat},
    TextCase{"FileName", nullopt, "DEVICE.EDS", "DEVICE.EDS", kValid},
    TextCase{"FileName", "DEVICE.EDS", "", nullopt, kValid},
    TextCase{"AccessType", nullopt, "  rw\t", "RW", kValid},
    TextCase{"AccessType", nullopt, "readwrite", nullopt, FieldStatus::InvalidValue},
    TextCase{"AccessType", "ro", " ", "CONST", kValid},
    TextCase{"ObjectType", nullopt, "7", "7", kValid},
    TextCase{"ObjectType", "7", "3", nullopt, FieldStatus::InvalidValue},
    TextCase{"ObjectType", "7", "var", nullopt, FieldStatus::InvalidValue},
    TextCase{"ObjectType", "7", "", nullopt, FieldStatus::InvalidValue},
    TextCase{"ObjectType", "7", nullopt, nullopt, kValid},
    TextCase{"DataType", nullopt, "0x0260", nullopt, FieldStatus::InvalidValue},
    TextCase{"DataType", nullopt, "0x025F", "0x025F", kValid},
    TextCase{"DataType", "7", "u32", nullopt, FieldStatus::InvalidValue},
    TextCase{"DataType", "7", " ", nullopt, FieldStatus::InvalidValue},
    TextCase{"CreationTime", nullopt, "9:05PM", "09:05 PM", kValid},
    TextCase{"CreationTime", "11:30 AM", "noon", "12:00 AM", FieldStatus::InvalidFormat},
    TextCase{"CreationDate", nullopt, "7/4/1999", "07-04-1999", kValid},
    TextCase{"CreationDate", nullopt, "", "01-01-1900", FieldStatus::InvalidFormat},
    TextCase{"CreationDate", "03-15-2024", nullopt, "12-30-1899", kValid}));

TEST(FieldValueTest, CheckedSetValueAndDateValues) {
    CTestSet set;
    set.objectType.SetValue(4);
    set.accessType.SetValue(6);
    set.dataType.SetValue(0x0260);
    for (const CEdsField* field : {static_cast<CEdsField*>(&set.objectType), static_cast<CEdsField*>(&set.accessType),
                                   static_cast<CEdsField*>(&set.dataType)}) {
        EXPECT_EQ(field->GetText(), nullopt) << field->Key();
        EXPECT_EQ(field->Status(), FieldStatus::InvalidValue) << field->Key();
    }
    set.accessType.SetValue(5);
    EXPECT_EQ(set.accessType.GetText(), "RWW");
    EXPECT_EQ(set.accessType.Status(), kValid);

    set.date.SetText("");
    EXPECT_EQ(set.date.Value(), 2.0);
    const char* missing = nullptr;
    set.date.SetText(missing);
    EXPECT_EQ(set.date.Value(), 0.0) << "a null text is no text, not an empty one";
    EXPECT_EQ(set.date.Status(), kValid);
    set.time.SetText("06:00 PM");
    EXPECT_EQ(set.time.Value(), 0.75);
    set.date.SetValue(1e12);
    EXPECT_EQ(set.date.GetText(), nullopt) << "beyond the platform's dates";
}

TEST(FieldErrorTest, EachStatusWritesOneLineWithSetNameAndKey) {
    CTestSet set("1000sub1");
    set.SetByKey("Unsigned8", "0x1FF");
    set.SetByKey("Integer16", "-40000");
    set.SetByKey("Integer32", "1x");
    set.SetByKey("AccessType", "rx");
    set.SetByKey("Short", "abcd");
    CEdsTextField keyless(nullptr, 4);
    keyless.SetText("long");
    CTestStream log;

    EXPECT_EQ(set.ReportErrors(&log), 0u);
    EXPECT_EQ(set.ReportErrors(&log), 0u) << "statuses are reset";
    EXPECT_EQ(keyless.ReportError(&log), 0u);
    EXPECT_EQ(log.Content(),
              "[Error] 1000sub1: AccessType: invalid data value\r\n"
              "[Error] 1000sub1: Unsigned8: overflow\r\n"
              "[Error] 1000sub1: Integer16: underflow\r\n"
              "[Error] 1000sub1: Integer32: invalid data format\r\n"
              "[Error] 1000sub1: Short: invalid data lenght\r\n"
              "[Error] invalid data lenght\r\n");
}

TEST(FieldLineTest, ReadTextTakesOnlyKeyValueLines) {
    CTestStream text("Whatever= 0x12 \r\n[1000]\r\n");
    CTestSet set;
    EXPECT_EQ(set.unsigned8.ReadText(&text), 0u);
    EXPECT_EQ(set.unsigned8.Value(), 0x12);
    EXPECT_EQ(set.accessType.ReadText(&text), 0u);
    EXPECT_EQ(text.GetPosition(), 17) << "the header stays in the stream";

    CEdsUnknownField unknown;
    text.Seek(0, kSeekBegin);
    EXPECT_EQ(unknown.ReadText(&text), 0u);
    EXPECT_EQ(unknown.Key(), "Whatever");
    EXPECT_EQ(unknown.GetText(), " 0x12");
}

// --- Binary forms ------------------------------------------------------------

std::string BinaryOf(const CEdsField& field) {
    CTestStream out;
    EXPECT_EQ(field.WriteBinary(&out), 0u) << field.Key();
    return out.Content();
}

TEST(FieldBinaryTest, ExactFormsOfEveryKind) {
    CTestSet set;
    set.integer16.SetValue(-2);
    set.unsigned32.SetValue(0x89ABCDEF);
    set.time.SetValue(1.5);
    set.dataType.SetValue(0x0107);
    set.name.SetText("abc");
    set.fileName.SetText("DEV.EDS");
    CEdsUnknownField unknown("Key");
    unknown.SetText("Val");
    CEdsUnknownField keyless;
    keyless.SetText("v");

    EXPECT_EQ(BinaryOf(set.integer16), Bytes({0xFE, 0xFF}));
    EXPECT_EQ(BinaryOf(set.unsigned32), Bytes({0xEF, 0xCD, 0xAB, 0x89}));
    EXPECT_EQ(BinaryOf(set.time), Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
    EXPECT_EQ(BinaryOf(set.objectType), Bytes({0xFF}));
    EXPECT_EQ(BinaryOf(set.dataType), Bytes({0x07, 0x01}));
    EXPECT_EQ(BinaryOf(set.name), Bytes({4, 0}) + std::string("abc", 4));
    EXPECT_EQ(BinaryOf(set.shortText), Bytes({1, 0, 0}));
    EXPECT_EQ(BinaryOf(set.fileName), std::string("DEV.EDS\0\0\0\0\0\0", 13));
    EXPECT_EQ(BinaryOf(unknown), Bytes({8, 0}) + std::string("Key=Val", 8));
    EXPECT_EQ(BinaryOf(keyless), Bytes({10, 0}) + std::string("Unknown=v", 10));
    EXPECT_EQ(BinaryOf(set.lines), Bytes({0, 0, 0, 0}));
    set.lines.AddLine("a=1");
    set.lines.AddLine("b");
    EXPECT_EQ(BinaryOf(set.lines), Bytes({9, 0, 0, 0}) + std::string("a=1\r\nb\r\n", 9));

    unknown.SetText(std::string(70000, 'x'));
    const std::string longest = BinaryOf(unknown);
    ASSERT_EQ(longest.size(), 2u + 0xFFFF);
    EXPECT_EQ(longest.substr(0, 2), Bytes({0xFF, 0xFF}));
    EXPECT_EQ(longest.back(), '\0');
}

TEST(FieldBinaryTest, StoredListSplitsAtEveryLineEnd) {
    const std::string stored = std::string("a\rb\nc\r\nd\r\n\r\ne") + '\0' + "ignored" + '\0';
    CEdsStringListField list(&kLinesKey);
    CTestStream in(Bytes({static_cast<int>(stored.size()), 0, 0, 0}) + stored);
    EXPECT_EQ(list.ReadBinary(&in), 0u);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
}

struct MalformedCase {
    const char* what;
    std::function<std::unique_ptr<CEdsField>()> make;
    std::string stored;
};

std::ostream& operator<<(std::ostream& out, const MalformedCase& c) { return out << c.what; }

class FieldMalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(FieldMalformedTest, GivesInvalidDataAndEmptiesTheValue) {
    const MalformedCase& c = GetParam();
    std::unique_ptr<CEdsField> field = c.make();
    CTestStream in(c.stored);
    EXPECT_EQ(field->ReadBinary(&in), ERROR_INVALID_DATA);
    EXPECT_LE(in.GetPosition(), static_cast<int32_t>(c.stored.size()));
    EXPECT_EQ(field->GetText(), nullopt);
}

template <class Field, class... Args>
std::function<std::unique_ptr<CEdsField>()> Make(Args... args) {
    return [=] {
        auto field = std::make_unique<Field>(args...);
        field->SetText("old");
        return field;
    };
}

INSTANTIATE_TEST_SUITE_P(Kinds, FieldMalformedTest, ::testing::Values(
    MalformedCase{"text cut short", Make<CEdsTextField>(&kNameKey, 256), Bytes({5, 0, 'a', 'b', 0})},
    MalformedCase{"text without zero", Make<CEdsTextField>(&kNameKey, 256), Bytes({3, 0, 'a', 'b', 'c'})},
    MalformedCase{"text beyond capacity", Make<CEdsTextField>(&kShortTextKey, 4), Bytes({5, 0, 'a', 'b', 'c', 'd', 0})},
    MalformedCase{"file name cut short", Make<CEdsFileNameField>(&kFileNameKey), std::string("A.EDS\0\0\0\0\0\0\0", 12)},
    MalformedCase{"file name without zero", Make<CEdsFileNameField>(&kFileNameKey), "ABCDEFGHI.EDS"},
    MalformedCase{"unknown without zero", Make<CEdsUnknownField>(), Bytes({3, 0, 'a', '=', 'b'})},
    MalformedCase{"unknown without equals", Make<CEdsUnknownField>(), Bytes({3, 0, 'a', 'b', 0})},
    MalformedCase{"list cut short", Make<CEdsStringListField>(&kLinesKey), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'a', 0})},
    MalformedCase{"list without zero", Make<CEdsStringListField>(&kLinesKey), Bytes({2, 0, 0, 0, 'a', 'b'})}));

TEST(FieldBinaryTest, StreamFailuresAreReported) {
    CTestSet set;
    set.name.SetText("abcdef");
    CLimitedStream shortTarget(4, ERROR_SUCCESS);
    EXPECT_EQ(set.name.WriteBinary(&shortTarget), ERROR_DISK_FULL);
    CLimitedStream failing(1, ERROR_WRITE_FAULT);
    EXPECT_EQ(set.unsigned16.WriteBinary(&failing), ERROR_WRITE_FAULT);
    for (CEdsField* field : set.Fields()) EXPECT_EQ(field->ReadBinary(nullptr), ERROR_INVALID_PARAMETER);

    set.unsigned32.SetValue(7);
    CTestStream cutShort(Bytes({1, 2, 3}));
    EXPECT_EQ(set.unsigned32.ReadBinary(&cutShort), ERROR_INVALID_DATA);
    EXPECT_EQ(set.unsigned32.Value(), 7u);
}

// --- String lists --------------------------------------------------------------

TEST(StringListTest, PairsByNameWithoutRegardToCase) {
    CEdsStringListField list(&kLinesKey);
    EXPECT_EQ(list.AddPair("Object1", "0x1000"), 0u);
    EXPECT_EQ(list.AddLine("no pair here"), 0u);
    EXPECT_EQ(list.AddPair("object2", nullopt), 0u);
    EXPECT_EQ(list.AddPair(nullopt, "x"), ERROR_INVALID_PARAMETER);

    EXPECT_EQ(list.GetPairValue("OBJECT1"), "0x1000");
    EXPECT_EQ(list.GetPairValue("Object2"), nullopt);
    EXPECT_EQ(list.GetPairValue("no pair here"), nullopt);
    EXPECT_EQ(list.SetPairValue("OBJECT1", "0x2000"), 0u);
    EXPECT_EQ(list.SetPairValue("Object3", "0x6000"), 0u);
    EXPECT_EQ(list.SetPairValue("object2", ""), 0u);
    EXPECT_EQ(list.SetPairValue(nullopt, "x"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"Object1=0x2000", "no pair here", "Object3=0x6000"}));

    std::optional<std::string> value;
    EXPECT_EQ(list.GetLineValue(2, value), 0u);
    EXPECT_EQ(value, "0x6000");
    EXPECT_EQ(list.GetLineValue(1, value), ERROR_OUTOFMEMORY);
    EXPECT_EQ(value, nullopt);
    EXPECT_EQ(list.GetLineValue(3, value), ERROR_INVALID_PARAMETER);

    list.Sort();
    EXPECT_EQ(list.Lines().front(), "no pair here");
    list.Sort([](const std::string& a, const std::string& b) { return a > b; });
    EXPECT_EQ(list.Lines().front(), "no pair here");
    EXPECT_EQ(list.Lines().back(), "Object1=0x2000");

    CTestStream out;
    EXPECT_EQ(list.WriteText(&out), 0u);
    EXPECT_EQ(out.Content(), "no pair here\r\nObject3=0x6000\r\nObject1=0x2000\r\n");
}

}  // namespace
}  // namespace vantor::test
