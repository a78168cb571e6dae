// The custom editor link: TEditLink's hosting protocol (inline or in a pop-up form, the keys that
// end the edit, the value between cell and editor) and the grid's side of it (showing and storing an
// edCustom editor, the subclassed edit control's dialog codes), and the change notifiers.
#include "grid/stringgrid/GxEditLink.h"

#include <algorithm>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"

namespace gx {

// --- TEditLink ------------------------------------------------------------------------------------------

TEditLink::TEditLink(ui::TComponent* AOwner) : ui::TComponent(AOwner) {}

TEditLink::~TEditLink()
{
    if (ui::TWinControl* c = subClassed_ ? GetEditControl() : nullptr)
        c->WindowProc = nullptr;
    delete popupForm_;
}

void TEditLink::SetGrid(TGxStringGrid* grid)
{
    if (grid_ == grid)
        return;
    if (grid_)
        RemoveFreeNotification(grid_);
    grid_ = grid;
    if (grid_)
        FreeNotification(grid_);
}

void TEditLink::Notification(ui::TComponent* component, ui::TOperation operation)
{
    ui::TComponent::Notification(component, operation);
    if (operation != ui::TOperation::opRemove)
        return;
    if (component == grid_)
        grid_ = nullptr;
    if (component == popupForm_)
        popupForm_ = nullptr;
}

ui::TForm* TEditLink::MakePopupForm()
{
    if (popupForm_)
        return popupForm_;
    ui::TComponent* app = ui::Application;
    if (app) {
        if (ui::TComponent* old = app->FindComponent("gridform"))
            delete old;
    }
    popupForm_ = new ui::TForm(app);
    popupForm_->SetName("gridform");
    popupForm_->SetBorderStyle(ui::TFormBorderStyle::bsNone);
    popupForm_->OnDeactivate = [this](ui::TObject* s) { FormExit(s); };
    FreeNotification(popupForm_);
    return popupForm_;
}

ui::TWinControl* TEditLink::GetParent()
{
    if (EditStyle == TEditStyle::esPopup)
        return popupForm_;
    return grid_;
}

std::string TEditLink::GetCellValue()
{
    return grid_ ? grid_->Cells(grid_->RealColIndex(grid_->Col()), grid_->Row()) : std::string();
}

void TEditLink::SetCellValue(const std::string& s)
{
    if (grid_)
        grid_->StoreEditorValue(grid_->RealColIndex(grid_->Col()), grid_->Row(), s);
}

void TEditLink::SetFocus(bool Value)
{
    ui::TWinControl* c = GetEditControl();
    if (!c)
        return;
    if (Value) {
        c->SetVisible(true);
        c->SetEnabled(true);
    }
    if (EditStyle == TEditStyle::esInplace && !subClassed_ && grid_) {
        TGxStringGrid* g = grid_;
        c->WindowProc = [g, c](ui::TMessage& m) { g->EditLinkWindowProc(c, m); };
        subClassed_ = true;
    }
    if (Value) {
        if (c->CanFocus())
            c->SetFocus();
    } else {
        FocusGrid();
    }
}

void TEditLink::SetRect(ui::TRect r)
{
    if (ui::TWinControl* c = GetEditControl()) {
        const int line = grid_ ? grid_->GridLineWidth() : 0;
        c->SetBounds(r.Left, r.Top, r.Right - r.Left - line, r.Bottom - r.Top - line);
    }
}

void TEditLink::SetVisible(bool Value)
{
    if (ui::TWinControl* c = GetEditControl())
        c->SetVisible(Value);
}

void TEditLink::RestoreWinProc()
{
    if (EditStyle != TEditStyle::esInplace)
        return;
    ui::TWinControl* c = GetEditControl();
    if (!c)
        return;
    c->WindowProc = nullptr;
    subClassed_ = false;
    c->SetVisible(false);
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    if (grid_)
        grid_->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(ui::TObject*)
{
    HideEditor();
    ClosePopup();
}

// The form's own deactivation on hiding must not end the edit a second time.
void TEditLink::ClosePopup()
{
    if (EditStyle != TEditStyle::esPopup || !popupForm_)
        return;
    DestroyEditor();
    forcedExit_ = true;
    popupForm_->SetVisible(false);
    forcedExit_ = false;
}

void TEditLink::FormExit(ui::TObject* Sender)
{
    if (grid_ && grid_->InplaceEditor())
        grid_->InplaceEditor()->SetText(GetEditorValue());
    if (forcedExit_) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(Sender);
}

void TEditLink::FocusGrid()
{
    if (!grid_)
        return;
    forcedExit_ = true;
    if (grid_->CanFocus())
        grid_->SetFocus();
    forcedExit_ = false;
}

void TEditLink::EditKeyDown(ui::TObject*, unsigned& Key, ui::TShiftState Shift)
{
    TGxStringGrid* g = grid_;
    if (!g)
        return;
    const bool alt = (Shift & ui::ssAlt) != 0;
    const bool ends = alt || Key == ui::VK_TAB || Key == ui::VK_RETURN || Key == ui::VK_ESCAPE || Key == ui::VK_PRIOR ||
                      Key == ui::VK_NEXT || Key == ui::VK_END || Key == ui::VK_LEFT || Key == ui::VK_RIGHT ||
                      Key == ui::VK_UP || Key == ui::VK_DOWN;
    if (!ends)
        return;
    if (!alt) {
        const bool kept = ((Key == ui::VK_UP || Key == ui::VK_DOWN) && WantKeyUpDown) ||
                          ((Key == ui::VK_LEFT || Key == ui::VK_RIGHT) && WantKeyLeftRight) ||
                          ((Key == ui::VK_END || Key == ui::VK_HOME) && WantKeyHomeEnd) ||
                          ((Key == ui::VK_PRIOR || Key == ui::VK_NEXT) && WantKeyPriorNext) ||
                          (Key == ui::VK_RETURN && (WantKeyReturn || WantReturns)) ||
                          (Key == ui::VK_ESCAPE && WantKeyEscape) || (Key == ui::VK_TAB && WantTabs);
        if (kept)
            return;
    }
    if (Key == ui::VK_TAB) {
        if (g->Navigation()->TabToNextAtEnd()) {
            FocusGrid();
            if (!g->StoreLinkValue(this))
                return void(Key = 0);
            const ui::TPoint before{g->Col(), g->Row()};
            unsigned tab = ui::VK_TAB;
            g->KeyDown(tab, Shift);
            const ui::TPoint after{g->Col(), g->Row()};
            if ((after.X != before.X || after.Y != before.Y) && !g->IsClickControlCell(after.X, after.Y))
                ui::PostMessage(g, ui::WM_KEYDOWN, ui::VK_F2, 0);
            Key = 0;
            return;
        }
        // A Tab the grid does not walk with ends the edit in place.
        Key = 0;
    }
    const unsigned key = Key;
    if (key == ui::VK_ESCAPE)
        SetEditorValue(g->CellCache());
    FocusGrid();
    // A refused value reopens the editor on the same cell (the validation does that).
    if (key != ui::VK_ESCAPE && !g->StoreLinkValue(this)) {
        Key = 0;
        return;
    }
    if (key == ui::VK_ESCAPE)
        g->HideInplaceEdit();
    ClosePopup();
    g->SelectCell(g->Col(), g->Row());
    if (key == ui::VK_RETURN) {
        g->DoneInplaceEdit(key, Shift);
        if (g->Navigation()->AdvanceOnEnter() &&
            (g->Navigation()->AdvanceAutoEdit() || g->IsClickControlCell(g->RealColIndex(g->Col()), g->Row())))
            g->ShowInplaceEdit();
        Key = 0;
        return;
    }
    if (key == ui::VK_ESCAPE || key == 0) {
        Key = 0;
        return;
    }
    if (key == ui::VK_LEFT || key == ui::VK_RIGHT || key == ui::VK_UP || key == ui::VK_DOWN) {
        unsigned k = key;
        g->KeyDown(k, Shift);
    }
    if (ui::TWinControl* c = GetEditControl())
        c->SetEnabled(false);
    FocusGrid();
    Key = 0;
}

// --- the grid's side ------------------------------------------------------------------------------------

void TGxStringGrid::SetEditLink(TEditLink* Value)
{
    if (editLink_ == Value)
        return;
    if (editLink_)
        RemoveFreeNotification(editLink_);
    editLink_ = Value;
    if (editLink_)
        FreeNotification(editLink_);
}

void TGxStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (!ANotifier || std::find(notifiers_.begin(), notifiers_.end(), ANotifier) != notifiers_.end())
        return;
    notifiers_.push_back(ANotifier);
    FreeNotification(ANotifier);
}

void TGxStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier)
{
    auto it = std::find(notifiers_.begin(), notifiers_.end(), ANotifier);
    if (it == notifiers_.end())
        return;
    notifiers_.erase(it);
    RemoveFreeNotification(ANotifier);
}

