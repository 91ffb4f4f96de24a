#include "library/storage/Persist.h"

#include <algorithm>
#include <new>

namespace vantor {

namespace {

// An 8-bit element name in UTF-16. A name that does not fit (or does not
// convert) becomes the empty name, which the storage refuses.
class StorageName {
public:
    explicit StorageName(const char* name) {
        if (!name) return;
        present_ = true;
        if (MultiByteToWideChar(CP_ACP, 0, name, -1, units_, CPersistStg::kMaxNameUnits) == 0) units_[0] = 0;
    }

    const OLECHAR* Get() const { return present_ ? units_ : nullptr; }

private:
    OLECHAR units_[CPersistStg::kMaxNameUnits] = {};
    bool present_ = false;
};

void FreeElementName(STATSTG& stat) {
    CoTaskMemFree(stat.pwcsName);
    stat.pwcsName = nullptr;
}

}  // namespace

struct CPersistStg::EnumRecord {
    STATSTG stat{};
    ComPtr<IEnumSTATSTG> enumerator;

    ~EnumRecord() { FreeElementName(stat); }
};

CPersistStg::CPersistStg() = default;

CPersistStg::~CPersistStg() = default;

// ---- State machine ---------------------------------------------------------

HRESULT CPersistStg::IsDirty() {
    if (state_ == State::Uninitialized) return E_UNEXPECTED;
    return dirty_ ? S_OK : S_FALSE;
}

HRESULT CPersistStg::InitializeWith(IStorage* storage, bool dirty) {
    if (state_ != State::Uninitialized) return CO_E_ALREADYINITIALIZED;
    if (!storage) return E_POINTER;
    storage_ = ComPtr<IStorage>(storage);
    state_ = State::Normal;
    dirty_ = dirty;
    return S_OK;
}

HRESULT CPersistStg::InitNew(IStorage* storage) { return InitializeWith(storage, true); }

HRESULT CPersistStg::Load(IStorage* storage) { return InitializeWith(storage, false); }

HRESULT CPersistStg::Save() {
    if (state_ != State::Normal) return E_UNEXPECTED;
    state_ = State::Saving;
    return S_OK;
}

HRESULT CPersistStg::SaveCompleted() {
    if (state_ != State::Saving) return E_UNEXPECTED;
    state_ = State::Normal;
    return S_OK;
}

HRESULT CPersistStg::SaveAs(IStorage* target) {
    if (state_ != State::Normal) return E_UNEXPECTED;
    if (!target) return E_POINTER;
    const HRESULT copied = CopyStorageTo(target);
    if (SUCCEEDED(copied)) state_ = State::NoScribble;
    return copied;
}

HRESULT CPersistStg::SaveAsCompleted() {
    if (state_ != State::NoScribble) return E_UNEXPECTED;
    state_ = State::Normal;
    return S_OK;
}

HRESULT CPersistStg::HandsOffStorage() {
    if (state_ != State::Normal && state_ != State::Saving && state_ != State::NoScribble) return E_UNEXPECTED;
    storage_.Reset();
    state_ = State::HandsOff;
    return S_OK;
}

HRESULT CPersistStg::ResumeStorage(IStorage* storage) {
    if (state_ != State::HandsOff) return E_UNEXPECTED;
    if (!storage) return E_POINTER;
    storage_ = ComPtr<IStorage>(storage);
    state_ = State::Normal;
    return S_OK;
}

HRESULT CPersistStg::Uninitialize() {
    storage_.Reset();
    state_ = State::Uninitialized;
    return S_OK;
}

// ---- Element operations ----------------------------------------------------

HRESULT CPersistStg::CreateSubStorage(const OLECHAR* name, ComPtr<IStorage>& storage) {
    storage.Reset();
    if (!storage_) return STG_E_INVALIDHANDLE;
    if (!name) return STG_E_INVALIDPARAMETER;
    return storage_->CreateStorage(name, kCreateMode, 0, 0, storage.ReleaseAndGetAddressOf());
}

HRESULT CPersistStg::CreateSubStorage(const char* name, ComPtr<IStorage>& storage) {
    return CreateSubStorage(StorageName(name).Get(), storage);
}

HRESULT CPersistStg::OpenSubStorage(const OLECHAR* name, ComPtr<IStorage>& storage) {
    storage.Reset();
    if (!storage_) return STG_E_INVALIDHANDLE;
    if (!name) return STG_E_INVALIDPARAMETER;
    return storage_->OpenStorage(name, nullptr, kOpenMode, nullptr, 0, storage.ReleaseAndGetAddressOf());
}

HRESULT CPersistStg::OpenSubStorage(const char* name, ComPtr<IStorage>& storage) {
    return OpenSubStorage(StorageName(name).Get(), storage);
}

HRESULT CPersistStg::CreateStream(const OLECHAR* name, ComPtr<IStream>& stream) {
    stream.Reset();
    if (!storage_) return STG_E_INVALIDHANDLE;
    if (!name) return STG_E_INVALIDPARAMETER;
    return storage_->CreateStream(name, kCreateMode, 0, 0, stream.ReleaseAndGetAddressOf());
}

HRESULT CPersistStg::CreateStream(const char* name, ComPtr<IStream>& stream) {
    return CreateStream(StorageName(name).Get(), stream);
}

HRESULT CPersistStg::OpenStream(const OLECHAR* name, ComPtr<IStream>& stream) {
    stream.Reset();
    if (!storage_) return STG_E_INVALIDHANDLE;
    if (!name) return STG_E_INVALIDPARAMETER;
    return storage_->OpenStream(name, nullptr, kOpenMode, 0, stream.ReleaseAndGetAddressOf());
}

HRESULT CPersistStg::OpenStream(const char* name, ComPtr<IStream>& stream) {
    return OpenStream(StorageName(name).Get(), stream);
}

HRESULT CPersistStg::OpenOrCreateStream(const OLECHAR* name, ComPtr<IStream>& stream) {
    const HRESULT opened = OpenStream(name, stream);
    if (opened != STG_E_FILENOTFOUND) return opened;
    return CreateStream(name, stream);
}

HRESULT CPersistStg::OpenOrCreateStream(const char* name, ComPtr<IStream>& stream) {
    return OpenOrCreateStream(StorageName(name).Get(), stream);
}

HRESULT CPersistStg::DestroyElement(const OLECHAR* name) {
    if (!storage_ || !name) return S_OK;
    return storage_->DestroyElement(name);
}

HRESULT CPersistStg::DestroyElement(const char* name) { return DestroyElement(StorageName(name).Get()); }

HRESULT CPersistStg::CopyStorageTo(IStorage* target) {
    if (!storage_ || !target) return S_OK;
    return storage_->CopyTo(0, nullptr, nullptr, target);
}

// ---- Enumeration -----------------------------------------------------------

CPersistStg::EnumRecord* CPersistStg::FindRecord(const STATSTG* record) const {
    // Only the address is compared: a record of another owner is never read.
    const auto found = std::find_if(records_.begin(), records_.end(),
                                    [record](const auto& owned) { return &owned->stat == record; });
    return found == records_.end() ? nullptr : found->get();
}

HRESULT CPersistStg::BeginEnum(STATSTG*& record) {
    record = nullptr;
    if (!storage_) return STG_E_INVALIDHANDLE;
    std::unique_ptr<EnumRecord> fresh(new (std::nothrow) EnumRecord());
    if (!fresh) return STG_E_INSUFFICIENTMEMORY;
    const HRESULT status = storage_->EnumElements(0, nullptr, 0, fresh->enumerator.ReleaseAndGetAddressOf());
    if (FAILED(status)) return status;
    if (fresh->enumerator) fresh->enumerator->Reset();
    try {
        records_.push_back(std::move(fresh));
    } catch (const std::bad_alloc&) {
        return STG_E_INSUFFICIENTMEMORY;
    }
    record = &records_.back()->stat;
    return S_OK;
}

HRESULT CPersistStg::NextEnum(STATSTG* record) {
    EnumRecord* owned = record ? FindRecord(record) : nullptr;
    if (!owned) return STG_E_INVALIDPARAMETER;
    if (!owned->enumerator) return STG_E_NOMOREFILES;
    FreeElementName(owned->stat);
    ULONG fetched = 0;
    return owned->enumerator->Next(1, &owned->stat, &fetched);
}

void CPersistStg::EndEnum(STATSTG* record) {
    std::erase_if(records_, [record](const auto& owned) { return &owned->stat == record; });
}

}  // namespace vantor
