// Bounds, alignment, anchors, client areas, inherited font and colour, and form placement.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grids.h"
#include "platform/ui/Input.h"

#include <string>
#include <vector>

using namespace ui;

TEST(Layout, AlignedControlsShareTheClientAreaInOrder)
{
    TPanel host(nullptr);
    host.SetBevelOuter(TBevelCut::bvNone);
    host.SetBounds(0, 0, 200, 100);
    auto make = [&](TAlign a, int size) {
        auto* p = new TPanel(&host);
        p->SetParent(&host);
        p->SetBounds(0, 0, size, size);
        p->SetAlign(a);
        return p;
    };
    TPanel* top = make(TAlign::alTop, 10);
    TPanel* bottom = make(TAlign::alBottom, 20);
    TPanel* left = make(TAlign::alLeft, 30);
    TPanel* right = make(TAlign::alRight, 40);
    TPanel* client = make(TAlign::alClient, 5);
    EXPECT_EQ(top->BoundsRect(), TRect(0, 0, 200, 10));
    EXPECT_EQ(bottom->BoundsRect(), TRect(0, 80, 200, 100));
    EXPECT_EQ(left->BoundsRect(), TRect(0, 10, 30, 80));
    EXPECT_EQ(right->BoundsRect(), TRect(160, 10, 200, 80));
    EXPECT_EQ(client->BoundsRect(), TRect(30, 10, 160, 80));

    top->Hide();  // hidden controls give their room back
    EXPECT_EQ(client->BoundsRect(), TRect(30, 0, 160, 80));
    host.SetBounds(0, 0, 300, 120);
    EXPECT_EQ(bottom->BoundsRect(), TRect(0, 100, 300, 120));
    EXPECT_EQ(client->BoundsRect(), TRect(30, 0, 260, 100));
}

TEST(Layout, AnchorsKeepDistancesWhenTheParentResizes)
{
    struct Case {
        TAnchors anchors;
        TRect expected;
    };
    // Child at (10,10,40,30) in a 100x100 parent that grows to 150x120.
    const Case cases[] = {
        {akLeft | akTop, {10, 10, 40, 30}},
        {akRight | akTop, {60, 10, 90, 30}},
        {akLeft | akRight | akTop, {10, 10, 90, 30}},
        {akLeft | akTop | akBottom, {10, 10, 40, 50}},
        {akLeft | akTop | akRight | akBottom, {10, 10, 90, 50}},
    };
    for (const Case& k : cases) {
        TPanel parent(nullptr);
        parent.SetBevelOuter(TBevelCut::bvNone);
        parent.SetBounds(0, 0, 100, 100);
        auto* child = new TPanel(&parent);
        child->SetParent(&parent);
        child->SetBoundsRect({10, 10, 40, 30});
        child->SetAnchors(k.anchors);
        parent.SetBounds(0, 0, 150, 120);
        EXPECT_EQ(child->BoundsRect(), k.expected) << k.anchors;
    }
}

TEST(Layout, ClientAreasLeaveOutBordersScrollBarsAndFormFrames)
{
    TForm form(nullptr);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_GT(form.Width(), 300);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    EXPECT_EQ(form.Width(), 300);  // the client size stays
    EXPECT_EQ(form.ClientHeight(), 200);

    TPanel box(nullptr);
    box.SetBevelOuter(TBevelCut::bvNone);
    box.SetBounds(0, 0, 100, 50);
    box.SetBorderStyle(TBorderStyle::bsSingle);
    box.ShowScrollBar(SB_VERT, true);
    EXPECT_EQ(box.ClientWidth(), 100 - 4 - TWinControl::ScrollBarSize);
    EXPECT_EQ(box.ClientHeight(), 46);
    EXPECT_EQ(box.ClientToScreen({0, 0}), TPoint(2, 2));
}

TEST(Layout, ParentFontAndColourFlowDownUntilAChildSetsItsOwn)
{
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* label = new TLabel(&form);
    label->SetParent(panel);
    form.Font()->SetName("Verdana");
    EXPECT_EQ(label->Font()->Name(), "Verdana");
    label->Font()->SetSize(12);  // the label's own font from now on
    EXPECT_FALSE(label->ParentFont());
    form.Font()->SetName("Segoe UI");
    EXPECT_EQ(panel->Font()->Name(), "Segoe UI");
    EXPECT_EQ(label->Font()->Name(), "Verdana");

    panel->SetColor(clYellow);
    EXPECT_EQ(label->Color(), clYellow);  // labels take their parent's colour
    label->SetColor(clRed);
    panel->SetColor(clAqua);
    EXPECT_EQ(label->Color(), clRed);
}

