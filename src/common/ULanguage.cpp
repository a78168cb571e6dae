#include "common/ULanguage.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/LangTable.h"
#include "common/NumConv.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/TextEncoding.h"

namespace {

constexpr std::string_view kPilcrow = "\xC2\xB6";  // U+00B6 in UTF-8
constexpr std::string_view kComment = "/#/";

// The file's text in UTF-8: encoding from the byte-order mark, Windows-1252 without one.
std::string decodeLanguageFile(const std::string& bytes)
{
    return rtl::DecodeText(bytes, rtl::TEncoding::Ansi);
}

// Applies one line of a language file to Lang_List.
void applyLine(std::string_view rawLine)
{
    const std::string line = rtl::Trim(rawLine);
    if (line.compare(0, 3, "STR") != 0)
        return;
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return;
    // The number runs from the fourth character up to the second character before
    // the "=": the character just before the "=" never belongs to it.
    const size_t numberEnd = eq >= 1 ? eq - 1 : 0;
    const std::string numberText = numberEnd > 3 ? rtl::Trim(line.substr(3, numberEnd - 3)) : std::string();
    const int32_t number = Str_To_Int_Lang(numberText);
    if (number < 0 || number >= Lang_Count || size_t(number) >= Lang_List.size())
        return;

    std::string text = rtl::Trim(line.substr(eq + 1));
    if (text.empty())
        return;
    if (const auto c = text.find(kComment); c != std::string::npos) {
        text = rtl::Trim(text.substr(0, c));
        if (text.empty())
            return;  // a text that is only a comment leaves the entry as it is
    }
    if (text.compare(0, kPilcrow.size(), kPilcrow) == 0)
        text.erase(0, kPilcrow.size());
    if (const auto p = text.find(kPilcrow); p != std::string::npos)
        text.erase(p);
    Lang_List[size_t(number)] = text;
}

// A language name is the base name of a file in the language folder; a name that
// would reach outside that folder is not a language.
bool isPlainFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (unsigned char c : name)
        if (c < 32 || c == '/' || c == '\\')
            return false;
    return true;
}

}  // namespace

const char* Default_Lang_Text(int number)
{
    const LangTableEntry* begin = Lang_Table_English;
    const LangTableEntry* end = begin + Lang_Table_English_Count;
    auto it = std::lower_bound(begin, end, number, [](const LangTableEntry& e, int n) { return e.number < n; });
    return (it != end && it->number == number) ? it->text : Lang_Blank;
}

void Load_Default_Lang()
{
    Lang_List.clear();
    Lang_List.reserve(Lang_Table_Size);
    for (int n = 0; n < Lang_Table_Size; ++n)
        Lang_List.emplace_back(Default_Lang_Text(n));
    Lang_Count = Lang_Table_Size;
}

void Load_Lang_File(const std::string& fileName)
{
    std::ifstream in(std::filesystem::path(fileName), std::ios::binary);
    if (!in)
        return;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return;
    const std::string text = decodeLanguageFile(bytes);

    // Lines end at CR, LF or CR LF.
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        applyLine(std::string_view(text).substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

namespace {
// The language file of a language: "<name>.lng", the ending in any letter case (as the options
// dialog lists them); empty when there is none.
std::filesystem::path Language_File(const std::filesystem::path& folder, const std::string& name)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path exact = folder / (name + ".lng");
    if (fs::is_regular_file(exact, ec))
        return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.stem().string() == name && rtl::SameText(p.extension().string(), ".lng") && it->is_regular_file(ec))
            return p;
    }
    return {};
}
}  // namespace

void Init_Language()
{
    Load_Default_Lang();
    const std::filesystem::path folder(Path_Language);
    if (isPlainFileName(Language_Name)) {
        const std::filesystem::path selected = Language_File(folder, Language_Name);
        if (!selected.empty()) {
            Load_Lang_File(selected.string());
            return;
        }
    }
    Language_Name = Language_Name_Default;
    const std::filesystem::path english = Language_File(folder, Language_Name);
    if (!english.empty())
        Load_Lang_File(english.string());
}
