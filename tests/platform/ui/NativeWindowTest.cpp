// A form shown on the offscreen platform: native widgets at the controls' bounds, in step both ways.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Render.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/qt/NativeTesting.h"
#include <filesystem>

using namespace ui;

namespace {
struct ShownForm : ::testing::Test {
    TForm form{nullptr};
    TPanel* panel = new TPanel(&form);
    TEdit* edit = new TEdit(&form);
    TComboBox* combo = new TComboBox(&form);
    TLabel* label = new TLabel(&form);
    int changes = 0;

    void SetUp() override
    {
        form.SetClientWidth(240);
        form.SetClientHeight(120);
        form.SetCaption("Settings");
        panel->SetParent(&form);
        panel->SetBounds(0, 80, 240, 40);
        panel->SetColor(clNavy);
        panel->SetBevelOuter(TBevelCut::bvNone);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 120, 21);
        edit->OnChange = [this](TObject*) { ++changes; };
        combo->SetParent(&form);
        combo->SetBounds(10, 40, 120, 21);
        combo->Items()->Add("One");
        combo->Items()->Add("Two");
        label->SetParent(&form);
        label->SetLeft(140);
        label->SetTop(12);
        label->SetCaption("Name");
        form.Show();
        Application->ProcessMessages();
    }
    void TearDown() override { form.Hide(); }
};

std::filesystem::path TempPng(const char* name)
{
    return std::filesystem::temp_directory_path() / name;
}
}  // namespace

TEST_F(ShownForm, NativeWidgetsSitAtTheControlsBoundsAndFollowChanges)
{
    ASSERT_TRUE(qt::HasNativeWindow(&form));
    EXPECT_EQ(qt::NativeText(&form), "Settings");
    EXPECT_EQ(qt::NativeGeometry(&form), TRect(0, 0, 240, 120));
    EXPECT_EQ(qt::NativeGeometry(edit), TRect(10, 10, 130, 31));
    EXPECT_FALSE(qt::HasNativeWindow(label));  // windowless: drawn by the form

    edit->SetBounds(20, 12, 100, 21);
    edit->SetText("192.168.0.10");
    combo->SetItemIndex(1);
    EXPECT_EQ(qt::NativeGeometry(edit), TRect(20, 12, 120, 33));
    EXPECT_EQ(qt::NativeText(edit), "192.168.0.10");
    EXPECT_EQ(qt::NativeGeometry(combo), TRect(10, 40, 130, 61));  // drawn by the framework
    combo->Hide();
    EXPECT_FALSE(qt::NativeVisible(combo));

    form.Hide();
    EXPECT_FALSE(qt::HasNativeWindow(edit));  // native windows exist only while shown
    EXPECT_FALSE(form.HandleAllocated());
}

TEST_F(ShownForm, TypingIntoTheNativeEditUpdatesTheControlAndFiresChange)
{
    edit->SetFocus();
    qt::TypeIntoNative(edit, "Abc");
    EXPECT_EQ(edit->Text(), "Abc");
    EXPECT_EQ(qt::NativeText(edit), "Abc");
    EXPECT_EQ(changes, 3);
}

TEST_F(ShownForm, ClicksAndKeysOnNativeWidgetsReachTheFocusedControl)
{
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    box->SetBounds(140, 40, 90, 17);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    Application->ProcessMessages();
    ASSERT_TRUE(qt::HasNativeWindow(box));
    qt::ClickNative(box, 4, 4);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    qt::TypeIntoNative(&form, " ");  // keys reach the control with the focus
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(ShownForm, RendersToPngWithEveryControlAtItsBounds)
{
    auto file = TempPng("ui_shown_form.png");
    ASSERT_TRUE(RenderToPng(form, file.string()));
    TBitmap shot;
    shot.LoadFromFile(file.string());
    EXPECT_EQ(shot.Width(), 240);
    EXPECT_EQ(shot.Height(), 120);
    EXPECT_EQ(shot.Pixel(5, 100), clNavy);                // the panel
    EXPECT_EQ(shot.Pixel(5, 70), ColorToRGB(clBtnFace));  // the form around it
    std::filesystem::remove(file);

    // The same form off-screen gives the same picture where the framework paints itself.
    TBitmap offscreen;
    RenderControl(form, offscreen);
    EXPECT_EQ(offscreen.Pixel(5, 100), clNavy);
    EXPECT_EQ(offscreen.Pixel(5, 70), ColorToRGB(clBtnFace));
}

TEST(NativeWindows, AnExceptionWhilePaintingEndsInAnErrorBox)
{
    class Faulty : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        int paints = 0;

    protected:
        void Paint() override
        {
            if (++paints == 1)
                throw std::runtime_error("Cannot draw");
        }
    };
    ScriptedDialogs dialogs;
    TForm form(nullptr);
    auto* faulty = new Faulty(&form);
    faulty->SetParent(&form);
    faulty->SetBounds(0, 0, 50, 50);
    form.Show();
    for (int i = 0; i < 20 && faulty->paints < 2; ++i) {
        faulty->Invalidate();
        Application->HandleMessage(10);
    }
    form.Hide();
    ASSERT_FALSE(dialogs.Messages.empty());
    EXPECT_EQ(dialogs.Messages[0].Text, "Cannot draw.");
    EXPECT_GE(faulty->paints, 2);  // painting goes on afterwards
}
