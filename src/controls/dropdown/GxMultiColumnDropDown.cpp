#include "controls/dropdown/GxMultiColumnDropDown.h"

#include <algorithm>

#include "controls/dropdown/GxColGrid.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace dropdown {

using namespace ui;
using multicolumn::TDropDownItem;

namespace {

bool StartsWith(const std::u32string& Text, const std::u32string& Prefix)
{
    return !Prefix.empty() && Text.compare(0, Prefix.size(), Prefix) == 0;
}

// What a look preset gives the table. A header font colour of clNone leaves the font as it is;
// selection colours of clNone come from the selection colour style.
struct TTablePreset {
    gx::TGxStyle Style;
    TColor HeaderColor, HeaderColorTo, HeaderFontColor;
    TSelectionColorStyle SelectionStyle;
    TColor Selection, SelectionTo, SelectionText, Line, FixedLine;
};

constexpr TSelectionColorStyle kOffice = TSelectionColorStyle::scOffice2007;
constexpr TSelectionColorStyle kCustom = TSelectionColorStyle::scCustom;

constexpr TTablePreset kPresets[] = {
    {gx::TGxStyle::tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, kOffice, clNone, clNone, 0, 0x962D00, 0x962D00},
    {gx::TGxStyle::tsOffice2003Silver, 0xBDA4A5, 0x957475, clNone, kOffice, clNone, clNone, 0, 0x947C7C, 0x947C7C},
    {gx::TGxStyle::tsOffice2003Olive, 0x82C0AF, 0x447A63, clNone, kOffice, clNone, clNone, 0, 0x588060, 0x588060},
    {gx::TGxStyle::tsOffice2003Classic, 0x808080, 0x808080, clNone, kOffice, clNone, clNone, 0, 0x808080, 0x808080},
    {gx::TGxStyle::tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, kOffice, clNone, clNone, 0, 0xFFD2AF, 0xFFD2AF},
    {gx::TGxStyle::tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, kOffice, clNone, clNone, 0, 0x5C534C, 0x5C534C},
    {gx::TGxStyle::tsWindowsXP, clBtnFace, clBtnFace, 0, kCustom, clHighlight, clHighlight, clHighlightText, 0xC0C0C0,
     0},
    {gx::TGxStyle::tsWhidbey, 0xEBEEEF, 0x7E9898, 0xFFFFFF, kOffice, clNone, clNone, 0, 0x962D00, 0x962D00},
    {gx::TGxStyle::tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, kOffice, clNone, clNone, 0, 0x74706F, 0x74706F},
    {gx::TGxStyle::tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0, TSelectionColorStyle::scWindowsVista, clNone, clNone, 0,
     0xFCF2DA, 0xFCF2DA},
    {gx::TGxStyle::tsWindows7, 0xFDFBFA, 0xFDF3EB, 0, TSelectionColorStyle::scWindows7, clNone, clNone, 0, 0xFBD6B8,
     0xFBD6B8},
    {gx::TGxStyle::tsTerminal, clBtnFace, clBtnFace, 0, kCustom, clHighlight, clHighlight, clHighlightText, 0x808080,
     0x808080},
    {gx::TGxStyle::tsOffice2010Blue, 0xEDDBCD, clNone, 0x5B391E, kCustom, 0x6CD0FF, 0x6CD0FF, 0, 0xEEDDCF, 0xEEDDCF},
    {gx::TGxStyle::tsOffice2010Silver, 0xEDE9E5, clNone, 0x5B391E, kCustom, 0x6CD0FF, 0x6CD0FF, 0, 0xEEDDCF, 0xEEDDCF},
    {gx::TGxStyle::tsOffice2010Black, 0x828282, clNone, 0xD7D7D6, kCustom, 0x6CD0FF, 0x6CD0FF, 0, 0xEEDDCF, 0xEEDDCF},
};

}  // namespace

TGxMultiColumnDropDown::TGxMultiColumnDropDown(TComponent* AOwner) : TGxCustomDropDown(AOwner)
{
    FHeaderFont.Assign(*Font());
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    FLineColor = 0xC0C0C0;
    SetSelectionColorStyle(TSelectionColorStyle::scOffice2007);
    if (!(ComponentState() & csDesigning))
        CreateDropDownForm();
    SetDropDownEnabled(true);
}

TGxMultiColumnDropDown::~TGxMultiColumnDropDown()
{
    MarkDestroying();
}

void TGxMultiColumnDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TGxCustomDropDown::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FGrid)
        FGrid = nullptr;
}

