#include "core/tables/can_family/DefOffsetTable.h"

#include <optional>
#include <utility>

#include "common/NumConv.h"
#include "core/ParGenFile.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableTexts.h"
#include "platform/xml/Xml.h"

namespace tables::can {

namespace {

constexpr int Text_Offset_Outside = 3026;
constexpr int Text_Slave_Not_A_Number = 3027;
constexpr std::string_view Net_Attributes[] = {"ID", "NB_IN", "NB_OUT", "Mnemonic"};

// A network row's number: a whole number from 0 to max, or nullopt.
std::optional<int> Net_Number(std::string_view text, int max)
{
    const std::optional<std::int32_t> v = Str_To_Int(text);
    if (!v || *v < 0 || *v > max)
        return std::nullopt;
    return *v;
}

TSlave_DN Slave_Of(std::array<std::string, 4> texts)
{
    TSlave_DN s;
    s.Texts = std::move(texts);
    const std::optional<int> id = Net_Number(s.Texts[0], 255), in = Net_Number(s.Texts[1], 65535),
                             out = Net_Number(s.Texts[2], 65535);
    s.Bad_Attribute = !id ? "ID" : !in ? "NB_IN" : !out ? "NB_OUT" : "";
    if (!s.Bad_Attribute.empty())
        return s;
    s.ID = static_cast<std::uint8_t>(*id);
    s.ByteIN = static_cast<std::uint16_t>(*in);
    s.ByteOUT = static_cast<std::uint16_t>(*out);
    s.SL_ByteIN.assign(s.ByteIN, "None");
    s.SL_ByteIN_M.assign(s.ByteIN, "");
    s.SL_ByteOUT.assign(s.ByteOUT, "None");
    s.SL_ByteOUT_M.assign(s.ByteOUT, "");
    return s;
}

// The frame's words for what a file could not give.
const TTextsDesc& Texts()
{
    return DefOffset_Desc().Texts;
}

std::string Note_Line(int text, const std::vector<rtl::TVarRec>& args)
{
    return "\n" + core::Lang_Format(text, args);
}

// One byte map of a slave from its section; false (with the note) at a row without an attribute.
bool Read_Map(const xml::Element& node, std::string_view name, std::string_view where,
              std::vector<std::string>& offsets, std::vector<std::string>& mnemonics, std::string& notes)
{
    const xml::Element section = node.ChildByName(name);
    const std::string path = std::string(where) + "/" + std::string(name);
    if (!section) {
        notes += Note_Line(Texts().Load_Missing_Section, {path});
        return true;
    }
    const std::vector<xml::Element> rows = section.Children();
    const std::size_t fit = offsets.size();
    for (std::size_t j = 0; j < rows.size() && j < fit; ++j) {
        for (std::string_view attribute : {"Offset", "Mnemonic"}) {
            if (!rows[j].Attribute(attribute)) {
                notes += Note_Line(Texts().Load_Missing_Attribute,
                                   {static_cast<int>(j) + 1, std::string(attribute) + " (" + path + ")"});
                return false;
            }
        }
        offsets[j] = std::string(*rows[j].Attribute("Offset"));
        mnemonics[j] = std::string(*rows[j].Attribute("Mnemonic"));
    }
    if (rows.size() > fit)
        notes += Note_Line(Texts().Load_Extra_Rows, {path, rows.size(), fit});
    return true;
}

std::string With_Header(const std::filesystem::path& file, const std::string& notes)
{
    return notes.empty() ? notes : core::Lang_Format(Texts().Load_Header, {file.string()}) + notes;
}

std::string Offset_Fault(std::string_view map, int j, int row, const TSlave_DN& s, const std::string& offset)
{
    return core::Lang_Format(Text_Offset_Outside, {std::string(map), j, row, s.Texts[0], offset, DN_MAX_BYTE - 1});
}

xml::Document Offset_Document(const std::vector<TSlave_DN>& slaves)
{
    xml::Document doc;
    xml::Element root = doc.CreateRoot("Define_Offset");
    doc.AppendComment(core::Table_File_Comment);
    for (const TSlave_DN& s : slaves) {
        xml::Element node = root.AppendChild("Nodo_DNET");
        const std::pair<const std::vector<std::string>*, const std::vector<std::string>*> maps[] = {
            {&s.SL_ByteIN, &s.SL_ByteIN_M}, {&s.SL_ByteOUT, &s.SL_ByteOUT_M}};
        for (int m = 0; m < 2; ++m) {
            xml::Element section = node.AppendChild(m == 0 ? "ByteIN" : "ByteOUT");
            for (std::size_t j = 0; j < maps[m].first->size(); ++j) {
                xml::Element row = section.AppendChild("row");
                row.SetAttribute("Offset", (*maps[m].first)[j]);
                row.SetAttribute("Mnemonic", (*maps[m].second)[j]);
            }
        }
    }
    return doc;
}

}  // namespace

TSlaves_DN Load_Slave_DN(const std::filesystem::path& netFile)
{
    TSlaves_DN read;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(netFile, ec))
        return read;
    std::string notes;
    try {
        xml::Document doc;
        doc.LoadFromFile(netFile);
        int k = 0;
        for (const xml::Element& row : doc.DocumentElement().Children()) {
            ++k;
            std::array<std::string, 4> texts;
            std::size_t a = 0;
            for (; a < texts.size(); ++a) {
                const std::optional<std::string_view> v = row.Attribute(Net_Attributes[a]);
                if (!v)
                    break;
                texts[a] = std::string(*v);
            }
            if (a < texts.size()) {
                notes += Note_Line(Texts().Load_Missing_Attribute, {k, std::string(Net_Attributes[a])});
                break;
            }
            read.Slaves.push_back(Slave_Of(std::move(texts)));
        }
    } catch (const rtl::EFileError& e) {
        notes += Note_Line(Texts().Load_Unreadable, {std::string(e.what())});
    }
    read.Note = With_Header(netFile, notes);
    return read;
}

