#pragma once
// TGxCustomDropDown: the base of every drop-down editor. A one-line edit with a label, a button at
// its right edge and a borderless window that opens below (or above) it and hosts the editor's
// control between optional header and footer bars. The edit's value may be typed (number, money,
// hexadecimal, range, character set kinds, with a fixed prefix and suffix) or picked in the window.
// Opening: Alt+Down, F4, the button, or a click when typing is off; closing: Alt+Up, F4, Enter
// (accepted), Escape or a click outside (cancelled: the value from the opening comes back).
#include <memory>
#include <string>

#include "controls/dropdown/GxBarAppearance.h"
#include "controls/dropdown/GxButtonAppearance.h"
#include "controls/dropdown/GxDropDownButton.h"
#include "controls/dropdown/GxDropDownTypes.h"
#include "grid/base/GxStyleIF.h"
#include "platform/ui/Mask.h"

namespace ui {
class TImageList;
class TLabel;
}  // namespace ui

namespace dropdown {

class TDropDownForm;

class TGxCustomDropDown : public ui::TMaskEdit,
                          public gx::IGxStyle,
                          public gx::IGxTones,
                          public IDropDownCloser,
                          public IDropDownButtonHost {
public:
    explicit TGxCustomDropDown(ui::TComponent* AOwner);
    ~TGxCustomDropDown() override;

    // --- the window ---
    int DropDownWidth() const { return FDropDownWidth; }
    // A change forgets the width the user gave the window.
    void SetDropDownWidth(int Value);
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int Value);
    int DropDownBorderWidth() const { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int Value) { FDropDownBorderWidth = Value; }
    ui::TColor DropDownBorderColor() const { return FDropDownBorderColor; }
    void SetDropDownBorderColor(ui::TColor Value) { FDropDownBorderColor = Value; }
    ui::TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(ui::TColor Value) { FDropDownColor = Value; }
    ui::TColor DropDownColorTo() const { return FDropDownColorTo; }
    void SetDropDownColorTo(ui::TColor Value) { FDropDownColorTo = Value; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection Value) { FDropDownGradient = Value; }
    bool DropDownShadow() const { return FDropDownShadow; }
    void SetDropDownShadow(bool Value) { FDropDownShadow = Value; }
    bool ForceShadow() const { return FForceShadow; }
    void SetForceShadow(bool Value) { FForceShadow = Value; }
    bool DropDownSizeable() const { return FDropDownSizeable; }
    void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
    TDropPosition DropPosition() const { return FDropPosition; }
    void SetDropPosition(TDropPosition Value) { FDropPosition = Value; }
    THeaderAppearance* DropDownHeader() { return FDropDownHeader.get(); }
    void SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader->Assign(Value); }
    TFooterAppearance* DropDownFooter() { return FDropDownFooter.get(); }
    void SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter->Assign(Value); }
    TGxButtonAppearance* ButtonAppearance() { return FButtonAppearance.get(); }
    void SetButtonAppearance(const TGxButtonAppearance& Value) { FButtonAppearance->Assign(Value); }
    ui::TImageList* Images() const { return FImages; }
    void SetImages(ui::TImageList* Value);
    // The control hosted in the window and the control that takes the focus when it opens.
    ui::TControl* Control() const { return FControl; }
    void SetControl(ui::TControl* Value);
    ui::TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(ui::TWinControl* Value);
    TDropDownForm* DropDownForm() const { return FDropDownForm; }
    bool DroppedDown() const { return FDroppedDown; }
    // The window's size as the user left it (-1: none).
    int UserWidth() const { return FUserWidth; }
    int UserHeight() const { return FUserHeight; }
    // Windows of a fixed size forget the size the user left.
    void ForgetUserSize()
    {
        FUserWidth = -1;
        FUserHeight = -1;
    }

    // --- the button ---
    TDropDownEditButton* Button() const { return FButton; }
    int DropDownButtonWidth() const { return FDropDownButtonWidth; }
    void SetDropDownButtonWidth(int Value);
    const std::string& DropDownButtonHint() const { return FDropDownButtonHint; }
    void SetDropDownButtonHint(const std::string& Value);
    ui::TBitmap* DropDownButtonGlyph() const;
    void SetDropDownButtonGlyph(const ui::TBitmap* Value);
    std::string DropDownButtonCaption() const;
    void SetDropDownButtonCaption(const std::string& Value);

    // --- the edit ---
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    std::string Version() const;
    virtual unsigned GetVersionNr() const { return 0x01020104; }
    ui::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(ui::TColor Value);
    ui::TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(ui::TColor Value) { FFocusBorderColor = Value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value) { FEtched = Value; }
    bool FocusDraw() const { return FFocusDraw; }
    void SetFocusDraw(bool Value) { FFocusDraw = Value; }
    bool DefaultHandling() const { return FDefaultHandling; }
    void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool Value) { FCanUndo = Value; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void SetDropDownEnabled(bool Value) { FDropDownEnabled = Value; }
    // The rectangle the text keeps to (clear of the button).
    const ui::TRect& GetEditRect() const { return FEditRect; }

    // --- the label ---
    std::string LabelCaption() const;
    void SetLabelCaption(const std::string& Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value) { FLabelAlwaysEnabled = Value; }
    ui::TFont* LabelFont() { return &FLabelFont; }
    void SetLabelFont(const ui::TFont& Value);
    ui::TLabel* EditLabel() const { return FLabel; }

    // --- looks ---
    ui::TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(ui::TColor Value) { FSelectionColor = Value; }
    ui::TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(ui::TColor Value) { FSelectionColorTo = Value; }
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
    virtual void DrawSelectionBackground(ui::TCanvas& Canvas, const ui::TRect& Rect, int Position,
                                         ui::TColor BackColor);
    virtual void DrawGradientBackground(ui::TCanvas& Canvas, ui::TColor Color, ui::TColor ColorTo,
                                        TGradientDirection Direction, const ui::TRect& Rect, int Steps);
    void SetComponentStyle(gx::TGxStyle AStyle) override;
    gx::TGxStyle GetComponentStyle() const { return FStyle; }
    void SetColorTones(const gx::TColorTones& ATones) override;
    // Stored values read back without applying their colours (as a loaded control does).
    void LoadStreamedStyles(TSelectionColorStyle SelectionStyle, gx::TGxStyle Style);
    // Copies the settings of another drop-down (not its text).
    void Assign(const TGxCustomDropDown& Source);

    // --- typed entry ---
    TDropDownEditType EditType() const { return FEditType; }
    void SetEditType(TDropDownEditType Value);
    const std::string& Prefix() const { return FPrefix; }
    void SetPrefix(const std::string& Value) { FPrefix = Value; }
    const std::string& Suffix() const { return FSuffix; }
    void SetSuffix(const std::string& Value) { FSuffix = Value; }
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value);
    const std::string& ValidChars() const { return FValidChars; }
    void SetValidChars(const std::string& Value) { FValidChars = Value; }
    bool Signed() const { return FSigned; }
    void SetSigned(bool Value) { FSigned = Value; }
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int Value) { FLengthLimit = Value; }
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool Value) { FAllowNumericNullValue = Value; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool Value) { FAutoThousandSeparator = Value; }

    // The value: the raw text without prefix and suffix.
    const std::string& Text() const override;
    // Writes the value formatted for the edit type between prefix and suffix; it becomes the old
    // text a cancelled drop-down restores.
    void SetText(const std::string& Value) override;
    // The raw text as the edit shows it (prefix, value, suffix).
    const std::string& RawText() const { return ui::TMaskEdit::Text(); }
    // Writes the raw text unchanged.
    void SetTextDirect(const std::string& S);
    const std::string& OldText() const { return FOldText; }
    double FloatValue() const { return GetFloatValue(); }
    double GetFloatValue() const;
    void SetFloatValue(double X);
    void SetIntValue(long long N);
    bool IsModified() const { return FIsModified; }
    void SetIsModified(bool Value);
    void SelectAll();
    void SelectBeforeDecimal();
    void SelectAfterDecimal();

    // --- opening and closing ---
    void ShowDropDown() { DoShowDropDown(); }
    void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
    virtual void DoShowDropDown();
    void DoHideDropDown(bool Cancelled) override;

    void WndProc(ui::TMessage& Message) override;
    // The label follows the edit.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(ui::TWinControl* AParent) override;

    // IDropDownButtonHost
    ui::TColor ButtonBorderColor() const override { return FBorderColor; }
    bool ButtonActive() const override { return Enabled() && !ReadOnly(); }
    const ui::TFont* ButtonFont() const override { return Font(); }

    ui::TNotifyEvent OnBeforeDropDown;
    TDropDownEvent OnDropDown;
    ui::TNotifyEvent OnBeforeDropUp;
    TDropUpEvent OnDropUp;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;
    ui::TNotifyEvent OnLabelClick;
    ui::TNotifyEvent OnLabelDblClick;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardPaste;

