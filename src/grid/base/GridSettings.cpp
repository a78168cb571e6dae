#include "grid/base/GridSettings.h"

namespace gx {

namespace {

template <typename T>
bool Store(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

void Fire(const TNotifyEvent& event, TObject* sender)
{
    if (event)
        event(sender);
}

}  // namespace

// --- TNavigation ----------------------------------------------------------------------------------

void TNavigation::Assign(const TObject* Source)
{
    const auto* src = dynamic_cast<const TNavigation*>(Source);
    if (!src)
        return;
    const bool keepScroll = v_.KeepScrollOnSort;
    v_ = src->v_;
    v_.KeepScrollOnSort = keepScroll;
}

void TNavigation::SetAdvanceInsert(bool value)
{
    if (Store(v_.AdvanceInsert, value))
        Fire(OnChange, this);
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection value)
{
    if (Store(v_.AdvanceDirection, value))
        Fire(OnChange, this);
}

void TNavigation::SetAdvanceAuto(bool value)
{
    if (!Store(v_.AdvanceAuto, value))
        return;
    if (value)
        v_.AdvanceOnEnter = true;
}

// --- TMouseActions --------------------------------------------------------------------------------

TMouseActions::TMouseActions(ui::TComponent*) : fixedComboValues_(std::make_unique<rtl::TStringList>()) {}

void TMouseActions::Assign(const TObject* Source)
{
    const auto* src = dynamic_cast<const TMouseActions*>(Source);
    if (!src)
        return;
    const Values kept = v_;
    v_ = src->v_;
    v_.EditOnDblClickOnly = kept.EditOnDblClickOnly;
    v_.HotmailRowSelect = kept.HotmailRowSelect;
    v_.SizeFixedRow = kept.SizeFixedRow;
}

bool TMouseActions::IsDesigning()
{
    bool designing = false;
    if (OnIsDesigning)
        OnIsDesigning(this, designing);
    return designing;
}

// In the designer the three disjunct selection modes exclude each other; at run time they may be
// on together.
void TMouseActions::SetDisjunctRowSelect(bool value)
{
    v_.DisjunctRowSelect = value;
    if (value && IsDesigning())
        v_.DisjunctColSelect = v_.DisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctColSelect(bool value)
{
    v_.DisjunctColSelect = value;
    if (value && IsDesigning())
        v_.DisjunctRowSelect = v_.DisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctCellSelect(bool value)
{
    v_.DisjunctCellSelect = value;
    if (value && IsDesigning())
        v_.DisjunctRowSelect = v_.DisjunctColSelect = false;
}

void TMouseActions::SetEditOnDblClickOnly(bool value)
{
    v_.EditOnDblClickOnly = value;
    if (value)
        Fire(OnDisableEdit, this);
}

void TMouseActions::SetFixedComboValues(const rtl::TStrings& value)
{
    if (&value == fixedComboValues_.get())
        return;
    fixedComboValues_->Assign(value);
}

void TMouseActions::SetHotmailRowSelect(bool value)
{
    v_.HotmailRowSelect = value;
    if (value)
        v_.DisjunctRowSelect = v_.CheckAllCheck = true;
    Fire(OnInvalidate, this);
}

void TMouseActions::SetWheelAction(TWheelAction value)
{
    if (Store(v_.WheelAction, value))
        Fire(OnChange, this);
}

// --- TSearchFooter --------------------------------------------------------------------------------

TSearchFooter::TSearchFooter(ui::TComponent*, bool InitDesign)
{
    if (!InitDesign)
        return;
    v_.FindNextCaption = "Find &next";
    v_.FindPrevCaption = "Find &previous";
    v_.HighLightCaption = "Highlight";
    v_.MatchCaseCaption = "Match case";
    v_.HintClose = "Close";
    v_.HintFindNext = "Find next occurrence";
    v_.HintFindPrev = "Find previous occurrence";
    v_.HintHighlight = "Highlight occurrences";
}

void TSearchFooter::Assign(const TObject* Source)
{
    const auto* src = dynamic_cast<const TSearchFooter*>(Source);
    if (!src)
        return;
    const Values kept = v_;
    v_ = src->v_;
    v_.AutoSearch = kept.AutoSearch;
    v_.SearchFixedCells = kept.SearchFixedCells;
    font_.Assign(src->font_);
}

void TSearchFooter::Changed()
{
    Fire(OnChange, this);
}

void TSearchFooter::SetColor(ui::TColor value)
{
    v_.Color = value;
    Changed();
}

void TSearchFooter::SetColorTo(ui::TColor value)
{
    v_.ColorTo = value;
    Changed();
}

void TSearchFooter::SetFont(const ui::TFont& value)
{
    if (&value != &font_)
        font_.Assign(value);
    Changed();
}

void TSearchFooter::SetAutoThemeAdapt(bool value)
{
    autoThemeAdapt_ = value;
    Changed();
}

#define GX_TEXT_SETTER(Name)                                                                                           \
    void TSearchFooter::Set##Name(const std::string& value)                                                            \
    {                                                                                                                  \
        v_.Name = value;                                                                                               \
        Changed();                                                                                                     \
    }
GX_TEXT_SETTER(FindNextCaption)
GX_TEXT_SETTER(FindPrevCaption)
GX_TEXT_SETTER(HighLightCaption)
GX_TEXT_SETTER(MatchCaseCaption)
GX_TEXT_SETTER(HintClose)
GX_TEXT_SETTER(HintFindNext)
GX_TEXT_SETTER(HintFindPrev)
GX_TEXT_SETTER(HintHighlight)
#undef GX_TEXT_SETTER

void TSearchFooter::SetShowClose(bool value)
{
    v_.ShowClose = value;
    Changed();
}

void TSearchFooter::SetShowFindNext(bool value)
{
    if (Store(v_.ShowFindNext, value))
        Changed();
}

void TSearchFooter::SetShowFindPrev(bool value)
{
    if (Store(v_.ShowFindPrev, value))
        Changed();
}

void TSearchFooter::SetShowHighLight(bool value)
{
    if (Store(v_.ShowHighLight, value))
        Changed();
}

void TSearchFooter::SetShowMatchCase(bool value)
{
    if (Store(v_.ShowMatchCase, value))
        Changed();
}

void TSearchFooter::SetVisible(bool value)
{
    if (Store(v_.Visible, value))
        Changed();
}

// --- TBands ---------------------------------------------------------------------------------------

void TBands::Assign(const TObject* Source)
{
    const auto* src = dynamic_cast<const TBands*>(Source);
    if (!src)
        return;
    active_ = src->active_;
    primaryColor_ = src->primaryColor_;
    secondaryColor_ = src->secondaryColor_;
    primaryLength_ = src->primaryLength_;
    secondaryLength_ = src->secondaryLength_;
    print_ = src->print_;
    totalLength_ = primaryLength_ + secondaryLength_;
}

void TBands::ChangedWhenActive()
{
    if (active_)
        Fire(OnChange, this);
}

void TBands::SetActive(bool value)
{
    if (Store(active_, value))
        Fire(OnChange, this);
}

void TBands::SetPrimaryColor(ui::TColor value)
{
    if (Store(primaryColor_, value))
        ChangedWhenActive();
}

void TBands::SetSecondaryColor(ui::TColor value)
{
    if (Store(secondaryColor_, value))
        ChangedWhenActive();
}

void TBands::SetPrimaryLength(int value)
{
    if (!Store(primaryLength_, value))
        return;
    totalLength_ = primaryLength_ + secondaryLength_;
    ChangedWhenActive();
}

void TBands::SetSecondaryLength(int value)
{
    if (!Store(secondaryLength_, value))
        return;
    totalLength_ = primaryLength_ + secondaryLength_;
    ChangedWhenActive();
}

// --- TSyncGrid, TFocusHelper ----------------------------------------------------------------------

void TSyncGrid::SetGrid(ui::TCustomGrid* value)
{
    if (value != owner_)
        grid_ = value;
}

void TSyncGrid::Assign(const TObject* Source)
{
    const auto* src = dynamic_cast<const TSyncGrid*>(Source);
    if (!src)
        return;
    SetGrid(src->grid_);
    ScrollVertical = src->ScrollVertical;
    ScrollHorizontal = src->ScrollHorizontal;
    SelectionColumn = src->SelectionColumn;
    SelectionRow = src->SelectionRow;
    MoveColumn = src->MoveColumn;
    MoveRow = src->MoveRow;
}

void TFocusHelper::Assign(const TObject* Source)
{
    if (const auto* src = dynamic_cast<const TFocusHelper*>(Source))
        Enabled = src->Enabled;
}

}  // namespace gx
