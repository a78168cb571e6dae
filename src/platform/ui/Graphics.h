#pragma once
// Fonts, pens, brushes, pictures and the canvas. The canvas keeps its state between calls like a
// device context: rectangles exclude their right and bottom edges, LineTo excludes its end point.
// Every canvas draws into a TBitmap's pixels (controls are painted into an off-screen bitmap that the
// native window then shows), so drawing works without any window; a printer's canvas hands what it
// draws to the page surface of a PDF file or print job instead.
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class TCanvas;
class TPageSurface;
struct TRasterTarget;

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

// Graphic objects report changes through OnChange so that their owner can repaint.
class TGraphicsObject : public TObject {
public:
    TNotifyEvent OnChange;

protected:
    void Changed();
};

class TFont : public TGraphicsObject {
public:
    TFont();
    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& v);
    // Size in points; Height in pixels (negative: character height without internal leading).
    int Size() const;
    void SetSize(int points);
    int Height() const { return height_; }
    void SetHeight(int pixels);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v);
    // Text angle in tenths of a degree, counter-clockwise.
    int Orientation() const { return orientation_; }
    void SetOrientation(int v);
    int PixelsPerInch() const { return 96; }

private:
    std::string name_ = "Tahoma";
    int height_ = -11;  // 8 pt at 96 dpi
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    int orientation_ = 0;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmXor, pmNotXor, pmMerge, pmMask };

class TPen : public TGraphicsObject {
public:
    void Assign(const TPen& other);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    int Width() const { return width_; }
    void SetWidth(int v);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle v);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode v);

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
    TPenMode mode_ = TPenMode::pmCopy;
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
public:
    void Assign(const TBrush& other);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle v);

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
};

// Base of every picture kind a canvas can draw.
class TGraphic : public TGraphicsObject {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() <= 0 || Height() <= 0; }
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool v);
    // Loads the file; raises rtl::EInvalidGraphic-like rtl::Exception with the file name and reason on failure.
    virtual void LoadFromFile(const std::string& fileName) = 0;
    virtual void SaveToFile(const std::string& fileName) const = 0;
    // Draws the picture stretched to rect on the canvas.
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;

protected:
    bool transparent_ = false;
};

enum class TTransparentMode { tmAuto, tmFixed };

// A 32-bit bitmap: pixels are kept as 0xAARRGGBB words, rows top-down, no padding.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    void Assign(const TBitmap& other);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetWidth(int w) { SetSize(w, height_); }
    void SetHeight(int h) { SetSize(width_, h); }
    // Resizing keeps the pixels that still fit; new pixels are white.
    void SetSize(int w, int h);

    TCanvas* Canvas();

    // Loads BMP, PNG or JPEG (chosen by content). Raises rtl::Exception naming the file on failure.
    void LoadFromFile(const std::string& fileName) override;
    void LoadFromMemory(const std::uint8_t* data, std::size_t size);
    // Saves as PNG when the name ends with ".png", as 24-bit BMP otherwise.
    void SaveToFile(const std::string& fileName) const override;
    void Draw(TCanvas& canvas, const TRect& rect) const override;

    TColor Pixel(int x, int y) const;  // clNone outside the bitmap
    void SetPixel(int x, int y, TColor c);
    std::uint32_t* ScanLine(int row) { return pixels_.data() + static_cast<std::size_t>(row) * width_; }
    const std::uint32_t* ScanLine(int row) const { return pixels_.data() + static_cast<std::size_t>(row) * width_; }
    std::uint32_t* Bits() { return pixels_.data(); }
    const std::uint32_t* Bits() const { return pixels_.data(); }

    // The colour drawn as transparent when Transparent is on: the bottom-left pixel (tmAuto) or TransparentColor
    // (tmFixed).
    TColor TransparentColor() const;
    void SetTransparentColor(TColor c);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode m) { transparentMode_ = m; }
    // True when pixels carry their own alpha (icons, PNG with alpha): drawn blended.
    bool AlphaChannel() const { return alpha_; }
    void SetAlphaChannel(bool v) { alpha_ = v; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::unique_ptr<TCanvas> canvas_;
    TColor transparentColor_ = clNone;
    TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
    bool alpha_ = false;
};