std::string TGxMultiColumnDropDown::LookupText(int Index) const
{
    const TDropDownItem* item = FItems.GetItem(Index);
    return item ? item->ColumnText(FLookupColumn) : std::string();
}

void TGxMultiColumnDropDown::SetItemIndex(int Value)
{
    if (Value >= FItems.Count())
        return;
    FItemIndex = Value;
    const TDropDownItem* item = Value >= 0 && FLookupColumn >= 0 ? FItems.GetItem(Value) : nullptr;
    SetText(item && item->HasColumn(FLookupColumn) ? item->ColumnText(FLookupColumn) : std::string());
}

int TGxMultiColumnDropDown::GetItemIndex(const std::string& Value) const
{
    for (int i = 0; i < FItems.Count(); ++i)
        if (LookupText(i) == Value)
            return i;
    return -1;
}

void TGxMultiColumnDropDown::RebuildLookupList()
{
    if (FLookupColumn < 0 || FItems.Count() == 0)
        return;
    FLookup.clear();
    for (int i = 0; i < FItems.Count(); ++i)
        FLookup.push_back(LookupText(i));
}

void TGxMultiColumnDropDown::Loaded()
{
    TGxCustomDropDown::Loaded();
    RebuildLookupList();
}

void TGxMultiColumnDropDown::Assign(const TGxMultiColumnDropDown& Source)
{
    TGxCustomDropDown::Assign(Source);
    FCaseSensitive = Source.FCaseSensitive;
    FDropDownAutoWidth = Source.FDropDownAutoWidth;
    FDropDownRowHeight = Source.FDropDownRowHeight;
    FLineColor = Source.FLineColor;
    FFixedLineColor = Source.FFixedLineColor;
    FColumnSizing = Source.FColumnSizing;
    FColumnSizeWithDropDown = Source.FColumnSizeWithDropDown;
    FColumns.Assign(Source.FColumns);
    FHeaderColor = Source.FHeaderColor;
    FHeaderColorTo = Source.FHeaderColorTo;
    FHeaderHeight = Source.FHeaderHeight;
    FHeaderFont.Assign(Source.FHeaderFont);
    FLookupColumn = Source.FLookupColumn;
    FSelectionTextColor = Source.FSelectionTextColor;
    FItems.Assign(Source.FItems);
    FItemIndex = Source.FItemIndex;
}

void TGxMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    if (Value == TSelectionColorStyle::scOffice2007) {
        FLineColor = 0xF1EDEB;
        FFixedLineColor = 0xD1BBA4;
    } else if (Value == TSelectionColorStyle::scWindowsVista || Value == TSelectionColorStyle::scWindows7) {
        FLineColor = 0xECECF0;
        FFixedLineColor = 0xD4D2D1;
    }
    TGxCustomDropDown::SetSelectionColorStyle(Value);
}

void TGxMultiColumnDropDown::SetComponentStyle(gx::TGxStyle AStyle)
{
    TGxCustomDropDown::SetComponentStyle(AStyle);
    for (const TTablePreset& p : kPresets) {
        if (p.Style != AStyle)
            continue;
        FHeaderColor = p.HeaderColor;
        FHeaderColorTo = p.HeaderColorTo;
        if (p.HeaderFontColor != clNone)
            FHeaderFont.SetColor(p.HeaderFontColor);
        SetSelectionColorStyle(p.SelectionStyle);
        if (p.Selection != clNone) {
            SetSelectionColor(p.Selection);
            SetSelectionColorTo(p.SelectionTo);
        }
        FSelectionTextColor = p.SelectionText;
        FLineColor = p.Line;
        FFixedLineColor = p.FixedLine;
        return;
    }
}

// --- the window ---

void TGxMultiColumnDropDown::CreateDropDownForm()
{
    TGxCustomDropDown::CreateDropDownForm();
    if (!DropDownForm())
        return;
    if (!FGrid) {
        FGrid = new multicolumn::TGxColGrid(this);
        FGrid->SetParent(DropDownForm());
    }
    FGrid->SetDropDown(this);
    FGrid->SetBounds(0, 0, FGrid->Width(), 180);
    FGrid->SetColor(DropDownColor());
}

void TGxMultiColumnDropDown::PlaceDropDownControl()
{
    SetControl(FGrid);
    SetFocusControl(FGrid);
    TGxCustomDropDown::PlaceDropDownControl();
}

