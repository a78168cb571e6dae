// TTreeView: lines, scrolling, selection, keys, mouse and painting.
#include "platform/ui/Application.h"
#include "platform/ui/TreeView.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {
constexpr int kButtonHalf = 4;  // the open/close box is 9 x 9 pixels
}

TTreeView::TTreeView(TComponent* AOwner) : TCustomControl(AOwner), items_(std::make_unique<TTreeNodes>(this))
{
    SetTabStop(true);
    SetBorderStyle(TBorderStyle::bsSingle);
    SetDefaultColor(clWindow);
    TControl::SetBounds(0, 0, 121, 97);
}

TTreeView::~TTreeView()
{
    SetImages(nullptr);
    // Nodes go without telling a view that is half gone.
    items_.reset();
}

const std::vector<TTreeNode*>& TTreeView::Lines() const
{
    if (linesDirty_) {
        linesDirty_ = false;
        lines_.clear();
        for (int i = 0; i < items_->RootCount(); ++i) {
            TTreeNode* node = items_->Root(i);
            while (node) {
                lines_.push_back(node);
                if (node->Expanded() && node->HasChildren()) {
                    node = node->GetFirstChild();
                    continue;
                }
                // Up to the first ancestor (or the node itself) with a next sibling.
                TTreeNode* next = nullptr;
                for (TTreeNode* n = node; n && n->Parent(); n = n->Parent()) {
                    if ((next = n->GetNextSibling()))
                        break;
                }
                node = next;
            }
        }
    }
    return lines_;
}

int TTreeView::LineOf(const TTreeNode* node) const
{
    const auto& lines = Lines();
    auto it = std::find(lines.begin(), lines.end(), node);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

int TTreeView::ItemHeight() const
{
    TCanvas measure;
    measure.Font()->Assign(*Font());
    int h = measure.TextHeight("Ag") + 3;
    if (images_)
        h = std::max(h, images_->Height() + 2);
    return std::max(h, 16);
}

int TTreeView::PageLines() const
{
    return std::max(1, ClientHeight() / ItemHeight());
}

TTreeNode* TTreeView::TopItem() const
{
    const auto& lines = Lines();
    if (lines.empty())
        return nullptr;
    return lines[static_cast<std::size_t>(std::clamp(topLine_, 0, static_cast<int>(lines.size()) - 1))];
}

void TTreeView::SetTopItem(TTreeNode* node)
{
    const int line = LineOf(node);
    if (line >= 0)
        SetTopLine(line);
}

void TTreeView::SetTopLine(int line)
{
    const int maxTop = std::max(0, VisibleCount() - PageLines());
    line = std::clamp(line, 0, maxTop);
    if (line == topLine_)
        return;
    topLine_ = line;
    UpdateScrollBar();
    Invalidate();
}

void TTreeView::ScrollInView(const TTreeNode* node)
{
    const int line = LineOf(node);
    if (line < 0)
        return;
    if (line < topLine_)
        SetTopLine(line);
    else if (line >= topLine_ + PageLines())
        SetTopLine(line - PageLines() + 1);
}

void TTreeView::UpdateScrollBar()
{
    const int count = VisibleCount();
    const int page = PageLines();
    topLine_ = std::clamp(topLine_, 0, std::max(0, count - page));
    const bool want = count > page;
    if (want != ScrollBarVisible(SB_VERT))
        ShowScrollBar(SB_VERT, want);
    if (!want)
        return;
    TScrollInfo info;
    info.nMax = count - 1;
    info.nPage = PageLines();
    info.nPos = topLine_;
    SetScrollInfo(SB_VERT, info);
}

void TTreeView::ClientSizeChanged(int oldClientWidth, int oldClientHeight)
{
    TCustomControl::ClientSizeChanged(oldClientWidth, oldClientHeight);
    UpdateScrollBar();
}

void TTreeView::SetImages(TImageList* v)
{
    if (images_ == v)
        return;
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = v;
    if (images_)
        images_->FreeNotification(this);
    UpdateScrollBar();
    Invalidate();
}

void TTreeView::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        Invalidate();
    }
}