protected:
    // Steps of the window road that editors override (GxDropDownWindow.cpp).
    virtual void CreateDropDownForm();
    virtual void CreateDropDownButton();
    virtual void UpdateDropDownButton();
    virtual void DoBeforeDropDown();
    virtual void AdjustDropDownHeight(int& Height);
    virtual void FocusDropDownControl();
    virtual void PlaceDropDownControl();
    virtual void UpdateDropDownSize();
    virtual void DropDownFormHide();
    virtual void DropDownFormDestroy() {}
    virtual void DropDownFormMouseWheelDown() { HandleMouseWheelDown(); }
    virtual void DropDownFormMouseWheelUp() { HandleMouseWheelUp(); }
    virtual void DropDownFormKeyPress(char32_t& Key);
    virtual void DropDownFormKeyDown(unsigned& Key, ui::TShiftState Shift);
    virtual void DropDownFormKeyUp(unsigned& Key, ui::TShiftState Shift);
    virtual void ControlKeyDown(unsigned& Key, ui::TShiftState Shift);
    virtual void ControlKeyUp(unsigned& Key, ui::TShiftState Shift);
    virtual void ControlKeyPress(char32_t& Key);
    virtual void DropDownFormSizing() {}
    virtual void HandleMouseWheelDown() {}
    virtual void HandleMouseWheelUp() {}
    virtual void LabelClick();
    virtual void LabelDblClick();
    virtual void PaintFocusedText(ui::TCanvas& Canvas);
    // Characters of the prefix and of the value.
    int PrefixLength() const;
    int ValueLength() const;
    // The edit's own handling of a character the typed entry let through (OnKeyPress, then the
    // character typed); descendants may look at it first.
    virtual void EditKeyPress(char32_t& Key) { ui::TMaskEdit::KeyPress(Key); }
    // The size the hosted control asks the window for (it fills the window, which changes its own
    // size; the editors that compute it give it here before the window is sized).
    void SetControlSize(ui::TSize Size) { FControlSize = Size; }
    // Drawn into the edit after its text and frame (the image picker shows its image there).
    virtual void PaintEditContent(ui::TCanvas& /*Canvas*/) {}
    virtual void UpdateEditRect();
    virtual void ResizeControl();

    void Loaded() override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(ui::TShiftState Shift, int WheelDelta, ui::TPoint MousePos) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    void FocusIn() override;
    void FocusOut() override;
    void ClientSizeChanged(int OldClientWidth, int OldClientHeight) override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void FontChanged() override;
    unsigned WantKeys() const override;
    void PaintControl(ui::TCanvas& Canvas) override;
    void Change() override;
    // The character index of the raw text under a client x position.
    int CharFromPos(int X) const;
    // Runs when the button is clicked or the edit clicked with typing off: opens the window unless
    // it closed less than 250 ms ago.
    void ShowOnClick();

    TDropDownForm* FDropDownForm = nullptr;
    bool FDroppedDown = false;

