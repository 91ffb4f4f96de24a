// Files that cannot be read as descriptions: one message naming the file and
// the cause, exit 2, and nothing left behind, for every command.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <unistd.h>

#include "ProgramRun.h"

namespace vantor::cli::test {
namespace {

namespace fs = std::filesystem;

class BadInput : public ::testing::Test {
protected:
    // Runs command on file; expects exit 2, exactly message on standard
    // error, and no file left in the input's folder, the output's folder or
    // the temporary folder.
    void ExpectRefused(const std::vector<std::string>& arguments, const std::string& message,
                       bool asNobody = false) {
        const std::vector<std::string> before = inputs.Listing();
        const ProgramRun run = RunVantor(arguments, {{}, temp.path(), asNobody});
        EXPECT_EQ(run.status, 2) << arguments[0] << " " << message;
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(inputs.Listing(), before);
        EXPECT_EQ(temp.Listing(), std::vector<std::string>{});
    }

    void ExpectRefusedByEveryCommand(const fs::path& file, const std::string& cause, bool asNobody = false) {
        const std::string message = "vantor: " + file.string() + ": " + cause + "\n";
        ExpectRefused({"check", file.string()}, message, asNobody);
        ExpectRefused({"info", file.string()}, message, asNobody);
        ExpectRefused({"convert", file.string(), (inputs / "out.eds").string()}, message, asNobody);
    }

    ScratchDir inputs;
    ScratchDir temp;
};

TEST_F(BadInput, MissingFile) { ExpectRefusedByEveryCommand(inputs / "absent.eds", "no such file"); }

TEST_F(BadInput, Directory) {
    fs::create_directory(inputs / "folder.eds");
    ExpectRefusedByEveryCommand(inputs / "folder.eds", "is a directory");
}

TEST_F(BadInput, EmptyFile) {
    WriteFile(inputs / "empty.eds", "");
    ExpectRefusedByEveryCommand(inputs / "empty.eds", "empty file");
}

TEST_F(BadInput, BinaryFile) {
    WriteFile(inputs / "binary.eds", std::string("\x7F" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0[FileInfo]\n", 28));
    ExpectRefusedByEveryCommand(inputs / "binary.eds", "binary data, not EDS text");
}

TEST_F(BadInput, TextWithoutSections) {
    WriteFile(inputs / "notes.eds", "VendorName=somebody\nthis is not a description\n");
    ExpectRefusedByEveryCommand(inputs / "notes.eds", "no [section] header, not EDS text");
}

TEST_F(BadInput, FiftyMegabytesOfRandomBytes) {
    std::string random(50u << 20, '\0');
    std::mt19937_64 generator(12);
    for (std::size_t i = 0; i + 8 <= random.size(); i += 8) {
        const uint64_t value = generator();
        std::memcpy(&random[i], &value, 8);
    }
    WriteFile(inputs / "random.eds", random);
    ExpectRefusedByEveryCommand(inputs / "random.eds", "binary data, not EDS text");
}

TEST_F(BadInput, FileWithoutReadPermission) {
    fs::copy_file(Example(), inputs / "secret.eds");
    fs::permissions(inputs / "secret.eds", fs::perms::none);
    // Root reads any file; the program then runs as the unprivileged user.
    const bool asNobody = geteuid() == 0;
    if (asNobody) fs::permissions(temp.path(), fs::perms::all | fs::perms::sticky_bit);
    if (asNobody && !fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "running as root without setpriv";
    ExpectRefusedByEveryCommand(inputs / "secret.eds", "permission denied", asNobody);
}

TEST_F(BadInput, SavedDescriptionIsNotTextForCheck) {
    // A compound file is recognised by its signature, not by its name.
    WriteFile(inputs / "device.eds", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(504, '\0'));
    ExpectRefused({"check", (inputs / "device.eds").string()},
                  "vantor: " + (inputs / "device.eds").string() +
                      ": a saved description, not EDS text (try 'vantor info')\n");
}

TEST_F(BadInput, CheckGoesOnWithTheOtherFiles) {
    const ProgramRun run = RunVantor({"check", (inputs / "absent.eds").string(), Example().string()}, {{}, temp.path()});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "vantor: " + (inputs / "absent.eds").string() + ": no such file\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(temp.Listing(), std::vector<std::string>{});
}

}  // namespace
}  // namespace vantor::cli::test
