#pragma once
// The items of the item selector: a mini-HTML caption with an image (its own picture or an image
// of the selector's image list) or a colour box.
#include <memory>
#include <string>

#include "controls/dropdown/GxCollection.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Graphics.h"

namespace dropdown {

class TSelectorItem {
public:
    explicit TSelectorItem(TCollectionBase* Collection);
    // Copies caption, colour and image index through their setters, the picture, the enabled flag
    // and the hint.
    void Assign(const TSelectorItem& Source);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    ui::TColor Color() const { return FColor; }
    void SetColor(ui::TColor Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // Drawn instead of the list image when it is not empty; setting copies the picture.
    ui::TPicture* Image() const { return FImage.get(); }
    void SetImage(const ui::TPicture& Value) { FImage->Assign(Value); }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    // A disabled item can be neither selected nor hot; its list image is drawn greyed.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    // The item's cell in panel coordinates, set by the layout; (-1, -1, -1, -1) before it.
    const ui::TRect& ItemRect() const { return FRect; }
    void SetItemRect(const ui::TRect& R) { FRect = R; }

private:
    TCollectionBase* FCollection;
    std::string FCaption;
    ui::TColor FColor = ui::clNone;
    int FImageIndex = -1;
    std::unique_ptr<ui::TPicture> FImage;
    std::string FHint;
    bool FEnabled = true;
    ui::TRect FRect{-1, -1, -1, -1};
};

using TSelectorItems = TItemCollection<TSelectorItem>;

}  // namespace dropdown
