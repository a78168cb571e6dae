// The configurator's own settings file, Brevandor.xml beside the program: last configuration,
// last device address, language and the four user options.
#pragma once

#include <filesystem>

#include "platform/xml/Xml.h"

// Full path of the settings file (<Path_Exe>/Brevandor.xml).
std::filesystem::path Settings_File_Path();

// Fills Name_Project, Last_IP_Address, Language_Name and the four option flags from the settings
// file. A missing file gives the defaults; every value missing or unreadable in the file gives its
// own fallback. A file that cannot be used (not well-formed XML, unreadable, too large) is treated
// like a missing one and the error is returned (empty when the file was read), so the caller can
// tell the user.
// Path_Project is not touched: whether the named configuration still exists is the caller's check.
std::string Read_Setting(xml::Document& doc);

// Writes the current values into the settings file, replacing it. Errors are thrown
// (xml::XmlError naming the file).
void Save_Setting(xml::Document& doc);
