// Files of one folder replaced together (FolderSwap.h).
//
// The new folder is made beside the old one as "." + the folder's name + ".swap." + six random
// characters. While a save works on it, it holds a lock on it; a folder of that name that nobody
// holds is left over from a save that died (before the exchange: the new folder never used; after
// it: the old folder), and the next save of the folder removes it.
#include "platform/rtl/FolderSwap.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <set>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Streams.h"

namespace rtl {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSwapTag = ".swap.";
constexpr const char* kRandomPart = "XXXXXX";

[[noreturn]] void Fail(const fs::path& file, const std::string& reason)
{
    throw EFileError(file.string(), reason, Fmt(msg::FCreateError, file.string(), reason));
}

// The folder itself, a symbolic link to it resolved (the link stays as it is).
fs::path RealFolder(const fs::path& folder, const fs::path& firstFile)
{
    std::error_code ec;
    const fs::path real = fs::canonical(folder, ec);
    if (ec)
        Fail(firstFile, ec.message());
    if (!fs::is_directory(real, ec))
        Fail(firstFile, std::strerror(ENOTDIR));
    return real;
}

// The permissions a new file gets: those of the file it replaces, which must be a writable
// regular file, or readable by all and writable by its owner.
mode_t TargetMode(const fs::path& file)
{
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0) {
        if (errno != ENOENT)
            Fail(file, std::strerror(errno));
        return 0644;
    }
    if (S_ISDIR(st.st_mode))
        Fail(file, std::strerror(EISDIR));
    if (!S_ISREG(st.st_mode))
        Fail(file, "It is not a regular file");
    if ((st.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0)
        Fail(file, "The file is read-only");
    return st.st_mode & 07777;
}

std::string SwapStem(const fs::path& folder)
{
    return "." + folder.filename().string() + kSwapTag;
}

// Removes the folders of earlier saves of this folder that no running save holds.
void RemoveLeftovers(const fs::path& parent, const std::string& stem)
{
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != stem.size() + std::strlen(kRandomPart) || name.compare(0, stem.size(), stem) != 0)
            continue;
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            stale.push_back(it->path());
        ::close(fd);
    }
    for (const fs::path& p : stale)
        fs::remove_all(p, ec);
}

// The new folder while it is made: locked, and removed unless it was exchanged with the old one
// (then it holds the old folder, which is removed too).
class TStaging {
public:
    TStaging(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~TStaging()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
        ::close(fd_);
    }
    TStaging(const TStaging&) = delete;
    TStaging& operator=(const TStaging&) = delete;
    const std::string& Path() const { return path_; }
    int Fd() const { return fd_; }

    // Made beside the folder, with its permissions; nullptr when it cannot be.
    static std::unique_ptr<TStaging> Make(const fs::path& folder)
    {
        const std::string stem = SwapStem(folder);
        RemoveLeftovers(folder.parent_path(), stem);
        std::string path = (folder.parent_path() / (stem + kRandomPart)).string();
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0 || !::mkdtemp(path.data()))
            return nullptr;
        const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            ::rmdir(path.c_str());
            return nullptr;
        }
        ::flock(fd, LOCK_EX);
        ::fchmod(fd, st.st_mode & 07777);
        [[maybe_unused]] const int owned = ::fchown(fd, st.st_uid, st.st_gid);
        return std::make_unique<TStaging>(std::move(path), fd);
    }

private:
    std::string path_;
    int fd_;
};

