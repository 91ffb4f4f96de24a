#include "vantor/platform/blocks.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// A string block is a header of two 32-bit words (a tag and the byte length)
// followed by the units and a terminating zero unit; the caller holds a
// pointer to the first unit, as with the Windows allocator.
struct StringHeader {
    uint32_t tag;
    uint32_t byteLength;
};

constexpr uint32_t kStringTag = 0x52545342;  // "BSTR"

StringHeader* HeaderOf(BSTR bstr) {
    return reinterpret_cast<StringHeader*>(reinterpret_cast<char*>(bstr) - sizeof(StringHeader));
}

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* psz, UINT len) {
    constexpr size_t kMaxUnits = (std::numeric_limits<uint32_t>::max() - sizeof(StringHeader)) / 2 - 1;
    if (len > kMaxUnits) return nullptr;
    const size_t bytes = static_cast<size_t>(len) * sizeof(OLECHAR);
    auto* header = static_cast<StringHeader*>(std::malloc(sizeof(StringHeader) + bytes + sizeof(OLECHAR)));
    if (!header) return nullptr;
    header->tag = kStringTag;
    header->byteLength = static_cast<uint32_t>(bytes);
    auto* units = reinterpret_cast<OLECHAR*>(header + 1);
    if (psz)
        std::memcpy(units, psz, bytes);
    else
        std::memset(units, 0, bytes);
    units[len] = 0;
    return units;
}

BSTR SysAllocString(const OLECHAR* psz) {
    if (!psz) return nullptr;
    UINT len = 0;
    while (psz[len]) ++len;
    return SysAllocStringLen(psz, len);
}

UINT SysStringLen(BSTR bstr) {
    if (!bstr) return 0;
    return HeaderOf(bstr)->byteLength / sizeof(OLECHAR);
}

void SysFreeString(BSTR bstr) {
    if (!bstr) return;
    StringHeader* header = HeaderOf(bstr);
    header->tag = 0;
    std::free(header);
}

void* CoTaskMemAlloc(size_t cb) { return std::malloc(cb == 0 ? 1 : cb); }

// As on Windows, a size of 0 frees the block and returns null; a null block
// is allocated anew.
void* CoTaskMemRealloc(void* pv, size_t cb) {
    if (!pv) return CoTaskMemAlloc(cb);
    if (cb == 0) {
        std::free(pv);
        return nullptr;
    }
    return std::realloc(pv, cb);
}

void CoTaskMemFree(void* pv) { std::free(pv); }
