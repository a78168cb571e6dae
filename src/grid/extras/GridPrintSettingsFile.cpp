#include "grid/extras/GridPrintSettingsFile.h"

#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StrUtils.h"

namespace gx {
namespace {

std::string Flag(bool v)
{
    return v ? "Y" : "N";
}

void WriteFont(rtl::TMemIniFile& ini, const std::string& s, const std::string& prefix, const ui::TFont& f)
{
    ini.WriteString(s, prefix + "FontName", f.Name());
    ini.WriteInteger(s, prefix + "FontSize", f.Size());
    ini.WriteInteger(s, prefix + "FontStyle", static_cast<int>(f.Style() & 0x0F));
    ini.WriteInteger(s, prefix + "FontColor", static_cast<int>(f.Color()));
}

void ReadFont(rtl::TMemIniFile& ini, const std::string& s, const std::string& prefix, ui::TFont& f)
{
    f.SetName(ini.ReadString(s, prefix + "FontName", "Arial"));
    f.SetSize(ini.ReadInteger(s, prefix + "FontSize", 10));
    f.SetStyle(static_cast<ui::TFontStyles>(ini.ReadInteger(s, prefix + "FontStyle", 0) & 0x0F));
    f.SetColor(static_cast<ui::TColor>(ini.ReadInteger(s, prefix + "FontColor", 0)));
}

template <typename E>
void ReadOrdinal(rtl::TMemIniFile& ini, const std::string& s, const char* key, int last, E& value)
{
    int v = ini.ReadInteger(s, key, 0);
    if (v >= 0 && v <= last)
        value = static_cast<E>(v);
}

TPrintPosition Position(rtl::TMemIniFile& ini, const std::string& s, const char* key)
{
    int v = ini.ReadInteger(s, key, 0);
    return v >= 1 && v <= 6 ? static_cast<TPrintPosition>(v) : ppNone;
}

}  // namespace

void SavePrintSettings(TGxStringGrid& grid, const std::string& Key, const std::string& Section)
{
    TPrintSettings& p = *grid.PrintSettings();
    rtl::TMemIniFile ini(Key);
    const std::string& s = Section;
    ini.WriteInteger(s, "ColumnSpacing", p.ColumnSpacing);
    ini.WriteInteger(s, "RowSpacing", p.RowSpacing);
    ini.WriteInteger(s, "TitleSpacing", p.TitleSpacing);
    ini.WriteInteger(s, "FixedHeight", p.FixedHeight);
    ini.WriteInteger(s, "FixedWidth", p.FixedWidth);
    ini.WriteString(s, "Centered", Flag(p.Centered));
    ini.WriteString(s, "NoAutoSize", Flag(p.NoAutoSize));
    ini.WriteString(s, "UseFixedHeight", Flag(p.UseFixedHeight));
    ini.WriteString(s, "UseFixedWidth", Flag(p.UseFixedWidth));
    ini.WriteString(s, "RepeatFixedRows", Flag(p.RepeatFixedRows));
    ini.WriteString(s, "RepeatFixedCols", Flag(p.RepeatFixedCols));
    ini.WriteString(s, "UseDisplFont", Flag(p.UseDisplayFont));
    ini.WriteString(s, "UseDefOrientation", Flag(p.UseDefaultOrientation));
    ini.WriteInteger(s, "Borders", p.Borders);
    ini.WriteInteger(s, "BorderColor", static_cast<int>(p.BorderColor));
    ini.WriteInteger(s, "BorderStyle", static_cast<int>(p.BorderStyle));
    ini.WriteInteger(s, "Date", p.Date);
    ini.WriteInteger(s, "PageNr", p.PageNr);
    ini.WriteInteger(s, "Title", p.Title);
    ini.WriteInteger(s, "Time", p.Time);
    ini.WriteString(s, "DateFormat", p.DateFormat);
    ini.WriteString(s, "TitleText", p.TitleText);
    ini.WriteInteger(s, "FooterSize", p.FooterSize);
    ini.WriteInteger(s, "HeaderSize", p.HeaderSize);
    ini.WriteInteger(s, "LeftSize", p.LeftSize);
    ini.WriteInteger(s, "RightSize", p.RightSize);
    ini.WriteInteger(s, "FitToPage", p.FitToPage);
    WriteFont(ini, s, "", *p.Font());
    WriteFont(ini, s, "Header", *p.HeaderFont());
    WriteFont(ini, s, "Footer", *p.FooterFont());
    ini.WriteString(s, "PageNumSep", p.PageNumSep);
    ini.WriteString(s, "PageSuffix", p.PageSuffix);
    ini.WriteString(s, "PagePrefix", p.PagePrefix);
    ini.WriteInteger(s, "Orientation", p.Orientation);
    std::string lines;
    for (int i = 0; i < p.TitleLines()->Count(); ++i)
        lines += p.TitleLines()->Get(i) + "\\n";
    ini.WriteString(s, "TitleLines", lines);
    ini.WriteString(s, "PrintGraphics", Flag(p.PrintGraphics));
    ini.UpdateFile();
}

void LoadPrintSettings(TGxStringGrid& grid, const std::string& Key, const std::string& Section)
{
    TPrintSettings& p = *grid.PrintSettings();
    rtl::TMemIniFile ini(Key);
    const std::string& s = Section;
    auto flag = [&](const char* key, const char* def) { return ini.ReadString(s, key, def) == "Y"; };
    p.ColumnSpacing = ini.ReadInteger(s, "ColumnSpacing", 20);
    p.RowSpacing = ini.ReadInteger(s, "RowSpacing", 20);
    p.TitleSpacing = ini.ReadInteger(s, "TitleSpacing", 20);
    p.FixedHeight = ini.ReadInteger(s, "FixedHeight", 0);
    p.FixedWidth = ini.ReadInteger(s, "FixedWidth", 0);
    p.Centered = flag("Centered", "Y");
    p.NoAutoSize = flag("NoAutoSize", "N");
    p.UseFixedHeight = flag("UseFixedHeight", "N");
    p.UseFixedWidth = flag("UseFixedWidth", "N");
    p.RepeatFixedRows = flag("RepeatFixedRows", "N");
    p.RepeatFixedCols = flag("RepeatFixedCols", "N");
    p.UseDisplayFont = flag("UseDisplFont", "N");
    p.UseDefaultOrientation = flag("UseDefOrientation", "N");
    p.DateFormat = ini.ReadString(s, "DateFormat", "");
    p.TitleText = ini.ReadString(s, "TitleText", "");
    p.FooterSize = ini.ReadInteger(s, "FooterSize", 100);
    p.HeaderSize = ini.ReadInteger(s, "HeaderSize", 100);
    p.LeftSize = ini.ReadInteger(s, "LeftSize", 100);
    p.RightSize = ini.ReadInteger(s, "RightSize", 100);
    p.PageNumSep = ini.ReadString(s, "PageNumSep", "");
    p.PageSuffix = ini.ReadString(s, "PageSuffix", "");
    p.PagePrefix = ini.ReadString(s, "PagePrefix", "");
    p.PrintGraphics = flag("PrintGraphics", "N");
    ReadOrdinal(ini, s, "Borders", 8, p.Borders);
    p.BorderColor = static_cast<ui::TColor>(ini.ReadInteger(s, "BorderColor", 0));
    ReadOrdinal(ini, s, "BorderStyle", 6, p.BorderStyle);
    p.Date = Position(ini, s, "Date");
    p.PageNr = Position(ini, s, "PageNr");
    p.Title = Position(ini, s, "Title");
    p.Time = Position(ini, s, "Time");
    ReadOrdinal(ini, s, "FitToPage", 4, p.FitToPage);
    ReadFont(ini, s, "", *p.Font());
    ReadFont(ini, s, "Header", *p.HeaderFont());
    ReadFont(ini, s, "Footer", *p.FooterFont());
    p.TitleLines()->Clear();
    std::string lines = ini.ReadString(s, "TitleLines", "");
    for (std::size_t start = 0; start < lines.size();) {
        std::size_t e = lines.find("\\n", start);
        if (e == std::string::npos) {
            p.TitleLines()->Add(lines.substr(start));
            break;
        }
        p.TitleLines()->Add(lines.substr(start, e - start));
        start = e + 2;
    }
    ReadOrdinal(ini, s, "Orientation", 1, p.Orientation);
    ini.UpdateFile();
}

}  // namespace gx
