#pragma once
// The header and footer bars of the drop-down window: background, border, image and mini-HTML
// caption from a copy of the drop-down's appearance, a row of bar buttons built from the
// drop-down's button collection, and (footer) a size grip for the window.
#include <string>
#include <vector>

#include "controls/dropdown/GxBarAppearance.h"
#include "controls/dropdown/GxDropDownTypes.h"
#include "platform/ui/Controls.h"

namespace ui {
class TImageList;
}

namespace dropdown {

class TGxButton;
class TGxCustomDropDown;

// A list of references whose reads and writes are checked against Count.
class TDbgList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    void Add(void* Item) { items_.push_back(Item); }
    void Clear() { items_.clear(); }
    // "Index out of bounds in list read access" / "... write access" for an index not below Count.
    void* GetItemsEx(int Index) const;
    void SetItemsEx(int Index, void* Value);
    void AssignList(const TDbgList& List) { items_ = List.items_; }
    void RemoveLast() { items_.pop_back(); }

private:
    std::vector<void*> items_;
};

// What the header and the footer share; the footer adds the size grip.
class TGxBar : public ui::TCustomControl {
public:
    TGxBar(ui::TComponent* AOwner, bool Footer);
    ~TGxBar() override;

    ui::TImageList* Images() const { return FImages; }
    void SetImages(ui::TImageList* Value);
    TGxCustomDropDown* GxDropDown() const { return FGxDropDown; }
    // Attaches the bar: its images and a copy of the drop-down's header or footer appearance.
    void SetGxDropDown(TGxCustomDropDown* DropDown);
    void RebuildButtons();
    virtual void BuildButtons();
    virtual void ClearButtons();
    virtual void ArrangeButtons();
    virtual void UpdateButtons();
    ui::TRect GetButtonArea() const;
    int GetButtonAreaHeight() const { return GetButtonArea().Height(); }
    // The button area up to 2 pixels left of the last button, or (-1, -1, -1, -1) without buttons.
    ui::TRect GetCaptionRect() const;
    int ButtonCount() const { return FButtonList.Count(); }
    TGxButton* Buttons(int Index) const;
    // The size grip shows: a footer whose appearance asks for it on a sizeable drop-down.
    bool HasSizeGrip() const;

    TDrawBackGroundEvent OnDrawBackGround;
    TGetTextEvent OnGetText;

protected:
    void Paint() override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;
    void ClientSizeChanged(int OldClientWidth, int OldClientHeight) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

    // The appearance copy as the settings both kinds share.
    virtual TBarAppearanceFields Fields() const = 0;
    virtual void CopyAppearance(TGxCustomDropDown& DropDown) = 0;
    virtual int ItemCount() const = 0;
    virtual void ItemLook(int Index, std::string& Caption, int& ImageIndex, bool& Enabled, int& Width, int& Height,
                          ui::TModalResult& Result) const = 0;
    virtual void AppearanceVisibilityChanged(bool Visible, int Height);

private:
    void ButtonClick(ui::TObject* Sender);
    void DrawSizeGrip(ui::TCanvas& C, const ui::TRect& G, ui::TColor Border);
    bool InGrip(int X, int Y) const;

    bool FFooter;
    ui::TImageList* FImages = nullptr;
    TGxCustomDropDown* FGxDropDown = nullptr;
    TDbgList FButtonList;
    ui::TCursor FOldCursor = ui::crDefault;
};

class TGxHeader : public TGxBar {
public:
    explicit TGxHeader(ui::TComponent* AOwner);
    THeaderAppearance* Appearance() { return &FAppearance; }
    void SetAppearance(const THeaderAppearance& Value) { FAppearance.Assign(Value); }

protected:
    TBarAppearanceFields Fields() const override;
    void CopyAppearance(TGxCustomDropDown& DropDown) override;
    int ItemCount() const override;
    void ItemLook(int Index, std::string& Caption, int& ImageIndex, bool& Enabled, int& Width, int& Height,
                  ui::TModalResult& Result) const override;

private:
    THeaderAppearance FAppearance;
};

class TGxFooter : public TGxBar {
public:
    explicit TGxFooter(ui::TComponent* AOwner);
    TFooterAppearance* Appearance() { return &FAppearance; }
    void SetAppearance(const TFooterAppearance& Value) { FAppearance.Assign(Value); }

protected:
    TBarAppearanceFields Fields() const override;
    void CopyAppearance(TGxCustomDropDown& DropDown) override;
    int ItemCount() const override;
    void ItemLook(int Index, std::string& Caption, int& ImageIndex, bool& Enabled, int& Width, int& Height,
                  ui::TModalResult& Result) const override;

private:
    TFooterAppearance FAppearance;
};

}  // namespace dropdown
