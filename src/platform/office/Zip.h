#pragma once
// Zip packages (the container of .xlsx and .docx files) read from and written to memory through
// libzip. Reading never trusts the sizes an archive claims: an entry is inflated in steps and
// refused once it passes kMaxEntrySize, and a broken archive or entry is an error, never a crash.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace office {

// The largest entry read from a package (inflated size).
inline constexpr std::size_t kMaxEntrySize = 256u << 20;

// A package opened from its bytes. Errors are std::runtime_error with the reason alone; the
// readers above add the file's name.
class ZipReader {
public:
    explicit ZipReader(std::string bytes);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // Entry names in the archive's order.
    std::vector<std::string> Names() const;
    // Whether an entry exists; names compare without case, as package part names do.
    bool Has(const std::string& name) const;
    // The inflated content of an entry; raises when it is missing, damaged or too large.
    std::string Read(const std::string& name) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Builds a package in memory: entries in the order added, deflated.
class ZipWriter {
public:
    void Add(const std::string& name, std::string content);
    // The archive's bytes; raises std::runtime_error when libzip fails.
    std::string Finish() const;

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace office
