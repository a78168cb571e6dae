// Writing .xlsx files through libxlsxwriter. The library writes to a file of its own naming, so
// the workbook is made in the temporary folder and then saved over the target atomically.
#include "platform/office/OfficeError.h"
#include "platform/office/Xlsx.h"
#include "platform/rtl/Streams.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace office {

namespace {

constexpr const char* kWhat = "workbook";
constexpr int kMaxSheetName = 31;
constexpr std::size_t kMaxText = 32767;
constexpr double kLargestNumber = 9.99999999999999e307;  // the largest the spreadsheet keeps

// A text that looks like one of the format's escapes ("_x0041_") is stored with its underscore
// escaped, so that readers give back the text and not the character it would stand for.
std::string EscapeLookalikes(const std::string& s)
{
    std::string out;
    std::size_t from = 0;
    bool escaped = false;
    for (std::size_t i = s.find('_'); i != std::string::npos && i + 7 <= s.size(); i = s.find('_', i + 1)) {
        bool escape = (s[i + 1] == 'x' || s[i + 1] == 'X') && s[i + 6] == '_';
        for (std::size_t k = i + 2; escape && k < i + 6; ++k)
            escape = std::isxdigit(static_cast<unsigned char>(s[k])) != 0;
        if (escape) {
            out.append(s, from, i - from);
            out += "_x005F";
            from = i;
            escaped = true;
        }
    }
    if (!escaped)
        return s;
    out.append(s, from, std::string::npos);
    return out;
}

std::size_t Utf8Length(const std::string& s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The reason a sheet name is refused, or empty.
std::string SheetNameFault(const Workbook& book, std::size_t index)
{
    const std::string& name = book.Sheets[index].Name;
    if (name.empty())
        return "A sheet has no name";
    if (Utf8Length(name) > kMaxSheetName)
        return "The sheet name \"" + name + "\" is longer than 31 characters";
    if (name.find_first_of("[]:*?/\\") != std::string::npos)
        return "The sheet name \"" + name + "\" holds one of the characters []:*?/\\";
    if (name.front() == '\'' || name.back() == '\'')
        return "The sheet name \"" + name + "\" begins or ends with an apostrophe";
    for (std::size_t i = 0; i < index; ++i)
        if (Lower(book.Sheets[i].Name) == Lower(name))
            return "The sheet name \"" + name + "\" is used twice";
    return {};
}

// A temporary file name for the library, removed when the object goes away.
class ScratchFile {
public:
    ScratchFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "xlsx-XXXXXX").string();
        int fd = ::mkstemp(pattern.data());
        if (fd >= 0) {
            ::close(fd);
            path_ = pattern;
        }
    }
    ~ScratchFile()
    {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string WriteCells(lxw_worksheet* ws, const Sheet& sheet, lxw_format* dateFormat)
{
    for (const Cell& c : sheet.Cells()) {
        std::string where = "Cell " + CellReference(c.Row, c.Col) + " of sheet \"" + sheet.Name + "\"";
        if (c.Row < 0 || c.Col < 0 || c.Row >= kMaxRows || c.Col >= kMaxCols)
            return where + " lies outside the sheet";
        lxw_error err = LXW_NO_ERROR;
        auto row = static_cast<lxw_row_t>(c.Row);
        auto col = static_cast<lxw_col_t>(c.Col);
        switch (c.Kind) {
        case CellKind::Text:
        case CellKind::Error:
            if (c.Text.empty())
                continue;
            if (Utf8Length(c.Text) > kMaxText)
                return where + " holds more than 32767 characters";
            err = worksheet_write_string(ws, row, col, EscapeLookalikes(c.Text).c_str(), nullptr);
            break;
        case CellKind::Number:
        case CellKind::Date:
            if (!(std::fabs(c.Number) <= kLargestNumber))
                return where + " holds no number the format keeps";
            err = worksheet_write_number(ws, row, col, c.Number, c.Kind == CellKind::Date ? dateFormat : nullptr);
            break;
        case CellKind::Boolean:
            err = worksheet_write_boolean(ws, row, col, c.Number != 0 ? 1 : 0, nullptr);
            break;
        }
        if (err != LXW_NO_ERROR)
            return where + ": " + lxw_strerror(err);
    }
    return {};
}

}  // namespace

void WriteXlsx(const std::string& fileName, const Workbook& book)
{
    for (std::size_t i = 0; i < book.Sheets.size(); ++i)
        if (std::string fault = SheetNameFault(book, i); !fault.empty())
            RefuseWrite(kWhat, fileName, fault);
    ScratchFile scratch;
    if (scratch.Path().empty())
        RefuseWrite(kWhat, fileName, "No temporary file can be made");
    std::string tmpdir = std::filesystem::temp_directory_path().string();
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;
    options.tmpdir = tmpdir.data();
    lxw_workbook* wb = workbook_new_opt(scratch.Path().c_str(), &options);
    if (!wb)
        RefuseWrite(kWhat, fileName, "The spreadsheet library cannot start a workbook");
    lxw_format* dateFormat = workbook_add_format(wb);
    format_set_num_format(dateFormat, "yyyy\\-mm\\-dd\\ hh:mm:ss");
    std::string fault;
    for (std::size_t i = 0; i < book.Sheets.size() && fault.empty(); ++i) {
        lxw_worksheet* ws = workbook_add_worksheet(wb, book.Sheets[i].Name.c_str());
        if (!ws) {
            fault = "The sheet \"" + book.Sheets[i].Name + "\" cannot be added";
            break;
        }
        fault = WriteCells(ws, book.Sheets[i], dateFormat);
        if (static_cast<int>(i) == book.ActiveSheet)
            worksheet_activate(ws);
    }
    if (!fault.empty()) {
        workbook_close(wb);
        RefuseWrite(kWhat, fileName, fault);
    }
    lxw_error err = workbook_close(wb);
    if (err != LXW_NO_ERROR)
        RefuseWrite(kWhat, fileName, lxw_strerror(err));
    std::string bytes;
    try {
        bytes = rtl::ReadFileBytes(scratch.Path());
    } catch (const rtl::Exception& e) {
        RefuseWrite(kWhat, fileName, e.Message);
    }
    try {
        rtl::WriteFileAtomic(fileName, bytes);
    } catch (const rtl::Exception& e) {
        throw EOfficeError(fileName, e.Message, e.Message);
    }
}

}  // namespace office
