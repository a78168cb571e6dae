#include "platform/xml/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <sstream>
#include <string>
#include <system_error>

namespace xml {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const fs::path& target, const char* what, int err) {
  throw fs::filesystem_error(what, target, std::error_code(err, std::generic_category()));
}

// Closes and removes the temporary file unless it was handed over by rename.
class TempFile {
 public:
  explicit TempFile(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                        std::to_string(stamp) + "." + std::to_string(counter++) + ".tmp");
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0 || errno != EEXIST) break;
    }
    if (fd_ < 0) Fail(target, "cannot create a temporary file", errno);
  }
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  void Write(const fs::path& target, std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0) {
        if (errno == EINTR) continue;
        Fail(target, "cannot write", errno);
      }
      bytes.remove_prefix(static_cast<size_t>(n));
    }
  }

  void Commit(const fs::path& target) {
    struct stat st{};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd_, st.st_mode & 07777);
    if (::fsync(fd_) != 0) Fail(target, "cannot write", errno);
    const int rc = ::close(fd_);
    fd_ = -1;
    if (rc != 0) Fail(target, "cannot write", errno);
    if (::rename(path_.c_str(), target.c_str()) != 0) Fail(target, "cannot replace", errno);
    committed_ = true;
    SyncFolder(path_.parent_path());
  }

 private:
  static void SyncFolder(const fs::path& folder) {
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
      ::fsync(dfd);
      ::close(dfd);
    }
  }

  fs::path path_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace

void WriteFileAtomically(const fs::path& target, const std::function<void(std::ostream&)>& write) {
  TempFile temp(target);
  std::ostringstream content;
  write(content);
  if (!content) Fail(target, "cannot write", EIO);
  temp.Write(target, content.view());
  temp.Commit(target);
}

void WriteFileAtomically(const fs::path& target, std::string_view bytes) {
  TempFile temp(target);
  temp.Write(target, bytes);
  temp.Commit(target);
}

}  // namespace xml
