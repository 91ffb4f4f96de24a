// Reference counting shared by the storage, stream and enumerator objects,
// and the guard that keeps exceptions from crossing the interface.
#pragma once

#include "vantor/platform/storage.h"

#include <atomic>
#include <exception>
#include <new>

namespace vantor::storage {

template <class Interface>
class ComObject : public Interface {
public:
    ULONG AddRef() override { return ++references_; }

    ULONG Release() override {
        const ULONG remaining = --references_;
        if (remaining == 0) {
            OnFinalRelease();
            delete this;
        }
        return remaining;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;
    virtual void OnFinalRelease() {}

    // Answers IUnknown and the interfaces listed.
    template <class... Iids>
    HRESULT AnswerQuery(REFIID riid, void** object, const Iids&... iids) {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (!(riid == IID_IUnknown || ((riid == iids) || ...))) return E_NOINTERFACE;
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }

private:
    std::atomic<ULONG> references_{1};
};

// One counted reference, released when the holder goes.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T** Out() {
        Reset();
        return &object_;
    }
    void Reset() {
        if (object_) object_->Release();
        object_ = nullptr;
    }

private:
    T* object_ = nullptr;
};

// Runs the body of an interface method; memory exhaustion and any other
// exception become status codes.
template <class Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return STG_E_INSUFFICIENTMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace vantor::storage
