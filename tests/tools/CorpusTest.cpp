// Real device descriptions: check never crashes, and converting the output of
// a conversion gives the same text again.
#include <gtest/gtest.h>

#include <algorithm>

#include "ProgramRun.h"

namespace vantor::cli::test {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(VANTOR_CORPUS_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".eds" || extension == ".dcf") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(Corpus, CheckNeverCrashes) {
    if (!fs::is_directory(VANTOR_CORPUS_DIR)) GTEST_SKIP() << "no corpus folder at " << VANTOR_CORPUS_DIR;
    for (const fs::path& file : CorpusFiles()) {
        const ProgramRun run = RunVantor({"check", file.string()});
        EXPECT_EQ(run.signal, 0) << file;
        EXPECT_TRUE(run.status == 0 || run.status == 1) << file << ": " << run.err;
        EXPECT_EQ(run.err, "") << file;
        // Every line names the file and a line or says it has none.
        for (std::size_t start = 0; start < run.out.size(); start = run.out.find('\n', start) + 1)
            EXPECT_TRUE(run.out.compare(start, file.string().size() + 1, file.string() + ":") == 0) << run.out;
    }
}

TEST(Corpus, ConvertingAConversionIsAFixedPoint) {
    if (!fs::is_directory(VANTOR_CORPUS_DIR)) GTEST_SKIP() << "no corpus folder at " << VANTOR_CORPUS_DIR;
    ScratchDir dir;
    for (const fs::path& file : CorpusFiles()) {
        const bool dcf = file.extension() == ".dcf";
        const std::vector<std::string> mode = dcf ? std::vector<std::string>{"--dcf"} : std::vector<std::string>{};
        auto convert = [&](const fs::path& in, const fs::path& out) {
            std::vector<std::string> arguments = {"convert", in.string(), out.string()};
            arguments.insert(arguments.end(), mode.begin(), mode.end());
            return RunVantor(arguments);
        };
        const ProgramRun first = convert(file, dir / "first.txt");
        ASSERT_TRUE(first.status == 0 || first.status == 1) << file << ": " << first.err;
        const ProgramRun second = convert(dir / "first.txt", dir / "second.txt");
        // What an EDS export writes reads back clean. A DCF keeps NodeId 0 and
        // Baudrate 0 when its input left them unset, and its import reports those.
        if (dcf)
            EXPECT_TRUE(second.status == 0 || second.status == 1) << file << ": " << second.err;
        else
            EXPECT_EQ(second.status, 0) << file << ": " << second.err;
        EXPECT_EQ(ReadFile(dir / "first.txt"), ReadFile(dir / "second.txt")) << file;
    }
}

}  // namespace
}  // namespace vantor::cli::test
