// Behaviour of the push button: properties, pointer and keyboard input, clicks and modal results.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ButtonTestSupport.h"
#include "controls/button/LbButton.h"
#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StdCtrls.h"

using namespace controls;
using namespace button_test;
using ui::RGB;

namespace {

// A shown form with one button and an edit to put the focus elsewhere.
class ButtonTest : public ::testing::Test {
protected:
    ButtonTest()
    {
        form = std::make_unique<ui::TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        button = new TLbButton(form.get());
        button->SetParent(form.get());
        button->SetBounds(10, 10, 110, 28);
        button->SetCaption("&Apply");
        button->OnClick = [this](ui::TObject*) { ++clicks; };
        button->OnMouseEnter = [this](ui::TObject*) { ++enters; };
        button->OnMouseExit = [this](ui::TObject*) { ++exits; };
        edit = new ui::TEdit(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(10, 100, 100, 20);
        form->Show();
    }
    ~ButtonTest() override { form->Hide(); }

    std::unique_ptr<ui::TForm> form;
    TLbButton* button;
    ui::TEdit* edit;
    int clicks = 0;
    int enters = 0;
    int exits = 0;
};

}  // namespace

TEST(LbButtonProperties, StartWithTheirDefaults)
{
    ui::TForm form(nullptr);
    form.Font()->SetName("Verdana");
    TLbButton b(&form);
    EXPECT_EQ(b.Width(), 100);
    EXPECT_EQ(b.Height(), 23);
    EXPECT_EQ(b.Color(), ui::clBtnFace);
    EXPECT_EQ(b.Alignment(), ui::TAlignment::taCenter);
    EXPECT_EQ(b.LightColor(), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(b.ShadowColor(), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(b.ColorWhenDown(), ui::clNone);
    EXPECT_EQ(b.HotTrackColor(), ui::clNone);
    EXPECT_EQ(b.Style(), bsNormal);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_TRUE(b.TabStop());
    EXPECT_EQ(b.HotTrackFont()->Name(), "Verdana");
    EXPECT_EQ(b.HotTrackStep(), 0);
    EXPECT_EQ(b.Layout(), blGlyphLeft);
    EXPECT_EQ(b.ColorStyle(), lcsCustom);
    EXPECT_EQ(b.ModalResult(), ui::mrNone);
    EXPECT_EQ(b.Glyph()->Height(), 0);
    EXPECT_TRUE(b.Caption().empty());
    EXPECT_TRUE(b.Enabled());
    for (bool flag : {b.Flat(), b.WordWrap(), b.Default(), b.Cancel(), b.SlowDecease(), b.UseHotTrackFont(), b.Down(),
                      b.CursorOnButton(), b.Fading()})
        EXPECT_FALSE(flag);
}

TEST(LbButtonProperties, KindSetsCaptionResultAndTwoGlyphCells)
{
    struct Case {
        TLbButtonKind kind;
        const char* caption;
        ui::TModalResult result;
    } cases[] = {
        {bkOK, "OK", ui::mrOk},
        {bkCancel, "Abbrechen", ui::mrCancel},
        {bkHelp, "Hilfe", ui::mrNone},
        {bkYes, "Ja", ui::mrYes},
        {bkNo, "Nein", ui::mrNo},
        {bkClose, "Schließen", ui::mrNone},
        {bkAbort, "Abbrechen", ui::mrAbort},
        {bkRetry, "Wiederholen", ui::mrRetry},
        {bkIgnore, "Ignorieren", ui::mrIgnore},
        {bkAll, "Alle", ui::mrAll},
    };
    for (const auto& c : cases) {
        TLbButton b(nullptr);
        b.SetKind(c.kind);
        EXPECT_EQ(b.Caption(), c.caption);
        EXPECT_EQ(b.ModalResult(), c.result);
        EXPECT_EQ(b.NumGlyphs(), 2);
        ASSERT_GT(b.Glyph()->Height(), 0);
        EXPECT_EQ(b.Glyph()->Width(), 2 * b.Glyph()->Height()) << c.caption;
        EXPECT_EQ(b.Kind(), c.kind);
    }
}

TEST(LbButtonProperties, ModalResultAfterKindTurnsKindBackToCustomKeepingTheLook)
{
    TLbButton b(nullptr);
    b.SetKind(bkYes);
    b.SetModalResult(ui::mrNo);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.Caption(), "Ja");
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(b.ModalResult(), ui::mrNo);
}

TEST(LbButtonProperties, GlyphSetsCellCountFromItsProportions)
{
    struct Case {
        int w, h, cells;
    } cases[] = {{64, 16, 4}, {16, 16, 1}, {40, 16, 2}, {10, 16, 0}};
    for (const auto& c : cases) {
        TLbButton b(nullptr);
        b.SetKind(bkOK);
        ui::TBitmap pic(c.w, c.h);
        b.SetGlyph(&pic);
        EXPECT_EQ(b.NumGlyphs(), c.cells) << c.w << "x" << c.h;
        EXPECT_EQ(b.Kind(), bkCustom);
    }
    TLbButton b(nullptr);
    b.SetKind(bkOK);
    b.SetGlyph(nullptr);
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_EQ(b.Glyph()->Height(), 0);
}

TEST(LbButtonProperties, ColorStyleAppliesPresetAndReadsCustom)
{
    TLbButton b(nullptr);
    b.SetFlat(true);
    b.SetColorStyle(lcsQuicken);
    EXPECT_EQ(b.ColorStyle(), lcsCustom);
    EXPECT_EQ(b.Color(), RGB(0x00, 0x30, 0x60));
    EXPECT_EQ(b.Font()->Color(), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(b.Style(), bsQuicken);
    EXPECT_FALSE(b.Flat());
    EXPECT_EQ(b.ColorWhenDown(), RGB(0x29, 0x65, 0xAD));
    EXPECT_EQ(b.HotTrackColor(), RGB(0x9C, 0xAE, 0xCE));

    b.SetColorStyle(lcsGold);
    EXPECT_EQ(b.ColorStyle(), lcsCustom);
    EXPECT_EQ(b.Style(), bsModern);
    EXPECT_EQ(b.Font()->Color(), ui::clBlack);
    EXPECT_EQ(b.ColorWhenDown(), ui::clNone);

    b.SetColorStyle(lcsUltraFlat2);
    EXPECT_TRUE(b.Flat());
    EXPECT_EQ(b.LightColor(), RGB(0, 0, 0));

    b.SetColorStyle(lcsCustom);  // changes nothing
    EXPECT_TRUE(b.Flat());
    EXPECT_EQ(b.Style(), bsNormal);
}

TEST(LbIsAccel, FindsTheCharacterAfterASingleAmpersand)
{
    struct Case {
        const char* caption;
        char32_t ch;
        bool accel;
    } cases[] = {
        {"&Apply", U'a', true}, {"&Apply", U'A', true}, {"Ap&ply", U'p', true}, {"Apply", U'a', false},
        {"A&&B", U'b', false},  {"A&&B&c", U'C', true}, {"&Über", U'ü', true},  {"Text&", U'&', false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LbIsAccel(c.ch, c.caption), c.accel) << c.caption;
}

TEST_F(ButtonTest, PressLeaveAndReleaseClicksOnce)
{
    ui::SendMouseMove(button, 5, 5);
    ui::SendMouseDown(button, ui::TMouseButton::mbLeft, 5, 5);
    EXPECT_TRUE(button->Down());
    EXPECT_TRUE(button->Focused());
    ui::SendMouseMove(button, 200, 150);
    EXPECT_EQ(clicks, 0);
    ui::SendMouseUp(button, ui::TMouseButton::mbLeft, 200, 150);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->Down());
}

TEST_F(ButtonTest, PressTakesTheFocusSoTheEditorLeavesBeforeTheClick)
{
    std::vector<std::string> order;
    edit->OnExit = [&](ui::TObject*) { order.push_back("exit"); };
    button->OnClick = [&](ui::TObject*) { order.push_back("click"); };
    edit->SetFocus();
    ui::SendMouseDown(button, ui::TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(order, std::vector<std::string>{"exit"});
    ui::SendMouseUp(button, ui::TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(order, (std::vector<std::string>{"exit", "click"}));
}

TEST_F(ButtonTest, ClickAndDoubleClickCountEveryPress)
{
    ui::SendClick(button, 5, 5);
    EXPECT_EQ(clicks, 1);
    // The second press of a double click arrives as a double-click message: it is one more press.
    ui::SendDoubleClick(button, ui::TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(clicks, 2);
    ui::SendMouseDown(button, ui::TMouseButton::mbRight, 5, 5);
    ui::SendMouseUp(button, ui::TMouseButton::mbRight, 5, 5);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, PointerHighlightsAndReportsEnterAndExit)
{
    ui::SendMouseMove(button, 5, 5);
    EXPECT_EQ(button->HotTrackStep(), 8);
    EXPECT_TRUE(button->CursorOnButton());
    EXPECT_EQ(enters, 1);
    ui::SendMouseMove(form.get(), 250, 150);
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_FALSE(button->CursorOnButton());
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(button->Fading());
}

TEST_F(ButtonTest, DisabledButtonIgnoresThePointer)
{
    button->SetEnabled(false);
    ui::SendMouseMove(button, 5, 5);
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_FALSE(button->CursorOnButton());
    ui::SendMouseMove(form.get(), 250, 150);
    ui::SendClick(button, 5, 5);
    EXPECT_EQ(enters, 0);
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, DisablingAPressedButtonReleasesIt)
{
    ui::SendMouseDown(button, ui::TMouseButton::mbLeft, 5, 5);
    ASSERT_TRUE(button->Down());
    button->SetEnabled(false);
    EXPECT_FALSE(button->Down());
    ui::SendMouseUp(button, ui::TMouseButton::mbLeft, 5, 5);
    button->SetEnabled(true);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, SpaceAndEnterClickOnKeyUp)
{
    for (unsigned key : {ui::VK_SPACE, ui::VK_RETURN}) {
        clicks = 0;
        button->SetFocus();
        ui::SendKeyDown(button, key);
        EXPECT_TRUE(button->Down());
        EXPECT_EQ(clicks, 0);
        ui::SendKeyUp(button, key);
        EXPECT_EQ(clicks, 1);
        EXPECT_FALSE(button->Down());
    }
    // The release of a key pressed while another control had the focus does not click.
    clicks = 0;
    edit->OnKeyDown = [this](ui::TObject*, unsigned& key, ui::TShiftState) {
        if (key == ui::VK_RETURN)
            button->SetFocus();
    };
    edit->SetFocus();
    ui::SendKeyStroke(form.get(), ui::VK_RETURN);
    EXPECT_TRUE(button->Focused());
    EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, HiddenButtonDoesNotClickAndDoesNotStayPressed)
{
    button->Hide();
    button->Click();
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->Down());
}

TEST_F(ButtonTest, AcceleratorClicksAVisibleEnabledButton)
{
    edit->SetFocus();
    ui::SendKeyStroke(form.get(), 'A', ui::ssAlt, U'a');
    EXPECT_EQ(clicks, 1);
    ui::SendKeyStroke(form.get(), 'X', ui::ssAlt, U'x');
    EXPECT_EQ(clicks, 1);
    button->SetEnabled(false);
    ui::SendKeyStroke(form.get(), 'A', ui::ssAlt, U'a');
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, DefaultAndCancelTakeEnterAndEscapeUnlessAButtonHasTheFocus)
{
    auto* other = new TLbButton(form.get());
    other->SetParent(form.get());
    other->SetBounds(150, 10, 110, 28);
    int otherClicks = 0;
    other->OnClick = [&](ui::TObject*) { ++otherClicks; };
    struct Case {
        bool isDefault, isCancel;
        unsigned key;
        ui::TShiftState shift;
        bool otherButtonFocused;
        int clicks, otherClicks;
    } cases[] = {
        {true, false, ui::VK_RETURN, 0, false, 1, 0},
        {true, false, ui::VK_RETURN, 0, true, 0, 1},  // the focused button keeps Enter
        {false, false, ui::VK_RETURN, 0, false, 0, 0},
        {false, true, ui::VK_ESCAPE, 0, false, 1, 0},
        {false, true, ui::VK_ESCAPE, ui::ssShift, false, 0, 0},
        {false, true, ui::VK_ESCAPE, 0, true, 0, 0},
        {true, false, ui::VK_ESCAPE, 0, false, 0, 0},
    };
    for (const auto& c : cases) {
        clicks = otherClicks = 0;
        button->SetDefault(c.isDefault);
        button->SetCancel(c.isCancel);
        if (c.otherButtonFocused)
            other->SetFocus();
        else
            edit->SetFocus();
        ui::SendKeyStroke(form.get(), c.key, c.shift);
        EXPECT_EQ(clicks, c.clicks) << "key " << c.key << " other focused " << c.otherButtonFocused;
        EXPECT_EQ(otherClicks, c.otherClicks) << "key " << c.key << " other focused " << c.otherButtonFocused;
    }
    // A default button that cannot click leaves Enter to others.
    edit->SetFocus();
    button->SetDefault(true);
    button->SetEnabled(false);
    EXPECT_EQ(button->Perform(ui::CM_DIALOGKEY, ui::VK_RETURN), 0);
    button->SetEnabled(true);
    button->Hide();
    EXPECT_EQ(button->Perform(ui::CM_DIALOGKEY, ui::VK_RETURN), 0);
}

TEST_F(ButtonTest, ClickOpensThePopupMenuAfterOnClick)
{
    ui::TPopupMenu menu(nullptr);
    std::vector<std::string> order;
    button->OnClick = [&](ui::TObject*) { order.push_back("click"); };
    menu.OnPopup = [&](ui::TObject*) { order.push_back("popup"); };
    button->SetPopupMenu(&menu);
    ui::SendClick(button, 5, 5);
    EXPECT_EQ(order, (std::vector<std::string>{"click", "popup"}));
    EXPECT_EQ(menu.PopupComponent, button);
    button->SetPopupMenu(nullptr);
}

TEST_F(ButtonTest, HotTrackFontIsUsedOnlyWhenSwitchedOnAndHot)
{
    const ui::TColor face = RGB(0xF8, 0xF7, 0xED);
    button->SetColor(face);
    button->SetParentFont(false);
    UseTestFont(*button->Font());
    edit->SetFocus();  // a focused button counts as hot too
    ui::TFont bold;
    UseTestFont(bold);
    bold.SetStyle(ui::fsBold);
    button->SetHotTrackFont(bold);
    auto ink = [&] {
        const ui::TBitmap* shot = button->PaintToBuffer();
        return CountInk(*shot, ui::Rect(2, 2, button->Width() - 2, button->Height() - 2), face);
    };
    const int plain = ink();
    ui::SendMouseMove(button, 5, 5);
    EXPECT_EQ(ink(), plain) << "hover font not switched on";
    button->SetUseHotTrackFont(true);
    EXPECT_GT(ink(), plain);
    ui::SendMouseMove(form.get(), 250, 150);
    EXPECT_EQ(ink(), plain);
}

TEST_F(ButtonTest, FocusRectangleIsDottedFourPixelsInExceptOnTheShapeStyle)
{
    button->SetCaption("");
    const int W = button->Width(), H = button->Height();
    // Pixels of a row and of a column in the middle of the top and left edges of the face.
    auto row = [&](const ui::TBitmap& b, int y) {
        std::vector<ui::TColor> v;
        for (int x = 10; x < W - 10; ++x)
            v.push_back(b.Pixel(x, y));
        return v;
    };
    auto column = [&](const ui::TBitmap& b, int x) {
        std::vector<ui::TColor> v;
        for (int y = 8; y < H - 8; ++y)
            v.push_back(b.Pixel(x, y));
        return v;
    };
    struct Case {
        TLbButtonStyle style;
        bool focusRect;
    } cases[] = {{bsNormal, true}, {bsEncarta, true}, {bsModern, true}, {bsQuicken, true}, {bsShape, false}};
    for (const auto& c : cases) {
        button->SetStyle(c.style);
        edit->SetFocus();
        ui::TBitmap plain;
        plain.Assign(*button->PaintToBuffer());
        button->SetFocus();
        const ui::TBitmap* focused = button->PaintToBuffer();
        EXPECT_EQ(row(*focused, 3), row(plain, 3)) << "style " << c.style;
        EXPECT_EQ(row(*focused, 4) != row(plain, 4), c.focusRect) << "style " << c.style;
        EXPECT_EQ(column(*focused, 4) != column(plain, 4), c.focusRect) << "style " << c.style;
        EXPECT_EQ(column(*focused, W - 5) != column(plain, W - 5), c.focusRect) << "style " << c.style;
        EXPECT_EQ(column(*focused, W - 4), column(plain, W - 4)) << "style " << c.style;
    }
}

TEST_F(ButtonTest, OldStyleFocusedGetsTheBlackDefaultFrame)
{
    button->SetStyle(bsOld);
    button->SetColor(RGB(0xF8, 0xF7, 0xED));
    edit->SetFocus();
    const ui::TBitmap* shot = button->PaintToBuffer();
    const int W = button->Width(), H = button->Height();
    EXPECT_EQ(shot->Pixel(0, 0), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(shot->Pixel(W - 1, H - 1), ui::ColorToRGB(ui::cl3DDkShadow));
    button->SetFocus();
    shot = button->PaintToBuffer();
    for (auto p : {ui::Point(0, 0), ui::Point(W - 1, 0), ui::Point(0, H - 1), ui::Point(W - 1, H - 1)})
        EXPECT_EQ(shot->Pixel(p.X, p.Y), RGB(0, 0, 0)) << p.X << "," << p.Y;
    // The smaller face moved in by a pixel: its light edge now starts at (1, 1).
    EXPECT_EQ(shot->Pixel(1, 1), RGB(0xFF, 0xFF, 0xFF));
}

TEST_F(ButtonTest, RoundedAndShapeStylesShowTheParentInTheirCorners)
{
    const ui::TColor parent = RGB(10, 20, 30);
    form->SetColor(parent);
    button->SetColor(RGB(200, 100, 50));
    struct Case {
        TLbButtonStyle style;
        bool showsParent;
    } cases[] = {{bsNormal, false}, {bsEncarta, false}, {bsOld, false},
                 {bsModern, true},  {bsShape, true},    {bsQuicken, true}};
    for (const auto& c : cases) {
        button->SetStyle(c.style);
        const ui::TBitmap* shot = button->PaintToBuffer();
        EXPECT_EQ(shot->Pixel(0, 0) == parent, c.showsParent) << "style " << c.style;
    }
    // A colour preset writes its style without making the window see-through.
    button->SetStyle(bsNormal);
    button->SetColorStyle(lcsGold);
    ASSERT_EQ(button->Style(), bsModern);
    EXPECT_EQ(button->PaintToBuffer()->Pixel(0, 0), RGB(0xC0, 0xC0, 0x00));
}

TEST(LbButtonModal, ModalResultClosesTheFormAfterOnClick)
{
    ui::TForm dialog(nullptr);
    dialog.SetBounds(0, 0, 200, 100);
    auto* cancel = new TLbButton(&dialog);
    cancel->SetParent(&dialog);
    cancel->SetBounds(10, 10, 110, 28);
    cancel->SetModalResult(ui::mrCancel);
    ui::TModalResult seenInOnClick = -1;
    int clicks = 0;
    cancel->OnClick = [&](ui::TObject*) {
        ++clicks;
        seenInOnClick = dialog.ModalResult();
    };
    // The user clicks the button once the modal loop runs.
    ui::TTimer user(nullptr);
    user.SetInterval(5);
    user.OnTimer = [&](ui::TObject*) {
        user.SetEnabled(false);
        ui::SendClick(cancel, 5, 5);
    };
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(seenInOnClick, ui::mrNone);
}
