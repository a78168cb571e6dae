// TGxStringGrid: the editor life cycle. When an editor may open (the framework's may-show test,
// which opens the non-text editor controls itself), opening and closing from outside, ending an
// edit on a key of an editor control, the end-of-edit report with its posted "GridEditDone", the
// combo list and the editor controls the grid owns.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "grid/stringgrid/GxGridEditRich.h"
#include "grid/stringgrid/GxGridModule.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

bool IsTextEditor(TEditorType Kind)
{
    switch (Kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat:
        return true;
    default:
        return false;
    }
}

// --- the editor controls -------------------------------------------------------------------------------

void TGxStringGrid::CreateEditorControls()
{
    editCombo_ = new TGridCombo(this);
    editBtn_ = new TGridEditBtn(this);
    unitEditBtn_ = new TGridUnitEditBtn(this);
    editCheck_ = new TGridCheckBox(this);
    gridButton_ = new TGridButton(this);
    editTrans_ = new TGridTransEdit(this);
    editTrans_->SetBorderStyle(ui::TBorderStyle::bsNone);
    editTrans_->OnChange = [this](TObject*) { FixedEditChange(); };
    comboTrans_ = new TGridTransCombo(this);
    controlEdit_ = new TControlEdit(this);
    controlEdit_->SetVisible(false);
    controlCombo_ = new TControlCombo(this);
    for (ui::TWinControl* c :
         std::initializer_list<ui::TWinControl*>{editTrans_, comboTrans_, controlEdit_, controlCombo_})
        c->SetParent(this);
}

namespace {
template <class T>
void PrepareHidden(T* c, TGxStringGrid* grid)
{
    c->SetVisible(false);
    c->SetEnabled(false);
    c->SetParent(grid);
}
}  // namespace

TGridSpin* TGxStringGrid::SpinEdit()
{
    if (!editSpin_) {
        editSpin_ = new TGridSpin(this);
        PrepareHidden(editSpin_, this);
        editSpin_->SetIsWinXP(IsThemed);
    }
    return editSpin_;
}

TGridDatePicker* TGxStringGrid::DateTimePicker()
{
    if (!editDate_) {
        editDate_ = new TGridDatePicker(this);
        PrepareHidden(editDate_, this);
    }
    return editDate_;
}

TGridDateTimePicker* TGxStringGrid::DateAndTimePicker()
{
    if (!editDateTime_) {
        editDateTime_ = new TGridDateTimePicker(this);
        PrepareHidden(editDateTime_, this);
        editDateTime_->SetAutoTab(true);
    }
    return editDateTime_;
}

ui::TInplaceEdit* TGxStringGrid::CreateEditor()
{
    return new TGxInplaceEdit(this);
}

// --- may the editor show ----------------------------------------------------------------------------------

bool TGxStringGrid::CanEditShow()
{
    if (edit_.Validating)
        return false;
    bool result = TBaseGrid::CanEditShow();
    const int real = RealColIndex(Col());
    const ui::TPoint base = BaseCell(real, Row());
    if (result && !edit_.EditMode && IsClickControlCell(DisplColIndex(base.X), base.Y))
        return false;
    if (result && !edit_.EditMode) {
        NoEditChange = true;
        edit_.CellCache = ReadCurrentCell();
        RememberOldCell(Col(), Row());
        currentEditor_ = DefaultEditor;
        GetCellEditor(base.X, base.Y, currentEditor_);
        if (currentEditor_ == edNone)
            return false;
        edit_.EditMode = true;
        if (IsTextEditor(currentEditor_)) {
            edit_.ShowEditProcess = true;
        } else {
            const ui::TPoint shown = BaseCell(Col(), Row());
            ShowEditorControl(shown.X, shown.Y);
            edit_.Entered = true;
            if (focusHelper_->Enabled)
                ShowFocusWindow(CellRect(Col(), Row()));
            return false;
        }
    }
    if (result) {
        edit_.Entered = true;
        edit_.Editing = true;
        if (focusHelper_->Enabled)
            ShowFocusWindow(CellRect(Col(), Row()));
    }
    return result;
}

void TGxStringGrid::ShowEditor()
{
    TBaseGrid::ShowEditor();
}

