#pragma once
// The picture store of HTML cell texts: THTMLPicture keeps the raw bytes of a picture file,
// decodes its current frame (GIF animations frame by frame) and draws it; THTMLPictureCache holds
// the pictures the grid loaded by URL; TPictureContainer holds named pictures the application
// adds. Pictures from "RES://" URLs come from the program's resource module.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Streams.h"
#include "platform/ui/Component.h"
#include "platform/ui/Graphics.h"

namespace gx {

// Named binary resources of a program module: what "RES://" pictures and LoadFromResourceName
// read. Names compare in any letter case; a resource with a number n is named "#n".
class TResourceModule {
public:
    void Add(const std::string& Name, std::vector<std::uint8_t> Data);
    const std::vector<std::uint8_t>* Find(const std::string& Name) const;

private:
    std::map<std::string, std::vector<std::uint8_t>> resources_;  // by upper-case name
};

// The program's own module.
TResourceModule& HInstance();

using TDownLoadProgressEvent = std::function<void(ui::TObject* Sender, std::uint32_t dwSize, std::uint32_t dwTotSize)>;
using TDownLoadCancelEvent = std::function<void(ui::TObject* Sender, bool& Cancel)>;
using TDownLoadErrorEvent = std::function<void(ui::TObject* Sender, const std::string& err)>;

class THTMLPicture : public ui::TGraphic {
public:
    THTMLPicture();
    ~THTMLPicture() override;

    // Copies the data of another picture and decodes it; no source clears the data; any other kind
    // of graphic leaves the picture empty.
    void Assign(const ui::TGraphic* Source);

    int Width() const override;
    int Height() const override;
    bool Empty() const override { return isEmpty_; }
    // Nothing when empty or undecoded; the whole rectangle when Stretch, else the picture's own
    // size at the rectangle's top-left.
    void Draw(ui::TCanvas& Canvas, const ui::TRect& Rect) const override;

    // Never raises: a picture that cannot be read or decoded stays empty.
    void LoadFromFile(const std::string& FileName) override;
    void SaveToFile(const std::string& FileName) const override;
    // Nothing for no stream; decoding errors raise rtl::Exception.
    void LoadFromStream(rtl::TStream* Stream);
    void SaveToStream(rtl::TStream& Stream) const;
    // The streamed form: the file's bytes as they are (reading fires no OnChange).
    void ReadData(rtl::TStream& Stream);
    void WriteData(rtl::TStream& Stream) const { SaveToStream(Stream); }
    // Nothing when the module has no such resource.
    void LoadFromResourceName(const TResourceModule& Instance, const std::string& ResName);
    // Raises rtl::Exception "Resource <n> not found" for a missing resource.
    void LoadFromResourceID(const TResourceModule& Instance, int ResID);
    // "RES://name" and "FILE://path" load (the path keeps its letter case); other URLs are not
    // downloaded.
    void LoadFromURL(const std::string& URL);

    int GetMaxWidth() const;
    int GetMaxHeight() const;

    bool IsGIF() const;
    // Number of GIF frames (counted once); -1 for a picture that is not a GIF.
    int FrameCount();
    // Delay of frame i in hundredths of a second; -1 when not a GIF or no such frame.
    int GetFrameTime(int i) const;
    int Frame() const { return frame_; }
    void SetFrame(int Value);
    void FrameNext();
    void FramePrev();
    // One animation tick (10 ms of GIF delay); true when the next frame was shown.
    bool Step();

    int FrameXPos() const { return frameXPos_; }
    int FrameYPos() const { return frameYPos_; }
    int FrameXSize() const { return frameXSize_; }
    int FrameYSize() const { return frameYSize_; }

    bool Stretch = false;
    bool Asynch = true;  // other URLs would load on a thread
    int LogPixX = 96;
    int LogPixY = 96;
    bool IsDB = false;
    const std::string& URL() const { return url_; }
    const std::string& ID() const { return id_; }
    bool ThreadBusy() const { return threadBusy_; }
    const rtl::TMemoryStream& DataStream() const { return data_; }

    ui::TNotifyEvent OnFrameChange;
    // Declared for callers that assign them; no download ever fires them.
    TDownLoadProgressEvent OnDownLoadProgress;
    TDownLoadCancelEvent OnDownLoadCancel;
    ui::TNotifyEvent OnDownLoadComplete;
    TDownLoadErrorEvent OnDownLoadError;

private:
    void Reset();
    // Decodes the current frame; raises rtl::Exception with the decoder's message.
    void LoadPicture();
    // Positions of the GIF frame markers in the data.
    std::vector<std::size_t> FrameMarkers() const;
    void LoadBytes(const std::uint8_t* data, std::size_t size, bool notify);

    rtl::TMemoryStream data_;
    bool isEmpty_ = true;
    std::unique_ptr<ui::TBitmap> picture_;  // the decoded current frame
    std::string url_, id_;
    bool threadBusy_ = false;
    int frame_ = 1;
    int frameCount_ = -1;
    int frameXPos_ = 0, frameYPos_ = 0, frameXSize_ = 0, frameYSize_ = 0;
    int animMaxX_ = 0, animMaxY_ = 0;
    int nextCount_ = -1, timerCount_ = -1;
};

// Pictures the grid loaded by URL, owned.
class THTMLPictureCache {
public:
    THTMLPictureCache() = default;
    THTMLPictureCache(const THTMLPictureCache&) = delete;
    THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;

    THTMLPicture* AddPicture();
    // The first picture whose ID equals ID exactly; nullptr when absent.
    THTMLPicture* FindPicture(const std::string& ID) const;
    int Count() const { return static_cast<int>(pictures_.size()); }
    THTMLPicture* Pictures(int Index) const { return pictures_.at(static_cast<std::size_t>(Index)).get(); }
    // Takes ownership of Value, freeing the picture it replaces.
    void SetPictures(int Index, THTMLPicture* Value);
    void ClearPictures() { pictures_.clear(); }
    // One animation tick for every picture; true when any showed its next frame.
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> pictures_;
};

class TPictureContainer;

class TPictureItem {
public:
    THTMLPicture* Picture() const { return picture_.get(); }
    // Copies the picture's data.
    void SetPicture(const THTMLPicture* Value) { picture_->Assign(Value); }
    std::string Name;
    int Tag = 0;

private:
    std::unique_ptr<THTMLPicture> picture_ = std::make_unique<THTMLPicture>();
};

class TPictureCollection {
public:
    explicit TPictureCollection(TPictureContainer* Owner) : owner_(Owner) {}
    TPictureItem* Add();
    TPictureItem* Insert(int Index);
    int Count() const { return static_cast<int>(items_.size()); }
    TPictureItem* Items(int Index) const { return items_.at(static_cast<std::size_t>(Index)).get(); }
    void Delete(int Index);
    bool Animate();
    TPictureContainer* GetOwner() const { return owner_; }

private:
    TPictureContainer* owner_;
    std::vector<std::unique_ptr<TPictureItem>> items_;
};

class TPictureContainer : public ui::TComponent {
public:
    explicit TPictureContainer(ui::TComponent* AOwner) : ui::TComponent(AOwner), items_(this) {}

    TPictureCollection& Items() { return items_; }
    const TPictureCollection& Items() const { return items_; }
    // The picture of the first item whose name equals Name, both compared in upper case.
    virtual THTMLPicture* FindPicture(const std::string& Name) const;

private:
    TPictureCollection items_;
};

}  // namespace gx
