#include "platform/ui/Component.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include <algorithm>

namespace ui {

using rtl::SameText;

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    MarkDestroying();
    DestroyComponents();
    // Tell everyone who asked that this component goes away.
    auto notifies = std::move(freeNotifies_);
    freeNotifies_.clear();
    for (TComponent* c : notifies) {
        auto& back = c->freeNotifies_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        c->Notification(this, TOperation::opRemove);
    }
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::MarkDestroying()
{
    state_ |= csDestroying;
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* c = components_.back();
        components_.pop_back();
        c->owner_ = nullptr;
        Notification(c, TOperation::opRemove);
        delete c;
    }
}

void TComponent::SetName(const std::string& name)
{
    if (name == name_)
        return;
    if (!name.empty() && owner_) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this)
            throw rtl::EInvalidOperation("A component named " + name + " already exists");
    }
    name_ = name;
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name))
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component || component->owner_ == this)
        return;
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (!component || component->owner_ != this)
        return;
    // Owned components mostly go newest first, so the search starts at the back.
    auto it = std::find(components_.rbegin(), components_.rend(), component);
    if (it == components_.rend())
        return;
    components_.erase(std::next(it).base());
    component->owner_ = nullptr;
    if (!Destroying())
        Notification(component, TOperation::opRemove);
}

void TComponent::FreeNotification(TComponent* other)
{
    if (!other || other == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end())
        freeNotifies_.push_back(other);
    if (std::find(other->freeNotifies_.begin(), other->freeNotifies_.end(), this) == other->freeNotifies_.end())
        other->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other)
{
    if (!other)
        return;
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), other), freeNotifies_.end());
    other->freeNotifies_.erase(std::remove(other->freeNotifies_.begin(), other->freeNotifies_.end(), this),
                               other->freeNotifies_.end());
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    // A removal the owner hears, everything it owns hears too: components of one form learn that
    // a sibling they point to goes away without asking for it. An insertion concerns the owner
    // alone; passing it on would make building a form of n components cost n^2 notices.
    if (operation != TOperation::opRemove || Destroying())
        return;
    // A listener may remove components (itself included) while it is told; the index then stays
    // on the component that moved into the freed place, so none is skipped and none is called
    // after it went.
    for (std::size_t i = 0; i < components_.size();) {
        TComponent* c = components_[i];
        if (c != component)
            c->Notification(component, operation);
        if (i < components_.size() && components_[i] == c)
            ++i;
    }
}

void TComponent::BeginLoading()
{
    state_ |= csLoading;
    for (TComponent* c : components_)
        c->BeginLoading();
}

void TComponent::EndLoading()
{
    for (TComponent* c : components_)
        c->EndLoading();
    if (Loading()) {
        state_ &= ~csLoading;
        Loaded();
    }
}

}  // namespace ui
