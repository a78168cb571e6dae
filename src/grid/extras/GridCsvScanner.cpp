#include "grid/extras/GridCsvScanner.h"

#include <algorithm>

namespace gx::csv {
namespace {

// Bytes read at a time; a slice holds about this much text.
constexpr std::size_t kBlock = std::size_t{4} << 20;

}  // namespace

std::size_t WholeRecords(std::string_view text, char delim, bool atEnd, std::size_t& records)
{
    const CsvScanner scan(text, delim);
    std::size_t i = 0, end = 0;
    records = 0;
    while (i < text.size()) {
        bool more = true, open = false;
        while (more && i < text.size()) {
            const FieldSpan f = scan.Field(i);
            open = open || (f.quoted && !f.closed);
            i = f.end;
            bool lastEmpty = false;
            more = scan.Next(i, lastEmpty);
        }
        if (!atEnd && (open || i >= text.size()))
            break;
        ++records;
        end = i;
    }
    return end;
}

RecordReader::RecordReader(const std::string& fileName) : file_(fileName, rtl::fmOpenRead) {}

void RecordReader::ReadMore(std::size_t count)
{
    const std::size_t held = buffer_.size();
    buffer_.resize(held + count);
    const auto got = file_.Read(buffer_.data() + held, static_cast<int64_t>(count));
    buffer_.resize(held + static_cast<std::size_t>(std::max<int64_t>(got, 0)));
    atEnd_ = buffer_.size() < held + count;
}

std::string_view RecordReader::Head()
{
    if (buffer_.empty() && !atEnd_)
        ReadMore(kBlock);
    return std::string_view(buffer_).substr(handed_);
}

bool RecordReader::Next(char delim, std::string_view& slice, std::size_t& records)
{
    buffer_.erase(0, handed_);
    handed_ = 0;
    for (;;) {
        const std::size_t end = WholeRecords(buffer_, delim, atEnd_, records);
        if (records > 0) {
            handed_ = end;
            slice = std::string_view(buffer_).substr(0, end);
            return true;
        }
        if (atEnd_)
            return false;
        // Not one whole record yet: read as much again as the buffer holds, so that a record of
        // any length costs a number of scans that grows with the log of its length.
        ReadMore(std::max(kBlock, buffer_.size()));
    }
}

}  // namespace gx::csv
