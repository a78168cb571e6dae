#pragma once
// The native layer under the framework. platform_ui draws simple figures itself; text, curves,
// picture decoding, native windows and dialogs come from the backend (the Qt library registers
// one when it is linked in). Without a backend everything runs headless: text is measured with a
// fixed-pitch estimate and not drawn, dialogs answer with their defaults.
#include "platform/ui/Controls.h"
#include "platform/ui/Dialogs.h"
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class TCustomForm;
class TDragData;
class IDropSource;
class TPopupWindow;

class TPageSurface;

// A draw request on a bitmap, or on a page surface: device clip region (empty = whole bitmap) and
// the canvas state.
struct TRasterTarget {
    TBitmap* Bitmap = nullptr;
    TPageSurface* Surface = nullptr;
    std::vector<TRect> Clip;  // device coordinates; union of rects; empty = no clip
    bool Clipped = false;
};

// A page drawn as figures, text and pictures rather than pixels (a page of a PDF file or of a print
// job), in dots of the page. The canvas hands it what it would raster on a bitmap; text, curves and
// themed parts reach it through the backend's drawing calls with the surface as their target.
// Colours are bitmap pixels (0xAARRGGBB); every call takes the target's clip.
class TPageSurface {
public:
    virtual ~TPageSurface() = default;
    virtual TSize Size() const = 0;
    // Fills r, its right and bottom edges excluded.
    virtual void FillRect(const TRasterTarget& target, const TRect& r, std::uint32_t pixel) = 0;
    // A line of the pen from `from` towards `to`, the end point excluded.
    virtual void Line(const TRasterTarget& target, TPoint from, TPoint to, const TPen& pen) = 0;
    // The part `part` of the picture stretched over dest; with `transparent` the pixels of the colour
    // `key` are left out, and a picture with an alpha channel is blended.
    virtual void Picture(const TRasterTarget& target, const TRect& dest, const TBitmap& picture, const TRect& part,
                         bool transparent, std::uint32_t key) = 0;
};

class IUiBackend {
public:
    virtual ~IUiBackend() = default;

    // Text.
    virtual TSize TextExtent(const TFont& font, const std::string& text) = 0;
    virtual int FontHeight(const TFont& font) = 0;  // line height in pixels
    // Draws one line of text with its top-left at device (x,y); background filled when opaque.
    virtual void DrawTextLine(const TRasterTarget& target, const TFont& font, int x, int y, const std::string& text,
                              bool opaque, TColor background) = 0;

    // Curves and areas the canvas does not raster itself.
    virtual void DrawShape(const TRasterTarget& target, const TPen& pen, const TBrush& brush, int kind,
                           const std::vector<TPoint>& points, int rx, int ry) = 0;
    virtual void DrawThemedPart(const TRasterTarget& target, TThemedPart part, unsigned state, const TRect& r) = 0;

    // Pictures: decodes PNG/BMP/other formats the backend knows; false with the reason when it
    // cannot or the picture is larger than kMaxPictureSide on a side (refused before decoding).
    virtual bool DecodeImage(const std::uint8_t* data, std::size_t size, TBitmap& into, std::string& reason) = 0;
    virtual bool SavePng(const TBitmap& bitmap, const std::string& fileName) = 0;

