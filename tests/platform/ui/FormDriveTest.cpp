// A form built and driven without any window: text, items, clicks, keys and focus.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Input.h"
#include "platform/ui/Render.h"
#include "platform/ui/StdCtrls.h"
#include <functional>
#include <string>
#include <vector>

using namespace ui;

namespace {
using Log = std::vector<std::string>;

// A custom-drawn focusable control that records what reaches it.
class Probe : public TCustomControl {
public:
    Probe(TComponent* owner, Log& log) : TCustomControl(owner), log_(log) { SetTabStop(true); }
    int paints = 0;
    int paintMessages = 0;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_PAINT)
            ++paintMessages;
        if (m.Msg == WM_SETFOCUS)
            log_.push_back("probe setfocus");
        if (m.Msg == WM_KILLFOCUS)
            log_.push_back("probe killfocus");
        TCustomControl::WndProc(m);
    }

protected:
    void Paint() override
    {
        ++paints;
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(ClientRect());
    }
    unsigned WantKeys() const override { return DLGC_WANTARROWS; }

private:
    Log& log_;
};

class TestForm : public TForm {
public:
    explicit TestForm(Log& log) : TForm(nullptr)
    {
        SetClientWidth(300);
        SetClientHeight(200);
        P_Top = new TPanel(this);
        P_Top->SetParent(this);
        P_Top->SetHeight(30);
        P_Top->SetAlign(TAlign::alTop);
        P_Bottom = new TPanel(this);
        P_Bottom->SetParent(this);
        P_Bottom->SetHeight(40);
        P_Bottom->SetAlign(TAlign::alBottom);
        E_Name = new TEdit(this);
        E_Name->SetParent(this);
        E_Name->SetBounds(10, 40, 100, 21);
        CB_Type = new TComboBox(this);
        CB_Type->SetParent(this);
        CB_Type->SetBounds(10, 70, 100, 21);
        CB_Type->SetStyle(TComboBoxStyle::csDropDownList);
        CB_Type->Items()->Add("Cable");
        CB_Type->Items()->Add("WiFi");
        CB_Enable = new TCheckBox(this);
        CB_Enable->SetParent(this);
        CB_Enable->SetBounds(10, 100, 100, 17);
        CB_Enable->SetCaption("&Enable");
        Custom = new Probe(this, log);
        Custom->SetParent(P_Bottom);
        Custom->SetBounds(5, 5, 50, 20);

        E_Name->OnChange = [&log](TObject*) { log.push_back("name change"); };
        E_Name->OnEnter = [&log](TObject*) { log.push_back("name enter"); };
        E_Name->OnExit = [&log](TObject*) { log.push_back("name exit"); };
        CB_Type->OnChange = [&log](TObject*) { log.push_back("type change"); };
        CB_Type->OnEnter = [&log](TObject*) { log.push_back("type enter"); };
        CB_Type->OnExit = [&log](TObject*) { log.push_back("type exit"); };
        CB_Enable->OnClick = [&log](TObject*) { log.push_back("enable click"); };
        DoCreate();
    }
    TPanel* P_Top;
    TPanel* P_Bottom;
    TEdit* E_Name;
    TComboBox* CB_Type;
    TCheckBox* CB_Enable;
    Probe* Custom;
};

struct FormDrive : ::testing::Test {
    Log log;
    TestForm form{log};
};
}  // namespace

TEST_F(FormDrive, AlignedPanelsFillTheTopAndBottomOfTheClientArea)
{
    EXPECT_EQ(form.P_Top->BoundsRect(), TRect(0, 0, 300, 30));
    EXPECT_EQ(form.P_Bottom->BoundsRect(), TRect(0, 160, 300, 200));
    form.SetClientHeight(260);
    EXPECT_EQ(form.P_Bottom->BoundsRect(), TRect(0, 220, 300, 260));
    EXPECT_FALSE(form.HandleAllocated());
}

TEST_F(FormDrive, TypingFocusAndTabOrderFireTheirEventsInOrder)
{
    form.E_Name->SetFocus();
    SendText(&form, "ab");
    EXPECT_EQ(form.E_Name->Text(), "ab");
    SendKeyStroke(&form, VK_TAB, 0, '\t');
    EXPECT_TRUE(form.CB_Type->Focused());
    EXPECT_EQ(form.ActiveControl(), form.CB_Type);
    EXPECT_EQ(log, (Log{"name enter", "name change", "name change", "name exit", "type enter"}));

    SendKeyStroke(&form, VK_TAB, ssShift, '\t');
    EXPECT_TRUE(form.E_Name->Focused());
    EXPECT_EQ(form.E_Name->SelLength(), 2);  // entering by keyboard selects the text
}

