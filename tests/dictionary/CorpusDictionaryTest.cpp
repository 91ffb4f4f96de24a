#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "DictTestSupport.h"
#include "library/dictionary/EdsDictStg.h"

namespace fs = std::filesystem;

namespace vantor {
namespace {

// Hands every section of an EDS text to the dictionary, the way an import
// does; the main-object sections met are collected in mains.
void ImportText(CEdsDictStg& dict, const std::string& text, CStream* log, std::set<uint16_t>& mains) {
    auto stream = test::TextStream(text);
    std::string line;
    while (ReadLine(stream.get(), line) == ERROR_SUCCESS && !line.empty()) {
        const ClassifiedLine classified = ClassifyLine(line);
        if (classified.kind != LineKind::SectionHeader) continue;
        const SectionClass section = CPersistEds::ClassifySection(classified.name);
        if (section.code == SectionCode::MainObject) mains.insert(section.index);
        EXPECT_EQ(dict.DispatchSection(classified.name, stream.get(), log), S_OK) << classified.name;
    }
}

std::u16string AllObjects(CEdsDictStg& dict) {
    BSTR all = nullptr;
    EXPECT_EQ(dict.ListAll(all), S_OK);
    const test::Bstr owned(all);
    return test::Units(all);
}

TEST(CorpusDictionary, RealObjectSectionsSurviveImportAndExport) {
    if (!fs::is_directory(VANTOR_CORPUS_DIR)) GTEST_SKIP() << "no corpus folder at " << VANTOR_CORPUS_DIR;
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(VANTOR_CORPUS_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".eds" && extension != ".dcf") continue;
        SCOPED_TRACE(entry.path().filename().string());
        std::ostringstream content;
        content << std::ifstream(entry.path(), std::ios::binary).rdbuf();

        test::TempFiles storageFiles;
        IStorage* root = storageFiles.Compound();
        CEdsDictStg first;
        ASSERT_EQ(first.InitNew(test::SubStorage(root, u"First").Get()), S_OK);
        CMemoryStream log;
        std::set<uint16_t> mains;
        ImportText(first, content.str(), &log, mains);
        for (uint16_t index : mains) EXPECT_TRUE(first.Map(ObjectMapCode::Available).IsMember(index)) << index;

        CMemoryStream exported;
        CMemoryStream errors;
        ASSERT_EQ(first.Export(&exported, &errors, nullptr, 0, true), S_OK) << test::Content(errors);

        // The exported text reads back into the same objects and writes the same text.
        CEdsDictStg second;
        ASSERT_EQ(second.InitNew(test::SubStorage(root, u"Second").Get()), S_OK);
        std::set<uint16_t> again;
        ImportText(second, test::Content(exported), &log, again);
        EXPECT_EQ(AllObjects(second), AllObjects(first));
        CMemoryStream reexported;
        ASSERT_EQ(second.Export(&reexported, &errors, nullptr, 0, true), S_OK);
        EXPECT_EQ(test::Content(reexported), test::Content(exported));
        ++files;
    }
    EXPECT_GT(files, 0u);
}

}  // namespace
}  // namespace vantor
