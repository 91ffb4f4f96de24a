#include "library/sections/EdsKeyedSection.h"

#include "common/Strings.h"

namespace vantor {

void CEdsKeyedSection::RegisterOne(CEdsField& field) {
    keys_.push_back({field.Descriptor(), &field});
    Link(&field);
}

CEdsField* CEdsKeyedSection::FindById(uint16_t id) {
    for (const Key& key : keys_)
        if (key.descriptor->id == id) return key.field;
    return nullptr;
}

CEdsField* CEdsKeyedSection::FindByName(std::string_view name) {
    for (const Key& key : keys_)
        if (EqualNoCase(key.descriptor->name, name)) return key.field;
    return nullptr;
}

}  // namespace vantor
