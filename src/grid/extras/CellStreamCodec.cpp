#include "grid/extras/CellStreamCodec.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/rtl/CodePages.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace gx::cellstream {
namespace {

struct NamedColor {
    std::string_view name;
    ui::TColor value;
};

constexpr NamedColor kColors[] = {
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", 0xFF00000A},
    {"clActiveCaption", 0xFF000002},
    {"clAppWorkSpace", 0xFF00000C},
    {"clBackground", 0xFF000001},
    {"clBtnFace", 0xFF00000F},
    {"clBtnHighlight", 0xFF000014},
    {"clBtnShadow", 0xFF000010},
    {"clBtnText", 0xFF000012},
    {"clCaptionText", 0xFF000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C},
    {"clGrayText", 0xFF000011},
    {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},
    {"clHotLight", 0xFF00001A},
    {"clInactiveBorder", 0xFF00000B},
    {"clInactiveCaption", 0xFF000003},
    {"clInactiveCaptionText", 0xFF000013},
    {"clInfoBk", 0xFF000018},
    {"clInfoText", 0xFF000017},
    {"clMenu", 0xFF000004},
    {"clMenuBar", 0xFF00001E},
    {"clMenuHighlight", 0xFF00001D},
    {"clMenuText", 0xFF000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0xFF000000},
    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clWindowText", 0xFF000008},
};

constexpr std::string_view kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

void Put32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The integer value in its shortest form (tag and little-endian bytes, at most 5); returns the end.
char* PutInt(char* p, std::int64_t v)
{
    if (v >= -128 && v <= 127) {
        *p++ = static_cast<char>(vaInt8);
        *p++ = static_cast<char>(v);
    } else if (v >= -32768 && v <= 32767) {
        *p++ = static_cast<char>(vaInt16);
        *p++ = static_cast<char>(v & 0xFF);
        *p++ = static_cast<char>((v >> 8) & 0xFF);
    } else {
        *p++ = static_cast<char>(vaInt32);
        for (int i = 0; i < 4; ++i)
            *p++ = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    }
    return p;
}

// Bytes as they stand; returns the end.
char* PutBytes(char* p, std::string_view s)
{
    std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

bool IsAscii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char ch) { return (ch & 0x80) == 0; });
}

// 80-bit extended precision (x87 layout): 64-bit mantissa with explicit integer bit, 15-bit
// exponent biased by 16383, sign.
std::string ToExtended(double v)
{
    std::string b(10, '\0');
    if (v == 0 || !std::isfinite(v)) {
        if (std::isinf(v) || std::isnan(v)) {
            b[9] = static_cast<char>(0x7F | (std::signbit(v) ? 0x80 : 0));
            b[8] = static_cast<char>(0xFF);
            b[7] = static_cast<char>(std::isnan(v) ? 0xC0 : 0x80);
        }
        return b;
    }
    int exp = 0;
    double m = std::frexp(std::fabs(v), &exp);  // m in [0.5, 1)
    std::uint64_t mant = static_cast<std::uint64_t>(std::ldexp(m, 64));
    std::uint16_t e = static_cast<std::uint16_t>(exp - 1 + 16383) | (v < 0 ? 0x8000 : 0);
    for (int i = 0; i < 8; ++i)
        b[static_cast<std::size_t>(i)] = static_cast<char>((mant >> (8 * i)) & 0xFF);
    b[8] = static_cast<char>(e & 0xFF);
    b[9] = static_cast<char>(e >> 8);
    return b;
}

double FromExtended(const unsigned char* p)
{
    std::uint64_t mant = 0;
    for (int i = 7; i >= 0; --i)
        mant = (mant << 8) | p[i];
    int e = (p[8] | (p[9] << 8)) & 0x7FFF;
    bool neg = (p[9] & 0x80) != 0;
    double v;
    if (e == 0x7FFF)
        v = (mant << 1) ? NAN : INFINITY;
    else if (mant == 0)
        v = 0;
    else
        v = std::ldexp(static_cast<double>(mant), e - 16383 - 63);
    return neg ? -v : v;
}