void TGxStringGrid::NotifyCellsChanged(const ui::TRect& R)
{
    const std::vector<TGridChangeNotifier*> notifiers = notifiers_;
    for (TGridChangeNotifier* n : notifiers)
        n->CellsChanged(R);
}

void TGxStringGrid::Notification(ui::TComponent* component, ui::TOperation operation)
{
    TBaseGrid::Notification(component, operation);
    if (operation != ui::TOperation::opRemove)
        return;
    if (component == editLink_) {
        // A link that goes while it edits takes its control with it.
        if (currentEditor_ == edCustom && edit_.EditMode) {
            editCtrl_ = nullptr;
            edit_.EditMode = false;
            edit_.EditActive = false;
        }
        editLink_ = nullptr;
    }
    if (component == oleDragList_)
        OleColumnDragEnd();
    notifiers_.erase(std::remove(notifiers_.begin(), notifiers_.end(), component), notifiers_.end());
}

// While a link's control edits inline, a grid that walks with Tab has it claim every key.
void TGxStringGrid::EditLinkWindowProc(ui::TWinControl* Control, ui::TMessage& Message)
{
    Control->WndProc(Message);
    if (Message.Msg == ui::WM_GETDLGCODE && (Options() & ui::goTabs))
        Message.Result |= ui::DLGC_WANTALLKEYS | ui::DLGC_WANTTAB | ui::DLGC_WANTARROWS;
}

