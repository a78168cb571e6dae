#include "controls/dropdown/GxColorPickerDropDown.h"

#include <algorithm>

#include "controls/dropdown/GxColorPalette.h"
#include "controls/dropdown/GxColorPanels.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "controls/dropdown/GxDropDownPresets.h"
#include "controls/dropdown/GxItemSelector.h"

namespace dropdown {

using namespace ui;

namespace {

// The type-ahead text is cleared 500 ms after the last key.
constexpr unsigned kKeyTimer = 0x4350;

struct TNamedColor {
    const char* Caption;
    TColor Color;
};

constexpr TNamedColor kDefaultColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
};

}  // namespace

void TColorItem::Assign(const TColorItem& Source)
{
    SetCaption(Source.FCaption);
    SetColor(Source.FColor);
    FHint = Source.FHint;
}

void TColorItem::SetCaption(const std::string& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    FCollection->Changed();
}

void TColorItem::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    FCollection->Changed();
}

TGxColorPickerDropDown::TGxColorPickerDropDown(TComponent* AOwner) : TGxCustomDropDown(AOwner)
{
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetDropDownHeight(200);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    SetCursor(crArrow);
    FColors.OnChange = [](TObject*) {};
    SetItemAppearanceStyle(&FItemAppearance, GetComponentStyle());
    if (!(ComponentState() & csDesigning))
        CreateDropDownForm();
}

TGxColorPickerDropDown::~TGxColorPickerDropDown()
{
    MarkDestroying();
    if (FKeyTimer)
        KillTimer(kKeyTimer);
}

void TGxColorPickerDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TGxCustomDropDown::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FItemSelector)
        FItemSelector = nullptr;
    else if (AComponent == FPalette)
        FPalette = nullptr;
    else if (AComponent == FCube)
        FCube = nullptr;
    else if (AComponent == FSpectrum)
        FSpectrum = nullptr;
}

void TGxColorPickerDropDown::AddDefaultColors()
{
    for (const TNamedColor& c : kDefaultColors) {
        TColorItem* item = FColors.Add();
        item->SetCaption(c.Caption);
        item->SetColor(c.Color);
    }
}

void TGxColorPickerDropDown::SetItemIndex(int Value)
{
    if (Value >= FColors.Count())
        return;
    FItemIndex = Value;
    if (Value >= 0)
        FSelectedColor = FColors.GetItem(Value)->Color();
    Invalidate();
    if (OnSelect)
        OnSelect(this);
}

void TGxColorPickerDropDown::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor)
        return;
    FSelectedColor = Value;
    int index = -1;
    for (int i = 0; i < FColors.Count() && index < 0; ++i)
        if (FColors.GetItem(i)->Color() == Value)
            index = i;
    if (index >= 0)
        SetItemIndex(index);
    else
        FItemIndex = -1;  // no item names this colour
    Invalidate();
}

void TGxColorPickerDropDown::SetColorValueText(TColorValueText Value)
{
    FColorValueText = Value;
    Invalidate();
}

void TGxColorPickerDropDown::SetShowText(bool Value)
{
    if (FShowText == Value)
        return;
    FShowText = Value;
    Invalidate();
}

void TGxColorPickerDropDown::SelectFirst()
{
    if (FColors.Count() > 0)
        SetItemIndex(0);
}

void TGxColorPickerDropDown::SelectLast()
{
    if (FColors.Count() > 0)
        SetItemIndex(FColors.Count() - 1);
}

void TGxColorPickerDropDown::SelectNext()
{
    if (FColors.Count() == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex + 1 < FColors.Count())
        SetItemIndex(FItemIndex + 1);
}

void TGxColorPickerDropDown::SelectPrevious()
{
    if (FColors.Count() == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex > 0)
        SetItemIndex(FItemIndex - 1);
}

std::string TGxColorPickerDropDown::FormatSelectedColor() const
{
    if (FColorSelectionStyle == TColorSelectionStyle::csList)
        if (const TColorItem* item = FColors.GetItem(FItemIndex))
            return item->Caption();
    return dropdown::ColorValueText(FSelectedColor, FColorValueText);
}

void TGxColorPickerDropDown::SetComponentStyle(gx::TGxStyle AStyle)
{
    TGxCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(&FItemAppearance, AStyle);
}

void TGxColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    TGxCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector)
        FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

// --- the hosted choosers ---

TControl* TGxColorPickerDropDown::StyleControl() const
{
    switch (FColorSelectionStyle) {
    case TColorSelectionStyle::csList:
        return FItemSelector;
    case TColorSelectionStyle::csDiscrete:
        return FPalette;
    case TColorSelectionStyle::csColorCube:
        return FCube;
    case TColorSelectionStyle::csSpectrum:
        return FSpectrum;
    }
    return nullptr;
}

void TGxColorPickerDropDown::CreateStyleControl()
{
    TDropDownForm* window = DropDownForm();
    if (!window)
        return;
    switch (FColorSelectionStyle) {
    case TColorSelectionStyle::csList:
        if (!FItemSelector) {
            FItemSelector = new TGxCustomItemSelector(this);
            FItemSelector->SetParent(window);
            FItemSelector->SetSelectorType(TSelectorType::stColor);
            FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
        }
        FItemSelector->SetColor(DropDownColor());
        FItemSelector->UpdateSelectorPanel();
        break;
    case TColorSelectionStyle::csDiscrete:
        if (!FPalette) {
            FPalette = new TCustomColorSelector(this);
            FPalette->SetParent(window);
            FPalette->AddDefaultBoxes();
        }
        FPalette->SetBounds(0, 0, FPalette->Width(), FPalette->Height());
        FPalette->SetColor(DropDownColor());
        FPalette->UpdateLayout();
        break;
    case TColorSelectionStyle::csColorCube:
        if (!FCube) {
            FCube = new TGxColorCubePanel(this);
            FCube->SetParent(window);
        }
        break;
    case TColorSelectionStyle::csSpectrum:
        if (!FSpectrum) {
            FSpectrum = new TGxColorSpectrumPanel(this);
            FSpectrum->SetParent(window);
        }
        break;
    }
    SetControl(StyleControl());
}

void TGxColorPickerDropDown::CreateDropDownForm()
{
    TGxCustomDropDown::CreateDropDownForm();
    CreateStyleControl();
}

void TGxColorPickerDropDown::DropDownFormDestroy()
{
    if (Destroying())
        return;
    // The panels went with the window: the next window gets new ones.
    FItemSelector = nullptr;
    FPalette = nullptr;
    FCube = nullptr;
    FSpectrum = nullptr;
}

void TGxColorPickerDropDown::ShowOnly(TControl* Control)
{
    for (TControl* c : {static_cast<TControl*>(FItemSelector), static_cast<TControl*>(FPalette),
                        static_cast<TControl*>(FCube), static_cast<TControl*>(FSpectrum)})
        if (c)
            c->SetVisible(c == Control);
}

void TGxColorPickerDropDown::PrepareSelector()
{
    if (!FItemSelector)
        return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    TSelectorItems& items = *FItemSelector->Items();
    items.Clear();
    for (int i = 0; i < FColors.Count(); ++i) {
        const TColorItem& source = *FColors.GetItem(i);
        TSelectorItem* item = items.Add();
        item->SetCaption(source.Caption());
        item->SetColor(source.Color());
        item->SetHint(source.Hint());
    }
    FItemSelector->SetColorBoxHeight(FColorBoxHeight);
    FItemSelector->SetColorBoxWidth(FColorBoxWidth);
    FItemSelector->SetItemAppearance(FItemAppearance);
    FItemSelector->UpdateSelectorPanel();
    FInternalCall = true;
    FItemSelector->SetItemIndex(FItemIndex);
    FInternalCall = false;
    FItemSelector->OnItemSelect = [this](TObject*) { SelectorItemSelect(); };
    FItemSelector->SetShowHint(ShowHint());
}

