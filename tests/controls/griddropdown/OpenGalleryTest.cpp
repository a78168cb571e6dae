// A picture of every drop-down open (its window with header and footer bars), in the default look
// and in one preset, written as a PNG to look at (build/bin/dropdown_open_gallery.png).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../dropdown/DropDownTestSupport.h"
#include "controls/dropdown/GxCalculatorDropdown.h"
#include "controls/dropdown/GxColorPickerDropDown.h"
#include "controls/dropdown/GxDetailDropDown.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "controls/dropdown/GxImagePickerDropDown.h"
#include "controls/dropdown/GxMemoDropDown.h"
#include "controls/dropdown/GxMultiColumnDropDown.h"
#include "controls/dropdown/GxTimePickerDropDown.h"
#include "controls/dropdown/GxTrackBarDropDown.h"
#include "controls/griddropdown/GxGridDropDown.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/PopupWindow.h"
#include "platform/ui/Render.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

// Adds a row of texts as an item of a multi-column or grid drop-down.
template <class Items>
void AddRow(Items* items, const char* code, const char* name)
{
    rtl::TStringList l;
    l.Add(code);
    l.Add(name);
    items->Add()->SetText(l);
}

// Each drop-down of the family, filled so that its open window shows something.
std::vector<std::pair<std::string, std::function<TGxCustomDropDown*(ui::TForm&, ui::TImageList&)>>> Kinds()
{
    return {
        {"track bar", [](ui::TForm& f, ui::TImageList&) { return new TGxTrackBarDropDown(&f); }},
        {"memo",
         [](ui::TForm& f, ui::TImageList&) {
             auto* m = new TGxMemoDropDown(&f);
             rtl::TStringList lines;
             lines.Add("first line");
             lines.Add("second line");
             m->SetMemoText(lines);
             return m;
         }},
        {"calculator", [](ui::TForm& f, ui::TImageList&) { return new TGxCalculatorDropdown(&f); }},
        {"time picker",
         [](ui::TForm& f, ui::TImageList&) {
             auto* t = new TGxTimePickerDropDown(&f);
             t->SetText("10:10:00");
             return t;
         }},
        {"detail",
         [](ui::TForm& f, ui::TImageList&) {
             auto* d = new TGxDetailDropDown(&f);
             for (const char* c : {"Alpha", "Beta", "Gamma"}) {
                 TDetailItem* item = d->Items()->Add();
                 item->SetCaption(c);
                 item->SetNotes("notes of " + std::string(c));
             }
             d->SetItemIndex(1);
             return d;
         }},
        {"image picker",
         [](ui::TForm& f, ui::TImageList& images) {
             auto* p = new TGxImagePickerDropDown(&f);
             p->SetImages(&images);
             p->AddImagesFromImageList();
             p->SetItemIndex(1);
             return p;
         }},
        {"multi-column",
         [](ui::TForm& f, ui::TImageList&) {
             auto* m = new TGxMultiColumnDropDown(&f);
             for (const char* h : {"Code", "Name"})
                 m->Columns()->Add()->Header = h;
             AddRow(m->Items(), "R", "Red");
             AddRow(m->Items(), "G", "Green");
             AddRow(m->Items(), "B", "Blue");
             m->SetItemIndex(1);
             return m;
         }},
        {"colour picker",
         [](ui::TForm& f, ui::TImageList&) {
             auto* c = new TGxColorPickerDropDown(&f);
             c->AddDefaultColors();
             c->SetSelectedColor(0x0000FF);
             return c;
         }},
        {"grid",
         [](ui::TForm& f, ui::TImageList&) {
             auto* g = new TCustomGxGridDropDown(&f);
             for (const char* h : {"Code", "Name"})
                 g->Columns()->Add()->Header = h;
             AddRow(g->Items(), "R", "Red");
             AddRow(g->Items(), "G", "Green");
             AddRow(g->Items(), "B", "Blue");
             g->SetItemIndex(1);
             return g;
         }},
    };
}

TEST(OpenGallery, EveryDropDownOpenInTheDefaultLookAndOnePreset)
{
    ui::TForm form(nullptr);
    form.SetBounds(0, 0, 400, 200);
    ui::TImageList images(nullptr);
    images.SetSize(16, 16);
    for (ui::TColor c : {0x0000FFu, 0x00FF00u, 0xFF0000u}) {
        ui::TBitmap b;
        b.SetSize(16, 16);
        b.Canvas()->Brush()->SetColor(c);
        b.Canvas()->FillRect({0, 0, 16, 16});
        images.Add(b);
    }
    form.Show();
    const auto kinds = Kinds();
    constexpr int tileW = 300, tileH = 330;
    ui::TBitmap sheet;
    sheet.SetSize(tileW * static_cast<int>(kinds.size()), tileH * 2);
    sheet.Canvas()->Brush()->SetColor(0xF0F0F0);
    sheet.Canvas()->FillRect({0, 0, sheet.Width(), sheet.Height()});
    int opened = 0;
    for (int look = 0; look < 2; ++look) {
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            SCOPED_TRACE(kinds[i].first);
            TGxCustomDropDown* edit = kinds[i].second(form, images);
            edit->SetParent(&form);
            edit->SetBounds(20, 20, 200, 21);
            UseTestFont(*edit->Font());
            edit->DropDownHeader()->Caption = "<b>" + kinds[i].first + "</b>";
            edit->DropDownFooter()->Caption = "footer";
            if (look == 1)
                edit->SetComponentStyle(gx::TGxStyle::tsOffice2010Blue);
            edit->ShowDropDown();
            ASSERT_TRUE(edit->DroppedDown());
            ui::TBitmap tile;
            ui::RenderControl(*edit->DropDownForm(), tile);
            EXPECT_GT(tile.Width(), 0);
            EXPECT_GT(tile.Height(), 0);
            sheet.Canvas()->Draw(static_cast<int>(i) * tileW + 5, look * tileH + 5, &tile);
            ++opened;
            edit->HideDropDown(true);
            delete edit;
        }
    }
    EXPECT_EQ(opened, 2 * static_cast<int>(kinds.size()));
    const std::string file = std::string(CFG_BIN_DIR) + "/dropdown_open_gallery.png";
    std::filesystem::remove(file);
    sheet.SaveToFile(file);
    EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace
