#include "library/fields/EdsKeyedSet.h"

#include "common/Strings.h"

namespace vantor {

void CEdsKeyedSet::RegisterOne(CEdsField& field) {
    keys_.push_back({field.Descriptor(), &field});
    Link(&field);
}

CEdsField* CEdsKeyedSet::FindById(uint16_t id) {
    for (const Key& key : keys_)
        if (key.descriptor->id == id) return key.field;
    return nullptr;
}

CEdsField* CEdsKeyedSet::FindByName(std::string_view name) {
    for (const Key& key : keys_)
        if (EqualNoCase(key.descriptor->name, name)) return key.field;
    return nullptr;
}

}  // namespace vantor
