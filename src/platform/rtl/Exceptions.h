#pragma once
// Exception classes of the runtime library. Every one carries its user-visible text in Message.
#include <exception>
#include <string>
#include <utility>

namespace rtl {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    std::string Message;
};

#define RTL_DECLARE_EXCEPTION(Name, Base)                                                                              \
    class Name : public Base {                                                                                         \
    public:                                                                                                            \
        using Base::Base;                                                                                              \
    };

RTL_DECLARE_EXCEPTION(EConvertError, Exception)
RTL_DECLARE_EXCEPTION(EInvalidOperation, Exception)
RTL_DECLARE_EXCEPTION(EInvalidArgument, Exception)
RTL_DECLARE_EXCEPTION(EListError, Exception)
RTL_DECLARE_EXCEPTION(EStringListError, EListError)  // a handler for list errors sees both
RTL_DECLARE_EXCEPTION(EOutOfResources, Exception)
RTL_DECLARE_EXCEPTION(EOutOfMemory, Exception)
RTL_DECLARE_EXCEPTION(ERangeError, Exception)
RTL_DECLARE_EXCEPTION(EInOutError, Exception)
RTL_DECLARE_EXCEPTION(EStreamError, Exception)
RTL_DECLARE_EXCEPTION(EFileStreamError, EStreamError)
RTL_DECLARE_EXCEPTION(EFOpenError, EFileStreamError)
RTL_DECLARE_EXCEPTION(EFCreateError, EFileStreamError)
RTL_DECLARE_EXCEPTION(EReadError, EStreamError)
RTL_DECLARE_EXCEPTION(EWriteError, EStreamError)
RTL_DECLARE_EXCEPTION(EIniFileException, Exception)
RTL_DECLARE_EXCEPTION(ERegistryException, Exception)

#undef RTL_DECLARE_EXCEPTION

// A file that cannot be read, parsed or written: the file's name and the reason apart, and a
// message naming both ("<file>: <reason>" unless the thrower words it otherwise). The errors of
// the XML documents and of the bank files derive from it, so a caller that reports problems with
// files catches this one class.
class EFileError : public Exception {
public:
    EFileError(std::string file, std::string reason) : EFileError(file, reason, file + ": " + reason) {}
    EFileError(std::string file, std::string reason, std::string message)
        : Exception(std::move(message)), file_(std::move(file)), reason_(std::move(reason))
    {}
    const std::string& File() const { return file_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string file_;
    std::string reason_;
};

// The library's own message texts (format strings for Format()).
namespace msg {
inline constexpr const char* ListIndexError = "List index out of bounds (%d)";
inline constexpr const char* ListCapacityError = "List capacity out of bounds (%d)";
inline constexpr const char* ListCountError = "List count out of bounds (%d)";
inline constexpr const char* DuplicateString = "String list does not allow duplicates";
inline constexpr const char* SortedListError = "Operation not allowed on sorted list";
inline constexpr const char* InvalidInteger = "'%s' is not a valid integer value";
inline constexpr const char* InvalidFloat = "'%s' is not a valid floating point value";
inline constexpr const char* InvalidDate = "'%s' is not a valid date";
inline constexpr const char* InvalidTime = "'%s' is not a valid time";
inline constexpr const char* InvalidDateTime = "'%s' is not a valid date and time";
inline constexpr const char* InvalidBoolean = "'%s' is not a valid boolean value";
inline constexpr const char* DateEncodeError = "Invalid argument to date encode";
inline constexpr const char* TimeEncodeError = "Invalid argument to time encode";
inline constexpr const char* InvalidFormat = "Format '%s' invalid or incompatible with argument";
inline constexpr const char* ArgumentMissing = "No argument for format '%s'";
inline constexpr const char* ReadError = "Stream read error";
inline constexpr const char* WriteError = "Stream write error";
inline constexpr const char* FCreateError = "Cannot create file \"%s\". %s";
inline constexpr const char* FOpenError = "Cannot open file \"%s\". %s";
inline constexpr const char* MemoryStreamError = "Out of memory while expanding memory stream";
inline constexpr const char* IniFileWriteError = "Unable to write to %s";
inline constexpr const char* RegCreateFailed = "Failed to create key %s";
inline constexpr const char* RegGetDataFailed = "Failed to get data for '%s'";
inline constexpr const char* RegSetDataFailed = "Failed to set data for '%s'";
inline constexpr const char* InvalidRegType = "Invalid data type for '%s'";
}  // namespace msg

}  // namespace rtl
