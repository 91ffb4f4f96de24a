// Damaged and hostile compound files: every one is refused with
// STG_E_INVALIDHEADER or STG_E_DOCFILECORRUPT, never read in part, and
// reading them neither crashes, hangs nor allocates beyond their size.
#include "StorageTestSupport.h"

#include <functional>
#include <random>

using namespace storage_test;

namespace {

// A small compound file of the layer with accessors for its structures.
class Image {
public:
    Image() {
        TempFolder folder;
        const auto path = folder.File("base.stg");
        {
            StoragePtr root = CreateDocfile(path);
            WriteStream(root.get(), u"alpha", Pattern(100, 1));
            WriteStream(root.get(), u"beta", Pattern(10000, 2));
            StoragePtr gamma = CreateStorage(root.get(), u"gamma");
            WriteStream(gamma.get(), u"delta", Pattern(50, 3));
        }
        bytes = ReadFileBytes(Utf8Path(path));
    }

    uint32_t Get32(size_t offset) const {
        return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) | (uint32_t{bytes[offset + 3]} << 24);
    }
    void Set32(size_t offset, uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
    void Set16(size_t offset, uint16_t value) {
        bytes[offset] = static_cast<uint8_t>(value);
        bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
    }

    static size_t SectorOffset(uint32_t sector) { return 512 + size_t{sector} * 512; }
    // The FAT entry of a sector (the file is small: one FAT sector).
    size_t FatEntryOffset(uint32_t sector) const { return SectorOffset(Get32(0x4C)) + 4 * sector; }
    size_t EntryOffset(uint32_t id) const {
        uint32_t sector = Get32(0x30);
        for (uint32_t i = 0; i < id / 4; ++i) sector = Get32(FatEntryOffset(sector));
        return SectorOffset(sector) + 128 * (id % 4);
    }
    uint32_t FindEntry(const std::u16string& name) const {
        for (uint32_t id = 0; id < 16; ++id) {
            const size_t at = EntryOffset(id);
            bool same = static_cast<size_t>(bytes[at + 64] | (bytes[at + 65] << 8)) == (name.size() + 1) * 2;
            for (size_t i = 0; same && i < name.size(); ++i) same = bytes[at + 2 * i] == name[i];
            if (same) return id;
        }
        ADD_FAILURE() << "no entry " << Hex(name);
        return 0;
    }

    std::vector<uint8_t> bytes;
};

HRESULT OpenBytes(const std::vector<uint8_t>& bytes, StoragePtr& root) {
    TempFolder folder;
    const auto path = folder.File("hostile.stg");
    WriteFileBytes(Utf8Path(path), bytes);
    return StgOpenStorage(path.c_str(), nullptr, kOpenRW, nullptr, 0, root.Out());
}

TEST(StorageHostileTest, TheBaseImageIsReadable) {
    Image image;
    StoragePtr root;
    ASSERT_EQ(S_OK, OpenBytes(image.bytes, root));
    EXPECT_EQ(4u, DescribeTree(root.get()).size());
}

TEST(StorageHostileTest, DamagedFilesAreRefused) {
    struct Case {
        const char* what;
        std::function<void(Image&)> damage;
        HRESULT expected;
    };
    const Case cases[] = {
        {"empty file", [](Image& i) { i.bytes.clear(); }, STG_E_INVALIDHEADER},
        {"shorter than a header", [](Image& i) { i.bytes.resize(300); }, STG_E_INVALIDHEADER},
        {"wrong signature", [](Image& i) { i.bytes[3] ^= 0xFF; }, STG_E_INVALIDHEADER},
        {"unknown sector size", [](Image& i) { i.Set16(0x1E, 20); }, STG_E_INVALIDHEADER},
        {"wrong byte order mark", [](Image& i) { i.Set16(0x1C, 0xFEFF); }, STG_E_INVALIDHEADER},
        {"truncated to half", [](Image& i) { i.bytes.resize(i.bytes.size() / 2); }, STG_E_DOCFILECORRUPT},
        {"directory chain loops", [](Image& i) { i.Set32(i.FatEntryOffset(i.Get32(0x30)), i.Get32(0x30)); },
         STG_E_DOCFILECORRUPT},
        {"stream chain loops",
         [](Image& i) {
             const uint32_t start = i.Get32(i.EntryOffset(i.FindEntry(u"beta")) + 116);
             i.Set32(i.FatEntryOffset(start + 5), start);
         },
         STG_E_DOCFILECORRUPT},
        {"directory sector out of range", [](Image& i) { i.Set32(0x30, 0x00FFFFFF); }, STG_E_DOCFILECORRUPT},
        {"FAT sector out of range", [](Image& i) { i.Set32(0x4C, 0x7FFFFFF0); }, STG_E_DOCFILECORRUPT},
        {"huge FAT sector count", [](Image& i) { i.Set32(0x2C, 0x7FFFFFFF); }, STG_E_DOCFILECORRUPT},
        {"DIFAT sectors the FAT does not need", [](Image& i) { i.Set32(0x48, 0x1B00); }, STG_E_DOCFILECORRUPT},
        // The reader library only logs a warning about this one and carries on.
        {"garbage in an unused mini allocation entry",
         [](Image& i) { i.Set32(Image::SectorOffset(i.Get32(0x3C)) + 4 * 127, 0xFFFF8DFF); }, STG_E_DOCFILECORRUPT},
        {"directory tree loops",
         [](Image& i) {
             const uint32_t id = i.FindEntry(u"alpha");
             i.Set32(i.EntryOffset(id) + 68, id);
         },
         STG_E_DOCFILECORRUPT},
        {"child link to the root entry", [](Image& i) { i.Set32(i.EntryOffset(i.FindEntry(u"gamma")) + 76, 0); },
         STG_E_DOCFILECORRUPT},
        {"huge declared stream size", [](Image& i) { i.Set32(i.EntryOffset(i.FindEntry(u"beta")) + 120, 0xFFFFFF00); },
         STG_E_DOCFILECORRUPT},
        {"stream longer than its chain", [](Image& i) { i.Set32(i.EntryOffset(i.FindEntry(u"beta")) + 120, 20000); },
         STG_E_DOCFILECORRUPT},
        {"small stream beyond the mini stream",
         [](Image& i) { i.Set32(i.EntryOffset(i.FindEntry(u"alpha")) + 116, 5000); }, STG_E_DOCFILECORRUPT},
        {"unknown entry type", [](Image& i) { i.bytes[i.EntryOffset(i.FindEntry(u"delta")) + 66] = 7; },
         STG_E_DOCFILECORRUPT},
        {"name length beyond the field", [](Image& i) { i.Set16(i.EntryOffset(i.FindEntry(u"delta")) + 64, 200); },
         STG_E_DOCFILECORRUPT},
        {"two names equal without regard to case",
         [](Image& i) {
             const size_t at = i.EntryOffset(i.FindEntry(u"gamma"));
             const char16_t alpha[] = u"ALPHA";
             for (size_t k = 0; k < 5; ++k) i.Set16(at + 2 * k, alpha[k]);
         },
         STG_E_DOCFILECORRUPT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Image image;
        c.damage(image);
        StoragePtr root;
        EXPECT_EQ(c.expected, OpenBytes(image.bytes, root));
        EXPECT_FALSE(root);
    }
}

// Random damage anywhere in the file: the result is a refusal or a tree that
// can be walked completely.
TEST(StorageHostileTest, RandomDamageNeverBreaksTheReader) {
    const Image original;
    std::mt19937 random(20240607);
    int refused = 0;
    for (int round = 0; round < 300; ++round) {
        Image image = original;
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int k = 0; k < changes; ++k) {
            // Most rounds aim at the header and the tables, where damage matters.
            const size_t span = random() % 2 ? 512 + 4 * 512 : image.bytes.size();
            image.bytes[random() % std::min(span, image.bytes.size())] = static_cast<uint8_t>(random());
        }
        StoragePtr root;
        const HRESULT hr = OpenBytes(image.bytes, root);
        ASSERT_TRUE(hr == S_OK || hr == STG_E_INVALIDHEADER || hr == STG_E_DOCFILECORRUPT) << std::hex << hr;
        if (hr == S_OK)
            DescribeTree(root.get());
        else
            ++refused;
    }
    EXPECT_GT(refused, 0);
}

}  // namespace
