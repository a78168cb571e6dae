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

struct KeyCase {
    const char* what;
    unsigned vk;
    TShiftState shift;
    std::vector<char32_t> chars;
};

TEST(NativeKeyChars, ControlKeysTypeOnlyTheDesktopsControlCharacters)
{
    TForm form(nullptr);
    form.SetClientWidth(200);
    form.SetClientHeight(80);
    auto* target = new CharRecorder(&form);
    target->SetParent(&form);
    target->SetBounds(10, 10, 100, 40);
    target->SetTabStop(true);
    form.Show();
    Application->ProcessMessages();
    target->SetFocus();
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
        target->chars.clear();
        qt::PressKeyNative(target, c.vk, c.shift);
        Application->ProcessMessages();
        EXPECT_EQ(target->chars, c.chars);
    }
    form.Hide();
}

// An edit deletes with Delete and never shows a control character as text.
TEST(NativeKeyChars, DeleteInAnEditRemovesTheNextCharacter)
{
    TForm form(nullptr);
    form.SetClientWidth(200);
    form.SetClientHeight(80);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 10, 150, 22);
    form.Show();
    Application->ProcessMessages();
    edit->SetFocus();
    edit->SetText("abc");
    edit->SetSelStart(1);
    edit->SetSelLength(0);
    qt::PressKeyNative(edit, VK_DELETE);
    Application->ProcessMessages();
    EXPECT_EQ(edit->Text(), "ac");
    form.Hide();
}

}  // namespace
