// TGxStringGrid: tree (node) rows. A node is a graphic in column 0 of its row heading a block of
// rows (its span); contracting it hides the rest of the block, nested blocks included, as one run
// of hidden rows, and nested nodes inside read as expanded.
#include <algorithm>
#include <vector>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

void TCellNode::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TCellNode*>(Source);
    if (!s || s == this)
        return;
    NodeType = s->NodeType;
    NodeIndent = s->NodeIndent;
    Color = s->Color;
    NodeColor = s->NodeColor;
    ExpandGlyph.Assign(s->ExpandGlyph);
    ContractGlyph.Assign(s->ContractGlyph);
    ExpandOne = s->ExpandOne;
    ShowTree = s->ShowTree;
    ShowTreeFull = s->ShowTreeFull;
    TreeColor = s->TreeColor;
}

// --- queries --------------------------------------------------------------------------------------------------

bool TGxStringGrid::HasNodes()
{
    return numNodes_ > 0;
}

TCellGraphic* TGxStringGrid::NodeAt(int ARow)
{
    if (ARow < 0 || ARow >= RowCount())
        return nullptr;
    TCellGraphic* g = GetCellGraphic(0, ARow);
    return g && g->CellType == ctNode ? g : nullptr;
}

// The node graphic of a real row, hidden or shown.
TCellGraphic* TGxStringGrid::NodeAtReal(int ARow)
{
    if (ARow < 0 || ARow >= TotalRowCount())
        return nullptr;
    const TCellProperties* props = HiddenRowObject(0, ARow);
    auto* g = props ? dynamic_cast<TCellGraphic*>(props->GraphicObject()) : nullptr;
    return g && g->CellType == ctNode ? g : nullptr;
}

bool TGxStringGrid::IsNode(int ARow)
{
    return NodeAt(ARow) != nullptr;
}

bool TGxStringGrid::IsSummary(int ARow)
{
    return ARow >= 0 && ARow < RowCount() && GetCellType(0, ARow) == ctSummary;
}

bool TGxStringGrid::NodeState(int ARow)
{
    const TCellGraphic* g = NodeAt(ARow);
    return g && g->CellBoolean;
}

void TGxStringGrid::SetNodeState(int ARow, bool Value)
{
    const TCellGraphic* g = NodeAt(ARow);
    if (!g || g->CellBoolean == Value)
        return;
    Value ? ContractNode(RealRowIndex(ARow)) : ExpandNode(RealRowIndex(ARow));
}

int TGxStringGrid::GetNodeLevel(int ARow)
{
    return IsNode(ARow) ? RowNodeLevel(ARow) : -1;
}

int TGxStringGrid::GetNodeSpan(int ARow)
{
    const TCellGraphic* g = NodeAt(ARow);
    return g ? g->CellIndex : -1;
}

void TGxStringGrid::SetNodeSpan(int ARow, int Span)
{
    if (TCellGraphic* g = NodeAt(ARow))
        g->CellIndex = Span;
}

void TGxStringGrid::UpdateNodeSpan(int ARow, int Delta)
{
    if (TCellGraphic* g = NodeAt(ARow))
        g->CellIndex += Delta;
}

int TGxStringGrid::GetSubNodeCount(int ARow)
{
    const TCellGraphic* g = NodeAt(ARow);
    return g ? g->CellErrFrom : 0;
}

void TGxStringGrid::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TCellGraphic* g = NodeAt(ARow))
        g->CellErrFrom += Delta;
}

int TGxStringGrid::GetNodeIndent(int ARow)
{
    if (!HasNodes() || ARow < 0 || ARow >= RowCount())
        return 0;
    return RowNodeLevel(ARow) * cellNode_->NodeIndent;
}

// 0 for a node row, 2 where the tree line continues down, 1 at the last row of a branch.
int TGxStringGrid::GetNodeSpanType(int ARow)
{
    if (IsNode(ARow))
        return 0;
    // A row below that belongs to a block, or has the node column's properties, carries the line on.
    const int below = ARow + 1;
    if (ARow < RowCount() - FixedFooters() - 1 && (RowNodeLevel(below) > 0 || HasCellProperties(0, below)) &&
        RowNodeLevel(below) >= RowNodeLevel(ARow))
        return 2;
    return 1;
}

// The parent node of a display row: the nearest node above whose block (less the rows hidden in
// contracted nodes on the way) reaches the row; a node without a shallower one answers itself.
int TGxStringGrid::GetParentRow(int ARow)
{
    if (!HasNodes())
        return -1;
    int limit = 65535, result = -1;
    if (IsNode(ARow)) {
        limit = GetNodeLevel(ARow);
        result = ARow;
    }
    int hidden = 0;
    for (int r = std::min(ARow, RowCount() - 1); r >= FixedRows(); --r) {
        if (!IsNode(r) || GetNodeLevel(r) >= limit)
            continue;
        const int s = GetNodeSpan(r);
        if (NodeState(r))
            hidden += s - 1;
        if (ARow < r + s - hidden)
            return r;
    }
    return result;
}

