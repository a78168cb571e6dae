// The real version service: one HTTP/1.0 GET on the maker's version host.
#include "app/UVersionCheck.h"

#include "common/UMaker.h"
#include "platform/sys/HttpGet.h"

Version_Fetcher Http_Version_Fetcher(const std::string& host, int port, int timeout_ms)
{
    return [=]() -> std::optional<std::string> {
        sys::HttpRequest request;
        request.host = host;
        request.port = port;
        request.timeout = std::chrono::milliseconds(timeout_ms);
        request.path = "/home/download/GetversionSW.asp";
        request.query = std::string("nomesw=") + SW_Name_Update;
        try {
            return sys::HttpGet(request);
        } catch (const sys::SysError&) {
            return std::nullopt;
        }
    };
}

namespace {

Version_Fetcher& Fetcher_Override()
{
    static Version_Fetcher fetch;
    return fetch;
}

}  // namespace

Version_Fetcher Default_Version_Fetcher()
{
    if (Fetcher_Override())
        return Fetcher_Override();
    return Http_Version_Fetcher(std::string(maker::Version_Host), 80);
}

void Set_Default_Version_Fetcher(Version_Fetcher fetch)
{
    Fetcher_Override() = std::move(fetch);
}
