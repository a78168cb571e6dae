// TGxColumnGrid: the string grid with one settings object per column. Each column's item decides
// its header, fonts and colour, alignment, inplace editor and combo items, data check-box texts,
// read-only and fixed behaviour, password masking, number format, edit length and mask, editor
// link, sort style, borders, print look, size limits, filter list and popup menu; the grid asks
// the item first and then lets the string grid's own handling (its events) have the last word.
//
// Invariant: Columns().Count() == ColCount() + NumHiddenColumns(). Items are indexed by real
// column (hidden columns included); look operations receive real columns, the fixed-cell test,
// edit length and edit mask display columns.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "grid/stringgrid/GxGrid.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Graphics.h"

namespace gx {

class TGridColumnCollection;
class TGxColumnGrid;

enum TColumnPopupType : std::uint8_t {
    cpFixedCellsRClick,
    cpFixedCellsLClick,
    cpNormalCellsRClick,
    cpNormalCellsLClick,
    cpAllCellsRClick,
    cpAllCellsLClick,
};

// The settings of one column. Plain values are public members; the properties whose change the
// grid must see have setters.
class TGridColumnItem {
public:
    // With a collection the fonts and colour start as the grid's; without one (a detached copy) a
    // default font and black.
    explicit TGridColumnItem(TGridColumnCollection* Collection);
    TGridColumnItem(const TGridColumnItem&) = delete;
    TGridColumnItem& operator=(const TGridColumnItem&) = delete;

    int AutoMinSize = 0;
    int AutoMaxSize = 0;
    TCellBorders Borders = 0;
    std::string CheckFalse = "N";
    std::string CheckTrue = "Y";
    TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
    rtl::TStringList ComboItems;
    int DropDownCount = 8;
    int EditLength = 0;  // characters the inplace editor accepts, 0: no limit
    std::string EditMask;
    rtl::TStringList Filter;
    bool FilterCaseSensitive = false;
    int MinSize = 0;
    int MaxSize = 0;
    std::string Name;
    bool PrintBorderCustom = true;
    TCellBorders PrintBorders =
        CellBorderBit(cbTop) | CellBorderBit(cbLeft) | CellBorderBit(cbRight) | CellBorderBit(cbBottom);
    ui::TPen PrintBorderPen;
    ui::TColor PrintColor = ui::clWhite;
    bool PrintFontCustom = true;
    ui::TFont PrintFont;
    bool ReadOnly = false;
    TSortStyle SortStyle = ssAutomatic;
    std::string SortPrefix;
    std::string SortSuffix;
    int SpinMax = 0;
    int SpinMin = 0;
    int SpinStep = 1;
    int Tag = 0;

    THAlignment Alignment() const { return alignment_; }
    void SetAlignment(THAlignment v);
    // The menu a click in the column shows (ColumnPopupType says which click); the grid forgets it
    // when the menu goes.
    ui::TPopupMenu* ColumnPopup() const { return columnPopup_; }
    void SetColumnPopup(ui::TPopupMenu* v);
    // The custom editor of the column's cells, handed to the grid when one of them is edited; the
    // grid forgets it when the link goes.
    TEditLink* EditLink() const { return editLink_; }
    void SetEditLink(TEditLink* v);
    const ui::TPen& BorderPen() const { return borderPen_; }
    void SetBorderPen(const ui::TPen& v);
    ui::TColor Color() const { return color_; }
    void SetColor(ui::TColor v);
    TEditorType Editor() const { return editor_; }
    void SetEditor(TEditorType v);
    bool Fixed() const { return fixed_; }
    void SetFixed(bool v);
    const std::string& FloatFormat() const { return floatFormat_; }
    void SetFloatFormat(const std::string& v);
    const ui::TFont& Font() const { return font_; }
    void SetFont(const ui::TFont& v);
    const std::string& Header() const { return header_; }
    // Stores the text and shows it in row 0 of the grid when the grid has fixed rows.
    void SetHeader(const std::string& v);
    void SetHeaderDirect(const std::string& v) { header_ = v; }
    THAlignment HeaderAlignment() const { return headerAlignment_; }
    void SetHeaderAlignment(THAlignment v);
    const ui::TFont& HeaderFont() const { return headerFont_; }
    void SetHeaderFont(const ui::TFont& v);
    bool Password() const { return password_; }
    void SetPassword(bool v);
    bool ShowBands() const { return showBands_; }
    void SetShowBands(bool v);
    // The grid's width of the column (the width it gets back when shown for a hidden one); 0 for
    // an item without a collection.
    int Width() const;
    void SetWidth(int v);
    int RememberedWidth() const { return fwidth_; }
    void SetRememberedWidth(int v) { fwidth_ = v; }
    int DefIdx() const { return defIdx_; }
    void SetDefIdx(int v) { defIdx_ = v; }

    int Index() const;
    TGridColumnCollection* Collection() const { return collection_; }
    TGxColumnGrid* Grid() const;

    // Copies every setting but the popup type and the two print "custom" switches; for the width
    // only the remembered copy.
    void Assign(const TGridColumnItem& Source);
    // As Assign, without header, name, combo items, drop-down count, header font and tag; colour
    // and font come from the grid.
    void AssignVisuals(const TGridColumnItem& Source);
    std::string DisplayName() const;

