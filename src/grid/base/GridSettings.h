// The grid's behaviour switches, grouped into settings objects it owns: keyboard and editing
// navigation, mouse actions, the search footer, banded rows, a synchronised grid and the focus
// helper. Each constructor sets the defaults that form files leave out; Assign copies from an
// object of the same class without firing OnChange.
#pragma once

#include <memory>
#include <string>

#include "grid/base/GxObj.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Component.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Grids.h"

namespace gx {

using ui::TNotifyEvent;

// A property kept in the values record v_: getter Name(), setter SetName(v).
#define GX_SETTING(Type, Name)                                                                                         \
    Type Name() const                                                                                                  \
    {                                                                                                                  \
        return v_.Name;                                                                                                \
    }                                                                                                                  \
    void Set##Name(Type value)                                                                                         \
    {                                                                                                                  \
        v_.Name = value;                                                                                               \
    }

class TNavigation : public TObject {
public:
    TNavigation() = default;
    // Copies every property but KeepScrollOnSort.
    void Assign(const TObject* Source);

    GX_SETTING(bool, AllowInsertRow)
    GX_SETTING(bool, AllowDeleteRow)
    GX_SETTING(bool, AlwaysEdit)
    GX_SETTING(bool, AdvanceOnEnter)
    GX_SETTING(bool, AdvanceOnEnterLoop)
    bool AdvanceInsert() const { return v_.AdvanceInsert; }
    void SetAdvanceInsert(bool value);  // fires OnChange on a change
    GX_SETTING(bool, AdvanceAutoEdit)
    GX_SETTING(bool, AdvanceSkipReadOnlyCells)
    GX_SETTING(bool, AutoGotoWhenSorted)
    GX_SETTING(bool, AutoGotoIncremental)
    GX_SETTING(bool, AutoComboDropSize)
    TAdvanceDirection AdvanceDirection() const { return v_.AdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection value);  // fires OnChange on a change
    GX_SETTING(bool, AllowClipboardShortCuts)
    GX_SETTING(bool, AllowCtrlEnter)
    GX_SETTING(bool, AllowSmartClipboard)
    GX_SETTING(bool, AllowRTFClipboard)
    GX_SETTING(bool, AllowFmtClipboard)
    GX_SETTING(bool, AllowClipboardAlways)
    GX_SETTING(bool, AllowClipboardRowGrow)
    GX_SETTING(bool, AllowClipboardColGrow)
    bool AdvanceAuto() const { return v_.AdvanceAuto; }
    void SetAdvanceAuto(bool value);  // switching it on also switches AdvanceOnEnter on
    GX_SETTING(bool, AppendOnArrowDown)
    GX_SETTING(bool, EditSelectAll)
    GX_SETTING(TInsertPosition, InsertPosition)
    GX_SETTING(TClipboardPasteAction, ClipboardPasteAction)
    GX_SETTING(bool, ComboGetUpDown)
    GX_SETTING(TCursorAdvance, CursorAdvance)
    GX_SETTING(bool, CursorWalkEditor)
    GX_SETTING(bool, CursorWalkAlwaysEdit)
    GX_SETTING(bool, CursorMoveRows)
    GX_SETTING(bool, MoveRowOnSort)
    GX_SETTING(bool, KeepScrollOnSort)
    GX_SETTING(bool, MoveScrollOnly)
    GX_SETTING(bool, ImproveMaskSel)
    GX_SETTING(bool, LeftRightRowSelect)
    GX_SETTING(bool, CopyHTMLTagsToClipboard)
    GX_SETTING(bool, KeepHorizScroll)
    GX_SETTING(bool, LineFeedOnEnter)
    GX_SETTING(THomeEndAction, HomeEndKey)
    GX_SETTING(bool, SkipFixedCells)
    GX_SETTING(bool, SkipDisabledRows)
    GX_SETTING(bool, TabToNextAtEnd)
    GX_SETTING(TAdvanceDirection, TabAdvanceDirection)

