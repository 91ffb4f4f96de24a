#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "editor/document/EdsObserver.h"
#include "editor/document/RecordKinds.h"

namespace brenmoor {
namespace {

using Events = std::vector<std::string>;

class RecordingObserver : public CEdsObserver {
public:
    RecordingObserver(std::string name, Events& events) : name_(std::move(name)), events_(events) {}
    ~RecordingObserver() override { SetStore(nullptr); }

    void OnAttach() override {
        events_.push_back(name_ + " attach");
        if (throwOnAttach) throw std::runtime_error("attach");
    }
    void OnDetach() override {
        events_.push_back(name_ + " detach" + (Subject() ? "" : " (no subject)"));
        if (throwOnDetach) throw std::runtime_error("detach");
    }

    bool throwOnAttach = false;
    bool throwOnDetach = false;

private:
    std::string name_;
    Events& events_;
};

// A view with sub-views: it passes its attachment on, as the object view does.
class ParentObserver : public RecordingObserver {
public:
    ParentObserver(Events& events) : RecordingObserver("parent", events), first("first", events), second("second", events) {}
    ~ParentObserver() override { SetStore(nullptr); }

    void OnAttach() override {
        RecordingObserver::OnAttach();
        Subject()->Attach(&first);
        Subject()->Attach(&second);
    }
    void OnDetach() override {
        RecordingObserver::OnDetach();
        Subject()->Detach(&first);
        Subject()->Detach(&second);
    }

    RecordingObserver first;
    RecordingObserver second;
};

TEST(ChangeNotification, AttachingTwiceKeepsOneEntryAndCallsOnAttachOnce) {
    Events events;
    CSubject subject;
    RecordingObserver view("view", events);
    subject.Attach(&view);
    subject.Attach(&view);
    subject.Attach(nullptr);
    EXPECT_EQ(subject.Observers().size(), 1u);
    EXPECT_EQ(view.Subject(), &subject);
    EXPECT_EQ(events, Events{"view attach"});

    subject.Detach(&view);
    subject.Detach(&view);
    subject.Detach(nullptr);
    EXPECT_TRUE(subject.Observers().empty());
    EXPECT_EQ(view.Subject(), nullptr);
    EXPECT_EQ(events, (Events{"view attach", "view detach"}));
}

TEST(ChangeNotification, DestroyingTheSubjectDetachesEveryViewInAttachmentOrder) {
    Events events;
    RecordingObserver a("a", events), b("b", events), c("c", events);
    {
        CSubject subject;
        subject.Attach(&b);
        subject.Attach(&a);
        subject.Attach(&c);
        events.clear();
    }
    EXPECT_EQ(events, (Events{"b detach", "a detach", "c detach"}));
    for (const RecordingObserver* view : {&a, &b, &c}) EXPECT_EQ(view->Subject(), nullptr);

    CSubject next;
    next.Attach(&a);
    EXPECT_EQ(a.Subject(), &next);
}

TEST(ChangeNotification, SubViewsFollowTheirParentWhileTheListIsWalked) {
    Events events;
    ParentObserver parent(events);
    {
        CSubject subject;
        subject.Attach(&parent);
        EXPECT_EQ(subject.Observers().size(), 3u);
        EXPECT_EQ(events, (Events{"parent attach", "first attach", "second attach"}));
        events.clear();
    }
    EXPECT_EQ(events, (Events{"parent detach", "first detach", "second detach"}));
    EXPECT_EQ(parent.first.Subject(), nullptr);
    EXPECT_EQ(parent.second.Subject(), nullptr);
}

TEST(ChangeNotification, AnObserverAttachedElsewhereMovesAndADestroyedOneLeavesTheList) {
    Events events;
    CSubject one, two;
    auto view = std::make_unique<RecordingObserver>("view", events);
    one.Attach(view.get());
    two.Attach(view.get());
    EXPECT_TRUE(one.Observers().empty());
    EXPECT_EQ(view->Subject(), &two);

    view.reset();
    EXPECT_TRUE(two.Observers().empty());
}

TEST(ChangeNotification, AThrowingOnDetachStillLeavesTheObserverDetached) {
    Events events;
    RecordingObserver view("view", events);
    view.throwOnDetach = true;
    {
        CSubject subject;
        subject.Attach(&view);
        EXPECT_THROW(subject.Detach(&view), std::runtime_error);
        EXPECT_EQ(view.Subject(), nullptr);
        subject.Attach(&view);
    }  // the destructor swallows it
    EXPECT_EQ(view.Subject(), nullptr);
}

TEST(EdsObserver, SetStoreWithoutADocumentOnADetachedObserverDoesNothing) {
    Events events;
    RecordingObserver view("view", events);
    EXPECT_EQ(view.SetStore(nullptr), 0u);
    EXPECT_TRUE(events.empty());
}

TEST(EdsObserver, RecordOperationsWhileDetachedAnswerNotAttached) {
    Events events;
    RecordingObserver view("view", events);
    EdsObjectRecord record{};
    EXPECT_EQ(view.GetRecord(kKindObject, ObjectKey(0x1000, 0), &record), 0x8000000Au);
    EXPECT_EQ(view.SetRecord(kKindObject, ObjectKey(0x1000, 0), &record), 0x8000000Au);
    EXPECT_EQ(view.AddRecord(kKindFileInfo, 0, &record), 0x8000000Au);
    EXPECT_EQ(view.RemoveRecord(kKindDynSegment, 1), 0x8000000Au);
}

TEST(EdsObserver, DefaultsReportAViewWithoutEdits) {
    Events events;
    RecordingObserver view("view", events);
    EXPECT_EQ(view.IsUnchanged(), 1u);
    EXPECT_EQ(view.Reset(), 0u);
    EXPECT_EQ(view.ReadFromStore(), 0u);
    EXPECT_EQ(view.WriteToStore(), 0u);
}

TEST(RecordKeys, PackIndexAndSubIndexAndKeepTenSegmentBits) {
    EXPECT_EQ(ObjectKey(0x1018, 4), 0x101804u);
    EXPECT_EQ(ObjectKey(0x1018, kMainEntry), 0x1018FFu);
    EXPECT_EQ(ObjectIndexOf(0x1018FF), 0x1018u);
    EXPECT_EQ(ObjectSubOf(0x1018FF), 255u);
    EXPECT_EQ(SegmentOf(512), 512u);  // nine bits would give 0
    EXPECT_EQ(SegmentOf(1), 1u);
}

}  // namespace
}  // namespace brenmoor
