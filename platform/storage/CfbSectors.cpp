#include "storage/CfbSectors.h"

#include <cstring>

namespace vantor::storage {

using namespace cfb;

ChainWalker::ChainWalker(std::vector<uint32_t> table, uint32_t unitCount)
    : table_(std::move(table)), claimed_(unitCount, false) {}

HRESULT ChainWalker::Claim(uint32_t unit) {
    if (unit > kMaxRegularSector || unit >= claimed_.size() || claimed_[unit]) return STG_E_DOCFILECORRUPT;
    claimed_[unit] = true;
    return S_OK;
}

HRESULT ChainWalker::Follow(uint32_t start, std::vector<uint32_t>& chain) {
    chain.clear();
    for (uint32_t unit = start; unit != kEndOfChain;) {
        if (unit >= table_.size()) return STG_E_DOCFILECORRUPT;
        if (HRESULT hr = Claim(unit); FAILED(hr)) return hr;
        chain.push_back(unit);
        unit = table_[unit];
    }
    return S_OK;
}

CfbSectors::CfbSectors(std::span<const uint8_t> file, const CfbHeader& header)
    : file_(file), header_(header), walker_({}, 0) {
    const uint64_t body = file.size() - header.sectorSize;
    const uint64_t count = (body + header.sectorSize - 1) / header.sectorSize;
    sectorCount_ = static_cast<uint32_t>(std::min<uint64_t>(count, uint64_t{kMaxRegularSector} + 1));
}

const uint8_t* CfbSectors::SectorData(uint32_t sector) const {
    return file_.data() + (static_cast<uint64_t>(sector) + 1) * header_.sectorSize;
}

bool CfbSectors::SectorInFile(uint32_t sector, uint64_t bytes) const {
    return sector < sectorCount_ && (static_cast<uint64_t>(sector) + 1) * header_.sectorSize + bytes <= file_.size();
}

HRESULT CfbSectors::CollectFatSectors(std::vector<uint32_t>& fatSectors, std::vector<uint32_t>& difatSectors) const {
    const uint32_t wanted = header_.fatSectorCount;
    if (wanted > sectorCount_) return STG_E_DOCFILECORRUPT;
    const uint32_t entriesPerDifat = sectorSize() / 4 - 1;
    const uint64_t chained = wanted > kHeaderDifatEntries ? wanted - kHeaderDifatEntries : 0;
    if (header_.difatSectorCount != (chained + entriesPerDifat - 1) / entriesPerDifat) return STG_E_DOCFILECORRUPT;
    for (size_t i = 0; i < kHeaderDifatEntries; ++i) {
        if (fatSectors.size() < wanted)
            fatSectors.push_back(header_.headerDifat[i]);
        else if (header_.headerDifat[i] != kFreeSector)
            return STG_E_DOCFILECORRUPT;
    }

    uint32_t difat = header_.firstDifatSector;
    while (fatSectors.size() < wanted) {
        if (difatSectors.size() >= header_.difatSectorCount || !SectorInFile(difat, sectorSize()))
            return STG_E_DOCFILECORRUPT;
        difatSectors.push_back(difat);
        const uint8_t* data = SectorData(difat);
        for (uint32_t i = 0; i < entriesPerDifat; ++i) {
            const uint32_t entry = ReadLe32(data + 4 * i);
            if (fatSectors.size() < wanted)
                fatSectors.push_back(entry);
            else if (entry != kFreeSector)
                return STG_E_DOCFILECORRUPT;
        }
        difat = ReadLe32(data + 4 * entriesPerDifat);
    }
    return S_OK;
}

HRESULT CfbSectors::LoadAllocationTable() {
    std::vector<uint32_t> fatSectors;
    std::vector<uint32_t> difatSectors;
    if (HRESULT hr = CollectFatSectors(fatSectors, difatSectors); FAILED(hr)) return hr;

    const uint32_t entriesPerSector = sectorSize() / 4;
    std::vector<uint32_t> table;
    table.reserve(static_cast<size_t>(fatSectors.size()) * entriesPerSector);
    for (uint32_t sector : fatSectors) {
        if (!SectorInFile(sector, sectorSize())) return STG_E_DOCFILECORRUPT;
        const uint8_t* data = SectorData(sector);
        for (uint32_t i = 0; i < entriesPerSector; ++i) table.push_back(ReadLe32(data + 4 * i));
    }
    walker_ = ChainWalker(std::move(table), sectorCount_);
    for (uint32_t sector : fatSectors)
        if (HRESULT hr = walker_.Claim(sector); FAILED(hr)) return hr;
    for (uint32_t sector : difatSectors)
        if (HRESULT hr = walker_.Claim(sector); FAILED(hr)) return hr;
    return S_OK;
}

HRESULT CfbSectors::FollowChain(uint32_t start, std::vector<uint32_t>& chain) { return walker_.Follow(start, chain); }

HRESULT CfbSectors::CheckChainHolds(const std::vector<uint32_t>& chain, uint64_t byteLength) const {
    const uint64_t needed = (byteLength + sectorSize() - 1) / sectorSize();
    if (chain.size() < needed) return STG_E_DOCFILECORRUPT;
    for (uint64_t i = 0; i < needed; ++i) {
        const uint64_t bytes = std::min<uint64_t>(sectorSize(), byteLength - i * sectorSize());
        if (!SectorInFile(chain[i], bytes)) return STG_E_DOCFILECORRUPT;
    }
    return S_OK;
}

std::vector<uint8_t> CfbSectors::Concatenate(const std::vector<uint32_t>& chain) const {
    std::vector<uint8_t> bytes(chain.size() * sectorSize());
    for (size_t i = 0; i < chain.size(); ++i) std::memcpy(&bytes[i * sectorSize()], SectorData(chain[i]), sectorSize());
    return bytes;
}

}  // namespace vantor::storage
