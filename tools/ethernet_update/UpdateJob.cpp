#include "UpdateJob.h"

#include "BankPair.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace updater {
namespace {

constexpr std::array<const char*, 9> kJobElements = {
    "Version",   "Title",         "IP_Address_Dev",     "Application_Port",
    "Boot_Port", "Boot_Port_Sec", "Address_Protection", "Protections",
    "Operations"};

constexpr std::array<const char*, 20> kOperationElements = {"Ope_Protection_Enabled",
                                                            "Ope_GoToBoot_Before",
                                                            "Ope_GoToApp_Before",
                                                            "Ope_IP_Address",
                                                            "Ope_Port",
                                                            "Ope_Port_Sec",
                                                            "Ope_Erase_Memory",
                                                            "Ope_FileName",
                                                            "Ope_Start_Address",
                                                            "Ope_Memory_Type",
                                                            "Ope_Bank_Type",
                                                            "Ope_Read_Back",
                                                            "Ope_Write_CSS",
                                                            "Ope_Address_CSS",
                                                            "Ope_Command_CSS",
                                                            "Ope_Write_Internal_Data",
                                                            "Ope_WID_Address",
                                                            "Ope_WID_Command",
                                                            "Ope_WID_Data",
                                                            "Ope_GoToApp_After"};

constexpr std::uintmax_t kBank1Size = 2048;
constexpr const char* kBank1Address = "0x07000";
constexpr const char* kBank2Address = "0x80000";
constexpr std::uint32_t kBank2DeviceAddress = 0x80000;

std::string Text(const pugi::xml_node& node)
{
    return node.child_value();
}

bool ParseInt(const std::string& s, int& value)
{
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, value);
    return ec == std::errc() && p == end;
}

bool ParseFlag(const std::string& s, bool& value)
{
    if (s == "0" || s == "1") {
        value = s == "1";
        return true;
    }
    return false;
}

bool IsDottedIPv4(const std::string& s)
{
    std::istringstream in(s);
    std::string part;
    int count = 0;
    while (std::getline(in, part, '.')) {
        int v = 0;
        if (part.empty() || part.size() > 3 || !ParseInt(part, v) || v < 0 || v > 255)
            return false;
        ++count;
    }
    return count == 4 && s.back() != '.';
}

// The children of `parent` must be exactly `names`, in this order.
template <std::size_t N>
void CheckChildren(const pugi::xml_node& parent, const std::array<const char*, N>& names, const std::string& where,
                   std::vector<std::string>& errors)
{
    std::size_t i = 0;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (i >= N) {
            errors.push_back(where + ": unexpected element <" + child.name() + ">");
            return;
        }
        if (std::string(child.name()) != names[i]) {
            errors.push_back(where + ": expected <" + names[i] + ">, found <" + child.name() + ">");
            return;
        }
        ++i;
    }
    if (i < N)
        errors.push_back(where + ": missing <" + names[i] + ">");
}

void CheckPort(const pugi::xml_node& parent, const char* name, const std::string& where, int& port,
               std::vector<std::string>& errors)
{
    const std::string text = Text(parent.child(name));
    if (!ParseInt(text, port) || port <= 0 || port > 65535)
        errors.push_back(where + ": <" + name + "> is not a port number: \"" + text + "\"");
}

