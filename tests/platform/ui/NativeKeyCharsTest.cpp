// The characters a native key press produces: printable text as typed, the desktop's own control
// characters (Enter, Backspace, Escape, Tab, Ctrl+letter) from the key, and no character at all for
// the other control keys, whatever text the window system hands along with them.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/qt/NativeTesting.h"
#include <string>
#include <vector>

using namespace ui;

namespace {
class CharRecorder : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<char32_t> chars;

protected:
    void KeyPress(char32_t& key) override
    {
        chars.push_back(key);
        TCustomControl::KeyPress(key);
    }
};

// A shown form with one control that has the focus.
template <class Control>
struct FocusedOnAForm {
    TForm form{nullptr};
    Control* control = new Control(&form);
    explicit FocusedOnAForm(int height)
    {
        form.SetClientWidth(200);
        form.SetClientHeight(80);
        control->SetParent(&form);
        control->SetBounds(10, 10, 150, height);
        control->SetTabStop(true);
        form.Show();
        Application->ProcessMessages();
        control->SetFocus();
    }
    ~FocusedOnAForm() { form.Hide(); }
};

struct KeyCase {
    const char* what;
    unsigned vk;
    TShiftState shift;
    std::vector<char32_t> chars;
};

TEST(NativeKeyChars, ControlKeysTypeOnlyTheDesktopsControlCharacters)
{
    FocusedOnAForm<CharRecorder> f(40);
    const KeyCase cases[] = {
        {"Delete types nothing", VK_DELETE, 0, {}},
        {"Backspace", VK_BACK, 0, {8}},
        {"Enter", VK_RETURN, 0, {13}},
        {"Escape", VK_ESCAPE, 0, {27}},
        {"Tab", VK_TAB, 0, {9}},
        {"a letter", 'K', 0, {U'k'}},
        {"Ctrl+letter", 'C', ssCtrl, {3}},
        {"an arrow types nothing", VK_DOWN, 0, {}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        f.control->chars.clear();
        qt::PressKeyNative(f.control, c.vk, c.shift);
        Application->ProcessMessages();
        EXPECT_EQ(f.control->chars, c.chars);
    }
}

// An edit deletes with Delete and never shows a control character as text.
TEST(NativeKeyChars, DeleteInAnEditRemovesTheNextCharacter)
{
    FocusedOnAForm<TEdit> f(22);
    f.control->SetText("abc");
    f.control->SetSelStart(1);
    f.control->SetSelLength(0);
    qt::PressKeyNative(f.control, VK_DELETE);
    Application->ProcessMessages();
    EXPECT_EQ(f.control->Text(), "ac");
}

}  // namespace
