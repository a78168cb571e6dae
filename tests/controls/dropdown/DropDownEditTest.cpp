// The drop-down edit itself: defaults, looks, label, frame, button and the keys that open, close
// and pass on.
#include <gtest/gtest.h>

#include <vector>

#include "DropDownFixture.h"
#include "platform/ui/StdCtrls.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

using DropDownEdit = DropDownFixture<>;

}  // namespace

TEST_F(DropDownEdit, StartsInTheLunaLook)
{
    TGxCustomDropDown fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 200);
    EXPECT_EQ(fresh.Height(), 21);
    EXPECT_EQ(fresh.DropDownColor(), 0xF3E5DAu);
    EXPECT_EQ(fresh.DropDownColorTo(), 0xF0DED0u);
    EXPECT_EQ(fresh.DropDownHeader()->Color, 0xFFEFE3u);
    EXPECT_EQ(fresh.GetComponentStyle(), gx::TGxStyle::tsOffice2007Luna);
    EXPECT_EQ(fresh.LabelMargin(), 4);
    EXPECT_EQ(fresh.Version(), "1.2.1.4");
    EXPECT_EQ(fresh.SelectionColor(), 0xD7FFFDu);
    EXPECT_EQ(fresh.DropDownButtonWidth(), 17);
    EXPECT_TRUE(fresh.EditorEnabled());
    EXPECT_FALSE(fresh.DroppedDown());
    EXPECT_EQ(fresh.LabelCaption(), "");
    EXPECT_EQ(fresh.EditLabel(), nullptr) << "no label until a caption is given";
}

TEST_F(DropDownEdit, ButtonSitsAtTheRightEdgeAndKeepsItsWidth)
{
    TDropDownEditButton* b = edit->Button();
    EXPECT_EQ(b->Width(), 17);
    EXPECT_EQ(b->Height(), edit->ClientHeight());
    EXPECT_EQ(b->Left() + b->Width(), edit->ClientWidth());
    b->SetBounds(b->Left(), b->Top(), 40, b->Height());
    EXPECT_EQ(b->Width(), 17) << "the holder keeps its width";
    edit->SetDropDownButtonWidth(25);
    EXPECT_EQ(edit->Button()->Width(), 25);
    EXPECT_EQ(edit->GetEditRect().Right, edit->ClientWidth() - 25 - 3) << "the text keeps clear of the button";
}

TEST_F(DropDownEdit, StylePresetsAndCustom)
{
    edit->SetComponentStyle(gx::TGxStyle::tsOffice2003Blue);
    EXPECT_EQ(edit->DropDownColor(), 0xFFFFFFu);
    EXPECT_EQ(edit->DropDownColorTo(), ui::clNone);
    EXPECT_EQ(edit->DropDownHeader()->Color, 0xFCE1CBu);
    EXPECT_EQ(edit->DropDownHeader()->ColorTo, 0xE0A57Du);
    EXPECT_EQ(edit->DropDownHeader()->BorderColor, 0u);
    EXPECT_EQ(edit->DropDownFooter()->BorderColor, 0x962D00u);
    EXPECT_EQ(edit->ButtonAppearance()->Color(), 0xFCE1CBu);
    edit->SetComponentStyle(gx::TGxStyle::tsCustom);
    EXPECT_EQ(edit->GetComponentStyle(), gx::TGxStyle::tsCustom);
    EXPECT_EQ(edit->DropDownHeader()->Color, 0xFCE1CBu) << "custom changes no colour";
    edit->LoadStreamedStyles(TSelectionColorStyle::scCustom, gx::TGxStyle::tsWindows7);
    EXPECT_EQ(edit->GetComponentStyle(), gx::TGxStyle::tsWindows7);
    EXPECT_EQ(edit->DropDownColor(), 0xFFFFFFu) << "a stored style is remembered, not applied";
    edit->SetSelectionColor(0x010203);
    edit->SetSelectionColorStyle(TSelectionColorStyle::scCustom);
    EXPECT_EQ(edit->SelectionColor(), 0x010203u);
}

