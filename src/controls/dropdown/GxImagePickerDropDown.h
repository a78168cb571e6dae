#pragma once
// TGxImagePickerDropDown: one image picked from a list of image items (own pictures or images of
// the drop-down's image list, with optional captions). The edit draws the selected image; the
// window shows all images in an item selector of Columns columns. A click (or Enter on the hot
// image) selects and closes; with the window closed the arrows, Home, End, Page keys and the wheel
// step through the images, and typed letters find an image by its caption.
#include <memory>
#include <string>

#include "controls/dropdown/GxCollection.h"
#include "controls/dropdown/GxDropDown.h"
#include "controls/dropdown/GxItemAppearance.h"

namespace dropdown {

class TGxCustomItemSelector;

class TImageItem {
public:
    explicit TImageItem(TCollectionBase* Collection);
    void Assign(const TImageItem& Source);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    ui::TPicture* Image() const { return FImage.get(); }
    void SetImage(const ui::TPicture& Value) { FImage->Assign(Value); }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }

private:
    TCollectionBase* FCollection;
    std::string FCaption;
    int FImageIndex = -1;
    std::unique_ptr<ui::TPicture> FImage;
    std::string FHint;
    bool FEnabled = true;
};

using TImageItems = TItemCollection<TImageItem>;

class TGxImagePickerDropDown : public TGxCustomDropDown {
public:
    explicit TGxImagePickerDropDown(ui::TComponent* AOwner);
    ~TGxImagePickerDropDown() override;

    TImageItems* Items() { return &FItems; }
    void SetItems(const TImageItems& Value) { FItems.Assign(Value); }
    int ItemIndex() const { return FItemIndex; }
    // A new index below the item count: repaint, OnChange, then OnSelect.
    void SetItemIndex(int Value);
    // The selected item's image index (-1 without selection); setting selects the first item with
    // that image index, or none.
    int ImageIndex() const;
    void SetImageIndex(int Value);
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance* ItemAppearance() { return &FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(Value); }
    TGxCustomItemSelector* ItemSelector() const { return FItemSelector; }
    // The typed text of the running look-up.
    const std::string& CurSearch() const { return FCurSearch; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    // One item per image of the image list.
    void AddImagesFromImageList();
    // One item per file the mask (a path ending in a file mask) matches; a file that is no picture
    // gives an item with an empty picture and no caption.
    void AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption);

    void SetComponentStyle(gx::TGxStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void DoHideDropDown(bool Cancelled) override;
    void WndProc(ui::TMessage& Message) override;

    ui::TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedImage;
    TDrawItemEvent OnDrawItem;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void UpdateDropDownSize() override;
    void HandleMouseWheelDown() override;
    void HandleMouseWheelUp() override;
    void PaintEditContent(ui::TCanvas& Canvas) override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
    void UpdateSelector();
    void SelectorItemSelect();
    void SelectInSelector(int Target);
    void KeyTimerTick();

    TGxCustomItemSelector* FItemSelector = nullptr;
    TImageItems FItems;
    int FItemIndex = -1;
    int FOldItemIndex = -1;
    int FColumns = 1;
    TItemLayout FLayout = TItemLayout::ilCaptionRight;
    TItemAppearance FItemAppearance;
    bool FInternalCall = false;
    bool FKeyTimer = false;
    std::string FCurSearch;
};

}  // namespace dropdown