void TGxMultiColumnDropDown::DoBeforeDropDown()
{
    TGxCustomDropDown::DoBeforeDropDown();
    if (!FGrid || !DropDownForm())
        return;
    DropDownForm()->CancelOnDeActivate = false;
    FPreparing = true;
    FGrid->ReadDropDownSettings();
    FGrid->SetOptions(FGrid->Options() | goThumbTracking);
    FGrid->SetColor(DropDownColor());
    FGrid->OnSelectCell = [this](TObject*, int, int ARow, bool&) { GridSelectCell(ARow); };
    FGrid->OnSelect = [this](TObject*) { GridSelect(); };
    FGrid->ConfirmSelection = false;
    const int row = FItemIndex + 1;
    if (FGrid->RowCount() > 1)
        FGrid->FocusCell(0, row < FGrid->FixedRows() ? 1 : row, true);
    FOldItemIndex = FItemIndex;
}

void TGxMultiColumnDropDown::AdjustDropDownHeight(int& Height)
{
    if (FDropDownRowHeight <= 0)
        return;
    int bars = 0;
    if (DropDownHeader()->Visible())
        bars += DropDownHeader()->Height;
    if (DropDownFooter()->Visible())
        bars += DropDownFooter()->Height;
    const int fixed = bars + FHeaderHeight + 2;
    Height = fixed + ((Height - fixed) / FDropDownRowHeight) * FDropDownRowHeight;
}

void TGxMultiColumnDropDown::DoShowDropDown()
{
    TGxCustomDropDown::DoShowDropDown();
    if (FGrid && DroppedDown()) {
        SizeColumnsToDropDown();
        FGrid->SetLeftCol(0);  // the table was narrow before the window had its width
        if (FGrid->RowCount() > 1)
            FGrid->FocusCell(0, FItemIndex + 1 > 0 ? FItemIndex + 1 : 1, true);
        if (FGrid->CellRect(0, FGrid->Row()).IsEmpty())
            FGrid->SetTopRow(std::max(FGrid->FixedRows(), FGrid->Row() - FGrid->VisibleRowCount() + 1));
    }
    FPreparing = false;
}

void TGxMultiColumnDropDown::UpdateDropDownSize()
{
    TGxCustomDropDown::UpdateDropDownSize();
    if (!FDropDownAutoWidth || !FGrid || !DropDownForm())
        return;
    FGrid->SetAlign(TAlign::alNone);
    FGrid->SetWidth(FGrid->GetNeededWidth());
    DropDownForm()->SetWidth(FGrid->Width() + 2 * DropDownBorderWidth());
    FGrid->SetAlign(TAlign::alClient);
}

void TGxMultiColumnDropDown::DropDownFormSizing()
{
    TGxCustomDropDown::DropDownFormSizing();
    SizeColumnsToDropDown();
}

void TGxMultiColumnDropDown::SizeColumnsToDropDown()
{
    if (!FColumnSizeWithDropDown || !FGrid || !DropDownForm())
        return;
    FGrid->SetScrollBars(TScrollStyle::ssVertical);
    // The grid's own copy of the columns: auto-sized columns have their measured widths there.
    const multicolumn::TDropDownColumns& columns = *FGrid->Columns();
    if (columns.Count() == 0)
        return;
    int available = DropDownForm()->Width();
    if (FGrid->VisibleRowCount() < FGrid->RowCount() - FGrid->FixedRows())
        available -= TWinControl::ScrollBarSize;
    std::vector<int> widths;
    for (int i = 0; i < columns.Count(); ++i)
        widths.push_back(columns.GetItem(i)->Width);
    const std::vector<int> fitted = multicolumn::FitColumnWidths(widths, available);
    for (int i = 0; i < FGrid->ColCount() && i < static_cast<int>(fitted.size()); ++i)
        FGrid->SetColWidths(i, fitted[static_cast<std::size_t>(i)]);
}

void TGxMultiColumnDropDown::DoHideDropDown(bool Cancelled)
{
    const bool wasDown = DroppedDown();
    TGxCustomDropDown::DoHideDropDown(Cancelled);
    if (!wasDown || !FGrid)
        return;
    if (Cancelled) {
        // The text from the opening is back; an old index of no item keeps that text.
        if (FOldItemIndex >= 0)
            SetItemIndex(FOldItemIndex);
        else
            FItemIndex = FOldItemIndex;
        return;
    }
    if (FGrid->ConfirmSelection && FItems.Count() > 0)
        SetItemIndex(FGrid->Row() - 1);
    FOldItemIndex = FItemIndex;
}

// --- choosing in the open list ---

void TGxMultiColumnDropDown::GridSelectCell(int ARow)
{
    if (FPreparing || FSearching || !FGrid || FGrid->WheelSelection || ARow < 1)
        return;
    SetItemIndex(ARow - 1);
}

