// The object dictionary of a description: the four object maps (existing
// objects and the three EDS object lists) and the areas that hold the
// objects, with the operations behind the interface's object calls, the
// import and export of the object sections, the identity object and the
// creation of PDO objects.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "library/dictionary/EdsAreaStg.h"
#include "library/dictionary/EdsObjectMap.h"
#include "library/fields/EdsPers.h"
#include "vantor/vantor.h"

namespace vantor {

// Map codes, which are also the order of the maps' streams.
namespace ObjectMapCode {
inline constexpr int Available = 0;
inline constexpr int Mandatory = 1;
inline constexpr int Optional = 2;
inline constexpr int Manufacturer = 3;
inline constexpr int Count = 4;
}  // namespace ObjectMapCode

// List membership of an index, as in the Category byte of object records.
namespace ObjectCategory {
inline constexpr uint8_t None = 0;
inline constexpr uint8_t Mandatory = 1;
inline constexpr uint8_t Optional = 2;
inline constexpr uint8_t Manufacturer = 3;
}  // namespace ObjectCategory

// The identity values of object 0x1018: bit k-1 of mask set when value k-1
// (vendor id, product code, revision number, serial number) is present.
struct IdentityValues {
    uint32_t mask = 0;
    std::array<uint32_t, 4> values{};
};

class CEdsDictStg : public CPersistEds {
public:
    // The index of the identity object.
    static constexpr uint16_t kIdentityIndex = 0x1018;
    static constexpr uint16_t kMainEntry = 0xFF;
    // Index ranges of the receive and transmit PDO communication objects.
    static constexpr uint16_t kReceivePdoFirst = 0x1400;
    static constexpr uint16_t kReceivePdoLast = 0x15FF;
    static constexpr uint16_t kTransmitPdoFirst = 0x1800;
    static constexpr uint16_t kTransmitPdoLast = 0x19FF;

    CEdsDictStg();
    ~CEdsDictStg() override;

    HRESULT InitNew(IStorage* storage) override;
    HRESULT Load(IStorage* storage) override;
    HRESULT Save() override;
    HRESULT SaveCompleted() override;
    HRESULT SaveAs(IStorage* target) override;
    HRESULT SaveAsCompleted() override;
    HRESULT HandsOffStorage() override;
    HRESULT ResumeStorage(IStorage* storage) override;
    // Object lists (kinds 8 to 10) and object sections (kinds 11 to 16).
    HRESULT ReadSection(uint16_t code, uint16_t index, CStream* log, CStream* reader, int subindex) override;

    // All existing indexes, ascending; the caller frees the block.
    HRESULT ListAll(BSTR& indexes);
    // subIndex: 0 to 0xFE a sub-index entry; add, set and remove take every
    // value above 0xFE as the main entry, get the low 8 bits (0xFF main).
    HRESULT Add(uint16_t index, uint16_t subIndex, const EdsObjectRecord& record);
    HRESULT Get(uint16_t index, uint16_t subIndex, EdsObjectRecord& record);
    HRESULT Set(uint16_t index, uint16_t subIndex, const EdsObjectRecord& record);
    HRESULT Remove(uint16_t index, uint16_t subIndex);
    // links is a new block for the caller to free, or null on failure.
    HRESULT GetLinks(uint16_t index, BSTR& links);
    HRESULT SetLinks(uint16_t index, BSTR links);

    uint8_t Category(uint16_t index) const;
    // 1 mandatory, 2 optional, 3 manufacturer; anything else removes the
    // index from the three lists.
    void SetCategory(uint16_t index, uint8_t category);
    // Existing objects in 0x1400..0x15FF and in 0x1800..0x19FF.
    void CountPdos(int& receive, int& transmit) const;

    HRESULT ReadIdentity(IdentityValues& identity);
    HRESULT WriteIdentity(const IdentityValues& identity);
    // Creates the PDO communication object at index (0x1400..0x15FF or
    // 0x1800..0x19FF) and its mapping object at index + 0x200.
    HRESULT CreatePdo(uint16_t index, const EdsPdoRequest& request);

    // Writes the object lists and every object in ascending index order.
    // progress (may be null) receives 0, then i * 100 / 255 for each area i.
    HRESULT Export(CStream* text, CStream* errors, EdsProgressProc progress, intptr_t context, bool configuration);

    const CEdsObjectMap& Map(int code) const { return maps_[static_cast<std::size_t>(code)]; }

private:
    HRESULT OpenArea(uint16_t index, CEdsAreaStg*& area);
    HRESULT CreateArea(uint16_t index, CEdsAreaStg*& area);
    HRESULT GetOrCreateArea(uint16_t index, CEdsAreaStg*& area);
    HRESULT CacheArea(uint16_t index, IStorage* storage, bool create, CEdsAreaStg*& area);
    void DropAreas();

    // The maps into their streams of target.
    HRESULT WriteMaps(IStorage* target);
    HRESULT LoadMaps();
    HRESULT ReadMapSection(int code, CStream* log, CStream* reader);
    HRESULT ExportMap(int code, CStream* text, CStream* errors, bool configuration);
    HRESULT EnumerateAreas(std::array<bool, 256>& present);

    HRESULT AddOrSetDefault(uint16_t index, uint8_t subIndex, const EdsObjectRecord& fallback, const std::string& value);
    // The highest sub-index present, from the main entry's presence map.
    HRESULT HighestSubIndex(uint16_t index, int& highest);
    HRESULT CreatePdoParameter(uint16_t index, int number, bool receive, const EdsPdoRequest& request);
    HRESULT CreatePdoMapping(uint16_t index, int number, bool receive, const EdsPdoRequest& request);

    std::array<CEdsObjectMap, ObjectMapCode::Count> maps_;
    std::array<std::unique_ptr<CEdsAreaStg>, 256> areas_;
};

}  // namespace vantor
