#include "core/tables/can_family/DMXDefValTable.h"

#include <algorithm>

#include "common/NumConv.h"
#include "common/UComon.h"
#include "core/ParGenFile.h"
#include "core/tables/TableRules.h"
#include "core/tables/TableTexts.h"
#include "platform/rtl/Exceptions.h"

namespace tables::can {

namespace {

constexpr int Col_Value = 1, Col_Mnemonic = 2;
constexpr int Text_Channels_Clamped = 3113;

TDialogDesc Make()
{
    TGridDesc g;
    g.Name = "ACG_DMX_Def_Val";
    g.Rows = DMX_Default_Channels;  // sized anew at every show
    g.Fixed_Width = 100;
    g.Columns = {
        {.Caption = "Channel", .Header = 3106, .Width = 100},
        {.Caption = "Default Value", .Header = 3107, .Hint = 3109, .Width = 100, .Reset = "0"},
        {.Caption = "Mnemonic", .Header = 3108, .Hint = 3110, .Width = 250},
    };
    g.Attributes = {
        {.Name = "Default_Value", .Column = Col_Value, .Fallback = "0"},
        {.Name = "Mnemonic", .Column = Col_Mnemonic, .Fallback = ""},
    };
    g.Row_Element = "Row";
    // Every channel is a row of the table: no end marker, empty rows included.
    g.Write_Key = g.Check_Key = {.Column = -1};
    g.Rules = {Int_Range(Col_Value, 0, 255, 3112)};
    g.Click_Cell = true;

    TDialogDesc d;
    d.Class_Name = "TFDMXDefVal";
    d.Form_Name = "FDMXDefVal";
    d.Client_Width = 475;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "DMX_Default_Values";
    d.File = &File_DMX_Default_Values;
    d.Texts = {.Caption = 3100,
               .Description = 3101,
               .Button_Captions = {3102, 3103},
               .Button_Hints = {3104, 3105},
               .Row_Prefix = 3111};
    d.Band = TButtonBand::OK_Cancel;
    return d;
}

}  // namespace

const TDialogDesc& DMX_Def_Val_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

TDMXChannels DMX_Channels(const std::filesystem::path& parGen)
{
    std::optional<std::int32_t> n;
    try {
        if (const std::optional<core::TParGenFile> file = core::TParGenFile::Open(parGen))
            if (const std::optional<std::string> text = file->Key("DMX_Num_Channels"))
                n = Str_To_Int(*text);
    } catch (const rtl::Exception&) {
        n.reset();  // an unreadable settings file gives the default, as a missing one does
    }
    if (!n)
        return {};
    const int count = std::clamp(*n, 1, DMX_Default_Channels);
    if (count == *n)
        return {.Count = count};
    return {.Count = count, .Note = core::Lang_Format(Text_Channels_Clamped, {*n, count})};
}

}  // namespace tables::can
