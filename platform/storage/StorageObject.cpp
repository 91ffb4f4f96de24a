#include "storage/StorageObject.h"

#include "storage/ElementEnumerator.h"
#include "storage/ElementStat.h"
#include "storage/StorageCopy.h"
#include "storage/StreamObject.h"
#include "Unicode.h"

namespace vantor::storage {

namespace {

HRESULT CheckOutPointer(void* out) { return out ? S_OK : STG_E_INVALIDPOINTER; }

HRESULT ReadExclusions(DWORD ciidExclude, const IID* rgiidExclude, SNB snbExclude, CopyExclusions& exclusions) {
    if (ciidExclude > 0 && !rgiidExclude) return STG_E_INVALIDPOINTER;
    for (DWORD i = 0; i < ciidExclude; ++i) {
        exclusions.storages = exclusions.storages || rgiidExclude[i] == IID_IStorage;
        exclusions.streams = exclusions.streams || rgiidExclude[i] == IID_IStream;
    }
    for (SNB name = snbExclude; name && *name; ++name) {
        std::u16string checked;
        if (SUCCEEDED(CheckElementName(*name, checked))) exclusions.names.push_back(std::move(checked));
    }
    return S_OK;
}

}  // namespace

StorageObject::StorageObject(std::shared_ptr<Docfile> docfile, std::shared_ptr<StorageElement> element,
                             const OpenMode& mode, bool isRoot)
    : docfile_(std::move(docfile)), element_(std::move(element)), mode_(mode), isRoot_(isRoot) {}

HRESULT StorageObject::QueryInterface(REFIID riid, void** object) { return AnswerQuery(riid, object, IID_IStorage); }

void StorageObject::OnFinalRelease() {
    if (isRoot_) docfile_->Close();
}

HRESULT StorageObject::CheckUsable() const {
    return docfile_->closed() || element_->detached() ? STG_E_REVERTED : S_OK;
}

HRESULT StorageObject::CheckWritable() const {
    if (HRESULT hr = CheckUsable(); FAILED(hr)) return hr;
    return mode_.canWrite ? S_OK : STG_E_ACCESSDENIED;
}

HRESULT StorageObject::CheckChildRequest(const OLECHAR* pwcsName, bool extraArguments, DWORD grfMode, ModeUse use,
                                         std::u16string& name, OpenMode& mode) const {
    if (extraArguments) return STG_E_INVALIDPARAMETER;
    if (HRESULT hr = CheckElementName(pwcsName, name); FAILED(hr)) return hr;
    return CheckChildMode(grfMode, use, mode);
}

HRESULT StorageObject::CheckChildMode(DWORD grfMode, ModeUse use, OpenMode& mode) const {
    if (HRESULT hr = ParseOpenMode(grfMode, use, mode); FAILED(hr)) return hr;
    if (HRESULT hr = CheckUsable(); FAILED(hr)) return hr;
    if ((mode.canWrite || use == ModeUse::CreateElement) && !mode_.canWrite) return STG_E_ACCESSDENIED;
    if (mode.canRead && !mode_.canRead) return STG_E_ACCESSDENIED;
    return S_OK;
}

HRESULT StorageObject::InsertChild(const std::shared_ptr<Element>& element, const OpenMode& mode) {
    if (!mode.create && element_->Find(element->name())) return STG_E_FILEALREADYEXISTS;
    if (HRESULT hr = element_->Insert(element); FAILED(hr)) return hr;
    docfile_->MarkModified();
    return S_OK;
}

bool StorageObject::ContainsStorage(IStorage* target) const {
    const auto* ours = dynamic_cast<StorageObject*>(target);
    return ours && element_->Contains(ours->element_.get());
}

HRESULT StorageObject::CreateStream(const OLECHAR* pwcsName, DWORD grfMode, DWORD reserved1, DWORD reserved2,
                                    IStream** ppstm) {
    return Guarded([&]() -> HRESULT {
        if (HRESULT hr = CheckOutPointer(ppstm); FAILED(hr)) return hr;
        *ppstm = nullptr;
        std::u16string name;
        OpenMode mode;
        const HRESULT checked =
            CheckChildRequest(pwcsName, reserved1 || reserved2, grfMode, ModeUse::CreateElement, name, mode);
        if (FAILED(checked)) return checked;
        auto stream = std::make_shared<StreamElement>(name);
        if (HRESULT hr = InsertChild(stream, mode); FAILED(hr)) return hr;
        *ppstm = new StreamObject(docfile_, stream, mode);
        return S_OK;
    });
}

HRESULT StorageObject::OpenStream(const OLECHAR* pwcsName, void* reserved1, DWORD grfMode, DWORD reserved2,
                                  IStream** ppstm) {
    return Guarded([&]() -> HRESULT {
        if (HRESULT hr = CheckOutPointer(ppstm); FAILED(hr)) return hr;
        *ppstm = nullptr;
        std::u16string name;
        OpenMode mode;
        const HRESULT checked =
            CheckChildRequest(pwcsName, reserved1 || reserved2, grfMode, ModeUse::OpenElement, name, mode);
        if (FAILED(checked)) return checked;
        const auto element = element_->Find(name);
        if (!element || element->isStorage()) return STG_E_FILENOTFOUND;
        *ppstm = new StreamObject(docfile_, std::static_pointer_cast<StreamElement>(element), mode);
        return S_OK;
    });
}

HRESULT StorageObject::CreateStorage(const OLECHAR* pwcsName, DWORD grfMode, DWORD reserved1, DWORD reserved2,
                                     IStorage** ppstg) {
    return Guarded([&]() -> HRESULT {
        if (HRESULT hr = CheckOutPointer(ppstg); FAILED(hr)) return hr;
        *ppstg = nullptr;
        std::u16string name;
        OpenMode mode;
        const HRESULT checked =
            CheckChildRequest(pwcsName, reserved1 || reserved2, grfMode, ModeUse::CreateElement, name, mode);
        if (FAILED(checked)) return checked;
        auto storage = std::make_shared<StorageElement>(name);
        storage->creationTime = storage->modificationTime = CurrentFileTime();
        if (HRESULT hr = InsertChild(storage, mode); FAILED(hr)) return hr;
        *ppstg = new StorageObject(docfile_, storage, mode, false);
        return S_OK;
    });
}

HRESULT StorageObject::OpenStorage(const OLECHAR* pwcsName, IStorage* pstgPriority, DWORD grfMode, SNB snbExclude,
                                   DWORD reserved, IStorage** ppstg) {
    return Guarded([&]() -> HRESULT {
        if (HRESULT hr = CheckOutPointer(ppstg); FAILED(hr)) return hr;
        *ppstg = nullptr;
        std::u16string name;
        OpenMode mode;
        const bool extraArguments = pstgPriority || snbExclude || reserved;
        const HRESULT checked =
            CheckChildRequest(pwcsName, extraArguments, grfMode, ModeUse::OpenElement, name, mode);
        if (FAILED(checked)) return checked;
        const auto element = element_->Find(name);
        if (!element || !element->isStorage()) return STG_E_FILENOTFOUND;
        *ppstg = new StorageObject(docfile_, std::static_pointer_cast<StorageElement>(element), mode, false);
        return S_OK;
    });
}

HRESULT StorageObject::CopyTo(DWORD ciidExclude, const IID* rgiidExclude, SNB snbExclude, IStorage* pstgDest) {
    return Guarded([&]() -> HRESULT {
        if (!pstgDest) return STG_E_INVALIDPOINTER;
        CopyExclusions exclusions;
        if (HRESULT hr = ReadExclusions(ciidExclude, rgiidExclude, snbExclude, exclusions); FAILED(hr)) return hr;
        if (HRESULT hr = CheckUsable(); FAILED(hr)) return hr;
        if (ContainsStorage(pstgDest)) return STG_E_ACCESSDENIED;
        if (element_->clsid != GUID_NULL)
            if (HRESULT hr = pstgDest->SetClass(element_->clsid); FAILED(hr)) return hr;
        return CopyStorageContents(*element_, pstgDest, exclusions);
    });
}

HRESULT StorageObject::MoveElementTo(const OLECHAR* pwcsName, IStorage* pstgDest, const OLECHAR* pwcsNewName,
                                     DWORD grfFlags) {
    return Guarded([&]() -> HRESULT {
        if (!pstgDest) return STG_E_INVALIDPOINTER;
        if (grfFlags != STGMOVE_MOVE && grfFlags != STGMOVE_COPY) return STG_E_INVALIDFLAG;
        std::u16string name;
        std::u16string newName;
        if (HRESULT hr = CheckElementName(pwcsName, name); FAILED(hr)) return hr;
        if (HRESULT hr = CheckElementName(pwcsNewName, newName); FAILED(hr)) return hr;
        if (HRESULT hr = grfFlags == STGMOVE_MOVE ? CheckWritable() : CheckUsable(); FAILED(hr)) return hr;
        const auto element = element_->Find(name);
        if (!element) return STG_E_FILENOTFOUND;
        const auto* target = dynamic_cast<StorageObject*>(pstgDest);
        if (target && target->element_ == element_ && CompareElementNames(name, newName) == 0) return S_OK;
        if (element->isStorage() && target &&
            static_cast<const StorageElement&>(*element).Contains(target->element_.get()))
            return STG_E_ACCESSDENIED;
        if (HRESULT hr = CopyElementAs(*element, pstgDest, newName); FAILED(hr)) return hr;
        if (grfFlags == STGMOVE_MOVE && element_->Remove(name)) docfile_->MarkModified();
        return S_OK;
    });
}

HRESULT StorageObject::Commit(DWORD grfCommitFlags) {
    return Guarded([&]() -> HRESULT {
        if (grfCommitFlags & ~0xFu) return STG_E_INVALIDFLAG;
        if (HRESULT hr = CheckUsable(); FAILED(hr)) return hr;
        return docfile_->Flush();
    });
}

HRESULT StorageObject::Revert() { return CheckUsable(); }

HRESULT StorageObject::EnumElements(DWORD, void* reserved2, DWORD, IEnumSTATSTG** ppenum) {
    return Guarded([&]() -> HRESULT {
        if (HRESULT hr = CheckOutPointer(ppenum); FAILED(hr)) return hr;
        *ppenum = nullptr;
        if (reserved2) return STG_E_INVALIDPARAMETER;
        if (HRESULT hr = CheckUsable(); FAILED(hr)) return hr;
        std::vector<ElementStat> elements;
        elements.reserve(element_->children().size());
        for (const auto& [name, child] : element_->children()) elements.push_back(DescribeElement(*child));
        *ppenum = new ElementEnumerator(std::move(elements));
        return S_OK;
    });
}

HRESULT StorageObject::DestroyElement(const OLECHAR* pwcsName) {
    return Guarded([&]() -> HRESULT {
        std::u16string name;
        if (HRESULT hr = CheckElementName(pwcsName, name); FAILED(hr)) return hr;
        if (HRESULT hr = CheckWritable(); FAILED(hr)) return hr;
        if (!element_->Remove(name)) return STG_E_FILENOTFOUND;
        docfile_->MarkModified();
        return S_OK;
    });
}

HRESULT StorageObject::RenameElement(const OLECHAR* pwcsOldName, const OLECHAR* pwcsNewName) {
    return Guarded([&]() -> HRESULT {
        std::u16string oldName;
        std::u16string newName;
        if (HRESULT hr = CheckElementName(pwcsOldName, oldName); FAILED(hr)) return hr;
        if (HRESULT hr = CheckElementName(pwcsNewName, newName); FAILED(hr)) return hr;
        if (HRESULT hr = CheckWritable(); FAILED(hr)) return hr;
        if (HRESULT hr = element_->Rename(oldName, newName); FAILED(hr)) return hr;
        docfile_->MarkModified();
        return S_OK;
    });
}

HRESULT StorageObject::SetElementTimes(const OLECHAR* pwcsName, const FILETIME* pctime, const FILETIME*,
                                       const FILETIME* pmtime) {
    return Guarded([&]() -> HRESULT {
        std::shared_ptr<Element> target = element_;
        std::u16string name;
        if (pwcsName) {
            if (HRESULT hr = CheckElementName(pwcsName, name); FAILED(hr)) return hr;
        }
        if (HRESULT hr = CheckWritable(); FAILED(hr)) return hr;
        if (pwcsName && !(target = element_->Find(name))) return STG_E_FILENOTFOUND;
        if (pctime) target->creationTime = *pctime;
        if (pmtime) target->modificationTime = *pmtime;
        docfile_->MarkModified();
        return S_OK;
    });
}

HRESULT StorageObject::SetClass(REFCLSID clsid) {
    if (HRESULT hr = CheckWritable(); FAILED(hr)) return hr;
    element_->clsid = clsid;
    docfile_->MarkModified();
    return S_OK;
}

HRESULT StorageObject::SetStateBits(DWORD grfStateBits, DWORD grfMask) {
    if (HRESULT hr = CheckWritable(); FAILED(hr)) return hr;
    element_->stateBits = (element_->stateBits & ~grfMask) | (grfStateBits & grfMask);
    docfile_->MarkModified();
    return S_OK;
}

HRESULT StorageObject::Stat(STATSTG* pstatstg, DWORD grfStatFlag) {
    return Guarded([&]() -> HRESULT {
        if (!pstatstg) return STG_E_INVALIDPOINTER;
        if (HRESULT hr = CheckStatFlag(grfStatFlag); FAILED(hr)) return hr;
        if (HRESULT hr = CheckUsable(); FAILED(hr)) return hr;
        ElementStat stat = DescribeElement(*element_);
        stat.mode = mode_.flags;
        // The root is known by the path of its file.
        if (isRoot_) stat.name = Utf8ToUtf16(docfile_->path()).value_or(u"");
        return FillStatStg(stat, grfStatFlag, *pstatstg);
    });
}

}  // namespace vantor::storage
