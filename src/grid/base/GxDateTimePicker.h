#pragma once
// The date and time picker with label: edits a date, a time, or both. For both it embeds a time
// picker at its right edge and keeps the two in step; with AutoTab the focus moves from the last
// date field into the time part. An attached caption label sits beside it as beside the flat
// combo box. The grid's date-and-time editor derives from it.

#include <memory>
#include <string>

#include "grid/base/GsgComboBox.h"
#include "grid/base/GsgDateTimePicker.h"
#include "platform/ui/ExtCtrls.h"

namespace gx {

enum class TGxDateTimeKind { dkDate, dkTime, dkDateTime };

class TGxDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TGxDateTimePicker(ui::TComponent* AOwner);
    ~TGxDateTimePicker() override;

    TGxDateTimeKind Kind() const { return FKind; }
    void SetKind(TGxDateTimeKind v);
    // The date with the time part's time.
    rtl::TDateTime DateTime() const;
    // Milliseconds are dropped; both parts show the value.
    virtual void SetDateTime(rtl::TDateTime v);
    rtl::TDateTime Date() const { return ui::TDateTimePicker::Date(); }
    // Keeps the current time.
    void SetDate(rtl::TDateTime v);
    rtl::TDateTime Time() const;
    void SetTime(rtl::TDateTime v);
    const std::string& TimeFormat() const { return FTimeFormat; }
    // The time part's format; for the time kind also the picker's own.
    void SetTimeFormat(const std::string& v);
    void SetAutoTab(bool v) override;
    void SetBorderStyle(ui::TBorderStyle v) override;
    bool SuppressFlatBorder() const override { return false; }
    std::string Version() const { return "1.2.0.0"; }
    void SetVersion(const std::string&) {}

    // The embedded time picker (only for dkDateTime), nullptr otherwise.
    TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

    // The caption label, as beside the flat combo box.
    const std::string& LabelCaption() const;
    void SetLabelCaption(const std::string& v);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition v);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int v);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool v);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool v);
    ui::TFont* LabelFont() { return FLabelFont.get(); }
    bool FocusLabel = false;
    ui::TLabel* PickerLabel() const { return FLabel; }

    ui::TNotifyEvent OnLabelClick;
    ui::TNotifyEvent OnLabelDblClick;
    // Fired after OnChange when the time part changed.
    ui::TNotifyEvent OnTimeChange;

    void SetParent(ui::TWinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetEnabled(bool v) override;
    void WndProc(ui::TMessage& message) override;
    void PaintControl(ui::TCanvas& canvas) override;

protected:
    void Loaded() override;
    void ApplySystemTime(bool valid, rtl::TDateTime value) override;
    void AutoTabField() override;
    void KeyPress(char32_t& key) override;
    void VisibleChanged() override;
    void ColorChanged() override;
    void FontChanged() override;
    void FocusIn() override;
    void FocusOut() override;
    void Notification(ui::TComponent* component, ui::TOperation operation) override;
    virtual void DoChange();
    virtual void DoClick();

private:
    void createTimePart();
    void updateTimePart();
    void placeLabel();

    TGxDateTimeKind FKind = TGxDateTimeKind::dkDateTime;
    ui::TTimer* FFocusTimer = nullptr;
    std::string FTimeFormat;
    int Fy = 0, Fm = 0, Fd = 0;
    ui::TLabel* FLabel = nullptr;
    std::unique_ptr<ui::TFont> FLabelFont;
    TLabelPosition FLabelPosition = TLabelPosition::lpLeftTop;
    int FLabelMargin = 4;
    bool FLabelTransparent = false;
    bool FLabelAlwaysEnabled = false;
    bool FParentFnt = false;
    bool FIgnoreTimePickerCheck = false;
    bool FFirstRun = true;
    bool FUpdating = false;
    TCustomDateTimePicker* FTimePicker = nullptr;
};

}  // namespace gx
