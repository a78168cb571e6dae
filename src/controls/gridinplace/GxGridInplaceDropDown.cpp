// The cell editor behaviour shared by the nine drop-down cell editors, and what each one does with
// the cell's value.
#include "controls/gridinplace/GxGridInplaceDropDown.h"

#include "controls/dropdown/GxColGrid.h"
#include "controls/griddropdown/GxGridDropDownList.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Messages.h"

#include <string>

namespace gridinplace {

using namespace ui;

namespace {
gx::TGxStringGrid* GridOf(TComponent* AOwner)
{
    auto* grid = dynamic_cast<gx::TGxStringGrid*>(AOwner);
    if (!grid)
        throw rtl::Exception("Invalid class typecast");
    return grid;
}

int Length(const std::string& s)
{
    return static_cast<int>(rtl::Utf8ToCodePoints(s).size());
}
}  // namespace

int ReadCellInteger(const std::string& S)
{
    std::size_t i = 0;
    int base = 10;
    if (S.compare(0, 1, "$") == 0 || S.compare(0, 1, "x") == 0 || S.compare(0, 1, "X") == 0) {
        base = 16;
        i = 1;
    } else if (S.size() >= 2 && S[0] == '0' && (S[1] == 'x' || S[1] == 'X')) {
        base = 16;
        i = 2;
    }
    bool negative = false;
    if (base == 10 && i < S.size() && (S[i] == '-' || S[i] == '+')) {
        negative = S[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < S.size(); ++i) {
        const char c = S[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            break;
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL)
            break;  // keeps what was read before the number grew out of range
    }
    const int v = static_cast<int>(static_cast<unsigned>(value & 0xFFFFFFFF));
    return negative ? -v : v;
}

// --- shared behaviour ----------------------------------------------------------------------------

template <class Base>
TGridDropDownEditor<Base>::TGridDropDownEditor(TComponent* AOwner) : Base(AOwner), FGrid(GridOf(AOwner))
{}

template <class Base>
unsigned TGridDropDownEditor<Base>::WantKeys() const
{
    unsigned keys = Base::WantKeys();
    if (ClaimsEnterEscape())
        keys |= DLGC_WANTALLKEYS;
    if (FGrid->HasCellValidation())
        keys |= DLGC_WANTTAB;
    return keys;
}

template <class Base>
bool TGridDropDownEditor<Base>::IsCellKey(unsigned Key, TShiftState Shift) const
{
    // The keys that move through an open list are the list's, wherever the editor handles them.
    if (this->DroppedDown())
        return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE;
    switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_UP:
        return true;
    case VK_DOWN:
        return !(Shift & ssAlt);
    default:
        return false;
    }
}

template <class Base>
bool TGridDropDownEditor<Base>::IsValidatingKey(unsigned Key) const
{
    return Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN;
}

template <class Base>
void TGridDropDownEditor<Base>::RestoreValue()
{
    WriteText(FGrid->ReadCurrentCell());
}

template <class Base>
void TGridDropDownEditor<Base>::KeyDown(unsigned& Key, TShiftState Shift)
{
    gx::TGxStringGrid& g = *FGrid;
    if (!IsCellKey(Key, Shift)) {
        Base::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        if (this->DroppedDown())
            this->HideDropDown(true);
        RestoreValue();
        g.HideInplaceEdit();
        if (g.CanFocus())
            g.SetFocus();
        Key = 0;
        return;
    }
    if (Key == VK_RETURN) {
        // The open list's choice is the value that gets stored.
        if (this->DroppedDown())
            this->HideDropDown(false);
        BeforeEnter();
    }
    const auto refuse = [&](bool selectAll) {
        WriteText(g.EditState().NewCellText);
        if (selectAll)
            this->SelectAll();
        else
            this->SetSelStart(Length(this->Text()));
        this->Invalidate();
        Key = 0;
    };
    if (IsValidatingKey(Key)) {
        const std::string typed = this->Text();
        g.WriteCurrentCell(typed);
        if (!g.ValidateCell(typed)) {
            refuse(true);
            g.SetEditNoAutoAdvance(true);
            return;
        }
        WriteText(g.ReadCurrentCell());
    }
    if (Key == VK_TAB && g.HasCellValidation()) {
        const std::string typed = this->Text();
        g.WriteCurrentCell(typed);
        if (!g.ValidateCell(typed)) {
            refuse(false);
            return;
        }
        if (g.Options() & goTabs) {
            g.HideInplaceEdit();
            if (g.CanFocus())
                g.SetFocus();
            g.HandleTabKey((Shift & ssShift) != 0);
            Key = 0;
            return;
        }
        PostMessage(&g, WM_KEYDOWN, VK_TAB, 0);
    }
    if (this->DroppedDown()) {
        g.HideInplaceEdit();
    } else if (Key == VK_END) {
        Base::KeyDown(Key, Shift);
        return;
    }
    g.DoneInplaceEdit(Key, Shift);
    if (g.Navigation()->AdvanceOnEnter() && g.Navigation()->AdvanceAutoEdit())
        g.ShowInplaceEdit();
    Key = 0;
    Base::KeyDown(Key, Shift);
}

template <class Base>
void TGridDropDownEditor<Base>::KeyPress(char32_t& Key)
{
    if (FGrid->OnKeyPress)
        FGrid->OnKeyPress(this, Key);
    if (Key == 27 || Key == 13 || Key == 9)
        Key = 0;
    Base::KeyPress(Key);
}

template <class Base>
void TGridDropDownEditor<Base>::Change()
{
    Base::Change();
    if (FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), this->Text());
}

