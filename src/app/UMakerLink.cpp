#include "app/UMakerLink.h"

#include "common/UComon.h"
#include "common/UMaker.h"
#include "platform/sys/OpenUrl.h"

namespace {

std::function<void(const std::string&)>& Opener()
{
    static std::function<void(const std::string&)> opener;
    return opener;
}

}  // namespace

std::string Maker_Home_Url()
{
    return "https://" + std::string(maker::Web_Domain) + "/?frompg=" + SW_Code_Init;
}

void Open_Url(const std::string& url)
{
    if (Opener())
        Opener()(url);
    else
        sys::OpenUrl(url);
}

void Set_Url_Opener(std::function<void(const std::string&)> opener)
{
    Opener() = std::move(opener);
}
