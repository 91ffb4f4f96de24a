#include "storage/ElementStat.h"

#include "vantor/platform/blocks.h"

#include <cstring>

namespace vantor::storage {

ElementStat DescribeElement(const Element& element) {
    ElementStat stat;
    stat.name = element.name();
    stat.type = element.isStorage() ? STGTY_STORAGE : STGTY_STREAM;
    if (!element.isStorage()) stat.size = static_cast<const StreamElement&>(element).size();
    stat.creationTime = element.creationTime;
    stat.modificationTime = element.modificationTime;
    stat.clsid = element.clsid;
    stat.stateBits = element.stateBits;
    return stat;
}

HRESULT CheckStatFlag(DWORD statFlag) {
    return statFlag == STATFLAG_DEFAULT || statFlag == STATFLAG_NONAME ? S_OK : STG_E_INVALIDFLAG;
}

HRESULT FillStatStg(const ElementStat& stat, DWORD statFlag, STATSTG& record) {
    record = STATSTG{};
    if (statFlag != STATFLAG_NONAME) {
        const size_t bytes = (stat.name.size() + 1) * sizeof(OLECHAR);
        auto* name = static_cast<OLECHAR*>(CoTaskMemAlloc(bytes));
        if (!name) return STG_E_INSUFFICIENTMEMORY;
        std::memcpy(name, stat.name.c_str(), bytes);
        record.pwcsName = name;
    }
    record.type = stat.type;
    record.cbSize.QuadPart = stat.size;
    record.mtime = stat.modificationTime;
    record.ctime = stat.creationTime;
    record.grfMode = stat.mode;
    record.clsid = stat.clsid;
    record.grfStateBits = stat.stateBits;
    return S_OK;
}

}  // namespace vantor::storage