bool TGxStringGrid::IsInNodeGlyph(int ARow, int X)
{
    if (!mouseActions_->PreciseNodeClick())
        return true;
    const int L = GetNodeLevel(ARow), I = cellNode_->NodeIndent;
    int w = 4, c = 4;
    switch (cellNode_->NodeType) {
    case cn3D:
        w = 6;
        c = 0;
        break;
    case cnGlyph:
        w = cellNode_->ExpandGlyph.Empty() ? 0 : cellNode_->ExpandGlyph.Width() / 2;
        c = cellNode_->ExpandGlyph.Empty() ? 0 : 2;
        break;
    case cnLeaf:
        w = 8;
        c = 2;
        break;
    default:
        break;
    }
    return c + (L - 1) * I < X && X < w + L * I;
}

// --- adding and removing nodes ------------------------------------------------------------------------------

void TGxStringGrid::AddNode(int ARow, int Span)
{
    const int d = DisplRowIndex(ARow);
    if (d < 0 || d >= RowCount())
        throw VIdiRazeRaduz("Invalid row accessed");
    TCellGraphic* g = CreateCellGraphic(0, d);
    if (!g)
        return;
    g->CellType = ctNode;
    g->CellBoolean = false;
    g->CellIndex = Span;
    g->CellErrFrom = 0;
    g->CellAngle = d;
    g->CellVar = -1;
    g->CellHAlign = haBeforeText;
    g->CellVAlign = vaCenter;
    RaiseRowNodeLevels(d, std::min(d + Span, RowCount()));
    if (numNodes_ == 0)
        RepaintCol(0);
    ++numNodes_;
    if (Col() == 0 && ColCount() > 1)
        SetCol(1);
}

void TGxStringGrid::LowerLevels(int d, int Span)
{
    for (int r = d; r < std::min(d + Span, RowCount()); ++r)
        SetRowNodeLevel(r, std::max(RowNodeLevel(r) - 1, 0));
}

void TGxStringGrid::RemoveNode(int ARow)
{
    ExpandNode(ARow);
    const int d = DisplRowIndex(ARow);
    const TCellGraphic* g = NodeAt(d);
    if (!g)
        return;
    LowerLevels(d, g->CellIndex);
    RemoveCellGraphic(0, d);
    numNodes_ = std::max(numNodes_ - 1, 0);
}

void TGxStringGrid::RemoveAllNodes()
{
    for (int r = 0; r < RowCount(); ++r) {
        if (!IsNode(r))
            continue;
        ExpandNode(RealRowIndex(r));
        const int span = GetNodeSpan(r);
        LowerLevels(r, span);
        RemoveCellGraphic(0, r);
        numNodes_ = std::max(numNodes_ - 1, 0);
    }
    Invalidate();
}

void TGxStringGrid::SetSummaryRow(int ARow)
{
    if (TCellGraphic* g = CreateCellGraphic(0, DisplRowIndex(ARow)))
        g->CellType = ctSummary;
}

// --- expanding and contracting ------------------------------------------------------------------------------

// One past the last real row of the block of the node at real row ARow: its span, or up to the
// next node row (hidden or shown) when the span is 0 or less.
int TGxStringGrid::NodeBlockEnd(int ARow, int Span)
{
    if (Span > 0)
        return std::min(ARow + Span, TotalRowCount());
    for (int r = ARow + 1; r < TotalRowCount(); ++r)
        if (NodeAtReal(r))
            return r;
    return TotalRowCount();
}

void TGxStringGrid::ExpandNode(int ARow)
{
    if (cellNode_->ExpandOne)
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != DisplRowIndex(ARow) && IsNode(r) && !NodeState(r))
                ContractNode(RealRowIndex(r));
    const int d = DisplRowIndex(ARow);
    TCellGraphic* g = NodeAt(d);
    if (!g || !g->CellBoolean)
        return;
    g->CellBoolean = false;
    // The rows hidden right after the node.
    const int end = d + 1 < RowCount() ? RealRowIndex(d + 1) : TotalRowCount();
    const int savedRow = Row(), savedTop = TopRow();
    const bool rowSelect = (Options() & ui::goRowSelect) != 0;
    if (rowSelect)
        SetOptions(Options() & ~ui::goRowSelect);
    const bool lock = NumCellControls() == 0;
    if (lock)
        BeginUpdate();
    if (end - 1 >= ARow + 1)
        UnHideRows(ARow + 1, end - 1);
    if (lock)
        EndUpdate();
    if (rowSelect) {
        SetOptions(Options() | ui::goRowSelect);
        SetRow(std::min(savedRow, RowCount() - 1));
        SetTopRow(std::min(savedTop, RowCount() - 1));
    }
    CalcFooter(-1);
}

