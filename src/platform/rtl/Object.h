#pragma once
// Root of the program's object hierarchy and the plain notification event type.
#include <functional>

namespace rtl {

// Every object a list can carry or an event can name as its sender descends from this.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

}  // namespace rtl