void TTreeView::SetIndent(int v)
{
    indent_ = std::max(1, v);
    Invalidate();
}

void TTreeView::SetShowButtons(bool v)
{
    showButtons_ = v;
    Invalidate();
}

void TTreeView::SetShowLines(bool v)
{
    showLines_ = v;
    Invalidate();
}

void TTreeView::SetShowRoot(bool v)
{
    showRoot_ = v;
    Invalidate();
}

void TTreeView::SetHideSelection(bool v)
{
    hideSelection_ = v;
    Invalidate();
}

int TTreeView::LevelLeft(const TTreeNode* node) const
{
    return (node->Level() + (showRoot_ ? 1 : 0)) * indent_;
}

int TTreeView::TextLeft(const TTreeNode* node) const
{
    int x = LevelLeft(node) + 2;
    if (images_)
        x += images_->Width() + 3;
    return x;
}

bool TTreeView::ButtonHit(const TTreeNode* node, int x) const
{
    if (!showButtons_ || !node->HasChildren() || (!showRoot_ && !node->Parent()))
        return false;
    const int left = LevelLeft(node);
    return x >= left - indent_ && x < left;
}

TTreeNode* TTreeView::GetNodeAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight())
        return nullptr;
    const int line = topLine_ + y / ItemHeight();
    const auto& lines = Lines();
    return line < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(line)] : nullptr;
}

void TTreeView::FullExpand()
{
    items_->BeginUpdate();
    for (int i = 0; i < items_->RootCount(); ++i)
        items_->Root(i)->Expand(true);
    items_->EndUpdate();
}

void TTreeView::FullCollapse()
{
    items_->BeginUpdate();
    for (int i = 0; i < items_->RootCount(); ++i)
        items_->Root(i)->Collapse(true);
    items_->EndUpdate();
}

bool TTreeView::ToggleExpanded(TTreeNode* node, bool expand)
{
    if (node->expanded_ == expand)
        return true;
    // A handler that adds or removes nodes may take this one away: nothing touches it then.
    const unsigned changes = treeChanges_;
    bool allow = true;
    if (expand && OnExpanding)
        OnExpanding(this, node, allow);
    else if (!expand && OnCollapsing)
        OnCollapsing(this, node, allow);
    if (!allow || treeChanges_ != changes)
        return false;
    node->expanded_ = expand;
    items_->Changed();
    const unsigned opened = treeChanges_;
    // A selection inside a branch that closes moves up to the branch.
    if (!expand && selected_ && !selected_->IsVisible()) {
        TTreeNode* up = selected_;
        while (up && !up->IsVisible())
            up = up->Parent();
        Select(up);
        if (treeChanges_ != opened)
            return true;
    }
    if (expand && OnExpanded)
        OnExpanded(this, node);
    else if (!expand && OnCollapsed)
        OnCollapsed(this, node);
    return true;
}

void TTreeView::SetSelected(TTreeNode* node)
{
    if (node && node->Owner() != items_.get())
        return;
    Select(node);
}

void TTreeView::Select(TTreeNode* node)
{
    if (node == selected_)
        return;
    bool allow = true;
    if (OnChanging)
        OnChanging(this, node, allow);
    if (!allow)
        return;
    selected_ = node;
    if (node) {
        for (TTreeNode* p = node->Parent(); p; p = p->Parent())
            if (!p->Expanded())
                p->SetExpanded(true);
        ScrollInView(node);
    }
    Invalidate();
    if (OnChange)
        OnChange(this, node);
}

void TTreeView::NodeGoing(TTreeNode* node)
{
    linesDirty_ = true;
    ++treeChanges_;
    if (selected_ == node)
        selected_ = nullptr;
    if (clickedNode_ == node)
        clickedNode_ = nullptr;
    if (OnDeletion)
        OnDeletion(this, node);
}

