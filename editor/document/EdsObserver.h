// An observer of the editor's document: attached to at most one document,
// it reaches the document's record operations through it.
#pragma once

#include <cstdint>

#include "editor/document/ChangeNotification.h"
#include "vantor/vantor.h"

namespace brenmoor {

class CEdsStore;

// Result of a record operation of an observer that is not attached.
inline constexpr EdsResult kNotAttached = 0x8000000A;
// Result of SetStore when an OnAttach or OnDetach threw.
inline constexpr EdsResult kUnspecifiedFailure = 0x80004005;

class CEdsObserver : public CObserver {
public:
    // 1 when the observer holds no edits that were not written to the document.
    virtual EdsResult IsUnchanged() { return 1; }
    // Fills the observer with the defaults of a new description.
    virtual EdsResult Reset() { return 0; }
    virtual EdsResult ReadFromStore() { return 0; }
    virtual EdsResult WriteToStore() { return 0; }

    // Detaches from the current document (if any) and attaches to store (if
    // not null); nothing happens when store is the current document.
    EdsResult SetStore(CEdsStore* store);
    // The document attached to, or null.
    CEdsStore* Store() const;

    // The document's operations of the same name; kNotAttached when detached.
    EdsResult AddRecord(const GUID& kind, uint32_t key, const void* record);
    EdsResult RemoveRecord(const GUID& kind, uint32_t key);
    EdsResult GetRecord(const GUID& kind, uint32_t key, void* record);
    EdsResult SetRecord(const GUID& kind, uint32_t key, const void* record);
};

}  // namespace brenmoor
