#include <gtest/gtest.h>

#include "editor/document/PathShortening.h"

namespace brenmoor {
namespace {

TEST(ShortenPath, KeepsTheLeadingDirectoriesThatFitBeforeTheFileName) {
    // 51 characters; separators at positions 2, 16, 24, 32 and 40.
    const std::string path = R"(C:\Program Files\Corvane\Halvard\Samples\device.eds)";
    const struct {
        std::string_view path;
        std::size_t width;
        const char* shortened;
    } cases[] = {
        {path, 51, R"(C:\Program Files\Corvane\Halvard\Samples\device.eds)"},
        {path, 50, R"(C:\Program Files\Corvane\Halvard\...\device.eds)"},
        {path, 48, R"(C:\Program Files\Corvane\Halvard\...\device.eds)"},
        {path, 47, R"(C:\Program Files\Corvane\Halvard\...\device.eds)"},  // exact fit
        {path, 46, R"(C:\Program Files\Corvane\...\device.eds)"},
        {path, 20, R"(C:\...\device.eds)"},
        {path, 17, R"(C:\...\device.eds)"},
        {path, 16, R"(...\device.eds)"},
        {path, 5, R"(...\device.eds)"},  // the file name is never cut
        {path, 0, R"(...\device.eds)"},
        {"/home/user/projects/eds/device.eds", 30, "/home/user/.../device.eds"},
        {"/home/user/projects/eds/device.eds", 14, ".../device.eds"},
        {"a-file-name-without-directories.eds", 10, "a-file-name-without-directories.eds"},
        {"", 0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortenPath(c.path, c.width), c.shortened) << c.path << " in " << c.width;
}

}  // namespace
}  // namespace brenmoor
