#pragma once
// The update job file Ethernet_Update.xml that tells the external updater what to send to the
// converter, and the echo sequence that first checks that the converter answers.

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/xml/Xml.h"

namespace core {

// What to update: 0 firmware and configuration, 1 firmware only, 2 configuration only.
struct TUpdateJob {
    std::string IP_Address;  // as typed, dotted
    int Option = 0;
    bool Read_Back = true;
    std::string Path_Master;   // folder holding the firmware image
    std::string Path_Project;  // open configuration (its bin folder holds the banks)
};

// Rebuilds doc as the job file of the given job.
void Build_Update_Job(xml::Document& doc, const TUpdateJob& job);

// Builds the job into doc and saves it to file, replacing it. Throws xml::XmlError naming the
// file when it cannot be written.
void Compile_XML_Parameter_New_Boot(xml::Document& doc, const TUpdateJob& job, const std::filesystem::path& file);

// s_opt followed by the groups for firmware write, firmware read-back, configuration write and
// configuration read-back ("FW "/"NO ", "FR "/"NO ", "PW "/"NO ", "PR "/"NO ").
std::string Update_Options(const std::string& s_opt, int option, bool readBack);

// Sends one echo request to the host; returns the bytes the reply carried (0: no reply in time).
// Throws when the echo cannot be sent.
using TEchoFunction = std::function<std::size_t(const std::string& host)>;
// Keeps the user interface alive between echoes.
using TPumpFunction = std::function<void()>;

// Outcome of the last echo: 0 none yet, 1 reply with data, 2 no reply (or one without data).
struct TPingState {
    int ping_res = 0;
};

// Echoes the host until two replies with data have come or `window` has passed since the start.
// True when the last echo was answered with data. An echo that cannot be sent ends the sequence
// with false and leaves ping_res as it was.
bool Send_Ping(const std::string& host, TPingState& state, const TEchoFunction& echo, const TPumpFunction& pump = {},
               std::chrono::milliseconds window = std::chrono::milliseconds(5000));

// The system's echo: 1024 data bytes, 400 ms to answer.
TEchoFunction System_Echo();

// The device-search panel's type query: loads ParGen.xml into doc when the file exists (doc stays
// as it was otherwise) and returns 0, the one device type there is. Throws xml::XmlError naming
// the file when it exists but cannot be parsed.
int Get_Type_Dev(xml::Document& doc, const std::filesystem::path& parGen);

}  // namespace core
