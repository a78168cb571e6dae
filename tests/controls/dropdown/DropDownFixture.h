#pragma once
// A shown form holding one drop-down edit with the focus, and regional settings the test owns
// (decimal separator ".", thousand separator ",").
#include <gtest/gtest.h>

#include <memory>

#include "DropDownTestSupport.h"
#include "controls/dropdown/GxDropDown.h"
#include "platform/rtl/Regional.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace dropdown_test {

inline rtl::TFormatSettings TestRegional(char decimal = '.', const char* thousand = ",")
{
    rtl::TFormatSettings fmt = rtl::TFormatSettings::Neutral();
    fmt.DecimalSeparator = decimal;
    fmt.ThousandSeparator = thousand;
    return fmt;
}

template <class DropDown = dropdown::TGxCustomDropDown>
class DropDownFixture : public ::testing::Test {
protected:
    DropDownFixture() : regional(TestRegional())
    {
        form = std::make_unique<ui::TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        edit = new DropDown(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(20, 40, 200, 21);
        UseTestFont(*edit->Font());
        other = new ui::TEdit(form.get());
        other->SetParent(form.get());
        other->SetBounds(20, 200, 100, 21);
        form->Show();
        edit->SetFocus();
    }
    ~DropDownFixture() override { form->Hide(); }

    void Type(const std::string& text) { ui::SendText(edit, text); }
    void Key(unsigned vk, ui::TShiftState shift = 0) { ui::SendKeyStroke(edit, vk, shift); }

    rtl::TRegionalScope regional;
    std::unique_ptr<ui::TForm> form;
    DropDown* edit;
    ui::TEdit* other;
};

}  // namespace dropdown_test
