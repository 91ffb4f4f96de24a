// The storage of one dictionary index: its main entry in the stream "MAIN",
// each sub-index entry in a stream "$%2.2X", its link list and the pending
// texts of compact sub-indexes. Nothing is cached: every call loads what it
// needs and writes its changes back at once.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "library/dictionary/EdsLists.h"
#include "library/dictionary/EdsObjs.h"
#include "library/fields/EdsPers.h"
#include "vantor/vantor.h"

namespace vantor {

// Which sub-index entries an index has.
struct EntryPresence {
    std::array<bool, 256> present{};
    int count = 0;

    // 255 characters, '1' at position i when sub-index i is present.
    std::string Map() const;
};

class CEdsObjStg : public CPersistEds {
public:
    static constexpr uint16_t kNoIndex = 0xFFFF;
    // The sub-index that designates the main entry.
    static constexpr uint8_t kMainEntry = 0xFF;

    CEdsObjStg() = default;

    uint16_t Index() const { return index_; }
    void SetIndex(uint16_t index) { index_ = index; }

    HRESULT InitNew(IStorage* storage) override;
    HRESULT Load(IStorage* storage) override;
    HRESULT Save() override;
    HRESULT SaveAs(IStorage* target) override;
    HRESULT HandsOffStorage() override;
    HRESULT ResumeStorage(IStorage* storage) override;
    HRESULT Uninitialize() override;
    // Imports one section of the served index (kinds 11 to 16); the index
    // argument is not used.
    HRESULT ReadSection(uint16_t code, uint16_t index, CStream* log, CStream* reader, int subindex) override;

    // Entries: sub-index 0 to 0xFE, or kMainEntry for "MAIN".
    static std::unique_ptr<CEdsObjectEntry> NewEntry(uint8_t subIndex);
    HRESULT CreateEntry(uint8_t subIndex, std::unique_ptr<CEdsObjectEntry>& entry);
    HRESULT OpenEntry(uint8_t subIndex, std::unique_ptr<CEdsObjectEntry>& entry);
    HRESULT WriteEntry(uint8_t subIndex, CEdsObjectEntry* entry);
    // The main entry is not removed this way.
    HRESULT RemoveEntry(uint8_t subIndex);
    HRESULT EnumerateEntries(EntryPresence& presence);

    // Lists, by section code 13 (links) to 16 (compact denotations); other
    // codes give 87.
    static std::unique_ptr<CEdsPropSet> NewList(uint16_t kind);
    HRESULT CreateList(uint16_t kind, std::unique_ptr<CEdsPropSet>& list);
    HRESULT OpenList(uint16_t kind, std::unique_ptr<CEdsPropSet>& list);
    HRESULT WriteList(uint16_t kind, CEdsPropSet* list);
    // A missing list counts as removed.
    HRESULT RemoveList(uint16_t kind);

    // Records of the interface.
    HRESULT AddEntry(uint8_t subIndex, const EdsObjectRecord& record);
    HRESULT GetEntry(uint8_t subIndex, EdsObjectRecord& record);
    HRESULT SetEntry(uint8_t subIndex, const EdsObjectRecord& record);
    // links is set to a new block (freed by the caller) or to null on failure.
    HRESULT GetLinks(BSTR& links);
    HRESULT SetLinks(BSTR links);

    // Writes the sections of the index; configuration adds the keys of a
    // configuration file.
    HRESULT ExportObject(CStream* text, CStream* errors, bool configuration);

    // Turns CompactSubObj into real sub-index entries, then gives compact
    // sub-indexes the texts of the pending lists.
    HRESULT ExpandCompact();
    HRESULT ApplyCompactLists();

private:
    HRESULT ReadEntrySection(uint8_t subIndex, CStream* log, CStream* reader);
    HRESULT ReadListSection(uint16_t kind, CStream* log, CStream* reader);
    HRESULT WriteEntrySection(uint8_t subIndex, CStream* text, CStream* errors, bool configuration);
    HRESULT WriteLinkSection(CStream* text, CStream* errors, bool configuration);

    uint16_t index_ = kNoIndex;
};

}  // namespace vantor
