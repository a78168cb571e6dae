#include "core/EdsConnections.h"

#include <optional>
#include <system_error>

#include "common/NumConv.h"
#include "core/tables/TableTexts.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/TextEncoding.h"

namespace core {

namespace {

constexpr std::string_view Section_Header = "[Connection Manager]";
// Path bytes kept of one entry; further bytes are ignored.
constexpr std::size_t Max_Path_Bytes = 1001;

// The line without its comment: a "$" starts one unless it stands inside quotation marks.
std::string_view Strip_Comment(std::string_view line)
{
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == '$' && !quoted)
            return line.substr(0, i);
    }
    return line;
}

// "Connection" followed by one or more digits.
bool Is_Entry_Key(std::string_view key)
{
    constexpr std::string_view word = "Connection";
    if (key.size() <= word.size() || key.substr(0, word.size()) != word)
        return false;
    for (char c : key.substr(word.size()))
        if (c < '0' || c > '9')
            return false;
    return true;
}

// What is left after the first ",", trimmed (nothing when there is no ",").
std::string Drop_Field(std::string_view s)
{
    const auto comma = s.find(',');
    return comma == std::string_view::npos ? std::string() : rtl::Trim(s.substr(comma + 1));
}

// The text before the first ",", trimmed (all of it when there is no ",").
std::string Next_Field(std::string_view s)
{
    return rtl::Trim(s.substr(0, s.find(',')));
}

// The connection path: up to the first "," when one comes before the first ";", otherwise up to
// the first ";" (nothing without a ";"); trimmed, without quotation marks.
std::string Path_Text(std::string_view s)
{
    const auto semicolon = s.find(';');
    if (semicolon == std::string_view::npos)
        return {};
    const auto comma = s.find(',');
    std::string path = rtl::Trim(s.substr(0, comma < semicolon ? comma : semicolon));
    std::erase(path, '"');
    return rtl::Trim(path);
}

std::vector<std::uint8_t> Path_Bytes(std::string_view path)
{
    std::vector<std::uint8_t> bytes;
    for (const std::string& token : rtl::SplitString(path, " ")) {
        if (bytes.size() == Max_Path_Bytes)
            break;
        const std::int32_t v = Str_To_Int_EDS("0x" + rtl::Trim(token));
        if (v >= 0 && v <= 255)
            bytes.push_back(static_cast<std::uint8_t>(v));
    }
    return bytes;
}

enum class TSegment_Kind { Instance, Connection_Point };

struct TSegment {
    TSegment_Kind Kind;
    std::uint32_t Value;
    std::size_t End;  // index after the segment
};

std::optional<TSegment_Kind> Segment_Kind(std::uint8_t b)
{
    if (b >= 0x24 && b <= 0x26)
        return TSegment_Kind::Instance;
    if (b >= 0x2C && b <= 0x2E)
        return TSegment_Kind::Connection_Point;
    return std::nullopt;
}

// The instance or connection-point segment at b[at]: 8-bit (the value follows), 16-bit or 32-bit
// (a pad byte, then the value low byte first). nullopt when the path ends inside it.
std::optional<TSegment> Segment_At(const std::vector<std::uint8_t>& b, std::size_t at)
{
    const auto kind = Segment_Kind(b[at]);
    if (!kind)
        return std::nullopt;
    const unsigned format = b[at] & 0x03;  // 0: 8-bit, 1: 16-bit, 2: 32-bit
    const std::size_t first = format == 0 ? at + 1 : at + 2;
    const std::size_t size = format == 0 ? 1 : format == 1 ? 2 : 4;
    if (first + size > b.size())
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= std::uint32_t{b[first + i]} << (8 * i);
    return TSegment{*kind, value, first + size};
}

// The first segment of the kind (any kind when none is given) from b[from] on, complete.
std::optional<TSegment> Find_Segment(const std::vector<std::uint8_t>& b, std::size_t from,
                                     std::optional<TSegment_Kind> kind)
{
    for (std::size_t i = from; i < b.size(); ++i) {
        const auto k = Segment_Kind(b[i]);
        if (k && (!kind || *k == *kind))
            return Segment_At(b, i);
    }
    return std::nullopt;
}

