#include "platform/ui/Graphics.h"
#include "platform/ui/ImageCodecs.h"
#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <string>
#include <vector>

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

void Refuse(j_common_ptr cinfo, const char* reason)
{
    auto* err = reinterpret_cast<ErrorMgr*>(cinfo->err);
    std::snprintf(err->message, sizeof err->message, "%s", reason);
    std::longjmp(err->jump, 1);
}

// Warnings pass, but for data that ends before the last row of blocks of a scan: libjpeg would
// make up the rest, as much of it as the header claims, however little data there was.
void OnMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0 || cinfo->err->msg_code != JWRN_JPEG_EOF || !cinfo->is_decompressor)
        return;
    const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_iMCU_row + 1 < d->total_iMCU_rows)
        Refuse(cinfo, "the picture data ends before its last line");
}

// Whether the data is long enough for the picture its header declares. Huffman-coded scans take
// at least one bit per symbol: a block of a sequential scan codes its DC difference and at least
// one more symbol, a block of a progressive picture's first DC scan one symbol. A component may be
// left out of the scans, so the smallest one sets the floor. Arithmetic coding has no such floor
// (the end of its data is still watched).
bool LongEnoughFor(const jpeg_decompress_struct& cinfo, std::size_t size)
{
    if (cinfo.arith_code || cinfo.num_components <= 0)
        return true;
    std::uint64_t fewestBlocks = UINT64_MAX;
    for (int i = 0; i < cinfo.num_components; ++i) {
        const jpeg_component_info& c = cinfo.comp_info[i];
        fewestBlocks = std::min(fewestBlocks, std::uint64_t{c.width_in_blocks} * c.height_in_blocks);
    }
    const std::uint64_t bitsPerBlock = cinfo.progressive_mode ? 1 : 2;
    return fewestBlocks * bitsPerBlock <= std::uint64_t{size} * 8;
}
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
    if (!LongEnoughFor(cinfo, size)) {
        reason = "the picture data is too short for a picture of " + std::to_string(cinfo.image_width) + " x " +
                 std::to_string(cinfo.image_height);
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
