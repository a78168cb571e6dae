// A key an open popup takes still makes its character, and the popup gets it, not the focused
// control of the form.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/PopupWindow.h"
#include "platform/ui/StdCtrls.h"

using namespace ui;

namespace {

// Takes every key down and collects the characters.
class TypingPopup : public TPopupWindow {
public:
    using TPopupWindow::TPopupWindow;
    std::u32string typed;

protected:
    void KeyDown(unsigned& key, TShiftState) override
    {
        if (key == VK_ESCAPE)
            ClosePopup(TPopupCloseReason::pcrCancel);
        key = 0;
    }
    void KeyPress(char32_t& key) override
    {
        typed.push_back(key);
        key = 0;
    }
};

}  // namespace

TEST(PopupCharacters, TakenKeysGiveTheirCharactersToThePopup)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    form.Show();
    edit->SetFocus();
    TypingPopup popup(nullptr);
    popup.PopupAt({10, 10}, edit);
    SendText(edit, "ab");
    EXPECT_EQ(popup.typed, U"ab");
    EXPECT_EQ(edit->Text(), "") << "the focused edit gets neither key nor character";
    SendKeyStroke(edit, VK_ESCAPE, 0, 27);
    EXPECT_FALSE(popup.IsOpen());
    EXPECT_EQ(popup.typed, U"ab") << "the key closed the popup: its character goes nowhere";
    form.Hide();
}
