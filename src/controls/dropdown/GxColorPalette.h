#pragma once
// TCustomColorSelector: the discrete colour palette of the colour picker. A grid of small colour
// boxes; the boxes of a shade column touch, standalone rows are framed singly and followed by a
// gap. One box can be hot (under the pointer or moved by keys) and one selected.
#include "controls/dropdown/GxCollection.h"
#include "controls/dropdown/GxColorPanels.h"
#include "controls/dropdown/GxDropDownTypes.h"

namespace dropdown {

enum class TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxItem {
public:
    explicit TColorBoxItem(TCollectionBase* Collection) : FCollection(Collection) {}
    void Assign(const TColorBoxItem& Source) { SetColor(Source.FColor); }
    ui::TColor Color() const { return FColor; }
    void SetColor(ui::TColor Value);
    // How the plain frame is drawn and whether a gap follows the row.
    TItemPos ColorBoxPos() const { return FColorBoxPos; }
    void SetColorBoxPos(TItemPos Value) { FColorBoxPos = Value; }
    const ui::TRect& BoxRect() const { return FRect; }
    void SetBoxRect(const ui::TRect& R) { FRect = R; }

private:
    TCollectionBase* FCollection;
    ui::TColor FColor = ui::clNone;
    TItemPos FColorBoxPos = TItemPos::ipStandAlone;
    ui::TRect FRect;
};

using TColorBoxItems = TItemCollection<TColorBoxItem>;

// The frame colours of plain, hot and selected boxes.
struct TColorBoxAppearance {
    ui::TColor BorderColor = 0xC5C5C5;
    ui::TColor OuterBorderColorHot = 0x3694F2;
    ui::TColor InnerBorderColorHot = 0x94E2FF;
    ui::TColor OuterBorderColorSelected = 0x0000FF;
    ui::TColor InnerBorderColorSelected = 0x94E2FF;
    void Assign(const TColorBoxAppearance& Source) { *this = Source; }
};

class TCustomColorSelector : public TGxCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(ui::TComponent* AOwner);

    TColorBoxItems* Items() { return &FItems; }
    void SetItems(const TColorBoxItems& Value);
    // The 60 default boxes: a standalone row of base colours over five rows of their shades.
    void AddDefaultBoxes();

    int ItemIndex() const { return FItemIndex; }
    // Selects a box (drawn at once, OnItemSelect raised, also for the selected box) or clears the
    // selection with -1; indexes outside the boxes are ignored.
    void SetItemIndex(int Index);
    ui::TColor SelectedColor() const { return FSelectedColor; }
    // A changed colour selects the first box of that colour, or none.
    void SetSelectedColor(ui::TColor Value);
    int HotIndex() const { return FHotIndex; }
    void SetHotIndex(int Index);
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    int ColumnGap() const { return FColumnGap; }
    void SetColumnGap(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    TColorBoxAppearance* ColorBoxAppearance() { return &FAppearance; }
    void SetColorBoxAppearance(const TColorBoxAppearance& Value) { FAppearance.Assign(Value); }
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    // A change to a named style gives the box appearance its construction colours.
    void SetItemColorStyle(TSelectionColorStyle Value);

    // Page Up, Page Down, Home, End and the arrows as the colour picker passes them on.
    void HandleKey(unsigned Key, bool EditorEnabled, bool DroppedDown);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // The first box whose rectangle holds the point, else -1.
    int BoxAtPoint(int X, int Y) const;

    virtual void DrawColorBox(int Index, ui::TCanvas& Canvas);
    virtual ui::TRect GetBoxArea() const;
    virtual ui::TSize GetColorBoxSize() const;
    virtual void UpdateLayout();
    virtual void InvalidateColorBox(int Index);

    ui::TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    TColorBoxItems FItems;
    int FItemIndex = -1;
    ui::TColor FSelectedColor = ui::clNone;
    int FHotIndex = -1;
    int FColumns = 10;
    int FColumnGap = 4;
    int FColorBoxWidth = 12;
    int FColorBoxHeight = 12;
    int FOffsetX = 4;
    int FOffsetY = 4;
    TColorBoxAppearance FAppearance;
    TSelectionColorStyle FItemColorStyle = TSelectionColorStyle::scOffice2007;
};

}  // namespace dropdown