    TNotifyEvent OnChange;

private:
    struct Values {
        bool AllowInsertRow = false, AllowDeleteRow = false, AlwaysEdit = false, AdvanceOnEnter = false;
        bool AdvanceOnEnterLoop = true, AdvanceInsert = false, AdvanceAutoEdit = true;
        bool AdvanceSkipReadOnlyCells = true, AutoGotoWhenSorted = false, AutoGotoIncremental = false;
        bool AutoComboDropSize = false;
        TAdvanceDirection AdvanceDirection = adLeftRight;
        bool AllowClipboardShortCuts = false, AllowCtrlEnter = true, AllowSmartClipboard = false;
        bool AllowRTFClipboard = false, AllowFmtClipboard = false, AllowClipboardAlways = false;
        bool AllowClipboardRowGrow = true, AllowClipboardColGrow = true, AdvanceAuto = false;
        bool AppendOnArrowDown = false, EditSelectAll = true;
        TInsertPosition InsertPosition = pInsertBefore;
        TClipboardPasteAction ClipboardPasteAction = paReplace;
        bool ComboGetUpDown = true;
        TCursorAdvance CursorAdvance = caDefault;
        bool CursorWalkEditor = false, CursorWalkAlwaysEdit = true, CursorMoveRows = false, MoveRowOnSort = false;
        bool KeepScrollOnSort = false, MoveScrollOnly = false, ImproveMaskSel = false, LeftRightRowSelect = true;
        bool CopyHTMLTagsToClipboard = true, KeepHorizScroll = false, LineFeedOnEnter = false;
        THomeEndAction HomeEndKey = heFirstLastColumn;
        bool SkipFixedCells = true, SkipDisabledRows = true, TabToNextAtEnd = false;
        TAdvanceDirection TabAdvanceDirection = adLeftRight;
    } v_;
};

class TMouseActions : public TObject {
public:
    // The owner is not kept.
    explicit TMouseActions(ui::TComponent* AOwner);
    // Copies every property but EditOnDblClickOnly, FixedComboValues, HotmailRowSelect and
    // SizeFixedRow, field by field (no setter runs).
    void Assign(const TObject* Source);

