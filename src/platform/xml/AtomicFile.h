// Replacing a file so that an interrupted write never leaves it half-written: the content goes
// to a temporary file in the target's folder, is flushed to disk and then renamed over the target.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string_view>

namespace xml {

// Calls write with a stream, then stores what it wrote in a temporary file beside the target and
// renames that file over the target. When write throws, the stream fails, or the file cannot be
// created, flushed or renamed, no temporary file is left, the target is left as it was, and the
// error is thrown (a failure of our own as rtl::EFCreateError naming the target).
void WriteFileAtomically(const std::filesystem::path& target, const std::function<void(std::ostream&)>& write);

// Same, for content already in memory.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace xml