void TGxMultiColumnDropDown::GridSelect()
{
    if (!FGrid)
        return;
    if (FGrid->ConfirmSelection && FItems.Count() > 0)
        SetItemIndex(FGrid->Row() - 1);
    DoHideDropDown(false);
    if (OnSelect)
        OnSelect(this);
}

void TGxMultiColumnDropDown::ControlKeyDown(unsigned& Key, TShiftState Shift)
{
    const bool alt = (Shift & ssAlt) != 0;
    if (!alt && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN))
        return;  // the grid moves its row
    if (!alt && Key == VK_ESCAPE) {
        DoHideDropDown(true);
        Key = 0;
        return;
    }
    if (!alt && Key == VK_RETURN) {
        DoHideDropDown(false);  // the grid's own Enter then reports the choice
        return;
    }
    TGxCustomDropDown::ControlKeyDown(Key, Shift);
}

void TGxMultiColumnDropDown::ControlKeyUp(unsigned& Key, TShiftState Shift)
{
    if (!(Shift & ssAlt) && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN))
        return;
    TGxCustomDropDown::ControlKeyUp(Key, Shift);
}

void TGxMultiColumnDropDown::ShowRow(int ARow)
{
    if (!FGrid || ARow >= FGrid->RowCount())
        return;
    if (FGrid->TopRow() + FGrid->VisibleRowCount() < ARow || ARow < FGrid->TopRow())
        FGrid->SetTopRow(ARow);
    FSearching = true;
    FGrid->FocusCell(0, ARow, true);
    FSearching = false;
}

void TGxMultiColumnDropDown::ControlKeyPress(char32_t& Key)
{
    const bool alt = (KeyboardShiftState() & ssAlt) != 0;
    if (((Key == 13 || Key == 27) && !alt) || (FGrid && (FGrid->Options() & goEditing))) {
        FSearch.clear();
        return;
    }
    if (LookupKey(Key)) {
        ShowRow(FItemIndex + 1);
    } else {
        FSearch.clear();
    }
    Key = 0;
}

bool TGxMultiColumnDropDown::FindLookupPrefix(const std::string& Search, bool Select)
{
    const auto fold = [this](const std::string& s) {
        return rtl::Utf8ToCodePoints(FCaseSensitive ? s : rtl::AnsiUpperCase(s));
    };
    const std::u32string key = fold(Search);
    for (int i = 0; i < FItems.Count(); ++i) {
        if (!StartsWith(fold(LookupText(i)), key))
            continue;
        FItemIndex = i;
        SetText(LookupText(i));
        const int p = PrefixLength();
        if (Select) {
            SetSelStart(p + static_cast<int>(key.size()));
            SetSelLength(ValueLength() - static_cast<int>(key.size()));
        } else {
            SetSelStart(p + static_cast<int>(key.size()));
        }
        return true;
    }
    return false;
}

bool TGxMultiColumnDropDown::LookupKey(char32_t Key)
{
    const int p = PrefixLength();
    if (Key == 8) {
        if (SelLength() > 0) {
            std::u32string text = rtl::Utf8ToCodePoints(Text());
            const int start = std::clamp(SelStart() - p, 0, static_cast<int>(text.size()));
            text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(SelLength()));
            SetText(rtl::CodePointsToUtf8(text));
        } else {
            std::u32string search = rtl::Utf8ToCodePoints(FSearch);
            if (!search.empty())
                search.pop_back();
            FSearch = rtl::CodePointsToUtf8(search);
            SetText(FSearch);
        }
        SetSelStart(p + ValueLength());
        return false;
    }
    if (Key != 9)
        FSearch += rtl::CodePointsToUtf8(std::u32string(1, Key));
    if (FindLookupPrefix(FSearch, true))
        return true;
    const std::string single = rtl::CodePointsToUtf8(std::u32string(1, Key));
    if (Key != 9 && FindLookupPrefix(single, false)) {
        FSearch = single;
        return true;
    }
    FSearch.clear();
    return false;
}

// --- the edit: completion and keys ---

std::string TGxMultiColumnDropDown::MatchCaseText(const std::string& S) const
{
    return FMatchCase ? S : rtl::AnsiUpperCase(S);
}

