// IStorage over a storage element. The root object of a file owns the
// file's fate: its last release writes (or deletes) the file.
#pragma once

#include "storage/ComObject.h"
#include "storage/Docfile.h"

#include <memory>

namespace vantor::storage {

class StorageObject final : public ComObject<IStorage> {
public:
    StorageObject(std::shared_ptr<Docfile> docfile, std::shared_ptr<StorageElement> element, const OpenMode& mode,
                  bool isRoot);

    HRESULT QueryInterface(REFIID riid, void** object) override;

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

protected:
    void OnFinalRelease() override;

private:
    HRESULT CheckUsable() const;
    HRESULT CheckWritable() const;
    // Checks the mode of a child about to be opened or created.
    // The checks every create and open of a child shares, in order: reserved
    // arguments, the name, then the mode.
    HRESULT CheckChildRequest(const OLECHAR* pwcsName, bool extraArguments, DWORD grfMode, ModeUse use,
                              std::u16string& name, OpenMode& mode) const;
    HRESULT CheckChildMode(DWORD grfMode, ModeUse use, OpenMode& mode) const;
    // Creates (or with STGM_CREATE replaces) a child element.
    HRESULT InsertChild(const std::shared_ptr<Element>& element, const OpenMode& mode);
    // Whether the target is one of this file's storages inside this one.
    bool ContainsStorage(IStorage* target) const;

    std::shared_ptr<Docfile> docfile_;
    std::shared_ptr<StorageElement> element_;
    OpenMode mode_;
    bool isRoot_;
};

}  // namespace vantor::storage
