// Replacing a file whole: the new content goes to a temporary file beside the target, is flushed
// to disk and renamed over the target, so an interrupted save never leaves a half-written file.
//
// The temporary is a hidden file named after the target: "." + up to 32 bytes of the target's
// name + "." + a hash of the whole name + "." + six random characters. The name stays short for
// any legal target name, and a temporary that an interrupted save left behind is recognised as
// belonging to its target. While a save writes its temporary it holds a lock on it; a temporary of
// the same target that nobody holds is left over from a save that died, and the next save of the
// target removes it.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Streams.h"

namespace rtl {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kNamePrefix = 32;  // bytes of the target's name in a temporary's name
constexpr int kMaxLinks = 40;            // symbolic links followed before giving up (as the kernel does)
constexpr const char* kRandomPart = "XXXXXX";
constexpr std::int64_t kWritebackStep = 4 << 20;  // bytes written before the disk is asked to start on them

[[noreturn]] void Refuse(const std::string& fileName, const std::string& reason)
{
    throw EFCreateError(Fmt(msg::FCreateError, fileName, reason));
}

// The file a save replaces: the target itself, or the file its symbolic link (chain) leads to, so
// that the link stays a link and its target gets the new content.
fs::path FinalTarget(const std::string& fileName)
{
    fs::path p(fileName);
    for (int links = 0;; ++links) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            return p;
        if (links == kMaxLinks)
            Refuse(fileName, std::strerror(ELOOP));
        const fs::path to = fs::read_symlink(p, ec);
        if (ec)
            Refuse(fileName, ec.message());
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
}

// The start of a name cut at a character boundary of its UTF-8.
std::string Prefix(const std::string& name)
{
    std::size_t n = std::min(name.size(), kNamePrefix);
    while (n > 0 && n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80)
        --n;
    return name.substr(0, n);
}

// "." + prefix + "." + hash + "." : what every temporary of this target's name starts with.
std::string TemporaryStem(const std::string& name)
{
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (unsigned char c : name)
        hash = (hash ^ c) * 16777619u;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
    return "." + Prefix(name) + "." + hex + ".";
}

// Removes the temporaries of this target that no running save holds.
void RemoveStaleTemporaries(const fs::path& dir, const std::string& stem)
{
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != stem.size() + std::strlen(kRandomPart) || name.compare(0, stem.size(), stem) != 0)
            continue;
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(it->path().c_str());
        ::close(fd);
    }
}

// A target whose permissions allow no writing (or not to us) is not replaced.
void CheckWritable(const std::string& fileName, const fs::path& target, const struct stat& st)
{
    if (S_ISREG(st.st_mode) && ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
        Refuse(fileName, "The file is read-only");
}

int WriteAll(int fd, const char* bytes, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

AtomicFileWriter::AtomicFileWriter(const std::string& fileName) : fileName_(fileName)
{
    const fs::path target = FinalTarget(fileName);
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists)
        CheckWritable(fileName, target, st);
    // A replaced file keeps its permissions; a new one is readable by all, writable by its owner.
    mode_ = exists ? (st.st_mode & 07777) : 0644;

    const std::string stem = TemporaryStem(target.filename().string());
    RemoveStaleTemporaries(dir, stem);
    std::string temporary = (dir / (stem + kRandomPart)).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        Refuse(fileName, std::strerror(errno));
    // Held until the temporary is renamed or removed: a save running beside this one does not
    // take it for a left-over.
    ::flock(fd, LOCK_EX);
    target_ = target.string();
    temporary_ = std::move(temporary);
    fd_ = fd;
}

AtomicFileWriter::AtomicFileWriter(const std::string& fileName, unsigned mode) : AtomicFileWriter(fileName)
{
    mode_ = mode & 07777;
}

AtomicFileWriter::~AtomicFileWriter()
{
    Drop();
}

void AtomicFileWriter::Drop()
{
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void AtomicFileWriter::Fail(int err)
{
    Drop();
    failed_ = true;
    Refuse(fileName_, std::strerror(err));
}

void AtomicFileWriter::Write(const char* data, std::size_t size)
{
    if (fd_ < 0 || flushed_)
        Fail(failed_ ? EIO : EBADF);
    if (const int err = WriteAll(fd_, data, size))
        Fail(err);
    written_ += static_cast<std::int64_t>(size);
    // The disk starts on what has come so far while the rest is made; the flush waits for all of it.
    if (written_ - started_ >= kWritebackStep) {
        ::sync_file_range(fd_, started_, written_ - started_, SYNC_FILE_RANGE_WRITE);
        started_ = written_;
    }
}

void AtomicFileWriter::Flush()
{
    if (flushed_)
        return;
    if (fd_ < 0)
        Fail(failed_ ? EIO : EBADF);
    int err = ::fchmod(fd_, mode_) == 0 ? 0 : errno;
    if (err == 0 && ::fsync(fd_) != 0)
        err = errno;
    if (err != 0)
        Fail(err);
    flushed_ = true;
}

void AtomicFileWriter::Commit(bool syncFolder)
{
    if (committed_)
        return;
    Flush();
    // The content is on disk (fsync succeeded); the rename happens while the lock is still held.
    const int err = ::rename(temporary_.c_str(), target_.c_str()) == 0 ? 0 : errno;
    if (err == 0)
        temporary_.clear();
    committed_ = err == 0;
    if (err != 0)
        Fail(err);
    Drop();
    const fs::path target(target_);
    if (syncFolder)
        SyncFolder(target.has_parent_path() ? target.parent_path().string() : std::string("."));
}

PendingFile::PendingFile(const std::string& fileName, const std::string& bytes) : file_(fileName)
{
    file_.Write(bytes.data(), bytes.size());
    file_.Flush();
}

PendingFile::PendingFile(const std::string& fileName, const std::string& bytes, unsigned mode) : file_(fileName, mode)
{
    file_.Write(bytes.data(), bytes.size());
    file_.Flush();
}

void PendingFile::Commit(bool syncFolder)
{
    file_.Commit(syncFolder);
}

void WriteFileAtomic(const std::string& fileName, const std::string& bytes)
{
    PendingFile(fileName, bytes).Commit();
}

void WriteFileAtomic(const std::string& fileName, const std::string& bytes, unsigned mode)
{
    PendingFile(fileName, bytes, mode).Commit();
}

}  // namespace rtl