std::vector<std::uint8_t> ReadImage(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A job that sends both configuration images must send images of one build.
void CheckPair(const std::vector<Operation>& operations, std::vector<std::string>& errors)
{
    auto find = [&](const char* address) {
        return std::find_if(operations.begin(), operations.end(),
                            [&](const Operation& op) { return op.startAddress == address; });
    };
    const auto bank1 = find(kBank1Address);
    const auto bank2 = find(kBank2Address);
    if (bank1 == operations.end() || bank2 == operations.end())
        return;
    for (std::string& fault :
         CheckBankPair(ReadImage(bank1->fileName), ReadImage(bank2->fileName), kBank2DeviceAddress))
        errors.push_back(std::move(fault));
}

void CheckImage(Operation& op, const std::string& where, std::vector<std::string>& errors)
{
    std::error_code ec;
    if (op.fileName.empty() || !fs::is_regular_file(op.fileName, ec)) {
        errors.push_back(where + ": image not found: \"" + op.fileName + "\"");
        return;
    }
    op.fileSize = fs::file_size(op.fileName, ec);
    if (op.startAddress != kBank1Address)
        return;
    const std::vector<std::uint8_t> image = ReadImage(op.fileName);
    if (image.size() != kBank1Size)
        errors.push_back(where + ": bank1 image has " + std::to_string(image.size()) + " bytes, not 2048");
    else if (!Bank1ChecksumOk(image))
        errors.push_back(where + ": bank1 image checksum is wrong");
}

Operation ReadOperation(const pugi::xml_node& node, const std::string& where, std::vector<std::string>& errors)
{
    const std::size_t before = errors.size();
    CheckChildren(node, kOperationElements, where, errors);
    Operation op;
    if (errors.size() != before)
        return op;
    op.fileName = Text(node.child("Ope_FileName"));
    op.startAddress = Text(node.child("Ope_Start_Address"));
    if (!ParseInt(Text(node.child("Ope_Bank_Type")), op.bankType) || (op.bankType != 1 && op.bankType != 2))
        errors.push_back(where + ": <Ope_Bank_Type> must be 1 or 2");
    if (!ParseFlag(Text(node.child("Ope_Read_Back")), op.readBack))
        errors.push_back(where + ": <Ope_Read_Back> must be 0 or 1");
    if (!ParseFlag(Text(node.child("Ope_GoToApp_After")), op.goToAppAfter))
        errors.push_back(where + ": <Ope_GoToApp_After> must be 0 or 1");
    if (!ParseFlag(Text(node.child("Ope_Write_CSS")), op.writeCss))
        errors.push_back(where + ": <Ope_Write_CSS> must be 0 or 1");
    int port = 0;
    CheckPort(node, "Ope_Port", where, port, errors);
    CheckPort(node, "Ope_Port_Sec", where, port, errors);
    CheckImage(op, where, errors);
    return op;
}

}  // namespace

bool Bank1ChecksumOk(const std::vector<std::uint8_t>& image)
{
    if (image.size() != kBank1Size)
        return false;
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < kBank1Size - 4; ++i)
        sum += image[i];
    const std::uint32_t stored =
        image[2044] | (image[2045] << 8) | (image[2046] << 16) | (std::uint32_t(image[2047]) << 24);
    return sum == stored;
}

CheckResult CheckJobFile(const fs::path& jobFile)
{
    CheckResult result;
    auto& errors = result.errors;
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_file(jobFile.c_str());
    if (!parsed) {
        errors.push_back("cannot read " + jobFile.string() + ": " + parsed.description());
        return result;
    }
    const pugi::xml_node root = doc.document_element();
    if (std::string(root.name()) != "Ethernet_Update") {
        errors.push_back("root element is <" + std::string(root.name()) + ">, not <Ethernet_Update>");
        return result;
    }
    CheckChildren(root, kJobElements, "job", errors);
    if (!errors.empty())
        return result;
    if (Text(root.child("Version")) != "1000")
        errors.push_back("unsupported job version \"" + Text(root.child("Version")) + "\"");

    Job& job = result.job;
    job.title = Text(root.child("Title"));
    job.deviceAddress = Text(root.child("IP_Address_Dev"));
    if (!IsDottedIPv4(job.deviceAddress))
        errors.push_back("device address \"" + job.deviceAddress + "\" is not a dotted IPv4 address");
    CheckPort(root, "Application_Port", "job", job.applicationPort, errors);
    CheckPort(root, "Boot_Port", "job", job.bootPort, errors);
    CheckPort(root, "Boot_Port_Sec", "job", job.bootPortSec, errors);
    if (!root.child("Protections").child("Protection"))
        errors.push_back("job: <Protections> holds no <Protection>");

    int index = 0;
    for (pugi::xml_node node = root.child("Operations").first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element)
            continue;
        const std::string where = "operation " + std::to_string(++index);
        if (std::string(node.name()) != "Operation") {
            errors.push_back(where + ": unexpected element <" + node.name() + ">");
            continue;
        }
        job.operations.push_back(ReadOperation(node, where, errors));
    }
    if (index == 0)
        errors.push_back("job: <Operations> holds no <Operation>");
    // The pair is compared only when each image passed its own checks.
    if (errors.empty())
        CheckPair(job.operations, errors);
    return result;
}

std::vector<std::string> DescribeTransfer(const Job& job)
{
    std::vector<std::string> lines;
    lines.push_back(job.title);
    lines.push_back("Device " + job.deviceAddress + ", boot ports " + std::to_string(job.bootPort) + "/" +
                    std::to_string(job.bootPortSec));
    int index = 0;
    for (const Operation& op : job.operations) {
        lines.push_back("Operation " + std::to_string(++index) + ": write " + op.fileName + " (" +
                        std::to_string(op.fileSize) + " bytes) to " + op.startAddress + ", bank type " +
                        std::to_string(op.bankType) + (op.readBack ? ", read back" : "") +
                        (op.goToAppAfter ? ", then start the application" : ""));
    }
    lines.push_back("Job accepted: " + std::to_string(job.operations.size()) + " operation(s).");
    return lines;
}

}  // namespace updater