// The typed character that starts an edit goes through the editor's own character handling, so
// that the kind's filter sees it; an editor control gets it posted.
void TGxStringGrid::ShowEditorChar(char32_t Ch)
{
    edit_.StartEditChar = Ch;
    ShowEditor();
    if (EditorMode() && InplaceEditor()) {
        InplaceEditor()->SelectAll();
        InplaceEditor()->Perform(ui::WM_CHAR, Ch);
    }
    edit_.StartEditChar = 0;
}

void TGxStringGrid::HideEditor()
{
    TBaseGrid::HideEditor();
    HideFocusWindow();  // no frame around a cell that is no longer edited
    if (edit_.EditMode && !IsTextEditor(currentEditor_))
        HideEditorControl(Col(), Row());
    else if (IsTextEditor(currentEditor_))
        edit_.EditMode = false;
}

// --- opening and closing from outside ---------------------------------------------------------------------

void TGxStringGrid::ShowInplaceEdit()
{
    if (IsClickControlCell(Col(), Row()))
        return;
    if (Row() < TopRow())
        SetTopRow(Row());
    if (Col() < LeftCol())
        SetLeftCol(Col());
    edit_.EditText = Cells(RealColIndex(Col()), Row());
    ShowEditor();
}

void TGxStringGrid::PlaceEditCaretAt(int X, int Y)
{
    ui::TWinControl* editor = nullptr;
    if (EditorMode() && InplaceEditor() && InplaceEditor()->Visible())
        editor = InplaceEditor();
    else if (edit_.EditMode && editCtrl_ && editCtrl_->Visible())
        editor = editCtrl_;
    if (!editor || editor->Parent() != this || !editor->BoundsRect().Contains({X, Y}))
        return;
    const ui::TPoint client = editor->ClientOrigin();
    const int x = X - editor->Left() - client.X, y = Y - editor->Top() - client.Y;
    if (auto* rich = dynamic_cast<ui::TRichEdit*>(editor))
        rich->SetSelStart(rich->PosAtPoint(x, y));
    else if (auto* edit = dynamic_cast<ui::TCustomEdit*>(editor))
        edit->SetSelStart(edit->CharAtX(x));
}

void TGxStringGrid::HideInplaceEdit()
{
    if (!edit_.EditMode)
        return;
    HideEditor();
    edit_.EditMode = false;
    // The row and cell looks and the editing option follow the current cell again.
    if (!edit_.InSelectCell)
        Select();
}

void TGxStringGrid::ShowCellEdit()
{
    Perform(ui::WM_KEYDOWN, ui::VK_F2, 0);
}

void TGxStringGrid::HideCellEdit()
{
    HideEditorControl(Col(), Row());
}

bool TGxStringGrid::HasCellValidation()
{
    return (Options() & ui::goTabs) || OnCellValidate || OnCellValidateWide;
}

void TGxStringGrid::StoreEditorValue(int ACol, int ARow, const std::string& Value)
{
    SetEditText(DisplColIndex(ACol), ARow, Value);
    SetCells(ACol, ARow, Value);
}

void TGxStringGrid::RestoreCellCache()
{
    SetCells(RealColIndex(Col()), Row(), edit_.CellCache);
}

// An editor control got a navigation key: the edit ends and the grid carries the key out.
void TGxStringGrid::DoneInplaceEdit(unsigned Key, ui::TShiftState Shift)
{
    edit_.BlockFocus = true;
    edit_.Editing = false;
    HideInplaceEdit();
    if (Key == ui::VK_DOWN && navigation_->AppendOnArrowDown() && Row() == RowCount() - 1 - FixedFooters()) {
        bool canAdd = true;
        DoCanAddRow(canAdd);
        if (canAdd) {
            const int added = RowCount() - FixedFooters();
            InsertRows(added, 1);
            if (OnAutoAddRow)
                OnAutoAddRow(this, added);
        }
    }
    if (Key == ui::VK_TAB || Key == ui::VK_LEFT || Key == ui::VK_RIGHT || Key == ui::VK_UP || Key == ui::VK_DOWN) {
        unsigned k = Key;
        KeyDown(k, Shift);
    }
    const bool alwaysEdit = navigation_->AlwaysEdit();
    navigation_->SetAlwaysEdit(false);
    if (CanFocus())
        SetFocus();
    if (Key == ui::VK_RETURN)
        CommitWalk(Key, Shift);
    navigation_->SetAlwaysEdit(alwaysEdit);
    edit_.BlockFocus = false;
}

