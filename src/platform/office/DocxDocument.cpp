// .docx packages: the main document part is edited as XML; every other part is kept as it was.
#include "platform/office/Docx.h"
#include "platform/office/OfficeError.h"
#include "platform/office/Zip.h"
#include "platform/rtl/Streams.h"

#include <pugixml.hpp>

#include <cstring>
#include <sstream>
#include <stdexcept>

namespace office {

namespace {

constexpr const char* kWhat = "document";
constexpr const char* kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* kStrictWordNs = "http://purl.oclc.org/ooxml/wordprocessingml/main";
constexpr const char* kDocumentPart = "word/document.xml";
constexpr int kTableWidth = 9638;  // twentieths of a point: an A4 page less 2 cm margins

const char* kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "</Types>";

const char* kPackageRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/>"
    "</Relationships>";

const char* kEmptyDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:body><w:p/>"
    "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
    "<w:pgMar w:top=\"1134\" w:right=\"1134\" w:bottom=\"1134\" w:left=\"1134\" w:header=\"709\" w:footer=\"709\" "
    "w:gutter=\"0\"/></w:sectPr>"
    "</w:body></w:document>";

struct Refusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// XML 1.0 holds no control characters but tab, line feed and carriage return.
std::string XmlSafe(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (unsigned char c : s)
        if (c >= 0x20 || c == '\t' || c == '\n' || c == '\r')
            out += static_cast<char>(c);
    return out;
}

}  // namespace

DocxTable::DocxTable(int rows, int cols)
    : rows_(rows < 0 ? 0 : rows),
      cols_(cols < 0 ? 0 : cols),
      texts_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_)),
      aligns_(texts_.size(), DocxAlign::Left)
{}

void DocxTable::SetCell(int row, int col, std::string text, DocxAlign align)
{
    if (row < 0 || col < 0 || row >= rows_ || col >= cols_)
        throw std::out_of_range("DocxTable cell out of range");
    std::size_t i = static_cast<std::size_t>(row) * cols_ + col;
    texts_[i] = std::move(text);
    aligns_[i] = align;
}

const std::string& DocxTable::Text(int row, int col) const
{
    return texts_.at(static_cast<std::size_t>(row) * cols_ + col);
}

DocxAlign DocxTable::Align(int row, int col) const
{
    return aligns_.at(static_cast<std::size_t>(row) * cols_ + col);
}

struct DocxDocument::Impl {
    std::vector<std::pair<std::string, std::string>> parts;  // every part but the main document
    std::string documentPart = kDocumentPart;
    pugi::xml_document doc;
    std::string prefix = "w:";  // of the WordprocessingML namespace in this document

    pugi::xml_node Body() const
    {
        for (pugi::xml_node n : doc.document_element().children())
            if (n.name() == prefix + "body")
                return n;
        return {};
    }
    std::string Name(const char* local) const { return prefix + local; }

    // Where blocks go at the end: before the section properties that close the body.
    pugi::xml_node EndAnchor() const
    {
        pugi::xml_node last = Body().last_child();
        while (last && last.type() != pugi::node_element)
            last = last.previous_sibling();
        return last && last.name() == Name("sectPr") ? last : pugi::xml_node();
    }

    pugi::xml_node Insert(pugi::xml_node parent, pugi::xml_node before, const char* local)
    {
        return before ? parent.insert_child_before(Name(local).c_str(), before)
                      : parent.append_child(Name(local).c_str());
    }

    void FillRuns(pugi::xml_node p, const std::string& text)
    {
        pugi::xml_node r = p.append_child(Name("r").c_str());
        std::string piece;
        auto flush = [&] {
            if (piece.empty())
                return;
            pugi::xml_node t = r.append_child(Name("t").c_str());
            t.append_attribute("xml:space") = "preserve";
            t.text().set(piece.c_str());
            piece.clear();
        };
        std::string safe = XmlSafe(text);
        for (std::size_t i = 0; i < safe.size(); ++i) {
            char c = safe[i];
            if (c == '\r' || c == '\n') {
                if (c == '\r' && i + 1 < safe.size() && safe[i + 1] == '\n')
                    ++i;
                flush();
                r.append_child(Name("br").c_str());
            } else if (c == '\t') {
                flush();
                r.append_child(Name("tab").c_str());
            } else {
                piece += c;
            }
        }
        flush();
    }

    void MakeParagraph(pugi::xml_node p, const std::string& text, DocxAlign align)
    {
        if (align != DocxAlign::Left) {
            pugi::xml_node jc = p.append_child(Name("pPr").c_str()).append_child(Name("jc").c_str());
            jc.append_attribute(Name("val").c_str()) = align == DocxAlign::Right ? "right" : "center";
        }
        if (!text.empty())
            FillRuns(p, text);
    }

