// Opening web pages in the desktop's browser: the maker's home page and the download link.
#pragma once

#include <functional>
#include <string>

// The maker's home page with the query that tells which program sent the visitor.
std::string Maker_Home_Url();

// Hands the address to the desktop's opener (or to the replacement set below).
void Open_Url(const std::string& url);

// Replaces the opener (tests record the addresses instead); an empty function restores it.
void Set_Url_Opener(std::function<void(const std::string&)> opener);
