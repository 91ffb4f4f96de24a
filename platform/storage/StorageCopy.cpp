#include "storage/StorageCopy.h"

#include "storage/ComObject.h"

#include <algorithm>

namespace vantor::storage {

namespace {

constexpr DWORD kCreateMode = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
constexpr DWORD kOpenMode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
constexpr size_t kWriteChunk = size_t{1} << 20;

HRESULT CopyStreamData(const StreamElement& source, IStream* target) {
    const auto& data = source.data();
    for (size_t done = 0; done < data.size();) {
        const auto count = static_cast<ULONG>(std::min(kWriteChunk, data.size() - done));
        ULONG written = 0;
        if (HRESULT hr = target->Write(data.data() + done, count, &written); FAILED(hr)) return hr;
        if (written != count) return STG_E_MEDIUMFULL;
        done += count;
    }
    return S_OK;
}

HRESULT CopyStream(const StreamElement& source, IStorage* target, const std::u16string& name) {
    ComRef<IStream> stream;
    if (HRESULT hr = target->CreateStream(name.c_str(), kCreateMode, 0, 0, stream.Out()); FAILED(hr)) return hr;
    return CopyStreamData(source, stream.get());
}

HRESULT FillStorage(const StorageElement& source, IStorage* target, const CopyExclusions& exclusions) {
    if (source.clsid != GUID_NULL)
        if (HRESULT hr = target->SetClass(source.clsid); FAILED(hr)) return hr;
    return CopyStorageContents(source, target, exclusions);
}

HRESULT MergeStorage(const StorageElement& source, IStorage* target, const std::u16string& name) {
    ComRef<IStorage> storage;
    HRESULT hr = target->OpenStorage(name.c_str(), nullptr, kOpenMode, nullptr, 0, storage.Out());
    if (hr == STG_E_FILENOTFOUND) hr = target->CreateStorage(name.c_str(), kCreateMode, 0, 0, storage.Out());
    if (FAILED(hr)) return hr;
    return FillStorage(source, storage.get(), {});
}

}  // namespace

bool CopyExclusions::Excludes(const Element& element) const {
    if (element.isStorage() ? storages : streams) return true;
    return std::any_of(names.begin(), names.end(),
                       [&](const std::u16string& name) { return CompareElementNames(name, element.name()) == 0; });
}

HRESULT CopyStorageContents(const StorageElement& source, IStorage* target, const CopyExclusions& exclusions) {
    // A snapshot: the target may lie inside the source's tree.
    for (const auto& child : source.Snapshot()) {
        if (exclusions.Excludes(*child)) continue;
        const HRESULT hr = child->isStorage()
                               ? MergeStorage(static_cast<const StorageElement&>(*child), target, child->name())
                               : CopyStream(static_cast<const StreamElement&>(*child), target, child->name());
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT CopyElementAs(const Element& source, IStorage* target, const std::u16string& name) {
    if (!source.isStorage()) return CopyStream(static_cast<const StreamElement&>(source), target, name);
    ComRef<IStorage> storage;
    if (HRESULT hr = target->CreateStorage(name.c_str(), kCreateMode, 0, 0, storage.Out()); FAILED(hr)) return hr;
    return FillStorage(static_cast<const StorageElement&>(source), storage.get(), {});
}

}  // namespace vantor::storage
