#include "platform/sys/Folders.h"

#include <unistd.h>

#include <system_error>

namespace sys {

namespace fs = std::filesystem;

bool CreateFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::create_directory(folder, ec) && !ec;
}

bool CreateFolders(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  return fs::is_directory(folder, ec);
}

bool FolderExists(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec);
}

bool FileExists(const fs::path& file) {
  std::error_code ec;
  return fs::exists(file, ec) && !fs::is_directory(file, ec);
}

std::vector<std::string> ListSubFolders(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->is_directory(ec)) names.push_back(it->path().filename().string());
  return names;
}

bool CopyFile(const fs::path& from, const fs::path& to, bool failIfExists) {
  std::error_code ec;
  if (!fs::is_regular_file(from, ec)) return false;
  if (failIfExists && fs::exists(to, ec)) return false;
  const fs::path temp = to.parent_path() / ("." + to.filename().string() + "." + std::to_string(::getpid()) + ".copy");
  if (!fs::copy_file(from, temp, fs::copy_options::overwrite_existing, ec) || ec) {
    fs::remove(temp, ec);
    return false;
  }
  fs::rename(temp, to, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
  }
  return true;
}

}  // namespace sys
