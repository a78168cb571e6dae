#include "grid/base/GridDragDrop.h"

#include <cstring>

#include "platform/rtl/CodePages.h"
#include "platform/ui/Clipboard.h"

namespace gx {

namespace {

bool gDropRTF = false;

std::string int32Bytes(std::int32_t v)
{
    std::string b(4, '\0');
    std::memcpy(b.data(), &v, 4);
    return b;
}

std::string streamBytes(const rtl::TMemoryStream& s)
{
    return std::string(s.Bytes().begin(), s.Bytes().end());
}

// Ctrl copies; otherwise a move when the source allows it, else a copy.
unsigned effectRule(const ui::TDragMessage& m)
{
    if (m.Shift & ui::ssCtrl)
        return ui::deCopy;
    return (m.OkEffects & ui::deMove) ? ui::deMove : ui::deCopy;
}

}  // namespace

unsigned CF_RTF()
{
    return ui::RegisterClipboardFormat("Rich Text Format");
}

unsigned CF_GRIDCOL()
{
    return ui::RegisterClipboardFormat("Grid Column");
}

unsigned CF_GRIDCELLS()
{
    return ui::RegisterClipboardFormat("TGxStringGrid Cells");
}

unsigned CF_URL()
{
    return ui::RegisterClipboardFormat("UniformResourceLocator");
}

void SetDropRTF(bool Value)
{
    gDropRTF = Value;
}

bool DropRTF()
{
    return gDropRTF;
}

TSourceDataObject::TSourceDataObject(std::string Text, const rtl::TMemoryStream* Stream, int ColIndex, std::string RTF)
    : text_(std::move(Text)), rtf_(std::move(RTF)), stream_(Stream), colIndex_(ColIndex)
{}

std::vector<unsigned> TSourceDataObject::EnumFormatEtc() const
{
    // Rich text is listed also while the switch is off.
    std::vector<unsigned> formats{CF_TEXT, CF_UNICODETEXT, CF_RTF()};
    if (colIndex_ != -1)
        formats.push_back(CF_GRIDCOL());
    if (stream_)
        formats.push_back(CF_GRIDCELLS());
    return formats;
}

bool TSourceDataObject::QueryGetData(unsigned Format) const
{
    if (Format == CF_TEXT || Format == CF_UNICODETEXT)
        return !text_.empty();
    if (Format == CF_RTF())
        return !text_.empty() && gDropRTF;
    if (Format == CF_GRIDCELLS())
        return stream_ != nullptr;
    if (Format == CF_GRIDCOL())
        return colIndex_ != -1;
    return false;
}

long TSourceDataObject::GetData(unsigned Format, std::string& Data) const
{
    Data.clear();
    if (!QueryGetData(Format))
        return DV_E_FORMATETC;
    if (Format == CF_TEXT) {
        Data = rtl::Utf8ToCp1252(text_) + '\0';
    } else if (Format == CF_UNICODETEXT) {
        std::u16string wide;
        for (std::size_t pos = 0; pos < text_.size();) {
            const int cp = rtl::DecodeUtf8(text_, pos);
            if (cp >= 0x10000) {
                wide += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
                wide += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                wide += static_cast<char16_t>(cp < 0 ? 0xFFFD : cp);
            }
        }
        wide += u'\0';
        Data.assign(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
    } else if (Format == CF_RTF()) {
        Data = rtl::Utf8ToCp1252(rtf_) + '\0';
    } else if (Format == CF_GRIDCOL()) {
        Data = int32Bytes(colIndex_);
    } else {
        const std::string bytes = streamBytes(*stream_);
        Data = int32Bytes(static_cast<std::int32_t>(bytes.size())) + std::string(4, '\0') + bytes;
    }
    return S_OK;
}

ui::TDragData TSourceDataObject::DragData() const
{
    ui::TDragData data;
    if (QueryGetData(CF_UNICODETEXT))
        data.SetText(text_);
    if (QueryGetData(CF_RTF()))
        data.SetData(ui::kMimeRichText, rtf_);
    if (QueryGetData(CF_GRIDCOL()))
        data.SetData(ui::kMimeGridColumn, int32Bytes(colIndex_));
    if (QueryGetData(CF_GRIDCELLS()))
        data.SetData(ui::kMimeGridCells, streamBytes(*stream_));
    return data;
}

bool TEnumFormats::HasText() const
{
    return data_.HasFormat(ui::kMimeText);
}

bool TEnumFormats::HasRTF() const
{
    return data_.HasFormat(ui::kMimeRichText);
}

bool TEnumFormats::HasCol() const
{
    return data_.Data(ui::kMimeGridColumn).size() == 4;
}

bool TEnumFormats::HasFile() const
{
    return !data_.Files().empty();
}

bool TEnumFormats::HasURL() const
{
    // A URL other than a local file's.
    return data_.Urls().size() > data_.Files().size();
}

bool TEnumFormats::HasGridCells() const
{
    return data_.HasFormat(ui::kMimeGridCells);
}

std::string TEnumFormats::Text() const
{
    return data_.Text();
}

std::string TEnumFormats::RTF() const
{
    return data_.Data(ui::kMimeRichText);
}

int TEnumFormats::Col() const
{
    if (!HasCol())
        return -1;
    std::int32_t v = 0;
    std::memcpy(&v, data_.Data(ui::kMimeGridColumn).data(), 4);
    return v;
}

std::unique_ptr<rtl::TMemoryStream> TEnumFormats::Stream() const
{
    if (!HasGridCells())
        return nullptr;
    auto s = std::make_unique<rtl::TMemoryStream>();
    const std::string bytes = data_.Data(ui::kMimeGridCells);
    if (!bytes.empty())
        s->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    s->SetPosition(0);
    return s;
}

bool TEnumFormats::GetFiles()
{
    files_ = data_.Files();
    return !files_.empty();
}

void TGSGDropTarget::DragEnter(ui::TDragMessage& Message)
{
    const TEnumFormats f(*Message.Data);
    ok_ = (f.HasText() && AcceptText) || (f.HasFile() && AcceptFiles) || (f.HasRTF() && gDropRTF && AcceptText) ||
          (f.HasCol() && AcceptCols) || (f.HasURL() && AcceptURLs) || f.HasGridCells();
    dropFormats_ = (f.HasText() ? DropFormatBit(dfText) : 0) | (f.HasFile() ? DropFormatBit(dfFile) : 0) |
                   (f.HasCol() ? DropFormatBit(dfCol) : 0) | (f.HasRTF() ? DropFormatBit(dfRTF) : 0) |
                   (f.HasURL() ? DropFormatBit(dfURL) : 0) | (f.HasGridCells() ? DropFormatBit(dfGridCells) : 0);
    Message.Effect = ok_ ? effectRule(Message) : ui::deNone;
    DragMouseEnter();
}

void TGSGDropTarget::DragOver(ui::TDragMessage& Message)
{
    Message.Effect = ok_ ? effectRule(Message) : ui::deNone;
    bool allow = Message.Effect != ui::deNone;
    DragMouseMove(Message.ScreenPos, allow, dropFormats_);
    if (!allow)
        Message.Effect = ui::deNone;
}

void TGSGDropTarget::Drop(ui::TDragMessage& Message)
{
    if (!ok_) {
        Message.Effect = ui::deNone;
        return;
    }
    TEnumFormats f(*Message.Data);
    const ui::TPoint p = Message.ScreenPos;
    if (f.HasCol()) {
        DropCol(p, f.Col());
    } else {
        if (f.HasGridCells())
            DropStream(p, *f.Stream());
        else if (f.HasRTF() && gDropRTF)
            DropRTF(p, f.RTF());
        else if (f.HasText())
            DropText(p, f.Text());
        if (f.HasFile() && f.GetFiles())
            DropFiles(p, f.Files());
        if (f.HasURL())
            DropURL(p, f.Text());
    }
    Message.Effect = effectRule(Message);
}

long TGSGDropSource::QueryContinueDrag(bool EscapePressed, ui::TShiftState KeyState)
{
    long result = S_OK;
    if (EscapePressed) {
        DragEnded();
        result = DRAGDROP_S_CANCEL;
    } else if (!(KeyState & ui::ssLeft)) {
        DragEnded();
        result = DRAGDROP_S_DROP;
    }
    QueryDrag();
    return result;
}

void TGSGDropSource::GiveFeedback(unsigned Effect)
{
    noAccept_ = Effect == ui::deNone;
    CurrentEffect(Effect);
}

void TGSGDropSource::DragEnded(bool Dropped)
{
    // The native drag loop tells only the end: released over a target, or cancelled.
    QueryContinueDrag(!Dropped, 0);
}

namespace {

long startDrag(ui::TControl* source, TGSGDropSource* dropSource, const TSourceDataObject& object, unsigned okEffects,
               unsigned& effect, std::shared_ptr<const ui::TBitmap> image, ui::TPoint hotSpot)
{
    ui::TDragData data = object.DragData();
    if (image)
        data.SetImage(std::move(image), hotSpot);
    effect = ui::DoDragDrop(source, data, okEffects, dropSource);
    if (effect == ui::deNone || (dropSource && dropSource->NoAccept()))
        return DRAGDROP_S_CANCEL;
    return DRAGDROP_S_DROP;
}

}  // namespace

long StartTextDrag(ui::TControl* Source, TGSGDropSource* DropSource, const std::string& Text, const std::string& RTF,
                   const rtl::TMemoryStream* Stream, unsigned OkEffects, unsigned& Effect,
                   std::shared_ptr<const ui::TBitmap> Image, ui::TPoint HotSpot)
{
    return startDrag(Source, DropSource, TSourceDataObject(Text, Stream, -1, RTF), OkEffects, Effect, std::move(Image),
                     HotSpot);
}

long StartColumnDrag(ui::TControl* Source, TGSGDropSource* DropSource, int Column, unsigned OkEffects, unsigned& Effect,
                     std::shared_ptr<const ui::TBitmap> Image, ui::TPoint HotSpot)
{
    return startDrag(Source, DropSource, TSourceDataObject("", nullptr, Column, ""), OkEffects, Effect,
                     std::move(Image), HotSpot);
}

}  // namespace gx