TEST_F(FormDrive, ComboSelectionByKeyAndByListFiresChangeOnly)
{
    form.CB_Type->SetItemIndex(0);
    EXPECT_EQ(form.CB_Type->Text(), "Cable");
    EXPECT_TRUE(log.empty());  // set from code: no event
    form.CB_Type->SetFocus();
    log.clear();
    SendKeyStroke(&form, VK_DOWN);
    EXPECT_EQ(form.CB_Type->ItemIndex(), 1);
    EXPECT_EQ(form.CB_Type->Text(), "WiFi");
    SendKeyStroke(&form, VK_DOWN);  // already at the end
    form.CB_Type->UserSelect(0);
    EXPECT_EQ(log, (Log{"type change", "type change"}));
    form.CB_Type->SetText("wifi");  // drop-down list: the item with that text
    EXPECT_EQ(form.CB_Type->ItemIndex(), 1);
    form.CB_Type->SetText("Fibre");
    EXPECT_EQ(form.CB_Type->ItemIndex(), -1);
    EXPECT_EQ(form.CB_Type->Text(), "");
}

TEST_F(FormDrive, CheckBoxTogglesByClickSpaceAndAccelerator)
{
    SendClick(form.CB_Enable, 3, 3);
    EXPECT_TRUE(form.CB_Enable->Checked());
    EXPECT_TRUE(form.CB_Enable->Focused());
    SendKeyStroke(&form, VK_SPACE, 0, ' ');
    EXPECT_FALSE(form.CB_Enable->Checked());
    form.E_Name->SetFocus();
    SendKeyStroke(&form, 'E', ssAlt, 'e');
    EXPECT_TRUE(form.CB_Enable->Checked());
    EXPECT_EQ(form.E_Name->Text(), "");  // the accelerator character is not typed
    EXPECT_EQ(std::count(log.begin(), log.end(), "enable click"), 3);
    form.CB_Enable->SetChecked(true);  // no change: no click
    EXPECT_EQ(std::count(log.begin(), log.end(), "enable click"), 3);
}

