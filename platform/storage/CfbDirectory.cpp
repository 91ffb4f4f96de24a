#include "storage/CfbDirectory.h"

#include "storage/CfbFormat.h"
#include "storage/ElementName.h"
#include "storage/StorageLimits.h"
#include "Unicode.h"

#include <algorithm>

namespace vantor::storage {

using namespace cfb;

namespace {

struct PendingLink {
    uint32_t entry;
    size_t parent;        // index of the storage in CfbDirectory::entries
    size_t pathLength;    // sibling and child links walked from the root
    size_t nestingLevel;  // storages above the entry
};

FILETIME ReadFileTime(const uint8_t* p) { return FILETIME{ReadLe32(p), ReadLe32(p + 4)}; }

CLSID ReadClsid(const uint8_t* p) {
    CLSID clsid{ReadLe32(p), ReadLe16(p + 4), ReadLe16(p + 6), {}};
    std::copy(p + 8, p + 16, clsid.Data4);
    return clsid;
}

bool ReadName(const uint8_t* raw, std::u16string& name) {
    const uint16_t bytes = ReadLe16(raw + kEntryNameLengthOffset);
    if (bytes < 4 || bytes > 2 * (kMaxNameUnits + 1) || bytes % 2 != 0) return false;
    const size_t units = bytes / 2 - 1;
    name.clear();
    for (size_t i = 0; i < units; ++i) {
        const char16_t unit = ReadLe16(raw + 2 * i);
        if (unit == 0) return false;
        name += unit;
    }
    return ReadLe16(raw + 2 * units) == 0 && IsWellFormedUtf16(name);
}

uint64_t ReadStreamSize(const uint8_t* raw, uint16_t majorVersion) {
    // Version 3 writers may leave garbage in the high half.
    return majorVersion == 3 ? ReadLe32(raw + kEntrySizeOffset) : ReadLe64(raw + kEntrySizeOffset);
}

void ReadCommonFields(const uint8_t* raw, uint16_t majorVersion, CfbEntry& entry) {
    entry.clsid = ReadClsid(raw + kEntryClsidOffset);
    entry.stateBits = ReadLe32(raw + kEntryStateBitsOffset);
    entry.creationTime = ReadFileTime(raw + kEntryCreationTimeOffset);
    entry.modificationTime = ReadFileTime(raw + kEntryModificationTimeOffset);
    entry.startSector = ReadLe32(raw + kEntryStartSectorOffset);
    entry.size = ReadStreamSize(raw, majorVersion);
}

class DirectoryReader {
public:
    DirectoryReader(std::span<const uint8_t> sectors, uint16_t majorVersion, CfbDirectory& directory)
        : sectors_(sectors),
          majorVersion_(majorVersion),
          entryCount_(sectors.size() / kDirectoryEntrySize),
          visited_(entryCount_, false),
          directory_(directory) {}

    HRESULT Read() {
        directory_.entries.clear();
        if (entryCount_ == 0) return STG_E_DOCFILECORRUPT;
        const uint8_t* root = Raw(0);
        if (root[kEntryTypeOffset] != kEntryRoot) return STG_E_DOCFILECORRUPT;
        if (ReadLe32(root + kEntryLeftOffset) != kNoStream || ReadLe32(root + kEntryRightOffset) != kNoStream)
            return STG_E_DOCFILECORRUPT;
        visited_[0] = true;
        CfbEntry rootEntry;
        rootEntry.isStorage = true;
        ReadCommonFields(root, majorVersion_, rootEntry);
        directory_.entries.push_back(std::move(rootEntry));
        pending_.push_back({ReadLe32(root + kEntryChildOffset), 0, 1, 0});
        while (!pending_.empty()) {
            const PendingLink link = pending_.back();
            pending_.pop_back();
            if (HRESULT hr = Visit(link); FAILED(hr)) return hr;
        }
        return CheckStorages();
    }

private:
    const uint8_t* Raw(size_t entry) const { return sectors_.data() + entry * kDirectoryEntrySize; }

    HRESULT Visit(const PendingLink& link) {
        if (link.entry == kNoStream) return S_OK;
        if (link.entry >= entryCount_ || visited_[link.entry]) return STG_E_DOCFILECORRUPT;
        if (link.pathLength > kMaxDirectoryPathLength) return STG_E_DOCFILECORRUPT;
        visited_[link.entry] = true;

        const uint8_t* raw = Raw(link.entry);
        const uint8_t type = raw[kEntryTypeOffset];
        if (type != kEntryStorage && type != kEntryStream) return STG_E_DOCFILECORRUPT;
        CfbEntry entry;
        entry.isStorage = type == kEntryStorage;
        if (!ReadName(raw, entry.name)) return STG_E_DOCFILECORRUPT;
        ReadCommonFields(raw, majorVersion_, entry);
        const uint32_t child = ReadLe32(raw + kEntryChildOffset);
        if (entry.isStorage) {
            if (link.nestingLevel + 1 > kMaxNestingDepth) return STG_E_DOCFILECORRUPT;
        } else {
            if (child != kNoStream) return STG_E_DOCFILECORRUPT;
            if (entry.size > kMaxStreamSize) return STG_E_DOCFILECORRUPT;
        }

        const size_t index = directory_.entries.size();
        directory_.entries.push_back(std::move(entry));
        directory_.entries[link.parent].children.push_back(index);
        pending_.push_back({ReadLe32(raw + kEntryLeftOffset), link.parent, link.pathLength + 1, link.nestingLevel});
        pending_.push_back({ReadLe32(raw + kEntryRightOffset), link.parent, link.pathLength + 1, link.nestingLevel});
        if (type == kEntryStorage) pending_.push_back({child, index, link.pathLength + 1, link.nestingLevel + 1});
        return S_OK;
    }

    // Child counts, duplicate names and the cost of sorting every storage.
    HRESULT CheckStorages() const {
        uint64_t sortingWork = 0;
        std::vector<std::u16string_view> names;
        for (const CfbEntry& storage : directory_.entries) {
            const uint64_t count = storage.children.size();
            if (count > kMaxChildrenPerStorage) return STG_E_DOCFILECORRUPT;
            sortingWork += count * count;
            if (sortingWork > kMaxSortingWork) return STG_E_DOCFILECORRUPT;
            names.clear();
            for (size_t child : storage.children) names.push_back(directory_.entries[child].name);
            std::sort(names.begin(), names.end(), ElementNameLess{});
            const auto same = [](std::u16string_view a, std::u16string_view b) { return CompareElementNames(a, b) == 0; };
            if (std::adjacent_find(names.begin(), names.end(), same) != names.end()) return STG_E_DOCFILECORRUPT;
        }
        return S_OK;
    }

    std::span<const uint8_t> sectors_;
    uint16_t majorVersion_;
    size_t entryCount_;
    std::vector<bool> visited_;
    std::vector<PendingLink> pending_;
    CfbDirectory& directory_;
};

}  // namespace

HRESULT ReadCfbDirectory(std::span<const uint8_t> sectors, uint16_t majorVersion, CfbDirectory& directory) {
    return DirectoryReader(sectors, majorVersion, directory).Read();
}

}  // namespace vantor::storage
