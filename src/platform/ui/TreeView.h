#pragma once
// TTreeView: a tree of text nodes with pictures, buttons to open and close branches, one selected
// node, drawn by the framework. TTreeNodes holds the nodes (owned, in a tree of their own);
// TTreeNode is one node. A node removed or cleared is gone: the view forgets it as selected, top
// or hot node before it is freed, and OnDeletion lets the owner of the data forget it too.
#include "platform/ui/Controls.h"
#include "platform/ui/ImgList.h"
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class TTreeNodes;
class TTreeView;

class TTreeNode {
public:
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;
    ~TTreeNode();

    const std::string& Text() const { return text_; }
    void SetText(const std::string& v);
    // Picture of the node (index into the view's Images, -1 none) and when it is selected.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int v);
    // Whatever the owner of the tree hangs on the node; the tree never looks at it.
    void* Data = nullptr;

    TTreeNode* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode* Item(int index) const;
    bool HasChildren() const { return !children_.empty(); }
    // Position among its siblings; depth (a root node is level 0).
    int Index() const;
    int Level() const;
    TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TTreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in depth-first order (children first), or nullptr after the last.
    TTreeNode* GetNext() const;

    bool Expanded() const { return expanded_; }
    void SetExpanded(bool v);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool v);
    // Every parent is expanded: the node has a line of its own in the view.
    bool IsVisible() const;
    // Opens the parents and scrolls the view so that the node shows.
    void MakeVisible();
    // The node's line (textOnly: the text alone) in the view's client coordinates; empty when not visible.
    TRect DisplayRect(bool textOnly) const;

    TTreeNodes* Owner() const { return owner_; }
    TTreeView* TreeView() const;
    // Removes the node and its children from the tree and frees them.
    void Delete();

private:
    friend class TTreeNodes;
    friend class TTreeView;
    TTreeNode(TTreeNodes* owner, TTreeNode* parent, std::string text);
    TTreeNodes* owner_;
    TTreeNode* parent_;
    std::string text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    bool expanded_ = false;
    std::vector<std::unique_ptr<TTreeNode>> children_;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView* view) : view_(view) {}
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;
    ~TTreeNodes();

    // Number of nodes at every level.
    int Count() const;
    // The node at a depth-first position over the whole tree, or nullptr.
    TTreeNode* Item(int index) const;
    TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }
    int RootCount() const { return static_cast<int>(roots_.size()); }
    TTreeNode* Root(int index) const;

    // A new last sibling of sibling (a new root node when sibling is nullptr).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text);
    TTreeNode* AddObject(TTreeNode* sibling, const std::string& text, void* data);
    // A new last child of parent (a new root node when parent is nullptr).
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    TTreeNode* AddChildObject(TTreeNode* parent, const std::string& text, void* data);
    void Delete(TTreeNode* node);
    void Clear();
    // Between BeginUpdate and EndUpdate the view is not repainted for every node.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();
    TTreeView* Owner() const { return view_; }

private:
    friend class TTreeNode;
    friend class TTreeView;
    TTreeNode* Insert(TTreeNode* parent, const std::string& text, void* data);
    std::vector<std::unique_ptr<TTreeNode>>& Siblings(TTreeNode* parent) { return parent ? parent->children_ : roots_; }
    // Tells the view before a node and its children go away.
    void Forget(TTreeNode* node);
    void Changed();
    TTreeView* view_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
    int updating_ = 0;
};

// What custom drawing of a node is told about it.
enum TCustomDrawStateFlag : unsigned { cdsSelected = 1, cdsFocused = 2, cdsHot = 4 };
using TCustomDrawState = unsigned;

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
// Before a node is drawn: the handler may change the view's Canvas() font and brush, or draw the
// line itself and clear DefaultDraw.
using TTVCustomDrawItemEvent =
    std::function<void(TTreeView* Sender, TTreeNode* Node, TCustomDrawState State, bool& DefaultDraw)>;

class TTreeView : public TCustomControl {
public:
    explicit TTreeView(TComponent* AOwner);
    ~TTreeView() override;

    TTreeNodes* Items() { return items_.get(); }
    TTreeNode* Selected() const { return selected_; }
    void SetSelected(TTreeNode* node);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* v);
    int Indent() const { return indent_; }
    void SetIndent(int v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool v);
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool v);
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    // Height of one line in pixels.
    int ItemHeight() const;
    // The first node shown at the top, and the nodes shown as lines in order.
    TTreeNode* TopItem() const;
    void SetTopItem(TTreeNode* node);
    int VisibleCount() const { return static_cast<int>(Lines().size()); }
    // The node on the line at a client point, or nullptr.
    TTreeNode* GetNodeAt(int x, int y) const;
    void FullExpand();
    void FullCollapse();

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVExpandingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVChangedEvent OnDeletion;
    TTVCustomDrawItemEvent OnCustomDrawItem;

protected:
    void Paint() override;
    void KeyDown(unsigned& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    unsigned WantKeys() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void ClientSizeChanged(int oldClientWidth, int oldClientHeight) override;
    void FocusIn() override { Invalidate(); }
    void FocusOut() override { Invalidate(); }
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

private:
    friend class TTreeNodes;
    friend class TTreeNode;
    // The lines shown when every branch is scrolled through (nodes whose parents are all open),
    // rebuilt on first use after a change of the tree.
    const std::vector<TTreeNode*>& Lines() const;
    int LineOf(const TTreeNode* node) const;
    int PageLines() const;
    void SetTopLine(int line);
    void ScrollInView(const TTreeNode* node);
    void UpdateScrollBar();
    // Left edge of the node's button column (the line's indent).
    int LevelLeft(const TTreeNode* node) const;
    int TextLeft(const TTreeNode* node) const;
    bool ButtonHit(const TTreeNode* node, int x) const;
    bool ToggleExpanded(TTreeNode* node, bool expand);
    void Select(TTreeNode* node);
    void NodeGoing(TTreeNode* node);
    void DrawLines(TCanvas& canvas, const TTreeNode* node, const TRect& line);
    void DrawButton(TCanvas& canvas, const TTreeNode* node, const TRect& line);
    // One line; false when a custom-draw handler changed the tree (the lines below are stale).
    bool DrawNode(TCanvas& canvas, TTreeNode* node, const TRect& line, bool focused);

    std::unique_ptr<TTreeNodes> items_;
    mutable std::vector<TTreeNode*> lines_;
    mutable bool linesDirty_ = false;
    // Counts every node added or removed: a painting that sees it change stops using its lines.
    unsigned treeChanges_ = 0;
    TTreeNode* selected_ = nullptr;
    TImageList* images_ = nullptr;
    int topLine_ = 0;
    int indent_ = 19;
    bool readOnly_ = false;
    bool showButtons_ = true;
    bool showLines_ = true;
    bool showRoot_ = true;
    bool hideSelection_ = true;
    TTreeNode* clickedNode_ = nullptr;
};

}  // namespace ui
