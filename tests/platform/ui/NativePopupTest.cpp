// The combo box on a shown form: drawn by the framework in a plain native window, its list a
// native top-level popup window. Input goes in as the window system hands it to the widgets.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/PopupList.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/qt/NativeTesting.h"
#include <string>

using namespace ui;

namespace {

struct ShownCombo : ::testing::Test {
    TForm form{nullptr};
    TComboBox* combo = new TComboBox(&form);
    TEdit* edit = new TEdit(&form);
    int changes = 0;

    void SetUp() override
    {
        form.SetBounds(40, 40, 320, 200);
        combo->SetParent(&form);
        combo->SetBounds(10, 20, 220, 21);
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        for (const char* s : {"Firmware + Configuration", "Firmware", "Configuration"})
            combo->Items()->Add(s);
        combo->SetItemIndex(0);
        combo->OnChange = [this](TObject*) { ++changes; };
        edit->SetParent(&form);
        edit->SetBounds(10, 120, 100, 21);
        form.Show();
        Application->ProcessMessages();
    }
    void TearDown() override { form.Hide(); }
    TPopupList* List() { return combo->DropDownList(); }
    int RowY(int index) { return 1 + index * List()->ItemHeight() + List()->ItemHeight() / 2; }
};

TEST_F(ShownCombo, AClickOpensANativePopupBelowTheBoxAndAClickInItPicks)
{
    qt::ClickNative(combo, 50, 10);
    Application->ProcessMessages();
    ASSERT_TRUE(combo->DroppedDown());
    ASSERT_TRUE(qt::HasNativeWindow(List()));
    EXPECT_TRUE(qt::NativePopupWindow(List()));
    EXPECT_EQ(qt::NativeScreenGeometry(List()), List()->BoundsRect());
    TRect box = qt::NativeScreenGeometry(combo);
    EXPECT_EQ(qt::NativeScreenGeometry(List()).TopLeft(), (TPoint{box.Left, box.Bottom}));
    EXPECT_TRUE(form.Active());  // the popup does not take the activation
    EXPECT_TRUE(combo->Focused());

    qt::ClickNative(List(), 20, RowY(2));
    Application->ProcessMessages();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_FALSE(qt::HasNativeWindow(List()));
    EXPECT_EQ(combo->Text(), "Configuration");
    EXPECT_EQ(changes, 1);
}

TEST_F(ShownCombo, APressOutsideThePopupClosesItWithoutAChoice)
{
    qt::ClickNative(combo, 50, 10);
    ASSERT_TRUE(combo->DroppedDown());
    // What the window system hands the open popup for a press on the edit below it.
    TPoint onEdit = qt::NativeScreenGeometry(edit).TopLeft();
    TPoint popupAt = List()->BoundsRect().TopLeft();
    qt::ClickNative(List(), onEdit.X - popupAt.X + 5, onEdit.Y - popupAt.Y + 5);
    Application->ProcessMessages();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_FALSE(qt::HasNativeWindow(List()));
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_TRUE(combo->Focused());  // the press did not reach the edit
    EXPECT_EQ(changes, 0);
}

TEST_F(ShownCombo, KeysTypedWhileTheListIsOpenReachIt)
{
    qt::ClickNative(combo, 50, 10);
    ASSERT_TRUE(combo->DroppedDown());
    qt::PressKeyNative(List(), VK_DOWN);  // the popup window has the keyboard while open
    qt::PressKeyNative(List(), VK_DOWN);
    EXPECT_EQ(List()->ItemIndex(), 2);
    EXPECT_EQ(combo->ItemIndex(), 0);
    qt::PressKeyNative(List(), VK_RETURN);
    Application->ProcessMessages();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "Configuration");
    qt::PressKeyNative(&form, VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    qt::PressKeyNative(List(), VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(changes, 1);
}

}  // namespace
