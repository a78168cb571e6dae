#include "core/tables/TableTexts.h"

#include "common/UComon.h"
#include "common/ULanguage.h"
#include "platform/rtl/Exceptions.h"

namespace core {

std::string Lang_Text(int number)
{
    if (number >= 0 && static_cast<std::size_t>(number) < Lang_List.size())
        return Lang_List[static_cast<std::size_t>(number)];
    return Default_Lang_Text(number);
}

std::string Lang_Format(int number, const std::vector<rtl::TVarRec>& args)
{
    try {
        return rtl::Format(Lang_Text(number), args);
    } catch (const rtl::Exception&) {
        return rtl::Format(Default_Lang_Text(number), args);
    }
}

}  // namespace core
