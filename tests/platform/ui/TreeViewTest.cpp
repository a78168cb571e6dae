// The tree view: nodes and their order, lines that follow opening and closing, selection by mouse
// and keys, scrolling, drawing with pictures and custom colours, and nodes that are gone.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/Render.h"
#include "platform/ui/TreeView.h"
#include <string>
#include <vector>

using namespace ui;

namespace {

// root / A (a1, a2) / B (b1 (b1x))
struct SmallTree {
    TTreeView tv{nullptr};
    TTreeNode* root;
    TTreeNode* a;
    TTreeNode* a1;
    TTreeNode* a2;
    TTreeNode* b;
    TTreeNode* b1;
    TTreeNode* b1x;
    SmallTree()
    {
        tv.SetBounds(0, 0, 300, 400);
        TTreeNodes* items = tv.Items();
        root = items->AddChild(nullptr, "root");
        a = items->AddChild(root, "A");
        a1 = items->AddChild(a, "a1");
        a2 = items->Add(a1, "a2");
        b = items->AddChild(root, "B");
        b1 = items->AddChild(b, "b1");
        b1x = items->AddChild(b1, "b1x");
    }
    int Y(TTreeNode* node) const { return node->DisplayRect(false).Top + 2; }
    int TextX(TTreeNode* node) const { return node->DisplayRect(true).Left + 3; }
};

}  // namespace

TEST(TreeView, NodesKeepTheirOrderLevelsAndData)
{
    SmallTree t;
    int payload = 7;
    TTreeNode* extra = t.tv.Items()->AddChildObject(t.b, "b2", &payload);
    EXPECT_EQ(t.tv.Items()->Count(), 8);
    std::vector<std::string> order;
    for (int i = 0; i < t.tv.Items()->Count(); ++i)
        order.push_back(t.tv.Items()->Item(i)->Text());
    EXPECT_EQ(order, (std::vector<std::string>{"root", "A", "a1", "a2", "B", "b1", "b1x", "b2"}));
    EXPECT_EQ(t.b1x->Level(), 3);
    EXPECT_EQ(t.a2->Index(), 1);
    EXPECT_EQ(t.a2->Parent(), t.a);
    EXPECT_EQ(t.a2->GetNextSibling(), nullptr);
    EXPECT_EQ(t.b->GetPrevSibling(), t.a);
    EXPECT_EQ(extra->Data, &payload);
    EXPECT_EQ(t.tv.Items()->Item(8), nullptr);
}

TEST(TreeView, LinesFollowOpeningAndClosing)
{
    SmallTree t;
    EXPECT_EQ(t.tv.VisibleCount(), 1);  // everything starts closed
    t.root->Expand(false);
    t.b->Expand(false);
    EXPECT_EQ(t.tv.VisibleCount(), 4);  // root, A, B, b1
    EXPECT_TRUE(t.b1->IsVisible());
    EXPECT_FALSE(t.a1->IsVisible());
    t.tv.FullExpand();
    EXPECT_EQ(t.tv.VisibleCount(), 7);
    EXPECT_EQ(t.tv.GetNodeAt(t.TextX(t.b1x), t.Y(t.b1x)), t.b1x);
    t.root->Collapse(false);
    EXPECT_EQ(t.tv.VisibleCount(), 1);
    EXPECT_TRUE(t.b->Expanded());  // a closed parent keeps its children's state
    EXPECT_TRUE(t.b1x->DisplayRect(false).IsEmpty());
}

TEST(TreeView, ClosingABranchMovesTheSelectionUpAndAHandlerMayRefuse)
{
    SmallTree t;
    t.tv.FullExpand();
    std::vector<std::string> changes;
    t.tv.OnChange = [&](TObject*, TTreeNode* n) { changes.push_back(n ? n->Text() : "-"); };
    t.tv.SetSelected(t.b1x);
    t.b->Collapse(false);
    EXPECT_EQ(t.tv.Selected(), t.b);
    EXPECT_EQ(changes, (std::vector<std::string>{"b1x", "B"}));

    t.tv.OnExpanding = [&](TObject*, TTreeNode* n, bool& allow) { allow = n != t.b; };
    t.b->Expand(false);
    EXPECT_FALSE(t.b->Expanded());
    t.a->Collapse(false);
    t.a->Expand(false);
    EXPECT_TRUE(t.a->Expanded());
}