    void MakeTable(pugi::xml_node tbl, const DocxTable& table)
    {
        pugi::xml_node pr = tbl.append_child(Name("tblPr").c_str());
        pugi::xml_node w = pr.append_child(Name("tblW").c_str());
        w.append_attribute(Name("w").c_str()) = 0;
        w.append_attribute(Name("type").c_str()) = "auto";
        pugi::xml_node borders = pr.append_child(Name("tblBorders").c_str());
        for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
            pugi::xml_node b = borders.append_child(Name(side).c_str());
            b.append_attribute(Name("val").c_str()) = "single";
            b.append_attribute(Name("sz").c_str()) = 4;
            b.append_attribute(Name("space").c_str()) = 0;
            b.append_attribute(Name("color").c_str()) = "auto";
        }
        int colWidth = table.Cols() > 0 ? kTableWidth / table.Cols() : kTableWidth;
        pugi::xml_node grid = tbl.append_child(Name("tblGrid").c_str());
        for (int c = 0; c < table.Cols(); ++c)
            grid.append_child(Name("gridCol").c_str()).append_attribute(Name("w").c_str()) = colWidth;
        for (int r = 0; r < table.Rows(); ++r) {
            pugi::xml_node tr = tbl.append_child(Name("tr").c_str());
            for (int c = 0; c < table.Cols(); ++c) {
                pugi::xml_node tc = tr.append_child(Name("tc").c_str());
                pugi::xml_node tcW = tc.append_child(Name("tcPr").c_str()).append_child(Name("tcW").c_str());
                tcW.append_attribute(Name("w").c_str()) = colWidth;
                tcW.append_attribute(Name("type").c_str()) = "dxa";
                MakeParagraph(tc.append_child(Name("p").c_str()), table.Text(r, c), table.Align(r, c));
            }
        }
    }

    pugi::xml_node FindBookmark(const std::string& name) const
    {
        std::string start = Name("bookmarkStart");
        std::string nameAttr = Name("name");
        return doc.document_element().find_node([&](const pugi::xml_node& n) {
            return n.name() == start && name == n.attribute(nameAttr.c_str()).value();
        });
    }
};

DocxDocument::DocxDocument() : impl_(std::make_unique<Impl>())
{
    impl_->parts = {{"[Content_Types].xml", kContentTypes}, {"_rels/.rels", kPackageRels}};
    impl_->doc.load_string(kEmptyDocument);
}

DocxDocument::~DocxDocument() = default;
DocxDocument::DocxDocument(DocxDocument&&) noexcept = default;
DocxDocument& DocxDocument::operator=(DocxDocument&&) noexcept = default;

DocxDocument DocxDocument::LoadBytes(std::string bytes, const std::string& fileName)
{
    DocxDocument d;
    Impl& impl = *d.impl_;
    try {
        ZipReader zip(std::move(bytes));
        impl.documentPart.clear();
        if (zip.Has("_rels/.rels")) {
            pugi::xml_document rels;
            std::string text = zip.Read("_rels/.rels");
            if (!rels.load_buffer(text.data(), text.size()))
                throw Refusal("Part \"_rels/.rels\" is not well-formed XML");
            for (pugi::xml_node r : rels.document_element().children()) {
                std::string type = r.attribute("Type").value();
                if (type.size() >= 15 && type.compare(type.size() - 15, 15, "/officeDocument") == 0) {
                    impl.documentPart = r.attribute("Target").value();
                    if (!impl.documentPart.empty() && impl.documentPart[0] == '/')
                        impl.documentPart.erase(0, 1);
                }
            }
        }
        if (impl.documentPart.empty())
            impl.documentPart = kDocumentPart;
        if (!zip.Has(impl.documentPart))
            throw Refusal("The file is not a document (it has no main document part)");
        impl.parts.clear();
        for (const std::string& name : zip.Names())
            if (name != impl.documentPart && (name.empty() || name.back() != '/'))
                impl.parts.emplace_back(name, zip.Read(name));
        std::string xml = zip.Read(impl.documentPart);
        pugi::xml_parse_result r = impl.doc.load_buffer(xml.data(), xml.size(), pugi::parse_full);
        if (!r)
            throw Refusal("Part \"" + impl.documentPart + "\": " + r.description() + " at offset " +
                          std::to_string(r.offset));
        pugi::xml_node root = impl.doc.document_element();
        impl.prefix.clear();
        bool found = false;
        for (pugi::xml_attribute a : root.attributes()) {
            std::string name = a.name();
            if (std::strcmp(a.value(), kWordNs) == 0 || std::strcmp(a.value(), kStrictWordNs) == 0) {
                if (name == "xmlns") {
                    impl.prefix.clear();
                    found = true;
                } else if (name.rfind("xmlns:", 0) == 0) {
                    impl.prefix = name.substr(6) + ":";
                    found = true;
                }
            }
        }
        if (!found || root.name() != impl.prefix + "document" || !impl.Body())
            throw Refusal("Part \"" + impl.documentPart + "\" holds no document body");
    } catch (const std::bad_alloc&) {
        RefuseRead(kWhat, fileName, "It does not fit into memory");
    } catch (const std::runtime_error& e) {
        RefuseRead(kWhat, fileName, e.what());
    }
    return d;
}