TEST_F(DropDownEdit, ColorTonesColourTheButton)
{
    gx::TColorTones tones;
    tones.Background = {0x0000C0, 0x404040, 0};
    tones.Hover = {0x00C000, 0, 0};
    tones.Selected = {0xC00000, 0, 0};
    edit->SetColorTones(tones);
    EXPECT_EQ(edit->BorderColor(), 0x404040u);
    TGxDropDownSpeedButton* inner = edit->Button()->Button();
    ui::TBitmap bmp;
    Paint(*inner, bmp);
    EXPECT_EQ(bmp.Pixel(bmp.Width() - 2, 2), 0x0000C0u);
    EXPECT_EQ(bmp.Pixel(0, 5), 0x404040u) << "a line in the edit's border colour";
    ui::SendMouseMove(inner, 3, 3);
    Paint(*inner, bmp);
    EXPECT_EQ(bmp.Pixel(bmp.Width() - 2, 2), 0x00C000u) << "hot";
    ui::SendMouseDown(inner, ui::TMouseButton::mbLeft, 3, 3);
    Paint(*inner, bmp);
    EXPECT_EQ(bmp.Pixel(bmp.Width() - 2, 2), 0xC00000u) << "pressed";
}

TEST_F(DropDownEdit, ReadOnlyDisablesTheButtonAndKeepsTheWindowShut)
{
    edit->SetReadOnly(true);
    EXPECT_FALSE(edit->ButtonActive());
    Key(ui::VK_DOWN, ui::ssAlt);
    EXPECT_FALSE(edit->DroppedDown());
    ui::SendClick(edit->Button()->Button(), 3, 3);
    EXPECT_FALSE(edit->DroppedDown());
}

TEST_F(DropDownEdit, FrameColoursFollowTheFocus)
{
    ui::TBitmap bmp;
    edit->SetBorderColor(0x0000FF);
    Paint(*edit, bmp);
    EXPECT_EQ(bmp.Pixel(0, 10), 0x0000FFu);
    edit->SetFocusBorderColor(0x00FF00);
    Paint(*edit, bmp);
    EXPECT_EQ(bmp.Pixel(0, 10), 0x00FF00u) << "focused: the focus colour";
    other->SetFocus();
    Paint(*edit, bmp);
    EXPECT_EQ(bmp.Pixel(0, 10), 0x0000FFu);
    edit->SetEnabled(false);
    Paint(*edit, bmp);
    EXPECT_EQ(bmp.Pixel(0, 10), 0xC0C0C0u) << "disabled: silver";
}

TEST_F(DropDownEdit, LabelStandsWhereItsPositionSays)
{
    edit->SetLabelCaption("Name");
    ui::TLabel* l = edit->EditLabel();
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->Parent(), edit->Parent());
    EXPECT_EQ(edit->LabelCaption(), "Name");
    const int L = edit->Left(), T = edit->Top(), W = edit->Width(), H = edit->Height();
    const int LW = l->Width(), LH = l->Height(), M = 4;
    const struct {
        TLabelPosition Position;
        int Left, Top;
    } cases[] = {
        {TLabelPosition::lpLeftTop, L - LW - M, T},
        {TLabelPosition::lpLeftCenter, L - LW - M, T + (H - LH) / 2},
        {TLabelPosition::lpTopLeft, L, T - LH - M},
        {TLabelPosition::lpBottomLeft, L, T + H + M},
        {TLabelPosition::lpLeftTopLeft, L - M, T},
        {TLabelPosition::lpTopCenter, L + (W - LW) / 2, T - LH - M},
        {TLabelPosition::lpRightCenter, L + W + M, T + (H - LH) / 2},
        {TLabelPosition::lpRighBottom, L + W + M, T + H - LH},
        {TLabelPosition::lpBottomRight, L + W - LW, T + H + M},
    };
    for (const auto& c : cases) {
        edit->SetLabelPosition(c.Position);
        EXPECT_EQ(l->Left(), c.Left) << static_cast<int>(c.Position);
        EXPECT_EQ(l->Top(), c.Top) << static_cast<int>(c.Position);
    }
    edit->SetLabelPosition(TLabelPosition::lpRightCenter);
    edit->SetBounds(50, 80, 200, 21);
    EXPECT_EQ(l->Left(), 50 + 200 + 4) << "the label follows the edit";
    edit->Hide();
    EXPECT_FALSE(l->Visible());
    int clicks = 0;
    edit->OnLabelClick = [&](ui::TObject*) { ++clicks; };
    l->Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(DropDownEdit, TypingOverASelectionReportsTheChange)
{
    int changes = 0;
    edit->OnChange = [&](ui::TObject*) { ++changes; };
    edit->SetText("abc");
    changes = 0;
    edit->SelectAll();
    Type("x");
    EXPECT_EQ(edit->Text(), "x");
    EXPECT_EQ(changes, 1) << "the first character over a selected text is a change";
    Type("y");
    EXPECT_EQ(changes, 2);
}

