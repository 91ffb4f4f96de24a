#include "storage/ElementTree.h"

#include "storage/StorageLimits.h"

#include <chrono>

namespace vantor::storage {

void Element::Detach() {
    detached_ = true;
    parent_ = nullptr;
}

void StorageElement::Detach() {
    Element::Detach();
    for (auto& [name, child] : children_) child->Detach();
}

std::shared_ptr<Element> StorageElement::Find(std::u16string_view name) const {
    const auto it = children_.find(name);
    return it == children_.end() ? nullptr : it->second;
}

std::vector<std::shared_ptr<Element>> StorageElement::Snapshot() const {
    std::vector<std::shared_ptr<Element>> result;
    result.reserve(children_.size());
    for (const auto& [name, child] : children_) result.push_back(child);
    return result;
}

HRESULT StorageElement::Insert(const std::shared_ptr<Element>& element) {
    const auto it = children_.find(element->name());
    if (it == children_.end()) {
        if (children_.size() >= kMaxChildrenPerStorage) return STG_E_INSUFFICIENTMEMORY;
        if (element->isStorage() && NestingLevel() + 1 > kMaxNestingDepth) return STG_E_INSUFFICIENTMEMORY;
        children_.emplace(element->name(), element);
    } else {
        if (element->isStorage() && NestingLevel() + 1 > kMaxNestingDepth) return STG_E_INSUFFICIENTMEMORY;
        it->second->Detach();
        // The key keeps the spelling of the first name otherwise.
        children_.erase(it);
        children_.emplace(element->name(), element);
    }
    element->parent_ = this;
    return S_OK;
}

bool StorageElement::Remove(std::u16string_view name) {
    const auto it = children_.find(name);
    if (it == children_.end()) return false;
    it->second->Detach();
    children_.erase(it);
    return true;
}

HRESULT StorageElement::Rename(std::u16string_view oldName, const std::u16string& newName) {
    const auto it = children_.find(oldName);
    if (it == children_.end()) return STG_E_FILENOTFOUND;
    const auto taken = children_.find(newName);
    if (taken != children_.end() && taken != it) return STG_E_ACCESSDENIED;
    auto node = children_.extract(it);
    node.key() = newName;
    node.mapped()->name_ = newName;
    children_.insert(std::move(node));
    return S_OK;
}

size_t StorageElement::NestingLevel() const {
    size_t level = 0;
    for (const StorageElement* up = parent(); up; up = up->parent()) ++level;
    return level;
}

bool StorageElement::Contains(const StorageElement* storage) const {
    for (const StorageElement* up = storage; up; up = up->parent())
        if (up == this) return true;
    return false;
}

FILETIME CurrentFileTime() {
    using namespace std::chrono;
    constexpr int64_t kUnixEpochIn100ns = 116444736000000000;
    const auto since1970 = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count() / 100;
    const auto value = static_cast<uint64_t>(since1970 + kUnixEpochIn100ns);
    return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

}  // namespace vantor::storage
