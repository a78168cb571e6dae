#pragma once
// The grid's drag and drop protocol on the framework's drag and drop (platform/ui/DragDrop.h):
// a data object offering dragged text, rich text, grid cells or a column index; a reader of the
// formats a drop offers; a drop target that sorts a drop into text, rich text, cells, a column,
// files and URLs for its overridable operations; a drop source with overridable notifications;
// and the two calls that start a drag. The grid's own reaction to drops lives in its extras.
//
// Formats keep their desktop clipboard numbers (CF_TEXT, CF_UNICODETEXT, CF_HDROP and the names
// "Rich Text Format", "Grid Column", "TGxStringGrid Cells", "UniformResourceLocator"), and travel
// as MIME types: plain text, rich text, URI lists (URLs and files) and the grid's own types.

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Streams.h"
#include "platform/ui/DragDrop.h"

namespace gx {

constexpr unsigned CF_TEXT = 1;
constexpr unsigned CF_UNICODETEXT = 13;
constexpr unsigned CF_HDROP = 15;
unsigned CF_RTF();
unsigned CF_GRIDCOL();
unsigned CF_GRIDCELLS();
unsigned CF_URL();

// Results of the protocol.
constexpr long S_OK = 0;
constexpr long S_FALSE = 1;
constexpr long DRAGDROP_S_DROP = 0x40100;
constexpr long DRAGDROP_S_CANCEL = 0x40101;
constexpr long DRAGDROP_S_USEDEFAULTCURSORS = 0x40102;
constexpr long DV_E_FORMATETC = static_cast<long>(0x80040064);

// Rich text is offered and accepted only while this is on (off at start).
void SetDropRTF(bool Value);
bool DropRTF();

enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = unsigned;
constexpr TDropFormats DropFormatBit(TDropFormat f)
{
    return 1u << f;
}

// The data of a drag the grid starts: text, rich text, a cell stream (not owned) or a column.
class TSourceDataObject {
public:
    TSourceDataObject(std::string Text, const rtl::TMemoryStream* Stream, int ColIndex, std::string RTF);

    // The formats offered for reading, in order: CF_TEXT, CF_UNICODETEXT, rich text, then the
    // column and the cells when held.
    std::vector<unsigned> EnumFormatEtc() const;
    bool QueryGetData(unsigned Format) const;
    // The format's bytes in its clipboard layout; DV_E_FORMATETC when not offered.
    long GetData(unsigned Format, std::string& Data) const;
    // What the drag offers, as MIME data.
    ui::TDragData DragData() const;

private:
    std::string text_, rtf_;
    const rtl::TMemoryStream* stream_;
    int colIndex_;
};

// Reads the formats a drop offers.
class TEnumFormats {
public:
    explicit TEnumFormats(const ui::TDragData& Data) : data_(Data) {}

    bool HasText() const;
    bool HasRTF() const;
    bool HasCol() const;
    bool HasFile() const;
    bool HasURL() const;
    bool HasGridCells() const;
    std::string Text() const;
    std::string RTF() const;
    int Col() const;  // -1 when absent
    // A new stream with the cells (the receiver owns it); nullptr when absent.
    std::unique_ptr<rtl::TMemoryStream> Stream() const;
    // Fills Files with the dropped file names; true when there is at least one.
    bool GetFiles();
    const std::vector<std::string>& Files() const { return files_; }

private:
    const ui::TDragData& data_;
    std::vector<std::string> files_;
};

class TGSGDropTarget : public ui::IDropTarget {
public:
    // Operations for descendants; points are in screen coordinates.
    virtual void DropText(ui::TPoint, const std::string&) {}
    virtual void DropStream(ui::TPoint, rtl::TMemoryStream&) {}
    virtual void DropCol(ui::TPoint, int) {}
    virtual void DropRTF(ui::TPoint, const std::string&) {}
    virtual void DropFiles(ui::TPoint, const std::vector<std::string>&) {}
    virtual void DropURL(ui::TPoint, const std::string&) {}
    virtual void DragMouseMove(ui::TPoint, bool&, TDropFormats) {}
    virtual void DragMouseEnter() {}
    virtual void DragMouseLeave() {}

    void DragEnter(ui::TDragMessage& Message) override;
    void DragOver(ui::TDragMessage& Message) override;
    void DragLeave() override { DragMouseLeave(); }
    void Drop(ui::TDragMessage& Message) override;

    bool Ok() const { return ok_; }
    TDropFormats DropFormats() const { return dropFormats_; }
    bool AcceptText = true;
    bool AcceptFiles = true;
    bool AcceptCols = false;
    bool AcceptURLs = true;

private:
    bool ok_ = false;
    TDropFormats dropFormats_ = 0;
};

class TGSGDropSource : public ui::IDropSource {
public:
    // Escape cancels, a released left button drops; both end the drag. QueryDrag is called in
    // every case.
    long QueryContinueDrag(bool EscapePressed, ui::TShiftState KeyState);
    void GiveFeedback(unsigned Effect) override;
    void DragEnded(bool Dropped) override;
    bool NoAccept() const { return noAccept_; }

    virtual void DragEnded() {}
    virtual void CurrentEffect(unsigned) {}
    virtual void QueryDrag() {}

private:
    bool noAccept_ = false;
};

// Drags from Source and waits for the end: DRAGDROP_S_DROP, or DRAGDROP_S_CANCEL when cancelled
// or when the last feedback had no effect. Effect is the effect of the drop. Image, when given,
// follows the cursor with its point HotSpot under the cursor (its top-left corner by default).
long StartTextDrag(ui::TControl* Source, TGSGDropSource* DropSource, const std::string& Text, const std::string& RTF,
                   const rtl::TMemoryStream* Stream, unsigned OkEffects, unsigned& Effect,
                   std::shared_ptr<const ui::TBitmap> Image = nullptr, ui::TPoint HotSpot = {0, 0});
long StartColumnDrag(ui::TControl* Source, TGSGDropSource* DropSource, int Column, unsigned OkEffects, unsigned& Effect,
                     std::shared_ptr<const ui::TBitmap> Image = nullptr, ui::TPoint HotSpot = {0, 0});

}  // namespace gx
