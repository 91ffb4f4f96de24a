// A counted reference to a component object (IStorage, IStream,
// IEnumSTATSTG): AddRef when a reference is copied in, Release when it goes.
#pragma once

#include <cstddef>
#include <utility>

namespace vantor {

template <class T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    // Takes a reference of its own; use Attach to adopt one instead.
    explicit ComPtr(T* object) noexcept : object_(object) { AddRefHeld(); }
    ComPtr(const ComPtr& other) noexcept : object_(other.object_) { AddRefHeld(); }
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ~ComPtr() { Reset(); }

    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }

    T* Get() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    void Reset() noexcept {
        if (T* old = std::exchange(object_, nullptr)) old->Release();
    }
    // Adopts a reference that the caller already owns.
    void Attach(T* object) noexcept {
        Reset();
        object_ = object;
    }
    // Hands the reference to the caller, who must release it.
    [[nodiscard]] T* Detach() noexcept { return std::exchange(object_, nullptr); }
    // For out parameters of interface methods: drops the current reference
    // and lets the callee store a new one that this pointer then owns.
    T** ReleaseAndGetAddressOf() noexcept {
        Reset();
        return &object_;
    }

private:
    void AddRefHeld() noexcept {
        if (object_) object_->AddRef();
    }

    T* object_ = nullptr;
};

}  // namespace vantor
