#include "editor/document/EdsObserver.h"

#include "editor/document/EdsStore.h"

namespace brenmoor {

EdsResult CEdsObserver::SetStore(CEdsStore* store) {
    if (static_cast<CSubject*>(store) == Subject()) return 0;
    try {
        if (CSubject* current = Subject()) current->Detach(this);
        if (store) store->Attach(this);
    } catch (...) {
        return kUnspecifiedFailure;
    }
    return 0;
}

CEdsStore* CEdsObserver::Store() const { return dynamic_cast<CEdsStore*>(Subject()); }

EdsResult CEdsObserver::AddRecord(const GUID& kind, uint32_t key, const void* record) {
    CEdsStore* store = Store();
    return store ? store->AddRecord(kind, key, record) : kNotAttached;
}

EdsResult CEdsObserver::RemoveRecord(const GUID& kind, uint32_t key) {
    CEdsStore* store = Store();
    return store ? store->RemoveRecord(kind, key) : kNotAttached;
}

EdsResult CEdsObserver::GetRecord(const GUID& kind, uint32_t key, void* record) {
    CEdsStore* store = Store();
    return store ? store->GetRecord(kind, key, record) : kNotAttached;
}

EdsResult CEdsObserver::SetRecord(const GUID& kind, uint32_t key, const void* record) {
    CEdsStore* store = Store();
    return store ? store->SetRecord(kind, key, record) : kNotAttached;
}

}  // namespace brenmoor