// Instances and connection points from the path; false when the path is not usable.
bool Decode_Path(const std::vector<std::uint8_t>& b, TConnData& c)
{
    if (b.size() < 6 || b[0] != 0x20)
        return false;
    std::uint32_t instance = 1;
    std::size_t p = 2;  // where the search for the first connection point begins
    if (Segment_Kind(b[2]) == TSegment_Kind::Instance) {
        const auto s = Segment_At(b, 2);
        if (!s)
            return false;
        instance = s->Value;
        p = s->End;
    }
    c.InstanceOT = c.InstanceTO = instance;
    const auto first = Find_Segment(b, p, TSegment_Kind::Connection_Point);
    if (!first)
        return false;
    c.ConnPointOT = first->Value;
    const auto next = Find_Segment(b, first->End, std::nullopt);
    if (!next)
        return false;
    if (next->Kind == TSegment_Kind::Connection_Point) {
        c.ConnPointTO = next->Value;
        return true;
    }
    c.InstanceTO = next->Value;
    const auto last = Find_Segment(b, next->End, TSegment_Kind::Connection_Point);
    if (!last)
        return false;
    c.ConnPointTO = last->Value;
    return true;
}

struct TScan {
    std::vector<TConnData> list;
    bool section = false;
};

TScan Scan_Text(std::string_view text)
{
    TScan scan;
    bool inside = false;
    bool inEntry = false;
    std::string gathered;
    auto finish = [&] {
        if (inEntry && !gathered.empty())
            DecodeConnStr(gathered, scan.list);
        gathered.clear();
        inEntry = false;
    };
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string line = rtl::Trim(Strip_Comment(rtl::Trim(text.substr(start, end - start))));
        start = end + 1;
        if (line.empty())
            continue;
        if (inside && line[0] == '[') {
            finish();
            inside = false;
        }
        if (!inside) {
            // A section header line opens the section; the rest of it is not read.
            if (line.find(Section_Header) != std::string::npos)
                inside = scan.section = true;
            continue;
        }
        const auto equals = line.find('=');
        if (Is_Entry_Key(rtl::Trim(std::string_view(line).substr(0, equals)))) {
            finish();
            gathered = equals == std::string::npos ? line : rtl::Trim(std::string_view(line).substr(equals + 1));
            inEntry = true;
        } else if (inEntry) {
            gathered += line;
        }
    }
    finish();
    return scan;
}

TEDS_Read Refused(int reason, std::string_view sourceName)
{
    return {{}, Lang_Text(5015) + "\n" + Lang_Format(reason, {std::string(sourceName)})};
}

}  // namespace

void DecodeConnStr(std::string_view ConnStr, std::vector<TConnData>& list)
{
    TConnData c;
    std::string s = Drop_Field(ConnStr);
    const auto parameters = static_cast<std::uint32_t>(Str_To_Int_EDS(Next_Field(s)));
    c.DimHeaderOT = static_cast<std::uint8_t>((parameters >> 8) & 7);
    c.DimHeaderTO = static_cast<std::uint8_t>((parameters >> 12) & 7);
    for (int i = 0; i < 11; ++i)
        s = Drop_Field(s);
    c.ConnName = Next_Field(s);
    s = Drop_Field(s);
    c.HelpStr = Next_Field(s);
    s = Drop_Field(s);
    if (!Decode_Path(Path_Bytes(Path_Text(s)), c))
        return;
    c.ConnIndex = static_cast<std::int32_t>(list.size()) + 1;
    list.push_back(std::move(c));
}

TEDS_Read Read_EDS_Connections_Text(std::string_view text, std::string_view sourceName)
{
    if (text.find('\0') != std::string_view::npos)
        return Refused(5017, sourceName);
    TScan scan = Scan_Text(text);
    if (!scan.section)
        return Refused(5019, sourceName);
    TEDS_Read read;
    read.List_Conn = std::move(scan.list);
    if (read.List_Conn.empty())
        read.Message = Lang_Text(5015);
    return read;
}

TEDS_Read Read_EDS_Connections(const std::filesystem::path& file)
{
    const std::string name = file.string();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return Refused(5016, name);
    const auto size = std::filesystem::file_size(file, ec);
    if (ec)
        return Refused(5016, name);
    if (size > EDS_Max_File_Size) {
        TEDS_Read read;
        read.Message = Lang_Text(5015) + "\n" + Lang_Format(5018, {EDS_Max_File_Size, name});
        return read;
    }
    std::string bytes;
    try {
        bytes = rtl::ReadFileBytes(name);
    } catch (const rtl::Exception&) {
        return Refused(5016, name);
    }
    if (bytes.size() > EDS_Max_File_Size)  // grew while being read
        return Refused(5016, name);
    return Read_EDS_Connections_Text(rtl::DecodeText(bytes, rtl::TEncoding::Ansi), name);
}

}  // namespace core
