// StgCreateDocfile, StgOpenStorage and StgIsStorageFile, and the storage
// calls of C callers.
#include "storage/CfbHeader.h"
#include "storage/ComObject.h"
#include "storage/Docfile.h"
#include "storage/StorageObject.h"
#include "Unicode.h"
#include "vantor/platform/lasterror.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using namespace vantor::storage;

namespace {

// A file name as the file system takes it; STG_E_INVALIDNAME when empty or
// not convertible.
HRESULT PathFromName(const WCHAR* name, std::string& path) {
    std::u16string_view text(name);
    const auto converted = vantor::Utf16ToUtf8(text);
    if (text.empty() || !converted) return STG_E_INVALIDNAME;
    path = *converted;
    return S_OK;
}

HRESULT MakeRoot(std::shared_ptr<Docfile> docfile, const OpenMode& mode, IStorage** root) {
    auto storage = docfile->root();
    *root = new StorageObject(std::move(docfile), std::move(storage), mode, true);
    return S_OK;
}

}  // namespace

HRESULT StgCreateDocfile(const WCHAR* pwcsName, DWORD grfMode, DWORD reserved, IStorage** ppstgOpen) {
    return Guarded([&]() -> HRESULT {
        if (!ppstgOpen) return STG_E_INVALIDPOINTER;
        *ppstgOpen = nullptr;
        if (reserved) return STG_E_INVALIDPARAMETER;
        OpenMode mode;
        if (HRESULT hr = ParseOpenMode(grfMode, ModeUse::CreateRoot, mode); FAILED(hr)) return hr;
        std::string path;
        if (pwcsName)
            if (HRESULT hr = PathFromName(pwcsName, path); FAILED(hr)) return hr;
        std::shared_ptr<Docfile> docfile;
        if (HRESULT hr = Docfile::Create(path, mode, docfile); FAILED(hr)) return hr;
        return MakeRoot(std::move(docfile), mode, ppstgOpen);
    });
}

HRESULT StgOpenStorage(const WCHAR* pwcsName, IStorage* pstgPriority, DWORD grfMode, SNB snbExclude, DWORD reserved,
                       IStorage** ppstgOpen) {
    return Guarded([&]() -> HRESULT {
        if (!ppstgOpen) return STG_E_INVALIDPOINTER;
        *ppstgOpen = nullptr;
        if (pstgPriority || snbExclude || reserved) return STG_E_INVALIDPARAMETER;
        if (!pwcsName) return STG_E_INVALIDNAME;
        OpenMode mode;
        if (HRESULT hr = ParseOpenMode(grfMode, ModeUse::OpenRoot, mode); FAILED(hr)) return hr;
        std::string path;
        if (HRESULT hr = PathFromName(pwcsName, path); FAILED(hr)) return hr;
        std::shared_ptr<Docfile> docfile;
        if (HRESULT hr = Docfile::Open(path, mode, docfile); FAILED(hr)) return hr;
        return MakeRoot(std::move(docfile), mode, ppstgOpen);
    });
}

HRESULT StgIsStorageFile(const WCHAR* pwcsName) {
    return Guarded([&]() -> HRESULT {
        if (!pwcsName) return STG_E_INVALIDNAME;
        std::string path;
        if (HRESULT hr = PathFromName(pwcsName, path); FAILED(hr)) return hr;
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return StorageStatusFromErrno(errno);
        uint8_t signature[sizeof(cfb::kSignature)] = {};
        const ssize_t n = pread(fd, signature, sizeof(signature), 0);
        const int error = errno;
        close(fd);
        if (n < 0) return StorageStatusFromErrno(error);
        return HasCompoundFileSignature(std::span<const uint8_t>(signature, static_cast<size_t>(n))) ? S_OK : S_FALSE;
    });
}

HRESULT IStorage_Commit(IStorage* This, DWORD grfCommitFlags) {
    return This ? This->Commit(grfCommitFlags) : STG_E_INVALIDPOINTER;
}

ULONG IStorage_Release(IStorage* This) { return This ? This->Release() : 0; }
