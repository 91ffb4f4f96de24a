// The storage of one area of the dictionary: the indexes that share their
// high byte, each an object storage named "$%2.2X" of its low byte. One
// object storage is kept open and moved from index to index on demand.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "library/dictionary/EdsObjStg.h"
#include "library/fields/EdsPers.h"
#include "vantor/vantor.h"

namespace vantor {

class CEdsAreaStg : public CPersistEds {
public:
    static constexpr uint16_t kNoArea = 0xFFFF;

    explicit CEdsAreaStg(uint16_t areaNumber);
    ~CEdsAreaStg() override;

    uint16_t AreaNumber() const { return areaNumber_; }
    // The index the open object storage serves, CEdsObjStg::kNoIndex for none.
    uint16_t ServedIndex() const;

    HRESULT InitNew(IStorage* storage) override;
    HRESULT Load(IStorage* storage) override;
    HRESULT Save() override;
    HRESULT SaveAs(IStorage* target) override;
    HRESULT HandsOffStorage() override;
    HRESULT ResumeStorage(IStorage* storage) override;
    HRESULT Uninitialize() override;
    // Object sections (kinds 11 to 16) of index; the object is created when
    // it does not exist.
    HRESULT ReadSection(uint16_t code, uint16_t index, CStream* log, CStream* reader, int subindex) override;

    // Object storages; index is the full index, its low byte names the storage.
    HRESULT CreateObject(uint16_t index, CEdsObjStg*& object);
    HRESULT OpenObject(uint16_t index, CEdsObjStg*& object);
    // A missing object counts as removed.
    HRESULT RemoveObject(uint16_t index);
    // Low bytes of the existing objects.
    HRESULT EnumerateObjects(std::array<bool, 256>& present);

    // Records of the interface; subIndex above 0xFE is the main entry for
    // add and remove, while get and set use its low 8 bits.
    HRESULT AddRecord(uint16_t index, uint16_t subIndex, const EdsObjectRecord& record);
    HRESULT GetRecord(uint16_t index, uint16_t subIndex, EdsObjectRecord& record);
    HRESULT SetRecord(uint16_t index, uint16_t subIndex, const EdsObjectRecord& record);
    HRESULT RemoveRecord(uint16_t index, uint16_t subIndex);
    HRESULT GetLinks(uint16_t index, BSTR& links);
    HRESULT SetLinks(uint16_t index, BSTR links);

    // Writes the area's objects in ascending index order.
    HRESULT ExportArea(CStream* text, CStream* errors, bool configuration);

private:
    HRESULT OpenOrCreateObject(uint16_t index, CEdsObjStg*& object);
    HRESULT EnsureObject();
    void PutObjectOutOfUse();

    uint16_t areaNumber_;
    std::unique_ptr<CEdsObjStg> object_;
};

}  // namespace vantor
