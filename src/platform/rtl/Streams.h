#pragma once
// Byte streams: the abstract TStream, TMemoryStream, TFileStream and TStringStream.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtl/Object.h"

namespace rtl {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// TFileStream modes: one of the open modes, or fmCreate (create or truncate, read and write).
enum : unsigned {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFF00,
};

class TStream : public TObject {
public:
    // Return the number of bytes actually moved.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual void SetSize(int64_t newSize) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t pos) { Seek(pos, soBeginning); }
    virtual int64_t Size();

    // Move exactly count bytes or raise EReadError "Stream read error" / EWriteError "Stream write error".
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);
    // Copies count bytes from source's position (count 0: the whole source from its start).
    int64_t CopyFrom(TStream& source, int64_t count);

    void WriteString(const std::string& s) { WriteBuffer(s.data(), static_cast<int64_t>(s.size())); }
    // Reads everything from the current position to the end.
    std::string ReadRest();
};

class TMemoryStream : public TStream {
public:
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t newSize) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }

    void Clear();
    uint8_t* Memory() { return data_.data(); }
    const uint8_t* Memory() const { return data_.data(); }
    const std::vector<uint8_t>& Bytes() const { return data_; }
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);      // EFOpenError when unreadable
    void SaveToFile(const std::string& fileName) const;  // temporary file renamed over; EFCreateError

private:
    std::vector<uint8_t> data_;
    int64_t pos_ = 0;
};

class TStringStream : public TMemoryStream {
public:
    explicit TStringStream(const std::string& data = {});
    std::string DataString() const;
};

class TFileStream : public TStream {
public:
    // Raises EFOpenError / EFCreateError with the file name and the system's reason.
    TFileStream(const std::string& fileName, unsigned mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t newSize) override;
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
    int fd_ = -1;  // unbuffered, so a failed write shows at the call that made it
};

// Writes bytes to a temporary file in the target's folder and renames it over the target.
// Raises EFCreateError when the file cannot be written, and for a read-only target ("The file is
// read-only"). A symbolic link is written through (the file it leads to gets the content); the
// temporary's name is short whatever the target's; a temporary that an interrupted save of the same
// target left behind is removed.
void WriteFileAtomic(const std::string& fileName, const std::string& bytes);
// The same, the file getting exactly these permissions (0600 for a file that holds secrets),
// whatever those of the file it replaces; the content is never on disk with wider ones.
void WriteFileAtomic(const std::string& fileName, const std::string& bytes, unsigned mode);

// A file written piece by piece and then put in place whole, as WriteFileAtomic does with bytes it
// has in one piece: the constructor makes the temporary beside the target (the same refusals),
// Write appends to it (the disk starts on the written parts while more is made), Flush puts it on
// disk with the target's permissions, Commit flushes and renames it over the target (and flushes
// the folder, unless the caller does that once after several renames). A temporary
// that is not committed is removed when the object goes away; a failed step removes it at once.
// Every step raises EFCreateError naming the target.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const std::string& fileName);
    // With the permissions the file gets, in place of those of the file it replaces.
    AtomicFileWriter(const std::string& fileName, unsigned mode);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void Write(const char* data, std::size_t size);
    void Write(const std::string& bytes) { Write(bytes.data(), bytes.size()); }
    void Flush();
    void Commit(bool syncFolder = true);
    const std::string& FileName() const { return fileName_; }

private:
    void Drop();
    [[noreturn]] void Fail(int err);

    std::string fileName_;
    std::string target_;                      // the file replaced: fileName_, or where its symbolic link leads
    std::string temporary_;                   // empty once committed or dropped
    int fd_ = -1;                             // the temporary, open and locked until committed or dropped
    unsigned mode_ = 0644;                    // the permissions the file gets
    std::int64_t written_ = 0, started_ = 0;  // bytes written; bytes the disk was asked to start on
    bool flushed_ = false, committed_ = false, failed_ = false;
};

// One file of a save that replaces several files together: the constructor writes the content to a
// temporary file beside the target (flushed to disk, with the target's permissions), Commit renames
// it over the target. Writing every file of the set before committing any means that a full disk
// or a failed write leaves all targets as they were. A temporary that is not committed is removed
// when the object goes away. Both steps raise EFCreateError naming the target. Commit flushes the
// folder too, unless syncFolder is false (the last commit of a set flushes it for all).
class PendingFile {
public:
    PendingFile(const std::string& fileName, const std::string& bytes);
    PendingFile(const std::string& fileName, const std::string& bytes, unsigned mode);

    void Commit(bool syncFolder = true);
    const std::string& FileName() const { return file_.FileName(); }

private:
    AtomicFileWriter file_;
};
// Puts the folder's entries on disk (a rename is only there once its folder is). A failure is
// passed over: the files are in place, only not yet flushed.
void SyncFolder(const std::string& folder);
// Reads a whole file; raises EFOpenError when it cannot be opened.
std::string ReadFileBytes(const std::string& fileName);

}  // namespace rtl
