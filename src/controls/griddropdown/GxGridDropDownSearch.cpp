// The grid drop-down's look-up of typed characters, the completion of typed text from the items,
// and the keys of the edit and of the open list.
#include <algorithm>

#include "controls/griddropdown/GxGridDropDown.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace dropdown {

using namespace ui;

namespace {

bool IsListKey(unsigned Key)
{
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}

int Length(const std::string& S)
{
    return static_cast<int>(rtl::Utf8ToCodePoints(S).size());
}

// Without leading and trailing blanks and control characters.
std::string TrimEntry(const std::string& S)
{
    std::size_t a = 0, b = S.size();
    while (a < b && static_cast<unsigned char>(S[a]) <= ' ')
        ++a;
    while (b > a && static_cast<unsigned char>(S[b - 1]) <= ' ')
        --b;
    return S.substr(a, b - a);
}

}  // namespace

void TCustomGxGridDropDown::RebuildLookupList()
{
    if (FLookupColumn < 0 || FItems.Count() == 0)
        return;
    FLookup.clear();
    for (int i = 0; i < FItems.Count(); ++i)
        FLookup.push_back(FItems.GetItem(i)->ColumnText(FLookupColumn));
}

std::string TCustomGxGridDropDown::MatchCaseText(const std::string& S) const
{
    return FMatchCase ? S : rtl::AnsiUpperCase(S);
}

int TCustomGxGridDropDown::LookupListIndex(const std::string& S) const
{
    const std::string key = rtl::AnsiUpperCase(S);
    for (std::size_t i = 0; i < FLookup.size(); ++i)
        if (rtl::AnsiUpperCase(FLookup[i]) == key)
            return static_cast<int>(i);
    return -1;
}

bool TCustomGxGridDropDown::FindLookupText(const std::string& S, std::string& Text, int& Position) const
{
    Text.clear();
    Position = -1;
    if (S.empty())
        return false;
    const auto fold = [this](const std::string& s) { return FCaseSensitive ? s : rtl::AnsiUpperCase(s); };
    const std::string key = fold(S);
    const auto matches = [&](const std::string& s) { return fold(s).compare(0, key.size(), key) == 0; };
    if (FUseItems) {
        for (int i = 0; i < FItems.Count(); ++i) {
            const griddrop::TDropDownItem& item = *FItems.GetItem(i);
            if (item.HasColumn(FLookupColumn) && matches(item.ColumnText(FLookupColumn))) {
                Text = item.ColumnText(FLookupColumn);
                Position = i;
                return true;
            }
        }
        return false;
    }
    if (!FGrid)
        return false;
    for (int r = FGrid->FixedRows(); r < FGrid->RowCount(); ++r)
        if (matches(FGrid->Cells(FLookupColumn, r))) {
            Text = FGrid->Cells(FLookupColumn, r);
            Position = r;
            return true;
        }
    return false;
}

void TCustomGxGridDropDown::ShowFound(const std::string& Text, int Position, bool Select)
{
    FItemIndex = FUseItems || !FGrid ? Position : Position - FGrid->FixedRows();
    SetText(Text);
    const int entry = Length(FLookupEntry);
    SetSelStart(entry);
    if (Select)
        SetSelLength(Length(Text) - entry);
}

int TCustomGxGridDropDown::Narrow()
{
    if (!FGrid)
        return -1;
    const std::string entry = TrimEntry(FLookupEntry);
    if (entry.empty()) {
        FGrid->RemoveAllFilters();
        return FGrid->FixedRows();
    }
    FGrid->SetFixedRowAlways(true);
    FGrid->NarrowDown(entry, FLookupColumn);
    if (FStyle == TDropDownStyle::dsDropDown && FGrid->DataRowsLeft() > 0) {
        SetText(FGrid->Cells(FLookupColumn, FGrid->FixedRows()));
        SetSelStart(Length(FLookupEntry));
        SetSelLength(Length(Text()) - Length(FLookupEntry));
    }
    return FGrid->FixedRows();
}

