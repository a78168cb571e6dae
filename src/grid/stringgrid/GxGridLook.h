// Settings objects of the string grid's look: the control look (cell check boxes, radio buttons and
// buttons, the fixed cells' gradients, the drop-down editors' header and footer), the sort
// settings with their text form, and the background. Each keeps its grid to repaint it; painting
// and sorting that read them are built elsewhere.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "grid/stringgrid/GxGridTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Graphics.h"

namespace gx {

class TGxStringGrid;
using ui::TNotifyEvent;

// --- drop-down header and footer appearance ---------------------------------------------------------

class THeaderButton : public TObject {
public:
    void Assign(const THeaderButton& Source);
    std::string Caption;
    int ImageIndex = -1;
    bool Enabled = true;
    int Height = 0;
    int Width = 0;
};

class TFooterButton : public THeaderButton {
public:
    void Assign(const TFooterButton& Source);
    ui::TModalResult ModalResult = 0;
};

// A collection of header or footer buttons.
template <typename TButton>
class TAppearanceButtons : public TObject {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TButton* Add();
    TButton* Insert(int Index);  // clamped to the collection
    TButton* Items(int Index) const { return items_.at(static_cast<std::size_t>(Index)).get(); }
    void SetItems(int Index, const TButton& Value) { Items(Index)->Assign(Value); }
    void Clear();
    void Assign(const TAppearanceButtons& Source);
    TNotifyEvent OnChange;

private:
    void Changed();
    std::vector<std::unique_ptr<TButton>> items_;
};

using THeaderButtons = TAppearanceButtons<THeaderButton>;
using TFooterButtons = TAppearanceButtons<TFooterButton>;

// The header bar of the drop-down editors; TFooterAppearance adds the size grip.
class THeaderAppearance : public TObject {
public:
    explicit THeaderAppearance(TObject* AOwner);
    // From the same class only: colours, caption, font, image, border width, gradient, height,
    // Visible (through its setter), button alignment and buttons.
    void Assign(const TObject* Source);
    // From the same class only: the colours, the font and the gradient direction.
    void AssignColors(const TObject* Source);
    TObject* Owner() const { return owner_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool Value);  // fires OnChange when it changes
    ui::TFont* Font() { return &font_; }
    void SetFont(const ui::TFont& Value) { font_.Assign(Value); }
    THeaderButtons* Buttons() { return &buttons_; }

    int Height = 22;
    int BorderWidth = 1;
    int ImageIndex = -1;
    std::string Caption;
    ui::TColor ColorTo = 0xFFFFFF;
    ui::TColor Color = 0xC0C0C0;
    ui::TColor BorderColor = 0;
    TGradientDirection GradientDirection = gdVertical;
    TButtonAlignment ButtonAlignment = baRight;
    TNotifyEvent OnChange;
    TNotifyEvent OnButtonsChanged;

protected:
    void CopyFrom(const THeaderAppearance& s);
    TObject* owner_;
    bool visible_ = true;
    ui::TFont font_;
    THeaderButtons buttons_;
};

class TFooterAppearance : public THeaderAppearance {
public:
    explicit TFooterAppearance(TObject* AOwner);
    void Assign(const TObject* Source);
    TFooterButtons* Buttons() { return &footerButtons_; }
    bool SizeGrip = true;

private:
    TFooterButtons footerButtons_;
};

// --- control look -------------------------------------------------------------------------------------

class TControlLook : public TObject {
public:
    explicit TControlLook(TGxStringGrid* AOwner);
    // The constructor's values; also run by the grid's style presets. Stores the fixed-gradient
    // colours without touching the grid's copies, except the hover and pressed mirror colours,
    // which go through their setters.
    void Init();
    // Copies the values listed by the class (not FlatButton, ProgressXP, the two disabled looks and
    // FixedDropDownButton), without the setters' effects.
    void Assign(const TObject* Source);

