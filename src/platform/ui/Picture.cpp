#include "platform/rtl/Exceptions.h"
#include "platform/ui/Graphics.h"
#include <algorithm>
#include <filesystem>
#include <map>

namespace ui {

namespace {
struct Format {
    std::string description;
    TGraphicFactory factory;
};

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::map<std::string, Format>& Formats()
{
    static std::map<std::string, Format> formats = [] {
        std::map<std::string, Format> f;
        auto bmp = []() -> std::unique_ptr<TGraphic> { return std::make_unique<TBitmap>(); };
        auto jpg = []() -> std::unique_ptr<TGraphic> { return std::make_unique<TJPEGImage>(); };
        auto ico = []() -> std::unique_ptr<TGraphic> { return std::make_unique<TIcon>(); };
        f["bmp"] = {"Bitmaps", bmp};
        f["png"] = {"Portable Network Graphics", bmp};
        f["ico"] = {"Icons", ico};
        f["jpeg"] = {"JPEG Image File", jpg};
        f["jpg"] = {"JPEG Image File", jpg};
        return f;
    }();
    return formats;
}
}  // namespace

void RegisterFileFormat(const std::string& extension, const std::string& description, TGraphicFactory factory)
{
    Formats()[Lower(extension)] = {description, factory};
}

bool IsRegisteredFileFormat(const std::string& extension)
{
    return Formats().count(Lower(extension)) != 0;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::SetGraphic(std::unique_ptr<TGraphic> g)
{
    graphic_ = std::move(g);
    Changed();
}

TBitmap* TPicture::Bitmap()
{
    auto* b = dynamic_cast<TBitmap*>(graphic_.get());
    if (!b) {
        graphic_ = std::make_unique<TBitmap>();
        b = static_cast<TBitmap*>(graphic_.get());
    }
    return b;
}

void TPicture::LoadFromFile(const std::string& fileName)
{
    std::string ext = Lower(std::filesystem::path(fileName).extension().string());
    if (!ext.empty())
        ext.erase(0, 1);
    auto it = Formats().find(ext);
    if (it == Formats().end())
        throw rtl::Exception("Unknown picture file extension (." + ext + ") of \"" + fileName + "\"");
    std::unique_ptr<TGraphic> g = it->second.factory();
    g->LoadFromFile(fileName);
    SetGraphic(std::move(g));
}

void TPicture::SaveToFile(const std::string& fileName) const
{
    if (graphic_)
        graphic_->SaveToFile(fileName);
}

void TPicture::Assign(const TPicture& other)
{
    if (!other.graphic_) {
        SetGraphic(nullptr);
        return;
    }
    auto copy = std::make_unique<TBitmap>();
    if (auto* b = dynamic_cast<const TBitmap*>(other.graphic_.get()))
        copy->Assign(*b);
    SetGraphic(std::move(copy));
}

}  // namespace ui