    GX_SETTING(bool, AllColumnSize)
    GX_SETTING(bool, AllRowSize)
    GX_SETTING(bool, AllSelect)
    GX_SETTING(bool, AutoSizeColOnDblClick)
    GX_SETTING(bool, CaretPositioning)
    GX_SETTING(bool, CheckAllCheck)
    GX_SETTING(bool, ColSelect)
    GX_SETTING(bool, DirectComboClose)
    GX_SETTING(bool, DirectComboDrop)
    GX_SETTING(bool, DirectDateClose)
    GX_SETTING(bool, DirectDateDrop)
    GX_SETTING(bool, DirectEdit)
    bool DisjunctRowSelect() const { return v_.DisjunctRowSelect; }
    void SetDisjunctRowSelect(bool value);
    GX_SETTING(bool, DisjunctRowSelectNoCtrl)
    bool DisjunctColSelect() const { return v_.DisjunctColSelect; }
    void SetDisjunctColSelect(bool value);
    bool DisjunctCellSelect() const { return v_.DisjunctCellSelect; }
    void SetDisjunctCellSelect(bool value);
    bool EditOnDblClickOnly() const { return v_.EditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool value);  // switching it on fires OnDisableEdit
    GX_SETTING(TGridFixedCellEdit, FixedRowsEdit)
    GX_SETTING(TGridFixedCellEditor, FixedRowsEditor)
    GX_SETTING(TGridFixedCellEditor, FixedColsEditor)
    GX_SETTING(TGridFixedCellEdit, FixedColsEdit)
    rtl::TStringList* FixedComboValues() const { return fixedComboValues_.get(); }
    void SetFixedComboValues(const rtl::TStrings& value);  // copies the lines
    bool HotmailRowSelect() const { return v_.HotmailRowSelect; }
    void SetHotmailRowSelect(bool value);
    GX_SETTING(bool, MoveRowOnNodeClick)
    GX_SETTING(bool, NoAutoRangeScroll)
    GX_SETTING(bool, NodeAllExpandContract)
    GX_SETTING(bool, NoScrollOnPartialRow)
    GX_SETTING(bool, PreciseCheckBoxCheck)
    GX_SETTING(bool, PreciseNodeClick)
    GX_SETTING(bool, RangeSelectAndEdit)
    GX_SETTING(bool, RowSelect)
    GX_SETTING(bool, RowSelectPersistent)
    GX_SETTING(bool, SelectOnRightClick)
    GX_SETTING(bool, SizeFixedCol)
    GX_SETTING(bool, SizeFixedRow)
    GX_SETTING(int, WheelIncrement)
    TWheelAction WheelAction() const { return v_.WheelAction; }
    void SetWheelAction(TWheelAction value);  // fires OnChange on a change
    // The DisjunctRowSelect flag without the setter's side effects.
    bool DisjunctRowSelectDirect() const { return v_.DisjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool value) { v_.DisjunctRowSelect = value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TIsDesigningEvent OnIsDesigning;
    TNotifyEvent OnDisableEdit;

private:
    bool IsDesigning();
    struct Values {
        bool AllColumnSize = false, AllRowSize = false, AllSelect = false, AutoSizeColOnDblClick = true;
        bool CaretPositioning = false, CheckAllCheck = false, ColSelect = false, DirectComboClose = false;
        bool DirectComboDrop = false, DirectDateClose = false, DirectDateDrop = false, DirectEdit = false;
        bool DisjunctRowSelect = false, DisjunctRowSelectNoCtrl = false, DisjunctColSelect = false;
        bool DisjunctCellSelect = false, EditOnDblClickOnly = false;
        TGridFixedCellEdit FixedRowsEdit = fceNone;
        TGridFixedCellEditor FixedRowsEditor = fceEdit;
        TGridFixedCellEditor FixedColsEditor = fceEdit;
        TGridFixedCellEdit FixedColsEdit = fceNone;
        bool HotmailRowSelect = false, MoveRowOnNodeClick = false, NoAutoRangeScroll = false;
        bool NodeAllExpandContract = false, NoScrollOnPartialRow = false, PreciseCheckBoxCheck = false;
        bool PreciseNodeClick = true, RangeSelectAndEdit = false, RowSelect = false, RowSelectPersistent = false;
        bool SelectOnRightClick = false, SizeFixedCol = false, SizeFixedRow = false;
        int WheelIncrement = 0;
        TWheelAction WheelAction = waMoveSelection;
    } v_;
    std::unique_ptr<rtl::TStringList> fixedComboValues_;
};

class TSearchFooter : public TObject {
public:
    // The captions and hints get their texts only with InitDesign (a grid placed new in the form
    // designer); otherwise they stay empty until the form's stored values are read.
    TSearchFooter(ui::TComponent* AOwner, bool InitDesign);
    // Copies all but AutoSearch, SearchFixedCells, AutoThemeAdapt and LastSearch.
    void Assign(const TObject* Source);

    GX_SETTING(bool, AlwaysHighLight)
    GX_SETTING(bool, AutoSearch)
    ui::TColor Color() const { return v_.Color; }
    void SetColor(ui::TColor value);
    ui::TColor ColorTo() const { return v_.ColorTo; }
    void SetColorTo(ui::TColor value);
    const std::string& FindNextCaption() const { return v_.FindNextCaption; }
    void SetFindNextCaption(const std::string& value);
    const std::string& FindPrevCaption() const { return v_.FindPrevCaption; }
    void SetFindPrevCaption(const std::string& value);
    ui::TFont* Font() { return &font_; }
    const ui::TFont* Font() const { return &font_; }
    void SetFont(const ui::TFont& value);
    const std::string& HighLightCaption() const { return v_.HighLightCaption; }
    void SetHighLightCaption(const std::string& value);
    const std::string& HintClose() const { return v_.HintClose; }
    void SetHintClose(const std::string& value);
    const std::string& HintFindNext() const { return v_.HintFindNext; }
    void SetHintFindNext(const std::string& value);
    const std::string& HintFindPrev() const { return v_.HintFindPrev; }
    void SetHintFindPrev(const std::string& value);
    const std::string& HintHighlight() const { return v_.HintHighlight; }
    void SetHintHighlight(const std::string& value);
    const std::string& MatchCaseCaption() const { return v_.MatchCaseCaption; }
    void SetMatchCaseCaption(const std::string& value);
    GX_SETTING(bool, SearchActiveColumnOnly)
    GX_SETTING(int, SearchColumn)
    GX_SETTING(bool, SearchMatchStart)
    GX_SETTING(bool, SearchFixedCells)
    GX_SETTING(bool, SearchHiddenRows)
    GX_SETTING(TSearchDirection, SearchDirection)
    bool ShowClose() const { return v_.ShowClose; }
    void SetShowClose(bool value);
    bool ShowFindNext() const { return v_.ShowFindNext; }
    void SetShowFindNext(bool value);
    bool ShowFindPrev() const { return v_.ShowFindPrev; }
    void SetShowFindPrev(bool value);
    bool ShowHighLight() const { return v_.ShowHighLight; }
    void SetShowHighLight(bool value);
    bool ShowMatchCase() const { return v_.ShowMatchCase; }
    void SetShowMatchCase(bool value);
    bool Visible() const { return v_.Visible; }
    void SetVisible(bool value);
    bool AutoThemeAdapt() const { return autoThemeAdapt_; }
    void SetAutoThemeAdapt(bool value);
    std::string LastSearch;

