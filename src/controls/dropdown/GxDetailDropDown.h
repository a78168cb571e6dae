#pragma once
// TGxDetailDropDown: a choice from a list of detail items (image, caption and mini-HTML notes under
// it). The edit shows the selected caption; typing completes the text with the first caption that
// starts with what was typed; keys, the wheel and typed letters move the selection.
#include <memory>
#include <string>

#include "controls/dropdown/GxCollection.h"
#include "controls/dropdown/GxDropDown.h"
#include "controls/dropdown/GxItemAppearance.h"

namespace dropdown {

class TGxCustomItemSelector;

class TDetailItem {
public:
    explicit TDetailItem(TCollectionBase* Collection);
    void Assign(const TDetailItem& Source);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    ui::TPicture* Image() const { return FImage.get(); }
    void SetImage(const ui::TPicture& Value) { FImage->Assign(Value); }
    const std::string& Notes() const { return FNotes; }
    void SetNotes(const std::string& Value) { FNotes = Value; }
    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t Value) { FTag = Value; }
    ui::TObject* ItemObject() const { return FItemObject; }
    void SetItemObject(ui::TObject* Value) { FItemObject = Value; }

private:
    TCollectionBase* FCollection;
    std::string FCaption;
    int FImageIndex = -1;
    std::unique_ptr<ui::TPicture> FImage;
    std::string FNotes;
    std::intptr_t FTag = 0;
    ui::TObject* FItemObject = nullptr;
};

class TDetailItems : public TItemCollection<TDetailItem> {
public:
    // The first item whose caption is exactly Value, else -1.
    int IndexOf(const std::string& Value) const;
};

class TGxDetailDropDown : public TGxCustomDropDown {
public:
    explicit TGxDetailDropDown(ui::TComponent* AOwner);
    ~TGxDetailDropDown() override;

    TDetailItems* Items() { return &FItems; }
    void SetItems(const TDetailItems& Value) { FItems.Assign(Value); }
    int ItemIndex() const { return FItemIndex; }
    // Selects an item (its caption becomes the text, all selected; OnSelect), or -1 clears the text.
    void SetItemIndex(int Value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance* ItemAppearance() { return &FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(Value); }
    ui::TFont* CaptionFont() { return &FCaptionFont; }
    void SetCaptionFont(const ui::TFont& Value) { FCaptionFont.Assign(Value); }
    ui::TFont* NotesFont() { return &FNotesFont; }
    void SetNotesFont(const ui::TFont& Value) { FNotesFont.Assign(Value); }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    TGxCustomItemSelector* ItemSelector() const { return FItemSelector; }
    const std::string& CurSearch() const { return FCurSearch; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    void SetComponentStyle(gx::TGxStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void DoHideDropDown(bool Cancelled) override;
    void WndProc(ui::TMessage& Message) override;

    ui::TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedImage;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void UpdateDropDownSize() override;
    void DropDownFormSizing() override;
    void HandleMouseWheelDown() override;
    void HandleMouseWheelUp() override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void KeyUp(unsigned& Key, ui::TShiftState Shift) override;
    void Change() override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
    void PrepareSelector();
    void SelectorItemSelect();
    void ShowInOpenList(int Index);
    void MoveSelector(int Target);
    void DrawSelectorItem(ui::TCanvas& Canvas, ui::TRect R, int Index);
    void MeasureSelectorItem(ui::TSize& Size);
    std::string MatchCaseText(const std::string& S) const;
    bool TableKey(unsigned Key, ui::TShiftState Shift);
    void HandleKeyDown(unsigned& Key, ui::TShiftState Shift);
    void KeyTimerTick();

    TDetailItems FItems;
    int FItemIndex = -1;
    int FItemHeight = 22;
    TItemLayout FLayout = TItemLayout::ilCaptionRight;
    TItemAppearance FItemAppearance;
    ui::TFont FCaptionFont;
    ui::TFont FNotesFont;
    bool FMatchCase = false;
    TGxCustomItemSelector* FItemSelector = nullptr;
    bool FInternalCall = false;
    bool FFollowing = false;
    bool FKeyTimer = false;
    std::string FCurSearch;
    int FOldItemIndex = -1;
    bool FWorkMode = true;
    bool FCompleted = false;
    bool FCompleting = false;
    int FCompletedIndex = -1;
    int FCompletedLength = 0;
};

}  // namespace dropdown