void TGxColorPickerDropDown::PrepareStyle()
{
    CreateStyleControl();
    ShowOnly(StyleControl());
    // The panels size themselves; filling the window comes after the window took their size.
    if (FColorSelectionStyle != TColorSelectionStyle::csList && StyleControl())
        StyleControl()->SetAlign(TAlign::alNone);
    switch (FColorSelectionStyle) {
    case TColorSelectionStyle::csList:
        PrepareSelector();
        if (FItemSelector) {
            if (OnDrawColor)
                FItemSelector->OnDrawItem = [this](TObject*, TCanvas& c, const TRect& r, int index) {
                    OnDrawColor(this, c, r, index);
                };
            else
                FItemSelector->OnDrawItem = nullptr;
        }
        FOldItemIndex = FItemIndex;
        break;
    case TColorSelectionStyle::csDiscrete:
        if (!FPalette)
            break;
        FPalette->OnItemSelect = nullptr;
        FPalette->SetSelectedColor(FSelectedColor);
        FPalette->UpdateLayout();
        FPalette->OnItemSelect = [this](TObject*) { PaletteSelect(); };
        FPalette->SetItemColorStyle(SelectionColorStyle());
        break;
    case TColorSelectionStyle::csColorCube:
        if (!FCube)
            break;
        FCube->SetSelectedColor(FSelectedColor);
        FCube->InitCells();
        FCube->ResetHot();
        FCube->OnSelect = [this](TObject*) { PanelSelect(FCube->SelectedColor()); };
        break;
    case TColorSelectionStyle::csSpectrum:
        if (!FSpectrum)
            break;
        FSpectrum->SetSelectedColor(FSelectedColor);
        FSpectrum->Arrange();
        FSpectrum->OnSelect = [this](TObject*) { PanelSelect(FSpectrum->SelectedColor()); };
        break;
    }
    FOldItemIndex = FItemIndex;
    FOldSelectedColor = FSelectedColor;
}

void TGxColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value)
{
    FColorSelectionStyle = Value;
    if (ComponentState() & csDesigning)
        return;
    PrepareStyle();
    if (DroppedDown()) {
        UpdateDropDownSize();
        PlaceDropDownControl();
        if (DropDownForm())
            DropDownForm()->Invalidate();
    }
}

void TGxColorPickerDropDown::DoBeforeDropDown()
{
    TGxCustomDropDown::DoBeforeDropDown();
    PrepareStyle();
}

void TGxColorPickerDropDown::PlaceDropDownControl()
{
    SetControl(StyleControl());
    TGxCustomDropDown::PlaceDropDownControl();
}

void TGxColorPickerDropDown::UpdateDropDownSize()
{
    TDropDownForm* window = DropDownForm();
    if (!window)
        return;
    if (FColorSelectionStyle != TColorSelectionStyle::csList) {
        ForgetUserSize();  // the panels are not sized by the user
        TControl* panel = StyleControl();
        const bool shown = panel && panel->Visible();
        if (shown)
            panel->SetAlign(TAlign::alNone);
        int height = 2 * DropDownBorderWidth();
        if (DropDownHeader()->Visible())
            height += DropDownHeader()->Height;
        if (DropDownFooter()->Visible())
            height += DropDownFooter()->Height;
        const int width = shown ? panel->Width() + 2 * DropDownBorderWidth() : Width();
        if (shown) {
            SetControlSize({panel->Width(), panel->Height()});
            height += panel->Height();
        }
        window->SetBounds(window->Left(), window->Top(), width, height);
        return;
    }
    if (!FItemSelector) {
        TGxCustomDropDown::UpdateDropDownSize();
        return;
    }
    FItemSelector->SetAlign(TAlign::alNone);
    const TSize panel = FItemSelector->GetPanelSize();
    FItemSelector->SetBounds(FItemSelector->Left(), FItemSelector->Top(),
                             DropDownWidth() < 1 ? panel.cx : FItemSelector->Width(),
                             DropDownHeight() < 1 ? panel.cy : FItemSelector->Height());
    SetControlSize({FItemSelector->Width(), FItemSelector->Height()});
    TGxCustomDropDown::UpdateDropDownSize();
    if (DropDownWidth() < 1)  // the list's own width inside the window's border
        window->SetWidth(window->Width() + 2 * DropDownBorderWidth());
    const int inner = window->Height() - 2 * DropDownBorderWidth() -
                      (DropDownHeader()->Visible() ? DropDownHeader()->Height : 0) -
                      (DropDownFooter()->Visible() ? DropDownFooter()->Height : 0);
    if (panel.cy > inner)
        window->SetWidth(window->Width() + TWinControl::ScrollBarSize);
}

// --- choosing ---