std::string Load_Offset_Slave_DN(const std::filesystem::path& file, std::vector<TSlave_DN>& slaves)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return {};
    std::string notes;
    try {
        xml::Document doc;
        doc.LoadFromFile(file);
        const xml::Element root = doc.DocumentElement();
        const std::vector<xml::Element> nodes = root.Children();
        for (std::size_t k = 0; k < nodes.size() && k < slaves.size(); ++k) {
            TSlave_DN& s = slaves[k];
            const std::string where = std::string(nodes[k].Name()) + " " + std::to_string(k + 1);
            if (!Read_Map(nodes[k], "ByteIN", where, s.SL_ByteIN, s.SL_ByteIN_M, notes) ||
                !Read_Map(nodes[k], "ByteOUT", where, s.SL_ByteOUT, s.SL_ByteOUT_M, notes))
                break;
        }
        if (nodes.size() > slaves.size())
            notes += Note_Line(Texts().Load_Extra_Rows, {std::string(root.Name()), nodes.size(), slaves.size()});
    } catch (const rtl::EFileError& e) {
        notes += Note_Line(Texts().Load_Unreadable, {std::string(e.what())});
    }
    return With_Header(file, notes);
}

std::string Check_Data(const std::vector<TSlave_DN>& slaves)
{
    // Check_Byte_Offset: per array byte the slave ID and byte index of the output byte put there.
    std::array<std::pair<int, int>, DN_MAX_BYTE> check;
    check.fill({-1, -1});
    for (std::size_t k = 0; k < slaves.size(); ++k) {
        const TSlave_DN& s = slaves[k];
        const int row = static_cast<int>(k) + 1;
        if (!s.Bad_Attribute.empty()) {
            const std::size_t a = s.Bad_Attribute == "ID" ? 0 : s.Bad_Attribute == "NB_IN" ? 1 : 2;
            return core::Lang_Format(Text_Slave_Not_A_Number, {row, s.Bad_Attribute, s.Texts[a], a == 0 ? 255 : 65535});
        }
        for (int j = 0; j < s.ByteIN; ++j)
            if (Cell_Int(s.SL_ByteIN[static_cast<std::size_t>(j)]) >= DN_MAX_BYTE)
                return Offset_Fault("ByteIN", j, row, s, s.SL_ByteIN[static_cast<std::size_t>(j)]);
        for (int j = 0; j < s.ByteOUT; ++j) {
            const std::string& text = s.SL_ByteOUT[static_cast<std::size_t>(j)];
            const std::int32_t offset = Cell_Int(text);
            if (offset < 0)
                continue;
            if (offset >= DN_MAX_BYTE)
                return Offset_Fault("ByteOUT", j, row, s, text);
            std::pair<int, int>& holder = check[static_cast<std::size_t>(offset)];
            if (holder.first != -1 || holder.second != -1)
                return core::Lang_Text(3021) + "\n\r( " + core::Lang_Text(3022) + std::to_string(holder.first) +
                       core::Lang_Text(3023) + std::to_string(holder.second) + core::Lang_Text(3024) +
                       std::to_string(s.ID) + core::Lang_Text(3025) + std::to_string(j) + ")";
            holder = {s.ID, j};
        }
    }
    return {};
}

std::string Offset_File_Text(const std::vector<TSlave_DN>& slaves)
{
    return Offset_Document(slaves).SaveToString();
}

void Save_Offset_Slave_DN(const std::filesystem::path& file, const std::vector<TSlave_DN>& slaves)
{
    Offset_Document(slaves).SaveToFile(file);
}

}  // namespace tables::can

namespace tables::can {

namespace {

// A byte grid: the byte index (fixed), its offset ("None" or a position) and its mnemonic; one row
// per byte of the slave shown, none at the start.
TGridDesc Byte_Grid(std::string_view name, std::string_view sheet, int caption, int header, std::string_view max)
{
    TGridDesc g;
    g.Name = name;
    g.Sheet = sheet;
    g.Sheet_Caption = caption;
    g.Rows = 0;
    g.Fixed_Width = 60;
    g.Columns = {
        {.Caption = "Byte", .Header = header, .Width = 60},
        {.Caption = "Offset",
         .Header = header + 1,
         .Width = 90,
         .Editor = TEditor::ComboList,
         .Items = {"None"},
         .Items_Count = max},
        {.Caption = "Mnemonic", .Header = header + 2, .Width = 300},
    };
    g.Col_Sizing = false;
    g.Key_Press = g.Dbl_Click = g.Grid_Hint = false;
    return g;
}

TDialogDesc Make()
{
    TDialogDesc d;
    d.Class_Name = "TFDefOffset";
    d.Form_Name = "FDefOffset";
    d.Client_Width = 482;
    d.Client_Height = 610;
    d.Grids = {Byte_Grid("ACG_ByteIN", "TabSheet1", 3006, 3015, "MAX_BYTE_IN"),
               Byte_Grid("ACG_ByteOUT", "TabSheet2", 3007, 3018, "MAX_BYTE_OUT")};
    d.Root = "Define_Offset";
    d.Texts = {.Caption = 3000, .Description = 3001, .Button_Captions = {3002, 3003}, .Button_Hints = {3004, 3005}};
    d.Band = TButtonBand::OK_Cancel;
    d.Prepare = [](TTableState& state) {
        state.Vars["MAX_BYTE_IN"] = DN_MAX_BYTE;
        state.Vars["MAX_BYTE_OUT"] = DN_MAX_BYTE;
    };
    return d;
}

}  // namespace

const TDialogDesc& DefOffset_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::can
