// Behaviour of the standard controls beyond the basics of the form drive.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Input.h"
#include "platform/ui/Mask.h"
#include "platform/ui/StdCtrls.h"
#include <string>
#include <vector>

using namespace ui;

namespace {
// Records the notifications its children send as WM_COMMAND.
class Host : public TPanel {
public:
    Host() : TPanel(nullptr) {}
    std::vector<unsigned> codes;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_COMMAND)
            codes.push_back(HiWord(m.WParam));
        TPanel::WndProc(m);
    }
};
}  // namespace

TEST(ComboBox, NotifiesItsParentAndFiresEventsInDesktopOrder)
{
    Host host;
    auto* combo = new TComboBox(&host);
    combo->SetParent(&host);
    combo->Items()->Add("Alpha");
    combo->Items()->Add("Beta");
    std::vector<std::string> log;
    combo->OnChange = [&](TObject*) { log.push_back("change"); };
    combo->OnClick = [&](TObject*) { log.push_back("click"); };
    combo->OnDropDown = [&](TObject*) { log.push_back("dropdown"); };
    combo->OnCloseUp = [&](TObject*) { log.push_back("closeup"); };
    combo->SetDroppedDown(true);
    combo->UserSelect(1);
    EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "click", "change", "closeup"}));
    EXPECT_EQ(host.codes, (std::vector<unsigned>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_CLOSEUP}));

    combo->OnSelect = [&](TObject*) { log.push_back("select"); };  // with OnSelect, no OnChange on a pick
    log.clear();
    combo->UserSelect(0);
    EXPECT_EQ(log, (std::vector<std::string>{"click", "select"}));

    log.clear();
    combo->SetFocus();
    combo->SetText("");
    SendText(combo, "Be");  // typing in the edit part
    EXPECT_EQ(combo->Text(), "Be");
    EXPECT_EQ(combo->ItemIndex(), -1);
    SendText(combo, "ta");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"change", "change", "change", "change"}));
    EXPECT_EQ(host.codes.back(), CBN_EDITCHANGE);
}

TEST(ComboBox, ItemsKeepTheirObjectsAndAShrinkingListClearsTheIndex)
{
    TComboBox combo(nullptr);
    combo.SetStyle(TComboBoxStyle::csDropDownList);
    TObject tag;
    combo.AddItem("one", nullptr);
    combo.AddItem("two", &tag);
    combo.SetItemIndex(1);
    EXPECT_EQ(combo.Items()->Objects(combo.ItemIndex()), &tag);
    combo.SetItemIndex(5);
    EXPECT_EQ(combo.ItemIndex(), -1);
    combo.SetItemIndex(1);
    combo.Items()->Delete(1);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    SendKeyStroke(&combo, 'O', 0, 'o');  // typing picks the item by its first letter
    EXPECT_EQ(combo.Text(), "one");
}

TEST(RadioButtons, CheckingOneUnchecksItsSiblingsOnly)
{
    TPanel group1(nullptr), group2(nullptr);
    auto make = [](TPanel& parent) {
        auto* r = new TRadioButton(&parent);
        r->SetParent(&parent);
        return r;
    };
    TRadioButton* a = make(group1);
    TRadioButton* b = make(group1);
    TRadioButton* c = make(group2);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    a->SetChecked(true);
    c->SetChecked(true);
    SendClick(b);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(c->Checked());
    SendClick(b);  // a checked radio button stays checked
    EXPECT_TRUE(b->Checked());
    EXPECT_EQ(clicks, 1);
}

TEST(CheckBox, AllowGrayedCyclesThroughThreeStates)
{
    TCheckBox box(nullptr);
    box.SetAllowGrayed(true);
    std::vector<TCheckBoxState> seen;
    box.OnClick = [&](TObject*) { seen.push_back(box.State()); };
    for (int i = 0; i < 3; ++i)
        SendClick(&box);
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed,
                                                 TCheckBoxState::cbUnchecked}));
    SendClick(&box, 500, 5);  // released outside: no toggle
    EXPECT_EQ(seen.size(), 3u);
}