// Writes one new file into the new folder and puts it on disk; errors name the file it replaces.
void WriteNewFile(const TStaging& staging, const TNewFile& file, mode_t mode, const fs::path& target)
{
    const int fd = ::openat(staging.Fd(), file.Name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        Fail(target, std::strerror(errno));
    int err = 0;
    for (std::size_t done = 0; err == 0 && done < file.Bytes.size();) {
        const ssize_t n = ::write(fd, file.Bytes.data() + done, file.Bytes.size() - done);
        if (n >= 0)
            done += static_cast<std::size_t>(n);
        else if (errno != EINTR)
            err = errno;
    }
    if (err == 0 && ::fchmod(fd, mode) != 0)
        err = errno;
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    ::close(fd);
    if (err != 0)
        Fail(target, std::strerror(err));
}

// Everything of `from` but the skipped names, into `to`: files (and links, and anything else that
// is not a folder) as hard links, folders made anew with their permissions. False when something
// cannot be carried over.
bool CarryOver(const fs::path& from, const fs::path& to, const std::set<std::string>& skip)
{
    std::error_code ec;
    for (fs::directory_iterator it(from, ec), end; it != end; it.increment(ec)) {
        if (ec)
            return false;
        const std::string name = it->path().filename().string();
        if (skip.count(name))
            continue;
        const fs::path source = from / name, copy = to / name;
        struct stat st {};
        if (::lstat(source.c_str(), &st) != 0)
            return false;
        if (!S_ISDIR(st.st_mode)) {
            if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, copy.c_str(), 0) != 0)
                return false;
            continue;
        }
        if (::mkdir(copy.c_str(), 0700) != 0 || !CarryOver(source, copy, {}))
            return false;
        ::chmod(copy.c_str(), st.st_mode & 07777);
        [[maybe_unused]] const int owned = ::chown(copy.c_str(), st.st_uid, st.st_gid);
        SyncFolder(copy.string());
    }
    return !ec;
}

// What was added to the old folder while the new one was made goes over to the new one.
void MoveLateArrivals(const fs::path& old, const fs::path& folder, const std::set<std::string>& names)
{
    std::error_code ec;
    for (fs::directory_iterator it(old, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!names.count(name))
            ::renameat2(AT_FDCWD, it->path().c_str(), AT_FDCWD, (folder / name).c_str(), RENAME_NOREPLACE);
    }
}

// The files written beside their targets and renamed one after the other (file systems that
// cannot exchange folders or hold hard links).
void ReplaceOneByOne(const fs::path& folder, const std::vector<TNewFile>& files)
{
    std::vector<std::unique_ptr<PendingFile>> pending;
    for (const TNewFile& f : files) {
        const fs::path target = folder / f.Name;
        try {
            pending.push_back(std::make_unique<PendingFile>(target.string(), f.Bytes));
        } catch (const EFCreateError& e) {
            throw EFileError(target.string(), e.Message, e.Message);
        }
    }
    for (std::size_t i = 0; i < pending.size(); ++i) {
        try {
            pending[i]->Commit(i + 1 == pending.size());
        } catch (const EFCreateError& e) {
            throw EFileError(pending[i]->FileName(), e.Message, e.Message);
        }
    }
}

}  // namespace

void ReplaceFilesTogether(const fs::path& folder, const std::vector<TNewFile>& files)
{
    if (files.empty())
        return;
    const fs::path real = RealFolder(folder, folder / files.front().Name);
    std::set<std::string> names;
    std::vector<mode_t> modes;
    for (const TNewFile& f : files) {
        names.insert(f.Name);
        modes.push_back(TargetMode(real / f.Name));
    }
    if (auto staging = TStaging::Make(real)) {
        for (std::size_t i = 0; i < files.size(); ++i)
            WriteNewFile(*staging, files[i], modes[i], folder / files[i].Name);
        if (CarryOver(real, staging->Path(), names)) {
            ::fsync(staging->Fd());
            // One rename puts the new folder in place of the old: every file is new at once.
            if (::renameat2(AT_FDCWD, staging->Path().c_str(), AT_FDCWD, real.c_str(), RENAME_EXCHANGE) == 0) {
                SyncFolder(real.parent_path().string());
                MoveLateArrivals(staging->Path(), real, names);
                return;  // the old folder goes with the staging object
            }
        }
    }
    ReplaceOneByOne(folder, files);
}

}  // namespace rtl
