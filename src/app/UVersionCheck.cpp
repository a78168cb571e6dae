#include "app/UVersionCheck.h"

#include <algorithm>
#include <cctype>

#include "common/NumConv.h"
#include "common/UMaker.h"

namespace {

// Removes blanks and control characters (codes up to 32) at both ends.
std::string Trim(const std::string& s)
{
    auto keep = [](unsigned char c) { return c > ' '; };
    const auto first = std::find_if(s.begin(), s.end(), keep);
    const auto last = std::find_if(s.rbegin(), s.rend(), keep).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string Upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return s;
}

}  // namespace

int Conv_Version(const std::string& Ver_str)
{
    const auto blank = Ver_str.find(' ');
    const std::string v = Trim(blank == std::string::npos ? Ver_str : Ver_str.substr(blank + 1));
    if (v.size() < 5)
        return -1;
    const std::string digits{v[0], v[2], v[3], v[4]};
    return Str_To_Int_Def(digits, -1);
}

bool Is_Newer_Version(const std::string& reply)
{
    const std::string upper = Upper(Trim(reply));
    if (upper.empty() || upper == "VER. 0.000")
        return false;
    const int local = Conv_Version(Local_Version);
    const int remote = Conv_Version(Trim(reply));
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
