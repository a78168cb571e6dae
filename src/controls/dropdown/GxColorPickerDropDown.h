#pragma once
// TGxColorPickerDropDown: a colour choice. The edit shows a box of the selected colour and its text;
// the window hosts a list of named colours, a palette of colour boxes, the colour honeycomb or the
// hue and lightness spectrum. Typing into the edit is off; keys, the wheel and typed letters move
// through the named colours.
#include <string>

#include "controls/dropdown/GxCollection.h"
#include "controls/dropdown/GxColorText.h"
#include "controls/dropdown/GxDropDown.h"
#include "controls/dropdown/GxItemAppearance.h"

namespace dropdown {

class TGxCustomItemSelector;
class TCustomColorSelector;
class TGxColorCubePanel;
class TGxColorSpectrumPanel;

class TColorItem {
public:
    explicit TColorItem(TCollectionBase* Collection) : FCollection(Collection) {}
    void Assign(const TColorItem& Source);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    ui::TColor Color() const { return FColor; }
    void SetColor(ui::TColor Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }

private:
    TCollectionBase* FCollection;
    std::string FCaption;
    ui::TColor FColor = ui::clNone;
    std::string FHint;
};

using TColorItems = TItemCollection<TColorItem>;

enum class TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };

class TGxColorPickerDropDown : public TGxCustomDropDown {
public:
    explicit TGxColorPickerDropDown(ui::TComponent* AOwner);
    ~TGxColorPickerDropDown() override;

    TColorItems* Colors() { return &FColors; }
    void SetColors(const TColorItems& Value) { FColors.Assign(Value); }
    // Appends the sixteen basic colours (the list is not cleared first).
    void AddDefaultColors();
    int ItemIndex() const { return FItemIndex; }
    // Ignored at or above the colour count; otherwise stored, the item's colour becomes the
    // selected colour (an index below 0 keeps the colour), repaint and OnSelect.
    void SetItemIndex(int Value);
    ui::TColor SelectedColor() const { return FSelectedColor; }
    // A new colour is stored; the first item of that colour becomes the item index, and a colour no
    // item has leaves no item selected (-1), so the text never names another colour.
    void SetSelectedColor(ui::TColor Value);
    std::string SelectedColorText() const { return FormatSelectedColor(); }
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value) { FColorBoxWidth = Value; }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value) { FColorBoxHeight = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance* ItemAppearance() { return &FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(Value); }
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText Value);
    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);
    // The hosted choosers (created on first need).
    TGxCustomItemSelector* ItemSelector() const { return FItemSelector; }
    TCustomColorSelector* Palette() const { return FPalette; }
    TGxColorCubePanel* Cube() const { return FCube; }
    TGxColorSpectrumPanel* Spectrum() const { return FSpectrum; }
    // The typed text of the running look-up in the named colours.
    const std::string& CurSearch() const { return FCurSearch; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    virtual std::string FormatSelectedColor() const;

    void SetComponentStyle(gx::TGxStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void DoHideDropDown(bool Cancelled) override;
    void WndProc(ui::TMessage& Message) override;

    ui::TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedColor;
    TDrawItemEvent OnDrawColor;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void PlaceDropDownControl() override;
    void UpdateDropDownSize() override;
    void DropDownFormDestroy() override;
    void HandleMouseWheelDown() override;
    void HandleMouseWheelUp() override;
    void PaintFocusedText(ui::TCanvas& Canvas) override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
    void CreateStyleControl();
    void PrepareStyle();
    void PrepareSelector();
    void ShowOnly(ui::TControl* Control);
    ui::TControl* StyleControl() const;
    void SelectorItemSelect();
    void PaletteSelect();
    void PanelSelect(ui::TColor Color);
    void MoveSelector(int Target);
    void ListKey(unsigned Key, ui::TShiftState Shift, bool EnterUsed);
    void KeyTimerTick();
    void PaintSelectedColor(ui::TCanvas& Canvas);

    TColorItems FColors;
    int FItemIndex = -1;
    ui::TColor FSelectedColor = ui::clNone;
    int FColumns = 1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TItemLayout FLayout = TItemLayout::ilCaptionRight;
    TItemAppearance FItemAppearance;
    TColorValueText FColorValueText = TColorValueText::cvtNone;
    TColorSelectionStyle FColorSelectionStyle = TColorSelectionStyle::csList;
    bool FShowText = true;
    TGxCustomItemSelector* FItemSelector = nullptr;
    TCustomColorSelector* FPalette = nullptr;
    TGxColorCubePanel* FCube = nullptr;
    TGxColorSpectrumPanel* FSpectrum = nullptr;
    bool FInternalCall = false;
    bool FKeyTimer = false;
    std::string FCurSearch;
    int FOldItemIndex = -1;
    ui::TColor FOldSelectedColor = ui::clNone;
};

}  // namespace dropdown
