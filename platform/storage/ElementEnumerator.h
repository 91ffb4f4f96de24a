// IEnumSTATSTG over a snapshot of a storage's elements taken when the
// enumerator was made.
#pragma once

#include "storage/ComObject.h"
#include "storage/ElementStat.h"

#include <vector>

namespace vantor::storage {

class ElementEnumerator final : public ComObject<IEnumSTATSTG> {
public:
    explicit ElementEnumerator(std::vector<ElementStat> elements, size_t position = 0)
        : elements_(std::move(elements)), position_(position) {}

    HRESULT QueryInterface(REFIID riid, void** object) override;

    HRESULT Next(ULONG celt, STATSTG* rgelt, ULONG* pceltFetched) override;
    HRESULT Skip(ULONG celt) override;
    HRESULT Reset() override;
    HRESULT Clone(IEnumSTATSTG** ppenum) override;

private:
    std::vector<ElementStat> elements_;
    size_t position_;
};

}  // namespace vantor::storage
