// What every export does around its work: the handle check, the check of the
// required pointers, the narrowing of argument slots and the translation of
// exceptions into result codes.
#pragma once

#include <initializer_list>
#include <new>

#include "library/api/EdsHandle.h"
#include "vantor/vantor.h"

namespace vantor::api {

constexpr EdsResult kSuccess = ERROR_SUCCESS;
constexpr EdsResult kInvalidHandle = ERROR_INVALID_HANDLE;
constexpr EdsResult kInvalidParameter = ERROR_INVALID_PARAMETER;
constexpr EdsResult kOutOfMemory = ERROR_OUTOFMEMORY;
constexpr EdsResult kNotImplemented = static_cast<EdsResult>(E_NOTIMPL);
constexpr EdsResult kUnexpected = static_cast<EdsResult>(E_UNEXPECTED);

// Index, sub-index, data type and segment slots carry 16 bits.
constexpr uint16_t LowWord(uint32_t slot) { return static_cast<uint16_t>(slot); }
// Byte flags and the get sub-index carry 8 bits.
constexpr uint8_t LowByte(uint32_t slot) { return static_cast<uint8_t>(slot); }

// Runs call and returns its result; an escaping exception gives
// outOfMemory for an allocation failure and otherwise other.
template <typename Result, typename Call>
Result WithoutThrowing(Call&& call, Result outOfMemory, Result other) noexcept {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return outOfMemory;
    } catch (...) {
        return other;
    }
}

// The frame of an export that takes a handle: 6 for a bad handle, then 87 for
// a null pointer among required, then work(fileStg), whose HRESULT or Win32
// code is passed on as it is.
template <typename Work>
EdsResult RunFrame(EdsHandle h, std::initializer_list<const void*> required, Work&& work) noexcept {
    CEdsFileStg* fileStg = FileStgOf(h);
    if (!fileStg) return kInvalidHandle;
    for (const void* pointer : required)
        if (!pointer) return kInvalidParameter;
    return WithoutThrowing([&] { return static_cast<EdsResult>(work(*fileStg)); }, kOutOfMemory, kUnexpected);
}

}  // namespace vantor::api