// Texts of the one-byte forms are meant to be 7-bit; other bytes are read as the ANSI code page.
void Narrow(std::string& s, std::string_view bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char ch) { return (ch & 0x80) == 0; });
    if (ascii || rtl::IsValidUtf8(bytes))
        s.assign(bytes);
    else
        s = rtl::Cp1252ToUtf8(bytes);
}

class Reader {
public:
    Reader(std::string_view d, std::size_t& pos) : d_(d), pos_(pos) {}

    const unsigned char* Take(std::size_t n)
    {
        if (n > d_.size() - pos_)
            throw rtl::EReadError("Stream read error");
        const unsigned char* p = reinterpret_cast<const unsigned char*>(d_.data() + pos_);
        pos_ += n;
        return p;
    }
    std::uint8_t Byte() { return *Take(1); }
    std::uint32_t U32()
    {
        const unsigned char* p = Take(4);
        return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }
    std::string Bytes(std::size_t n)
    {
        const unsigned char* p = Take(n);
        return std::string(reinterpret_cast<const char*>(p), n);
    }
    std::string ShortString() { return Bytes(Byte()); }
    std::string_view View(std::size_t n) { return {reinterpret_cast<const char*>(Take(n)), n}; }

    Value ReadValue(int depth)
    {
        Value v;
        ReadValue(v, depth);
        return v;
    }

    // Into v, whose room is used again (block after block of the same kind).
    void ReadValue(Value& v, int depth)
    {
        v.i = 0;
        v.f = 0;
        v.s.clear();
        v.items.clear();
        v.type = static_cast<TValueType>(Byte());
        switch (v.type) {
        case vaNull:
        case vaNil:
        case vaFalse:
        case vaTrue:
            break;
        case vaInt8:
            v.i = static_cast<std::int8_t>(Byte());
            break;
        case vaInt16: {
            const unsigned char* p = Take(2);
            v.i = static_cast<std::int16_t>(p[0] | (p[1] << 8));
            break;
        }
        case vaInt32:
            v.i = static_cast<std::int32_t>(U32());
            break;
        case vaExtended:
            v.f = FromExtended(Take(10));
            break;
        case vaString:
            Narrow(v.s, View(Byte()));
            break;
        case vaIdent:
            v.s.assign(View(Byte()));
            break;
        case vaBinary:
            v.s.assign(View(U32()));
            break;
        case vaLString:
            Narrow(v.s, View(U32()));
            break;
        case vaUTF8String:
            v.s.assign(View(U32()));
            break;
        case vaWString: {
            std::uint32_t count = U32();
            if (count > (d_.size() - pos_) / 2)
                throw rtl::EReadError("Stream read error");
            const unsigned char* p = Take(static_cast<std::size_t>(count) * 2);
            std::u32string cps;
            for (std::uint32_t k = 0; k < count; ++k) {
                char32_t u = p[2 * k] | (p[2 * k + 1] << 8);
                if (u >= 0xD800 && u < 0xDC00 && k + 1 < count) {
                    char32_t lo = p[2 * k + 2] | (p[2 * k + 3] << 8);
                    if (lo >= 0xDC00 && lo < 0xE000) {
                        u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
                        ++k;
                    }
                }
                if (u >= 0xD800 && u < 0xE000)
                    u = 0xFFFD;
                cps += u;
            }
            v.s = rtl::CodePointsToUtf8(cps);
            break;
        }
        case vaSet:
            for (std::string n = ShortString(); !n.empty(); n = ShortString())
                v.items.push_back(n);
            break;
        case vaList:
            if (depth > 1)
                throw rtl::EReadError("Invalid property value");
            for (;;) {
                if (pos_ >= d_.size())
                    throw rtl::EReadError("Stream read error");
                if (d_[pos_] == vaNull) {
                    ++pos_;
                    break;
                }
                v.items.push_back(ReadValue(depth + 1).s);
            }
            break;
        default:
            throw rtl::EReadError("Invalid property value");
        }
    }

private:
    std::string_view d_;
    std::size_t& pos_;
};

