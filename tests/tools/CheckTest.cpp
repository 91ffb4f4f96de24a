// vantor check on fixtures: exact lines, order and exit status.
#include <gtest/gtest.h>

#include "ProgramRun.h"

namespace vantor::cli::test {
namespace {

namespace fs = std::filesystem;

// Runs check in the fixture folder so that the printed names are short.
ProgramRun CheckFixtures(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "check");
    return RunVantor(arguments, {VANTOR_FIXTURES, {}, false});
}

const char* const kWarnings =
    "warnings.eds:5: warning: [FileInfo] fileversion: repeated key (also at line 4); this later value is used\n"
    "warnings.eds:18: warning: [Comments] Lines: says 3 but the section has 2 comment lines\n"
    "warnings.eds:23: warning: [DynamicChannels] NrOfSeg: says 2 but the section has 1 segment\n"
    "warnings.eds:34: warning: [OptionalObjects] SupportedObjects: says 3 but the section has 4 entries\n"
    "warnings.eds:36: warning: [OptionalObjects] 2: lists object 0x1005, which has no object section\n"
    "warnings.eds:37: warning: [OptionalObjects] 3: lists object 0x1000 again (also in [MandatoryObjects] at line "
    "30)\n"
    "warnings.eds:56: warning: [1018] SubNumber: says 3 but the object has 2 sub-index sections\n"
    "warnings.eds:74: warning: [1018sub1] duplicate section (also at line 66); this later one replaces it\n"
    "warnings.eds:82: warning: [1019sub1] sub-index of object 0x1019, which has no main section\n"
    "warnings.eds:107: warning: [1A00sub1] DefaultValue: maps 0x6000:01, which cannot be mapped (no PDOMapping=1 in "
    "[6000sub1])\n"
    "warnings.eds:115: warning: [1A00sub2] DefaultValue: maps 0x2000:01, which is not described\n"
    "warnings.eds:123: warning: [1A00sub3] DefaultValue: maps a dummy entry of type UNSIGNED8, which [DummyUsage] "
    "does not enable\n"
    "warnings.eds:153: warning: [2100] DefaultValue: 20 is above HighLimit 10\n"
    "warnings.eds:157: warning: [2100ObjectLinks] ObjectLinks: says 2 but the section has 1 link\n"
    "warnings.eds:166: warning: [2101] DefaultValue: 2 is below LowLimit 5\n"
    "warnings.eds:169: warning: [2102] object is in none of the object lists\n"
    "warnings.eds:174: warning: [2102] DefaultValue: 200 is outside the range of INTEGER8\n"
    "warnings.eds:177: warning: [2103] object is in none of the object lists\n"
    "warnings.eds:182: warning: [2103] DefaultValue: \"fast\" is not a value of type UNSIGNED16\n"
    "warnings.eds:185: warning: [2104] object is in none of the object lists\n"
    "warnings.eds:194: warning: [2104Name] NrOfEntries: says 1 but the section has 3 entries\n"
    "warnings.eds:196: warning: [2104Name] 1: repeated key (also at line 195); the import uses the first one\n";

const char* const kErrors =
    "errors.eds:11: error: [DeviceInfo] Granularity: overflow\n"
    "errors.eds:14: warning: [MandatoryObjects] SupportedObjects: says 3 but the section has 2 entries\n"
    "errors.eds:22: error: [1000] AccessType: invalid data value\n"
    "errors.eds:28: error: [1001] ObjectType: invalid data value\n"
    "errors.eds:29: error: [1001] DataType: invalid data value\n";

TEST(Check, TheExampleIsClean) {
    const ProgramRun run = RunVantor({"check", Example().string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST(Check, EveryWarningKindAtItsLine) {
    const ProgramRun run = CheckFixtures({"warnings.eds"});
    EXPECT_EQ(run.status, 0) << "warnings alone do not fail";
    EXPECT_EQ(run.out, kWarnings);
    EXPECT_EQ(run.err, "");
}

TEST(Check, StrictCountsWarnings) {
    EXPECT_EQ(CheckFixtures({"--strict", "warnings.eds"}).status, 1);
    EXPECT_EQ(RunVantor({"check", "--strict", Example().string()}).status, 0);
}

TEST(Check, ImportErrorsAtTheLineOfTheirKeyMixedWithWarnings) {
    const ProgramRun run = CheckFixtures({"errors.eds"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, kErrors);
    EXPECT_EQ(run.err, "");
}

TEST(Check, FilesAreReportedInTheOrderGiven) {
    const ProgramRun run = CheckFixtures({"errors.eds", "warnings.eds"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, std::string(kErrors) + kWarnings);
}

TEST(Check, LeavesNoErrorFileBesideTheInput) {
    ScratchDir dir;
    fs::copy_file(Fixture("errors.eds"), dir / "errors.eds");
    WriteFile(dir / "errors.Err", "an older error file of the user\n");
    ScratchDir temp;
    const ProgramRun run = RunVantor({"check", "errors.eds"}, {dir.path(), temp.path(), false});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, kErrors);
    EXPECT_EQ(dir.Listing(), (std::vector<std::string>{"errors.Err", "errors.eds"}));
    EXPECT_EQ(ReadFile(dir / "errors.Err"), "an older error file of the user\n");
    EXPECT_EQ(temp.Listing(), std::vector<std::string>{});
}

TEST(Check, ErrorsOfASectionGivenTwiceAtTheirOwnOccurrence) {
    ScratchDir dir;
    WriteFile(dir / "twice.eds",
              "[MandatoryObjects]\nSupportedObjects=1\n1=0x1000\n"
              "[1000]\nParameterName=Device type\nAccessType=bad\nDataType=0x0007\n"
              "[1000]\nParameterName=Device type\nDataType=0x0007\nAccessType=worse\n");
    const ProgramRun run = RunVantor({"check", "twice.eds"}, {dir.path(), {}, false});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "twice.eds:6: error: [1000] AccessType: invalid data value\n"
              "twice.eds:8: warning: [1000] duplicate section (also at line 4); this later one replaces it\n"
              "twice.eds:11: error: [1000] AccessType: invalid data value\n");
}

TEST(Check, JsonHoldsEveryFileInOneDocument) {
    const ProgramRun run = CheckFixtures({"--format", "json", "errors.eds", "absent.eds"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "vantor: absent.eds: no such file\n");
    EXPECT_EQ(run.out,
              "{\n"
              "  \"files\": [\n"
              "    {\"file\": \"errors.eds\", \"errors\": 4, \"warnings\": 1, \"problems\": [\n"
              "      {\"line\": 11, \"severity\": \"error\", \"section\": \"DeviceInfo\", \"key\": \"Granularity\", "
              "\"message\": \"overflow\"},\n"
              "      {\"line\": 14, \"severity\": \"warning\", \"section\": \"MandatoryObjects\", \"key\": "
              "\"SupportedObjects\", \"message\": \"says 3 but the section has 2 entries\"},\n"
              "      {\"line\": 22, \"severity\": \"error\", \"section\": \"1000\", \"key\": \"AccessType\", "
              "\"message\": \"invalid data value\"},\n"
              "      {\"line\": 28, \"severity\": \"error\", \"section\": \"1001\", \"key\": \"ObjectType\", "
              "\"message\": \"invalid data value\"},\n"
              "      {\"line\": 29, \"severity\": \"error\", \"section\": \"1001\", \"key\": \"DataType\", "
              "\"message\": \"invalid data value\"}\n"
              "    ]},\n"
              "    {\"file\": \"absent.eds\", \"failure\": \"no such file\"}\n"
              "  ],\n"
              "  \"errors\": 4,\n"
              "  \"warnings\": 1,\n"
              "  \"failures\": 1\n"
              "}\n");
}

TEST(Check, JsonTextIsUtf8AndEscaped) {
    ScratchDir dir;
    // A Windows-1252 e-acute and a quote in a value the type cannot take.
    WriteFile(dir / "latin.eds",
              "[MandatoryObjects]\nSupportedObjects=1\n1=0x2000\n[2000]\nParameterName=Caf\xE9\nObjectType=0x7\n"
              "DataType=0x0005\nAccessType=rw\nDefaultValue=\"x\xE9\"\nPDOMapping=0\n");
    const ProgramRun run = RunVantor({"check", "--format=json", "latin.eds"}, {dir.path(), {}, false});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\"message\": \"\\\"\\\"x\xC3\xA9\\\"\\\" is not a value of type UNSIGNED8\""),
              std::string::npos)
        << run.out;
}

TEST(Check, JsonOfACleanFile) {
    const ProgramRun run = RunVantor({"check", "--format", "json", "cdio8.eds"}, {VANTOR_EXAMPLES, {}, false});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "{\n  \"files\": [\n    {\"file\": \"cdio8.eds\", \"errors\": 0, \"warnings\": 0, \"problems\": []}\n"
              "  ],\n  \"errors\": 0,\n  \"warnings\": 0,\n  \"failures\": 0\n}\n");
}

}  // namespace
}  // namespace vantor::cli::test