TEST(Label, AutoSizeFollowsTheCaptionAndAnAcceleratorFocusesItsControl)
{
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    label->SetCaption("&Port");
    int shortWidth = label->Width();
    label->SetCaption("&Port number of the device");
    EXPECT_GT(label->Width(), shortWidth);
    EXPECT_GT(label->Height(), 0);
    label->SetFocusControl(edit);
    other->SetFocus();
    SendKeyStroke(&form, 'P', ssAlt, 'p');
    EXPECT_TRUE(edit->Focused());
    delete edit;  // the label forgets a focus control that goes away
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST(ListBox, KeyboardAndMouseSelection)
{
    TListBox list(nullptr);
    list.SetBounds(0, 0, 100, 4 + 3 * 13);  // three visible rows
    for (const char* s : {"English", "Italiano", "Deutsch", "Francais", "Espanol"})
        list.Items()->Add(s);
    int clicks = 0;
    list.OnClick = [&](TObject*) { ++clicks; };
    SendKeyStroke(&list, VK_DOWN);
    EXPECT_EQ(list.ItemIndex(), 0);
    SendKeyStroke(&list, VK_END);
    EXPECT_EQ(list.ItemIndex(), 4);
    EXPECT_EQ(list.TopIndex(), 2);  // scrolled so that the item shows
    SendClick(&list, 10, 13 + 5);
    EXPECT_EQ(list.ItemIndex(), 3);
    EXPECT_EQ(list.ItemAtPos({10, 200}), -1);
    EXPECT_EQ(clicks, 3);
    list.Items()->Clear();
    EXPECT_EQ(list.ItemIndex(), -1);
}

namespace {
// Sizes the group to 200 x 300 and stacks count expanded panels of 150 pixels in it.
std::vector<TCategoryPanel*> StackPanels(TCategoryPanelGroup& group, int count)
{
    group.SetBounds(0, 0, 200, 300);
    std::vector<TCategoryPanel*> panels;
    for (int i = 0; i < count; ++i) {
        auto* p = new TCategoryPanel(&group);
        p->SetPanelGroup(&group);
        p->SetHeight(150);
        panels.push_back(p);
    }
    return panels;
}
}  // namespace

TEST(CategoryPanels, CollapsingRestacksThePanelsAndScrollingStaysInRange)
{
    TCategoryPanelGroup group(nullptr);
    std::vector<TCategoryPanel*> panels = StackPanels(group, 3);
    EXPECT_EQ(panels[1]->Top(), 150);
    EXPECT_EQ(panels[2]->Top(), 300);
    EXPECT_TRUE(group.ScrollBarVisible(SB_VERT));
    EXPECT_EQ(panels[0]->Width(), group.ClientWidth());
    panels[0]->Collapse();
    EXPECT_EQ(panels[0]->Height(), group.HeaderHeight());
    EXPECT_EQ(panels[1]->Top(), group.HeaderHeight());
    panels[0]->SetHeight(180);  // a re-layout sizing a collapsed panel leaves it collapsed
    EXPECT_TRUE(panels[0]->Collapsed());
    EXPECT_EQ(panels[0]->Height(), group.HeaderHeight());
    EXPECT_EQ(panels[1]->Top(), group.HeaderHeight());
    panels[0]->Expand();
    EXPECT_EQ(panels[0]->Height(), 180);
    panels[0]->SetHeight(150);
    auto* edit = new TEdit(panels[1]);  // a wheel over a child that does not take it scrolls the group
    edit->SetParent(panels[1]);
    SendMouseWheel(edit, -WHEEL_DELTA, 5, 5);
    EXPECT_GT(group.VertScrollPosition(), 0);
    group.SetVertScrollPosition(10000);
    EXPECT_EQ(group.VertScrollPosition(), 450 - 300);
    EXPECT_EQ(panels[0]->Top(), -150);
    panels[2]->Hide();
    EXPECT_EQ(group.VertScrollPosition(), 0);
    EXPECT_FALSE(group.ScrollBarVisible(SB_VERT));
    SendClick(panels[1], 10, -5);  // a click on the header toggles
    EXPECT_TRUE(panels[1]->Collapsed());
}

TEST(CategoryPanels, ScrollMessagesAndTheWheelMoveTheGroupByLinesAndPages)
{
    TCategoryPanelGroup group(nullptr);
    StackPanels(group, 3);
    const int line = group.HeaderHeight();
    const int last = group.ContentHeight() - group.ClientHeight();
    ASSERT_GT(last, line);
    struct Case {
        int from;
        unsigned code;
        unsigned thumb;
        int expected;
    };
    const Case cases[] = {
        {0, SB_LINEDOWN, 0, line},          {line, SB_LINEUP, 0, 0}, {0, SB_LINEUP, 0, 0},
        {0, SB_PAGEDOWN, 0, last},          {last, SB_PAGEUP, 0, 0}, {100, SB_THUMBTRACK, 60, 60},
        {100, SB_THUMBPOSITION, 999, last}, {100, SB_TOP, 0, 0},     {0, SB_BOTTOM, 0, last},
        {50, SB_ENDSCROLL, 0, 50},
    };
    for (const Case& k : cases) {
        group.SetVertScrollPosition(k.from);
        group.Perform(WM_VSCROLL, MakeWParam(k.code, k.thumb), 0);
        EXPECT_EQ(group.VertScrollPosition(), k.expected) << "code " << k.code << " from " << k.from;
    }

    // The wheel scrolls the lines of the desktop's setting per notch; none when that is 0.
    struct WheelCase {
        int lines;
        int delta;
        int expected;
    };
    const WheelCase wheel[] = {{1, -WHEEL_DELTA, 50 + line}, {2, WHEEL_DELTA, 50 - 2 * line}, {0, -WHEEL_DELTA, 50}};
    for (const WheelCase& k : wheel) {
        Screen->SetWheelScrollLines(k.lines);
        group.SetVertScrollPosition(50);
        SendMouseWheel(&group, k.delta, 5, 5);
        EXPECT_EQ(group.VertScrollPosition(), k.expected) << k.lines << " lines";
    }
    Screen->SetWheelScrollLines(3);
}

TEST(CategoryPanels, TheScrollBarPagesOnTheTrackAndScrollsWhileItsThumbIsDragged)
{
    TCategoryPanelGroup group(nullptr);
    StackPanels(group, 4);
    ASSERT_TRUE(group.ScrollBarVisible(SB_VERT));
    const int last = group.ContentHeight() - group.ClientHeight();  // 300
    const int barX = group.ClientWidth() + 5;                       // client coordinates of the bar
    // 600 pixels of panels in 300: the thumb is half the bar, at the top.
    SendClick(&group, barX, 250);
    EXPECT_EQ(group.VertScrollPosition(), last);  // a press below the thumb pages down (to the end)
    SendClick(&group, barX, 10);
    EXPECT_EQ(group.VertScrollPosition(), 0);

    SendMouseDown(&group, TMouseButton::mbLeft, barX, 20);
    EXPECT_EQ(CaptureControl(), &group);
    SendMouseMove(&group, barX, 20 + 75, ssLeft);  // half of the thumb's travel
    EXPECT_EQ(group.VertScrollPosition(), last / 2);
    SendMouseMove(&group, barX, 1000, ssLeft);  // beyond the end
    EXPECT_EQ(group.VertScrollPosition(), last);
    SendMouseUp(&group, TMouseButton::mbLeft, barX, 20 + 75);
    EXPECT_EQ(group.VertScrollPosition(), last / 2);
    EXPECT_EQ(CaptureControl(), nullptr);
    SendMouseMove(&group, barX, 20);  // no longer dragging
    EXPECT_EQ(group.VertScrollPosition(), last / 2);
}

TEST(MouseClicks, ADoubleClickGivesOneClickAndOneDoubleClick)
{
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 50, 50);
    std::vector<std::string> log;
    panel.OnClick = [&](TObject*) { log.push_back("click"); };
    panel.OnDblClick = [&](TObject*) { log.push_back("dblclick"); };
    panel.OnMouseDown = [&](TObject*, TMouseButton, TShiftState shift, int, int) {
        log.push_back((shift & ssDouble) ? "down double" : "down");
    };
    panel.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
    SendClick(&panel, 5, 5);
    SendDoubleClick(&panel, TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"down", "click", "up", "dblclick", "down double", "up"}));

    // Without double clicks the second press is a press like the first.
    panel.SetControlStyle(panel.ControlStyle() & ~csDoubleClicks);
    log.clear();
    SendDoubleClick(&panel, TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"down", "click", "up"}));
}

