#pragma once
// A list of same-size images drawn by index.
#include "platform/ui/Component.h"
#include "platform/ui/Graphics.h"
#include <memory>
#include <vector>

namespace ui {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int w, int h);
    int Count() const { return static_cast<int>(images_.size()); }
    // Adds image (split into Width-wide pieces when wider); mask colour pixels become transparent.
    int Add(const TBitmap& image, const TBitmap* mask = nullptr);
    int AddMasked(const TBitmap& image, TColor maskColor);
    void Delete(int index);
    void Clear();
    // Draws an image; disabled images are drawn greyed.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    const TBitmap* Image(int index) const;

private:
    int width_ = 16;
    int height_ = 16;
    std::vector<std::unique_ptr<TBitmap>> images_;
};

}  // namespace ui
