// Inline objects of the cell markup: pictures (<IMG>), a tiled background picture (<BODY
// BACKGROUND>) and drawn form controls (<CONTROL>). An object takes its width on the line and
// raises the line to its height; the grid finds a control under the mouse through ControlRect,
// ControlID, ControlValue and ControlType.
#include <cmath>
#include <optional>

#include "grid/base/GxStyleIF.h"
#include "grid/base/HtmlTextEngine.h"
#include "grid/base/HtmlTextUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/ImgList.h"

namespace gx::html {

using ui::TBrushStyle;
using ui::TColor;
using ui::TRect;

namespace {

constexpr int kDefaultControlHeight = 25;

bool contains(const std::string& upper, std::string_view what)
{
    return upper.find(what) != std::string::npos;
}

int readNumber(const std::string& text, int fallback, bool* ok = nullptr)
{
    bool read = false;
    const int n = HtmlReadInt(text, &read);
    if (ok)
        *ok = read;
    return read ? n : fallback;
}

}  // namespace

int HtmlEngine::scaleX(int v)
{
    return v * c_.Font()->PixelsPerInch() / 96;
}

int HtmlEngine::scaleY(int v)
{
    return v * c_.Font()->PixelsPerInch() / 96;
}

bool HtmlEngine::pointOnObject(const TRect& lineRect) const
{
    return p_.HitX > x_ && p_.HitX < x_ + object_.width && p_.HitY > lineRect.Top &&
           p_.HitY < lineRect.Top + object_.height;
}

void HtmlEngine::placeObject(const TRect& lineRect)
{
    if (line_.width + object_.width > lineRect.Width() && object_.width < lineRect.Width()) {
        lineFull_ = true;  // the object starts the next line
        return;
    }
    line_.width += object_.width;
    x_ += object_.width;
    line_.height = std::max(line_.height, object_.height);
}

THTMLPicture* HtmlEngine::findPicture(const std::string& source)
{
    if (source.find(':') == std::string::npos && p_.PictureContainer)
        return p_.PictureContainer->FindPicture(source);
    if (source.find("://") == std::string::npos || !p_.PictureCache)
        return nullptr;
    if (!p_.PictureCache->FindPicture(source)) {
        THTMLPicture* pic = p_.PictureCache->AddPicture();
        pic->Asynch = false;
        pic->LoadFromURL(source);
    }
    return p_.PictureCache->FindPicture(source);
}

void HtmlEngine::listImage(const TagArgs& t, std::string& source)
{
    source.erase(0, 4);
    bool ok = false;
    const int n = HtmlReadInt(source, &ok);
    if (!ok || !p_.Images || n < 0 || n >= p_.Images->Count())
        return;
    object_ = {scaleX(p_.Images->Width()), scaleY(p_.Images->Height())};
    const int top = t.lineRect.Top;
    if (t.drawing && !p_.Printing) {
        p_.Images->Draw(c_, x_, top, n, true);
    } else if (t.drawing) {
        const TRect r(x_, top, x_ + static_cast<int>(std::round(p_.Images->Width() * p_.ScaleFactor)),
                      top + static_cast<int>(std::round(p_.Images->Height() * p_.ScaleFactor)));
        c_.StretchDraw(r, p_.Images->Image(n));
    }
}

void HtmlEngine::pictureImage(const TagArgs& t, THTMLPicture& pic, int width, int height)
{
    int w = pic.Width(), h = pic.Height();
    if (width > 0 && height > 0) {
        w = width, h = height;
    } else if (width > 0) {
        w = width;
        h = static_cast<int>(std::lround(static_cast<double>(pic.Height()) * width / pic.Width()));
    } else if (height > 0) {
        w = static_cast<int>(std::lround(static_cast<double>(pic.Width()) * height / pic.Height()));
        h = height;
    }
    const bool sized = width > 0 || height > 0;
    const int top = t.lineRect.Top;
    if (t.drawing && sized) {
        pic.Stretch = true;
        c_.StretchDraw(TRect(x_, top, x_ + w, top + h), &pic);
    } else if (t.drawing) {
        // An animation keeps the place of its largest frame in the starting brush colour.
        if (pic.FrameCount() > 1) {
            const TColor pen = c_.Pen()->Color(), brush = savedBrush();
            c_.Pen()->SetColor(startBrush_);
            setBrush(startBrush_);
            c_.Rectangle(x_, top, x_ + pic.GetMaxWidth(), top + pic.GetMaxHeight());
            c_.Pen()->SetColor(pen);
            restoreBrush(brush);
        }
        pic.Stretch = false;
        c_.Draw(x_ + pic.FrameXPos(), top + pic.FrameYPos(), &pic);
    }
    object_ =
        sized ? ObjectSize{scaleX(w), scaleY(h)} : ObjectSize{scaleX(pic.GetMaxWidth()), scaleY(pic.GetMaxHeight())};
}

void HtmlEngine::image(const TagArgs& t)
{
    ++imageCount_;
    // Sources keep their letter case (file paths are case-sensitive here); prefixes are
    // recognised in any case.
    std::string source, alt, value;
    HtmlTagAttribute(t.text, "SRC", source);
    if (imageCount_ == imageAtPoint_ && HtmlTagAttribute(t.text, "ALT", alt))
        source = alt;
    // A negative size counts as not given.
    const int width = HtmlTagAttribute(t.text, "WIDTH", value) ? std::max(0, HtmlReadInt(value)) : 0;
    const int height = HtmlTagAttribute(t.text, "HEIGHT", value) ? std::max(0, HtmlReadInt(value)) : 0;
    object_ = ObjectSize();
    const std::string upper = rtl::UpperCase(source);
    if (contains(upper, "IDX:")) {
        listImage(t, source);
    } else if (contains(upper, "SSYS:") || contains(upper, "LSYS:")) {
        // This desktop has no system image lists to take icons from: the icon's place is kept
        // empty at the system icon size.
        const bool large = contains(upper, "LSYS:");
        object_ = {scaleX(large ? 32 : 16), scaleY(large ? 32 : 16)};
        source.erase(0, 5);
    }
    THTMLPicture* pic = findPicture(source);
    if (pic && !pic->Empty() && pic->Width() > 0 && pic->Height() > 0)
        pictureImage(t, *pic, width, height);

    if (!t.measuring && link_.inside && pointOnObject(t.lineRect)) {
        objectHit_ = true;
        r_.AnchorAtPoint = link_.href;
        r_.AnchorTitle = link_.title;
        imageAtPoint_ = imageCount_;
    }
    placeObject(t.lineRect);
    if (lineFull_)
        return;
    if (HtmlFindNoCase(t.text, "ALIGN") != std::string::npos) {
        if (HtmlFindNoCase(t.text, "\"TOP") != std::string::npos)
            line_.baseline = line_.height - ghHeight();
        else if (HtmlFindNoCase(t.text, "\"MIDDLE") != std::string::npos)
            line_.baseline = (line_.height - ghHeight()) / 2;
    }
}

void HtmlEngine::bodyBackground(const std::string& source)
{
    THTMLPicture* pic = findPicture(source);
    if (!pic || pic->Empty() || pic->Width() <= 0 || pic->Height() <= 0)
        return;
    // Clipped to the layout rectangle within the caller's clipping, which comes back afterwards.
    const bool hadClip = c_.HasClip();
    const TRect clip = c_.ClipRectRaw();
    const std::optional<ui::TRegion> region =
        c_.ClipRegion() ? std::optional<ui::TRegion>(*c_.ClipRegion()) : std::nullopt;
    c_.IntersectClipRect(layoutRect_);
    pic->Stretch = false;
    for (int y = 0; y < layoutRect_.Height(); y += pic->Height())
        for (int x = 0; x < layoutRect_.Width(); x += pic->Width())
            c_.Draw(layoutRect_.Left + x, layoutRect_.Top + y, pic);
    c_.ResetClip();
    if (hadClip)
        c_.SetClipRect(clip);
    if (region)
        c_.SelectClipRgn(&*region);
}

void HtmlEngine::control(const TagArgs& t)
{
    std::string type, id, value, width, height, prop, maxLen;
    ParseControlTag(t.text, type, id, value, width, height, prop, maxLen);
    controlHeight_ = readNumber(height, kDefaultControlHeight);
    if (width.empty())
        return;
    bool ok = false;
    const int w = readNumber(width, 0, &ok);
    if (ok)
        object_ = {w, ghHeight() + 10};
    // The control's own height; the line keeps the height of what it already holds.
    int lineHeight = type == "CHECK" || type == "RADIO" ? 16 : 23;
    if (controlHeight_ > kDefaultControlHeight)
        lineHeight = controlHeight_ - 2;
    line_.height = std::max(line_.height, lineHeight);

    if (t.drawing)
        drawControl(t, type, value, w, lineHeight);
    if (type == "BUTTON" || type == "COMBO")
        object_.height = 25;
    else if (type == "CHECK" || type == "RADIO")
        object_ = {16, 16};

    const bool named = p_.HitTestOnly && !r_.ControlID.empty() && r_.ControlID == id;
    if (!t.measuring && (pointOnObject(t.lineRect) || named)) {
        objectHit_ = true;
        r_.AnchorAtPoint = "ctrl";
        imageAtPoint_ = imageCount_;
        r_.ControlRect = TRect(x_, t.lineRect.Top, x_ + object_.width, t.lineRect.Top + object_.height);
        r_.ControlValue = value;
        r_.ControlID = id;
        r_.ControlType = type;
    }
    placeObject(t.lineRect);
}

void HtmlEngine::drawControl(const TagArgs& t, const std::string& type, const std::string& value, int width,
                             int lineHeight)
{
    const TColor pen = c_.Pen()->Color(), brush = savedBrush();
    c_.Pen()->SetColor(ThemesActive() ? TColor(0xB99D7F) : ui::clGray);
    const int bottom = textBottom(t.lineRect);
    if (type == "EDIT" || type == "PASSWORD" || type == "MASK" || type == "COMBO")
        drawFieldControl(type, value, width, lineHeight, bottom);
    else if (type == "CHECK" || type == "RADIO")
        drawCheckControl(type == "CHECK", rtl::UpperCase(value) == "TRUE", bottom);
    else if (type == "BUTTON")
        drawButtonControl(value, width, bottom);
    c_.Pen()->SetColor(pen);
    restoreBrush(brush);
}

bool HtmlEngine::controlHot(int bottom) const
{
    return p_.HitX > x_ - 2 && p_.HitX < x_ - 2 + object_.width && p_.HitY > bottom - object_.height - 2 &&
           p_.HitY < bottom - 2;
}

void HtmlEngine::drawControlValue(const std::string& text, TRect r, unsigned align)
{
    c_.Brush()->SetStyle(TBrushStyle::bsClear);
    c_.DrawText(text, r, align | ui::DT_VCENTER | ui::DT_SINGLELINE | ui::DT_NOPREFIX);  // decoded already
}

// Edit, password, masked and combo fields: a white frame with the value; a combo adds its button.
void HtmlEngine::drawFieldControl(const std::string& type, const std::string& value, int width, int lineHeight,
                                  int bottom)
{
    const int x = x_;
    setBrush(ui::clWhite);
    c_.Rectangle(x, bottom - lineHeight + 4, x + width, bottom + 2);
    if (type != "COMBO") {
        drawControlValue(type == "PASSWORD" ? PasswordMask(value) : value,
                         TRect(x + 2, bottom - lineHeight + 4, x + width, bottom), ui::DT_LEFT);
        return;
    }
    drawControlValue(value, TRect(x + 4, bottom - lineHeight + 4, x + width - 18, bottom), ui::DT_LEFT);
    const TRect button(x + width - 18, bottom - lineHeight + 5, x + width - 1, bottom + 1);
    if (ThemesActive())
        c_.DrawThemedPart(ui::TThemedPart::ComboButton, controlHot(bottom) ? ui::tsHot : ui::tsNormal, button);
    else
        c_.DrawFrameControl(button, ui::DFC_SCROLL, ui::DFCS_SCROLLCOMBOBOX);
}

// Check boxes and radio buttons have no hot or pressed look.
void HtmlEngine::drawCheckControl(bool check, bool checked, int bottom)
{
    const int x = x_;
    const TRect box = check ? TRect(x + 2, bottom - 15, x + 15, bottom) : TRect(x + 2, bottom - 14, x + 14, bottom);
    if (ThemesActive())
        c_.DrawThemedPart(check ? ui::TThemedPart::CheckBox : ui::TThemedPart::RadioButton,
                          checked ? ui::tsChecked : ui::tsNormal, box);
    else
        c_.DrawFrameControl(box, ui::DFC_BUTTON,
                            (check ? ui::DFCS_BUTTONCHECK : ui::DFCS_BUTTONRADIO) | ui::DFCS_FLAT |
                                (checked ? ui::DFCS_CHECKED : 0));
}

void HtmlEngine::drawButtonControl(const std::string& value, int width, int bottom)
{
    const bool hot = controlHot(bottom);
    object_.height = 24;
    const TRect box(x_ + 2, bottom - controlHeight_, x_ + width - 2, bottom);
    if (ThemesActive())
        c_.DrawThemedPart(ui::TThemedPart::PushButton,
                          p_.ControlDown ? ui::tsPressed : (hot ? ui::tsHot : ui::tsNormal), box);
    else
        c_.DrawFrameControl(box, ui::DFC_BUTTON, ui::DFCS_BUTTONPUSH | (hot && p_.ControlDown ? ui::DFCS_PUSHED : 0));
    drawControlValue(value, TRect(box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2), ui::DT_CENTER);
}

}  // namespace gx::html
