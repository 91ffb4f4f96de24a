// The subject/observer pair that ties the editor's views to the open
// document. It carries no change events: it tells an observer when it is
// attached to or detached from a document and lets it reach that document.
#pragma once

#include <vector>

namespace brenmoor {

class CObserver;

class CSubject {
public:
    CSubject() = default;
    CSubject(const CSubject&) = delete;
    CSubject& operator=(const CSubject&) = delete;
    // Every observer still listed gets OnDetach, in list order, and is left
    // detached; observers are never destroyed here.
    virtual ~CSubject();

    // A null observer or one already listed is ignored. An observer attached
    // to another subject is detached from it first.
    void Attach(CObserver* observer);
    // A null observer or one not listed is ignored.
    void Detach(CObserver* observer);

    bool IsAttached(const CObserver* observer) const;
    const std::vector<CObserver*>& Observers() const { return observers_; }

private:
    std::vector<CObserver*> observers_;
    bool destroying_ = false;
};

class CObserver {
public:
    CObserver() = default;
    CObserver(const CObserver&) = delete;
    CObserver& operator=(const CObserver&) = delete;
    // Detaches from the subject when still attached. Derived observers whose
    // OnDetach must run detach in their own destructor.
    virtual ~CObserver();

    CSubject* Subject() const { return subject_; }

    // Called after the observer was added to a subject.
    virtual void OnAttach() {}
    // Called before the observer leaves its subject; the subject is still set.
    virtual void OnDetach() {}

private:
    friend class CSubject;
    CSubject* subject_ = nullptr;
};

}  // namespace brenmoor