TEST(MouseWheel, AControlCanAskItsParentsWhetherTheyTakeTheWheel)
{
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* edit = new TEdit(&form);
    edit->SetParent(panel);
    std::vector<int> seen;
    bool take = false;
    form.OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        seen.push_back(delta);
        handled = take;
    };
    std::uintptr_t w = MakeWParam(0, static_cast<unsigned>(-WHEEL_DELTA) & 0xFFFF);
    EXPECT_EQ(panel->Perform(CM_MOUSEWHEEL, w, MakeLParam(10, 10)), 0);
    take = true;
    EXPECT_EQ(panel->Perform(CM_MOUSEWHEEL, w, MakeLParam(10, 10)), 1);
    EXPECT_EQ(seen, (std::vector<int>{-WHEEL_DELTA, -WHEEL_DELTA}));
}

TEST(PageControl, TabsSwitchPagesAndChangingCanBeRefused)
{
    TPageControl pages(nullptr);
    auto* a = new TTabSheet(&pages);
    a->SetPageControl(&pages);
    auto* b = new TTabSheet(&pages);
    b->SetPageControl(&pages);
    EXPECT_EQ(pages.ActivePage(), a);
    EXPECT_TRUE(a->Visible());
    EXPECT_FALSE(b->Visible());
    bool allow = false;
    int changes = 0;
    pages.OnChanging = [&](TObject*, bool& ok) { ok = allow; };
    pages.OnChange = [&](TObject*) { ++changes; };
    pages.SelectTab(1);
    EXPECT_EQ(pages.ActivePage(), a);
    allow = true;
    pages.SelectTab(1);
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_FALSE(a->Visible());
    EXPECT_EQ(changes, 1);
    delete b;
    EXPECT_EQ(pages.ActivePage(), a);
    EXPECT_EQ(pages.PageCount(), 1);
}

