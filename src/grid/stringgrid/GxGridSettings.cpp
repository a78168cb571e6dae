// The value-holding settings objects of the string grid: their Assign and the few setters with an
// effect.
#include "grid/stringgrid/GxGridSettings.h"

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// --- column size, HTML and print settings -----------------------------------------------------------

void TColumnSize::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TColumnSize*>(Source);
    if (!s)
        return;
    Save = s->Save;
    Key = s->Key;
    Section = s->Section;
    Location = s->Location;
    stretch_ = s->stretch_;
    StretchColumn = s->StretchColumn;
    SynchWithGrid = s->SynchWithGrid;
    SynchNormalCellsOnly = s->SynchNormalCellsOnly;
    Rows = s->Rows;
}

void TColumnSize::SetStretch(bool Value)
{
    stretch_ = Value;
    if (Value && grid_ && grid_->Parent())
        grid_->StretchColumn(StretchColumn);
}

void THTMLSettings::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const THTMLSettings*>(Source);
    if (!s)
        return;
    AutoPreview = s->AutoPreview;
    BorderSize = s->BorderSize;
    CellSpacing = s->CellSpacing;
    CellPadding = s->CellPadding;
    ConvertSpecialChars = s->ConvertSpecialChars;
    ExportImages = s->ExportImages;
    FooterFile = s->FooterFile;
    HeaderFile = s->HeaderFile;
    NonBreakingText = s->NonBreakingText;
    PrefixTag = s->PrefixTag;
    SuffixTag = s->SuffixTag;
    SaveColor = s->SaveColor;
    SaveFonts = s->SaveFonts;
    Summary = s->Summary;
    TableStyle = s->TableStyle;
    Width = s->Width;
    XHTML = s->XHTML;
}

TPrintSettings::TPrintSettings(TGxStringGrid*) {}

void TPrintSettings::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TPrintSettings*>(Source);
    if (!s)
        throw rtl::Exception("Invalid class typecast");
    if (s == this)
        return;
    // Everything but the owned objects and FixedCellsAlways, field by field.
    const bool fixedCellsAlways = FixedCellsAlways;
    Time = s->Time;
    Date = s->Date;
    PageNr = s->PageNr;
    Title = s->Title;
    DateFormat = s->DateFormat;
    PageNumSep = s->PageNumSep;
    PagePrefix = s->PagePrefix;
    PageSuffix = s->PageSuffix;
    TitleText = s->TitleText;
    UseDisplayFont = s->UseDisplayFont;
    Borders = s->Borders;
    BorderStyle = s->BorderStyle;
    BorderColor = s->BorderColor;
    Centered = s->Centered;
    RepeatFixedRows = s->RepeatFixedRows;
    RepeatFixedCols = s->RepeatFixedCols;
    FooterSize = s->FooterSize;
    HeaderSize = s->HeaderSize;
    LeftSize = s->LeftSize;
    RightSize = s->RightSize;
    ColumnSpacing = s->ColumnSpacing;
    RowSpacing = s->RowSpacing;
    TitleSpacing = s->TitleSpacing;
    Orientation = s->Orientation;
    UseDefaultOrientation = s->UseDefaultOrientation;
    PageNumberOffset = s->PageNumberOffset;
    MaxPagesOffset = s->MaxPagesOffset;
    FixedWidth = s->FixedWidth;
    FixedHeight = s->FixedHeight;
    UseFixedWidth = s->UseFixedWidth;
    UseFixedHeight = s->UseFixedHeight;
    FitToPage = s->FitToPage;
    JobName = s->JobName;
    NoAutoSize = s->NoAutoSize;
    NoAutoSizeRow = s->NoAutoSizeRow;
    PrintGraphics = s->PrintGraphics;
    FixedCellsAlways = fixedCellsAlways;
    font_.Assign(s->font_);
    fixedFont_.Assign(s->fixedFont_);
    headerFont_.Assign(s->headerFont_);
    footerFont_.Assign(s->footerFont_);
    titleLines_.Assign(s->titleLines_);
}

// --- grouping, drag and drop, balloons, modified rows, drag scrolling ---------------------------------

void TGrouping::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TGrouping*>(Source);
    if (!s)
        return;
    GroupCountFormat = s->GroupCountFormat;
    HeaderColor = s->HeaderColor;
    HeaderColorTo = s->HeaderColorTo;
    HeaderTextColor = s->HeaderTextColor;
    HeaderUnderline = s->HeaderUnderline;
    MergeHeader = s->MergeHeader;
    MergeSummary = s->MergeSummary;
    ShowGroupCount = s->ShowGroupCount;
    SummaryColor = s->SummaryColor;
    SummaryColorTo = s->SummaryColorTo;
    SummaryTextColor = s->SummaryTextColor;
    SummaryLine = s->SummaryLine;
    AutoCheckGroup = s->AutoCheckGroup;
    AutoSelectGroup = s->AutoSelectGroup;
}

void TDragDropSettings::SetOleDropTarget(bool Value)
{
    oleDropTarget_ = Value;
    if (grid_)
        grid_->Extras().OleDropTargetChanged(*grid_);
}

