#include "storage/CfbValidator.h"

#include "storage/CfbHeader.h"
#include "storage/CfbSectors.h"

namespace vantor::storage {

using namespace cfb;

namespace {

class StreamChainChecker {
public:
    StreamChainChecker(const CfbHeader& header, CfbSectors& sectors, const CfbDirectory& directory)
        : header_(header), sectors_(sectors), directory_(directory) {}

    HRESULT Check() {
        if (HRESULT hr = LoadMiniStream(); FAILED(hr)) return hr;
        for (size_t i = 1; i < directory_.entries.size(); ++i) {
            const CfbEntry& entry = directory_.entries[i];
            if (entry.isStorage || entry.size == 0) continue;
            const HRESULT hr = entry.size < kMiniStreamCutoff ? CheckMiniChain(entry) : CheckRegularChain(entry);
            if (FAILED(hr)) return hr;
        }
        return S_OK;
    }

private:
    HRESULT LoadMiniStream() {
        std::vector<uint32_t> chain;
        if (header_.firstMiniFatSector != kEndOfChain) {
            if (HRESULT hr = sectors_.FollowChain(header_.firstMiniFatSector, chain); FAILED(hr)) return hr;
            if (HRESULT hr = sectors_.CheckChainHolds(chain, uint64_t{chain.size()} * sectors_.sectorSize()); FAILED(hr))
                return hr;
        }
        const std::vector<uint8_t> bytes = sectors_.Concatenate(chain);
        std::vector<uint32_t> table(bytes.size() / 4);
        for (size_t i = 0; i < table.size(); ++i) table[i] = ReadLe32(&bytes[4 * i]);

        miniStreamSize_ = directory_.root().size;
        if (miniStreamSize_ > 0) {
            std::vector<uint32_t> rootChain;
            if (HRESULT hr = sectors_.FollowChain(directory_.root().startSector, rootChain); FAILED(hr)) return hr;
            if (HRESULT hr = sectors_.CheckChainHolds(rootChain, miniStreamSize_); FAILED(hr)) return hr;
        }
        const uint64_t miniSectors = (miniStreamSize_ + kMiniSectorSize - 1) / kMiniSectorSize;
        miniWalker_ = ChainWalker(std::move(table), static_cast<uint32_t>(std::min<uint64_t>(miniSectors, kMaxRegularSector)));
        return S_OK;
    }

    HRESULT CheckRegularChain(const CfbEntry& entry) {
        std::vector<uint32_t> chain;
        if (HRESULT hr = sectors_.FollowChain(entry.startSector, chain); FAILED(hr)) return hr;
        return sectors_.CheckChainHolds(chain, entry.size);
    }

    HRESULT CheckMiniChain(const CfbEntry& entry) {
        std::vector<uint32_t> chain;
        if (HRESULT hr = miniWalker_.Follow(entry.startSector, chain); FAILED(hr)) return hr;
        const uint64_t needed = (entry.size + kMiniSectorSize - 1) / kMiniSectorSize;
        if (chain.size() < needed) return STG_E_DOCFILECORRUPT;
        const uint64_t lastBytes = entry.size - (needed - 1) * kMiniSectorSize;
        if (uint64_t{chain[needed - 1]} * kMiniSectorSize + lastBytes > miniStreamSize_) return STG_E_DOCFILECORRUPT;
        return S_OK;
    }

    const CfbHeader& header_;
    CfbSectors& sectors_;
    const CfbDirectory& directory_;
    uint64_t miniStreamSize_ = 0;
    ChainWalker miniWalker_{{}, 0};
};

}  // namespace

HRESULT ValidateCompoundFile(std::span<const uint8_t> file, CfbDirectory& directory) {
    CfbHeader header;
    if (HRESULT hr = ParseCfbHeader(file, file.size(), header); FAILED(hr)) return hr;
    CfbSectors sectors(file, header);
    if (HRESULT hr = sectors.LoadAllocationTable(); FAILED(hr)) return hr;

    std::vector<uint32_t> directoryChain;
    if (HRESULT hr = sectors.FollowChain(header.firstDirectorySector, directoryChain); FAILED(hr)) return hr;
    const uint64_t directoryBytes = uint64_t{directoryChain.size()} * sectors.sectorSize();
    if (HRESULT hr = sectors.CheckChainHolds(directoryChain, directoryBytes); FAILED(hr)) return hr;
    const std::vector<uint8_t> directorySectors = sectors.Concatenate(directoryChain);
    if (HRESULT hr = ReadCfbDirectory(directorySectors, header.majorVersion, directory); FAILED(hr)) return hr;

    return StreamChainChecker(header, sectors, directory).Check();
}

}  // namespace vantor::storage
