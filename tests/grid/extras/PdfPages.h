// Test utility: the page count of a PDF file (pdfinfo), its text (pdftotext) and one page
// rendered to an image (pdftoppm), as a PNG to look at and as grey pixels to check in a test.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ScratchDir.h"
#include "platform/sys/Process.h"

namespace gx::extrastest {

inline int PdfPageCount(const testsupport::ScratchDir& dir, const std::string& pdf)
{
    const std::string out = dir.File("pdfinfo.txt");
    sys::RunResult r =
        sys::RunAndWait("/bin/sh", {"-c", "pdfinfo \"$0\" > \"$1\"", pdf, out}, std::chrono::seconds(60));
    EXPECT_EQ(r.exitCode.value_or(-1), 0);
    std::istringstream in(testsupport::ReadFile(out));
    for (std::string line; std::getline(in, line);)
        if (line.rfind("Pages:", 0) == 0)
            return std::stoi(line.substr(6));
    return -1;
}

// The text a reader finds in the file, as pdftotext gives it.
inline std::string PdfText(const std::string& pdf, const std::string& out)
{
    sys::RunResult r = sys::RunAndWait("/usr/bin/pdftotext", {pdf, out}, std::chrono::seconds(60));
    EXPECT_EQ(r.exitCode.value_or(-1), 0);
    return testsupport::ReadFile(out);
}

struct GreyImage {
    int Width = 0, Height = 0;
    std::vector<unsigned char> Pixels;  // row by row, 0 black .. 255 white
    unsigned char At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

// Renders page (1-based) at dpi into <base>.png beside the PDF and returns its grey pixels.
inline GreyImage RenderPdfPage(const std::string& pdf, int page, int dpi, const std::string& base)
{
    const std::string p = std::to_string(page);
    const std::string d = std::to_string(dpi);
    sys::RunResult png = sys::RunAndWait(
        "/usr/bin/pdftoppm", {"-f", p, "-l", p, "-r", d, "-png", "-singlefile", pdf, base}, std::chrono::seconds(60));
    EXPECT_EQ(png.exitCode.value_or(-1), 0);
    sys::RunResult pgm = sys::RunAndWait(
        "/usr/bin/pdftoppm", {"-f", p, "-l", p, "-r", d, "-gray", "-singlefile", pdf, base}, std::chrono::seconds(60));
    EXPECT_EQ(pgm.exitCode.value_or(-1), 0);
    GreyImage img;
    std::ifstream in(base + ".pgm", std::ios::binary);
    std::string magic;
    int maxval = 0;
    in >> magic >> img.Width >> img.Height >> maxval;
    in.get();
    if (magic != "P5" || img.Width <= 0 || img.Height <= 0)
        return {};
    img.Pixels.resize(static_cast<std::size_t>(img.Width) * img.Height);
    in.read(reinterpret_cast<char*>(img.Pixels.data()), static_cast<std::streamsize>(img.Pixels.size()));
    return img;
}

}  // namespace gx::extrastest