[[noreturn]] void BadValue()
{
    throw rtl::EReadError("Invalid property value");
}

}  // namespace

std::string_view ColorName(ui::TColor c)
{
    for (const NamedColor& n : kColors)
        if (n.value == c)
            return n.name;
    return {};
}

bool ColorFromName(std::string_view name, ui::TColor& c)
{
    for (const NamedColor& n : kColors)
        if (rtl::SameText(n.name, name)) {
            c = n.value;
            return true;
        }
    return false;
}

BlockWriter::BlockWriter(std::string& out, std::string_view className) : out_(out)
{
    out_ += "TPF0";
    ShortString(className);
    out_ += '\0';
}

void BlockWriter::ShortString(std::string_view s)
{
    const std::size_t n = std::min<std::size_t>(s.size(), 255);
    out_ += static_cast<char>(n);
    out_.append(s.data(), n);
}

void BlockWriter::Name(std::string_view n)
{
    ShortString(n);
}

void BlockWriter::IntValue(std::int64_t v)
{
    char buf[5];
    out_.append(buf, static_cast<std::size_t>(PutInt(buf, v) - buf));
}

void BlockWriter::TextValue(const std::string& b)
{
    // Plain ASCII, the usual cell text, is written as it stands.
    if (!b.empty() && b.size() < 256 && std::all_of(b.begin(), b.end(), [](char ch) { return (ch & 0x80) == 0; })) {
        out_ += static_cast<char>(vaString);
        ShortString(b);
        return;
    }
    std::u32string cps = rtl::Utf8ToCodePoints(b);
    std::size_t units = 0;
    for (char32_t c : cps)
        units += c >= 0x10000 ? 2 : 1;
    bool high = false;
    for (unsigned char ch : b)
        high |= ch >= 0x80;
    if (b.size() >= 2 * units) {
        out_ += static_cast<char>(vaWString);
        Put32(out_, static_cast<std::uint32_t>(units));
        auto unit = [this](unsigned u) {
            out_ += static_cast<char>(u & 0xFF);
            out_ += static_cast<char>(u >> 8);
        };
        for (char32_t c : cps) {
            if (c >= 0x10000) {
                unit(0xD800 + ((c - 0x10000) >> 10));
                unit(0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                unit(c);
            }
        }
    } else if (high) {
        out_ += static_cast<char>(vaUTF8String);
        Put32(out_, static_cast<std::uint32_t>(b.size()));
        out_ += b;
    } else if (b.size() >= 256) {
        out_ += static_cast<char>(vaLString);
        Put32(out_, static_cast<std::uint32_t>(b.size()));
        out_ += b;
    } else {
        out_ += static_cast<char>(vaString);
        out_ += static_cast<char>(b.size());
        out_ += b;
    }
}

void BlockWriter::Int(std::string_view name, std::int64_t v)
{
    Name(name);
    IntValue(v);
}

void BlockWriter::Bool(std::string_view name, bool v)
{
    Name(name);
    out_ += static_cast<char>(v ? vaTrue : vaFalse);
}

void BlockWriter::Ident(std::string_view name, std::string_view v)
{
    Name(name);
    out_ += static_cast<char>(vaIdent);
    ShortString(v);
}

void BlockWriter::Color(std::string_view name, ui::TColor c)
{
    std::string_view n = ColorName(c);
    if (!n.empty())
        Ident(name, n);
    else
        Int(name, static_cast<std::int32_t>(c));
}

void BlockWriter::Text(std::string_view name, const std::string& utf8)
{
    if (utf8.empty())
        return;
    Name(name);
    TextValue(utf8);
}

void BlockWriter::FontStyles(std::string_view name, ui::TFontStyles s)
{
    Name(name);
    out_ += static_cast<char>(vaSet);
    for (unsigned i = 0; i < 4; ++i)
        if (s & (1u << i))
            ShortString(kStyleNames[i]);
    out_ += '\0';
}

void BlockWriter::Float(std::string_view name, double v)
{
    if (v == 0)
        return;
    Name(name);
    out_ += static_cast<char>(vaExtended);
    out_ += ToExtended(v);
}

void BlockWriter::Binary(std::string_view name, const std::string& bytes)
{
    Name(name);
    out_ += static_cast<char>(vaBinary);
    Put32(out_, static_cast<std::uint32_t>(bytes.size()));
    out_ += bytes;
}

void BlockWriter::Strings(std::string_view name, const std::vector<std::string>& items)
{
    if (items.empty())
        return;
    Name(name);
    out_ += static_cast<char>(vaList);
    for (const std::string& s : items)
        TextValue(s);
    out_ += '\0';
}

void BlockWriter::End()
{
    out_.append(2, '\0');
}

namespace {

// The fixed parts of a cell block as WriteCellBlock writes it.
constexpr std::string_view kCellHead("TPF0\x0BTGridCellIO\x00\x03"
                                     "Col",
                                     21);
constexpr std::string_view kCellRow("\x03Row", 4);
constexpr std::string_view kCellText("\x04"
                                     "Cell\x06",
                                     6);
constexpr std::string_view kCellHasProp("\x07HasProp", 8);
static_assert(kPlainCellBlockMax ==
              kCellHead.size() + 5 + kCellRow.size() + 5 + kCellText.size() + 1 + 255 + kCellHasProp.size() + 3);

// A bounded cursor for the cell block's fast path: every step checks what is left and says false
// when the data is not in the expected form.
struct Cursor {
    const char* p;
    const char* end;
    bool Skip(std::string_view s)
    {
        if (static_cast<std::size_t>(end - p) < s.size() || std::memcmp(p, s.data(), s.size()) != 0)
            return false;
        p += s.size();
        return true;
    }
    bool Int(std::int64_t& v)
    {
        if (p == end)
            return false;
        const auto* u = reinterpret_cast<const unsigned char*>(p);
        const std::size_t left = static_cast<std::size_t>(end - p);
        switch (u[0]) {
        case vaInt8:
            if (left < 2)
                return false;
            v = static_cast<std::int8_t>(u[1]);
            p += 2;
            return true;
        case vaInt16:
            if (left < 3)
                return false;
            v = static_cast<std::int16_t>(u[1] | (u[2] << 8));
            p += 3;
            return true;
        case vaInt32:
            if (left < 5)
                return false;
            v = static_cast<std::int32_t>(u[1] | (u[2] << 8) | (u[3] << 16) | (static_cast<std::uint32_t>(u[4]) << 24));
            p += 5;
            return true;
        default:
            return false;
        }
    }
};

}  // namespace

char* PutPlainCellBlock(char* p, std::int64_t col, std::int64_t row, std::string_view text, bool hasProp)
{
    if (text.size() > 255 || !IsAscii(text))
        return nullptr;
    p = PutBytes(p, kCellHead);
    p = PutInt(p, col);
    p = PutBytes(p, kCellRow);
    p = PutInt(p, row);
    if (!text.empty()) {
        p = PutBytes(p, kCellText);
        *p++ = static_cast<char>(text.size());
        p = PutBytes(p, text);
    }
    p = PutBytes(p, kCellHasProp);
    *p++ = static_cast<char>(hasProp ? vaTrue : vaFalse);
    *p++ = '\0';
    *p++ = '\0';
    return p;
}

void WriteCellBlock(std::string& out, std::int64_t col, std::int64_t row, const std::string& text, bool hasProp)
{
    char buf[kPlainCellBlockMax];
    if (const char* end = PutPlainCellBlock(buf, col, row, text, hasProp)) {
        out.append(buf, static_cast<std::size_t>(end - buf));
        return;
    }
    BlockWriter w(out, "TGridCellIO");
    w.Int("Col", col);
    w.Int("Row", row);
    w.Text("Cell", text);
    w.Bool("HasProp", hasProp);
    w.End();
}

bool ReadPlainCellBlock(std::string_view data, std::size_t& pos, std::int64_t& col, std::int64_t& row,
                        std::string& text, bool& hasProp)
{
    if (pos > data.size())
        return false;
    Cursor c{data.data() + pos, data.data() + data.size()};
    std::int64_t x = 0, y = 0;
    if (!c.Skip(kCellHead) || !c.Int(x) || !c.Skip(kCellRow) || !c.Int(y))
        return false;
    std::string_view t;
    if (c.Skip(kCellText)) {
        if (c.p == c.end)
            return false;
        const auto n = static_cast<unsigned char>(*c.p++);
        if (n == 0 || static_cast<std::size_t>(c.end - c.p) < n)
            return false;
        t = std::string_view(c.p, n);
        if (!IsAscii(t))
            return false;
        c.p += n;
    }
    if (!c.Skip(kCellHasProp) || c.end - c.p < 3 || (c.p[0] != vaTrue && c.p[0] != vaFalse) || c.p[1] != 0 ||
        c.p[2] != 0)
        return false;
    col = x;
    row = y;
    hasProp = c.p[0] == vaTrue;
    text.assign(t);
    pos = static_cast<std::size_t>(c.p + 3 - data.data());
    return true;
}

void ReadBlock(std::string_view data, std::size_t& pos, Block& b)
{
    Reader r(data, pos);
    if (std::memcmp(r.Take(4), "TPF0", 4) != 0)
        throw rtl::EReadError("Invalid stream format");
    std::uint8_t first = r.Byte();
    if ((first & 0xF0) == 0xF0) {
        if (first & 0x02)
            r.ReadValue(1);
        first = r.Byte();
    }
    b.className = r.View(first);
    r.Take(r.Byte());  // instance name
    // Entries already there are filled again, so their texts keep their room.
    std::size_t count = 0;
    for (std::string_view entry = r.View(r.Byte()); !entry.empty(); entry = r.View(r.Byte())) {
        if (count == b.entries.size())
            b.entries.emplace_back();
        Entry& e = b.entries[count++];
        e.name = entry;
        r.ReadValue(e.value, 0);
    }
    b.entries.resize(count);
    if (r.Byte() != vaNull)
        throw rtl::EReadError("Invalid stream format");
}

Block ReadBlock(std::string_view data, std::size_t& pos)
{
    Block b;
    ReadBlock(data, pos, b);
    return b;
}

std::int64_t Entry::AsInt() const
{
    if (value.type != vaInt8 && value.type != vaInt16 && value.type != vaInt32)
        BadValue();
    return value.i;
}

bool Entry::AsBool() const
{
    if (value.type != vaTrue && value.type != vaFalse)
        BadValue();
    return value.type == vaTrue;
}

void Entry::AsTextCheck() const
{
    if (value.type != vaString && value.type != vaLString && value.type != vaWString && value.type != vaUTF8String)
        BadValue();
}

std::string Entry::AsText() const
{
    AsTextCheck();
    return value.s;
}

std::string Entry::TakeText()
{
    AsTextCheck();
    return std::move(value.s);
}

std::string Entry::AsIdent() const
{
    if (value.type != vaIdent)
        BadValue();
    return value.s;
}

ui::TColor Entry::AsColor() const
{
    if (value.type == vaIdent) {
        ui::TColor c = 0;
        if (!ColorFromName(value.s, c))
            BadValue();
        return c;
    }
    return static_cast<ui::TColor>(AsInt());
}

ui::TFontStyles Entry::AsFontStyles() const
{
    if (value.type != vaSet)
        BadValue();
    ui::TFontStyles s = 0;
    for (const std::string& n : value.items)
        for (unsigned i = 0; i < 4; ++i)
            if (n == kStyleNames[i])
                s |= 1u << i;
    return s;
}

double Entry::AsFloat() const
{
    if (value.type != vaExtended)
        BadValue();
    return value.f;
}

}  // namespace gx::cellstream
