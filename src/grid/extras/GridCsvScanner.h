// How the CSV reader splits text into fields and records, and a reader that hands a file over in
// slices of whole records, so that a large file is never held in memory at once.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/rtl/Streams.h"

namespace gx::csv {

// Where one field of the text lies as the reader takes it: it starts after leading spaces; a field
// that starts with a double quote runs to its closing quote, over line ends too (doubled quotes
// stay inside), and what stands between the closing quote and the delimiter belongs to it; a quote
// that is never closed makes the rest of its line the field's text.
struct FieldSpan {
    std::size_t start = 0;     // after the leading spaces
    bool quoted = false;       // starts with a double quote
    bool closed = false;       // quoted, and the closing quote was found
    std::size_t quoteEnd = 0;  // quoted: the closing quote, or the line end when never closed
    std::size_t end = 0;       // the delimiter, the line end or the end of the text after it
};

class CsvScanner {
public:
    CsvScanner(std::string_view text, char delim) : text_(text), n_(text.size()), delim_(delim) {}

    bool LineEnd(std::size_t at) const { return at < n_ && (text_[at] == '\r' || text_[at] == '\n'); }
    bool IsDelim(std::size_t at) const { return delim_ != '\0' && at < n_ && text_[at] == delim_; }
    void SkipLineEnd(std::size_t& at) const
    {
        if (at < n_ && text_[at] == '\r')
            ++at;
        if (at < n_ && text_[at] == '\n')
            ++at;
    }

    FieldSpan Field(std::size_t i) const
    {
        FieldSpan f;
        std::size_t s = i;
        while (s < n_ && text_[s] == ' ' && s + 1 < n_ && !IsDelim(s + 1) && !LineEnd(s + 1))
            ++s;
        f.start = s;
        std::size_t j = s;
        if (s < n_ && text_[s] == '"') {
            f.quoted = true;
            j = s + 1;
            while (j < n_) {
                if (text_[j] == '"') {
                    if (j + 1 < n_ && text_[j + 1] == '"') {
                        j += 2;
                        continue;
                    }
                    f.closed = true;
                    break;
                }
                ++j;
            }
            if (f.closed) {
                f.quoteEnd = j++;
            } else {
                j = text_.find_first_of("\r\n", s + 1);
                if (j == std::string_view::npos)
                    j = n_;
                f.quoteEnd = j;
            }
        }
        while (j < n_ && !IsDelim(j) && !LineEnd(j))
            ++j;
        f.end = j;
        return f;
    }

    // Steps past the field that ends at `at`: past its delimiter (true while the record goes on),
    // or past the line end. A delimiter at the end of a line is followed by one empty last field
    // (lastEmpty).
    bool Next(std::size_t& at, bool& lastEmpty) const
    {
        lastEmpty = false;
        if (IsDelim(at)) {
            ++at;
            if (at < n_ && !LineEnd(at))
                return true;
            lastEmpty = true;
        }
        SkipLineEnd(at);
        return false;
    }

private:
    std::string_view text_;
    std::size_t n_;
    char delim_;
};

// The end of the last record that ends inside text, and the number of records up to there. Unless
// the text is the file's end (atEnd), a record ends inside the text only when something follows
// its line end and no quote of it is still open: the rest may go on in the file's next bytes.
std::size_t WholeRecords(std::string_view text, char delim, bool atEnd, std::size_t& records);

// A CSV file read in blocks. Each slice it hands over holds whole records; a record that runs past
// a block waits for the next one, and a block without a whole record grows until it holds one.
class RecordReader {
public:
    // Raises EFOpenError when the file cannot be opened.
    explicit RecordReader(const std::string& fileName);

    // The file's first bytes (a block, or the whole file when it is smaller), for the byte-order
    // mark and the delimiter; the slices start with them again.
    std::string_view Head();
    // The next slice of whole records read with delim, and their number; false at the file's end.
    bool Next(char delim, std::string_view& slice, std::size_t& records);

private:
    // Reads count bytes more (fewer at the file's end) behind what the buffer holds.
    void ReadMore(std::size_t count);

    rtl::TFileStream file_;
    std::string buffer_;
    std::size_t handed_ = 0;  // bytes at the buffer's start already handed over
    bool atEnd_ = false;
};

}  // namespace gx::csv