private:
    friend class TDropDownForm;
    // Typed entry (GxDropDownEntry.cpp).
    bool CaretKeyRules(unsigned& Key, ui::TShiftState Shift);
    void TypedChar(char32_t& Key);
    bool NumberCharRules(char32_t& C);
    void ToggleSign(bool WholeSelectionResets);
    void FormatMoney();
    void Cut();
    void Copy();
    void Paste();
    void AfterMouseUpCaret();
    void NormaliseOnExit();
    double EditTextToFloat(const std::string& S) const;
    bool SeparatorTooClose(const std::string& V, int Caret) const;
    bool DecimalsFull(const std::string& V, int Caret) const;
    int IntegerLength(const std::string& S) const;
    int DecimalPosition() const;
    bool IsAllowedMinus(char32_t C) const;
    bool IsNumberType() const;
    void SetRawText(const std::string& Raw, int Caret);
    void NoteNativeModified();
    // The edit and its frame (GxDropDown.cpp).
    void UpdateLabel();
    void DrawBorders(ui::TCanvas& Canvas);
    int MinimumHeight();
    void HeaderChanged();
    void FooterChanged();
    // Rebuilds the open window's header and footer (GxDropDownWindow.cpp).
    void RefreshDropDownBars();
    // Whether the window closed less than 250 ms ago (a click that closed it must not reopen it).
    bool DropDownClosedRecently() const;

    int FDropDownWidth = 0;
    int FDropDownHeight = 0;
    int FDropDownBorderWidth = 1;
    ui::TColor FDropDownBorderColor = 0;
    ui::TColor FDropDownColor = 0xFFFFFF;
    ui::TColor FDropDownColorTo = ui::clNone;
    TGradientDirection FDropDownGradient = TGradientDirection::gdHorizontal;
    bool FDropDownShadow = true;
    bool FForceShadow = false;
    bool FDropDownSizeable = true;
    TDropPosition FDropPosition = TDropPosition::dpAuto;
    int FDropDownButtonWidth = 17;
    std::string FDropDownButtonHint;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    std::unique_ptr<TGxButtonAppearance> FButtonAppearance;
    ui::TImageList* FImages = nullptr;
    ui::TControl* FControl = nullptr;
    ui::TSize FControlSize{-1, -1};  // the hosted control's own size before the window aligned it
    ui::TWinControl* FFocusControl = nullptr;
    TDropDownEditButton* FButton = nullptr;
    bool FEditorEnabled = true;
    ui::TColor FBorderColor = ui::clNone;
    ui::TColor FFocusBorderColor = ui::clNone;
    bool FDisabledBorder = true;
    bool FFlat = false;
    bool FEtched = false;
    bool FFocusDraw = true;
    bool FDefaultHandling = true;
    bool FCanUndo = true;
    bool FReturnIsTab = false;
    bool FDropDownEnabled = false;
    ui::TLabel* FLabel = nullptr;
    TLabelPosition FLabelPosition = TLabelPosition::lpLeftTop;
    int FLabelMargin = 4;
    bool FLabelTransparent = false;
    bool FLabelAlwaysEnabled = false;
    ui::TFont FLabelFont;
    bool FParentFontAtLoad = false;
    ui::TColor FSelectionColor = 0xD7FFFD;
    ui::TColor FSelectionColorTo = 0x58D4FC;
    TSelectionColorStyle FSelectionColorStyle = TSelectionColorStyle::scOffice2007;
    gx::TGxStyle FStyle = gx::TGxStyle::tsOffice2007Luna;
    int FUserWidth = -1;
    int FUserHeight = -1;
    std::string FOldText;
    bool FMouseInControl = false;
    bool FPressInsideSelection = false;
    bool FChangeBlock = false;
    bool FIsModified = false;
    bool FCopyBlocked = false;
    bool FKeypadDecimal = false;  // the last key down was the numeric keypad's decimal key
    ui::TRect FEditRect;
    TDropDownEditType FEditType = TDropDownEditType::etString;
    std::string FPrefix;
    std::string FSuffix;
    int FPrecision = 0;
    std::string FValidChars;
    bool FSigned = false;
    int FLengthLimit = 0;
    bool FAllowNumericNullValue = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FAutoThousandSeparator = true;
    mutable std::string FValueCache;
};

}  // namespace dropdown