// Edits count and select characters by the runtime codec's rule: each malformed byte of a text set
// by the program is one character, so selecting never splits the well-formed text around it.
TEST(Edit, MalformedBytesAreOneCharacterEach)
{
    TEdit edit(nullptr);
    edit.SetText("a\xC0\x80\xC3\xA9");  // an overlong form (two malformed bytes), then e-acute
    EXPECT_EQ(edit.TextLength(), 4);
    edit.SetSelStart(3);
    edit.SetSelLength(1);
    EXPECT_EQ(edit.SelText(), "\xC3\xA9");
}

TEST(MaskEdit, TypingFillsTheMaskPositions)
{
    struct Case {
        const char* mask;
        const char* typed;
        const char* editText;
        const char* text;
        bool complete;
    };
    const Case cases[] = {
        {"000.000.000.000;1;_", "192168001010", "192.168.001.010", "192.168.001.010", true},
        {"000.000.000.000;1;_", "19x2", "192.___.___.___", "192.   .   .   ", false},
        {"99:99;0;_", "1230", "12:30", "1230", true},
        {">LL-00;1;_", "ab12", "AB-12", "AB-12", true},
    };
    for (const Case& k : cases) {
        TMaskEdit e(nullptr);
        e.SetEditMask(k.mask);
        SendText(&e, k.typed);
        EXPECT_EQ(e.EditText(), k.editText) << k.mask << " " << k.typed;
        EXPECT_EQ(e.Text(), k.text) << k.mask << " " << k.typed;
        EXPECT_EQ(e.IsComplete(), k.complete) << k.mask << " " << k.typed;
    }
    TMaskEdit e(nullptr);
    e.SetEditMask("00/00;1;_");
    e.SetText("12/34");
    EXPECT_EQ(e.EditText(), "12/34");
    e.SetSelStart(5);
    SendKeyStroke(&e, VK_BACK, 0, 8);
    EXPECT_EQ(e.EditText(), "12/3_");
}