TEST(TreeView, MouseSelectsBeforeTheClickAndButtonsOpen)
{
    SmallTree t;
    t.root->Expand(false);
    TTreeNode* seenAtClick = nullptr;
    int clicks = 0;
    t.tv.OnClick = [&](TObject*) {
        ++clicks;
        seenAtClick = t.tv.Selected();
    };
    SendClick(&t.tv, t.TextX(t.b), t.Y(t.b));
    EXPECT_EQ(seenAtClick, t.b);
    EXPECT_EQ(clicks, 1);

    // The box left of a node with children opens and closes it without selecting it.
    const int button = t.a->DisplayRect(true).Left - 2 - t.tv.Indent() / 2;
    SendClick(&t.tv, button, t.Y(t.a));
    EXPECT_TRUE(t.a->Expanded());
    EXPECT_EQ(t.tv.Selected(), t.b);

    SendClick(&t.tv, t.TextX(t.b), t.Y(t.b));
    SendDoubleClick(&t.tv, TMouseButton::mbLeft, t.TextX(t.b), t.Y(t.b));
    EXPECT_TRUE(t.b->Expanded());

    const int below = t.tv.VisibleCount() * t.tv.ItemHeight() + 5;
    SendClick(&t.tv, 50, below);
    EXPECT_EQ(t.tv.Selected(), t.b);  // nothing there: the selection stays
}

TEST(TreeView, KeysWalkTheLinesAndOpenAndCloseBranches)
{
    SmallTree t;
    t.tv.SetSelected(t.root);
    struct Step {
        unsigned key;
        TTreeNode* selected;
        bool rootOpen;
    };
    const Step steps[] = {
        {VK_RIGHT, t.root, true},  // opens
        {VK_RIGHT, t.a, true},     // then goes to the first child
        {VK_DOWN, t.b, true},      //
        {VK_LEFT, t.root, true},   // closed B: to the parent
        {VK_LEFT, t.root, false},  // open root: closes it
        {VK_DOWN, t.root, false},  // the only line
        {VK_END, t.root, false},   //
    };
    for (const Step& s : steps) {
        SendKeyStroke(&t.tv, s.key);
        EXPECT_EQ(t.tv.Selected(), s.selected) << "key " << s.key;
        EXPECT_EQ(t.root->Expanded(), s.rootOpen) << "key " << s.key;
    }
}

TEST(TreeView, ClearedAndDeletedNodesAreForgotten)
{
    SmallTree t;
    t.tv.FullExpand();
    t.tv.SetSelected(t.b1x);
    std::vector<TTreeNode*> gone;
    t.tv.OnDeletion = [&](TObject*, TTreeNode* n) { gone.push_back(n); };

    t.b->Delete();
    EXPECT_EQ(gone, (std::vector<TTreeNode*>{t.b1x, t.b1, t.b}));
    EXPECT_EQ(t.tv.Selected(), nullptr);
    EXPECT_EQ(t.tv.VisibleCount(), 4);

    gone.clear();
    t.tv.SetSelected(t.a2);
    t.tv.Items()->Clear();
    EXPECT_EQ(gone.size(), 4u);
    EXPECT_EQ(t.tv.Selected(), nullptr);
    EXPECT_EQ(t.tv.TopItem(), nullptr);
    EXPECT_EQ(t.tv.Items()->Count(), 0);
    EXPECT_EQ(t.tv.GetNodeAt(30, 3), nullptr);
    // Input and painting after the clear touch nothing that is gone (the sanitizer run sees it).
    SendClick(&t.tv, 30, 3);
    SendKeyStroke(&t.tv, VK_DOWN);
    TBitmap shot;
    RenderControl(t.tv, shot);
    EXPECT_EQ(t.tv.Selected(), nullptr);
}