TEST(Layout, DestroyingAParentDetachesChildrenItDoesNotOwn)
{
    TPanel owner(nullptr);
    auto* parent = new TPanel(nullptr);
    auto* child = new TPanel(&owner);
    child->SetParent(parent);
    delete parent;
    EXPECT_EQ(child->Parent(), nullptr);
    EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(Layout, ASizeChangeSendsWmSizeWithTheClientSizeBeforeOnResize)
{
    class Sized : public TPanel {
    public:
        Sized() : TPanel(nullptr) { SetBevelOuter(TBevelCut::bvNone); }
        std::vector<std::string> log;
        void WndProc(TMessage& m) override
        {
            if (m.Msg == WM_SIZE)
                log.push_back("size " + std::to_string(LoWord(m.LParam)) + "x" + std::to_string(HiWord(m.LParam)));
            TPanel::WndProc(m);
        }
    } panel;
    panel.OnResize = [&](TObject*) { panel.log.push_back("resize"); };
    panel.SetBounds(0, 0, 50, 40);
    panel.SetBounds(5, 5, 50, 40);  // a move only: nothing
    panel.ShowScrollBar(SB_VERT, true);
    EXPECT_EQ(panel.log, (std::vector<std::string>{"size 50x40", "resize", "size 33x40", "resize"}));
}

// The grid has a hook of its own for a change of its column or row count; it must neither stand
// in for the control's size change nor be called for one.
TEST(Layout, AGridHearsItsSizeChangesAndNotItsCountChanges)
{
    class Grid : public TStringGrid {
    public:
        Grid() : TStringGrid(nullptr) {}
        std::vector<std::string> log;
        void SizeChanged(int OldColCount, int OldRowCount) override
        {
            log.push_back("counts " + std::to_string(OldColCount) + "x" + std::to_string(OldRowCount));
        }
    } grid;
    grid.SetBounds(0, 0, 200, 100);
    grid.OnResize = [&](TObject*) { grid.log.push_back("resize"); };
    grid.log.clear();
    grid.SetBounds(0, 0, 300, 150);
    const int cols = grid.ColCount(), rows = grid.RowCount();
    grid.SetColCount(cols + 1);
    EXPECT_EQ(grid.log,
              (std::vector<std::string>{"resize", "counts " + std::to_string(cols) + "x" + std::to_string(rows)}));
}

TEST(FormPosition, CentredFormsAreCentredWithTheSizeTheirOnShowGivesThem)
{
    TForm owner(nullptr);
    owner.SetBounds(100, 50, 800, 600);
    owner.Show();
    TForm* previousMain = Application->MainForm();
    Application->SetMainForm(&owner);
    struct Case {
        TPosition position;
        TRect area;  // the rectangle the form is centred in
    };
    const TRect screen{0, 0, Screen->Width(), Screen->Height()};
    const Case cases[] = {
        {TPosition::poScreenCenter, screen},
        {TPosition::poMainFormCenter, owner.BoundsRect()},
        {TPosition::poOwnerFormCenter, owner.BoundsRect()},
    };
    for (const Case& k : cases) {
        TForm dialog(&owner);
        dialog.SetBorderStyle(TFormBorderStyle::bsSingle);
        dialog.SetPosition(k.position);
        dialog.OnShow = [&](TObject*) {
            dialog.SetClientWidth(425);
            dialog.SetClientHeight(148);
        };
        dialog.Show();
        EXPECT_EQ(dialog.ClientWidth(), 425);
        EXPECT_EQ(dialog.Left(), k.area.Left + (k.area.Width() - dialog.Width()) / 2) << static_cast<int>(k.position);
        EXPECT_EQ(dialog.Top(), k.area.Top + (k.area.Height() - dialog.Height()) / 2) << static_cast<int>(k.position);
        dialog.Hide();
    }
    Application->SetMainForm(previousMain);
    owner.Hide();
}

// A splitter between two aligned controls: dragging it moves the room from one to the other, the
// client-aligned one keeping MinSize and the dragged one at least MinSize.
TEST(Layout, SplitterDragsTheRoomBetweenItsNeighbours)
{
    struct Case {
        TAlign align;
        int drag;      // along the splitter's axis, after pressing at its middle
        int expected;  // the sized neighbour's size after the drag
    };
    const Case cases[] = {
        {TAlign::alTop, 40, 140},    {TAlign::alTop, -85, 30},      {TAlign::alTop, 500, 370},
        {TAlign::alBottom, 40, 60},  {TAlign::alBottom, -500, 370}, {TAlign::alLeft, 25, 125},
        {TAlign::alRight, -20, 120},
    };
    for (const Case& c : cases) {
        TPanel host(nullptr);
        host.SetBevelOuter(TBevelCut::bvNone);
        host.SetBounds(0, 0, 400, 403);
        auto* sized = new TPanel(&host);
        sized->SetParent(&host);
        sized->SetBounds(0, 0, 100, 100);
        sized->SetAlign(c.align);
        auto* splitter = new TSplitter(&host);
        splitter->SetParent(&host);
        const bool vertical = c.align == TAlign::alLeft || c.align == TAlign::alRight;
        splitter->SetAlign(c.align);
        splitter->SetBounds(vertical ? 200 : 0, vertical ? 0 : 200, 3, 3);
        auto* client = new TPanel(&host);
        client->SetParent(&host);
        client->SetAlign(TAlign::alClient);
        int moved = 0;
        splitter->OnMoved = [&moved](TObject*) { ++moved; };

        auto along = [&] { return vertical ? splitter->Left() : splitter->Top(); };
        const int start = along();
        auto move_to = [&](int offset) {  // the mouse at the press point moved by offset, in the bar's coordinates
            const int at = 1 + offset - (along() - start);
            SendMouseMove(splitter, vertical ? at : 1, vertical ? 1 : at);
        };
        SendMouseDown(splitter, TMouseButton::mbLeft, 1, 1);
        move_to(c.drag / 2);  // the bar moves with the first step, the second is measured from there
        move_to(c.drag);
        SendMouseUp(splitter, TMouseButton::mbLeft, 1, 1);
        const int size = vertical ? sized->Width() : sized->Height();
        EXPECT_EQ(size, c.expected) << static_cast<int>(c.align) << " " << c.drag;
        EXPECT_EQ(moved, 1);
        const int clientSize = vertical ? client->Width() : client->Height();
        EXPECT_EQ(size + 3 + clientSize, vertical ? 400 : 403) << "the three share the room";
    }
}
