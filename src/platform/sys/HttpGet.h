// HTTP/1.0 GET of one small resource.
#pragma once

#include <chrono>
#include <string>

#include "platform/sys/SysError.h"

namespace sys {

struct HttpRequest {
    std::string host;  // name, IPv4 address, or IPv6 address (with or without brackets)
    int port = 80;
    std::string path = "/";
    std::string query;                         // sent as given after "?", not re-encoded; empty: no "?"
    std::chrono::milliseconds timeout{10000};  // for the whole exchange, connecting included
};

// A failed exchange: no connection, time-out, broken reply, or a status other than 2xx
// (Status() then holds it; 0 when no status was received).
class HttpError : public SysError {
public:
    HttpError(std::string message, long status) : SysError(std::move(message)), status_(status) {}
    long Status() const { return status_; }

private:
    long status_;
};

// Sends the request as HTTP/1.0 without cookies, without following redirects and without any
// proxy, and returns the body of a 2xx reply. Throws HttpError otherwise.
std::string HttpGet(const HttpRequest& request);

// The URL HttpGet asks for, e.g. "http://[::1]:8080/a/b.asp?x=1".
std::string HttpUrl(const HttpRequest& request);

}  // namespace sys