// Enter after an edit: one cell on in the advance direction when AdvanceOnEnter is set and the
// last validation did not refuse.
void TGxStringGrid::CommitWalk(unsigned, ui::TShiftState Shift)
{
    if (!navigation_->AdvanceOnEnter() || edit_.NoAutoAdvance) {
        edit_.NoAutoAdvance = false;
        return;
    }
    const bool back = (Shift & ui::ssShift) != 0;
    int c = Col(), r = Row();
    const bool across =
        navigation_->AdvanceDirection() == adLeftRight || navigation_->AdvanceDirection() == adLeftRightInRow;
    if (across) {
        c += back ? -1 : 1;
        if (c >= ColCount() && navigation_->AdvanceDirection() == adLeftRight) {
            c = FixedCols();
            ++r;
        } else if (c < FixedCols() && navigation_->AdvanceDirection() == adLeftRight) {
            c = ColCount() - 1;
            --r;
        }
    } else {
        r += back ? -1 : 1;
    }
    if (c >= FixedCols() && c < ColCount() && r >= FixedRows() && r < RowCount() - FixedFooters())
        MoveColRow(c, r, true, true);
}

// --- the end of an edit ------------------------------------------------------------------------------------

void TGxStringGrid::NotifyEditDone(int ACol, int ARow)
{
    if (OnEditingDone)
        OnEditingDone(this);
    edit_.EditMode = false;
    ui::PostMessage(this, GxGridModule().EditDoneMessage, static_cast<std::uintptr_t>(ACol), ARow);
}

void TGxStringGrid::HandleEditDoneMessage(ui::TMessage& message)
{
    if (OnEditCellDone)
        OnEditCellDone(this, static_cast<int>(message.WParam), static_cast<int>(message.LParam));
    if (mouseActions_->EditOnDblClickOnly()) {
        TBaseGrid::HideEditor();
        edit_.EditMode = false;
        SetOptions(Options() & ~ui::goEditing);
    }
}

// --- the combo list -------------------------------------------------------------------------------------

void TGxStringGrid::ClearComboString()
{
    editCombo_->Items()->Clear();
}

void TGxStringGrid::AddComboString(const std::string& s)
{
    editCombo_->Items()->Add(s);
}

void TGxStringGrid::AddComboStringObject(const std::string& s, TObject* AObject)
{
    editCombo_->Items()->AddObject(s, AObject);
}

namespace {
// The first item equal to s, case ignored; -1 when none.
int FindComboItem(rtl::TStringList* items, const std::string& s)
{
    const std::string key = rtl::AnsiUpperCase(s);
    for (int i = 0; i < items->Count(); ++i)
        if (rtl::AnsiUpperCase(items->Get(i)) == key)
            return i;
    return -1;
}
}  // namespace

bool TGxStringGrid::RemoveComboString(const std::string& s)
{
    const int i = FindComboItem(editCombo_->Items(), s);
    if (i < 0)
        return false;
    editCombo_->Items()->Delete(i);
    return true;
}

bool TGxStringGrid::SetComboSelectionString(const std::string& s)
{
    const int i = FindComboItem(editCombo_->Items(), s);
    if (i < 0)
        return false;
    edit_.ComboIdx = i;
    return true;
}

int TGxStringGrid::GetComboCount()
{
    return editCombo_->Items()->Count();
}

int TGxStringGrid::GetComboIndex(int ACol, int ARow)
{
    DoGetEditorProp(ACol, ARow, nullptr);
    return FindComboItem(editCombo_->Items(), Cells(ACol, ARow));
}

void TGxStringGrid::SetComboIndex(int ACol, int ARow, int Value)
{
    DoGetEditorProp(ACol, ARow, nullptr);
    SetCells(ACol, ARow, editCombo_->Items()->Get(Value));
}

}  // namespace gx
