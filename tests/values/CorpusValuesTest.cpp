// Default values of real device descriptions that read as valid are written
// in a form that reads back as the same value.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/Arithm.h"
#include "common/Strings.h"
#include "library/values/StrConv.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

// Checks one default value; returns whether it read as valid.
bool CheckDefault(const std::string& where, const std::string& dataType, const std::string& text) {
    uint16_t type = 0;
    uint8_t first[8], second[8];
    if (ParseUnsigned16(dataType, type) != ConvResult::Valid || ParseValue(type, text, first) != ConvResult::Valid)
        return false;
    std::string written;
    EXPECT_EQ(FormatValue(type, first, written), ConvResult::Valid) << where;
    EXPECT_EQ(ParseValue(type, written, second), ConvResult::Valid) << where << ": " << written;
    EXPECT_EQ(LoadLittleEndian(first, 8), LoadLittleEndian(second, 8)) << where << ": " << text << " -> " << written;
    return true;
}

TEST(CorpusValues, ValidDefaultsSurviveWriteAndRead) {
    if (!fs::is_directory(VANTOR_CORPUS_DIR)) GTEST_SKIP() << "no corpus folder at " << VANTOR_CORPUS_DIR;
    std::size_t checked = 0;
    for (const auto& entry : fs::directory_iterator(VANTOR_CORPUS_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (!EqualNoCase(extension, ".eds") && !EqualNoCase(extension, ".dcf")) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string line, section, dataType, defaultValue;
        bool more = true;
        while (more) {
            more = static_cast<bool>(std::getline(in, line));
            const std::string_view trimmed = more ? TrimBlanks(line) : "[";
            const std::size_t equals = trimmed.find('=');
            if (trimmed.starts_with('[')) {
                const std::string where = entry.path().filename().string() + " " + section;
                if (!dataType.empty() && CheckDefault(where, dataType, defaultValue)) ++checked;
                section = trimmed;
                dataType.clear();
                defaultValue.clear();
            } else if (equals != std::string_view::npos) {
                const std::string_view key = CutTrailingBlanks(trimmed.substr(0, equals));
                if (EqualNoCase(key, "DataType")) dataType = trimmed.substr(equals + 1);
                if (EqualNoCase(key, "DefaultValue")) defaultValue = trimmed.substr(equals + 1);
            }
        }
    }
    EXPECT_GT(checked, 1000u) << "the corpus should hold many numeric default values";
}

}  // namespace
}  // namespace vantor
