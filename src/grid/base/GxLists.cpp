#include "grid/base/GxLists.h"

#include "platform/rtl/Conversions.h"

#include <algorithm>
#include <cstdint>

namespace gx {

namespace {

constexpr std::uint32_t kDescending = 0x80000000u;

std::uint32_t Bits(int v)
{
    return static_cast<std::uint32_t>(v);
}
int FromBits(std::uint32_t v)
{
    return static_cast<int>(v);
}

}  // namespace

// --- TIntList -------------------------------------------------------------------------------------

void TIntList::Changed()
{
    if (OnChange)
        OnChange(this, Col, Row);
}

int TIntList::Add(int Value)
{
    const int index = items_.Add(Value);
    Changed();
    return index;
}

void TIntList::Insert(int Index, int Value)
{
    items_.Insert(Index, Value);
}

void TIntList::Delete(int Index)
{
    items_.Delete(Index);
    Changed();
}

void TIntList::DeleteValue(int Value)
{
    const int index = items_.IndexOf(Value);
    if (index >= 0)
        Delete(index);
}

void TIntList::SetInteger(int Index, int Value)
{
    items_.Put(Index, Value);
    Changed();
}

std::string TIntList::StrValue() const
{
    std::string s;
    for (int i = 0; i < Count(); ++i) {
        if (i)
            s += ',';
        s += std::to_string(GetInteger(i));
    }
    return s;
}

void TIntList::SetStrValue(const std::string& Value)
{
    items_.Clear();
    rtl::TStringList parts;
    parts.SetCommaText(Value);
    for (int i = 0; i < parts.Count(); ++i)
        Add(rtl::StrToInt(parts[i]));
}

// --- TSortIndexList -------------------------------------------------------------------------------

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending)
{
    Add(FromBits(Bits(ColumnIndex) | (Ascending ? 0 : kDescending)));
}

int TSortIndexList::FindIndex(int ColumnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if (SortColumns(i) == ColumnIndex)
            return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex)
{
    const int i = FindIndex(ColumnIndex);
    if (i >= 0)
        SetInteger(i, FromBits(Bits(GetInteger(i)) ^ kDescending));
}

void TSortIndexList::ClickColumn(int ColumnIndex, bool Add, bool InitAscending)
{
    if (FindIndex(ColumnIndex) >= 0 && (Add || Count() == 1)) {
        ToggleIndex(ColumnIndex);
        return;
    }
    if (!Add)
        Clear();
    AddIndex(ColumnIndex, InitAscending);
}

int TSortIndexList::SortColumns(int Index) const
{
    return FromBits(Bits(GetInteger(Index)) & ~kDescending);
}

void TSortIndexList::SetSortColumns(int Index, int Column)
{
    SetInteger(Index, FromBits((Bits(GetInteger(Index)) & kDescending) | (Bits(Column) & ~kDescending)));
}

bool TSortIndexList::SortDirections(int Index) const
{
    return (Bits(GetInteger(Index)) & kDescending) == 0;
}

void TSortIndexList::SetSortDirections(int Index, bool Ascending)
{
    const std::uint32_t v = Bits(GetInteger(Index));
    SetInteger(Index, FromBits(Ascending ? v & ~kDescending : v | kDescending));
}

std::string TSortIndexList::SaveToString() const
{
    std::string s;
    for (int i = 0; i < Count(); ++i) {
        if (i)
            s += ';';
        s += SortDirections(i) ? 'u' : 'd';
        s += std::to_string(SortColumns(i) & 0xFFFF);
    }
    return s;
}

void TSortIndexList::LoadFromString(const std::string& s)
{
    Clear();
    std::size_t start = 0;
    while (start <= s.size()) {
        const auto end = std::min(s.find(';', start), s.size());
        const std::string item = s.substr(start, end - start);
        int column = 0;
        if (item.size() >= 2 && rtl::TryStrToInt(item.substr(1), column))
            AddIndex(column, item[0] == 'u');
        start = end + 1;
    }
}

// --- TControlList ---------------------------------------------------------------------------------

void TControlList::AddControl(int X, int Y, ui::TControl* AObject)
{
    items_.push_back({X, Y, AObject});
}

int TControlList::ControlIndex(int X, int Y) const
{
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].X == X && items_[i].Y == Y)
            return static_cast<int>(i);
    return -1;
}

void TControlList::RemoveControl(int i)
{
    if (i < 0 || i >= Count())
        throw rtl::EListError("List index out of bounds (" + std::to_string(i) + ")");
    items_.erase(items_.begin() + i);
}

bool TControlList::HasHandle(ui::HWND Handle) const
{
    if (!Handle)
        return false;
    return std::any_of(items_.begin(), items_.end(), [&](const TControlItem& item) {
        return dynamic_cast<ui::TWinControl*>(item.Control) == Handle;
    });
}

// --- TFilePicture ---------------------------------------------------------------------------------

void TFilePicture::SetFilename(const std::string& Value)
{
    filename_ = Value;
    width_ = height_ = 0;
    if (Value.empty())
        return;
    ui::TPicture picture;
    picture.LoadFromFile(Value);
    width_ = picture.Width();
    height_ = picture.Height();
}

void TFilePicture::DrawPicture(ui::TCanvas* Canvas, const ui::TRect& r) const
{
    if (filename_.empty() || !Canvas)
        return;
    ui::TPicture picture;
    try {
        picture.LoadFromFile(filename_);
    } catch (const rtl::Exception&) {
        return;  // a picture that went missing leaves the cell empty
    }
    if (picture.Graphic())
        Canvas->StretchDraw(r, picture.Graphic());
}

void TFilePicture::Assign(const TFilePicture& Source)
{
    filename_ = Source.filename_;
    width_ = Source.width_;
    height_ = Source.height_;
}

// --- TFileStringList ------------------------------------------------------------------------------

void TFileStringList::Reset()
{
    linePointer_ = 0;
    pending_.clear();
}

void TFileStringList::ReadLn(std::string& s)
{
    s = Get(linePointer_);
    ++linePointer_;
}

void TFileStringList::Write(const std::string& s)
{
    pending_ += s;
}

void TFileStringList::WriteLn(const std::string& s)
{
    Add(pending_ + s);
    pending_.clear();
}

}  // namespace gx