void TGxMultiColumnDropDown::Change()
{
    FCompleted = false;
    TGxCustomDropDown::Change();
    if ((ComponentState() & csDesigning) || !FWorkMode || FCompleting)
        return;
    SetIsModified(!Text().empty());
    const int p = PrefixLength();
    const std::u32string text = rtl::Utf8ToCodePoints(Text());
    const std::size_t caret = static_cast<std::size_t>(std::clamp(SelStart() - p, 0, static_cast<int>(text.size())));
    const std::string typed = rtl::CodePointsToUtf8(text.substr(0, caret));
    const std::u32string key = rtl::Utf8ToCodePoints(MatchCaseText(typed)).substr(0, caret);
    FCompleting = true;
    for (int i = 0; i < static_cast<int>(FLookup.size()); ++i) {
        if (!StartsWith(rtl::Utf8ToCodePoints(MatchCaseText(FLookup[static_cast<std::size_t>(i)])), key))
            continue;
        FItemIndex = i;
        FCompletedIndex = i;
        FCompletedLength = static_cast<int>(key.size());
        const std::u32string entry = rtl::Utf8ToCodePoints(FLookup[static_cast<std::size_t>(i)]);
        const std::u32string tail = entry.substr(std::min(key.size(), entry.size()), 255);
        SetText(typed + rtl::CodePointsToUtf8(tail));
        Perform(EM_SETSEL, static_cast<std::uintptr_t>(p + ValueLength()), p + static_cast<int>(key.size()));
        FCompleting = false;
        FCompleted = true;
        return;
    }
    if (!typed.empty()) {
        SetText(typed);
        Perform(EM_SETSEL, static_cast<std::uintptr_t>(p + ValueLength()), p + static_cast<int>(caret));
    }
    FCompleting = false;
}

void TGxMultiColumnDropDown::KeyUp(unsigned& Key, TShiftState Shift)
{
    if (!(Key == VK_RETURN && ReturnIsTab()))
        TGxCustomDropDown::KeyUp(Key, Shift);
    if (!FCompleted)
        return;
    SetItemIndex(FCompletedIndex);
    const int p = PrefixLength();
    SetSelStart(p + FCompletedLength);
    SetSelLength(ValueLength() - FCompletedLength);
    FCompleted = false;
}

void TGxMultiColumnDropDown::KeyPress(char32_t& Key)
{
    if (Key == 13 && ReturnIsTab()) {
        Key = 0;
        return;
    }
    TGxCustomDropDown::KeyPress(Key);
}

void TGxMultiColumnDropDown::HandleKeyDown(unsigned& Key, TShiftState Shift)
{
    if (FLookupColumn < 0 || FItems.Count() == 0) {
        TGxCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    const auto lookupIndex = [this] {
        const std::string text = rtl::AnsiUpperCase(Text());
        for (std::size_t i = 0; i < FLookup.size(); ++i)
            if (rtl::AnsiUpperCase(FLookup[i]) == text)
                return static_cast<int>(i);
        return -1;
    };
    const unsigned key = Key;
    if (key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE) {
        FWorkMode = false;
    } else if (key == VK_RETURN) {
        const int i = lookupIndex();
        if (i >= 0) {
            SetText(FLookup[static_cast<std::size_t>(i)]);
            SetItemIndex(i);
            Change();
        }
    } else {
        FWorkMode = true;
    }
    TGxCustomDropDown::KeyDown(Key, Shift);
    if (key == VK_ESCAPE)
        SetItemIndex(lookupIndex());
}

void TGxMultiColumnDropDown::Step(int Delta)
{
    if (FItems.Count() == 0)
        return;
    const int target = FItemIndex < 0 ? 0 : std::clamp(FItemIndex + Delta, 0, FItems.Count() - 1);
    if (target != FItemIndex)
        SetItemIndex(target);
}

void TGxMultiColumnDropDown::KeyDown(unsigned& Key, TShiftState Shift)
{
    const unsigned key = Key;
    HandleKeyDown(Key, Shift);
    if (!Enabled() || (Shift & ssAlt) || FItems.Count() == 0)
        return;
    switch (key) {
    case VK_PRIOR:
        Step(-10);
        break;
    case VK_NEXT:
        Step(10);
        break;
    case VK_END:
        if (!EditorEnabled())
            SetItemIndex(FItems.Count() - 1);
        break;
    case VK_HOME:
        if (!EditorEnabled())
            SetItemIndex(0);
        break;
    case VK_UP:
        Step(-1);
        break;
    case VK_DOWN:
        Step(1);
        break;
    default:
        break;
    }
}

void TGxMultiColumnDropDown::HandleMouseWheelDown()
{
    TGxCustomDropDown::HandleMouseWheelDown();
    Step(1);
}

void TGxMultiColumnDropDown::HandleMouseWheelUp()
{
    TGxCustomDropDown::HandleMouseWheelUp();
    Step(-1);
}

}  // namespace dropdown
