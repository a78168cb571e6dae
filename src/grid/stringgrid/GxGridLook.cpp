// The control look, the sort settings (with their text form) and the background of the string grid.
#include "grid/stringgrid/GxGridLook.h"

#include <charconv>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// --- header and footer appearance ---------------------------------------------------------------------

void THeaderButton::Assign(const THeaderButton& Source)
{
    Caption = Source.Caption;
    ImageIndex = Source.ImageIndex;
    Enabled = Source.Enabled;
    Width = Source.Width;
    Height = Source.Height;
}

void TFooterButton::Assign(const TFooterButton& Source)
{
    THeaderButton::Assign(Source);
    ModalResult = Source.ModalResult;
}

template <typename TButton>
TButton* TAppearanceButtons<TButton>::Add()
{
    return Insert(Count());
}

template <typename TButton>
TButton* TAppearanceButtons<TButton>::Insert(int Index)
{
    const auto at = items_.begin() + std::clamp(Index, 0, Count());
    TButton* button = items_.insert(at, std::make_unique<TButton>())->get();
    Changed();
    return button;
}

template <typename TButton>
void TAppearanceButtons<TButton>::Clear()
{
    items_.clear();
    Changed();
}

template <typename TButton>
void TAppearanceButtons<TButton>::Assign(const TAppearanceButtons& Source)
{
    if (&Source == this)
        return;
    items_.clear();
    for (const auto& item : Source.items_)
        items_.emplace_back(std::make_unique<TButton>())->Assign(*item);
    Changed();
}

template <typename TButton>
void TAppearanceButtons<TButton>::Changed()
{
    if (OnChange)
        OnChange(this);
}

template class TAppearanceButtons<THeaderButton>;
template class TAppearanceButtons<TFooterButton>;

THeaderAppearance::THeaderAppearance(TObject* AOwner) : owner_(AOwner)
{
    font_.SetName("Tahoma");
    buttons_.OnChange = [this](TObject*) {
        if (OnButtonsChanged)
            OnButtonsChanged(this);
    };
}

void THeaderAppearance::SetVisible(bool Value)
{
    if (visible_ == Value)
        return;
    visible_ = Value;
    if (OnChange)
        OnChange(this);
}

void THeaderAppearance::CopyFrom(const THeaderAppearance& s)
{
    ColorTo = s.ColorTo;
    Color = s.Color;
    BorderColor = s.BorderColor;
    Caption = s.Caption;
    font_.Assign(s.font_);
    ImageIndex = s.ImageIndex;
    BorderWidth = s.BorderWidth;
    GradientDirection = s.GradientDirection;
    Height = s.Height;
    SetVisible(s.visible_);
    ButtonAlignment = s.ButtonAlignment;
}

void THeaderAppearance::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const THeaderAppearance*>(Source);
    if (!s || s == this || dynamic_cast<const TFooterAppearance*>(Source) || dynamic_cast<TFooterAppearance*>(this))
        return;
    CopyFrom(*s);
    buttons_.Assign(s->buttons_);
}

void THeaderAppearance::AssignColors(const TObject* Source)
{
    const auto* s = dynamic_cast<const THeaderAppearance*>(Source);
    const bool sameClass = s && (dynamic_cast<const TFooterAppearance*>(s) != nullptr) ==
                                    (dynamic_cast<const TFooterAppearance*>(this) != nullptr);
    if (!sameClass || s == this)
        return;
    ColorTo = s->ColorTo;
    Color = s->Color;
    BorderColor = s->BorderColor;
    font_.Assign(s->font_);
    GradientDirection = s->GradientDirection;
}

// The footer's font keeps the default name.
TFooterAppearance::TFooterAppearance(TObject* AOwner) : THeaderAppearance(AOwner)
{
    font_.Assign(ui::TFont());
    footerButtons_.OnChange = [this](TObject*) {
        if (OnButtonsChanged)
            OnButtonsChanged(this);
    };
}

void TFooterAppearance::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TFooterAppearance*>(Source);
    if (!s || s == this)
        return;
    CopyFrom(*s);
    SizeGrip = s->SizeGrip;
    footerButtons_.Assign(s->footerButtons_);
}

// --- control look -------------------------------------------------------------------------------------------

TControlLook::TControlLook(TGxStringGrid* AOwner) : grid_(AOwner), dropDownHeader_(AOwner), dropDownFooter_(AOwner)
{
    Init();
}

