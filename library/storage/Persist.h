// The base of every library object that lives in a compound-file storage:
// the persistence protocol (new, load, save, save-as, hands-off) as a state
// machine, and the element operations that derived classes build their
// layout with. Status codes of the storage are passed on unchanged.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "library/storage/ComPtr.h"
#include "vantor/platform.h"

namespace vantor {

class CPersistStg {
public:
    enum class State : uint8_t {
        Uninitialized = 0,
        Normal = 1,
        Saving = 2,
        NoScribble = 3,  // after SaveAs, until SaveAsCompleted
        HandsOff = 4,
    };

    // Element modes: create (replacing), read-write, exclusive; and
    // read-write, exclusive.
    static constexpr DWORD kCreateMode = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
    static constexpr DWORD kOpenMode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
    // Longest element name in UTF-16 units, terminator included.
    static constexpr int kMaxNameUnits = 32;

    CPersistStg();
    CPersistStg(const CPersistStg&) = delete;
    CPersistStg& operator=(const CPersistStg&) = delete;
    virtual ~CPersistStg();

    // S_OK when dirty, S_FALSE when clean.
    virtual HRESULT IsDirty();
    virtual HRESULT InitNew(IStorage* storage);
    virtual HRESULT Load(IStorage* storage);
    virtual HRESULT Save();
    virtual HRESULT SaveCompleted();
    // Copies every element of the own storage into target.
    virtual HRESULT SaveAs(IStorage* target);
    virtual HRESULT SaveAsCompleted();
    virtual HRESULT HandsOffStorage();
    virtual HRESULT ResumeStorage(IStorage* storage);
    virtual HRESULT Uninitialize();

    State GetState() const { return state_; }
    IStorage* GetStorage() const { return storage_.Get(); }

    // Element operations. 8-bit names go through the ANSI code page into at
    // most kMaxNameUnits units; a longer name reaches the storage empty. The
    // output reference is cleared first.
    HRESULT CreateSubStorage(const char* name, ComPtr<IStorage>& storage);
    HRESULT CreateSubStorage(const OLECHAR* name, ComPtr<IStorage>& storage);
    HRESULT OpenSubStorage(const char* name, ComPtr<IStorage>& storage);
    HRESULT OpenSubStorage(const OLECHAR* name, ComPtr<IStorage>& storage);
    HRESULT CreateStream(const char* name, ComPtr<IStream>& stream);
    HRESULT CreateStream(const OLECHAR* name, ComPtr<IStream>& stream);
    HRESULT OpenStream(const char* name, ComPtr<IStream>& stream);
    HRESULT OpenStream(const OLECHAR* name, ComPtr<IStream>& stream);
    // Opens the stream, creating it when it does not exist.
    HRESULT OpenOrCreateStream(const char* name, ComPtr<IStream>& stream);
    HRESULT OpenOrCreateStream(const OLECHAR* name, ComPtr<IStream>& stream);
    // No storage or no name: S_OK, nothing done.
    HRESULT DestroyElement(const char* name);
    HRESULT DestroyElement(const OLECHAR* name);
    // No storage or no target: S_OK, nothing done.
    HRESULT CopyStorageTo(IStorage* target);

    // Enumeration of the storage's elements. BeginEnum hands out a record
    // that this object owns; NextEnum fills it with the next element (S_OK)
    // or reports the end (S_FALSE); EndEnum frees it. Records handed out by
    // another object are refused without being touched.
    HRESULT BeginEnum(STATSTG*& record);
    HRESULT NextEnum(STATSTG* record);
    void EndEnum(STATSTG* record);

protected:
    bool GetDirty() const { return dirty_; }
    void SetDirty(bool dirty) { dirty_ = dirty; }

private:
    struct EnumRecord;

    HRESULT InitializeWith(IStorage* storage, bool dirty);
    EnumRecord* FindRecord(const STATSTG* record) const;

    State state_ = State::Uninitialized;
    bool dirty_ = false;
    ComPtr<IStorage> storage_;
    std::vector<std::unique_ptr<EnumRecord>> records_;
};

}  // namespace vantor