void TGxColorPickerDropDown::SelectorItemSelect()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TGxColorPickerDropDown::PaletteSelect()
{
    SetSelectedColor(FPalette->SelectedColor());
    SetItemIndex(-1);
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TGxColorPickerDropDown::PanelSelect(TColor Color)
{
    SetSelectedColor(Color);
    SetItemIndex(-1);
    DoHideDropDown(false);
}

void TGxColorPickerDropDown::DoHideDropDown(bool Cancelled)
{
    const bool wasDown = DroppedDown();
    TGxCustomDropDown::DoHideDropDown(Cancelled);
    if (!wasDown || !Cancelled)
        return;
    // Cancel brings back the item and the colour of the opening.
    if (FColorSelectionStyle == TColorSelectionStyle::csList && FItemSelector)
        SetItemIndex(FOldItemIndex);
    if (FColorSelectionStyle == TColorSelectionStyle::csDiscrete && FPalette) {
        FInternalCall = true;
        const auto select = FPalette->OnItemSelect;
        FPalette->OnItemSelect = nullptr;
        FPalette->SetSelectedColor(FOldSelectedColor);
        FPalette->OnItemSelect = select;
        FInternalCall = false;
    }
    FSelectedColor = FOldSelectedColor;
    FItemIndex = FOldItemIndex;
    Invalidate();
}

// --- keys and wheel ---

void TGxColorPickerDropDown::MoveSelector(int Target)
{
    if (!FItemSelector)
        return;
    FInternalCall = true;
    if (Target >= 0 && Target < FItemSelector->Items()->Count())
        FItemSelector->SetItemIndex(Target);
    FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
    FInternalCall = false;
}

void TGxColorPickerDropDown::KeyDown(unsigned& Key, TShiftState Shift)
{
    const unsigned key = Key;
    bool enterUsed = false;
    if (Enabled() && DroppedDown() && key == VK_RETURN) {
        if (FColorSelectionStyle == TColorSelectionStyle::csList && FItemSelector && FItemSelector->ItemHot() >= 0) {
            FItemSelector->SetItemIndex(FItemSelector->ItemHot());  // selects and closes
            enterUsed = true;
        } else if (FColorSelectionStyle == TColorSelectionStyle::csDiscrete && FPalette && FPalette->HotIndex() >= 0) {
            FPalette->SetItemIndex(FPalette->HotIndex());
            enterUsed = true;
        }
    }
    TGxCustomDropDown::KeyDown(Key, Shift);
    if (!Enabled() || (Shift & ssAlt))
        return;
    if (FColorSelectionStyle == TColorSelectionStyle::csList && FItemSelector) {
        ListKey(key, Shift, enterUsed);
    } else if (FColorSelectionStyle == TColorSelectionStyle::csDiscrete && FPalette) {
        FInternalCall = true;
        FPalette->HandleKey(key, EditorEnabled(), DroppedDown());
        FInternalCall = false;
        if (key == VK_RETURN && !enterUsed && OnSelect)
            OnSelect(this);
    }
}

void TGxColorPickerDropDown::ListKey(unsigned Key, TShiftState Shift, bool EnterUsed)
{
    const bool down = DroppedDown();
    const int selected = FItemSelector->ItemIndex();
    const auto internal = [this](auto action) {
        FInternalCall = true;
        action();
        FInternalCall = false;
    };
    switch (Key) {
    case VK_RETURN:
        if (!EnterUsed && OnSelect)
            OnSelect(this);
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        if (FItemSelector->Items()->Count() != FColors.Count())
            PrepareSelector();
        const int v = FItemSelector->GetVisibleItemCount();
        if (v > 0)
            MoveSelector(Key == VK_PRIOR ? std::max(0, FItemSelector->ItemIndex() - v)
                                         : std::min(FItemSelector->ItemIndex() + v, FColors.Count() - 1));
        break;
    }
    case VK_END:
        if (down)
            internal([this] { FItemSelector->SelectLast(); });
        else
            SelectLast();
        break;
    case VK_HOME:
        if (down)
            internal([this] { FItemSelector->SelectFirst(); });
        else
            SelectFirst();
        break;
    case VK_LEFT:
        if (down && !EditorEnabled())
            internal([this] { FItemSelector->SelectPrevious(); });
        break;
    case VK_RIGHT:
        if (down && !EditorEnabled())
            internal([this] { FItemSelector->SelectNext(); });
        break;
    case VK_UP:
        if (down)
            MoveSelector(selected < 0 ? 0 : selected - FColumns);
        else
            SelectPrevious();
        break;
    case VK_DOWN:
        if (down)
            MoveSelector(selected < 0 ? 0 : selected + FColumns);
        else
            SelectNext();
        break;
    default:
        if ((Shift & ssCtrl) || Key == VK_ESCAPE || Key == VK_F4 || Key == VK_SHIFT || Key == VK_CONTROL ||
            Key == VK_MENU || Key == VK_TAB)
            break;
        if (FItemSelector->Items()->Count() != FColors.Count())
            PrepareSelector();
        FCurSearch.push_back(static_cast<char>(Key));
        internal([this] { FItemSelector->LookupItem(FCurSearch); });
        // Each key starts the half second again.
        if (FKeyTimer)
            KillTimer(kKeyTimer);
        SetTimer(kKeyTimer, 500);
        FKeyTimer = true;
        break;
    }
}