    // This column's cell in row idx, through the grid's accessors.
    std::string Rows(int idx) const;
    void SetRows(int idx, const std::string& Value);
    int Ints(int idx) const;
    void SetInts(int idx, int Value);
    double Floats(int idx) const;
    void SetFloats(int idx, double Value);
    rtl::TDateTime Dates(int idx) const;
    void SetDates(int idx, rtl::TDateTime Value);
    rtl::TDateTime Times(int idx) const;
    void SetTimes(int idx, rtl::TDateTime Value);

private:
    friend class TGridColumnCollection;
    void Changed();  // the collection's change hook
    void Repaint();

    TGridColumnCollection* collection_;
    THAlignment alignment_ = ui::TAlignment::taLeftJustify;
    ui::TPen borderPen_;
    ui::TColor color_ = 0;
    ui::TPopupMenu* columnPopup_ = nullptr;
    TEditLink* editLink_ = nullptr;
    TEditorType editor_ = edNormal;
    bool fixed_ = false;
    std::string floatFormat_;
    ui::TFont font_;
    std::string header_;
    THAlignment headerAlignment_ = ui::TAlignment::taLeftJustify;
    ui::TFont headerFont_;
    bool password_ = false;
    bool showBands_ = false;
    int fwidth_ = 50;
    int defIdx_ = 0;
};

// The column items of one grid, indexed by real column.
class TGridColumnCollection {
public:
    explicit TGridColumnCollection(TGxColumnGrid* AOwner) : owner_(AOwner) {}
    TGridColumnCollection(const TGridColumnCollection&) = delete;
    TGridColumnCollection& operator=(const TGridColumnCollection&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    TGridColumnItem* Items(int Index) const { return items_.at(static_cast<std::size_t>(Index)).get(); }
    TGridColumnItem* operator[](int Index) const { return Items(Index); }
    void SetItem(int Index, const TGridColumnItem& Value) { Items(Index)->Assign(Value); }
    // Appends an item; from the second on it takes the visuals of the item before it.
    TGridColumnItem* Add();
    TGridColumnItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    // Copies the other collection's items (count and settings).
    void Assign(const TGridColumnCollection& Source);
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    TGxColumnGrid* GetOwner() const { return owner_; }
    bool NoRecursiveUpdate = false;
    // Records the present order as the design order (item i gets DefIdx i); and puts the columns
    // back into that order (GxColumnPositions.cpp).
    void SetOrganization();
    void ResetOrganization();

private:
    friend class TGridColumnItem;
    friend class TGxColumnGrid;
    void Changed();
    int IndexOf(const TGridColumnItem* item) const;
    // Adds or frees items without the change hook.
    void AppendQuiet();
    void DeleteQuiet(int Index);

    TGxColumnGrid* owner_;
    std::vector<std::unique_ptr<TGridColumnItem>> items_;
    int updateCount_ = 0;
};

// Carries a column collection through a stream: its Items belong to the grid it is made for.
class TGxColumnGridIO {
public:
    explicit TGxColumnGridIO(TGxColumnGrid* AOwner);
    ~TGxColumnGridIO();
    TGxColumnGridIO(const TGxColumnGridIO&) = delete;
    TGxColumnGridIO& operator=(const TGxColumnGridIO&) = delete;
    TGridColumnCollection* Items() const { return items_.get(); }
    std::string WriteToString() const;
    // Replaces the items by the streamed ones; rtl::EReadError for anything malformed.
    void ReadFromString(std::string_view data);

private:
    std::unique_ptr<TGridColumnCollection> items_;
};

class TGxColumnGrid : public TGxStringGrid {
public:
    explicit TGxColumnGrid(ui::TComponent* AOwner, IGridExtras& Extras = DefaultGridExtras());
    ~TGxColumnGrid() override;

    TGridColumnCollection* Columns() const { return columns_.get(); }
    void SetColumns(const TGridColumnCollection& Value);
    int ColCount() const { return TGxStringGrid::ColCount(); }
    // The string grid's column count, then the items are brought in step.
    void SetColCount(int Value);
    TGridColumnItem* GetColumnByName(const std::string& AValue) const;
    // A pick in a column's own filter list shows the entry's name as the column's header.
    bool AutoFilterDisplay = false;
    std::function<void(TObject* Sender, int FromIndex, int ToIndex)> OnAfterColumnMoved;
    // Before a column's popup menu is shown (ACol the display column, ARow the clicked row).
    std::function<void(TObject* Sender, int ACol, int ARow, ui::TPopupMenu* PopupMenu)> OnColumnPopup;
    TFloatFormatEvent OnGetFloatFormat;

    int GetVersionNr() override;
    std::string GetVersionString() override;
    void Loaded() override;
    void InsertCols(int ColIndex, int CCount) override;
    bool SortSwapRowsReplaced() const override;
    void RemoveCols(int ColIndex, int CCount) override;

