#include "platform/rtl/Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

namespace rtl {

namespace fs = std::filesystem;

namespace {

std::string systemReason(int err)
{
    return std::strerror(err);
}

}  // namespace

// ---------------------------------------------------------------- TStream

int64_t TStream::Size()
{
    int64_t pos = Seek(0, soCurrent);
    int64_t size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError(msg::ReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError(msg::WriteError);
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    int64_t done = 0;
    char buf[65536];
    while (done < count) {
        int64_t n = std::min<int64_t>(count - done, sizeof buf);
        source.ReadBuffer(buf, n);
        WriteBuffer(buf, n);
        done += n;
    }
    return done;
}

std::string TStream::ReadRest()
{
    std::string r;
    char buf[65536];
    int64_t n;
    while ((n = Read(buf, sizeof buf)) > 0)
        r.append(buf, static_cast<size_t>(n));
    return r;
}

// ---------------------------------------------------------------- TMemoryStream

int64_t TMemoryStream::Read(void* buffer, int64_t count)
{
    int64_t size = Size();
    if (count <= 0 || pos_ >= size)
        return 0;
    int64_t n = std::min(count, size - pos_);
    std::memcpy(buffer, data_.data() + pos_, static_cast<size_t>(n));
    pos_ += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0 || pos_ < 0)
        return 0;
    int64_t end = pos_ + count;
    if (end > Size()) {
        try {
            data_.resize(static_cast<size_t>(end));
        } catch (const std::bad_alloc&) {
            throw EOutOfMemory(msg::MemoryStreamError);
        } catch (const std::length_error&) {
            throw EOutOfMemory(msg::MemoryStreamError);
        }
    }
    std::memcpy(data_.data() + pos_, buffer, static_cast<size_t>(count));
    pos_ = end;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    switch (origin) {
    case soBeginning:
        pos_ = offset;
        break;
    case soCurrent:
        pos_ += offset;
        break;
    case soEnd:
        pos_ = Size() + offset;
        break;
    }
    if (pos_ < 0)
        pos_ = 0;
    return pos_;
}

void TMemoryStream::SetSize(int64_t newSize)
{
    if (newSize < 0)
        newSize = 0;
    data_.resize(static_cast<size_t>(newSize));
    if (pos_ > newSize)
        pos_ = newSize;
}

void TMemoryStream::Clear()
{
    data_.clear();
    pos_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream)
{
    stream.SetPosition(0);
    int64_t n = stream.Size();
    SetSize(n);
    stream.ReadBuffer(data_.data(), n);
    pos_ = 0;
}

void TMemoryStream::SaveToStream(TStream& stream) const
{
    stream.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

void TMemoryStream::LoadFromFile(const std::string& fileName)
{
    std::string bytes = ReadFileBytes(fileName);
    data_.assign(bytes.begin(), bytes.end());
    pos_ = 0;
}

void TMemoryStream::SaveToFile(const std::string& fileName) const
{
    WriteFileAtomic(fileName, std::string(data_.begin(), data_.end()));
}

TStringStream::TStringStream(const std::string& data)
{
    WriteString(data);
    SetPosition(0);
}

std::string TStringStream::DataString() const
{
    return std::string(Bytes().begin(), Bytes().end());
}

// ---------------------------------------------------------------- TFileStream

TFileStream::TFileStream(const std::string& fileName, unsigned mode) : fileName_(fileName)
{
    if ((mode & fmCreate) == fmCreate) {
        fd_ = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd_ < 0)
            throw EFCreateError(Fmt(msg::FCreateError, fileName, systemReason(errno)));
        return;
    }
    int flags = (mode & 3) == fmOpenRead ? O_RDONLY : (mode & 3) == fmOpenWrite ? O_WRONLY : O_RDWR;
    fd_ = ::open(fileName.c_str(), flags | O_CLOEXEC);
    if (fd_ >= 0) {
        struct stat st {};
        if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(fd_);
            fd_ = -1;
            errno = EISDIR;
        }
    }
    if (fd_ < 0)
        throw EFOpenError(Fmt(msg::FOpenError, fileName, systemReason(errno)));
}

TFileStream::~TFileStream()
{
    if (fd_ >= 0)
        ::close(fd_);
}

namespace {

// Repeats a read or write of the bytes not yet moved until all count are, the call fails or it
// moves nothing (end of file); a call interrupted by a signal is repeated. Returns the bytes moved.
template <typename Move>
int64_t MoveAll(int64_t count, Move move)
{
    int64_t done = 0;
    while (done < count) {
        const ssize_t n = move(done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

}  // namespace

int64_t TFileStream::Read(void* buffer, int64_t count)
{
    return MoveAll(count,
                   [&](int64_t done, size_t left) { return ::read(fd_, static_cast<char*>(buffer) + done, left); });
}

int64_t TFileStream::Write(const void* buffer, int64_t count)
{
    return MoveAll(
        count, [&](int64_t done, size_t left) { return ::write(fd_, static_cast<const char*>(buffer) + done, left); });
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    return ::lseek(fd_, offset, whence);
}

void TFileStream::SetSize(int64_t newSize)
{
    if (::ftruncate(fd_, newSize) != 0)
        throw EWriteError(msg::WriteError);
    if (Position() > newSize)
        Seek(newSize, soBeginning);
}

// ---------------------------------------------------------------- whole files

std::string ReadFileBytes(const std::string& fileName)
{
    TFileStream f(fileName, fmOpenRead);
    // A regular file is read in one piece of its size; whatever follows (a file that grew, or one
    // without a size) is read on to its end.
    std::string bytes;
    const int64_t size = f.Size();
    if (size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        bytes.resize(static_cast<std::size_t>(f.Read(bytes.data(), size)));
    }
    bytes += f.ReadRest();
    return bytes;
}

}  // namespace rtl
