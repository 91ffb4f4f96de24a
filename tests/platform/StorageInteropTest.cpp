// Files written by the layer read by python3-olefile, and files written by
// olefile, by hand and by libgsf directly read by the layer.
#include "StorageTestSupport.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-utils.h>

#include <sstream>

using namespace storage_test;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class StorageInteropTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PythonWithOlefileAvailable()) GTEST_SKIP() << "/usr/bin/python3 with olefile is not installed";
    }

    TempFolder folder_;
};

TEST_F(StorageInteropTest, OlefileReadsEveryElementAndByteTheLayerWrote) {
    const auto path = folder_.File("layer.stg");
    std::vector<std::string> expected;
    {
        StoragePtr root = CreateDocfile(path);
        WriteStream(root.get(), SectionName("FileInfo"), Pattern(400, 1));
        WriteStream(root.get(), u"\x05SummaryInformation", Pattern(64, 2));
        StoragePtr dictionary = CreateStorage(root.get(), u"ObjectDictionary");
        StoragePtr area = CreateStorage(dictionary.get(), u"$10");
        StoragePtr object = CreateStorage(area.get(), u"$18");
        WriteStream(object.get(), u"MAIN", Pattern(150, 3));
        WriteStream(object.get(), u"$00", Pattern(0, 4));
        CreateStorage(dictionary.get(), u"Empty");
        for (size_t size : {4095u, 4096u, 3u << 20}) WriteStream(area.get(), U16(std::to_string(size)), Pattern(size, 5));
        for (int i = 0; i < 40; ++i) WriteStream(root.get(), U16("s" + std::to_string(i)), Pattern(i * 13, i));
        expected = DescribeTree(root.get());
    }
    const ScriptResult dump = RunScript("olefile_tool.py", {"dump", Utf8Path(path)});
    ASSERT_EQ(0, dump.exitCode) << dump.output;
    EXPECT_EQ(expected, Lines(dump.output));
}

TEST_F(StorageInteropTest, NamesAreStoredAsUtf16InTheirDirectoryEntries) {
    const auto path = folder_.File("names.stg");
    {
        StoragePtr root = CreateDocfile(path);
        WriteStream(root.get(), SectionName("FileInfo"), Pattern(10, 1));
    }
    const auto bytes = ReadFileBytes(Utf8Path(path));
    const std::u16string name = SectionName("FileInfo");
    std::vector<uint8_t> encoded;
    for (char16_t unit : name) {
        encoded.push_back(static_cast<uint8_t>(unit));
        encoded.push_back(static_cast<uint8_t>(unit >> 8));
    }
    encoded.insert(encoded.end(), {0, 0});
    int found = 0;
    for (size_t entry = 512; entry + 128 <= bytes.size(); entry += 128) {
        if (!std::equal(encoded.begin(), encoded.end(), bytes.begin() + static_cast<ptrdiff_t>(entry))) continue;
        ++found;
        EXPECT_EQ(encoded.size(), bytes[entry + 64] | (bytes[entry + 65] << 8));
        EXPECT_EQ(2, bytes[entry + 66]) << "a stream entry";
    }
    EXPECT_EQ(1, found);
}

TEST_F(StorageInteropTest, TheLayerReadsStreamsOlefileRewrote) {
    const auto path = folder_.File("rewritten.stg");
    {
        StoragePtr root = CreateDocfile(path);
        StoragePtr storage = CreateStorage(root.get(), u"Folder");
        WriteStream(storage.get(), u"big", Pattern(9000, 1));
        WriteStream(root.get(), u"small", Pattern(100, 2));
    }
    ASSERT_EQ(0, RunScript("olefile_tool.py", {"rewrite", Utf8Path(path), "3", "Folder", "big"}).exitCode);
    ASSERT_EQ(0, RunScript("olefile_tool.py", {"rewrite", Utf8Path(path), "9", "small"}).exitCode);

    const auto expected = [](size_t size, int seed) {
        std::vector<uint8_t> bytes(size);
        for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + seed);
        return bytes;
    };
    StoragePtr root = OpenDocfile(path);
    ASSERT_TRUE(root);
    StoragePtr storage = OpenStorage(root.get(), u"Folder");
    EXPECT_EQ(expected(9000, 3), ReadStream(storage.get(), u"big"));
    EXPECT_EQ(expected(100, 9), ReadStream(root.get(), u"small"));
}

TEST_F(StorageInteropTest, TheLayerReadsHandWrittenFilesOfBothVersions) {
    for (const char* sectorSize : {"512", "4096"}) {
        SCOPED_TRACE(sectorSize);
        const auto path = folder_.File(std::string("hand") + sectorSize + ".stg");
        const ScriptResult written = RunScript("cfb_write.py", {Utf8Path(path), sectorSize});
        ASSERT_EQ(0, written.exitCode) << written.output;
        StoragePtr root = OpenDocfile(path);
        ASSERT_TRUE(root);
        EXPECT_EQ(Lines(written.output), DescribeTree(root.get()));
    }
}

void WriteGsfStream(GsfOutfile* parent, const char* name, const std::vector<uint8_t>& bytes) {
    GsfOutput* stream = gsf_outfile_new_child(parent, name, FALSE);
    ASSERT_TRUE(stream);
    if (!bytes.empty()) {
        ASSERT_TRUE(gsf_output_write(stream, bytes.size(), bytes.data()));
    }
    ASSERT_TRUE(gsf_output_close(stream));
    g_object_unref(stream);
}

TEST(StorageLibgsfTest, TheLayerReadsWhatLibgsfWritesDirectly) {
    TempFolder folder;
    const auto path = folder.File("gsf.stg");
    gsf_init();
    GsfOutput* sink = gsf_output_stdio_new(Utf8Path(path).c_str(), nullptr);
    ASSERT_TRUE(sink);
    GsfOutfile* root = gsf_outfile_msole_new(sink);
    WriteGsfStream(root, "\xC2\xAE\xC2\xAC" "FileInfo", Pattern(300, 1));
    GsfOutput* dictionary = gsf_outfile_new_child(root, "ObjectDictionary", TRUE);
    WriteGsfStream(GSF_OUTFILE(dictionary), "first", Pattern(4096, 2));
    WriteGsfStream(GSF_OUTFILE(dictionary), "second", Pattern(70000, 3));
    WriteGsfStream(GSF_OUTFILE(dictionary), "$00", {});
    ASSERT_TRUE(gsf_output_close(dictionary));
    g_object_unref(dictionary);
    ASSERT_TRUE(gsf_output_close(GSF_OUTPUT(root)));
    g_object_unref(root);
    g_object_unref(sink);

    StoragePtr reopened = OpenDocfile(path);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(Pattern(300, 1), ReadStream(reopened.get(), SectionName("FileInfo")));
    StoragePtr storage = OpenStorage(reopened.get(), u"ObjectDictionary");
    EXPECT_EQ(Pattern(4096, 2), ReadStream(storage.get(), u"first"));
    EXPECT_EQ(Pattern(70000, 3), ReadStream(storage.get(), u"second"));
    EXPECT_EQ((std::vector<Listed>{{u"$00", STGTY_STREAM, 0}, {u"first", STGTY_STREAM, 4096},
                                   {u"second", STGTY_STREAM, 70000}}),
              ListElements(storage.get()));
}

}  // namespace
