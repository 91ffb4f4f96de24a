#include "storage/ElementEnumerator.h"

#include "vantor/platform/blocks.h"

#include <algorithm>

namespace vantor::storage {

HRESULT ElementEnumerator::QueryInterface(REFIID riid, void** object) {
    return AnswerQuery(riid, object, IID_IEnumSTATSTG);
}

HRESULT ElementEnumerator::Next(ULONG celt, STATSTG* rgelt, ULONG* pceltFetched) {
    return Guarded([&]() -> HRESULT {
        if (pceltFetched) *pceltFetched = 0;
        if (!rgelt) return STG_E_INVALIDPOINTER;
        if (!pceltFetched && celt != 1) return STG_E_INVALIDPARAMETER;
        ULONG fetched = 0;
        while (fetched < celt && position_ < elements_.size()) {
            if (HRESULT hr = FillStatStg(elements_[position_], STATFLAG_DEFAULT, rgelt[fetched]); FAILED(hr)) {
                for (ULONG i = 0; i < fetched; ++i) {
                    CoTaskMemFree(rgelt[i].pwcsName);
                    rgelt[i].pwcsName = nullptr;
                }
                position_ -= fetched;
                return hr;
            }
            ++fetched;
            ++position_;
        }
        if (pceltFetched) *pceltFetched = fetched;
        return fetched == celt ? S_OK : S_FALSE;
    });
}

HRESULT ElementEnumerator::Skip(ULONG celt) {
    const size_t left = elements_.size() - position_;
    const size_t skipped = std::min<size_t>(celt, left);
    position_ += skipped;
    return skipped == celt ? S_OK : S_FALSE;
}

HRESULT ElementEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

HRESULT ElementEnumerator::Clone(IEnumSTATSTG** ppenum) {
    return Guarded([&]() -> HRESULT {
        if (!ppenum) return STG_E_INVALIDPOINTER;
        *ppenum = nullptr;
        *ppenum = new ElementEnumerator(elements_, position_);
        return S_OK;
    });
}

}  // namespace vantor::storage