TEST(TreeView, ADoubleClickHandlerMayClearTheTreeItWasClickedIn)
{
    SmallTree t;
    t.root->Expand(false);
    t.tv.OnDblClick = [&](TObject*) { t.tv.Items()->Clear(); };
    SendClick(&t.tv, t.TextX(t.a), t.Y(t.a));
    SendDoubleClick(&t.tv, TMouseButton::mbLeft, t.TextX(t.a), t.Y(t.a));
    EXPECT_EQ(t.tv.Items()->Count(), 0);
    EXPECT_EQ(t.tv.Selected(), nullptr);
}

TEST(TreeView, SelectingAFarNodeScrollsItIntoView)
{
    TTreeView tv(nullptr);
    tv.SetBounds(0, 0, 200, 120);
    TTreeNode* root = tv.Items()->AddChild(nullptr, "root");
    TTreeNode* last = nullptr;
    for (int i = 0; i < 40; ++i)
        last = tv.Items()->AddChild(root, "n" + std::to_string(i));
    root->Expand(false);
    EXPECT_TRUE(tv.ScrollBarVisible(SB_VERT));
    EXPECT_EQ(tv.TopItem(), root);
    tv.SetSelected(last);
    EXPECT_FALSE(last->DisplayRect(false).IsEmpty());
    EXPECT_LE(last->DisplayRect(false).Bottom, tv.ClientHeight());
    EXPECT_NE(tv.TopItem(), root);
    SendMouseWheel(&tv, WHEEL_DELTA * 20, 10, 10);
    EXPECT_EQ(tv.TopItem(), root);
    root->Collapse(false);
    EXPECT_FALSE(tv.ScrollBarVisible(SB_VERT));
}

TEST(TreeView, DrawsPicturesAndTheColoursTheHandlerChooses)
{
    TTreeView tv(nullptr);
    tv.SetBounds(0, 0, 200, 80);
    TImageList images(nullptr);
    const TColor pictureColors[] = {clRed, clLime};
    for (TColor c : pictureColors) {
        TBitmap b;
        b.SetSize(16, 16);
        b.Canvas()->Brush()->SetColor(c);
        b.Canvas()->FillRect({0, 0, 16, 16});
        images.Add(b);
    }
    tv.SetImages(&images);
    TTreeNode* plain = tv.Items()->AddChild(nullptr, "WWWW");
    plain->SetImageIndex(0);
    TTreeNode* blue = tv.Items()->AddChild(nullptr, "WWWW");
    blue->SetImageIndex(1);
    tv.OnCustomDrawItem = [](TTreeView* sender, TTreeNode* node, TCustomDrawState, bool&) {
        sender->Canvas()->Font()->SetColor(node->ImageIndex() == 1 ? clBlue : clBlack);
    };
    TBitmap shot;
    RenderControl(tv, shot);
    auto lineHas = [&](TTreeNode* node, TColor c) {
        TRect r = node->DisplayRect(false);
        TPoint o = tv.ClientOrigin();
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (ColorToRGB(shot.Pixel(x + o.X, y + o.Y)) == ColorToRGB(c))
                    return true;
        return false;
    };
    EXPECT_TRUE(lineHas(plain, clRed));
    EXPECT_FALSE(lineHas(plain, clBlue));
    EXPECT_TRUE(lineHas(blue, clLime));
    EXPECT_TRUE(lineHas(blue, clBlue));
    EXPECT_FALSE(lineHas(blue, clRed));
}

TEST(TreeView, AHandlerThatClearsTheTreeWhileItIsDrawnEndsTheDrawing)
{
    TTreeView tv(nullptr);
    tv.SetBounds(0, 0, 200, 120);
    for (const char* text : {"one", "two", "three"})
        tv.Items()->AddChild(nullptr, text);
    int drawn = 0;
    tv.OnCustomDrawItem = [&](TTreeView* sender, TTreeNode*, TCustomDrawState, bool&) {
        ++drawn;
        sender->Items()->Clear();
    };
    TBitmap shot;
    RenderControl(tv, shot);
    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(tv.Items()->Count(), 0);
}
