// Runs the vantor program as a separate process and captures what it prints.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vantor::cli::test {

struct ProgramRun {
    int status = -1;      // exit status, or -1 when the program did not exit normally
    int signal = 0;       // the signal that ended it, if one did
    std::string out;
    std::string err;
};

struct RunSettings {
    std::filesystem::path workingDirectory;  // empty: the test's own
    std::filesystem::path temporaryDirectory;  // TMPDIR of the program; empty: inherited
    bool asNobody = false;  // drop root's rights (to test files it may not read)
};

ProgramRun RunVantor(const std::vector<std::string>& arguments, const RunSettings& settings = {});

// A fresh directory for one test, removed afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Names of everything in the directory, sorted.
    std::vector<std::string> Listing() const;

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& content);
std::filesystem::path Fixture(const std::string& name);
std::filesystem::path Example();

}  // namespace vantor::cli::test