int TCustomGxGridDropDown::LookupKey(char32_t Ch)
{
    if (FLookupMethod == TLookupMethod::lmNone)
        return -1;
    if (Ch == 8) {
        if (SelLength() > 0) {
            std::u32string text = rtl::Utf8ToCodePoints(Text());
            const auto start = static_cast<std::size_t>(std::clamp(SelStart(), 0, static_cast<int>(text.size())));
            text.erase(start, static_cast<std::size_t>(SelLength()));
            SetText(rtl::CodePointsToUtf8(text));
        } else {
            std::u32string entry = rtl::Utf8ToCodePoints(FLookupEntry);
            if (!entry.empty())
                entry.pop_back();
            FLookupEntry = rtl::CodePointsToUtf8(entry);
            SetText(FLookupEntry);
        }
        SetSelStart(Length(Text()));
        if (FLookupMethod == TLookupMethod::lmNarrowDown)
            Narrow();
        return -1;
    }
    if (Ch != 9)
        FLookupEntry += rtl::CodePointsToUtf8(std::u32string(1, Ch));
    if (FLookupMethod == TLookupMethod::lmNarrowDown)
        return Narrow();
    const bool typing = FStyle == TDropDownStyle::dsDropDown;
    std::string text;
    int position = -1;
    if (FindLookupText(TrimEntry(FLookupEntry), text, position)) {
        ShowFound(text, position, typing);
        return position;
    }
    if (typing)
        return -1;
    const std::string single = TrimEntry(rtl::CodePointsToUtf8(std::u32string(1, Ch)));
    if (FindLookupText(single, text, position)) {
        FLookupEntry = single;
        ShowFound(text, position, false);
        return position;
    }
    FLookupEntry.clear();
    return -1;
}

// --- the open list ---

void TCustomGxGridDropDown::ControlKeyPress(char32_t& Key)
{
    const bool alt = (KeyboardShiftState() & ssAlt) != 0;
    if (((Key == 13 || Key == 27) && !alt) || (FGrid && (FGrid->Options() & goEditing))) {
        FLookupEntry.clear();
    } else if (FGrid) {
        int row = LookupKey(Key);
        if (row >= 0 && FUseItems && FLookupMethod == TLookupMethod::lmLookup)
            row = FGrid->ItemToRow(row);
        if (row >= FGrid->FixedRows() && row < FGrid->RowCount()) {
            if (FGrid->VisibleRowCount() + FGrid->FixedRows() < FGrid->RowCount())
                FGrid->SetTopRow(row);
            FSearching = true;
            FGrid->GoToRow(row);
            FSearching = false;
            FGrid->RepaintRow(row);
        } else {
            FLookupEntry.clear();
        }
    }
    if (OnGridKeyPress)
        OnGridKeyPress(this, Key);
    Key = 0;
}

void TCustomGxGridDropDown::ControlKeyDown(unsigned& Key, TShiftState Shift)
{
    if ((Shift & ssAlt) || !IsListKey(Key))
        TGxCustomDropDown::ControlKeyDown(Key, Shift);
    if (OnGridKeyDown)
        OnGridKeyDown(this, Key, Shift);
}

void TCustomGxGridDropDown::ControlKeyUp(unsigned& Key, TShiftState Shift)
{
    if (!(Shift & ssAlt) && IsListKey(Key))
        FLookupEntry.clear();
    else
        TGxCustomDropDown::ControlKeyUp(Key, Shift);
    if (OnGridKeyUp)
        OnGridKeyUp(this, Key, Shift);
}

// --- the edit ---

void TCustomGxGridDropDown::DoEnter()
{
    TGxCustomDropDown::DoEnter();
    if (FGrid)
        FGrid->RemoveAllFilters();
    FLookupEntry.clear();
}

void TCustomGxGridDropDown::Change()
{
    FCompleted = false;
    TGxCustomDropDown::Change();
    if ((ComponentState() & csDesigning) || !FWorkMode || FCompleting || !FUseItems)
        return;
    SetIsModified(!Text().empty());
    const int p = PrefixLength();
    const std::u32string text = rtl::Utf8ToCodePoints(Text());
    const auto caret = static_cast<std::size_t>(std::clamp(SelStart() - p, 0, static_cast<int>(text.size())));
    const std::string typed = rtl::CodePointsToUtf8(text.substr(0, caret));
    const std::u32string key = rtl::Utf8ToCodePoints(MatchCaseText(typed)).substr(0, caret);
    FCompleting = true;
    for (std::size_t i = 0; !key.empty() && i < FLookup.size(); ++i) {
        const std::u32string folded = rtl::Utf8ToCodePoints(MatchCaseText(FLookup[i]));
        if (folded.compare(0, key.size(), key) != 0)
            continue;
        FItemIndex = static_cast<int>(i);
        FCompletedIndex = FItemIndex;
        FCompletedLength = static_cast<int>(key.size());
        const std::u32string entry = rtl::Utf8ToCodePoints(FLookup[i]);
        SetText(typed + rtl::CodePointsToUtf8(entry.substr(std::min(key.size(), entry.size()), 255)));
        Perform(EM_SETSEL, static_cast<std::uintptr_t>(p + ValueLength()), p + static_cast<int>(key.size()));
        FCompleting = false;
        FCompleted = true;
        return;
    }
    if (!typed.empty()) {
        SetText(typed);
        Perform(EM_SETSEL, static_cast<std::uintptr_t>(p + ValueLength()), p + ValueLength());
    }
    FCompleting = false;
}

