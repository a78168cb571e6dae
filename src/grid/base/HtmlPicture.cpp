#include "grid/base/HtmlPicture.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/ImageCodecs.h"

namespace gx {

void TResourceModule::Add(const std::string& Name, std::vector<std::uint8_t> Data)
{
    resources_[rtl::UpperCase(Name)] = std::move(Data);
}

const std::vector<std::uint8_t>* TResourceModule::Find(const std::string& Name) const
{
    const auto it = resources_.find(rtl::UpperCase(Name));
    return it == resources_.end() ? nullptr : &it->second;
}

TResourceModule& HInstance()
{
    static TResourceModule module;
    return module;
}

namespace {

int readU16(const std::vector<std::uint8_t>& d, std::size_t at)
{
    return at + 1 < d.size() ? d[at] | (d[at + 1] << 8) : 0;
}

// A graphic control extension directly followed by an image descriptor, with at least 9 bytes
// after its first byte.
bool isFrameMarker(const std::vector<std::uint8_t>& d, std::size_t j)
{
    return j + 9 < d.size() && d[j] == 0x21 && d[j + 1] == 0xF9 && d[j + 2] == 0x04 && d[j + 8] == 0x2C;
}

}  // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::Reset()
{
    isEmpty_ = true;
    picture_.reset();
    frameCount_ = nextCount_ = timerCount_ = -1;
    frame_ = 1;
}

void THTMLPicture::Assign(const ui::TGraphic* Source)
{
    Reset();
    if (!Source) {
        data_.Clear();
        return;
    }
    const auto* other = dynamic_cast<const THTMLPicture*>(Source);
    if (!other || other == this)
        return;
    const std::vector<std::uint8_t> bytes = other->data_.Bytes();
    LoadBytes(bytes.data(), bytes.size(), true);
}

void THTMLPicture::LoadBytes(const std::uint8_t* data, std::size_t size, bool notify)
{
    data_.Clear();
    if (size)
        data_.WriteBuffer(data, static_cast<int64_t>(size));
    isEmpty_ = false;
    frameCount_ = -1;
    LoadPicture();
    if (notify)
        Changed();
}

std::vector<std::size_t> THTMLPicture::FrameMarkers() const
{
    std::vector<std::size_t> markers;
    const auto& d = data_.Bytes();
    for (std::size_t j = 0; j < d.size(); ++j)
        if (isFrameMarker(d, j))
            markers.push_back(j);
    return markers;
}

void THTMLPicture::LoadPicture()
{
    const auto& d = data_.Bytes();
    frameXPos_ = frameYPos_ = frameXSize_ = frameYSize_ = 0;
    animMaxX_ = animMaxY_ = 0;
    std::vector<std::uint8_t> stream;
    const std::vector<std::size_t> markers = IsGIF() ? FrameMarkers() : std::vector<std::size_t>();
    if (!markers.empty()) {
        // The header, the global colour table and every frame from the current one on: the
        // decoder shows the first image it finds.
        animMaxX_ = readU16(d, 6);
        animMaxY_ = readU16(d, 8);
        stream.assign(d.begin(), d.begin() + static_cast<std::ptrdiff_t>(markers[0]));
        const std::size_t current = static_cast<std::size_t>(std::max(frame_, 1)) - 1;
        if (current < markers.size()) {
            const std::size_t j = markers[current];
            frameXPos_ = readU16(d, j + 9);
            frameYPos_ = readU16(d, j + 11);
            frameXSize_ = readU16(d, j + 13);
            frameYSize_ = readU16(d, j + 15);
            stream.insert(stream.end(), d.begin() + static_cast<std::ptrdiff_t>(j), d.end());
        }
    } else {
        stream = d;
    }
    picture_.reset();
    auto decoded = std::make_unique<ui::TBitmap>();
    try {
        decoded->LoadFromMemory(stream.data(), stream.size());
    } catch (const rtl::Exception&) {
        throw rtl::Exception("Could not load image. Invalid format");
    }
    picture_ = std::move(decoded);
}

int THTMLPicture::Width() const
{
    return picture_ ? picture_->Width() * LogPixX / 96 : 0;
}

int THTMLPicture::Height() const
{
    return picture_ ? picture_->Height() * LogPixY / 96 : 0;
}

void THTMLPicture::Draw(ui::TCanvas& Canvas, const ui::TRect& Rect) const
{
    if (isEmpty_ || !picture_)
        return;
    if (Stretch)
        Canvas.StretchDraw(Rect, picture_.get());
    else
        Canvas.Draw(Rect.Left, Rect.Top, picture_.get());
}

void THTMLPicture::LoadFromFile(const std::string& FileName)
{
    try {
        const std::vector<std::uint8_t> bytes = ui::ReadWholeFile(FileName);
        LoadBytes(bytes.data(), bytes.size(), true);
    } catch (const std::exception&) {
        Reset();
    }
}

void THTMLPicture::SaveToFile(const std::string& FileName) const
{
    ui::WriteWholeFile(FileName, data_.Bytes());
}

void THTMLPicture::LoadFromStream(rtl::TStream* Stream)
{
    if (!Stream)
        return;
    rtl::TMemoryStream copy;
    copy.CopyFrom(*Stream, 0);
    LoadBytes(copy.Memory(), copy.Bytes().size(), true);
}

void THTMLPicture::ReadData(rtl::TStream& Stream)
{
    rtl::TMemoryStream copy;
    copy.CopyFrom(Stream, 0);
    LoadBytes(copy.Memory(), copy.Bytes().size(), false);
}

void THTMLPicture::SaveToStream(rtl::TStream& Stream) const
{
    const auto& d = data_.Bytes();
    if (!d.empty())
        Stream.WriteBuffer(d.data(), static_cast<int64_t>(d.size()));
}

void THTMLPicture::LoadFromResourceName(const TResourceModule& Instance, const std::string& ResName)
{
    if (const auto* bytes = Instance.Find(ResName)) {
        const std::vector<std::uint8_t> copy = *bytes;
        LoadBytes(copy.data(), copy.size(), true);
    }
}

void THTMLPicture::LoadFromResourceID(const TResourceModule& Instance, int ResID)
{
    const std::string name = "#" + std::to_string(ResID);
    if (!Instance.Find(name))
        throw rtl::Exception("Resource " + std::to_string(ResID) + " not found");
    LoadFromResourceName(Instance, name);
}

void THTMLPicture::LoadFromURL(const std::string& URL)
{
    const std::string up = rtl::UpperCase(URL);
    if (up.rfind("RES://", 0) == 0) {
        id_ = URL;
        LoadFromResourceName(HInstance(), URL.substr(6));
    } else if (up.rfind("FILE://", 0) == 0) {
        id_ = URL;
        LoadFromFile(URL.substr(7));
    } else if (!Asynch) {
        url_ = id_ = URL;
    } else if (!threadBusy_) {
        // Downloads are not made: the picture stays marked busy and empty.
        url_ = URL;
        threadBusy_ = true;
    }
}

int THTMLPicture::GetMaxWidth() const
{
    if (!picture_)
        return 0;
    return animMaxX_ ? animMaxX_ : Width();
}

int THTMLPicture::GetMaxHeight() const
{
    if (!picture_)
        return 0;
    return animMaxY_ ? animMaxY_ : Height();
}

bool THTMLPicture::IsGIF() const
{
    const auto& d = data_.Bytes();
    return d.size() >= 5 && d[0] == 'G' && d[1] == 'I' && d[2] == 'F' && d[3] == '8';
}

int THTMLPicture::FrameCount()
{
    if (frameCount_ == -1 && IsGIF())
        frameCount_ = static_cast<int>(FrameMarkers().size());
    return frameCount_;
}

int THTMLPicture::GetFrameTime(int i) const
{
    if (!IsGIF())
        return -1;
    const std::vector<std::size_t> markers = FrameMarkers();
    if (i < 1 || i > static_cast<int>(markers.size()))
        return -1;
    return readU16(data_.Bytes(), markers[static_cast<std::size_t>(i) - 1] + 4);
}

void THTMLPicture::SetFrame(int Value)
{
    frame_ = Value;
    if (data_.Bytes().empty())
        return;
    LoadPicture();
    if (OnFrameChange)
        OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    frame_ = frame_ < FrameCount() ? frame_ + 1 : 1;
}

void THTMLPicture::FramePrev()
{
    frame_ = frame_ > 1 ? frame_ - 1 : FrameCount();
}

bool THTMLPicture::Step()
{
    if (FrameCount() < 2 || isEmpty_)
        return false;
    bool stepped = false;
    if (timerCount_ * 10 >= nextCount_) {
        FrameNext();
        LoadPicture();
        nextCount_ += GetFrameTime(frame_);
        stepped = true;
    }
    ++timerCount_;
    return stepped;
}

THTMLPicture* THTMLPictureCache::AddPicture()
{
    return pictures_.emplace_back(std::make_unique<THTMLPicture>()).get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& ID) const
{
    for (const auto& p : pictures_)
        if (p->ID() == ID)
            return p.get();
    return nullptr;
}

void THTMLPictureCache::SetPictures(int Index, THTMLPicture* Value)
{
    pictures_.at(static_cast<std::size_t>(Index)).reset(Value);
}

bool THTMLPictureCache::Animate()
{
    bool any = false;
    for (const auto& p : pictures_)
        any = p->Step() || any;
    return any;
}

TPictureItem* TPictureCollection::Add()
{
    return items_.emplace_back(std::make_unique<TPictureItem>()).get();
}

TPictureItem* TPictureCollection::Insert(int Index)
{
    const auto at = static_cast<std::size_t>(std::clamp(Index, 0, Count()));
    return items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::make_unique<TPictureItem>())->get();
}

void TPictureCollection::Delete(int Index)
{
    if (Index >= 0 && Index < Count())
        items_.erase(items_.begin() + Index);
}

bool TPictureCollection::Animate()
{
    bool any = false;
    for (const auto& item : items_)
        any = item->Picture()->Step() || any;
    return any;
}

THTMLPicture* TPictureContainer::FindPicture(const std::string& Name) const
{
    const std::string up = rtl::UpperCase(Name);
    for (int i = 0; i < items_.Count(); ++i)
        if (rtl::UpperCase(items_.Items(i)->Name) == up)
            return items_.Items(i)->Picture();
    return nullptr;
}

}  // namespace gx
