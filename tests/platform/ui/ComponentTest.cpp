#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Component.h"
#include <string>
#include <utility>
#include <vector>

using namespace ui;

namespace {
// Records its own destruction and the removals it hears of.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::vector<std::string>& log, std::string tag)
        : TComponent(owner), log_(log), tag_(std::move(tag))
    {}
    ~Probe() override { log_.push_back("~" + tag_); }
    std::vector<TComponent*> removed;
    int loadedCalls = 0;

protected:
    void Notification(TComponent* c, TOperation op) override
    {
        if (op == TOperation::opRemove)
            removed.push_back(c);
    }
    void Loaded() override
    {
        ++loadedCalls;
        log_.push_back("loaded " + tag_);
    }

private:
    std::vector<std::string>& log_;
    std::string tag_;
};
}  // namespace

TEST(Component, OwnerDestroysWhatItOwnsNewestFirst)
{
    std::vector<std::string> log;
    auto* owner = new Probe(nullptr, log, "owner");
    new Probe(owner, log, "a");
    auto* b = new Probe(owner, log, "b");
    new Probe(b, log, "b.child");
    EXPECT_EQ(owner->ComponentCount(), 2);
    delete owner;
    EXPECT_EQ(log, (std::vector<std::string>{"~owner", "~b", "~b.child", "~a"}));
}

TEST(Component, DeletingAnOwnedComponentRemovesItFromItsOwner)
{
    std::vector<std::string> log;
    Probe owner(nullptr, log, "owner");
    auto* a = new Probe(&owner, log, "a");
    delete a;
    EXPECT_EQ(owner.ComponentCount(), 0);
    ASSERT_EQ(owner.removed.size(), 1u);
    EXPECT_EQ(owner.removed[0], a);
}

TEST(Component, FreeNotificationTellsTheWatcherAndEndsWhenTheWatcherGoes)
{
    std::vector<std::string> log;
    Probe watcher(nullptr, log, "w");
    auto* watched = new Probe(nullptr, log, "x");
    watched->FreeNotification(&watcher);
    delete watched;
    ASSERT_EQ(watcher.removed.size(), 1u);

    // The other way round: a watcher that dies first must not be called later.
    auto* shortLived = new Probe(nullptr, log, "s");
    Probe target(nullptr, log, "t");
    target.FreeNotification(shortLived);
    delete shortLived;
    SUCCEED();  // target's destructor below must not touch the deleted watcher (checked by ASan)
}

TEST(Component, ComponentsOfOneOwnerHearOfEachOthersRemoval)
{
    // A sibling that points to another clears its pointer when that one goes, without asking.
    struct Linked : TComponent {
        explicit Linked(TComponent* owner) : TComponent(owner) {}
        TComponent* link = nullptr;
        void Notification(TComponent* c, TOperation op) override
        {
            TComponent::Notification(c, op);
            if (op == TOperation::opRemove && c == link)
                link = nullptr;
        }
    };
    TComponent form(nullptr);
    auto* grid = new Linked(&form);
    auto* inner = new Linked(grid);  // owned one level further down
    auto* undo = new TComponent(&form);
    grid->link = undo;
    inner->link = undo;
    delete undo;
    EXPECT_EQ(grid->link, nullptr);
    EXPECT_EQ(inner->link, nullptr);
    EXPECT_EQ(form.ComponentCount(), 1);
}

// A listener that removes components while it hears of a removal: whichever it deletes (itself,
// a sibling already told or one still to be told), every survivor hears the removal once and no
// deleted component is told anything (ASan catches a call on a deleted one).
TEST(Component, RemovalNoticesSurviveListenersThatDeleteComponents)
{
    struct Linked : TComponent {
        explicit Linked(TComponent* owner) : TComponent(owner) {}
        TComponent* link = nullptr;
        TComponent* victim = nullptr;  // deleted when link goes
        int heard = 0;
        void Notification(TComponent* c, TOperation op) override
        {
            TComponent::Notification(c, op);
            if (op != TOperation::opRemove || c != link)
                return;
            link = nullptr;
            ++heard;
            if (TComponent* v = std::exchange(victim, nullptr))
                delete v;  // may be this very component: nothing touches it afterwards
        }
    };
    struct Case {
        const char* name;
        int deleter;  // index of the component that deletes
        int victim;   // index of the component it deletes
    };
    for (const Case& k : {Case{"itself", 1, 1}, Case{"an earlier sibling", 2, 0}, Case{"a later sibling", 0, 3}}) {
        SCOPED_TRACE(k.name);
        TComponent form(nullptr);
        auto* target = new TComponent(&form);
        std::vector<Linked*> linked;
        for (int i = 0; i < 5; ++i)
            linked.push_back(new Linked(&form));
        for (Linked* l : linked)
            l->link = target;
        linked[k.deleter]->victim = linked[k.victim];
        delete target;
        EXPECT_EQ(form.ComponentCount(), 4);
        for (int i = 0; i < 5; ++i)
            if (i != k.victim) {
                EXPECT_EQ(linked[i]->link, nullptr) << "component " << i;
                EXPECT_EQ(linked[i]->heard, 1) << "component " << i;
            }
    }
}

TEST(Component, AnInsertionIsToldToTheNewOwner)
{
    struct Owner : TComponent {
        Owner() : TComponent(nullptr) {}
        std::vector<TComponent*> inserted;
        void Notification(TComponent* c, TOperation op) override
        {
            TComponent::Notification(c, op);
            if (op == TOperation::opInsert)
                inserted.push_back(c);
        }
    };
    Owner first, second;
    auto* c = new TComponent(&first);
    second.InsertComponent(c);  // moves it
    EXPECT_EQ(first.inserted, std::vector<TComponent*>{c});
    EXPECT_EQ(second.inserted, std::vector<TComponent*>{c});
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(c->Owner(), &second);
}

TEST(Component, NamesAreUniqueWithinAnOwnerIgnoringCase)
{
    std::vector<std::string> log;
    Probe owner(nullptr, log, "o");
    auto* a = new Probe(&owner, log, "a");
    auto* b = new Probe(&owner, log, "b");
    a->SetName("Btn_OK");
    EXPECT_EQ(owner.FindComponent("btn_ok"), a);
    EXPECT_THROW(b->SetName("BTN_OK"), rtl::EInvalidOperation);
    EXPECT_EQ(b->Name(), "");
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Component, EndLoadingCallsLoadedOnOwnedComponentsFirst)
{
    std::vector<std::string> log;
    Probe owner(nullptr, log, "o");
    auto* a = new Probe(&owner, log, "a");
    owner.BeginLoading();
    EXPECT_TRUE(a->Loading());
    owner.EndLoading();
    EXPECT_FALSE(a->Loading());
    EXPECT_EQ(log, (std::vector<std::string>{"loaded a", "loaded o"}));
    owner.EndLoading();  // not loading any more: no second Loaded
    EXPECT_EQ(owner.loadedCalls, 1);
}
