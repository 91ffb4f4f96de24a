#include "library/dictionary/EdsAreaStg.h"

#include <new>

#include "library/dictionary/DictText.h"

namespace vantor {

namespace {

uint8_t LowByte(uint16_t index) { return static_cast<uint8_t>(index & 0xFF); }

}  // namespace

CEdsAreaStg::CEdsAreaStg(uint16_t areaNumber) : areaNumber_(areaNumber) {}

CEdsAreaStg::~CEdsAreaStg() = default;

uint16_t CEdsAreaStg::ServedIndex() const { return object_ ? object_->Index() : CEdsObjStg::kNoIndex; }

// ---- Persistence -----------------------------------------------------------

HRESULT CEdsAreaStg::EnsureObject() {
    if (!object_) object_.reset(new (std::nothrow) CEdsObjStg());
    return object_ ? S_OK : AsResult(ERROR_OUTOFMEMORY);
}

HRESULT CEdsAreaStg::InitNew(IStorage* storage) {
    if (GetState() == State::Uninitialized && storage) {
        const HRESULT result = EnsureObject();
        if (result != S_OK) return result;
    }
    return CPersistEds::InitNew(storage);
}

HRESULT CEdsAreaStg::Load(IStorage* storage) {
    if (GetState() == State::Uninitialized && storage) {
        const HRESULT result = EnsureObject();
        if (result != S_OK) return result;
    }
    return CPersistEds::Load(storage);
}

HRESULT CEdsAreaStg::Save() {
    if (GetState() != State::Normal) return E_UNEXPECTED;
    if (object_ && object_->Index() != CEdsObjStg::kNoIndex) {
        const HRESULT result = object_->Save();
        PutObjectOutOfUse();
        if (FAILED(result)) return result;
    }
    SetDirty(false);
    return CPersistEds::Save();
}

HRESULT CEdsAreaStg::SaveAs(IStorage* target) {
    if (GetState() != State::Normal) return E_UNEXPECTED;
    if (!target) return E_POINTER;
    if (object_ && object_->Index() != CEdsObjStg::kNoIndex) {
        object_->Save();
        PutObjectOutOfUse();
    }
    CPersistEds::SaveAs(target);
    return S_OK;
}

HRESULT CEdsAreaStg::HandsOffStorage() {
    const State state = GetState();
    if (state == State::Uninitialized || state == State::HandsOff) return E_UNEXPECTED;
    PutObjectOutOfUse();
    return CPersistEds::HandsOffStorage();
}

HRESULT CEdsAreaStg::ResumeStorage(IStorage* storage) { return CPersistEds::ResumeStorage(storage); }

HRESULT CEdsAreaStg::Uninitialize() {
    PutObjectOutOfUse();
    areaNumber_ = kNoArea;
    return CPersistEds::Uninitialize();
}

void CEdsAreaStg::PutObjectOutOfUse() {
    if (!object_) return;
    object_->Uninitialize();
    object_->SetIndex(CEdsObjStg::kNoIndex);
}

// ---- Objects ---------------------------------------------------------------

HRESULT CEdsAreaStg::CreateObject(uint16_t index, CEdsObjStg*& object) {
    object = nullptr;
    if (!object_) return E_UNEXPECTED;
    PutObjectOutOfUse();
    ComPtr<IStorage> storage;
    HRESULT result = CreateSubStorage(ElementName(LowByte(index)).c_str(), storage);
    if (FAILED(result)) return result;
    object_->SetIndex(index);
    result = object_->InitNew(storage.Get());
    if (result != S_OK) {
        object_->SetIndex(CEdsObjStg::kNoIndex);
        return result;
    }
    object = object_.get();
    return S_OK;
}

HRESULT CEdsAreaStg::OpenObject(uint16_t index, CEdsObjStg*& object) {
    object = nullptr;
    if (!object_) return E_UNEXPECTED;
    if (object_->Index() == index && object_->GetState() != State::Uninitialized) {
        object = object_.get();
        return S_OK;
    }
    PutObjectOutOfUse();
    ComPtr<IStorage> storage;
    HRESULT result = OpenSubStorage(ElementName(LowByte(index)).c_str(), storage);
    if (FAILED(result)) return result;
    object_->SetIndex(index);
    result = object_->Load(storage.Get());
    if (result != S_OK) {
        object_->SetIndex(CEdsObjStg::kNoIndex);
        return result;
    }
    object = object_.get();
    return S_OK;
}

HRESULT CEdsAreaStg::OpenOrCreateObject(uint16_t index, CEdsObjStg*& object) {
    const HRESULT result = OpenObject(index, object);
    if (result != STG_E_FILENOTFOUND) return result;
    return CreateObject(index, object);
}

HRESULT CEdsAreaStg::RemoveObject(uint16_t index) {
    if (ServedIndex() == index) PutObjectOutOfUse();
    const HRESULT result = DestroyElement(ElementName(LowByte(index)).c_str());
    return result == STG_E_FILENOTFOUND ? S_OK : result;
}

HRESULT CEdsAreaStg::EnumerateObjects(std::array<bool, 256>& present) {
    present.fill(false);
    STATSTG* element = nullptr;
    HRESULT result = BeginEnum(element);
    if (FAILED(result)) return result;
    while ((result = NextEnum(element)) == S_OK) {
        if (element->type != STGTY_STORAGE) continue;
        if (const std::optional<uint8_t> number = ElementNumber(element->pwcsName)) present[*number] = true;
    }
    EndEnum(element);
    return FAILED(result) ? result : S_OK;
}

// ---- Records ---------------------------------------------------------------

HRESULT CEdsAreaStg::AddRecord(uint16_t index, uint16_t subIndex, const EdsObjectRecord& record) {
    CEdsObjStg* object = nullptr;
    if (subIndex >= CEdsObjStg::kMainEntry) {
        // A new main entry starts the object afresh.
        const HRESULT result = CreateObject(index, object);
        return result != S_OK ? result : object->AddEntry(CEdsObjStg::kMainEntry, record);
    }
    const HRESULT result = OpenOrCreateObject(index, object);
    return result != S_OK ? result : object->AddEntry(static_cast<uint8_t>(subIndex), record);
}

HRESULT CEdsAreaStg::GetRecord(uint16_t index, uint16_t subIndex, EdsObjectRecord& record) {
    CEdsObjStg* object = nullptr;
    const HRESULT result = OpenObject(index, object);
    return result != S_OK ? result : object->GetEntry(LowByte(subIndex), record);
}

HRESULT CEdsAreaStg::SetRecord(uint16_t index, uint16_t subIndex, const EdsObjectRecord& record) {
    CEdsObjStg* object = nullptr;
    const HRESULT result = OpenObject(index, object);
    return result != S_OK ? result : object->SetEntry(LowByte(subIndex), record);
}

HRESULT CEdsAreaStg::RemoveRecord(uint16_t index, uint16_t subIndex) {
    if (subIndex >= CEdsObjStg::kMainEntry) return RemoveObject(index);
    CEdsObjStg* object = nullptr;
    const HRESULT result = OpenObject(index, object);
    return result != S_OK ? result : object->RemoveEntry(static_cast<uint8_t>(subIndex));
}

HRESULT CEdsAreaStg::GetLinks(uint16_t index, BSTR& links) {
    links = nullptr;
    CEdsObjStg* object = nullptr;
    const HRESULT result = OpenObject(index, object);
    return result != S_OK ? result : object->GetLinks(links);
}

HRESULT CEdsAreaStg::SetLinks(uint16_t index, BSTR links) {
    CEdsObjStg* object = nullptr;
    const HRESULT result = OpenObject(index, object);
    return result != S_OK ? result : object->SetLinks(links);
}

// ---- Import and export -----------------------------------------------------

HRESULT CEdsAreaStg::ReadSection(uint16_t code, uint16_t index, CStream* log, CStream* reader, int subindex) {
    if (code < SectionCode::MainObject || code > SectionCode::CompactDenotations) return S_OK;
    CEdsObjStg* object = nullptr;
    const HRESULT result = OpenOrCreateObject(index, object);
    return result != S_OK ? result : object->ReadSection(code, index, log, reader, subindex);
}

HRESULT CEdsAreaStg::ExportArea(CStream* text, CStream* errors, bool configuration) {
    std::array<bool, 256> present{};
    HRESULT result = EnumerateObjects(present);
    if (FAILED(result)) return result;
    // An object that cannot be written does not hold back the others; the
    // first failure is the result.
    result = S_OK;
    for (unsigned low = 0; low < present.size(); ++low) {
        if (!present[low]) continue;
        const auto index = static_cast<uint16_t>(areaNumber_ * 256 + low);
        CEdsObjStg* object = nullptr;
        HRESULT exported = OpenObject(index, object);
        if (exported == S_OK) {
            exported = object->ExportObject(text, errors, configuration);
        } else {
            WriteErrorLine(errors, Formatted("Object not found: %4.4X (Code 0x%8.8X)", static_cast<unsigned>(index),
                                             static_cast<unsigned>(exported)));
        }
        if (result == S_OK) result = exported;
    }
    return result;
}

}  // namespace vantor
