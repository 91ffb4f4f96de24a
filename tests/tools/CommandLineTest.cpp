// Help, version and wrong command lines: exit 2 with one message and a hint.
#include <gtest/gtest.h>

#include "ProgramRun.h"

namespace vantor::cli::test {
namespace {

TEST(CommandLine, HelpListsEveryCommandAndExitsClean) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--help"}, {"-h"}, {"help"}}) {
        const ProgramRun run = RunVantor(arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.starts_with("Usage: vantor COMMAND [OPTION]... FILE...\n")) << run.out;
        for (const char* text : {"check FILE...", "convert IN OUT", "info FILE", "--strict", "--node-id N", "--objects",
                                 "Exit status:"})
            EXPECT_NE(run.out.find(text), std::string::npos) << text;
        EXPECT_EQ(run.err, "");
    }
}

TEST(CommandLine, EachCommandHasItsOwnHelp) {
    const std::pair<const char*, const char*> commands[] = {
        {"check", "Usage: vantor check [--strict] [--format text|json] FILE...\n"},
        {"convert", "Usage: vantor convert IN OUT [--dcf] [--node-id N] [--baud RATE]\n"},
        {"info", "Usage: vantor info [--objects] [--format text|json] FILE\n"},
    };
    for (const auto& [command, usage] : commands) {
        const ProgramRun run = RunVantor({command, "--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.starts_with(usage)) << run.out;
        EXPECT_EQ(RunVantor({"help", command}).out, run.out);
    }
}

TEST(CommandLine, VersionNamesProgramAndVersion) {
    const ProgramRun run = RunVantor({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("vantor (Vantor) " VANTOR_VERSION_TEXT "\n")) << run.out;
}

TEST(CommandLine, WrongCommandLinesSayWhatIsWrong) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "vantor: no command given\nTry 'vantor --help'.\n"},
        {{"frobnicate"}, "vantor: unknown command 'frobnicate'\nTry 'vantor --help'.\n"},
        {{"--frob"}, "vantor: unknown option '--frob'\nTry 'vantor --help'.\n"},
        {{"check"}, "vantor: check needs at least one FILE\nTry 'vantor check --help'.\n"},
        {{"check", "--dcf", "a.eds"}, "vantor: unknown option '--dcf'\nTry 'vantor check --help'.\n"},
        {{"check", "--format", "xml", "a.eds"},
         "vantor: --format takes 'text' or 'json', not 'xml'\nTry 'vantor check --help'.\n"},
        {{"check", "a.eds", "--format"}, "vantor: option '--format' needs a value\nTry 'vantor check --help'.\n"},
        {{"check", "--strict=yes", "a.eds"}, "vantor: option '--strict' takes no value\nTry 'vantor check --help'.\n"},
        {{"convert", "a.eds"}, "vantor: convert needs IN and OUT\nTry 'vantor convert --help'.\n"},
        {{"convert", "a.eds", "b.dcf", "--node-id", "5"},
         "vantor: --node-id and --baud need --dcf\nTry 'vantor convert --help'.\n"},
        {{"convert", "a.eds", "b.dcf", "--dcf", "--node-id", "128"},
         "vantor: --node-id takes a number from 1 to 127, not '128'\nTry 'vantor convert --help'.\n"},
        {{"convert", "a.eds", "b.dcf", "--dcf", "--baud=300"},
         "vantor: --baud takes a bit rate in kbit/s (10, 20, 50, 100, 125, 250, 500, 800 or 1000), not '300'\n"
         "Try 'vantor convert --help'.\n"},
        {{"convert", "a.eds", "b.vdsc", "--dcf"},
         "vantor: --dcf writes DCF text, but OUT names a saved description (.vdsc)\nTry 'vantor convert --help'.\n"},
        {{"info", "a.eds", "b.eds"}, "vantor: info needs exactly one FILE\nTry 'vantor info --help'.\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = RunVantor(arguments);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(run.out, "");
    }
}

TEST(CommandLine, OptionsMayFollowFilesAndDoubleDashEndsThem) {
    ScratchDir dir;
    WriteFile(dir / "--strict", "");
    // "--strict" after "--" is a file name: an empty file, so exit 2 naming it.
    const ProgramRun run = RunVantor({"check", "--", (dir / "--strict").string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "vantor: " + (dir / "--strict").string() + ": empty file\n");
}

#ifdef VANTOR_MAN_PAGE
TEST(CommandLine, ManualPageIsMadeFromTheHelp) {
    const std::string page = ReadFile(VANTOR_MAN_PAGE);
    ASSERT_FALSE(page.empty()) << "no manual page at " << VANTOR_MAN_PAGE;
    EXPECT_NE(page.find(".TH VANTOR \"1\""), std::string::npos);
    EXPECT_NE(page.find("check, convert and show CANopen device descriptions"), std::string::npos);
    EXPECT_NE(page.find("\\-\\-node\\-id"), std::string::npos);
}
#endif

}  // namespace
}  // namespace vantor::cli::test
