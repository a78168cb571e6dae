#pragma once
// Word-processing documents as .docx files: a new document or an existing one, paragraphs and
// tables added at its start, its end or a bookmark, saved through the project's atomic save. An
// existing document keeps every other part of its package as it was. Errors are EOfficeError
// naming the file and the reason.
#include <memory>
#include <string>
#include <vector>

namespace office {

enum class DocxAlign { Left, Center, Right };

// A table of texts; line breaks in a text become line breaks in its cell.
class DocxTable {
public:
    DocxTable(int rows, int cols);
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    void SetCell(int row, int col, std::string text, DocxAlign align = DocxAlign::Left);
    const std::string& Text(int row, int col) const;
    DocxAlign Align(int row, int col) const;

private:
    int rows_, cols_;
    std::vector<std::string> texts_;
    std::vector<DocxAlign> aligns_;
};

enum class DocxPlace { Start, End };

class DocxDocument {
public:
    // An empty document (one empty paragraph, A4 page).
    DocxDocument();
    ~DocxDocument();
    DocxDocument(DocxDocument&&) noexcept;
    DocxDocument& operator=(DocxDocument&&) noexcept;

    // Opens an existing document; refuses a file that is not one.
    static DocxDocument Load(const std::string& fileName);
    // The same from the file's bytes; fileName only names the file in errors.
    static DocxDocument LoadBytes(std::string bytes, const std::string& fileName);

    bool HasBookmark(const std::string& name) const;
    // A paragraph of text before everything else or after everything else.
    void AddParagraph(DocxPlace place, const std::string& text);
    void AddTable(DocxPlace place, const DocxTable& table);
    // The table where the bookmark starts: a paragraph holding the bookmark is split there, the
    // table going between its two halves (straight before it when the bookmark opens it). False
    // when the document has no such bookmark.
    bool AddTableAtBookmark(const std::string& bookmark, const DocxTable& table);

    // The package's bytes, and the file written atomically.
    std::string Bytes() const;
    void SaveToFile(const std::string& fileName) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace office