void TGxStringGrid::ShowLinkEditor(int ACol, int ARow, const std::string& EditText)
{
    TEditLink* link = editLink_;
    const int realCol = RealColIndex(ACol);
    const ui::TRect r = CellRect(ACol, ARow);
    link->SetGrid(this);
    link->EditCell = {realCol, ARow};
    const bool popup = link->EditStyle == TEditStyle::esPopup;
    if (popup) {
        if (link->AutoPopupWidth)
            link->PopupWidth = r.Right - r.Left;
        ui::TForm* form = link->MakePopupForm();
        ui::TPoint at{link->PopupLeft, link->PopupTop};
        if (at.X == -1 || at.Y == -1)
            at = ClientToScreen({r.Left, r.Top});
        form->SetBounds(at.X, at.Y, 0, 0);
        form->SetVisible(true);
        form->SetBounds(at.X, at.Y, link->PopupWidth, link->PopupHeight);
        link->CreateEditor(form);
        link->SetRect({0, 0, link->PopupWidth, link->PopupHeight});
    } else {
        link->CreateEditor(this);
        link->SetRect(r);
    }
    link->SetVisible(true);
    link->SetCellProps(Color(), Font());
    link->SetProperties();
    DoGetEditorProp(realCol, ARow, link);
    link->SetEditorValue(EditText);
    link->SetFocus(true);
    edit_.EditActive = true;
    editCtrl_ = link->GetEditControl();
    if (editCtrl_ && edit_.StartEditChar != 0)
        ui::PostMessage(editCtrl_, ui::WM_CHAR, edit_.StartEditChar, 0);
}

void TGxStringGrid::HideLinkEditor(int RealCol, int ARow)
{
    TEditLink* link = editLink_;
    if (!link || !edit_.EditMode)
        return;
    StoreEditorValue(RealCol, ARow, link->GetEditorValue());
    if (link->EditStyle != TEditStyle::esPopup)
        link->SetVisible(false);
    link->RestoreWinProc();
    edit_.EditMode = false;
}

bool TGxStringGrid::StoreLinkValue(TEditLink* Link)
{
    edit_.LastValidation = ValidateCell(Link->GetEditorValue());
    if (!edit_.LastValidation) {
        edit_.LastValidation = true;
        return false;
    }
    // The value validation left (it may have replaced the typed one) is the one stored.
    Link->SetEditorValue(edit_.NewCellText);
    HideInplaceEdit();
    return true;
}

}  // namespace gx