template <class Base>
void TGridDropDownEditor<Base>::DoExit()
{
    FGrid->HideInplaceEdit();
    Base::DoExit();
}

template <class Base>
void TGridDropDownEditor<Base>::AfterFocus()
{
    if (FGrid->Navigation()->EditSelectAll())
        this->SelectAll();
    else
        this->SetSelStart(Length(this->Text()));
}

template <class Base>
void TGridDropDownEditor<Base>::ValueOut(int ARealCol, int ARow)
{
    FGrid->StoreEditorValue(ARealCol, ARow, this->Text());
}

template class TGridDropDownEditor<dropdown::TGxTrackBarDropDown>;
template class TGridDropDownEditor<dropdown::TGxMemoDropDown>;
template class TGridDropDownEditor<dropdown::TGxCalculatorDropdown>;
template class TGridDropDownEditor<dropdown::TGxTimePickerDropDown>;
template class TGridDropDownEditor<dropdown::TGxDetailDropDown>;
template class TGridDropDownEditor<dropdown::TGxMultiColumnDropDown>;
template class TGridDropDownEditor<dropdown::TGxColorPickerDropDown>;
template class TGridDropDownEditor<dropdown::TGxImagePickerDropDown>;
template class TGridDropDownEditor<dropdown::TCustomGxGridDropDown>;

// --- the nine editors ---------------------------------------------------------------------------------

TGridTrackbarDropDown::TGridTrackbarDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner)
{
    SetEditorEnabled(true);
}

void TGridTrackbarDropDown::ValueIn(const std::string& Value, int, int)
{
    SetPosition(ReadCellInteger(Value));
}

void TGridMemoDropDown::ValueIn(const std::string& Value, int, int)
{
    SetText(Value);
}

void TGridMemoDropDown::AfterFocus()
{
    SetSelStart(0);
    SetSelLength(0);
}

void TGridMemoDropDown::ValueOut(int ARealCol, int ARow)
{
    std::string joined;
    const rtl::TStringList* lines = MemoText();
    for (int i = 0; i < lines->Count(); ++i) {
        if (i > 0)
            joined += "\r\n";
        joined += lines->Get(i);
    }
    FGrid->StoreEditorValue(ARealCol, ARow, joined);
}

TGridCalculatorDropDown::TGridCalculatorDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner)
{
    SetEditorEnabled(true);
}

void TGridCalculatorDropDown::ValueIn(const std::string& Value, int, int)
{
    SetTextDirect(Value);
}

TGridTimepickerDropDown::TGridTimepickerDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner)
{
    SetFocusDraw(false);
}

void TGridTimepickerDropDown::ValueIn(const std::string& Value, int, int)
{
    SetText(Value);
    SetEditorEnabled(true);
}