    // Setters that repaint the grid.
    ui::TColor Color() const { return color_; }
    void SetColor(ui::TColor v);
    ui::TColor CommentColor() const { return commentColor_; }
    void SetCommentColor(ui::TColor v);
    int CheckSize() const { return checkSize_; }
    void SetCheckSize(int v);
    int RadioSize() const { return radioSize_; }
    void SetRadioSize(int v);
    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle v);
    bool DropDownAlwaysVisible() const { return dropDownAlwaysVisible_; }
    void SetDropDownAlwaysVisible(bool v);
    bool SpinButtonsAlwaysVisible() const { return spinButtonsAlwaysVisible_; }
    void SetSpinButtonsAlwaysVisible(bool v);
    bool FlatButton() const { return flatButton_; }
    void SetFlatButton(bool v);
    bool NoDisabledCheckRadioLook() const { return noDisabledCheckRadioLook_; }
    void SetNoDisabledCheckRadioLook(bool v);
    bool NoDisabledButtonLook() const { return noDisabledButtonLook_; }
    void SetNoDisabledButtonLook(bool v);
    int ProgressMarginX() const { return progressMarginX_; }
    void SetProgressMarginX(int v);
    int ProgressMarginY() const { return progressMarginY_; }
    void SetProgressMarginY(int v);
    bool ProgressXP() const { return progressXP_; }
    void SetProgressXP(bool v);
    ui::TBitmap* CheckedGlyph() { return &checkedGlyph_; }
    void SetCheckedGlyph(const ui::TBitmap& v);
    ui::TBitmap* UnCheckedGlyph() { return &unCheckedGlyph_; }
    void SetUnCheckedGlyph(const ui::TBitmap& v);
    ui::TBitmap* RadioOnGlyph() { return &radioOnGlyph_; }
    void SetRadioOnGlyph(const ui::TBitmap& v);
    ui::TBitmap* RadioOffGlyph() { return &radioOffGlyph_; }
    void SetRadioOffGlyph(const ui::TBitmap& v);
    THeaderAppearance* DropDownHeader() { return &dropDownHeader_; }
    void SetDropDownHeader(const THeaderAppearance& v) { dropDownHeader_.Assign(&v); }
    TFooterAppearance* DropDownFooter() { return &dropDownFooter_; }
    void SetDropDownFooter(const TFooterAppearance& v) { dropDownFooter_.Assign(&v); }

    // The fixed cells' gradients. Setting one also sets the grid's copy of it: the from, to and
    // border colours only when the value is not clNone, the mirror colours whatever it is.
    ui::TColor FixedGradientFrom() const { return fixed_[kFrom]; }
    void SetFixedGradientFrom(ui::TColor v) { SetFixed(kFrom, v); }
    ui::TColor FixedGradientTo() const { return fixed_[kTo]; }
    void SetFixedGradientTo(ui::TColor v) { SetFixed(kTo, v); }
    ui::TColor FixedGradientMirrorFrom() const { return fixed_[kMirrorFrom]; }
    void SetFixedGradientMirrorFrom(ui::TColor v) { SetFixed(kMirrorFrom, v); }
    ui::TColor FixedGradientMirrorTo() const { return fixed_[kMirrorTo]; }
    void SetFixedGradientMirrorTo(ui::TColor v) { SetFixed(kMirrorTo, v); }
    ui::TColor FixedGradientHoverFrom() const { return fixed_[kHoverFrom]; }
    void SetFixedGradientHoverFrom(ui::TColor v) { SetFixed(kHoverFrom, v); }
    ui::TColor FixedGradientHoverTo() const { return fixed_[kHoverTo]; }
    void SetFixedGradientHoverTo(ui::TColor v) { SetFixed(kHoverTo, v); }
    ui::TColor FixedGradientHoverMirrorFrom() const { return fixed_[kHoverMirrorFrom]; }
    void SetFixedGradientHoverMirrorFrom(ui::TColor v) { SetFixed(kHoverMirrorFrom, v); }
    ui::TColor FixedGradientHoverMirrorTo() const { return fixed_[kHoverMirrorTo]; }
    void SetFixedGradientHoverMirrorTo(ui::TColor v) { SetFixed(kHoverMirrorTo, v); }
    ui::TColor FixedGradientHoverBorder() const { return fixed_[kHoverBorder]; }
    void SetFixedGradientHoverBorder(ui::TColor v) { SetFixed(kHoverBorder, v); }
    ui::TColor FixedGradientDownFrom() const { return fixed_[kDownFrom]; }
    void SetFixedGradientDownFrom(ui::TColor v) { SetFixed(kDownFrom, v); }
    ui::TColor FixedGradientDownTo() const { return fixed_[kDownTo]; }
    void SetFixedGradientDownTo(ui::TColor v) { SetFixed(kDownTo, v); }
    ui::TColor FixedGradientDownMirrorFrom() const { return fixed_[kDownMirrorFrom]; }
    void SetFixedGradientDownMirrorFrom(ui::TColor v) { SetFixed(kDownMirrorFrom, v); }
    ui::TColor FixedGradientDownMirrorTo() const { return fixed_[kDownMirrorTo]; }
    void SetFixedGradientDownMirrorTo(ui::TColor v) { SetFixed(kDownMirrorTo, v); }
    ui::TColor FixedGradientDownBorder() const { return fixed_[kDownBorder]; }
    void SetFixedGradientDownBorder(ui::TColor v) { SetFixed(kDownBorder, v); }