// The switch holds for the drops of every grid of the process.
void TDragDropSettings::SetOleDropRTF(bool Value)
{
    oleDropRTF_ = Value;
    if (grid_)
        grid_->Extras().OleDropTargetChanged(*grid_);
}

void TDragDropSettings::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TDragDropSettings*>(Source);
    if (!s)
        return;
    ShowCells = s->ShowCells;
    OleAcceptFiles = s->OleAcceptFiles;
    OleAcceptText = s->OleAcceptText;
    OleAcceptURLs = s->OleAcceptURLs;
    OleAppendRows = s->OleAppendRows;
    OleColumnDragDrop = s->OleColumnDragDrop;
    OleColumnReorder = s->OleColumnReorder;
    OleColumnsOnly = s->OleColumnsOnly;
    OleCopyAlways = s->OleCopyAlways;
    oleDropTarget_ = s->oleDropTarget_;
    OleDropSource = s->OleDropSource;
    OleEntireRows = s->OleEntireRows;
    OleInsertRows = s->OleInsertRows;
    OleRemoveRows = s->OleRemoveRows;
    oleDropRTF_ = s->oleDropRTF_;
}

void TBalloonSettings::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TBalloonSettings*>(Source);
    if (!s)
        return;
    TextColor = s->TextColor;
    BackgroundColor = s->BackgroundColor;
    InitialDelay = s->InitialDelay;
    AutoHideDelay = s->AutoHideDelay;
    ReshowDelay = s->ReshowDelay;
    enable_ = s->enable_;
}

void TBalloonSettings::SetEnable(bool Value)
{
    enable_ = Value;
    if (OnEnableChange)
        OnEnableChange(this);
}

void TShowModified::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TShowModified*>(Source);
    if (!s)
        return;
    color_ = s->color_;
    Enabled = s->Enabled;
}

void TShowModified::SetColor(ui::TColor Value)
{
    color_ = Value;
    if (OnChange)
        OnChange(this);
}

void TDragScrollDelays::Assign(const TObject* Source)
{
    if (const auto* s = dynamic_cast<const TDragScrollDelays*>(Source)) {
        InitialDelay = s->InitialDelay;
        RepeatDelay = s->RepeatDelay;
    }
}

void TDragScrollMargins::Assign(const TObject* Source)
{
    if (const auto* s = dynamic_cast<const TDragScrollMargins*>(Source)) {
        TopMargin = s->TopMargin;
        BottomMargin = s->BottomMargin;
        LeftMargin = s->LeftMargin;
        RightMargin = s->RightMargin;
    }
}

void TDragScrollOptions::Assign(const TObject* Source)
{
    if (const auto* s = dynamic_cast<const TDragScrollOptions*>(Source)) {
        margins_.Assign(&s->margins_);
        delays_.Assign(&s->delays_);
        Active = s->Active;
    }
}

// --- progress appearance and filter drop-down ----------------------------------------------------------

void TGridProgressAppearance::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TGridProgressAppearance*>(Source);
    if (!s)
        return;
    CompleteColor_ = s->CompleteColor_;
    CompleteFontColor_ = s->CompleteFontColor_;
    UnCompleteColor_ = s->UnCompleteColor_;
    UnCompleteFontColor_ = s->UnCompleteFontColor_;
    Level0Color_ = s->Level0Color_;
    Level0ColorTo_ = s->Level0ColorTo_;
    Level1Color_ = s->Level1Color_;
    Level1ColorTo_ = s->Level1ColorTo_;
    Level2Color_ = s->Level2Color_;
    Level2ColorTo_ = s->Level2ColorTo_;
    Level3Color_ = s->Level3Color_;
    Level3ColorTo_ = s->Level3ColorTo_;
    Level1Perc_ = s->Level1Perc_;
    Level2Perc_ = s->Level2Perc_;
    BorderColor_ = s->BorderColor_;
    ShowBorder_ = s->ShowBorder_;
    Stacked_ = s->Stacked_;
    ShowPercentage_ = s->ShowPercentage_;
    CompletionSmooth_ = s->CompletionSmooth_;
    ShowGradient_ = s->ShowGradient_;
    Steps_ = s->Steps_;
    Style_ = s->Style_;
    Changed();
}

TFilterDropDown::TFilterDropDown() = default;

void TFilterDropDown::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TFilterDropDown*>(Source);
    if (!s || s == this)
        return;
    Color = s->Color;
    ColumnWidth = s->ColumnWidth;
    font_.Assign(s->font_);
    Height = s->Height;
    Width = s->Width;
    SetGlyph(s->glyph_);
    SetGlyphActive(s->glyphActive_);
}

void TFilterDropDown::SetGlyph(const ui::TBitmap& Value)
{
    if (&Value != &glyph_)
        glyph_.Assign(Value);
    if (OnChange)
        OnChange(this);
}

void TFilterDropDown::SetGlyphActive(const ui::TBitmap& Value)
{
    if (&Value != &glyphActive_)
        glyphActive_.Assign(Value);
    if (OnChange)
        OnChange(this);
}

}  // namespace gx
