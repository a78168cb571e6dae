// SCL files offered to the IEC 61850 client's catalog: any bytes in any encoding. Every decode
// ends; every data-set member is an attribute of the same device; every attribute's reference is
// its parent's reference, a dot and its own name.
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
    limits.MinBytes = std::size_t(16) << 20;
    std::unique_ptr<iec::TIEC_Device> device;
    try {
        device = std::make_unique<iec::TIEC_Device>(file, limits);
    } catch (const xml::XmlError& e) {
        FUZZ_CHECK(std::string(e.what()).find("Device.icd") != std::string::npos, "the error does not name the file");
        return 0;
    }
    FUZZ_CHECK(device->fFileName == "Device.icd", "the file name is not kept");
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
