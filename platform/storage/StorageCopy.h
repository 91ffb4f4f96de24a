// Copying elements of the tree into any IStorage, through its interface, so
// that the target may belong to another file.
#pragma once

#include "storage/ElementTree.h"

#include <string>
#include <vector>

namespace vantor::storage {

struct CopyExclusions {
    bool storages = false;
    bool streams = false;
    std::vector<std::u16string> names;

    bool Excludes(const Element& element) const;
};

// Copies every element of source into target. Streams replace streams of the
// same name; storages are merged into storages of the same name.
HRESULT CopyStorageContents(const StorageElement& source, IStorage* target, const CopyExclusions& exclusions);

// Copies one element into target under name, replacing what is there.
HRESULT CopyElementAs(const Element& source, IStorage* target, const std::u16string& name);

}  // namespace vantor::storage
