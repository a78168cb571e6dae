#include "platform/office/Zip.h"

#include <zip.h>

#include <algorithm>
#include <stdexcept>

namespace office {

namespace {

std::string ErrorText(zip_error_t* error)
{
    std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

std::string ArchiveError(zip_t* za)
{
    return zip_error_strerror(zip_get_error(za));
}

}  // namespace

struct ZipReader::Impl {
    std::string bytes;  // the source reads from here while the archive is open
    zip_t* archive = nullptr;
};

ZipReader::ZipReader(std::string bytes) : impl_(std::make_unique<Impl>())
{
    if (bytes.empty())
        throw std::runtime_error("The file is empty");
    impl_->bytes = std::move(bytes);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(impl_->bytes.data(), impl_->bytes.size(), 0, &error);
    if (!source)
        throw std::runtime_error(ErrorText(&error));
    impl_->archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!impl_->archive) {
        zip_source_free(source);
        throw std::runtime_error("The file is not a valid zip package (" + ErrorText(&error) + ")");
    }
    zip_error_fini(&error);
}

ZipReader::~ZipReader()
{
    if (impl_->archive)
        zip_discard(impl_->archive);
}

std::vector<std::string> ZipReader::Names() const
{
    std::vector<std::string> names;
    zip_int64_t n = zip_get_num_entries(impl_->archive, 0);
    for (zip_int64_t i = 0; i < n; ++i)
        if (const char* name = zip_get_name(impl_->archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS))
            names.emplace_back(name);
    return names;
}

bool ZipReader::Has(const std::string& name) const
{
    return zip_name_locate(impl_->archive, name.c_str(), ZIP_FL_NOCASE | ZIP_FL_ENC_GUESS) >= 0;
}

std::string ZipReader::Read(const std::string& name) const
{
    zip_int64_t index = zip_name_locate(impl_->archive, name.c_str(), ZIP_FL_NOCASE | ZIP_FL_ENC_GUESS);
    if (index < 0)
        throw std::runtime_error("The package has no part \"" + name + "\"");
    zip_file_t* file = zip_fopen_index(impl_->archive, static_cast<zip_uint64_t>(index), 0);
    if (!file)
        throw std::runtime_error("The part \"" + name + "\" cannot be opened (" + ArchiveError(impl_->archive) + ")");
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
        if (n < 0) {
            std::string reason = zip_error_strerror(zip_file_get_error(file));
            zip_fclose(file);
            throw std::runtime_error("The part \"" + name + "\" is damaged (" + reason + ")");
        }
        if (n == 0)
            break;
        if (content.size() + static_cast<std::size_t>(n) > kMaxEntrySize) {
            zip_fclose(file);
            throw std::runtime_error("The part \"" + name + "\" is larger than " + std::to_string(kMaxEntrySize >> 20) +
                                     " MiB");
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    zip_fclose(file);
    return content;
}

void ZipWriter::Add(const std::string& name, std::string content)
{
    entries_.emplace_back(name, std::move(content));
}

std::string ZipWriter::Finish() const
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!target)
        throw std::runtime_error(ErrorText(&error));
    zip_t* za = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (!za) {
        zip_source_free(target);
        throw std::runtime_error(ErrorText(&error));
    }
    zip_error_fini(&error);
    zip_source_keep(target);  // the archive's bytes stay readable after zip_close
    auto fail = [&](const std::string& reason) {
        zip_discard(za);
        zip_source_free(target);
        throw std::runtime_error(reason);
    };
    for (const auto& [name, content] : entries_) {
        zip_source_t* part = zip_source_buffer(za, content.data(), content.size(), 0);
        if (!part)
            fail(ArchiveError(za));
        if (zip_file_add(za, name.c_str(), part, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(part);
            fail(ArchiveError(za));
        }
    }
    if (zip_close(za) < 0)
        fail(ArchiveError(za));
    std::string bytes;
    zip_stat_t st;
    if (zip_source_stat(target, &st) < 0 || zip_source_open(target) < 0) {
        zip_source_free(target);
        throw std::runtime_error("The package cannot be assembled");
    }
    bytes.resize(static_cast<std::size_t>(st.size));
    zip_int64_t got = zip_source_read(target, bytes.data(), bytes.size());
    zip_source_close(target);
    zip_source_free(target);
    if (got != static_cast<zip_int64_t>(bytes.size()))
        throw std::runtime_error("The package cannot be assembled");
    return bytes;
}

}  // namespace office
