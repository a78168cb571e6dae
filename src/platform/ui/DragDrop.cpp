#include "platform/ui/DragDrop.h"

#include <algorithm>

#include "platform/rtl/StrUtils.h"
#include "platform/ui/Backend.h"

namespace ui {

std::string TDragData::Data(const std::string& Mime) const
{
    const auto it = data_.find(Mime);
    return it == data_.end() ? std::string() : it->second;
}

std::vector<std::string> TDragData::Formats() const
{
    std::vector<std::string> formats;
    for (const auto& [mime, bytes] : data_)
        formats.push_back(mime);
    return formats;
}

void TDragData::SetUrls(const std::vector<std::string>& Urls)
{
    std::string list;
    for (const auto& u : Urls)
        list += u + "\r\n";
    SetData(kMimeUriList, list);
}

std::vector<std::string> TDragData::Urls() const
{
    std::vector<std::string> urls;
    for (std::string line : rtl::SplitString(Data(kMimeUriList), "\n")) {
        line = rtl::Trim(line);
        if (!line.empty() && line[0] != '#')  // lines starting with "#" are comments
            urls.push_back(line);
    }
    return urls;
}

namespace {

int hexValue(char c)
{
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

// "file:///a%20b" -> "/a b"; empty for other URLs.
std::string localFile(const std::string& url)
{
    if (!rtl::StartsText("file://", url))
        return {};
    std::string path = url.substr(7);
    if (!path.empty() && path[0] != '/') {
        const std::size_t slash = path.find('/');  // a host name: only the local one is ours
        const std::string host = path.substr(0, slash);
        if (slash == std::string::npos || !rtl::SameText(host, "localhost"))
            return {};
        path.erase(0, slash);
    }
    std::string out;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '%' && i + 2 < path.size() && rtl::IsHexDigit(path[i + 1]) && rtl::IsHexDigit(path[i + 2])) {
            out += static_cast<char>(hexValue(path[i + 1]) * 16 + hexValue(path[i + 2]));
            i += 2;
        } else {
            out += path[i];
        }
    }
    return out;
}

std::string fileUrl(const std::string& fileName)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : fileName) {
        if (rtl::IsLetter(static_cast<char>(c)) || rtl::IsDigit(static_cast<char>(c)) || c >= 0x80 ||
            std::string_view("/-._~").find(static_cast<char>(c)) != std::string_view::npos) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 15];
        }
    }
    return url;
}

// Registered targets, and a watcher that drops a control's entry when the control goes.
class DropTargets : public TComponent {
public:
    DropTargets() : TComponent(nullptr) {}
    // By the control as a component: a control being destroyed is told apart by that address.
    std::map<const TComponent*, IDropTarget*> targets;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        if (operation == TOperation::opRemove)
            targets.erase(component);
        TComponent::Notification(component, operation);
    }
};

DropTargets& Registry()
{
    static DropTargets* registry = new DropTargets();  // lives as long as the program
    return *registry;
}

}  // namespace

void TDragData::SetFiles(const std::vector<std::string>& FileNames)
{
    std::vector<std::string> urls;
    urls.reserve(FileNames.size());
    for (const auto& f : FileNames)
        urls.push_back(fileUrl(f));
    SetUrls(urls);
}

std::vector<std::string> TDragData::Files() const
{
    std::vector<std::string> files;
    for (const auto& u : Urls())
        if (std::string f = localFile(u); !f.empty())
            files.push_back(f);
    return files;
}

void RegisterDragDrop(TWinControl* Control, IDropTarget* Target)
{
    if (!Control)
        return;
    if (!Target) {
        RevokeDragDrop(Control);
        return;
    }
    Registry().targets[static_cast<const TComponent*>(Control)] = Target;
    Registry().FreeNotification(Control);
}

void RevokeDragDrop(TWinControl* Control)
{
    if (Registry().targets.erase(static_cast<const TComponent*>(Control)))
        Registry().RemoveFreeNotification(Control);
}

IDropTarget* DropTargetOf(const TWinControl* Control)
{
    const auto it = Registry().targets.find(static_cast<const TComponent*>(Control));
    return it == Registry().targets.end() ? nullptr : it->second;
}

bool DeliverDragMessage(TWinControl* Control, unsigned Msg, TDragMessage& Message)
{
    if (!Control)
        return false;
    if (Control->Perform(Msg, 0, reinterpret_cast<std::intptr_t>(&Message)) != 0)
        return true;
    IDropTarget* target = DropTargetOf(Control);
    if (!target)
        return false;
    switch (Msg) {
    case CM_DRAGENTER:
        target->DragEnter(Message);
        break;
    case CM_DRAGOVER:
        target->DragOver(Message);
        break;
    case CM_DRAGLEAVE:
        target->DragLeave();
        break;
    case CM_DROP:
        target->Drop(Message);
        break;
    default:
        return false;
    }
    Message.Effect &= Message.OkEffects;
    return true;
}

unsigned DoDragDrop(TControl* Source, const TDragData& Data, unsigned OkEffects, IDropSource* Feedback)
{
    unsigned effect = deNone;
    if (Backend())
        effect = Backend()->StartDrag(Source, Data, OkEffects, Feedback);
    else if (Feedback)
        Feedback->DragEnded(false);
    return effect & OkEffects;
}

}  // namespace ui