TEST_F(DropDownEdit, TypingOffTakesNoCharactersAndReportsNone)
{
    edit->SetEditorEnabled(false);
    edit->SetText("v");
    int presses = 0;
    edit->OnKeyPress = [&](ui::TObject*, char32_t&) { ++presses; };
    Type("a");
    EXPECT_EQ(edit->Text(), "v");
    EXPECT_EQ(presses, 0);
    ui::SendClick(edit, 5, 5);
    EXPECT_TRUE(edit->DroppedDown()) << "a click into the edit opens the window";
}

TEST_F(DropDownEdit, EnterIsReportedAndSwallowedOrPassedToTheParent)
{
    std::vector<char32_t> presses;
    edit->OnKeyPress = [&](ui::TObject*, char32_t& k) { presses.push_back(k); };
    std::vector<unsigned> parentKeys;
    form->OnKeyDown = [&](ui::TObject*, unsigned& k, ui::TShiftState) { parentKeys.push_back(k); };
    form->OnKeyUp = [&](ui::TObject*, unsigned& k, ui::TShiftState) { parentKeys.push_back(k + 1000); };
    edit->SetText("v");
    ui::SendKeyStroke(edit, ui::VK_RETURN, 0, U'\r');
    ui::Application->ProcessMessages();
    EXPECT_EQ(presses, std::vector<char32_t>{U'\r'});
    EXPECT_EQ(edit->Text(), "v");
    EXPECT_TRUE(parentKeys.empty());
    edit->SetDefaultHandling(false);
    ui::SendKeyStroke(edit, ui::VK_RETURN, 0, U'\r');
    ui::Application->ProcessMessages();
    EXPECT_EQ(parentKeys, (std::vector<unsigned>{ui::VK_RETURN, ui::VK_RETURN + 1000}));
}

TEST_F(DropDownEdit, KeysOpenAndClose)
{
    edit->SetText("start");
    Key(ui::VK_DOWN, ui::ssAlt);
    EXPECT_TRUE(edit->DroppedDown());
    edit->SelectAll();
    Type("typed");
    Key(ui::VK_UP, ui::ssAlt);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Text(), "typed") << "Alt+Up closes accepted";
    Key(ui::VK_F4);
    EXPECT_TRUE(edit->DroppedDown());
    Key(ui::VK_F4);
    EXPECT_FALSE(edit->DroppedDown());
    Key(ui::VK_F4);
    edit->SelectAll();
    Type("other");
    Key(ui::VK_ESCAPE);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Text(), "typed") << "Escape brings back the value from the opening";
    Key(ui::VK_F4);
    Key(ui::VK_RETURN);
    EXPECT_FALSE(edit->DroppedDown());
}

TEST_F(DropDownEdit, EventsInOrderAndARefusedOpening)
{
    std::vector<std::string> log;
    edit->OnBeforeDropDown = [&](ui::TObject*) { log.push_back("before drop down"); };
    edit->OnDropDown = [&](ui::TObject*, bool& accept) {
        log.push_back("drop down");
        accept = log.size() > 2;
    };
    edit->OnBeforeDropUp = [&](ui::TObject*) { log.push_back("before drop up"); };
    edit->OnDropUp = [&](ui::TObject*, bool cancelled) { log.push_back(cancelled ? "up cancelled" : "up"); };
    edit->ShowDropDown();
    EXPECT_FALSE(edit->DroppedDown());
    edit->HideDropDown(true);
    edit->ShowDropDown();
    EXPECT_TRUE(edit->DroppedDown());
    edit->HideDropDown(true);
    EXPECT_EQ(log, (std::vector<std::string>{"before drop down", "drop down", "before drop down", "drop down",
                                             "before drop up", "up cancelled"}));
}

TEST_F(DropDownEdit, AssignCopiesSettingsNotText)
{
    TGxCustomDropDown source(nullptr);
    source.SetEditType(TDropDownEditType::etHex);
    source.SetPrefix("0x");
    source.SetDropDownWidth(300);
    source.SetDropDownButtonWidth(30);
    source.SetText("AB");
    source.ButtonAppearance()->SetColor(0x123456);
    edit->SetText("keep");
    edit->Assign(source);
    EXPECT_EQ(edit->EditType(), TDropDownEditType::etHex);
    EXPECT_EQ(edit->Prefix(), "0x");
    EXPECT_EQ(edit->DropDownWidth(), 300);
    EXPECT_EQ(edit->DropDownButtonWidth(), 30);
    EXPECT_EQ(edit->ButtonAppearance()->Color(), 0x123456u);
    EXPECT_EQ(edit->RawText(), "keep");
}
