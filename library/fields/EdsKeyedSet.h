// A property set whose keys are member fields of the derived class.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "library/fields/EdsProp.h"

namespace vantor {

// The derived set registers each member field once, in the order in which
// its keys are written; keys are then found by number, or by name without
// regard to case (real files write "Vendorname" or "NrOfRxPDO").
class CEdsKeyedSet : public CEdsPropSet {
public:
    using CEdsPropSet::CEdsPropSet;

    CEdsField* FindById(uint16_t id) override;
    CEdsField* FindByName(std::string_view name) override;

protected:
    // Adds the fields to the key table and links them into the list, in
    // the order given.
    template <class... Fields>
    void Register(Fields&... fields) {
        (RegisterOne(fields), ...);
    }

private:
    void RegisterOne(CEdsField& field);

    struct Key {
        const FieldDescriptor* descriptor;
        CEdsField* field;
    };
    std::vector<Key> keys_;
};

}  // namespace vantor