void TControlLook::Init()
{
    color_ = 0;
    commentColor_ = 0x0000FF;
    ProgressBorderColor = 0x808080;
    fixed_[kFrom] = fixed_[kTo] = fixed_[kMirrorFrom] = fixed_[kMirrorTo] = ui::clNone;
    fixed_[kHoverFrom] = ui::clGray;
    fixed_[kHoverTo] = ui::clWhite;
    fixed_[kHoverBorder] = ui::clSilver;
    fixed_[kDownFrom] = ui::clGray;
    fixed_[kDownTo] = ui::clSilver;
    fixed_[kDownBorder] = ui::clGray;
    SetFixedGradientHoverMirrorFrom(ui::clNone);
    SetFixedGradientHoverMirrorTo(ui::clNone);
    SetFixedGradientDownMirrorFrom(ui::clNone);
    SetFixedGradientDownMirrorTo(ui::clNone);
}

void TControlLook::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TControlLook*>(Source);
    if (!s || s == this)
        return;
    checkSize_ = s->checkSize_;
    radioSize_ = s->radioSize_;
    controlStyle_ = s->controlStyle_;
    checkedGlyph_.Assign(s->checkedGlyph_);
    unCheckedGlyph_.Assign(s->unCheckedGlyph_);
    radioOnGlyph_.Assign(s->radioOnGlyph_);
    radioOffGlyph_.Assign(s->radioOffGlyph_);
    progressMarginX_ = s->progressMarginX_;
    progressMarginY_ = s->progressMarginY_;
    commentColor_ = s->commentColor_;
    color_ = s->color_;
    ProgressBorderColor = s->ProgressBorderColor;
    CheckAlwaysActive = s->CheckAlwaysActive;
    RadioAlwaysActive = s->RadioAlwaysActive;
    std::copy(std::begin(s->fixed_), std::end(s->fixed_), std::begin(fixed_));
    dropDownAlwaysVisible_ = s->dropDownAlwaysVisible_;
    spinButtonsAlwaysVisible_ = s->spinButtonsAlwaysVisible_;
    DropDownCount = s->DropDownCount;
    dropDownFooter_.Assign(&s->dropDownFooter_);
    dropDownHeader_.Assign(&s->dropDownHeader_);
    HintMaxWidth = s->HintMaxWidth;
}

void TControlLook::SetFixed(FixedColor which, ui::TColor v)
{
    fixed_[which] = v;
    const bool mirror = which == kMirrorFrom || which == kMirrorTo || which == kHoverMirrorFrom ||
                        which == kHoverMirrorTo || which == kDownMirrorFrom || which == kDownMirrorTo;
    if (grid_ && (mirror || v != ui::clNone))
        grid_->FixedGradients()[which] = v;
}

void TControlLook::Repaint()
{
    if (grid_)
        grid_->Invalidate();
}

#define GX_LOOK_SETTER(Name, Type, field)                                                                              \
    void TControlLook::Set##Name(Type v)                                                                               \
    {                                                                                                                  \
        field = v;                                                                                                     \
        Repaint();                                                                                                     \
    }
GX_LOOK_SETTER(Color, ui::TColor, color_)
GX_LOOK_SETTER(CommentColor, ui::TColor, commentColor_)
GX_LOOK_SETTER(CheckSize, int, checkSize_)
GX_LOOK_SETTER(RadioSize, int, radioSize_)
GX_LOOK_SETTER(ControlStyle, TControlStyle, controlStyle_)
GX_LOOK_SETTER(DropDownAlwaysVisible, bool, dropDownAlwaysVisible_)
GX_LOOK_SETTER(SpinButtonsAlwaysVisible, bool, spinButtonsAlwaysVisible_)
GX_LOOK_SETTER(FlatButton, bool, flatButton_)
GX_LOOK_SETTER(NoDisabledCheckRadioLook, bool, noDisabledCheckRadioLook_)
GX_LOOK_SETTER(NoDisabledButtonLook, bool, noDisabledButtonLook_)
GX_LOOK_SETTER(ProgressMarginX, int, progressMarginX_)
GX_LOOK_SETTER(ProgressMarginY, int, progressMarginY_)
GX_LOOK_SETTER(ProgressXP, bool, progressXP_)
#undef GX_LOOK_SETTER

#define GX_GLYPH_SETTER(Name, field)                                                                                   \
    void TControlLook::Set##Name(const ui::TBitmap& v)                                                                 \
    {                                                                                                                  \
        if (&v != &field)                                                                                              \
            field.Assign(v);                                                                                           \
        Repaint();                                                                                                     \
    }
GX_GLYPH_SETTER(CheckedGlyph, checkedGlyph_)
GX_GLYPH_SETTER(UnCheckedGlyph, unCheckedGlyph_)
GX_GLYPH_SETTER(RadioOnGlyph, radioOnGlyph_)
GX_GLYPH_SETTER(RadioOffGlyph, radioOffGlyph_)
#undef GX_GLYPH_SETTER

// --- sort settings --------------------------------------------------------------------------------------------

