#pragma once
// Drag and drop between controls and with other programs. What is dragged is a TDragData: data
// per MIME type. A windowed control becomes a drop target by registering an IDropTarget; the
// native layer then hands it CM_DRAGENTER, CM_DRAGOVER, CM_DRAGLEAVE and CM_DROP (LParam: a
// TDragMessage) like its other input, and what the control's WndProc leaves unanswered goes to
// the registered target. DoDragDrop starts a drag from a control and returns the effect the drop
// had; the source hears CM_DRAGFEEDBACK while the effect changes.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Controls.h"
#include "platform/ui/Messages.h"

namespace ui {

// Drag messages to a control under a drag (LParam: TDragMessage*) and to the source of a drag
// (WParam: the current effect).
constexpr unsigned CM_DRAGENTER = CM_BASE + 100;
constexpr unsigned CM_DRAGOVER = CM_BASE + 101;
constexpr unsigned CM_DRAGLEAVE = CM_BASE + 102;
constexpr unsigned CM_DROP = CM_BASE + 103;
constexpr unsigned CM_DRAGFEEDBACK = CM_BASE + 104;

// Formats of the framework's drags.
inline constexpr const char* kMimeText = "text/plain";  // UTF-8
inline constexpr const char* kMimeRichText = "text/rtf";
inline constexpr const char* kMimeHtml = "text/html";
inline constexpr const char* kMimeUriList = "text/uri-list";  // URLs and file lists, one per line
inline constexpr const char* kMimeGridCells = "application/x-gx-grid-cells";
inline constexpr const char* kMimeGridColumn = "application/x-gx-grid-column";

enum TDropEffect : unsigned { deNone = 0, deCopy = 1, deMove = 2, deLink = 4 };

class TDragData {
public:
    void SetData(const std::string& Mime, std::string Bytes) { data_[Mime] = std::move(Bytes); }
    bool HasFormat(const std::string& Mime) const { return data_.count(Mime) != 0; }
    // Empty when the format is not offered.
    std::string Data(const std::string& Mime) const;
    std::vector<std::string> Formats() const;

    void SetText(const std::string& Text) { SetData(kMimeText, Text); }
    std::string Text() const { return Data(kMimeText); }
    // URLs as a URI list; file names become "file://" URLs.
    void SetUrls(const std::vector<std::string>& Urls);
    std::vector<std::string> Urls() const;
    void SetFiles(const std::vector<std::string>& FileNames);
    // The local files among the URLs.
    std::vector<std::string> Files() const;

    // The picture that follows the cursor while the drag runs (none: the system's own), with
    // the point of it that sits under the cursor.
    void SetImage(std::shared_ptr<const TBitmap> Image, TPoint HotSpot)
    {
        image_ = std::move(Image);
        hotSpot_ = HotSpot;
    }
    const TBitmap* Image() const { return image_.get(); }
    TPoint ImageHotSpot() const { return hotSpot_; }

private:
    std::map<std::string, std::string> data_;
    std::shared_ptr<const TBitmap> image_;
    TPoint hotSpot_;
};

// What a drag message carries. Effect is the answer of the target (in the effects the source
// allows).
struct TDragMessage {
    const TDragData* Data = nullptr;
    TPoint ScreenPos;
    TShiftState Shift = 0;
    unsigned OkEffects = deCopy | deMove;
    unsigned Effect = deNone;
};

class IDropTarget {
public:
    virtual ~IDropTarget() = default;
    virtual void DragEnter(TDragMessage& Message) = 0;
    virtual void DragOver(TDragMessage& Message) = 0;
    virtual void DragLeave() = 0;
    virtual void Drop(TDragMessage& Message) = 0;
};

// Told by the native layer how a drag it started goes.
class IDropSource {
public:
    virtual ~IDropSource() = default;
    // The effect the target under the mouse currently gives.
    virtual void GiveFeedback(unsigned Effect) = 0;
    // The drag ended: by a drop, or cancelled (Escape, or released where nothing accepts it).
    virtual void DragEnded(bool Dropped) = 0;
};

// Drop targets per control (not owned); a control's entry goes with it.
void RegisterDragDrop(TWinControl* Control, IDropTarget* Target);
void RevokeDragDrop(TWinControl* Control);
IDropTarget* DropTargetOf(const TWinControl* Control);

// Hands a drag message (CM_DRAGENTER, CM_DRAGOVER, CM_DRAGLEAVE, CM_DROP) to a control and, when
// its WndProc does not answer, to its registered target. False when neither takes drops.
bool DeliverDragMessage(TWinControl* Control, unsigned Msg, TDragMessage& Message);

// Starts a drag from Source and waits until it ends; returns the effect of the drop (deNone when
// cancelled or when there is no native layer to drag with).
unsigned DoDragDrop(TControl* Source, const TDragData& Data, unsigned OkEffects, IDropSource* Feedback = nullptr);

}  // namespace ui
