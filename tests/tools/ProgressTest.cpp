// The progress bar appears on a terminal and nowhere else.
#include <gtest/gtest.h>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ProgramRun.h"

namespace vantor::cli::test {
namespace {

// Runs the program on a pseudo terminal; what it wrote there.
std::string RunOnTerminal(const std::vector<std::string>& arguments, int& status) {
    int terminal = -1;
    const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid == 0) {
        std::vector<char*> argv = {const_cast<char*>(VANTOR_PROGRAM)};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        setenv("TERM", "xterm", 1);
        execv(VANTOR_PROGRAM, argv.data());
        _exit(127);
    }
    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0;) output.append(buffer, static_cast<std::size_t>(n));
    close(terminal);
    waitpid(pid, &status, 0);
    return output;
}

TEST(Progress, ABarOnATerminal) {
    ScratchDir dir;
    int status = 0;
    const std::string shown = RunOnTerminal({"convert", Example().string(), (dir / "out.eds").string()}, status);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << shown;
    EXPECT_NE(shown.find("reading " + Example().string() + " ["), std::string::npos) << shown;
    EXPECT_NE(shown.find("] 100%"), std::string::npos) << shown;
    EXPECT_NE(shown.find("writing " + (dir / "out.eds").string() + " ["), std::string::npos) << shown;
    EXPECT_TRUE(shown.ends_with("\r\x1B[K")) << "the bar is cleared at the end";
}

TEST(Progress, NothingWhenNotATerminal) {
    ScratchDir dir;
    const ProgramRun run = RunVantor({"convert", Example().string(), (dir / "out.eds").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace vantor::cli::test