TEST(LinkLabel, ShowsTheAnchorTextAndReportsItsTarget)
{
    TLinkLabel link(nullptr);
    link.SetCaption("Visit <a href=\"http://127.0.0.1/page\">our site</a> today");
    EXPECT_EQ(link.DisplayText(), "Visit our site today");
    EXPECT_EQ(link.LinkTarget(), "http://127.0.0.1/page");
    std::string got;
    link.OnLinkClick = [&](TObject*, const std::string& target, TSysLinkType) { got = target; };
    TRect r = link.LinkRect();
    SendClick(&link, r.Left - 3, 2);  // before the link
    EXPECT_EQ(got, "");
    SendClick(&link, r.Left + 2, 2);
    EXPECT_EQ(got, "http://127.0.0.1/page");
    link.SetCaption("<a>plain</a>");
    EXPECT_EQ(link.LinkTarget(), "plain");
    link.SetCaption("no link <a href=x");
    EXPECT_FALSE(link.HasLink());
    EXPECT_EQ(link.DisplayText(), "no link <a href=x");
}

TEST(Memo, LinesAndTextStayInStep)
{
    TMemo memo(nullptr);
    memo.Lines()->Add("first");
    memo.Lines()->Add("second");
    EXPECT_EQ(memo.Text(), "first\r\nsecond");
    memo.SetText("a\r\nb\r\nc");
    EXPECT_EQ(memo.Lines()->Count(), 3);
    memo.SetSelStart(static_cast<int>(memo.Text().size()));
    SendKeyStroke(&memo, VK_RETURN, 0, '\r');
    SendText(&memo, "d");
    EXPECT_EQ(memo.Lines()->Count(), 4);
    EXPECT_EQ(memo.Lines()->Strings(3), "d");
}

TEST(ScrollBar, PositionStaysInRangeAndScrollEventsCanAdjustIt)
{
    TScrollBar bar(nullptr);
    bar.SetParams(0, 0, 100);
    bar.SetPageSize(10);
    bar.SetLargeChange(25);
    bar.Scroll(TScrollCode::scBottom);
    EXPECT_EQ(bar.Position(), 91);  // the last page starts there
    bar.OnScroll = [](TObject*, TScrollCode, int& pos) { pos = pos / 10 * 10; };
    bar.Scroll(TScrollCode::scPageUp);
    EXPECT_EQ(bar.Position(), 60);
    bar.SetPosition(-5);
    EXPECT_EQ(bar.Position(), 0);
}

TEST(Hints, ControlsCanChangeTheirHintPerPosition)
{
    // A control that gives every cell of a 10-pixel grid its own hint text.
    class Cells : public TCustomControl {
    public:
        Cells() : TCustomControl(nullptr) {}
        void WndProc(TMessage& m) override
        {
            if (m.Msg == CM_HINTSHOW) {
                auto* info = reinterpret_cast<THintInfo*>(m.LParam);
                info->HintStr = "cell " + std::to_string(info->CursorPos.X / 10);
                info->CursorRect = Bounds(info->CursorPos.X / 10 * 10, 0, 10, 10);
                return;
            }
            TCustomControl::WndProc(m);
        }
    } cells;
    cells.SetHint("whole");
    THintInfo info;
    EXPECT_FALSE(Application->RequestHint(&cells, {25, 3}, info));  // ShowHint is off
    cells.SetShowHint(true);
    ASSERT_TRUE(Application->RequestHint(&cells, {25, 3}, info));
    EXPECT_EQ(info.HintStr, "cell 2");
    EXPECT_EQ(info.CursorPos, TPoint(25, 3));
    EXPECT_GT(info.HintMaxWidth, 0);
    EXPECT_EQ(info.CursorRect, TRect(20, 0, 30, 10));

    TLabel plain(nullptr);
    plain.SetShowHint(true);
    plain.SetHint("Short|Long description");
    ASSERT_TRUE(Application->RequestHint(&plain, {1, 1}, info));
    EXPECT_EQ(info.HintStr, "Short");
    Application->OnShowHint = [](std::string& s, bool&, THintInfo&) { s += "!"; };
    Application->RequestHint(&plain, {1, 1}, info);
    EXPECT_EQ(info.HintStr, "Short!");
    Application->OnShowHint = nullptr;
}
