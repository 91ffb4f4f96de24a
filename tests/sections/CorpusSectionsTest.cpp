// The header sections of real device descriptions: the keys of the tables are
// recognised whatever their spelling, and what is written reads back to the
// same text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "support/PropSetTestIo.h"
#include "common/Strings.h"
#include "library/sections/EdsComments.h"
#include "library/sections/EdsDeviceComissioning.h"
#include "library/sections/EdsDeviceInfo.h"
#include "library/sections/EdsDummyUsage.h"
#include "library/sections/EdsFileInfo.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

template <class Section>
std::unique_ptr<CEdsPropSet> Make() {
    return std::make_unique<Section>();
}

const std::pair<const char*, std::function<std::unique_ptr<CEdsPropSet>()>> kKinds[] = {
    {"FileInfo", Make<CEdsFileInfo>},     {"DeviceInfo", Make<CEdsDeviceInfo>},
    {"DummyUsage", Make<CEdsDummyUsage>}, {"Comments", Make<CEdsComments>},
    {"DeviceComissioning", Make<CEdsDeviceComissioning>},
};

// Reads the text after the first header [name] of the file into the set.
bool ReadNamedSection(const std::string& fileText, std::string_view name, CEdsPropSet& set) {
    CMemoryStream stream;
    stream.Write(fileText.data(), static_cast<int32_t>(fileText.size()));
    stream.Seek(0, kSeekBegin);
    std::string line;
    while (ReadLine(&stream, line) == ERROR_SUCCESS && !line.empty()) {
        const ClassifiedLine classified = ClassifyLine(line);
        if (classified.kind == LineKind::SectionHeader && EqualNoCase(classified.name, name))
            return set.ReadSectionText(&stream) == ERROR_SUCCESS;
    }
    return false;
}

TEST(CorpusSections, RealSectionsReadAndWriteBackStably) {
    if (!fs::is_directory(VANTOR_CORPUS_DIR)) GTEST_SKIP() << "no corpus folder at " << VANTOR_CORPUS_DIR;
    std::size_t sections = 0;
    for (const auto& entry : fs::directory_iterator(VANTOR_CORPUS_DIR)) {
        std::ostringstream content;
        content << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        for (const auto& [name, make] : kKinds) {
            const std::string where = entry.path().filename().string() + " [" + name + "]";
            const auto first = make();
            if (!ReadNamedSection(content.str(), name, *first)) continue;
            ++sections;
            for (const CEdsField* field : first->Fields())
                EXPECT_FALSE(std::string_view(name) == "DeviceInfo" && field->Id() == kUnknownKeyId)
                    << where << ": " << field->Key() << " is a table key";

            const std::string written = test::WriteSection(*first, true);
            const auto second = make();
            test::ReadSection(*second, written.substr(written.find('\n') + 1));
            EXPECT_EQ(test::WriteSection(*second, true), written) << where;
        }
    }
    EXPECT_GT(sections, 40u) << "the corpus should hold many header sections";
}

}  // namespace
}  // namespace vantor