void TGxColorPickerDropDown::KeyTimerTick()
{
    KillTimer(kKeyTimer);
    FKeyTimer = false;
    FCurSearch.clear();
}

void TGxColorPickerDropDown::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_TIMER && Message.WParam == kKeyTimer) {
        KeyTimerTick();
        return;
    }
    TGxCustomDropDown::WndProc(Message);
}

void TGxColorPickerDropDown::HandleMouseWheelDown()
{
    TGxCustomDropDown::HandleMouseWheelDown();
    if (!Enabled() || ReadOnly())
        return;
    if (FColorSelectionStyle == TColorSelectionStyle::csList && FItemSelector) {
        if (DroppedDown()) {
            FItemSelector->HotNext();
            return;
        }
        if (FItemSelector->Items()->Count() != FColors.Count())
            PrepareSelector();
        FInternalCall = true;
        FItemSelector->SelectNext();
        FInternalCall = false;
    } else if (FColorSelectionStyle == TColorSelectionStyle::csDiscrete && FPalette) {
        FInternalCall = true;
        if (DroppedDown())
            FPalette->HotNext();
        else
            FPalette->SelectNext();
        FInternalCall = false;
    }
}

void TGxColorPickerDropDown::HandleMouseWheelUp()
{
    TGxCustomDropDown::HandleMouseWheelUp();
    if (!Enabled() || ReadOnly())
        return;
    if (FColorSelectionStyle == TColorSelectionStyle::csList && FItemSelector) {
        if (DroppedDown()) {
            FItemSelector->HotPrevious();
            return;
        }
        if (FItemSelector->Items()->Count() != FColors.Count())
            PrepareSelector();
        FInternalCall = true;
        FItemSelector->SelectPrevious();
        FInternalCall = false;
    } else if (FColorSelectionStyle == TColorSelectionStyle::csDiscrete && FPalette) {
        FInternalCall = true;
        if (DroppedDown())
            FPalette->HotPrevious();
        else
            FPalette->SelectPrevious();
        FInternalCall = false;
    }
}

// --- painting the edit ---

void TGxColorPickerDropDown::PaintFocusedText(TCanvas& Canvas)
{
    TGxCustomDropDown::PaintFocusedText(Canvas);
    PaintSelectedColor(Canvas);
}

void TGxColorPickerDropDown::PaintSelectedColor(TCanvas& Canvas)
{
    const TRect r{1, 1, Width() - 2 - DropDownButtonWidth(), Height() - 2};
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, Canvas, r);
        return;
    }
    if (FSelectedColor == clNone)
        return;
    const TRect box = Bounds(r.Left + 4, r.Top + (Height() - FColorBoxHeight) / 2, FColorBoxWidth, FColorBoxHeight);
    Canvas.Pen()->SetColor(clBlack);
    Canvas.Pen()->SetWidth(1);
    Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush()->SetColor(FSelectedColor);
    Canvas.Rectangle(box);
    if (!FShowText)
        return;
    const bool focused = Focused();
    Canvas.Font()->Assign(*Font());
    if (!EditorEnabled() && focused)
        Canvas.Font()->SetColor(clHighlightText);
    TRect text{box.Right + 4, r.Top, r.Right, r.Bottom};
    Canvas.Brush()->SetColor(focused ? clHighlight : Color());
    Canvas.DrawText(SelectedColorText(), text, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
}

}  // namespace dropdown
