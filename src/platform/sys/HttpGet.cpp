#include "platform/sys/HttpGet.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace sys {
namespace {

size_t Collect(char* data, size_t size, size_t count, void* target)
{
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

void InitOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
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
    InitOnce();
    const std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl)
        throw HttpError("Cannot start an HTTP request", 0);
    const std::string url = HttpUrl(request);
    std::string body;
    char errorText[CURL_ERROR_SIZE] = "";
    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(h, CURLOPT_PROXY, "");
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(request.timeout.count()));
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.timeout.count()));
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode rc = curl_easy_perform(h);
    if (rc != CURLE_OK)
        throw HttpError("HTTP request to " + url + " failed: " + (errorText[0] ? errorText : curl_easy_strerror(rc)),
                        0);
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299)
        throw HttpError("HTTP request to " + url + " answered with status " + std::to_string(status), status);
    return body;
}

}  // namespace sys
