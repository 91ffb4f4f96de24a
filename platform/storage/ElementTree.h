// The in-memory element tree of a compound file: storages holding named
// storages and streams. Elements are shared by the COM objects opened on
// them; an element that leaves the tree (destroyed or replaced) is marked
// detached so that those objects can report it.
#pragma once

#include "storage/ElementName.h"
#include "vantor/platform/storage.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vantor::storage {

enum class ElementKind { Storage, Stream };

class StorageElement;

class Element {
public:
    virtual ~Element() = default;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    ElementKind kind() const { return kind_; }
    bool isStorage() const { return kind_ == ElementKind::Storage; }
    const std::u16string& name() const { return name_; }
    bool detached() const { return detached_; }
    StorageElement* parent() const { return parent_; }

    FILETIME creationTime{};
    FILETIME modificationTime{};
    CLSID clsid = GUID_NULL;
    DWORD stateBits = 0;

protected:
    Element(ElementKind kind, std::u16string name) : kind_(kind), name_(std::move(name)) {}
    virtual void Detach();

private:
    friend class StorageElement;

    ElementKind kind_;
    std::u16string name_;
    StorageElement* parent_ = nullptr;
    bool detached_ = false;
};

class StreamElement final : public Element {
public:
    explicit StreamElement(std::u16string name) : Element(ElementKind::Stream, std::move(name)) {}

    std::vector<uint8_t>& data() { return data_; }
    const std::vector<uint8_t>& data() const { return data_; }
    uint64_t size() const { return data_.size(); }

private:
    std::vector<uint8_t> data_;
};

class StorageElement final : public Element {
public:
    using Children = std::map<std::u16string, std::shared_ptr<Element>, ElementNameLess>;

    explicit StorageElement(std::u16string name) : Element(ElementKind::Storage, std::move(name)) {}

    const Children& children() const { return children_; }
    std::shared_ptr<Element> Find(std::u16string_view name) const;
    // The children at this moment, in name order.
    std::vector<std::shared_ptr<Element>> Snapshot() const;

    // Adds the element, replacing (and detaching) an element of the same
    // name. Fails with STG_E_INSUFFICIENTMEMORY beyond the tree's limits.
    HRESULT Insert(const std::shared_ptr<Element>& element);
    // Removes and detaches the element of that name; false when there is none.
    bool Remove(std::u16string_view name);
    // STG_E_FILENOTFOUND without oldName, STG_E_ACCESSDENIED when newName is
    // taken by another element.
    HRESULT Rename(std::u16string_view oldName, const std::u16string& newName);

    // Levels of storages above this one (0 for the root).
    size_t NestingLevel() const;
    // True for this storage and every storage inside it.
    bool Contains(const StorageElement* storage) const;

protected:
    void Detach() override;

private:
    Children children_;
};

// The current time as a FILETIME (100 ns units since 1601).
FILETIME CurrentFileTime();

}  // namespace vantor::storage