    TNotifyEvent OnChange;

private:
    void Changed();
    struct Values {
        bool AlwaysHighLight = false, AutoSearch = true;
        ui::TColor Color = 0xFFFFFF;
        ui::TColor ColorTo = ui::clBtnFace;
        std::string FindNextCaption, FindPrevCaption, HighLightCaption;
        std::string HintClose, HintFindNext, HintFindPrev, HintHighlight, MatchCaseCaption;
        bool SearchActiveColumnOnly = false;
        int SearchColumn = -1;
        bool SearchMatchStart = false, SearchFixedCells = false, SearchHiddenRows = false;
        TSearchDirection SearchDirection = sdTopBottom;
        bool ShowClose = true, ShowFindNext = true, ShowFindPrev = true, ShowHighLight = true;
        bool ShowMatchCase = true, Visible = false;
    } v_;
    ui::TFont font_;
    bool autoThemeAdapt_ = false;
};

// Banded rows: runs of PrimaryLength rows in PrimaryColor, then SecondaryLength in SecondaryColor.
class TBands : public TObject {
public:
    TBands() = default;
    void Assign(const TObject* Source);

    bool Active() const { return active_; }
    void SetActive(bool value);
    ui::TColor PrimaryColor() const { return primaryColor_; }
    void SetPrimaryColor(ui::TColor value);
    int PrimaryLength() const { return primaryLength_; }
    void SetPrimaryLength(int value);
    ui::TColor SecondaryColor() const { return secondaryColor_; }
    void SetSecondaryColor(ui::TColor value);
    int SecondaryLength() const { return secondaryLength_; }
    void SetSecondaryLength(int value);
    bool Print() const { return print_; }
    void SetPrint(bool value) { print_ = value; }
    int TotalLength() const { return totalLength_; }

    TNotifyEvent OnChange;

private:
    void ChangedWhenActive();
    bool active_ = false;
    ui::TColor primaryColor_ = 0xFF000018;
    int primaryLength_ = 1;
    ui::TColor secondaryColor_ = ui::clWindow;
    int secondaryLength_ = 1;
    bool print_ = false;
    int totalLength_ = 2;
};

// A second grid whose scrolling, selection and moves follow the owning grid's.
class TSyncGrid : public TObject {
public:
    explicit TSyncGrid(ui::TCustomGrid* AOwner) : owner_(AOwner) {}
    void Assign(const TObject* Source);

    ui::TCustomGrid* Grid() const { return grid_; }
    void SetGrid(ui::TCustomGrid* value);  // the owning grid itself is refused
    bool ScrollVertical = false;
    bool ScrollHorizontal = false;
    bool SelectionColumn = false;
    bool SelectionRow = false;
    bool MoveColumn = false;
    bool MoveRow = false;

private:
    ui::TCustomGrid* owner_;
    ui::TCustomGrid* grid_ = nullptr;
};

class TFocusHelper : public TObject {
public:
    explicit TFocusHelper(ui::TComponent* AOwner) { (void)AOwner; }
    void Assign(const TObject* Source);
    bool Enabled = false;
};

#undef GX_SETTING

}  // namespace gx