// An icon: a bitmap drawn with its alpha channel.
class TIcon : public TBitmap {
public:
    TIcon() { SetAlphaChannel(true); }
};

// A JPEG picture (decoded through libjpeg); registered for the extensions "jpeg" and "jpg".
class TJPEGImage : public TBitmap {
public:
    void LoadFromFile(const std::string& fileName) override;
    void SaveToFile(const std::string& fileName) const override;
    int CompressionQuality = 90;
};

// Holds one graphic of the kind chosen by file extension.
class TPicture : public TGraphicsObject {
public:
    TPicture();
    ~TPicture() override;
    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> g);
    // Returns the held bitmap, replacing any other kind by an empty bitmap.
    TBitmap* Bitmap();
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;
    void Assign(const TPicture& other);

private:
    std::unique_ptr<TGraphic> graphic_;
};

// Registers a picture class for a file extension (without the dot, case-insensitive).
using TGraphicFactory = std::unique_ptr<TGraphic> (*)();
void RegisterFileFormat(const std::string& extension, const std::string& description, TGraphicFactory factory);
bool IsRegisteredFileFormat(const std::string& extension);

// A clip region made of rectangles (their union).
struct TRegion {
    std::vector<TRect> Rects;
    bool Contains(TPoint p) const;
    TRect Bounds() const;
};

// DrawText flags.
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

// DrawEdge edges and flags.
constexpr unsigned BDR_RAISEDOUTER = 0x0001;
constexpr unsigned BDR_SUNKENOUTER = 0x0002;
constexpr unsigned BDR_RAISEDINNER = 0x0004;
constexpr unsigned BDR_SUNKENINNER = 0x0008;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr unsigned BF_LEFT = 0x0001;
constexpr unsigned BF_TOP = 0x0002;
constexpr unsigned BF_RIGHT = 0x0004;
constexpr unsigned BF_BOTTOM = 0x0008;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x0800;
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// DrawFrameControl kinds and states.
constexpr unsigned DFC_CAPTION = 1;
constexpr unsigned DFC_MENU = 2;
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;
constexpr unsigned DFCS_BUTTONCHECK = 0x0000;
constexpr unsigned DFCS_BUTTONRADIO = 0x0004;
constexpr unsigned DFCS_BUTTONPUSH = 0x0010;
constexpr unsigned DFCS_SCROLLUP = 0x0000;
constexpr unsigned DFCS_SCROLLDOWN = 0x0001;
constexpr unsigned DFCS_SCROLLLEFT = 0x0002;
constexpr unsigned DFCS_SCROLLRIGHT = 0x0003;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x0005;
constexpr unsigned DFCS_INACTIVE = 0x0100;
constexpr unsigned DFCS_PUSHED = 0x0200;
constexpr unsigned DFCS_CHECKED = 0x0400;
constexpr unsigned DFCS_FLAT = 0x4000;
constexpr unsigned DFCS_MONO = 0x8000;
constexpr unsigned DFCS_HOT = 0x1000;

// Parts drawn through the native style (visual styles on).
enum class TThemedPart {
    CheckBox,
    RadioButton,
    PushButton,
    ComboButton,
    SpinUp,
    SpinDown,
    HeaderItem,
    SpinLeft,  // the halves of a horizontal spin button
    SpinRight
};
enum TThemedState : unsigned {
    tsNormal = 0,
    tsHot = 1,
    tsPressed = 2,
    tsDisabled = 4,
    tsChecked = 8,
    tsMixed = 16,
    tsFocused = 32,
};

