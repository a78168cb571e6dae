// Settings objects of the string grid that hold values for behaviour built elsewhere: column
// sizes, growing the editor while typing, HTML export and printing, grouping, drag and drop,
// balloon hints, modified-row marks, drag scrolling, progress-bar cells and the filter drop-down.
// The grid creates each in its constructor and frees it in its destructor. Values without an effect
// are public fields; properties whose change does something have a getter and a setter. Assign
// copies from an object of the same class (the fields each class lists) and ignores any other
// source, except TPrintSettings, which refuses one.
#pragma once

#include <memory>
#include <string>

#include "grid/base/GxLists.h"
#include "grid/stringgrid/GxGridTypes.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Graphics.h"

namespace gx {

class TGxStringGrid;
using ui::TNotifyEvent;

// Saving and stretching of column widths.
class TColumnSize : public TObject {
public:
    explicit TColumnSize(TGxStringGrid* AOwner) : grid_(AOwner) {}
    void Assign(const TObject* Source);

    bool Stretch() const { return stretch_; }
    // Stores the flag; on a grid with a parent window the stretch column is stretched at once.
    void SetStretch(bool Value);

    bool Save = false;
    std::string Key;
    std::string Section;
    TColumnSizeLocation Location = clRegistry;
    int StretchColumn = -1;  // -1: the last column
    bool SynchWithGrid = false;
    bool SynchNormalCellsOnly = false;
    TAutoSizeRows Rows = arAll;

private:
    TGxStringGrid* grid_;
    bool stretch_ = false;
};

// Growing the inplace editor while the user types.
class TSizeWhileTyping : public TObject {
public:
    bool Height = false;
    bool Width = false;
};

class THTMLSettings : public TObject {
public:
    THTMLSettings() : colWidths_(std::make_unique<TIntList>(0, 0)) {}
    // Copies every value but the column widths.
    void Assign(const TObject* Source);
    TIntList* ColWidths() const { return colWidths_.get(); }

    bool AutoPreview = false;
    int BorderSize = 1;
    int CellSpacing = 0;
    int CellPadding = 0;
    bool ConvertSpecialChars = false;
    bool ExportImages = true;
    std::string FooterFile;
    std::string HeaderFile;
    bool NonBreakingText = false;
    std::string PrefixTag;
    std::string SuffixTag;
    bool SaveColor = true;
    bool SaveFonts = true;
    std::string Summary;
    std::string TableStyle;
    int Width = 100;  // percent of the page
    bool XHTML = false;

private:
    std::unique_ptr<TIntList> colWidths_;
};

class TPrintSettings : public TObject {
public:
    explicit TPrintSettings(TGxStringGrid* AOwner);
    // Copies every value, the fonts and the title lines by content (not FixedCellsAlways); a source
    // of another class raises "Invalid class typecast".
    void Assign(const TObject* Source);

    ui::TFont* Font() { return &font_; }
    void SetFont(const ui::TFont& Value) { font_.Assign(Value); }
    ui::TFont* FixedFont() { return &fixedFont_; }
    void SetFixedFont(const ui::TFont& Value) { fixedFont_.Assign(Value); }
    ui::TFont* HeaderFont() { return &headerFont_; }
    void SetHeaderFont(const ui::TFont& Value) { headerFont_.Assign(Value); }
    ui::TFont* FooterFont() { return &footerFont_; }
    void SetFooterFont(const ui::TFont& Value) { footerFont_.Assign(Value); }
    rtl::TStringList* TitleLines() { return &titleLines_; }
    void SetTitleLines(const rtl::TStrings& Value) { titleLines_.Assign(Value); }