void TCustomGxGridDropDown::HandleKeyDown(unsigned& Key, TShiftState Shift)
{
    if (FGrid && (FGrid->Options() & goEditing) && FGrid->EditorMode() && Key == VK_RETURN && !(Shift & ssShift)) {
        FGrid->HideEditor();
        SetText(FGrid->Cells(FLookupColumn, FGrid->Row()));
        FItemIndex = FGrid->Row() - FGrid->FixedRows();
        Key = 0;
        return;
    }
    if (FLookupColumn < 0 || FItems.Count() == 0) {
        TGxCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    const unsigned key = Key;
    if (key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE) {
        FWorkMode = false;
    } else if (key == VK_RETURN) {
        const int i = LookupListIndex(Text());
        if (i >= 0) {
            SetText(FLookup[static_cast<std::size_t>(i)]);
            SetItemIndex(i);
            Change();
        }
        if (FReturnIsTab) {
            PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
            Key = 0;
        }
    } else {
        FWorkMode = true;
    }
    if (key == VK_ESCAPE || (key >= VK_PRIOR && key <= VK_DOWN))
        FLookupEntry.clear();
    TGxCustomDropDown::KeyDown(Key, Shift);
    if (key == VK_ESCAPE)
        SetItemIndex(LookupListIndex(Text()));
}

void TCustomGxGridDropDown::KeyDown(unsigned& Key, TShiftState Shift)
{
    const unsigned key = Key;
    if (key == VK_RETURN && FGrid)
        FGrid->ConfirmSelection = true;  // the base's Enter closes with the selected row
    HandleKeyDown(Key, Shift);
    if (!Enabled() || (Shift & ssAlt) || !IsListKey(key))
        return;
    FLookupEntry.clear();
    const bool list = !(Shift & ssShift) && FStyle == TDropDownStyle::dsDropDownList;
    switch (key) {
    case VK_PRIOR:
        SelectPreviousPage();
        break;
    case VK_NEXT:
        SelectNextPage();
        break;
    case VK_END:
        if (list)
            SelectLast();
        break;
    case VK_HOME:
        if (list)
            SelectFirst();
        break;
    case VK_UP:
        SelectPrevious();
        break;
    case VK_DOWN:
        SelectNext();
        break;
    default:
        break;
    }
}

void TCustomGxGridDropDown::KeyPress(char32_t& Key)
{
    const char32_t ch = Key;
    if (Key == 13 && FReturnIsTab)
        Key = 0;
    else
        TGxCustomDropDown::KeyPress(Key);
    LookupKey(ch);
    if (FAutoShowDropDown && !DroppedDown())
        ShowDropDown();
}

void TCustomGxGridDropDown::KeyUp(unsigned& Key, TShiftState Shift)
{
    const unsigned key = Key;
    if (!(key == VK_RETURN && FReturnIsTab))
        TGxCustomDropDown::KeyUp(Key, Shift);
    if (FGrid && (FGrid->Options() & goEditing) && FGrid->EditorMode() && key == VK_RETURN && !(Shift & ssShift)) {
        if (FGrid->Col() == FLookupColumn)
            HideDropDown(false);
        else
            FGrid->HideEditor();
    }
    if (!FCompleted)
        return;
    SetItemIndex(FCompletedIndex);
    const int p = PrefixLength();
    SetSelStart(p + FCompletedLength);
    SetSelLength(ValueLength() - FCompletedLength);
    FCompleted = false;
}

}  // namespace dropdown
