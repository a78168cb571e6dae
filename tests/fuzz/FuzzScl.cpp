// SCL files offered to the IEC 61850 client's catalog: any bytes in any encoding. Every decode
// ends; every data-set member is an attribute of the same device; every attribute's reference is
// its parent's reference, a dot and its own name; decoding the parts the scan finds gives what
// decoding a parse of the whole file gives.
#include <filesystem>
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "core/iec61850/UIEC_Client_Decode.h"
#include "platform/xml/Xml.h"

namespace {

void CheckDA(const iec::TIEC_DA& da, const std::string& parent, std::set<const iec::TIEC_DA*>& all)
{
    FUZZ_CHECK(da.fReference == parent + "." + da.fName, "a reference is not its parent's and its name");
    all.insert(&da);
    for (const auto& c : da.List_DA) {
        FUZZ_CHECK(da.fbType != "Enum", "an enumerated attribute has components");
        CheckDA(*c, da.fReference, all);
    }
}

void Dump(const iec::TIEC_DA& da, std::string& out)
{
    out += "(" + da.fName + "|" + da.fbType + "|" + da.fFC + "|" + da.fReference;
    for (const auto& c : da.List_DA)
        Dump(*c, out);
    out += ")";
}

void Dump(const iec::TIEC_DO& d, std::string& out)
{
    out += "{" + d.fName;
    for (const auto& s : d.List_DO)
        Dump(*s, out);
    for (const auto& da : d.List_DA)
        Dump(*da, out);
    out += "}";
}

std::string Dump(const iec::TIEC_Device& device)
{
    std::string out = device.fName + "|" + device.fFileName;
    for (const auto& ld : device.List_LDevice) {
        out += "[" + ld->fName;
        for (const auto& ln : ld->List_LN) {
            out += "<" + ln->fPrefix + "|" + ln->flnClass + "|" + ln->fInst + "|" + ln->flnType;
            for (const auto& d : ln->List_DO)
                Dump(*d, out);
            for (const auto& ds : ln->List_DataSet) {
                out += "#" + ds->fName + "|" + ds->fReference + "|" + ds->fGooseName;
                for (const auto* m : ds->List_DA)
                    out += "," + m->fReference;
            }
            out += ">";
        }
        out += "]";
    }
    for (const auto& n : device.Notes)
        out += "\n" + n;
    return out;
}

// What decoding gives, or the error.
std::string Decoded(const std::filesystem::path& file, const iec::DecodeLimits& limits)
{
    try {
        return Dump(iec::TIEC_Device(file, limits));
    } catch (const xml::XmlError& e) {
        return std::string("error: ") + e.what();
    }
}

void CheckDO(const iec::TIEC_DO& d, const std::string& parent, std::set<const iec::TIEC_DA*>& all)
{
    const std::string ref = parent + "." + d.fName;
    for (const auto& s : d.List_DO)
        CheckDO(*s, ref, all);
    for (const auto& da : d.List_DA)
        CheckDA(*da, ref, all);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput("Device.icd", fuzz::Text(data, size));
    // A smaller budget than a real catalog file gets keeps hostile inputs quick; the bounds are the same code.
    iec::DecodeLimits limits;
    limits.MinBytes = std::size_t(4) << 20;
    std::unique_ptr<iec::TIEC_Device> device;
    try {
        device = std::make_unique<iec::TIEC_Device>(file, limits);
    } catch (const xml::XmlError& e) {
        FUZZ_CHECK(std::string(e.what()).find("Device.icd") != std::string::npos, "the error does not name the file");
        iec::DecodeLimits whole = limits;
        whole.WholeDocument = true;
        FUZZ_CHECK(Decoded(file, whole) == std::string("error: ") + e.what(),
                   "the scanned parts are refused otherwise than the whole file");
        return 0;
    }
    FUZZ_CHECK(device->fFileName == "Device.icd", "the file name is not kept");
    iec::DecodeLimits whole = limits;
    whole.WholeDocument = true;
    FUZZ_CHECK(Dump(*device) == Decoded(file, whole), "the scanned parts decode otherwise than the whole file");
    FUZZ_CHECK(device->Notes.size() <= 20, "too many notes");
    std::set<const iec::TIEC_DA*> all;
    for (const auto& ld : device->List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& d : ln->List_DO)
                CheckDO(*d, device->fName + ld->fName + "/" + ln->fPrefix + ln->flnClass + ln->fInst, all);
    for (const auto& ld : device->List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& ds : ln->List_DataSet)
                for (const auto* member : ds->List_DA)
                    FUZZ_CHECK(all.count(member) == 1, "a data-set member is no attribute of the device");
    return 0;
}