    // Look and behaviour of the cells, from the column items.
    void GetCellColor(int ACol, int ARow, ui::TGridDrawState AState, ui::TBrush* ABrush, ui::TFont* AFont) override;
    void GetCellPrintColor(int ACol, int ARow, ui::TGridDrawState AState, ui::TBrush* ABrush,
                           ui::TFont* AFont) override;
    void GetCellBorder(int ACol, int ARow, ui::TPen* APen, TCellBorders& Borders) override;
    void GetCellPrintBorder(int ACol, int ARow, ui::TPen* APen, TCellBorders& Borders) override;
    void GetCellAlignment(int ACol, int ARow, THAlignment& HAlign, TVAlignment& VAlign) override;
    void GetCellFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix) override;
    void GetCellPropDefaults(int ACol, int ARow, ui::TFont* AFont, ui::TBrush* ABrush, ui::TColor& AColorTo,
                             ui::TColor& AMirrorColor, ui::TColor& AMirrorColorTo, THAlignment& HA, TVAlignment& VA,
                             bool& WW, TCellGradientDirection& GD) override;
    void GetCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
    bool GetHasComboBox(int ACol, int ARow) override;
    void GetCellEditable(int ACol, int ARow, bool& CanEdit) override;
    void GetIsFixedCell(int ACol, int ARow, bool& IsFixed) override;
    void GetIsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    void GetCheckTrueText(int ACol, int ARow, std::string& Value) override;
    void GetCheckFalseText(int ACol, int ARow, std::string& Value) override;
    // A normal cell of an edDataCheckBox column is a data check box (ctDataCheckBox); its graphic
    // is the one the grid shares among them (ctVirtCheckBox), which no cell owns.
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
    std::string GetColumnFloatFormat(int ACol, int ARow) override;
    std::string GetFormattedCell(int ACol, int ARow) override;
    void DoUpdateColumnSize(int ACol, int& AWidth) override;
    void DoUpdateAutoColumnSize(int ACol, int& AWidth) override;
    void ColumnHeadersChanged() override;
    int GetEditLimit() override;
    std::string GetEditMask(int ACol, int ARow) override;
    // Whether a cell may be edited, as the editor asks it (the column, the cell's own read-only
    // flag, then OnCanEditCell).
    bool CanEditCell(int ACol, int ARow);
    bool CanEditShow() override;

    // A column with entries in its Filter offers these (their names) and only these in its filter
    // drop-down; a column without offers none. A pick sets the column's filter condition.
    bool GetColumnFilterList(int ACol) override;
    void FilterDropDownSelect(int ItemIndex) override;
    // Grouping takes the grouped column out of the grid; its item's settings come back with it.
    void Group(int Colindex) override;
    void UnGroup() override;
    // The columns' cell and header fonts scale with the grid.
    void HandleScaleChange(int M, int D) override;

    // Keeps the items in step with the columns (added items copy the visuals of the one before).
    void SyncColumnItems();
    // Rebuilds ColumnHeaders from the items (an item without a header takes row 0's text) and
    // shows them in row 0.
    void UpdateColumnHeaders();

    // A column moved by dragging or MoveColumn (display indexes): its item moves with it, keeping
    // what Assign copies; then OnAfterColumnMoved with the real indexes.
    void ColumnMoved(int FromIndex, int ToIndex) override;

    // The current column order in an INI file: key "CP<position>" holds the design index of the
    // column shown there (GxColumnPositions.cpp). A file that names no permutation of the columns
    // is ignored.
    void SaveColumnPositions(const std::string& Key, const std::string& Section);
    void LoadColumnPositions(const std::string& Key, const std::string& Section);
    void SaveColPositions() override;
    void LoadColPositions() override;

    // The whole column collection in a stream (GxColumnStream.cpp). Reading replaces every item's
    // settings by the streamed ones; ColCount and the column widths stay. A stream that is damaged,
    // or written for another number of columns, raises rtl::EReadError naming the byte position,
    // and the grid is left as it was.
    void SaveColumnsToStream(rtl::TStream& st);
    void LoadColumnsFromStream(rtl::TStream& st);

protected:
    void ColWidthsChanged() override;
    // A press shows the column's popup menu when its ColumnPopupType asks for that click.
    void WndProc(ui::TMessage& message) override;
    // Items forget a popup menu or editor link that goes.
    void Notification(ui::TComponent* component, ui::TOperation operation) override;

private:
    friend class TGridColumnCollection;
    friend class TGridColumnItem;
    // A normal cell of a column: an item exists, not a fixed column, not a fixed row.
    bool IsNormalColumnCell(int c, int r);
    bool InsideBody(int c, int r);
    void ColumnsChanged();
    void ColumnPopupPress(ui::TMouseButton Button, int X, int Y);
    // Asks to hear of the going of every popup menu and editor link an item (or the grouped
    // column's saved item) holds.
    void WatchColumnComponents();

    std::unique_ptr<TGridColumnCollection> columns_;
    std::unique_ptr<TCellGraphic> cellGraphic_;  // shared by the data check-box cells
    std::unique_ptr<TGridColumnItem> saveCol_;   // the settings of the grouped column
    bool inSetColCount_ = false;
};

}  // namespace gx