DocxDocument DocxDocument::Load(const std::string& fileName)
{
    std::string bytes;
    try {
        bytes = rtl::ReadFileBytes(fileName);
    } catch (const rtl::Exception& e) {
        RefuseRead(kWhat, fileName, e.Message);
    }
    return LoadBytes(std::move(bytes), fileName);
}

bool DocxDocument::HasBookmark(const std::string& name) const
{
    return bool(impl_->FindBookmark(name));
}

void DocxDocument::AddParagraph(DocxPlace place, const std::string& text)
{
    pugi::xml_node body = impl_->Body();
    pugi::xml_node before = place == DocxPlace::Start ? body.first_child() : impl_->EndAnchor();
    impl_->MakeParagraph(impl_->Insert(body, before, "p"), text, DocxAlign::Left);
}

void DocxDocument::AddTable(DocxPlace place, const DocxTable& table)
{
    pugi::xml_node body = impl_->Body();
    if (place == DocxPlace::Start) {
        impl_->MakeTable(impl_->Insert(body, body.first_child(), "tbl"), table);
        return;
    }
    pugi::xml_node anchor = impl_->EndAnchor();
    impl_->MakeTable(impl_->Insert(body, anchor, "tbl"), table);
    // A document ends with a paragraph, never with a table.
    impl_->Insert(body, anchor, "p");
}

bool DocxDocument::AddTableAtBookmark(const std::string& bookmark, const DocxTable& table)
{
    pugi::xml_node mark = impl_->FindBookmark(bookmark);
    if (!mark)
        return false;
    // The paragraph the bookmark starts in, and the child of it that holds the bookmark.
    pugi::xml_node holder = mark;
    pugi::xml_node para;
    for (pugi::xml_node n = mark.parent(); n && n.type() == pugi::node_element; n = n.parent()) {
        if (n.name() == impl_->Name("p")) {
            para = n;
            break;
        }
        holder = n;
    }
    if (!para) {  // a bookmark between blocks: the table goes where it stands
        impl_->MakeTable(mark.parent().insert_child_before(impl_->Name("tbl").c_str(), mark), table);
        return true;
    }
    // What stands before the bookmark in its paragraph moves into a paragraph of its own above
    // the table, with the same paragraph properties.
    pugi::xml_node first = para.first_child();
    pugi::xml_node props = first && first.name() == impl_->Name("pPr") ? first : pugi::xml_node();
    pugi::xml_node firstContent = props ? props.next_sibling() : first;
    if (firstContent != holder) {
        pugi::xml_node upper = para.parent().insert_child_before(impl_->Name("p").c_str(), para);
        if (props)
            upper.append_copy(props);
        for (pugi::xml_node n = firstContent; n && n != holder;) {
            pugi::xml_node next = n.next_sibling();
            upper.append_move(n);
            n = next;
        }
    }
    impl_->MakeTable(para.parent().insert_child_before(impl_->Name("tbl").c_str(), para), table);
    return true;
}

std::string DocxDocument::Bytes() const
{
    std::ostringstream xml;
    impl_->doc.save(xml, "", pugi::format_raw);
    ZipWriter zip;
    bool placed = false;
    for (const auto& [name, content] : impl_->parts) {
        zip.Add(name, content);
        // The main part right after the package's own parts, as word processors write it.
        if (!placed && name == "_rels/.rels") {
            zip.Add(impl_->documentPart, xml.str());
            placed = true;
        }
    }
    if (!placed)
        zip.Add(impl_->documentPart, xml.str());
    return zip.Finish();
}

void DocxDocument::SaveToFile(const std::string& fileName) const
{
    std::string bytes;
    try {
        bytes = Bytes();
    } catch (const std::runtime_error& e) {
        RefuseWrite(kWhat, fileName, e.what());
    }
    try {
        rtl::WriteFileAtomic(fileName, bytes);
    } catch (const rtl::Exception& e) {
        throw EOfficeError(e.Message);
    }
}

}  // namespace office
