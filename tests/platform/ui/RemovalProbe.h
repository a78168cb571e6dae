// A component that counts the removals it hears: watch another with FreeNotification, and Gone
// tells how many of the watched ones went. Tests see by it that an object was destroyed.
#pragma once

#include "platform/ui/Component.h"

namespace uitest {

class TRemovalProbe : public ui::TComponent {
public:
    TRemovalProbe() : ui::TComponent(nullptr) {}
    int Gone = 0;

protected:
    void Notification(ui::TComponent* component, ui::TOperation operation) override
    {
        ui::TComponent::Notification(component, operation);
        Gone += operation == ui::TOperation::opRemove ? 1 : 0;
    }
};

}  // namespace uitest
