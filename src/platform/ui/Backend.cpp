#include "platform/ui/Backend.h"

namespace ui {

namespace {
IUiBackend*& Slot()
{
    static IUiBackend* backend = nullptr;
    return backend;
}
}  // namespace

IUiBackend* Backend()
{
    return Slot();
}
void SetBackend(IUiBackend* backend)
{
    Slot() = backend;
}

}  // namespace ui
