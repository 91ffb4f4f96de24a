#include "ProgramRun.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vantor::cli::test {
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Environment(const RunSettings& settings) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (text.starts_with("TMPDIR=") && !settings.temporaryDirectory.empty()) continue;
        environment.push_back(text);
    }
    if (!settings.temporaryDirectory.empty()) environment.push_back("TMPDIR=" + settings.temporaryDirectory.string());
    return environment;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ProgramRun RunVantor(const std::vector<std::string>& arguments, const RunSettings& settings) {
    const ScratchDir capture;
    const fs::path outPath = capture / "out", errPath = capture / "err";
    std::vector<std::string> argv;
    if (settings.asNobody) argv = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    argv.push_back(VANTOR_PROGRAM);
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environment = Environment(settings);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const fs::path previous = fs::current_path();
    if (!settings.workingDirectory.empty()) fs::current_path(settings.workingDirectory);
    pid_t pid = 0;
    auto argPointers = Pointers(argv);
    auto envPointers = Pointers(environment);
    const int spawned = posix_spawn(&pid, argPointers[0], &actions, nullptr, argPointers.data(), envPointers.data());
    fs::current_path(previous);
    posix_spawn_file_actions_destroy(&actions);

    ProgramRun run;
    if (spawned != 0) return run;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
    run.out = ReadFile(outPath);
    run.err = ReadFile(errPath);
    return run;
}

ScratchDir::ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "vantor-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
    // Readable by the unprivileged user some tests run the program as.
    fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::vector<std::string> ScratchDir::Listing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteFile(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

fs::path Fixture(const std::string& name) { return fs::path(VANTOR_FIXTURES) / name; }

fs::path Example() { return fs::path(VANTOR_EXAMPLES) / "cdio8.eds"; }

}  // namespace vantor::cli::test
