#pragma once
// The Qt implementation of the framework's native layer.
#include "platform/ui/Backend.h"
#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

namespace ui::qt {

class QtDialogs;

class QtBackend : public IUiBackend {
public:
    QtBackend();
    ~QtBackend() override;

    TSize TextExtent(const TFont& font, const std::string& text) override;
    int FontHeight(const TFont& font) override;
    void DrawTextLine(const TRasterTarget& target, const TFont& font, int x, int y, const std::string& text,
                      bool opaque, TColor background) override;
    void DrawShape(const TRasterTarget& target, const TPen& pen, const TBrush& brush, int kind,
                   const std::vector<TPoint>& points, int rx, int ry) override;
    void DrawThemedPart(const TRasterTarget& target, TThemedPart part, unsigned state, const TRect& r) override;
    bool DecodeImage(const std::uint8_t* data, std::size_t size, TBitmap& into, std::string& reason) override;
    bool SavePng(const TBitmap& bitmap, const std::string& fileName) override;
    std::unique_ptr<IPdfDocument> CreatePdf(const std::string& fileName, double widthMm, double heightMm,
                                            const std::string& title) override;
    std::vector<std::string> PrinterNames() override;
    std::unique_ptr<IPdfDocument> CreatePrinterJob(const std::string& printerName, double widthMm, double heightMm,
                                                   const std::string& title) override;

    void ShowForm(TCustomForm* form) override;
    void HideForm(TCustomForm* form) override;
    void ControlChanged(TControl* control, TChangeAspect aspect) override;
    void ControlDestroyed(TControl* control) override;
    void InvalidateControl(TControl* control) override;
    void UpdateControl(TControl* control) override;
    void FocusControl(TWinControl* control) override;
    void SetCapture(TControl* control) override;
    void ProcessEvents(int maxWaitMs) override;
    bool GrabForm(TCustomForm* form, const std::string& fileName) override;
    TSize ScreenSize() override;
    TRect WorkArea() override;
    void ShowPopup(TPopupWindow* popup) override;
    void HidePopup(TPopupWindow* popup) override;
    void ShowOverlay(const void* key, const TBitmap& picture, TPoint screenPos,
                     const std::vector<TRect>& shape) override;
    void HideOverlay(const void* key) override;
    void ShowHint(const std::string& text, TPoint screenPos, int maxWidth) override;
    void SetScreenCursor(TCursor cursor) override;
    void Beep() override;
    int ShowPopupMenu(const std::vector<TMenuEntry>& items, TPoint screenPos) override;
    void RegisterCursor(TCursor index, const TBitmap& image, TPoint hotSpot) override;

    IDialogService* NativeDialogs() override;
    bool ClipboardText(std::string& text) override;
    void SetClipboardText(const std::string& text) override;
    bool ClipboardData(TDragData& data) override;
    bool SetClipboardData(const TDragData& data) override;
    unsigned StartDrag(TControl* source, const TDragData& data, unsigned okEffects, IDropSource* feedback) override;

    // The native widget of a control (nullptr when it has none).
    QWidget* WidgetOf(const TControl* control) const;
    QCursor CursorFor(TCursor cursor) const;

private:
    void BuildChildren(TWinControl* parent, QWidget* parentWidget);
    QWidget* CreateWidget(TControl* control, QWidget* parentWidget);
    void Sync(TControl* control, QWidget* widget, TChangeAspect aspect);
    void DestroyTree(TControl* control);

    std::map<const TControl*, QPointer<QWidget>> widgets_;
    std::map<TCursor, QCursor> cursors_;
    std::map<const void*, QPointer<QWidget>> overlays_;
    std::unique_ptr<QtDialogs> dialogs_;
    bool overrideCursor_ = false;
};

QtBackend& Instance();

}  // namespace ui::qt