    TPrintPosition Time = ppNone;
    TPrintPosition Date = ppNone;
    TPrintPosition PageNr = ppNone;
    TPrintPosition Title = ppNone;
    std::string DateFormat = "dd/mm/yyyy";
    std::string PageNumSep = "/";
    std::string PagePrefix;
    std::string PageSuffix;
    std::string TitleText;
    bool UseDisplayFont = true;
    TPrintBorders Borders = pbSingle;
    ui::TPenStyle BorderStyle = ui::TPenStyle::psSolid;
    ui::TColor BorderColor = ui::clBlack;
    bool Centered = true;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    int FooterSize = 0;
    int HeaderSize = 0;
    int LeftSize = 0;
    int RightSize = 0;
    int ColumnSpacing = 0;
    int RowSpacing = 0;
    int TitleSpacing = 0;
    TPrinterOrientation Orientation = poPortrait;
    bool UseDefaultOrientation = false;
    int PageNumberOffset = 0;
    int MaxPagesOffset = 0;
    int FixedWidth = 0;
    int FixedHeight = 0;
    bool UseFixedWidth = false;
    bool UseFixedHeight = false;
    TFitToPage FitToPage = fpNever;
    std::string JobName;
    bool NoAutoSize = false;
    bool NoAutoSizeRow = false;
    bool PrintGraphics = false;
    bool FixedCellsAlways = false;  // not copied by Assign

private:
    ui::TFont font_;
    ui::TFont fixedFont_;
    ui::TFont headerFont_;
    ui::TFont footerFont_;
    rtl::TStringList titleLines_;
};

class TGrouping : public TObject {
public:
    // Copies all but Summary and the two line colours and widths.
    void Assign(const TObject* Source);

    bool AutoSelectGroup = false;
    bool AutoCheckGroup = false;
    std::string GroupCountFormat;
    ui::TColor HeaderColor = ui::clNone;
    ui::TColor HeaderColorTo = ui::clNone;
    ui::TColor HeaderTextColor = ui::clNone;
    bool HeaderUnderline = false;
    ui::TColor HeaderLineColor = 0xFF0000;
    int HeaderLineWidth = 2;
    bool MergeHeader = false;
    bool MergeSummary = false;
    bool ShowGroupCount = false;
    bool Summary = false;
    ui::TColor SummaryColor = ui::clNone;
    ui::TColor SummaryColorTo = ui::clNone;
    ui::TColor SummaryTextColor = ui::clNone;
    bool SummaryLine = false;
    ui::TColor SummaryLineColor = 0xFF0000;
    int SummaryLineWidth = 2;
};

class TDragDropSettings : public TObject {
public:
    explicit TDragDropSettings(TGxStringGrid* AOwner) : grid_(AOwner) {}
    TGxStringGrid* Grid() const { return grid_; }
    // Copies all fifteen values, without the effects of the setters.
    void Assign(const TObject* Source);

    // The grid's drop target is registered with the drag-and-drop service by the grid's drag and
    // drop code; these store the switches it reads.
    bool OleDropTarget() const { return oleDropTarget_; }
    void SetOleDropTarget(bool Value);  // (un)registers the grid's drop target when the extras are in
    bool OleDropRTF() const { return oleDropRTF_; }
    void SetOleDropRTF(bool Value);

    bool ShowCells = true;
    bool OleAcceptFiles = true;
    bool OleAcceptText = true;
    bool OleAcceptURLs = true;
    bool OleAppendRows = false;
    bool OleColumnDragDrop = false;
    bool OleColumnReorder = false;
    bool OleColumnsOnly = false;
    bool OleCopyAlways = false;
    bool OleDropSource = false;
    bool OleEntireRows = false;
    bool OleInsertRows = false;
    bool OleRemoveRows = false;

private:
    TGxStringGrid* grid_;
    bool oleDropTarget_ = false;
    bool oleDropRTF_ = false;
};

class TBalloonSettings : public TObject {
public:
    // Copies colours, delays and Enable (without firing OnEnableChange); not Transparency.
    void Assign(const TObject* Source);
    bool Enable() const { return enable_; }
    // Stores and fires OnEnableChange, also when the value is the same.
    void SetEnable(bool Value);

    int AutoHideDelay = -1;  // -1: the system's delay
    ui::TColor BackgroundColor = ui::clNone;
    int InitialDelay = -1;
    int ReshowDelay = -1;
    ui::TColor TextColor = ui::clNone;
    std::uint8_t Transparency = 0;
    TNotifyEvent OnEnableChange;

private:
    bool enable_ = false;
};

class TShowModified : public TObject {
public:
    void Assign(const TObject* Source);  // Color and Enabled, without OnChange
    ui::TColor Color() const { return color_; }
    void SetColor(ui::TColor Value);  // fires OnChange