class TCanvas : public TObject {
public:
    // A canvas drawing into the given bitmap (not owned). A canvas without bitmap ignores drawing
    // but still measures text.
    explicit TCanvas(TBitmap* target = nullptr);
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TBitmap* Target() const { return target_; }
    void SetTarget(TBitmap* target);
    // A canvas on a page surface (a printed page) hands everything it draws to the surface instead
    // of a bitmap: figures, text and pictures stay what they are. Raster operations other than
    // copying (XOR and the like) draw nothing there, and pixels read back as clNone.
    TPageSurface* Surface() const { return surface_; }
    void SetSurface(TPageSurface* surface) { surface_ = surface; }

    TFont* Font() { return &font_; }
    TPen* Pen() { return &pen_; }
    TBrush* Brush() { return &brush_; }
    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint p) { penPos_ = p; }

    // Logical (0,0) lies at device point Origin(); used when painting a child into its parent's bitmap.
    TPoint Origin() const { return origin_; }
    void SetOrigin(TPoint p) { origin_ = p; }

    // Clipping in logical coordinates. ClipRect is the bounds of the visible area.
    TRect ClipRect() const;
    void SetClipRect(const TRect& r);
    void IntersectClipRect(const TRect& r);
    void SelectClipRgn(const TRegion* rgn);  // nullptr removes the clip region
    void ResetClip();

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    // XOR dotted rectangle: drawing it twice restores the pixels.
    void DrawFocusRect(const TRect& r);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor c);

    // Text at (x,y) (top-left of the text cell); the background is filled unless the brush is clear.
    void TextOut(int x, int y, const std::string& text);
    // Text at (x,y) clipped to r; r is filled first unless the brush is clear.
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    // Formatted text with DT_* flags. With DT_CALCRECT nothing is drawn and r is set to the
    // needed size. Returns the height of the text drawn.
    int DrawText(const std::string& text, TRect& r, unsigned flags);

    void Draw(int x, int y, const TGraphic* graphic);
    void StretchDraw(const TRect& r, const TGraphic* graphic);
    // Copies a part of another canvas's bitmap (same size when rects match, stretched otherwise).
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    // Edges and frame controls as the classic desktop draws them; themed parts through the native style.
    void DrawEdge(TRect& r, unsigned edge, unsigned flags);
    void DrawFrameControl(const TRect& r, unsigned kind, unsigned state);
    void DrawThemedPart(TThemedPart part, unsigned state, const TRect& r);

    void Lock() {}
    void Unlock() {}

    // Internal state for the raster engine.
    const TRegion* ClipRegion() const { return clipRegion_.get(); }
    bool HasClip() const { return hasClip_; }
    const TRect& ClipRectRaw() const { return clip_; }

    // The bitmap and device clip for the backend's raster engine.
    TRasterTarget RasterTarget() const;

private:
    bool Drawable() const { return target_ || surface_; }
    TSize DeviceSize() const;
    bool Visible(int dx, int dy) const;  // device coordinates
    void PutPixel(int dx, int dy, TColor c, TPenMode mode);
    void PlotLine(int x0, int y0, int x1, int y1);
    void FillDevice(const TRect& deviceRect, std::uint32_t pixel, TPenMode mode);
    void DrawShapeThroughBackend(int kind, const std::vector<TPoint>& logical, int rx, int ry);
    void BlitScaled(const TRect& dest, const TBitmap& src, const TRect& srcRect, bool transparent, std::uint32_t key,
                    bool alpha);
    void DrawTextLineAt(int x, int y, const std::string& text, bool opaque);

    TBitmap* target_;
    TPageSurface* surface_ = nullptr;
    TFont font_;
    TPen pen_;
    TBrush brush_;
    TPoint penPos_;
    TPoint origin_;
    bool hasClip_ = false;
    TRect clip_;                           // logical, valid when hasClip_
    std::unique_ptr<TRegion> clipRegion_;  // logical
};

}  // namespace ui
