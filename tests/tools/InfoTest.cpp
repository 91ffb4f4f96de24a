// vantor info: identity, counts and the object table.
#include <gtest/gtest.h>

#include "ProgramRun.h"

namespace vantor::cli::test {
namespace {

namespace fs = std::filesystem;

const char* const kExampleSummary =
    "Description:          CDIO-8 digital I/O module, 8 inputs and 8 outputs\n"
    "Vendor:               Corvane Systems\n"
    "Vendor number:        0x000003A7\n"
    "Product:              CDIO-8 digital I/O module\n"
    "Product number:       0x00000810\n"
    "Revision number:      0x00010002\n"
    "Serial number:        0x00000000\n"
    "Order code:           CDIO-8-24V\n"
    "Mandatory objects:    3\n"
    "Optional objects:     13\n"
    "Manufacturer objects: 3\n"
    "Receive PDOs:         1\n"
    "Transmit PDOs:        2\n"
    "Dynamic segments:     0\n";

ProgramRun InfoOfExample(std::vector<std::string> options) {
    options.insert(options.begin(), "info");
    options.push_back("cdio8.eds");
    return RunVantor(options, {VANTOR_EXAMPLES, {}, false});
}

TEST(Info, SummaryOfTheExample) {
    const ProgramRun run = InfoOfExample({});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::string("File:                 cdio8.eds\n") + kExampleSummary);
    EXPECT_EQ(run.err, "");
}

TEST(Info, ObjectTableListsObjectsAndSubIndexes) {
    const ProgramRun run = InfoOfExample({"--objects"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string table = run.out.substr(run.out.find("\n\n") + 2);
    EXPECT_TRUE(table.starts_with("Index   Sub   Type       Data type       Access  Name\n"
                                  "0x1000        VAR        UNSIGNED32      RO      Device type\n"
                                  "0x1001        VAR        UNSIGNED8       RO      Error register\n"
                                  "0x1008        VAR        VISIBLE_STRING  CONST   Manufacturer device name\n"))
        << table;
    EXPECT_NE(table.find("\n0x1018        RECORD                             Identity object\n"
                         "0x1018  0x00  VAR        UNSIGNED8       CONST   Highest sub-index supported\n"
                         "0x1018  0x01  VAR        UNSIGNED32      RO      Vendor-ID\n"),
              std::string::npos)
        << table;
    EXPECT_NE(table.find("\n0x2100        VAR        INTEGER16       RO      Module temperature\n"), std::string::npos);
    EXPECT_TRUE(table.ends_with("0x6206  0x01  VAR        UNSIGNED8       RW      Error mode outputs 1 to 8\n")) << table;
}

TEST(Info, JsonSummary) {
    const ProgramRun run = InfoOfExample({"--format", "json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\n"
              "  \"file\": \"cdio8.eds\",\n"
              "  \"description\": \"CDIO-8 digital I/O module, 8 inputs and 8 outputs\",\n"
              "  \"vendorName\": \"Corvane Systems\",\n"
              "  \"vendorNumber\": 935,\n"
              "  \"productName\": \"CDIO-8 digital I/O module\",\n"
              "  \"productNumber\": 2064,\n"
              "  \"revisionNumber\": 65538,\n"
              "  \"serialNumber\": \"0x00000000\",\n"
              "  \"orderCode\": \"CDIO-8-24V\",\n"
              "  \"mandatoryObjects\": 3,\n"
              "  \"optionalObjects\": 13,\n"
              "  \"manufacturerObjects\": 3,\n"
              "  \"unlistedObjects\": 0,\n"
              "  \"receivePdos\": 1,\n"
              "  \"transmitPdos\": 2,\n"
              "  \"dynamicSegments\": 0\n"
              "}\n");
}

TEST(Info, JsonObjects) {
    const ProgramRun run = InfoOfExample({"--format=json", "--objects"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("  \"objects\": [\n    {\"index\": 4096, \"subIndex\": null, \"name\": \"Device type\", "
                           "\"objectType\": \"VAR\", \"dataType\": \"UNSIGNED32\", \"access\": \"RO\"},\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("{\"index\": 4120, \"subIndex\": 4, \"name\": \"Serial number\", \"objectType\": \"VAR\", "
                           "\"dataType\": \"UNSIGNED32\", \"access\": \"RO\"}"),
              std::string::npos);
    EXPECT_TRUE(run.out.ends_with("}\n  ]\n}\n"));
}

TEST(Info, SavedDescriptionShowsTheSame) {
    ScratchDir dir;
    ASSERT_EQ(RunVantor({"convert", Example().string(), (dir / "cdio8.vdsc").string()}).status, 0);
    const ProgramRun run = RunVantor({"info", "cdio8.vdsc"}, {dir.path(), {}, false});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::string("File:                 cdio8.vdsc\n") + kExampleSummary);
}

TEST(Info, ImportErrorsAreNotedButDoNotFail) {
    const ProgramRun run = RunVantor({"info", "errors.eds"}, {VANTOR_FIXTURES, {}, false});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "vantor: errors.eds: 4 value(s) could not be read; see 'vantor check errors.eds'\n");
    EXPECT_NE(run.out.find("Mandatory objects:    2\n"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace vantor::cli::test
