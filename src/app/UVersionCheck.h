// Asking the maker's version service whether a newer version of this program exists.
#pragma once

#include <functional>
#include <optional>
#include <string>

// Version of this program as the About box shows it.
inline constexpr const char* Local_Version = "1.000";
// Software name sent with the version query.
inline constexpr const char* SW_Name_Update = "SW58E26";

// A version text as a number: the text after its first blank (all of it when it has none),
// trimmed; its characters 1, 3, 4 and 5 read as an integer ("VER. 1.002" gives 1002).
// -1 when fewer than five characters remain or they do not form a number.
int Conv_Version(const std::string& Ver_str);

// True when the service's reply names a version newer than the local one. An empty reply and
// the explicit "VER. 0.000" (any letter case) mean no newer version.
bool Is_Newer_Version(const std::string& reply);

// Fetches the service's reply body; nullopt on any failure (no connection, time-out, error
// status, broken reply).
using Version_Fetcher = std::function<std::optional<std::string>()>;

// HTTP/1.0 GET of /home/download/GetversionSW.asp?nomesw=SW58E26 on the given host and port,
// with a time-out for the whole exchange, no redirects, no cookies.
Version_Fetcher Http_Version_Fetcher(const std::string& host, int port, int timeout_ms = 10000);

// The fetcher of the real service on the maker's version host, or the one set below.
Version_Fetcher Default_Version_Fetcher();

// Points every later check without its own fetcher at another service (tests use a loopback
// server); an empty fetcher restores the maker's service.
void Set_Default_Version_Fetcher(Version_Fetcher fetch);

// Asks the service (through the given fetcher, the real one when empty). Every failure counts
// as "no newer version".
bool Check_Version(const Version_Fetcher& fetch = {});

// Target of the download link shown when a newer version exists.
std::string Download_Link();
