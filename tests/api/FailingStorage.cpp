#include "FailingStorage.h"

namespace api_test {

IStorage* FailingStorage::Wrap(IStorage* inner, std::shared_ptr<FailureSwitch> failure) {
    return new FailingStorage(inner, std::move(failure));
}

FailingStorage::FailingStorage(IStorage* inner, std::shared_ptr<FailureSwitch> failure)
    : inner_(inner), failure_(std::move(failure)) {
    inner_->AddRef();
}

FailingStorage::~FailingStorage() { inner_->Release(); }

HRESULT FailingStorage::QueryInterface(REFIID riid, void** ppvObject) {
    if (!ppvObject) return E_POINTER;
    *ppvObject = nullptr;
    if (!(riid == IID_IUnknown) && !(riid == IID_IStorage)) return E_NOINTERFACE;
    AddRef();
    *ppvObject = static_cast<IStorage*>(this);
    return S_OK;
}

ULONG FailingStorage::AddRef() { return ++references_; }

ULONG FailingStorage::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT FailingStorage::CreateStream(const OLECHAR* pwcsName, DWORD grfMode, DWORD reserved1, DWORD reserved2,
                                     IStream** ppstm) {
    if (Failing()) return FailureSwitch::kFailure;
    return inner_->CreateStream(pwcsName, grfMode, reserved1, reserved2, ppstm);
}

HRESULT FailingStorage::OpenStream(const OLECHAR* pwcsName, void* reserved1, DWORD grfMode, DWORD reserved2,
                                   IStream** ppstm) {
    if (Failing()) return FailureSwitch::kFailure;
    return inner_->OpenStream(pwcsName, reserved1, grfMode, reserved2, ppstm);
}

HRESULT FailingStorage::CreateStorage(const OLECHAR* pwcsName, DWORD grfMode, DWORD reserved1, DWORD reserved2,
                                      IStorage** ppstg) {
    if (Failing()) return FailureSwitch::kFailure;
    IStorage* created = nullptr;
    const HRESULT result = inner_->CreateStorage(pwcsName, grfMode, reserved1, reserved2, &created);
    if (ppstg) *ppstg = created ? Wrap(created, failure_) : nullptr;
    if (created) created->Release();
    return result;
}

HRESULT FailingStorage::OpenStorage(const OLECHAR* pwcsName, IStorage* pstgPriority, DWORD grfMode,
                                    SNB snbExclude, DWORD reserved, IStorage** ppstg) {
    if (Failing()) return FailureSwitch::kFailure;
    IStorage* opened = nullptr;
    const HRESULT result = inner_->OpenStorage(pwcsName, pstgPriority, grfMode, snbExclude, reserved, &opened);
    if (ppstg) *ppstg = opened ? Wrap(opened, failure_) : nullptr;
    if (opened) opened->Release();
    return result;
}

HRESULT FailingStorage::CopyTo(DWORD ciidExclude, const IID* rgiidExclude, SNB snbExclude, IStorage* pstgDest) {
    if (Failing()) return FailureSwitch::kFailure;
    return inner_->CopyTo(ciidExclude, rgiidExclude, snbExclude, pstgDest);
}

HRESULT FailingStorage::MoveElementTo(const OLECHAR* pwcsName, IStorage* pstgDest, const OLECHAR* pwcsNewName,
                                      DWORD grfFlags) {
    if (Failing()) return FailureSwitch::kFailure;
    return inner_->MoveElementTo(pwcsName, pstgDest, pwcsNewName, grfFlags);
}

HRESULT FailingStorage::Commit(DWORD grfCommitFlags) { return inner_->Commit(grfCommitFlags); }
HRESULT FailingStorage::Revert() { return inner_->Revert(); }

HRESULT FailingStorage::EnumElements(DWORD reserved1, void* reserved2, DWORD reserved3, IEnumSTATSTG** ppenum) {
    return inner_->EnumElements(reserved1, reserved2, reserved3, ppenum);
}

HRESULT FailingStorage::DestroyElement(const OLECHAR* pwcsName) {
    if (Failing()) return FailureSwitch::kFailure;
    return inner_->DestroyElement(pwcsName);
}

HRESULT FailingStorage::RenameElement(const OLECHAR* pwcsOldName, const OLECHAR* pwcsNewName) {
    if (Failing()) return FailureSwitch::kFailure;
    return inner_->RenameElement(pwcsOldName, pwcsNewName);
}

HRESULT FailingStorage::SetElementTimes(const OLECHAR* pwcsName, const FILETIME* pctime, const FILETIME* patime,
                                        const FILETIME* pmtime) {
    return inner_->SetElementTimes(pwcsName, pctime, patime, pmtime);
}

HRESULT FailingStorage::SetClass(REFCLSID clsid) { return inner_->SetClass(clsid); }

HRESULT FailingStorage::SetStateBits(DWORD grfStateBits, DWORD grfMask) {
    return inner_->SetStateBits(grfStateBits, grfMask);
}

HRESULT FailingStorage::Stat(STATSTG* pstatstg, DWORD grfStatFlag) { return inner_->Stat(pstatstg, grfStatFlag); }

}  // namespace api_test
