#include "grid/base/HtmlTextDraw.h"

#include <algorithm>
#include <array>
#include <utility>

#include "grid/base/HtmlTextEngine.h"
#include "grid/base/HtmlTextUtils.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/TextLayout.h"

namespace gx {

using ui::TBrushStyle;
using ui::TCanvas;
using ui::TColor;
using ui::TFont;
using ui::TRect;

namespace {

TColor gHighlightBack = ui::clHighlight;
TColor gHighlightText = ui::clHighlightText;

constexpr std::array<std::pair<std::string_view, TColor>, 40> kColorNames{{
    {"clred", 0x0000FF},
    {"clblack", 0x000000},
    {"clblue", 0xFF0000},
    {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},
    {"clyellow", 0x00FFFF},
    {"clfuchsia", 0xFF00FF},
    {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},
    {"clsilver", 0xC0C0C0},
    {"clgray", 0x808080},
    {"clolive", 0x008080},
    {"clnavy", 0x800000},
    {"clpurple", 0x800080},
    {"clteal", 0x808000},
    {"clmaroon", 0x000080},
    {"clbackground", 0xFF000001},
    {"clactivecaption", 0xFF000002},
    {"clinactivecaption", 0xFF000003},
    {"clmenu", 0xFF000004},
    {"clwindow", 0xFF000005},
    {"clwindowframe", 0xFF000006},
    {"clmenutext", 0xFF000007},
    {"clwindowtext", 0xFF000008},
    {"clcaptiontext", 0xFF000009},
    {"clactiveborder", 0xFF00000A},
    {"clinactiveborder", 0xFF00000B},
    {"clappworkspace", 0xFF00000C},
    {"clhighlight", 0xFF00000D},
    {"clhighlighttext", 0xFF00000E},
    {"clbtnface", 0xFF00000F},
    {"clbtnshadow", 0xFF000010},
    {"clgraytext", 0xFF000011},
    {"clbtntext", 0xFF000012},
    {"clinactivecaptiontext", 0xFF000013},
    {"clbtnhighlight", 0xFF000014},
    {"cl3ddkshadow", 0xFF000015},
    {"cl3dlight", 0xFF000016},
    {"clinfotext", 0xFF000017},
    {"clinfobk", 0xFF000018},
}};

// A hexadecimal digit of a colour value; anything else reads as 0.
int hexDigit(char c)
{
    return rtl::StrToIntDef(std::string("$") + c, 0);
}

// One left-to-right pass over the entities of the table (any letter case): a replaced text is
// never read again. With keepDoubledAmpersand an escaped "&&" is passed over as a whole.
// A CONTROL tag is passed over whole: its VALUE and PROP hold their text entity-coded as the
// control routines write it, and reading the tag decodes them once.
std::string replaceEntities(std::string_view text, std::span<const THtmlEntity> table, bool keepDoubledAmpersand)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '<' && rtl::StartsText("<CONTROL", text.substr(i))) {
            const std::size_t end = std::min(text.find('>', i), text.size() - 1) + 1;
            out.append(text.substr(i, end - i));
            i = end;
            continue;
        }
        const bool doubled = text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&';
        if (keepDoubledAmpersand && doubled) {
            out += "&&";
            i += 2;
        } else if (const THtmlEntity* e = text[i] == '&' ? MatchHtmlEntity(text, i, table, true) : nullptr) {
            out += e->Character;
            i += e->Entity.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

// Entities of the whole text. "&amp;" becomes "&&", which the text calls draw as one "&", so
// "&amp;lt;" shows as "&lt;".
std::string decodeWholeText(std::string_view text)
{
    static constexpr std::array<THtmlEntity, 9> kEntities{{{"&amp;", "&&"},
                                                           {"&quot;", "\""},
                                                           {"&sect;", "\xC2\xA7"},
                                                           {"&permil;", "\xE2\x80\xB0"},
                                                           {"&reg;", "\xC2\xAE"},
                                                           {"&copy;", "\xC2\xA9"},
                                                           {"&para;", "\xC2\xB6"},
                                                           {"&trade;", "\xE2\x84\xA2"},
                                                           {"&euro;", "\xE2\x82\xAC"}}};
    return replaceEntities(text, kEntities, false);
}

// Entities of a text run.
std::string decodeRun(std::string_view run)
{
    static constexpr std::array<THtmlEntity, 3> kEntities{{{"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}}};
    return replaceEntities(run, kEntities, true);
}

// The text a run shows: accelerator marks removed, "&&" as one "&".
std::string withoutPrefixes(const std::string& s)
{
    int underline = -1;
    return ui::StripPrefix(s, underline);
}

std::string preprocess(std::string_view text)
{
    std::string s = text.find('&') != std::string_view::npos ? decodeWholeText(text) : std::string(text);
    // A tag whose name starts with "#" shows as plain text without its angle brackets.
    std::size_t at = 0;
    while ((at = s.find("<#", at)) != std::string::npos) {
        s.erase(at, 1);
        const std::size_t gt = s.find('>', at);
        if (gt != std::string::npos)
            s.erase(gt, 1);
    }
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == '\r')
            out += "<BR>";
        else if (c != '\n')
            out += c;
    }
    return out;
}

}  // namespace

namespace html {

TColor HighlightBackColor()
{
    return gHighlightBack;
}

TColor HighlightTextColor()
{
    return gHighlightText;
}

int HtmlEngine::textWidth(const std::string& s)
{
    TRect r(0, 0, 0x7FFF, 0x7FFF);
    c_.DrawText(s, r, kTextFlags | ui::DT_CALCRECT);
    return r.Width();
}

void HtmlEngine::setStyle(unsigned flag, bool on)
{
    const auto style = c_.Font()->Style();
    c_.Font()->SetStyle(on ? (style | flag) : (style & ~flag));
}

TColor HtmlEngine::savedBrush()
{
    return c_.Brush()->Style() == TBrushStyle::bsClear ? ui::clNone : c_.Brush()->Color();
}

void HtmlEngine::restoreBrush(TColor saved)
{
    if (saved == ui::clNone) {
        c_.Brush()->SetStyle(TBrushStyle::bsClear);
    } else {
        c_.Brush()->SetColor(saved);
        c_.Brush()->SetStyle(TBrushStyle::bsSolid);
    }
}

void HtmlEngine::setBrush(TColor color)
{
    c_.Brush()->SetColor(color);
    c_.Brush()->SetStyle(color == ui::clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
}

void HtmlEngine::fillBand(const TRect& r, TColor color)
{
    if (color == ui::clNone)
        return;
    const TColor brush = savedBrush();
    setBrush(color);
    c_.FillRect(r);
    restoreBrush(brush);
}

void HtmlEngine::drawRun(const std::string& text, const TRect& box)
{
    // Text is drawn transparently; a background colour set by the markup fills the run's box.
    const TColor back = savedBrush();
    const int w = textWidth(text);
    if (back != ui::clNone)
        fillBand(TRect(box.Left, box.Bottom - c_.TextHeight(text), box.Left + w, box.Bottom), back);
    c_.Brush()->SetStyle(TBrushStyle::bsClear);
    unsigned flags = kTextFlags;
    if (!p_.WordWrap)
        flags |= ui::DT_END_ELLIPSIS;
    TRect r = box;
    if (shadow_) {
        const TColor fc = c_.Font()->Color();
        c_.Font()->SetColor(p_.ShadowColor);
        TRect sr = box.Offset(p_.ShadowOffset, p_.ShadowOffset);
        c_.DrawText(text, sr, flags);
        c_.Font()->SetColor(fc);
    }
    c_.DrawText(text, r, flags);
    restoreBrush(back);
}

void HtmlEngine::drawErrorLine(int left, int right, int bottom)
{
    const TColor pc = c_.Pen()->Color();
    const int pw = c_.Pen()->Width();
    c_.Pen()->SetColor(0x0000FF);
    c_.Pen()->SetWidth(1);
    int x = left - left % 2;  // toward zero to an even x
    bool low = (x % 4) == 0;
    c_.MoveTo(x, low ? bottom + 1 : bottom - 1);
    while (x < right) {
        x += 2;
        low = !low;
        c_.LineTo(x, low ? bottom + 1 : bottom - 1);
    }
    c_.Pen()->SetColor(pc);
    c_.Pen()->SetWidth(pw);
}

void HtmlEngine::textRun(std::string& src, const TRect& lineRect, bool measuring)
{
    std::size_t len = src.find('<');
    if (len == std::string::npos)
        len = src.size();
    if (p_.WordWrap) {
        const std::size_t sp = src.find(' ');
        if (sp != std::string::npos && sp < len)
            len = sp + 1;
    }
    const std::string raw = src.substr(0, len);
    const std::string run = decodeRun(raw);

    const int th = c_.TextHeight(run);
    if (sub_)
        line_.subExtra = std::max(line_.subExtra, th / 4);
    if (sup_)
        line_.supExtra = std::max(line_.supExtra, th / 4);
    line_.height = std::max(line_.height, th);
    if (hidden_) {
        if (measuring)
            r_.PlainText += withoutPrefixes(run);
        src.erase(0, len);
        return;
    }

    const int w = textWidth(run);
    const int startX = x_;
    if (measuring) {
        const int before = line_.width;
        line_.width += w;
        const bool fits =
            line_.width < lineRect.Width() || w >= lineRect.Width() || (!lineText_.empty() && lineText_.back() != ' ');
        if (!fits && p_.WordWrap) {
            line_.width = before;
            lineFull_ = true;
            return;
        }
        if (!fits && !lineText_.empty())
            dropRest_ = true;
        consumed_ += raw;
        src.erase(0, len);
        lineText_ += run;
        r_.PlainText += withoutPrefixes(run);
        trailingSpace_ = (!run.empty() && run.back() == ' ') ? textWidth(" ") : 0;
    } else {
        const int bottom =
            textBottom(lineRect) - (sup_ ? line_.supExtra : 0) + (sub_ ? line_.subExtra : 0) - line_.baseline;
        if (!p_.HitTestOnly) {
            drawRun(run, TRect(x_, lineRect.Top, lineRect.Right, bottom));
            if (errorMark_)
                drawErrorLine(x_, x_ + w, bottom);
        }
        if (link_.inside && r_.LinkCount == p_.FocusLinkIndex + 1)
            r_.FocusAnchor = link_.href;
        src.erase(0, len);
    }
    x_ += w;

    // Link text under the point: tested where the run really stands (after alignment), and only
    // on the line that holds the point.
    if (!measuring && link_.inside && p_.HitX >= startX && p_.HitX < x_ && p_.HitY >= lineRect.Top &&
        p_.HitY < lineRect.Bottom) {
        if (p_.HitTestOnly)
            linkTextHit_ = true;
        r_.AnchorAtPoint = link_.href;
        r_.AnchorTitle = link_.title;
        linkHitPending_ = true;
    }
}

void HtmlEngine::tag(std::string& src, const TRect& lineRect, bool measuring)
{
    if (src.size() < 3) {
        src.clear();
        return;
    }
    const bool closing = src[1] == '/' && src.size() > 3;
    const std::size_t gt = src.find('>');
    const std::size_t nameAt = closing ? 2 : 1;
    const std::string_view body(src.data() + nameAt, (gt == std::string::npos ? src.size() : gt + 1) - nameAt);
    dispatchTag(body, closing, lineRect, measuring);
    if (lineFull_)
        return;
    if (gt == std::string::npos) {
        src.clear();
        dropRest_ = true;
        return;
    }
    if (measuring)
        consumed_.append(src, 0, gt + 1);
    src.erase(0, gt + 1);
}

void HtmlEngine::drawLine(std::string& src, const TRect& lineRect, bool measuring)
{
    line_.width = 0;
    x_ = lineRect.Left;
    trailingSpace_ = 0;
    lineEnded_ = lineFull_ = liSeen_ = false;
    sub_ = sup_ = false;  // subscript and superscript hold for one line only
    lineText_.clear();
    linkStartX_ = link_.inside ? -1 : x_;
    if (!measuring && paraBack_ && !p_.HitTestOnly)
        fillBand(TRect(layoutRect_.Left, lineRect.Top, layoutRect_.Right, lineRect.Bottom), savedBrush());
    while (!src.empty() && !lineEnded_ && !lineFull_) {
        if (src[0] == '<')
            tag(src, lineRect, measuring);
        else
            textRun(src, lineRect, measuring);
    }
    line_.width -= trailingSpace_;
    if (measuring)
        r_.UsedWidth = std::max(r_.UsedWidth, line_.width);
    if (!measuring && focusOpen_) {
        if (!p_.HitTestOnly)
            c_.DrawFocusRect(TRect(focusLeft_ - 1, focusTop_, x_ + 1, textBottom(lineRect)));
        focusLeft_ = lineRect.Left + 1;
        focusTop_ = lineRect.Bottom;
    }
}

bool HtmlEngine::run(std::string_view text)
{
    TFont entryFont;
    entryFont.Assign(*c_.Font());
    ui::TPen entryPen;
    entryPen.Assign(*c_.Pen());
    ui::TBrush entryBrush;
    entryBrush.Assign(*c_.Brush());
    const ui::TPoint entryPenPos = c_.PenPos();

    baseFont_.Assign(entryFont);
    startBrush_ = entryBrush.Color();
    TFont measureFont, drawFont;
    measureFont.Assign(entryFont);
    drawFont.Assign(entryFont);
    c_.Brush()->SetColor(ui::clNone);
    c_.Brush()->SetStyle(TBrushStyle::bsClear);

    r_.ControlRect = TRect();
    r_.PlainText.clear();
    r_.FocusAnchor.clear();
    r_.AnchorTitle.clear();
    r_.ControlValue.clear();
    r_.ControlType.clear();
    if (!p_.HitTestOnly)
        r_.ControlID.clear();
    r_.UsedWidth = r_.UsedHeight = r_.LinkCount = 0;
    r_.LinkAtPoint = -1;

    std::string src = preprocess(text);
    TRect layout = layoutRect_;
    layout.Left += 1;
    bool hit = false;
    int firstGh = 0;
    while (!src.empty()) {
        line_ = LineMetrics();
        c_.Font()->Assign(measureFont);
        const int gh = ghHeight();
        if (!firstGh)
            firstGh = gh;
        line_.height = gh;
        const int linkCount = r_.LinkCount;
        const int imageCount = imageCount_;
        const int listLevel = listLevel_;
        const LinkState linkState = link_;

        consumed_.clear();
        const std::size_t before = src.size();
        drawLine(src, layout, true);
        measureFont.Assign(*c_.Font());
        const LineMetrics measured = line_;

        TRect lineRect(layout.Left, layout.Top, layout.Right, 0);
        if (align_ == 1 && layout.Right - measured.width > layout.Left)
            lineRect.Left = layout.Right - measured.width;
        else if (align_ == 2 && layout.Width() - measured.width > 0)
            lineRect.Left = layout.Left + (layout.Width() - measured.width) / 2;
        lineRect.Left += indent_;
        const int h = measured.height + measured.subExtra + measured.supExtra;
        lineRect.Bottom = lineRect.Top + h;

        if (!p_.MeasureOnly) {
            r_.LinkCount = linkCount;
            imageCount_ = imageCount;
            listLevel_ = listLevel;
            link_ = linkState;
            c_.Font()->Assign(drawFont);
            std::string markup = consumed_;
            line_ = measured;
            linkTextHit_ = false;
            objectHit_ = false;
            drawLine(markup, lineRect, false);
            drawFont.Assign(*c_.Font());
            const int base = lineRect.Bottom - measured.baseline;
            if ((linkTextHit_ && p_.HitY > base - gh && p_.HitY < base) || objectHit_)
                hit = true;
        }
        layout.Top += h;
        r_.UsedHeight += h;
        if (src.size() == before)
            break;  // nothing consumed: the rest cannot be laid out
        if (dropRest_)
            break;
        if (!p_.MeasureOnly && layout.Top + gh > layoutRect_.Bottom)
            break;
    }
    if (r_.UsedHeight == 0) {
        c_.Font()->Assign(entryFont);
        r_.UsedHeight = ghHeight();
    }
    // Everything back as it was, a rotation left open by a missing </R> included.
    c_.Font()->Assign(entryFont);
    c_.Pen()->Assign(entryPen);
    c_.Brush()->Assign(entryBrush);
    c_.SetPenPos(entryPenPos);
    return !p_.MeasureOnly && hit;
}

}  // namespace html

TColor HTMLColor(std::string_view value)
{
    if (!value.empty() && value[0] == '#') {
        std::array<int, 6> d{};
        for (std::size_t i = 0; i < 6 && i + 1 < value.size(); ++i)
            d[i] = hexDigit(value[i + 1]);
        return ui::RGB(d[0] * 16 + d[1], d[2] * 16 + d[3], d[4] * 16 + d[5]);
    }
    const std::string name = rtl::LowerCase(value);
    for (const auto& [n, c] : kColorNames)
        if (n == name)
            return c;
    return ui::clBlack;
}

bool DrawHTMLText(TCanvas& Canvas, std::string_view Text, const TRect& LayoutRect, const THTMLDrawParams& Params,
                  THTMLDrawResult& Result)
{
    html::HtmlEngine engine(Canvas, LayoutRect, Params, Result);
    return engine.run(Text);
}

void SetHighlightColors(TColor Background, TColor Text)
{
    gHighlightBack = Background;
    gHighlightText = Text;
}

}  // namespace gx