void TGxStringGrid::ContractNode(int ARow)
{
    HideInplaceEdit();
    const int d = DisplRowIndex(ARow);
    TCellGraphic* g = NodeAt(d);
    if (!g || g->CellBoolean)
        return;
    g->CellBoolean = true;
    const int end = NodeBlockEnd(ARow, g->CellIndex);
    // Nested contracted nodes become part of the one hidden run and read as expanded.
    for (int r = ARow + 1; r < end; ++r)
        if (TCellGraphic* nested = NodeAtReal(r))
            nested->CellBoolean = false;
    if (end - 1 >= ARow + 1)
        HideRows(ARow + 1, end - 1);
    CalcFooter(-1);
}

void TGxStringGrid::ExpandAll()
{
    BeginUpdate();
    for (int r = FixedRows(); r < TotalRowCount(); ++r)
        if (TCellGraphic* g = NodeAtReal(r)) {
            if (!IsHiddenRow(r))
                ExpandNode(r);
            g->CellBoolean = false;
        }
    EndUpdate();
    CalcFooter(-1);
}

void TGxStringGrid::ContractAll()
{
    BeginUpdate();
    try {
        ExpandAll();
        std::vector<std::pair<int, int>> runs;  // real rows to hide, first and last
        for (int r = FixedRows(); r < RowCount();) {
            TCellGraphic* g = NodeAt(r);
            if (!g) {
                ++r;
                continue;
            }
            g->CellBoolean = true;
            const int real = RealRowIndex(r);
            const int end = NodeBlockEnd(real, g->CellIndex);
            if (end - 1 >= real + 1)
                runs.emplace_back(real + 1, end - 1);
            r += std::max(end - real, 1);
        }
        for (auto it = runs.rbegin(); it != runs.rend(); ++it)
            HideRows(it->first, it->second);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    CalcFooter(-1);
}

// --- rows inside node blocks ---------------------------------------------------------------------------------

void TGxStringGrid::InsertNormalRow(int ARow)
{
    InsertRows(DisplRowIndex(ARow), 1);
}

void TGxStringGrid::RemoveNormalRow(int ARow)
{
    RemoveRows(DisplRowIndex(ARow), 1);
}

// The parent and every shallower ancestor grow by the row; a node row with InsertAt 0 hands its
// content to its new first child and keeps only the node.
void TGxStringGrid::InsertChildRow(int ARow, int InsertAt)
{
    int d = DisplRowIndex(ARow);
    const int p = GetParentRow(d);
    int level = 1, parentLevel = 0;
    if (p != -1) {
        UpdateNodeSpan(p, 1);
        UpdateSubNodeCount(p, 1);
        ExpandNode(RealRowIndex(p));
        level = parentLevel = RowNodeLevel(p);
        for (int a = p; level > 1 && a != -1 && a >= FixedRows();) {
            const int up = GetParentRow(a);
            if (up == -1 || up == a || RowNodeLevel(up) >= level)
                break;
            a = up;
            UpdateNodeSpan(a, 1);
            UpdateSubNodeCount(a, 1);
            ExpandNode(RealRowIndex(a));
            level = RowNodeLevel(a);
        }
    }
    d = DisplRowIndex(ARow);
    const bool intoNode = IsNode(d) && InsertAt == 0;
    const int position = intoNode ? d + 1 : d + InsertAt;
    InsertRows(position, 1);
    if (intoNode) {
        for (int c = 0; c < TotalColCount(); ++c) {
            SetGridCell(c, d + 1, GridCells(c, d));
            SetGridCell(c, d, "");
            if (c > 0)
                PutCellProperties(c, d + 1, TakeCellProperties(c, d));
        }
    }
    if (p != -1)
        SetRowNodeLevel(position, parentLevel);
    Invalidate();
}

void TGxStringGrid::RemoveChildRow(int ARow)
{
    const int d = DisplRowIndex(ARow);
    int p = GetParentRow(d);
    if (p != -1 && p != d) {
        const int level = GetNodeLevel(p);
        if (GetNodeSpan(p) > 1) {
            UpdateNodeSpan(p, -1);
            UpdateSubNodeCount(p, -1);
        }
        while (true) {
            ExpandNode(RealRowIndex(p));
            if (GetNodeLevel(p) <= 1)
                break;
            const int up = GetParentRow(p);
            if (up == -1 || up == p || GetNodeLevel(up) >= level)
                break;
            p = up;
            if (GetNodeSpan(p) > 1) {
                UpdateNodeSpan(p, -1);
                UpdateSubNodeCount(p, -1);
            }
        }
    }
    RemoveRows(DisplRowIndex(ARow), 1);
}

}  // namespace gx
