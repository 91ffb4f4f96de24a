// What STATSTG reports about an element, kept apart from the element so that
// enumerators can hold a snapshot.
#pragma once

#include "storage/ElementTree.h"

#include <string>

namespace vantor::storage {

struct ElementStat {
    std::u16string name;
    DWORD type = STGTY_STREAM;
    uint64_t size = 0;
    FILETIME creationTime{};
    FILETIME modificationTime{};
    CLSID clsid = GUID_NULL;
    DWORD stateBits = 0;
    DWORD mode = 0;
};

ElementStat DescribeElement(const Element& element);

// Fills the caller's record; the name (unless STATFLAG_NONAME) is a
// CoTaskMemAlloc block the caller frees.
HRESULT FillStatStg(const ElementStat& stat, DWORD statFlag, STATSTG& record);

HRESULT CheckStatFlag(DWORD statFlag);

}  // namespace vantor::storage