    bool Enabled = false;
    TNotifyEvent OnChange;

private:
    ui::TColor color_ = 0x00FFFF;
};

class TDragScrollDelays : public TObject {
public:
    void Assign(const TObject* Source);
    int InitialDelay = 1000;
    int RepeatDelay = 250;
};

class TDragScrollMargins : public TObject {
public:
    void Assign(const TObject* Source);
    int TopMargin = 50;
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
};

class TDragScrollOptions : public TObject {
public:
    void Assign(const TObject* Source);  // Margins, Delays and Active
    TDragScrollDelays* Delays() { return &delays_; }
    TDragScrollMargins* Margins() { return &margins_; }
    bool Active = false;

private:
    TDragScrollDelays delays_;
    TDragScrollMargins margins_;
};

// A property that stores a changed value and fires OnChange.
#define GX_CHANGING(Type, Name, Initial)                                                                               \
public:                                                                                                                \
    Type Name() const                                                                                                  \
    {                                                                                                                  \
        return Name##_;                                                                                                \
    }                                                                                                                  \
    void Set##Name(Type Value)                                                                                         \
    {                                                                                                                  \
        if (Name##_ == Value)                                                                                          \
            return;                                                                                                    \
        Name##_ = Value;                                                                                               \
        Changed();                                                                                                     \
    }                                                                                                                  \
                                                                                                                       \
private:                                                                                                               \
    Type Name##_ = Initial;

// The look of progress-bar cells; every change fires OnChange.
class TGridProgressAppearance : public TObject {
public:
    // Copies every property, then fires OnChange once.
    void Assign(const TObject* Source);
    TNotifyEvent OnChange;

    GX_CHANGING(ui::TColor, CompleteColor, 0x0000FF)
    GX_CHANGING(ui::TColor, CompleteFontColor, 0xFF0000)
    GX_CHANGING(ui::TColor, UnCompleteColor, ui::clNone)
    GX_CHANGING(ui::TColor, UnCompleteFontColor, ui::clWindowText)
    GX_CHANGING(ui::TColor, Level0Color, 0x00FF00)
    GX_CHANGING(ui::TColor, Level0ColorTo, 0xE1FFE1)
    GX_CHANGING(ui::TColor, Level1Color, 0x00FFFF)
    GX_CHANGING(ui::TColor, Level1ColorTo, 0xCAFFFF)
    GX_CHANGING(ui::TColor, Level2Color, 0x53A9FF)
    GX_CHANGING(ui::TColor, Level2ColorTo, 0xA8D3FF)
    GX_CHANGING(ui::TColor, Level3Color, 0x0000FF)
    GX_CHANGING(ui::TColor, Level3ColorTo, 0xCACAFF)
    GX_CHANGING(int, Level1Perc, 70)
    GX_CHANGING(int, Level2Perc, 90)
    GX_CHANGING(ui::TColor, BorderColor, 0)
    GX_CHANGING(bool, ShowBorder, false)
    GX_CHANGING(bool, Stacked, false)
    GX_CHANGING(bool, ShowPercentage, true)
    GX_CHANGING(bool, CompletionSmooth, true)
    GX_CHANGING(bool, ShowGradient, true)
    GX_CHANGING(int, Steps, 11)
    GX_CHANGING(TProgressStyle, Style, psXP)

private:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
};

#undef GX_CHANGING

// The look of the filter drop-down lists and of the header's filter buttons.
class TFilterDropDown : public TObject {
public:
    TFilterDropDown();
    // Copies Color, ColumnWidth, Font, Height, Width and both glyphs; not AutoSize.
    void Assign(const TObject* Source);
    ui::TFont* Font() { return &font_; }
    void SetFont(const ui::TFont& Value) { font_.Assign(Value); }
    ui::TBitmap* Glyph() { return &glyph_; }
    void SetGlyph(const ui::TBitmap& Value);  // copies; fires OnChange
    ui::TBitmap* GlyphActive() { return &glyphActive_; }
    void SetGlyphActive(const ui::TBitmap& Value);

    bool AutoSize = false;
    ui::TColor Color = ui::clWindow;
    bool ColumnWidth = false;
    int Height = 150;
    int Width = 150;
    TNotifyEvent OnChange;

private:
    ui::TFont font_;
    ui::TBitmap glyph_;
    ui::TBitmap glyphActive_;
};

}  // namespace gx
