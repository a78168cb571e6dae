#include "platform/sys/HttpGet.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "platform/sys/SharedLibrary.h"

namespace sys {
namespace {

size_t Collect(char* data, size_t size, size_t count, void* target)
{
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

// The HTTP library is loaded on the first request, not at start: it brings some thirty libraries
// with it (TLS, Kerberos, LDAP…) whose loading would cost every start of the program.
struct Curl {
    SharedLibrary library{"libcurl.so.4"};
    decltype(&curl_global_init) global_init = library.Function<CURLcode(long)>("curl_global_init");
    decltype(&curl_easy_init) easy_init = library.Function<CURL*()>("curl_easy_init");
    decltype(&curl_easy_cleanup) easy_cleanup = library.Function<void(CURL*)>("curl_easy_cleanup");
    decltype(&curl_easy_setopt) easy_setopt = library.Function<CURLcode(CURL*, CURLoption, ...)>("curl_easy_setopt");
    decltype(&curl_easy_perform) easy_perform = library.Function<CURLcode(CURL*)>("curl_easy_perform");
    decltype(&curl_easy_getinfo) easy_getinfo = library.Function<CURLcode(CURL*, CURLINFO, ...)>("curl_easy_getinfo");
    decltype(&curl_easy_strerror) easy_strerror = library.Function<const char*(CURLcode)>("curl_easy_strerror");
    bool Complete() const
    {
        return global_init && easy_init && easy_cleanup && easy_setopt && easy_perform && easy_getinfo && easy_strerror;
    }
};

const Curl& LoadCurl()
{
    static const Curl* curl = [] {
        try {
            auto c = std::make_unique<Curl>();
            if (!c->Complete())
                throw HttpError("Cannot start an HTTP request: the HTTP library lacks functions", 0);
            c->global_init(CURL_GLOBAL_DEFAULT);
            return c.release();  // kept for the rest of the process
        } catch (const HttpError&) {
            throw;
        } catch (const std::exception& e) {
            throw HttpError(std::string("Cannot start an HTTP request: ") + e.what(), 0);
        }
    }();
    return *curl;
}

}  // namespace

std::string HttpUrl(const HttpRequest& request)
{
    std::string host = request.host;
    if (host.find(':') != std::string::npos && host.front() != '[')
        host = "[" + host + "]";
    std::string url = "http://" + host;
    if (request.port != 80)
        url += ":" + std::to_string(request.port);
    if (request.path.empty() || request.path.front() != '/')
        url += "/";
    url += request.path;
    if (!request.query.empty())
        url += "?" + request.query;
    return url;
}

std::string HttpGet(const HttpRequest& request)
{
    const Curl& lib = LoadCurl();
    const std::unique_ptr<CURL, void (*)(CURL*)> curl(lib.easy_init(), lib.easy_cleanup);
    if (!curl)
        throw HttpError("Cannot start an HTTP request", 0);
    const std::string url = HttpUrl(request);
    std::string body;
    char errorText[CURL_ERROR_SIZE] = "";
    CURL* h = curl.get();
    lib.easy_setopt(h, CURLOPT_URL, url.c_str());
    lib.easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    lib.easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http");
    lib.easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    lib.easy_setopt(h, CURLOPT_PROXY, "");
    lib.easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    lib.easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(request.timeout.count()));
    lib.easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.timeout.count()));
    lib.easy_setopt(h, CURLOPT_WRITEFUNCTION, Collect);
    lib.easy_setopt(h, CURLOPT_WRITEDATA, &body);
    lib.easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode rc = lib.easy_perform(h);
    if (rc != CURLE_OK)
        throw HttpError("HTTP request to " + url + " failed: " + (errorText[0] ? errorText : lib.easy_strerror(rc)), 0);
    long status = 0;
    lib.easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299)
        throw HttpError("HTTP request to " + url + " answered with status " + std::to_string(status), status);
    return body;
}

}  // namespace sys
