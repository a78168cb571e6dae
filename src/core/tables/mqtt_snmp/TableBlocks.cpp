#include "core/tables/mqtt_snmp/TableBlocks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include "core/tables/TableEngine.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

namespace tables::mqtt_snmp {

TTextsDesc Block_Texts(int block, int hints, int deleteQuestion, int rowPrefix)
{
    TTextsDesc t{
        .Caption = block, .Description = block + 1, .Delete_Question = deleteQuestion, .Row_Prefix = rowPrefix};
    for (std::size_t i = 0; i < Button_Count; ++i) {
        t.Button_Captions[i] = block + 2 + static_cast<int>(i);
        t.Button_Hints[i] = hints + static_cast<int>(i);
    }
    return t;
}

TColumnDesc Box_Column(std::string_view caption, int header, int hint, int width)
{
    return {.Caption = caption,
            .Header = header,
            .Hint = hint,
            .Width = width,
            .Editor = TEditor::CheckBox,
            .Alignment = TAlign::Center};
}

namespace {

constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;

[[noreturn]] void Refuse(const std::filesystem::path& file, int err)
{
    throw rtl::EFCreateError(rtl::Fmt(rtl::msg::FCreateError, file.string(), std::string(std::strerror(err))));
}

}  // namespace

void Save_Tables_Owner_Only(const TDialogDesc& dialog, const std::filesystem::path& file,
                            const std::vector<TCells*>& grids, TTableState& state)
{
    bool created = false;
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly);
    if (fd >= 0) {
        ::close(fd);
        created = true;
    } else if (errno == EEXIST) {
        // Group and others lose their rights; the owner keeps what he had (a read-only file stays
        // read-only and the save refuses it). stat and chmod follow a symbolic link, as the save
        // writes through it.
        struct stat st {};
        if (::stat(file.c_str(), &st) != 0 || ::chmod(file.c_str(), st.st_mode & kOwnerOnly) != 0)
            Refuse(file, errno);
    } else {
        Refuse(file, errno);
    }
    try {
        Save_Tables(dialog, file, grids, state);
    } catch (...) {
        if (created) {
            std::error_code ec;
            std::filesystem::remove(file, ec);
        }
        throw;
    }
}

}  // namespace tables::mqtt_snmp
