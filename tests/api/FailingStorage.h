// A storage of a real compound file whose element opens and creates can be
// made to fail on demand, for the paths where a save or a change meets a
// storage error. Storages opened beneath it are wrapped alike and share the
// switch; everything else goes to the compound file unchanged.
#pragma once

#include <atomic>
#include <memory>

#include "vantor/platform.h"

namespace api_test {

struct FailureSwitch {
    bool failing = false;
    static constexpr HRESULT kFailure = STG_E_ACCESSDENIED;
};

class FailingStorage final : public IStorage {
public:
    // A new wrapper holding its own reference to inner, with a reference count of 1.
    static IStorage* Wrap(IStorage* inner, std::shared_ptr<FailureSwitch> failure);

    HRESULT QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT CreateStream(const OLECHAR* pwcsName, DWORD grfMode, DWORD reserved1, DWORD reserved2,
                         IStream** ppstm) override;
    HRESULT OpenStream(const OLECHAR* pwcsName, void* reserved1, DWORD grfMode, DWORD reserved2,
                       IStream** ppstm) override;
    HRESULT CreateStorage(const OLECHAR* pwcsName, DWORD grfMode, DWORD reserved1, DWORD reserved2,
                          IStorage** ppstg) override;
    HRESULT OpenStorage(const OLECHAR* pwcsName, IStorage* pstgPriority, DWORD grfMode, SNB snbExclude,
                        DWORD reserved, IStorage** ppstg) override;
    HRESULT CopyTo(DWORD ciidExclude, const IID* rgiidExclude, SNB snbExclude, IStorage* pstgDest) override;
    HRESULT MoveElementTo(const OLECHAR* pwcsName, IStorage* pstgDest, const OLECHAR* pwcsNewName,
                          DWORD grfFlags) override;
    HRESULT Commit(DWORD grfCommitFlags) override;
    HRESULT Revert() override;
    HRESULT EnumElements(DWORD reserved1, void* reserved2, DWORD reserved3, IEnumSTATSTG** ppenum) override;
    HRESULT DestroyElement(const OLECHAR* pwcsName) override;
    HRESULT RenameElement(const OLECHAR* pwcsOldName, const OLECHAR* pwcsNewName) override;
    HRESULT SetElementTimes(const OLECHAR* pwcsName, const FILETIME* pctime, const FILETIME* patime,
                            const FILETIME* pmtime) override;
    HRESULT SetClass(REFCLSID clsid) override;
    HRESULT SetStateBits(DWORD grfStateBits, DWORD grfMask) override;
    HRESULT Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;

private:
    FailingStorage(IStorage* inner, std::shared_ptr<FailureSwitch> failure);
    ~FailingStorage();
    bool Failing() const { return failure_->failing; }

    IStorage* inner_;
    std::shared_ptr<FailureSwitch> failure_;
    std::atomic<ULONG> references_{1};
};

}  // namespace api_test