TEST_F(FormDrive, CustomControlGetsFocusMessagesAndPaintsThroughItsCanvas)
{
    form.E_Name->SetFocus();
    log.clear();
    form.Custom->SetFocus();
    EXPECT_EQ(log, (Log{"name exit", "probe setfocus"}));
    TBitmap* b = form.Custom->PaintToBuffer();
    EXPECT_EQ(form.Custom->paints, 1);
    EXPECT_EQ(form.Custom->paintMessages, 1);  // painting arrives as WM_PAINT
    EXPECT_EQ(b->Width(), 50);
    EXPECT_EQ(b->Pixel(49, 19), clRed);

    TBitmap whole;
    RenderControl(form, whole);
    EXPECT_EQ(whole.Width(), 300);
    // The probe sits at (5,5) in the client area of the bottom panel, inside its 1-pixel bevel.
    EXPECT_EQ(whole.Pixel(1 + 5, 160 + 1 + 5), clRed);
    EXPECT_EQ(whole.Pixel(1 + 5 + 49, 160 + 1 + 5 + 19), clRed);
    EXPECT_EQ(whole.Pixel(1 + 4, 160 + 1 + 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(whole.Pixel(1 + 5 + 50, 160 + 1 + 5), ColorToRGB(clBtnFace));
}

TEST(KeyboardSemantics, SwallowedKeyDownStillProducesItsCharacter)
{
    TEdit edit(nullptr);
    Log log;
    edit.OnKeyDown = [&](TObject*, unsigned& key, TShiftState) {
        log.push_back("down");
        key = 0;
    };
    edit.OnKeyPress = [&](TObject*, char32_t& key) { log.push_back(std::string("press ") + static_cast<char>(key)); };
    edit.OnKeyUp = [&](TObject*, unsigned&, TShiftState) { log.push_back("up"); };
    SendKeyStroke(&edit, 'A', 0, 'a');
    EXPECT_EQ(log, (Log{"down", "press a", "up"}));
    EXPECT_EQ(edit.Text(), "a");

    edit.OnKeyPress = [](TObject*, char32_t& key) { key = 0; };  // a swallowed character is not typed
    SendKeyStroke(&edit, 'B', 0, 'b');
    EXPECT_EQ(edit.Text(), "a");
}

TEST(KeyboardSemantics, KeyPreviewLetsTheFormSeeKeysFirst)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    Log log;
    form.SetKeyPreview(true);
    form.OnKeyDown = [&](TObject*, unsigned& key, TShiftState) {
        log.push_back("form");
        if (key == VK_F2)
            key = 0;
    };
    edit->OnKeyDown = [&](TObject*, unsigned&, TShiftState) { log.push_back("edit"); };
    edit->SetFocus();
    SendKeyStroke(&form, VK_F3);
    SendKeyStroke(&form, VK_F2);
    EXPECT_EQ(log, (Log{"form", "edit", "form"}));
}

TEST(EditRules, TypingHonoursMaxLengthReadOnlyAndCase)
{
    struct Case {
        int maxLength;
        bool readOnly;
        TEditCharCase charCase;
        const char* typed;
        const char* expected;
    };
    const Case cases[] = {
        {0, false, TEditCharCase::ecNormal, "Abc", "Abc"},
        {2, false, TEditCharCase::ecNormal, "Abc", "Ab"},
        {0, true, TEditCharCase::ecNormal, "Abc", ""},
        {0, false, TEditCharCase::ecUpperCase, "Abc", "ABC"},
        {0, false, TEditCharCase::ecNormal, "ab\bc", "ac"},
        {3, false, TEditCharCase::ecNormal, "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F", "\xC3\xA4\xC3\xB6\xC3\xBC"},
    };
    for (const Case& k : cases) {
        TEdit e(nullptr);
        e.SetMaxLength(k.maxLength);
        e.SetReadOnly(k.readOnly);
        e.SetCharCase(k.charCase);
        SendText(&e, k.typed);
        EXPECT_EQ(e.Text(), k.expected) << k.typed;
    }
}

TEST(EditRules, SelectionEditingAndChangeEvents)
{
    TEdit e(nullptr);
    int changes = 0;
    e.OnChange = [&](TObject*) { ++changes; };
    e.SetText("192.168.0.1");
    EXPECT_EQ(changes, 1);  // setting the text from code reports a change too
    e.SetSelStart(4);
    e.SetSelLength(3);
    EXPECT_EQ(e.SelText(), "168");
    SendText(&e, "10");
    EXPECT_EQ(e.Text(), "192.10.0.1");
    EXPECT_TRUE(e.Modified());
    SendKeyStroke(&e, VK_HOME);
    SendKeyStroke(&e, VK_DELETE);
    EXPECT_EQ(e.Text(), "92.10.0.1");
    e.SetText("92.10.0.1");  // same text: no event
    EXPECT_EQ(changes, 4);
    e.SetPasswordChar('*');
    EXPECT_EQ(e.DisplayText(), "*********");
}

TEST(EditRules, ClipboardKeysCopyCutAndPasteButNeverCopyAPassword)
{
    TEdit from(nullptr), to(nullptr);
    from.SetText("secret");
    from.SelectAll();
    SendKeyStroke(&from, 'C', ssCtrl, 3);
    SendKeyStroke(&to, 'V', ssCtrl, 22);
    EXPECT_EQ(to.Text(), "secret");
    to.SelectAll();
    SendKeyStroke(&to, 'X', ssCtrl, 24);
    EXPECT_EQ(to.Text(), "");
    from.SetPasswordChar('*');
    from.SetText("hidden");
    from.SelectAll();
    SendKeyStroke(&from, 'C', ssCtrl, 3);
    SendKeyStroke(&to, 'V', ssCtrl, 22);
    EXPECT_EQ(to.Text(), "secret");
}

TEST(EditRules, ABalloonTipStaysUntilHiddenTypedIntoOrLeft)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    const TEditBalloonTip tip{"Invalid entry", "Enter a number", TTI_WARNING};
    const std::vector<std::pair<const char*, std::function<void()>>> endings = {
        {"hidden", [&] { SendMessage(edit, EM_HIDEBALLOONTIP); }},
        {"typed into", [&] { SendKeyStroke(&form, '1', 0, '1'); }},
        {"left", [&] { other->SetFocus(); }},
    };
    for (const auto& [what, end] : endings) {
        edit->SetFocus();
        EXPECT_EQ(SendMessage(edit, EM_SHOWBALLOONTIP, 0, reinterpret_cast<std::intptr_t>(&tip)), 1) << what;
        ASSERT_NE(edit->BalloonTip(), nullptr) << what;
        EXPECT_EQ(edit->BalloonTip()->Title, "Invalid entry");
        EXPECT_EQ(edit->BalloonTip()->Text, "Enter a number");
        EXPECT_EQ(edit->BalloonTip()->Icon, TTI_WARNING);
        end();
        EXPECT_EQ(edit->BalloonTip(), nullptr) << what;
    }
    EXPECT_EQ(edit->Text(), "1");
}

