#include "app/UVersionCheck.h"

#include "common/NumConv.h"
#include "common/UMaker.h"
#include "platform/rtl/StrUtils.h"

int Conv_Version(const std::string& Ver_str)
{
    const auto blank = Ver_str.find(' ');
    const std::string v = rtl::Trim(blank == std::string::npos ? Ver_str : Ver_str.substr(blank + 1));
    if (v.size() < 5)
        return -1;
    const std::string digits{v[0], v[2], v[3], v[4]};
    return Str_To_Int_Def(digits, -1);
}

bool Is_Newer_Version(const std::string& reply)
{
    const std::string upper = rtl::UpperCase(rtl::Trim(reply));
    if (upper.empty() || upper == "VER. 0.000")
        return false;
    const int local = Conv_Version(Local_Version);
    const int remote = Conv_Version(rtl::Trim(reply));
    return local != -1 && remote != -1 && remote > local;
}

bool Check_Version(const Version_Fetcher& fetch)
{
    try {
        const auto reply = fetch ? fetch() : Default_Version_Fetcher()();
        return Is_Newer_Version(reply.value_or(""));
    } catch (...) {
        return false;
    }
}

std::string Download_Link()
{
    return "http://" + std::string(maker::Web_Domain) + "/Home/download/download.asp#HD58E26";
}