void TTreeView::KeyDown(unsigned& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    const auto& lines = Lines();
    if (lines.empty() || key == 0)
        return;
    const int current = selected_ ? LineOf(selected_) : -1;
    const int last = static_cast<int>(lines.size()) - 1;
    int target = current;
    switch (key) {
    case VK_UP:
        target = std::max(0, current - 1);
        break;
    case VK_DOWN:
        target = std::min(last, current + 1);
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = last;
        break;
    case VK_PRIOR:
        target = std::max(0, current - PageLines() + 1);
        break;
    case VK_NEXT:
        target = std::min(last, std::max(0, current) + PageLines() - 1);
        break;
    case VK_LEFT:
        if (selected_ && selected_->Expanded() && selected_->HasChildren())
            ToggleExpanded(selected_, false);
        else if (selected_ && selected_->Parent())
            target = LineOf(selected_->Parent());
        break;
    case VK_RIGHT:
        if (selected_ && selected_->HasChildren()) {
            if (!selected_->Expanded())
                ToggleExpanded(selected_, true);
            else
                target = current + 1;
        }
        break;
    default:
        return;
    }
    key = 0;
    if (target >= 0 && target != current)
        Select(Lines()[static_cast<std::size_t>(target)]);
}

void TTreeView::KeyPress(char32_t& key)
{
    TCustomControl::KeyPress(key);
    if (!selected_ || !selected_->HasChildren())
        return;
    if (key == U'+') {
        ToggleExpanded(selected_, true);
        key = 0;
    } else if (key == U'-') {
        ToggleExpanded(selected_, false);
        key = 0;
    } else if (key == U'*') {
        selected_->Expand(true);
        key = 0;
    }
}

void TTreeView::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    clickedNode_ = nullptr;
    if (button == TMouseButton::mbLeft || button == TMouseButton::mbRight) {
        if (CanFocus() && !Focused())
            SetFocus();
        if (TTreeNode* node = GetNodeAt(x, y)) {
            if (button == TMouseButton::mbLeft && ButtonHit(node, x))
                ToggleExpanded(node, !node->Expanded());
            else if (x >= LevelLeft(node)) {
                clickedNode_ = node;
                Select(node);
            }
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TTreeView::DblClick()
{
    TTreeNode* node = clickedNode_;
    TCustomControl::DblClick();
    // The handler may have cleared the tree; only a node still there opens or closes.
    if (node && node == clickedNode_ && node->HasChildren())
        ToggleExpanded(node, !node->Expanded());
}

bool TTreeView::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    const int lines = std::max(1, GetScreen()->WheelScrollLines() * std::abs(wheelDelta) / WHEEL_DELTA);
    SetTopLine(topLine_ + (wheelDelta > 0 ? -lines : lines));
    return true;
}

void TTreeView::WndProc(TMessage& message)
{
    if (message.Msg == WM_VSCROLL) {
        switch (LoWord(message.WParam)) {
        case SB_LINEUP:
            SetTopLine(topLine_ - 1);
            break;
        case SB_LINEDOWN:
            SetTopLine(topLine_ + 1);
            break;
        case SB_PAGEUP:
            SetTopLine(topLine_ - PageLines());
            break;
        case SB_PAGEDOWN:
            SetTopLine(topLine_ + PageLines());
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            SetTopLine(static_cast<int>(HiWord(message.WParam)));
            break;
        case SB_TOP:
            SetTopLine(0);
            break;
        case SB_BOTTOM:
            SetTopLine(VisibleCount());
            break;
        default:
            break;
        }
        message.Result = 0;
        return;
    }
    TCustomControl::WndProc(message);
}

void TTreeView::DrawLines(TCanvas& canvas, const TTreeNode* node, const TRect& line)
{
    // Dotted lines: from the parent's column down to this node, and on through the columns of
    // ancestors that have siblings still to come.
    auto dotted = [&canvas](int x0, int y0, int x1, int y1) {
        for (int x = x0; x <= x1; x += 2)
            for (int y = y0; y <= y1; y += 2)
                canvas.SetPixels(x, y, clGray);
    };
    const int mid = line.Top + line.Height() / 2;
    const bool hasColumn = showRoot_ || node->Parent();
    if (!hasColumn)
        return;
    const int cx = LevelLeft(node) - indent_ + indent_ / 2;
    const bool first = !node->Parent() && node->Index() == 0;
    dotted(cx, first ? mid : line.Top, cx, node->GetNextSibling() ? line.Bottom - 1 : mid);
    dotted(cx + 2, mid, LevelLeft(node) - 1, mid);
    for (const TTreeNode* a = node->Parent(); a; a = a->Parent()) {
        if (!showRoot_ && !a->Parent())
            break;
        if (a->GetNextSibling()) {
            const int ax = LevelLeft(a) - indent_ + indent_ / 2;
            dotted(ax, line.Top, ax, line.Bottom - 1);
        }
    }
}

void TTreeView::DrawButton(TCanvas& canvas, const TTreeNode* node, const TRect& line)
{
    const int cx = LevelLeft(node) - indent_ + indent_ / 2;
    const int cy = line.Top + line.Height() / 2;
    TRect box{cx - kButtonHalf, cy - kButtonHalf, cx + kButtonHalf + 1, cy + kButtonHalf + 1};
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clWindow);
    canvas.Pen()->SetColor(clGray);
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    canvas.Rectangle(box);
    canvas.Pen()->SetColor(clWindowText);
    canvas.MoveTo(cx - 2, cy);
    canvas.LineTo(cx + 3, cy);
    if (!node->Expanded()) {
        canvas.MoveTo(cx, cy - 2);
        canvas.LineTo(cx, cy + 3);
    }
}

bool TTreeView::DrawNode(TCanvas& canvas, TTreeNode* node, const TRect& line, bool focused)
{
    if (showLines_)
        DrawLines(canvas, node, line);
    if (showButtons_ && node->HasChildren() && (showRoot_ || node->Parent()))
        DrawButton(canvas, node, line);
    const bool isSelected = node == selected_;
    const bool lit = isSelected && (focused || !hideSelection_);
    int x = LevelLeft(node) + 2;
    if (images_) {
        const int index = isSelected ? node->SelectedIndex() : node->ImageIndex();
        if (index >= 0 && index < images_->Count())
            images_->Draw(canvas, x, line.Top + (line.Height() - images_->Height()) / 2, index, Enabled());
        x += images_->Width() + 3;
    }
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    if (lit) {
        canvas.Brush()->SetColor(focused ? clHighlight : clBtnFace);
        canvas.Font()->SetColor(focused ? clHighlightText : clWindowText);
    } else {
        canvas.Brush()->SetColor(Color());
    }
    bool defaultDraw = true;
    if (OnCustomDrawItem) {
        const TCustomDrawState state =
            (isSelected ? unsigned(cdsSelected) : 0u) | (isSelected && focused ? unsigned(cdsFocused) : 0u);
        const unsigned changes = treeChanges_;
        OnCustomDrawItem(this, node, state, defaultDraw);
        // The handler may have changed the tree: the node may be gone.
        if (treeChanges_ != changes)
            return false;
    }
    if (!defaultDraw)
        return true;
    TRect text{x, line.Top, x + canvas.TextWidth(node->Text()) + 4, line.Bottom};
    if (lit)
        canvas.FillRect(text);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect inner = text;
    inner.Left += 2;
    canvas.DrawText(node->Text(), inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (isSelected && focused)
        canvas.DrawFocusRect(text);
    return true;
}

void TTreeView::Paint()
{
    TCanvas& canvas = *Canvas();
    const TRect client = ClientRect();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
    const int h = ItemHeight();
    const bool focused = Focused();
    const std::vector<TTreeNode*> lines = Lines();
    for (int i = topLine_; i < static_cast<int>(lines.size()); ++i) {
        const TRect line = Bounds(0, (i - topLine_) * h, client.Width(), h);
        if (line.Top >= client.Bottom || !DrawNode(canvas, lines[static_cast<std::size_t>(i)], line, focused))
            break;
    }
}

}  // namespace ui
