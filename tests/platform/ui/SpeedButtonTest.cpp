#include <gtest/gtest.h>

#include "platform/ui/Buttons.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

using namespace ui;

namespace {

TEST(SpeedButton, AReleaseOverTheButtonClicksIt)
{
    TSpeedButton b(nullptr);
    b.SetBounds(0, 0, 23, 22);
    int clicks = 0;
    b.OnClick = [&](TObject*) { ++clicks; };

    SendMouseDown(&b, TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(b.State(), TButtonState::bsDown);
    SendMouseMove(&b, 50, 5, ssLeft);
    EXPECT_EQ(b.State(), TButtonState::bsUp);  // dragged off: drawn up
    SendMouseMove(&b, 6, 5, ssLeft);
    EXPECT_EQ(b.State(), TButtonState::bsDown);
    SendMouseUp(&b, TMouseButton::mbLeft, 6, 5);
    EXPECT_EQ(clicks, 1);

    SendMouseDown(&b, TMouseButton::mbLeft, 5, 5);
    SendMouseUp(&b, TMouseButton::mbLeft, 50, 5);  // released elsewhere
    SendClick(&b, 5, 5);
    EXPECT_EQ(clicks, 2);
    // Right button and a disabled button do nothing.
    SendMouseDown(&b, TMouseButton::mbRight, 5, 5);
    SendMouseUp(&b, TMouseButton::mbRight, 5, 5);
    b.SetEnabled(false);
    EXPECT_EQ(b.State(), TButtonState::bsDisabled);
    SendClick(&b, 5, 5);
    EXPECT_EQ(clicks, 2);
}

TEST(SpeedButton, TheGlyphStripGivesOnePicturePerState)
{
    // Two 4 x 4 pictures: red for up, blue for disabled; the bottom-left pixel is transparent.
    TBitmap strip(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            strip.SetPixel(x, y, x < 4 ? clRed : clBlue);
    strip.SetPixel(0, 3, clOlive);
    strip.SetPixel(4, 3, clOlive);
    TSpeedButton b(nullptr);
    b.SetBounds(0, 0, 24, 24);
    b.SetFlat(true);
    b.SetTransparent(false);
    b.SetColor(clWhite);
    b.SetGlyph(&strip);
    b.SetNumGlyphs(2);
    auto centre = [&] {
        TBitmap bmp(24, 24);
        b.PaintControl(*bmp.Canvas());
        return ColorToRGB(bmp.Pixel(12, 11));
    };
    EXPECT_EQ(centre(), ColorToRGB(clRed));
    b.SetEnabled(false);
    EXPECT_EQ(centre(), ColorToRGB(clBlue));
    // No third picture: a latched button shows the first.
    b.SetEnabled(true);
    b.SetDown(true);
    EXPECT_EQ(b.State(), TButtonState::bsExclusive);
    TBitmap bmp(24, 24);
    b.PaintControl(*bmp.Canvas());
    EXPECT_EQ(ColorToRGB(bmp.Pixel(13, 12)), ColorToRGB(clRed));  // shifted by one pixel
    EXPECT_EQ(ColorToRGB(bmp.Pixel(10, 12)), ColorToRGB(clWhite));
    b.SetNumGlyphs(5);  // refused
    EXPECT_EQ(b.NumGlyphs(), 2);
}

TEST(EditRect, TheTextStaysInsideTheRectangleTheControlGives)
{
    TEdit edit(nullptr);
    edit.SetBounds(0, 0, 100, 22);
    const TRect whole = edit.EditRect();
    EXPECT_EQ(whole.Right, edit.ClientWidth() - 1);
    const TRect narrow(2, 0, 60, edit.ClientHeight());
    edit.Perform(EM_SETRECTNP, 0, reinterpret_cast<std::intptr_t>(&narrow));
    TRect read;
    edit.Perform(EM_GETRECT, 0, reinterpret_cast<std::intptr_t>(&read));
    EXPECT_EQ(read, narrow);
    EXPECT_EQ(edit.EditRect(), narrow);
}

TEST(EditClipboard, ClipboardKeysArriveAsMessagesAControlMayRefuse)
{
    class NoPaste : public TEdit {
    public:
        using TEdit::TEdit;
        void WndProc(TMessage& m) override
        {
            if (m.Msg == WM_PASTE)
                return;
            TEdit::WndProc(m);
        }
    };
    NoPaste edit(nullptr);
    edit.SetText("abc");
    edit.SelectAll();
    SendKeyStroke(&edit, 'X', ssCtrl, 24);
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(Clipboard()->AsText(), "abc");
    SendKeyStroke(&edit, 'V', ssCtrl, 22);
    EXPECT_EQ(edit.Text(), "");
    TEdit plain(nullptr);
    SendKeyStroke(&plain, 'V', ssCtrl, 22);
    EXPECT_EQ(plain.Text(), "abc");
}

}  // namespace
