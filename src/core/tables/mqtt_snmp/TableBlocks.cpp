#include "core/tables/mqtt_snmp/TableBlocks.h"

#include <string>

#include "core/tables/TableEngine.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

namespace tables::mqtt_snmp {

TTextsDesc Block_Texts(int block, int hints, int deleteQuestion, int rowPrefix)
{
    TTextsDesc t{
        .Caption = block, .Description = block + 1, .Delete_Question = deleteQuestion, .Row_Prefix = rowPrefix};
    for (std::size_t i = 0; i < Button_Count; ++i) {
        t.Button_Captions[i] = block + 2 + static_cast<int>(i);
        t.Button_Hints[i] = hints + static_cast<int>(i);
    }
    return t;
}

TColumnDesc Box_Column(std::string_view caption, int header, int hint, int width)
{
    return {.Caption = caption,
            .Header = header,
            .Hint = hint,
            .Width = width,
            .Editor = TEditor::CheckBox,
            .Alignment = TAlign::Center};
}

}  // namespace tables::mqtt_snmp
