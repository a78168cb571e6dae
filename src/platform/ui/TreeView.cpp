// TTreeNode and TTreeNodes: the nodes of a tree view, owned top-down.
#include "platform/ui/TreeView.h"

#include <algorithm>

namespace ui {

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent, std::string text)
    : owner_(owner), parent_(parent), text_(std::move(text))
{}

TTreeNode::~TTreeNode() = default;

TTreeView* TTreeNode::TreeView() const
{
    return owner_ ? owner_->Owner() : nullptr;
}

void TTreeNode::SetText(const std::string& v)
{
    if (text_ == v)
        return;
    text_ = v;
    owner_->Changed();
}

void TTreeNode::SetImageIndex(int v)
{
    imageIndex_ = v;
    owner_->Changed();
}

void TTreeNode::SetSelectedIndex(int v)
{
    selectedIndex_ = v;
    owner_->Changed();
}

TTreeNode* TTreeNode::Item(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return children_[static_cast<std::size_t>(index)].get();
}

int TTreeNode::Index() const
{
    const auto& siblings = owner_->Siblings(parent_);
    for (std::size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this)
            return static_cast<int>(i);
    return -1;
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode* p = parent_; p; p = p->parent_)
        ++level;
    return level;
}

TTreeNode* TTreeNode::GetNextSibling() const
{
    const auto& siblings = owner_->Siblings(parent_);
    const int i = Index();
    return i + 1 < static_cast<int>(siblings.size()) ? siblings[static_cast<std::size_t>(i) + 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const
{
    const int i = Index();
    return i > 0 ? owner_->Siblings(parent_)[static_cast<std::size_t>(i) - 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const
{
    if (!children_.empty())
        return children_.front().get();
    for (const TTreeNode* n = this; n; n = n->parent_)
        if (TTreeNode* s = n->GetNextSibling())
            return s;
    return nullptr;
}

void TTreeNode::SetExpanded(bool v)
{
    if (v == expanded_)
        return;
    if (TTreeView* view = TreeView())
        view->ToggleExpanded(this, v);
    else
        expanded_ = v;
}

void TTreeNode::Expand(bool recurse)
{
    SetExpanded(true);
    if (recurse)
        for (auto& c : children_)
            c->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    SetExpanded(false);
    if (recurse)
        for (auto& c : children_)
            c->Collapse(true);
}

bool TTreeNode::Selected() const
{
    TTreeView* view = TreeView();
    return view && view->Selected() == this;
}

void TTreeNode::SetSelected(bool v)
{
    TTreeView* view = TreeView();
    if (!view)
        return;
    if (v)
        view->SetSelected(this);
    else if (view->Selected() == this)
        view->SetSelected(nullptr);
}

bool TTreeNode::IsVisible() const
{
    for (const TTreeNode* p = parent_; p; p = p->parent_)
        if (!p->expanded_)
            return false;
    return true;
}

void TTreeNode::MakeVisible()
{
    for (TTreeNode* p = parent_; p; p = p->parent_)
        p->SetExpanded(true);
    if (TTreeView* view = TreeView())
        view->ScrollInView(this);
}

TRect TTreeNode::DisplayRect(bool textOnly) const
{
    TTreeView* view = TreeView();
    if (!view)
        return {};
    const int line = view->LineOf(this);
    if (line < 0)
        return {};
    const int h = view->ItemHeight();
    TRect r = Bounds(0, (line - view->topLine_) * h, view->ClientWidth(), h);
    if (textOnly) {
        r.Left = view->TextLeft(this);
        view->Canvas()->Font()->Assign(*view->Font());
        r.Right = r.Left + view->Canvas()->TextWidth(text_) + 4;
    }
    return r;
}

void TTreeNode::Delete()
{
    owner_->Delete(this);
}

TTreeNodes::~TTreeNodes()
{
    // The view is going away: nobody is left to tell.
    view_ = nullptr;
    roots_.clear();
}

int TTreeNodes::Count() const
{
    int n = 0;
    for (const TTreeNode* node = GetFirstNode(); node; node = node->GetNext())
        ++n;
    return n;
}

TTreeNode* TTreeNodes::Item(int index) const
{
    if (index < 0)
        return nullptr;
    TTreeNode* node = GetFirstNode();
    for (int i = 0; node && i < index; ++i)
        node = node->GetNext();
    return node;
}

TTreeNode* TTreeNodes::Root(int index) const
{
    if (index < 0 || index >= RootCount())
        return nullptr;
    return roots_[static_cast<std::size_t>(index)].get();
}

TTreeNode* TTreeNodes::Insert(TTreeNode* parent, const std::string& text, void* data)
{
    auto node = std::unique_ptr<TTreeNode>(new TTreeNode(this, parent, text));
    node->Data = data;
    TTreeNode* raw = node.get();
    Siblings(parent).push_back(std::move(node));
    Changed();
    return raw;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text)
{
    return AddObject(sibling, text, nullptr);
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const std::string& text, void* data)
{
    return Insert(sibling ? sibling->Parent() : nullptr, text, data);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text)
{
    return AddChildObject(parent, text, nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const std::string& text, void* data)
{
    return Insert(parent, text, data);
}

void TTreeNodes::Forget(TTreeNode* node)
{
    for (auto& c : node->children_)
        Forget(c.get());
    if (view_)
        view_->NodeGoing(node);
}

void TTreeNodes::Delete(TTreeNode* node)
{
    if (!node || node->owner_ != this)
        return;
    Forget(node);
    auto& siblings = Siblings(node->parent_);
    auto it = std::find_if(siblings.begin(), siblings.end(), [node](const auto& p) { return p.get() == node; });
    if (it == siblings.end())
        return;
    std::unique_ptr<TTreeNode> gone = std::move(*it);
    siblings.erase(it);
    gone.reset();
    Changed();
}

void TTreeNodes::Clear()
{
    if (roots_.empty())
        return;
    ++updating_;
    // Last root first, as deleting one by one would.
    while (!roots_.empty()) {
        TTreeNode* last = roots_.back().get();
        Forget(last);
        roots_.pop_back();
    }
    --updating_;
    Changed();
}

void TTreeNodes::EndUpdate()
{
    if (updating_ > 0 && --updating_ == 0)
        Changed();
}

void TTreeNodes::Changed()
{
    if (!view_)
        return;
    view_->linesDirty_ = true;
    ++view_->treeChanges_;
    if (updating_ == 0) {
        view_->UpdateScrollBar();
        view_->Invalidate();
    }
}

}  // namespace ui