    bool FixedDropDownButton = false;
    int HintMaxWidth = 0;
    bool CheckAlwaysActive = false;
    bool RadioAlwaysActive = false;
    int DropDownCount = 8;
    ui::TColor ProgressBorderColor = 0x808080;

    // Positions of the fourteen fixed-gradient colours (also in the grid's copy).
    enum FixedColor {
        kFrom,
        kTo,
        kMirrorFrom,
        kMirrorTo,
        kHoverFrom,
        kHoverTo,
        kHoverMirrorFrom,
        kHoverMirrorTo,
        kHoverBorder,
        kDownFrom,
        kDownTo,
        kDownMirrorFrom,
        kDownMirrorTo,
        kDownBorder,
        kFixedColorCount
    };

private:
    void SetFixed(FixedColor which, ui::TColor v);
    void Repaint();

    TGxStringGrid* grid_;
    ui::TColor color_ = 0;
    ui::TColor commentColor_ = 0x0000FF;
    int checkSize_ = 15;
    int radioSize_ = 10;
    TControlStyle controlStyle_ = csTheme;
    bool dropDownAlwaysVisible_ = false;
    bool spinButtonsAlwaysVisible_ = false;
    bool flatButton_ = false;
    bool noDisabledCheckRadioLook_ = false;
    bool noDisabledButtonLook_ = false;
    int progressMarginX_ = 2;
    int progressMarginY_ = 2;
    bool progressXP_ = false;
    ui::TColor fixed_[kFixedColorCount]{};
    ui::TBitmap checkedGlyph_;
    ui::TBitmap unCheckedGlyph_;
    ui::TBitmap radioOnGlyph_;
    ui::TBitmap radioOffGlyph_;
    THeaderAppearance dropDownHeader_;
    TFooterAppearance dropDownFooter_;
};

// --- sort settings --------------------------------------------------------------------------------------

class TSortSettings : public TObject {
public:
    explicit TSortSettings(TGxStringGrid* AOwner) : grid_(AOwner) {}
    // Copies every property but SortOnVirtualCells and IgnoreCase; glyphs by content; no repaint.
    void Assign(const TObject* Source);

    // "u<col>" or "d<col>", or with IndexShow "i;" and the grid's index-sort list ("i;u1;d3").
    std::string SaveToString() const;
    // Sets the sort state from such a text and sorts the grid; an empty text does nothing; a
    // one-character text raises "Invalid sort settings specifier" (after Show is set).
    void LoadFromString(const std::string& Value);
    // No sort column, no index sort; the last fixed row is repainted.
    void Remove();
    void ToggleDirection();

