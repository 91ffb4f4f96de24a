// Sector access and allocation chains of a compound file held in memory.
// Every sector (and every mini sector) may belong to one chain only, which
// also stops cycles.
#pragma once

#include "storage/CfbHeader.h"

#include <span>
#include <vector>

namespace vantor::storage {

// Follows chains through one allocation table, claiming each unit it passes.
class ChainWalker {
public:
    ChainWalker(std::vector<uint32_t> table, uint32_t unitCount);

    // STG_E_DOCFILECORRUPT for an out-of-range unit or one already claimed.
    HRESULT Follow(uint32_t start, std::vector<uint32_t>& chain);
    HRESULT Claim(uint32_t unit);

private:
    std::vector<uint32_t> table_;
    std::vector<bool> claimed_;
};

class CfbSectors {
public:
    CfbSectors(std::span<const uint8_t> file, const CfbHeader& header);

    // Reads the sector allocation table through the header's and the
    // chained DIFAT entries.
    HRESULT LoadAllocationTable();

    HRESULT FollowChain(uint32_t start, std::vector<uint32_t>& chain);
    // Checks that the chain holds byteLength bytes and that all of them lie
    // inside the file (the last sector may be cut short by the file's end).
    HRESULT CheckChainHolds(const std::vector<uint32_t>& chain, uint64_t byteLength) const;
    // The bytes of whole sectors, concatenated; the chain must hold them.
    std::vector<uint8_t> Concatenate(const std::vector<uint32_t>& chain) const;

    uint32_t sectorSize() const { return header_.sectorSize; }

private:
    const uint8_t* SectorData(uint32_t sector) const;
    bool SectorInFile(uint32_t sector, uint64_t bytes) const;
    HRESULT CollectFatSectors(std::vector<uint32_t>& fatSectors, std::vector<uint32_t>& difatSectors) const;

    std::span<const uint8_t> file_;
    CfbHeader header_;
    uint32_t sectorCount_ = 0;
    ChainWalker walker_;
};

}  // namespace vantor::storage
