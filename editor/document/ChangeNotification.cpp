#include "editor/document/ChangeNotification.h"

#include <algorithm>

namespace brenmoor {

CSubject::~CSubject() {
    destroying_ = true;
    // An OnDetach may detach further observers (sub-views), so the list is
    // taken from the front until it is empty rather than iterated.
    while (!observers_.empty()) {
        CObserver* observer = observers_.front();
        observers_.erase(observers_.begin());
        try {
            observer->OnDetach();
        } catch (...) {
            // A destructor cannot report; the observer is detached regardless.
        }
        observer->subject_ = nullptr;
    }
}

void CSubject::Attach(CObserver* observer) {
    if (!observer || destroying_ || IsAttached(observer)) return;
    if (observer->subject_) observer->subject_->Detach(observer);
    observers_.push_back(observer);
    observer->subject_ = this;
    observer->OnAttach();
}

void CSubject::Detach(CObserver* observer) {
    const auto listed = std::find(observers_.begin(), observers_.end(), observer);
    if (!observer || listed == observers_.end()) return;
    // Leaving the list first keeps an OnDetach that detaches again (itself
    // or its sub-views) from detaching anyone twice.
    observers_.erase(listed);
    try {
        observer->OnDetach();
    } catch (...) {
        observer->subject_ = nullptr;
        throw;
    }
    observer->subject_ = nullptr;
}

bool CSubject::IsAttached(const CObserver* observer) const {
    return std::find(observers_.begin(), observers_.end(), observer) != observers_.end();
}

CObserver::~CObserver() {
    if (!subject_) return;
    try {
        subject_->Detach(this);
    } catch (...) {
        // Only this class's own OnDetach can run here, and it does nothing.
    }
}

}  // namespace brenmoor
