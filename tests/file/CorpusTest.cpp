#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FileTestSupport.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusFiles() {
    std::vector<fs::path> files;
    const fs::path folder = VANTOR_CORPUS_DIR;
    std::error_code ignored;
    if (!fs::is_directory(folder, ignored)) return files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".eds" || extension == ".dcf") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class CorpusTest : public FileStgTest {
protected:
    // Imports a corpus file (copied into the scratch folder, so that its
    // error file lands there); the error file's content, or "" when none.
    std::string ImportCopy(const fs::path& source) {
        const std::string copy = Path(source.filename().string());
        fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
        EXPECT_EQ(file_->Import(copy.c_str(), nullptr, 0), S_OK) << source;
        const std::string errors = ReplaceExtensionOf(copy, ".Err");
        return Exists(errors) ? ReadText(errors) : "";
    }

    static std::string ReplaceExtensionOf(const std::string& path, const std::string& extension) {
        return fs::path(path).replace_extension(extension).string();
    }

    // A fresh description holding only the import of text.
    std::string ReimportAndExport(const std::string& text, bool writeDcf) {
        std::unique_ptr<CEdsFileStg> again = CEdsFileStg::Create();
        IStorage* root = files_.Compound("again" + std::to_string(++rounds_) + ".stg");
        EXPECT_EQ(again->InitNew(root), S_OK);
        const std::string in = WriteText("again.eds", text);
        EXPECT_EQ(again->Import(in.c_str(), nullptr, 0), S_OK);
        const std::string out = Path("again-out.eds");
        EXPECT_EQ(again->Export(out.c_str(), writeDcf, 0, nullptr), S_OK);
        return ReadText(out);
    }

    int rounds_ = 0;
};

TEST_F(CorpusTest, EveryFileImportsAndItsExportIsAFixedPoint) {
    const auto files = CorpusFiles();
    if (files.empty()) GTEST_SKIP() << "no corpus at " << VANTOR_CORPUS_DIR;
    for (const fs::path& source : files) {
        SCOPED_TRACE(source.filename().string());
        file_ = CEdsFileStg::Create();
        ASSERT_EQ(file_->InitNew(files_.Compound(source.filename().string() + ".stg")), S_OK);
        ImportCopy(source);
        for (const bool writeDcf : {false, true}) {
            const std::string first = Export(writeDcf);
            ASSERT_FALSE(first.empty());
            EXPECT_EQ(FirstDifference(ReimportAndExport(first, writeDcf), first), "")
                << (writeDcf ? "configuration" : "plain");
        }
    }
}

TEST_F(CorpusTest, ErrorFilesListTheProblemsOfRealFiles) {
    const fs::path folder = VANTOR_CORPUS_DIR;
    if (!fs::exists(folder / "isd860.dcf")) GTEST_SKIP() << "no corpus at " << VANTOR_CORPUS_DIR;

    // [DeviceCommissioning] is read as the commissioning section.
    EXPECT_EQ(ImportCopy(folder / "isd860.dcf"),
              "[Error] FileInfo: CreationDate: invalid data format\r\n"
              "[Error] FileInfo: ModificationDate: invalid data format\r\n"
              "[Error] DeviceComissioning: NodeId: underflow\r\n"
              "[Error] DeviceComissioning: Baudrate: invalid data value\r\n");

    StartAgain();
    EXPECT_EQ(ImportCopy(folder / "eds-dcf-net_modular_device.dcf"),
              "[Error] FileInfo: FileName: invalid data format\r\n"
              "[Error] DeviceComissioning: NodeName: invalid data lenght\r\n"
              "Unknown section skipped: [SupportedModules]\r\n"
              "Unknown section skipped: [M1ModuleInfo]\r\n"
              "Unknown section skipped: [M1FixedObjects]\r\n"
              "Unknown section skipped: [M2ModuleInfo]\r\n"
              "Unknown section skipped: [M2FixedObjects]\r\n"
              "Unknown section skipped: [ConnectedModules]\r\n");
    EdsDeviceComRecord com{};
    ASSERT_EQ(file_->GetDeviceCom(com), S_OK);
    EXPECT_EQ(com.NodeId, 3);
    EXPECT_EQ(com.Baudrate, 125);

    // A profile without file sections, with duplicates and comments after values.
    StartAgain();
    const std::string errors = ImportCopy(folder / "kacanopen_cia401_profile.eds");
    EXPECT_EQ(errors.find("Section [1A03sub01] replaced by a later section of the same name\r\n"), 0u);
    EXPECT_NE(errors.find("Section [642Asub02] replaced by a later section of the same name\r\n"), std::string::npos)
        << errors;
}

}  // namespace
}  // namespace vantor::test