void TSortSettings::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TSortSettings*>(Source);
    if (!s || s == this)
        return;
    AutoSortForGrouping = s->AutoSortForGrouping;
    AutoColumnMerge = s->AutoColumnMerge;
    Column = s->Column;
    show_ = s->show_;
    IndexShow = s->IndexShow;
    IndexColor = s->IndexColor;
    IndexSortKey = s->IndexSortKey;
    Full = s->Full;
    SingleColumn = s->SingleColumn;
    IgnoreBlanks = s->IgnoreBlanks;
    BlankPos = s->BlankPos;
    AutoFormat = s->AutoFormat;
    Direction = s->Direction;
    upGlyph_.Assign(s->upGlyph_);
    downGlyph_.Assign(s->downGlyph_);
    indexUpGlyph_.Assign(s->indexUpGlyph_);
    indexDownGlyph_.Assign(s->indexDownGlyph_);
    InitSortDirection = s->InitSortDirection;
    FixedCols = s->FixedCols;
    NormalCellsOnly = s->NormalCellsOnly;
    row_ = s->row_;
    UndoSort = s->UndoSort;
    std::copy(std::begin(s->header_), std::end(s->header_), std::begin(header_));
}

std::string TSortSettings::SaveToString() const
{
    if (IndexShow)
        return "i;" + (grid_ ? grid_->SortIndexes()->SaveToString() : std::string());
    std::string text(1, Direction == sdDescending ? 'd' : 'u');
    text += std::to_string(Column);
    return text;
}

void TSortSettings::LoadFromString(const std::string& Value)
{
    if (Value.empty())
        return;
    SetShow(true);
    if (Value.size() < 2)
        throw rtl::Exception("Invalid sort settings specifier");
    if (Value.find("i;") != std::string::npos) {
        IndexShow = true;
        const std::string rest = Value.substr(2);
        if (!rest.empty() && grid_) {
            grid_->SortIndexes()->LoadFromString(rest);
            grid_->QSortIndexed();
        }
        return;
    }
    IndexShow = false;
    Direction = Value.find('u') != std::string::npos ? sdAscending : sdDescending;
    const std::string number = Value.substr(1);
    int column = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), column);
    if (ec != std::errc() || end != number.data() + number.size())
        return;
    Column = column;
    if (grid_)
        grid_->QSort();
}

void TSortSettings::Remove()
{
    Column = -1;
    if (!grid_)
        return;
    grid_->SortIndexes()->Clear();
    if (grid_->FixedRows() > 0)
        grid_->RepaintRow(grid_->FixedRows() - 1);
}

void TSortSettings::ToggleDirection()
{
    Direction = Direction == sdAscending ? sdDescending : sdAscending;
}

void TSortSettings::SetShow(bool v)
{
    if (show_ == v)
        return;
    show_ = v;
    if (grid_)
        grid_->Invalidate();
}

void TSortSettings::SetRow(int v)
{
    if (!grid_ || v >= grid_->FixedRows())
        throw rtl::Exception("Sort row should be smaller than number of fixed rows");
    row_ = v;
}

void TSortSettings::SetHeader(int i, ui::TColor v)
{
    if (header_[i] == v)
        return;
    header_[i] = v;
    if (grid_ && grid_->FixedRows() > 0)
        grid_->RepaintRow(grid_->FixedRows() - 1);
}

// --- background ------------------------------------------------------------------------------------------------

void TBackGround::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TBackGround*>(Source);
    if (!s || s == this)
        return;
    top_ = s->top_;
    left_ = s->left_;
    display_ = s->display_;
    cells_ = s->cells_;
    color_ = s->color_;
    colorTo_ = s->colorTo_;
    bitmap_.Assign(s->bitmap_);
    Repaint();
}

void TBackGround::Repaint()
{
    if (grid_)
        grid_->Invalidate();
}

#define GX_BACKGROUND_SETTER(Name, Type, field)                                                                        \
    void TBackGround::Set##Name(Type v)                                                                                \
    {                                                                                                                  \
        field = v;                                                                                                     \
        Repaint();                                                                                                     \
    }
GX_BACKGROUND_SETTER(Top, int, top_)
GX_BACKGROUND_SETTER(Left, int, left_)
GX_BACKGROUND_SETTER(Display, TBackGroundDisplay, display_)
GX_BACKGROUND_SETTER(Cells, TBackGroundCells, cells_)
GX_BACKGROUND_SETTER(Color, ui::TColor, color_)
GX_BACKGROUND_SETTER(ColorTo, ui::TColor, colorTo_)
#undef GX_BACKGROUND_SETTER

void TBackGround::SetBitmap(const ui::TBitmap& v)
{
    if (&v != &bitmap_)
        bitmap_.Assign(v);
    Repaint();
}

}  // namespace gx