    bool Show() const { return show_; }
    void SetShow(bool v);  // repaints when it changes
    int Row() const { return row_; }
    // Must lie below the grid's FixedRows: otherwise "Sort row should be smaller than number of
    // fixed rows" and Row stays.
    void SetRow(int v);
    ui::TColor HeaderColor() const { return header_[0]; }
    void SetHeaderColor(ui::TColor v) { SetHeader(0, v); }
    ui::TColor HeaderColorTo() const { return header_[1]; }
    void SetHeaderColorTo(ui::TColor v) { SetHeader(1, v); }
    ui::TColor HeaderMirrorColor() const { return header_[2]; }
    void SetHeaderMirrorColor(ui::TColor v) { SetHeader(2, v); }
    ui::TColor HeaderMirrorColorTo() const { return header_[3]; }
    void SetHeaderMirrorColorTo(ui::TColor v) { SetHeader(3, v); }
    ui::TBitmap* UpGlyph() { return &upGlyph_; }
    void SetUpGlyph(const ui::TBitmap& v) { upGlyph_.Assign(v); }
    ui::TBitmap* DownGlyph() { return &downGlyph_; }
    void SetDownGlyph(const ui::TBitmap& v) { downGlyph_.Assign(v); }
    ui::TBitmap* IndexUpGlyph() { return &indexUpGlyph_; }
    void SetIndexUpGlyph(const ui::TBitmap& v) { indexUpGlyph_.Assign(v); }
    ui::TBitmap* IndexDownGlyph() { return &indexDownGlyph_; }
    void SetIndexDownGlyph(const ui::TBitmap& v) { indexDownGlyph_.Assign(v); }

    bool AutoSortForGrouping = true;
    bool AutoColumnMerge = false;
    int Column = -1;
    bool IndexShow = false;
    ui::TColor IndexColor = 0x00FFFF;
    TIndexSortKey IndexSortKey = ikShift;
    bool Full = true;
    bool SingleColumn = false;
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    bool AutoFormat = true;
    TSortDirection Direction = sdAscending;
    bool IgnoreCase = false;
    TSortDirection InitSortDirection = sdAscending;
    bool FixedCols = false;
    bool NormalCellsOnly = false;
    bool UndoSort = false;
    bool SortOnVirtualCells = true;

private:
    void SetHeader(int i, ui::TColor v);
    TGxStringGrid* grid_;
    bool show_ = false;
    int row_ = 0;
    ui::TColor header_[4]{ui::clNone, ui::clNone, ui::clNone, ui::clNone};
    ui::TBitmap upGlyph_;
    ui::TBitmap downGlyph_;
    ui::TBitmap indexUpGlyph_;
    ui::TBitmap indexDownGlyph_;
};

// --- background --------------------------------------------------------------------------------------------

// A picture or gradient behind the cells; every change repaints the grid.
class TBackGround : public TObject {
public:
    explicit TBackGround(TGxStringGrid* AGrid) : grid_(AGrid) {}
    void Assign(const TObject* Source);

    int Top() const { return top_; }
    void SetTop(int v);
    int Left() const { return left_; }
    void SetLeft(int v);
    TBackGroundDisplay Display() const { return display_; }
    void SetDisplay(TBackGroundDisplay v);
    TBackGroundCells Cells() const { return cells_; }
    void SetCells(TBackGroundCells v);
    ui::TColor Color() const { return color_; }
    void SetColor(ui::TColor v);
    ui::TColor ColorTo() const { return colorTo_; }
    void SetColorTo(ui::TColor v);
    ui::TBitmap* Bitmap() { return &bitmap_; }
    void SetBitmap(const ui::TBitmap& v);

private:
    void Repaint();
    TGxStringGrid* grid_;
    int top_ = 0;
    int left_ = 0;
    TBackGroundDisplay display_ = bdTile;
    TBackGroundCells cells_ = bcNormal;
    ui::TColor color_ = ui::clWindow;
    ui::TColor colorTo_ = ui::clBtnFace;
    ui::TBitmap bitmap_;
};

}  // namespace gx
