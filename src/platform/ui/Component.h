#pragma once
// Components: an owner destroys the components it owns; components that asked for it are told when
// another component goes away (Notification with opRemove).
#include "platform/ui/Types.h"
#include <cstdint>
#include <string>
#include <vector>

namespace ui {

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned { csLoading = 1, csDestroying = 2, csDesigning = 4 };
using TComponentState = unsigned;

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    // Asks to be told (Notification opRemove) when other is destroyed; works both ways.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    TComponentState ComponentState() const { return state_; }
    bool Loading() const { return (state_ & csLoading) != 0; }
    bool Destroying() const { return (state_ & csDestroying) != 0; }
    // Marks this component and all it owns as loading; EndLoading clears the mark and calls Loaded
    // on each of them (owned components first).
    void BeginLoading();
    void EndLoading();

protected:
    // A component was inserted into or removed from this owner, or one this component watches
    // (FreeNotification) goes away. The default passes a removal on to every owned component (and
    // so down the whole ownership tree); an insertion stops at the owner. Overrides call it.
    virtual void Notification(TComponent* component, TOperation operation);
    // Called once all properties are set after loading.
    virtual void Loaded() {}
    // Marks the component as being destroyed; derived destructors call it first.
    void MarkDestroying();
    // Deletes the owned components (newest first). Control destructors call it early so that owned
    // controls go while their owner is still whole.
    void DestroyComponents();

private:
    TComponent* owner_ = nullptr;
    std::string name_;
    std::intptr_t tag_ = 0;
    TComponentState state_ = 0;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
};

}  // namespace ui
