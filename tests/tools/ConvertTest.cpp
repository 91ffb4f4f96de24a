// vantor convert: EDS, DCF and saved descriptions, written safely.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

#include "ProgramRun.h"

namespace vantor::cli::test {
namespace {

namespace fs = std::filesystem;

class Convert : public ::testing::Test {
protected:
    ProgramRun Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "convert");
        return RunVantor(arguments, {dir.path(), temp.path(), false});
    }

    void SetUp() override { fs::copy_file(Example(), dir / "cdio8.eds"); }

    void TearDown() override { EXPECT_EQ(temp.Listing(), std::vector<std::string>{}) << "temporary files left"; }

    ScratchDir dir;
    ScratchDir temp;
};

TEST_F(Convert, EdsToEdsWritesOnlyTheOutput) {
    const ProgramRun run = Run({"cdio8.eds", "copy.eds"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(dir.Listing(), (std::vector<std::string>{"cdio8.eds", "copy.eds"}));
    const std::string text = ReadFile(dir / "copy.eds");
    EXPECT_TRUE(text.starts_with("[FileInfo]\r\n")) << text.substr(0, 40);
    EXPECT_NE(text.find("[1018sub4]\r\n"), std::string::npos);
    EXPECT_EQ(text.find("[DeviceComissioning]"), std::string::npos);
    EXPECT_EQ(RunVantor({"check", (dir / "copy.eds").string()}).out, "") << "the output checks clean";
}

TEST_F(Convert, DcfCarriesTheCommissioningValues) {
    const ProgramRun run = Run({"cdio8.eds", "node5.dcf", "--dcf", "--node-id", "5", "--baud", "500k"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string text = ReadFile(dir / "node5.dcf");
    const std::size_t section = text.find("[DeviceComissioning]\r\n");
    ASSERT_NE(section, std::string::npos) << text.substr(0, 400);
    const std::string commissioning = text.substr(section, text.find("\r\n\r\n", section) - section);
    EXPECT_NE(commissioning.find("\r\nNodeId=0x05\r\n"), std::string::npos) << commissioning;
    EXPECT_NE(commissioning.find("\r\nBaudrate=0x01F4"), std::string::npos) << commissioning;
}

TEST_F(Convert, SavedDescriptionRoundTrip) {
    ASSERT_EQ(Run({"cdio8.eds", "cdio8.vdsc"}).status, 0);
    EXPECT_TRUE(ReadFile(dir / "cdio8.vdsc").starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"));
    ASSERT_EQ(Run({"cdio8.vdsc", "from-saved.eds"}).status, 0);
    ASSERT_EQ(Run({"cdio8.eds", "direct.eds"}).status, 0);
    EXPECT_EQ(ReadFile(dir / "from-saved.eds"), ReadFile(dir / "direct.eds"));
    ASSERT_EQ(Run({"cdio8.vdsc", "again.vdsc"}).status, 0);
    ASSERT_EQ(Run({"again.vdsc", "from-again.eds"}).status, 0);
    EXPECT_EQ(ReadFile(dir / "from-again.eds"), ReadFile(dir / "direct.eds"));
}

TEST_F(Convert, NeverOverwritesTheInput) {
    const std::string original = ReadFile(dir / "cdio8.eds");
    fs::create_hard_link(dir / "cdio8.eds", dir / "hard.eds");
    fs::create_symlink("cdio8.eds", dir / "soft.eds");
    for (const char* out : {"cdio8.eds", "./cdio8.eds", "hard.eds", "soft.eds"}) {
        const ProgramRun run = Run({"cdio8.eds", out});
        EXPECT_EQ(run.status, 2) << out;
        EXPECT_EQ(run.err, std::string("vantor: ") + out + ": is the input file; it is never overwritten\n");
    }
    EXPECT_EQ(ReadFile(dir / "cdio8.eds"), original);
    EXPECT_EQ(dir.Listing(), (std::vector<std::string>{"cdio8.eds", "hard.eds", "soft.eds"}));
}

TEST_F(Convert, ReplacesAnOlderOutputWhole) {
    WriteFile(dir / "out.eds", "older output\n");
    ASSERT_EQ(Run({"cdio8.eds", "out.eds"}).status, 0);
    EXPECT_TRUE(ReadFile(dir / "out.eds").starts_with("[FileInfo]\r\n"));
    EXPECT_EQ(dir.Listing(), (std::vector<std::string>{"cdio8.eds", "out.eds"}));
}

TEST_F(Convert, AFailedRunKeepsTheOlderOutput) {
    WriteFile(dir / "out.eds", "older output\n");
    WriteFile(dir / "empty.eds", "");
    const ProgramRun run = Run({"empty.eds", "out.eds"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "vantor: empty.eds: empty file\n");
    EXPECT_EQ(ReadFile(dir / "out.eds"), "older output\n");
    EXPECT_EQ(dir.Listing(), (std::vector<std::string>{"cdio8.eds", "empty.eds", "out.eds"}));
}

TEST_F(Convert, OutputInAMissingFolderOrOnAFolder) {
    ProgramRun run = Run({"cdio8.eds", "absent/out.eds"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "vantor: absent/out.eds: cannot write in absent: No such file or directory\n");
    fs::create_directory(dir / "folder");
    run = Run({"cdio8.eds", "folder"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "vantor: folder: is a directory\n");
    EXPECT_EQ(dir.Listing(), (std::vector<std::string>{"cdio8.eds", "folder"}));
    EXPECT_TRUE(fs::is_empty(dir / "folder"));
}

TEST_F(Convert, ImportErrorsAreListedAndTheOutputStillWritten) {
    fs::copy_file(Fixture("errors.eds"), dir / "errors.eds");
    const ProgramRun run = Run({"errors.eds", "errors-out.eds"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "errors.eds:11: error: [DeviceInfo] Granularity: overflow\n"
              "errors.eds:22: error: [1000] AccessType: invalid data value\n"
              "errors.eds:28: error: [1001] ObjectType: invalid data value\n"
              "errors.eds:29: error: [1001] DataType: invalid data value\n");
    EXPECT_TRUE(fs::exists(dir / "errors-out.eds"));
    EXPECT_FALSE(fs::exists(dir / "errors.Err"));
    EXPECT_FALSE(fs::exists(dir / "errors-out.ERR"));
}

// A large description, so that a conversion takes a while.
std::string ManyObjects(int count) {
    std::string text = "[ManufacturerObjects]\nSupportedObjects=" + std::to_string(count) + "\n";
    char line[160];
    for (int i = 0; i < count; ++i) {
        std::snprintf(line, sizeof line, "%d=0x%4.4X\n", i + 1, 0x2000 + i);
        text += line;
    }
    for (int i = 0; i < count; ++i) {
        std::snprintf(line, sizeof line,
                      "[%4.4X]\nParameterName=Value %d\nObjectType=7\nDataType=7\nAccessType=rw\nDefaultValue=%d\n"
                      "PDOMapping=1\n",
                      0x2000 + i, i, i);
        text += line;
    }
    return text;
}

TEST_F(Convert, AnInterruptedRunLeavesNoHalfFile) {
    WriteFile(dir / "large.eds", ManyObjects(4000));
    for (int delayMs : {30, 150, 300, 450}) {
        const pid_t pid = fork();
        if (pid == 0) {
            if (chdir(dir.path().c_str()) != 0) _exit(126);
            setenv("TMPDIR", temp.path().c_str(), 1);
            execl(VANTOR_PROGRAM, VANTOR_PROGRAM, "convert", "large.eds", "large.dcf", "--dcf", nullptr);
            _exit(127);
        }
        usleep(delayMs * 1000);
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        // Either the run was ended before the rename, and there is no output, or it finished.
        const bool finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        EXPECT_TRUE(finished || WIFSIGNALED(status)) << delayMs;
        const std::vector<std::string> expected =
            finished ? std::vector<std::string>{"cdio8.eds", "large.dcf", "large.eds"}
                     : std::vector<std::string>{"cdio8.eds", "large.eds"};
        EXPECT_EQ(dir.Listing(), expected) << delayMs;
        if (finished) {
            EXPECT_TRUE(ReadFile(dir / "large.dcf").ends_with("\r\n\r\n"));
        }
        fs::remove(dir / "large.dcf");
    }
}

}  // namespace
}  // namespace vantor::cli::test
