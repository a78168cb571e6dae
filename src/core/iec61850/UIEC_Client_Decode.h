#pragma once
// The model of one IEC 61850 server as its SCL file describes it (ICD, CID, IID, SCD, SSD, SED):
// device, logical devices, logical nodes, data objects with their sub data objects, data
// attributes with their components, and the data sets of the logical nodes, whose members point
// at attributes of the same device. Only the first IED of a file is read, and of it only what the
// IEC 61850 client dialog needs; every attribute carries its basic type, functional constraint
// and full object reference.
//
// Ownership runs downwards (device -> logical devices -> logical nodes -> data objects and data
// sets; data object -> sub data objects and attributes; attribute -> components). Data sets only
// borrow their members. Nothing refers back into the XML document after decoding.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace iec {

class TIEC_Device;

// A data attribute or a component of a structured attribute.
class TIEC_DA {
public:
    TIEC_DA() = default;
    ~TIEC_DA();
    TIEC_DA(const TIEC_DA&) = delete;
    TIEC_DA& operator=(const TIEC_DA&) = delete;

    std::string fReference;  // full object reference, e.g. IED1LD0/LLN0.Mod.stVal
    std::string fFC;         // functional constraint, inherited by components without their own
    std::string fbType;      // basic type as written in the file (BOOLEAN, INT32, Struct, Enum ...)
    std::string fName;
    std::vector<std::unique_ptr<TIEC_DA>> List_DA;  // components; empty for a leaf
    void* TreeNode = nullptr;                       // the tree node showing it (borrowed), or null

    // Depth first over the components: a component named so, else its components, before the next.
    TIEC_DA* Find_DA(std::string_view name) const;
    // The first leaf along the chain of first components (this attribute's own components).
    TIEC_DA* Find_First_DA() const;
};

// A data object or a sub data object.
class TIEC_DO {
public:
    TIEC_DO() = default;
    ~TIEC_DO();
    TIEC_DO(const TIEC_DO&) = delete;
    TIEC_DO& operator=(const TIEC_DO&) = delete;

    std::string fName;
    std::vector<std::unique_ptr<TIEC_DO>> List_DO;  // sub data objects
    std::vector<std::unique_ptr<TIEC_DA>> List_DA;  // data attributes
    void* TreeNode = nullptr;

    // Depth first over the sub data objects (a match, else its own sub data objects, before the next).
    TIEC_DO* Find_DO(std::string_view name) const;
    // Depth first over the attributes and their components (sub data objects are not searched).
    TIEC_DA* Find_DA(std::string_view name) const;
    // The first leaf along the chain of first attributes; null when there is no attribute.
    TIEC_DA* Find_First_DA() const;
};

// A data set of a logical node.
class TIEC_DataSet {
public:
    std::string fName;
    std::string fReference;         // logical-device reference + "/" + lnClass + "." + name
    std::string fGooseName;         // the GSEControl naming this data set, or empty
    std::vector<TIEC_DA*> List_DA;  // the members in FCDA order (borrowed from the device)
    void* TreeNode = nullptr;
};

// A logical node (LN0 or LN).
class TIEC_LN {
public:
    TIEC_LN() = default;
    ~TIEC_LN();
    TIEC_LN(const TIEC_LN&) = delete;
    TIEC_LN& operator=(const TIEC_LN&) = delete;

    std::string flnClass, flnType, fPrefix, fInst;
    std::vector<std::unique_ptr<TIEC_DO>> List_DO;
    std::vector<std::unique_ptr<TIEC_DataSet>> List_DataSet;
    void* TreeNode = nullptr;

    // Depth first over the data objects and their sub data objects.
    TIEC_DO* Find_DO(std::string_view name) const;
};

// A logical device.
class TIEC_LDevice {
public:
    TIEC_LDevice() = default;
    ~TIEC_LDevice();
    TIEC_LDevice(const TIEC_LDevice&) = delete;
    TIEC_LDevice& operator=(const TIEC_LDevice&) = delete;

    std::string fName;                              // the inst of the LDevice
    std::vector<std::unique_ptr<TIEC_LN>> List_LN;  // LN0 and LN in document order
    void* TreeNode = nullptr;

    // The first logical node of this class (prefix and instance are not looked at).
    TIEC_LN* Find_LN(std::string_view lnClass) const;
};

// How far one decode may go, and how. A file whose types refer back to themselves, nest deeper than any
// real model or expand into an unreasonable amount of objects is decoded up to these bounds; what
// is left out is said in TIEC_Device::Notes.
struct DecodeLimits {
    // Data objects, sub data objects, attributes and components nested below one logical node.
    int MaxDepth = 64;
    // Bytes the decoded model may take: MinBytes plus BytesPerFileByte for every byte of the file,
    // at most MaxBytes.
    std::size_t MinBytes = std::size_t(256) << 20;
    std::size_t BytesPerFileByte = 16;
    std::size_t MaxBytes = std::size_t(2) << 30;
    // Decode from a parse of the whole file instead of the parts found by the scan (the reference
    // the scan is checked against).
    bool WholeDocument = false;
};

// One decoded SCL file: the first IED of the file.
class TIEC_Device {
public:
    // An empty device (no name, no file, no logical devices).
    TIEC_Device() = default;
    // Decodes the file. A missing file gives an empty device with only fFileName set; a file that
    // cannot be read or is not well-formed XML throws xml::XmlError (or rtl::EFileError for a file
    // too large to be held) naming the file, and no device is made.
    explicit TIEC_Device(const std::filesystem::path& path, const DecodeLimits& limits = {});
    ~TIEC_Device();
    TIEC_Device(const TIEC_Device&) = delete;
    TIEC_Device& operator=(const TIEC_Device&) = delete;

    std::string fName;      // the name of the IED
    std::string fFileName;  // the decoded file's name, without its folder
    std::vector<std::unique_ptr<TIEC_LDevice>> List_LDevice;
    void* TreeNode = nullptr;
    // What decoding left out because the file went past the limits (types that refer back to
    // themselves, nesting too deep, a model too large); empty for a sound file.
    std::vector<std::string> Notes;

    // The first logical device with this inst.
    TIEC_LDevice* Find_LDevice(std::string_view name) const;
    // Empties the TreeNode link of the device and of everything it owns (the tree that showed it
    // was cleared).
    void ForgetTreeNodes();
};

}  // namespace iec