TEST(KeyboardSemantics, DialogKeysGoToTheFormUnlessTheControlWantsThem)
{
    // Which control has the focus after Tab or Enter, and what text it holds.
    TForm form(nullptr);
    auto* memo = new TMemo(&form);
    memo->SetParent(&form);
    memo->SetTabStop(true);
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->Items()->Add("x");
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    memo->SetFocus();
    SendKeyStroke(&form, VK_RETURN, 0, '\r');  // a memo that wants returns takes Enter
    EXPECT_EQ(memo->Text(), "\r\n");
    SendKeyStroke(&form, VK_TAB, 0, '\t');  // but not Tab
    EXPECT_TRUE(combo->Focused());
    EXPECT_EQ(memo->Text(), "\r\n");
    combo->SetDroppedDown(true);
    SendKeyStroke(&form, VK_ESCAPE, 0, 27);  // an open list takes Escape: it closes
    EXPECT_FALSE(combo->DroppedDown());
    memo->SetWantTabs(true);
    memo->SetFocus();
    SendKeyStroke(&form, VK_TAB, 0, '\t');
    EXPECT_TRUE(memo->Focused());
    EXPECT_EQ(memo->Text(), "\r\n\t");
}

namespace {
// A windowed control that logs its focus messages; a host moves the focus on into its child editor
// when it gets the focus, as a grid that keeps its editor open does.
class FocusLogger : public TCustomControl {
public:
    FocusLogger(TComponent* owner, TWinControl* parent, const std::string& name, Log& log)
        : TCustomControl(owner), name_(name), log_(log)
    {
        SetParent(parent);
        SetTabStop(true);
        OnEnter = [this](TObject*) { log_.push_back(name_ + " enter"); };
        OnExit = [this](TObject*) { log_.push_back(name_ + " exit"); };
    }
    TWinControl* forwardTo = nullptr;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_SETFOCUS)
            log_.push_back(name_ + " set");
        if (m.Msg == WM_KILLFOCUS)
            log_.push_back(name_ + " kill");
        TCustomControl::WndProc(m);
        if (m.Msg == WM_SETFOCUS && forwardTo)
            forwardTo->SetFocus();
    }

private:
    std::string name_;
    Log& log_;
};
}  // namespace

TEST(FocusMoves, ExitAndEnterRunBeforeTheNewControlHearsTheFocusAndFollowContainers)
{
    Log log;
    TForm form(nullptr);
    auto* edit = new FocusLogger(&form, &form, "edit", log);
    auto* host = new FocusLogger(&form, &form, "host", log);
    auto* editor = new FocusLogger(&form, host, "editor", log);
    auto* other = new FocusLogger(&form, &form, "other", log);
    host->forwardTo = editor;
    edit->SetFocus();

    struct Case {
        const char* what;
        TWinControl* to;
        Log expected;
    };
    const Case cases[] = {
        {"into a host that opens its editor",
         host,
         {"edit kill", "edit exit", "host enter", "host set", "host kill", "editor enter", "editor set"}},
        {"out of the editor leaves its host too",
         other,
         {"editor kill", "editor exit", "host exit", "other enter", "other set"}},
        {"straight into the editor enters its host first",
         editor,
         {"other kill", "other exit", "host enter", "editor enter", "editor set"}},
        {"from the editor back to its host",
         host,
         {"editor kill", "editor exit", "host set", "host kill", "editor enter", "editor set"}},
    };
    for (const Case& k : cases) {
        log.clear();
        k.to->SetFocus();
        EXPECT_EQ(log, k.expected) << k.what;
    }
    EXPECT_TRUE(editor->Focused());
    EXPECT_EQ(form.ActiveControl(), editor);

    // An enter handler that moves the focus on: the control it left never hears WM_SETFOCUS.
    other->OnEnter = [&](TObject*) {
        log.push_back("other enter");
        edit->SetFocus();
    };
    log.clear();
    other->SetFocus();
    EXPECT_EQ(log, (Log{"editor kill", "editor exit", "host exit", "other enter", "other kill", "other exit",
                        "edit enter", "edit set"}));
    EXPECT_TRUE(edit->Focused());
}