    // Native windows.
    virtual void ShowForm(TCustomForm* form) = 0;
    virtual void HideForm(TCustomForm* form) = 0;
    virtual void ControlChanged(TControl* control, TChangeAspect aspect) = 0;
    virtual void ControlDestroyed(TControl* control) = 0;
    virtual void InvalidateControl(TControl* control) = 0;
    // Paints the invalid part of a control's native window now. Only painting happens here: input
    // and other queued events keep waiting for the message loop, so a control that repaints
    // itself inside its own mouse or focus handling never sees later input before earlier input.
    virtual void UpdateControl(TControl* /*control*/) {}
    virtual void FocusControl(TWinControl* control) = 0;
    virtual void SetCapture(TControl* control) = 0;
    // Handles pending native events, waiting at most maxWaitMs when there are none.
    virtual void ProcessEvents(int maxWaitMs) = 0;
    // Renders a shown form's native window into a PNG file.
    virtual bool GrabForm(TCustomForm* form, const std::string& fileName) = 0;
    virtual TSize ScreenSize() = 0;
    // The part of the screen windows may use (without task bars and docks).
    virtual TRect WorkArea()
    {
        TSize s = ScreenSize();
        return {0, 0, s.cx, s.cy};
    }
    // A popup opens or closes: a borderless top-level window at the popup's bounds (screen
    // coordinates), above the window of the form it belongs to, which keeps the activation. Only
    // a popup whose form has a native window gets one.
    virtual void ShowPopup(TPopupWindow* /*popup*/) {}
    virtual void HidePopup(TPopupWindow* /*popup*/) {}
    // An overlay: a top-level window showing a picture (32-bit, premultiplied alpha) at a screen
    // point, above the other windows, taking neither input nor the focus; shape (picture
    // coordinates, empty for all of it) is the part of the window that exists. Showing the same
    // key again moves and repaints it.
    virtual void ShowOverlay(const void* /*key*/, const TBitmap& /*picture*/, TPoint /*screenPos*/,
                             const std::vector<TRect>& /*shape*/)
    {}
    virtual void HideOverlay(const void* /*key*/) {}
    // Shows a hint window with text at a screen point (empty text hides it).
    virtual void ShowHint(const std::string& text, TPoint screenPos, int maxWidth) = 0;
    virtual void SetScreenCursor(TCursor cursor) = 0;
    // The desktop's warning sound.
    virtual void Beep() {}
    // Shows a menu of items (caption, enabled, checked; "-" is a separator) at a screen point and
    // returns the index picked, or -1.
    struct TMenuEntry {
        std::string Caption;
        bool Enabled = true;
        bool Checked = false;
    };
    virtual int ShowPopupMenu(const std::vector<TMenuEntry>& items, TPoint screenPos) = 0;
    virtual void RegisterCursor(TCursor index, const TBitmap& image, TPoint hotSpot) = 0;

    // Printing to a PDF file: a document of pages of the given size in millimetres, each drawn on a
    // page surface over the whole sheet, so that its text stays text. nullptr when the backend cannot
    // write PDF. A printer job below takes its pages the same way.
    class IPdfDocument {
    public:
        virtual ~IPdfDocument() = default;
        // Starts the next page (the first included) as a surface of width x height dots, valid until
        // the next page or Finish; nullptr when the page cannot be started.
        virtual TPageSurface* NewPage(int width, int height) = 0;
        // Writes the file (atomically); false when it could not.
        virtual bool Finish() = 0;
    };
    virtual std::unique_ptr<IPdfDocument> CreatePdf(const std::string& /*fileName*/, double /*widthMm*/,
                                                    double /*heightMm*/, const std::string& /*title*/)
    {
        return nullptr;
    }
    // The desktop's printers, and a job of such pages sent to one of them (an empty name: the
    // default printer). nullptr when the printer does not exist or cannot start a job.
    virtual std::vector<std::string> PrinterNames() { return {}; }
    virtual std::unique_ptr<IPdfDocument> CreatePrinterJob(const std::string& /*printerName*/, double /*widthMm*/,
                                                           double /*heightMm*/, const std::string& /*title*/)
    {
        return nullptr;
    }

    virtual IDialogService* NativeDialogs() = 0;
    virtual bool ClipboardText(std::string& text) = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    // The clipboard in all its formats (MIME data, DragDrop.h): false when the backend has no
    // clipboard of its own, and the framework keeps one in the process.
    virtual bool ClipboardData(TDragData& /*data*/) { return false; }
    virtual bool SetClipboardData(const TDragData& /*data*/) { return false; }

    // Drag and drop: runs a drag of data from source until it ends and returns the effect of the
    // drop (DragDrop.h); feedback (may be null) hears the effect changes and the end.
    virtual unsigned StartDrag(TControl* /*source*/, const TDragData& /*data*/, unsigned /*okEffects*/,
                               IDropSource* /*feedback*/)
    {
        return 0;
    }
};

// The registered backend, or nullptr (headless).
IUiBackend* Backend();
void SetBackend(IUiBackend* backend);

// Shape kinds for DrawShape.
constexpr int shapeEllipse = 1;
constexpr int shapeRoundRect = 2;
constexpr int shapePolygon = 3;
constexpr int shapePolyline = 4;
constexpr int shapeRectangle = 5;

}  // namespace ui
