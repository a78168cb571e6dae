#include "platform/ui/Graphics.h"
#include "platform/ui/ImageCodecs.h"
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace ui {

namespace {
struct ErrorMgr {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorMgr*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}
void OnMessage(j_common_ptr, int) {}
}  // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TBitmap& into, std::string& reason)
{
    jpeg_decompress_struct cinfo{};
    ErrorMgr err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    std::vector<std::uint8_t> row;
    if (setjmp(err.jump)) {
        reason = err.message;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    if (!PictureSizeAllowed(cinfo.image_width, cinfo.image_height, reason)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    int w = static_cast<int>(cinfo.output_width);
    int h = static_cast<int>(cinfo.output_height);
    into.SetSize(w, h);
    row.resize(static_cast<std::size_t>(w) * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        int y = static_cast<int>(cinfo.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&cinfo, rows, 1);
        std::uint32_t* out = into.ScanLine(y);
        for (int x = 0; x < w; ++x)
            out[x] = 0xFF000000u | (row[x * 3] << 16) | (row[x * 3 + 1] << 8) | row[x * 3 + 2];
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool EncodeJpeg(const TBitmap& bitmap, int quality, std::vector<std::uint8_t>& out, std::string& reason)
{
    if (bitmap.Empty()) {
        reason = "empty picture";
        return false;
    }
    jpeg_compress_struct cinfo{};
    ErrorMgr err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    unsigned char* buffer = nullptr;
    unsigned long bufferSize = 0;
    std::vector<std::uint8_t> row;
    if (setjmp(err.jump)) {
        reason = err.message;
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &bufferSize);
    cinfo.image_width = static_cast<JDIMENSION>(bitmap.Width());
    cinfo.image_height = static_cast<JDIMENSION>(bitmap.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    row.resize(static_cast<std::size_t>(bitmap.Width()) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const std::uint32_t* in = bitmap.ScanLine(static_cast<int>(cinfo.next_scanline));
        for (int x = 0; x < bitmap.Width(); ++x) {
            row[x * 3] = static_cast<std::uint8_t>(in[x] >> 16);
            row[x * 3 + 1] = static_cast<std::uint8_t>(in[x] >> 8);
            row[x * 3 + 2] = static_cast<std::uint8_t>(in[x]);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    out.assign(buffer, buffer + bufferSize);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return true;
}

}  // namespace ui