void TGridDetailPickerDropDown::ValueIn(const std::string& Value, int, int)
{
    SetText(Value);
    SetEditorEnabled(true);
}

void TGridDetailPickerDropDown::AfterFocus()
{
    TGridDropDownEditor::AfterFocus();
    const int i = Items()->IndexOf(Text());
    if (i >= 0)
        SetItemIndex(i);
}

void TGridGridDropDown::ValueIn(const std::string& Value, int, int)
{
    BeginUpdate();
    EndUpdate();
    SetItemIndex(Value.empty() ? 0 : GetItemIndex(Value));
    SetText(Value);
}

void TGridColorDropDown::ValueIn(const std::string&, int ARealCol, int ARow)
{
    gx::TCellGraphic* g = FGrid->GetCellGraphic(ARealCol, ARow);
    FColorIn = g && g->CellType == gx::ctShape ? g->CellBitmapColor : FGrid->Colors(ARealCol, ARow);
    SetSelectedColor(FColorIn);
}

bool TGridColorDropDown::IsCellKey(unsigned Key, TShiftState Shift) const
{
    return (Key == VK_HOME && !DroppedDown()) || TGridDropDownEditor::IsCellKey(Key, Shift);
}

void TGridColorDropDown::RestoreValue()
{
    SetSelectedColor(FColorIn);
}

void TGridColorDropDown::ValueOut(int ARealCol, int ARow)
{
    TColor color = SelectedColor();
    std::string value = SelectedColorText();
    if (FGrid->OnColorSelected)
        FGrid->OnColorSelected(FGrid, ARealCol, ARow, color, value);
    FGrid->StoreEditorValue(ARealCol, ARow, value);
    gx::TCellGraphic* g = FGrid->GetCellGraphic(ARealCol, ARow);
    if (g && g->CellType == gx::ctShape) {
        g->CellBitmapColor = color;
        FGrid->Invalidate();
    } else {
        FGrid->SetColors(ARealCol, ARow, color);
    }
}

namespace {
bool IsImageCell(gx::TCellGraphic* g)
{
    return g && (g->CellType == gx::ctImageList || g->CellType == gx::ctDataImage);
}
}  // namespace

void TGridImageDropDown::ValueIn(const std::string&, int ARealCol, int ARow)
{
    gx::TCellGraphic* g = FGrid->GetCellGraphic(ARealCol, ARow);
    if (IsImageCell(g)) {
        SetImages(FGrid->GridImages);
        if (Items()->Count() == 0)
            AddImagesFromImageList();
        SetImageIndex(g->CellType == gx::ctImageList ? g->CellIndex : FGrid->Ints(ARealCol, ARow));
    }
    FImageIn = ImageIndex();
    const dropdown::TImageItem* item = ItemIndex() >= 0 ? Items()->GetItem(ItemIndex()) : nullptr;
    SetTextDirect(FImageIn >= 0 && item ? item->Caption() : std::string());
}

void TGridImageDropDown::RestoreValue()
{
    SetImageIndex(FImageIn);
}

void TGridImageDropDown::ValueOut(int ARealCol, int ARow)
{
    int index = ImageIndex();
    if (FGrid->OnImageSelected)
        FGrid->OnImageSelected(FGrid, ARealCol, ARow, index);
    gx::TCellGraphic* g = FGrid->GetCellGraphic(ARealCol, ARow);
    if (g && g->CellType == gx::ctImageList) {
        g->CellIndex = index;
        FGrid->Invalidate();
    } else if (g && g->CellType == gx::ctDataImage) {
        FGrid->StoreEditorValue(ARealCol, ARow, std::to_string(index));
    }
}

void TGridGxGridDropDown::ValueIn(const std::string& Value, int, int)
{
    if (GetGrid())
        GetGrid()->SetFixedRowAlways(true);
    BeginUpdate();
    EndUpdate();
    if (UseItems()) {
        int position = -1;
        if (Value.empty()) {
            position = 0;
        } else {
            std::string found;
            if (!FindLookupText(Value, found, position))
                position = -1;
        }
        SetItemIndex(position);
    }
    SetText(Value);
}

}  // namespace gridinplace
