// The tags of the cell markup: a table maps the first letter of a tag name to its handler, and
// each handler tells the tags of its letter apart. Tags change the canvas's drawing state (font,
// brush, pen) or the layout of the line (alignment, indent, list level, line break).
#include <algorithm>
#include <array>
#include <utility>

#include "grid/base/HtmlTextEngine.h"
#include "grid/base/HtmlTextUtils.h"
#include "platform/rtl/StrUtils.h"

namespace gx::html {

using ui::TBrushStyle;
using ui::TColor;
using ui::TRect;

namespace {

using Handler = void (HtmlEngine::*)(const TagArgs&);

}  // namespace

HtmlEngine::TagHandler HtmlEngine::handlerFor(char first)
{
    static constexpr std::array<std::pair<char, Handler>, 13> kHandlers{{
        {'A', &HtmlEngine::tagA},
        {'B', &HtmlEngine::tagB},
        {'C', &HtmlEngine::tagC},
        {'E', &HtmlEngine::tagE},
        {'F', &HtmlEngine::tagF},
        {'H', &HtmlEngine::tagH},
        {'I', &HtmlEngine::tagI},
        {'L', &HtmlEngine::tagL},
        {'P', &HtmlEngine::tagP},
        {'R', &HtmlEngine::tagR},
        {'S', &HtmlEngine::tagS},
        {'U', &HtmlEngine::tagU},
        {'Z', &HtmlEngine::tagZ},
    }};
    for (const auto& [letter, handler] : kHandlers)
        if (letter == first)
            return handler;
    return nullptr;  // any other tag: no effect
}

void HtmlEngine::dispatchTag(std::string_view tagText, bool closing, const TRect& lineRect, bool measuring)
{
    // tagText: from the first letter of the name up to and including ">".
    std::size_t nameEnd = 0;
    while (nameEnd < tagText.size() && tagText[nameEnd] != ' ' && tagText[nameEnd] != '>')
        ++nameEnd;
    const TagArgs t{.text = tagText,
                    .name = rtl::UpperCase(tagText.substr(0, nameEnd)),
                    .closing = closing,
                    .lineRect = lineRect,
                    .measuring = measuring,
                    .drawing = !measuring && !p_.HitTestOnly,
                    .hasClose = tagText.find('>') != std::string_view::npos};
    if (t.name.empty())
        return;
    if (const TagHandler handler = handlerFor(t.name[0]))
        (this->*handler)(t);
}

// <A HREF="url" TITLE="text"> and </A>: links, their hover look, hit and focus rectangle.
void HtmlEngine::tagA(const TagArgs& t)
{
    if (t.closing)
        closeLink(t);
    else
        openLink(t);
}

void HtmlEngine::openLink(const TagArgs& t)
{
    const bool hoverLook = !p_.UnderlineHoverOnly || r_.LinkCount + 1 == p_.HoverLinkIndex;
    if (p_.FocusLinkIndex == r_.LinkCount && !t.measuring) {
        focusOpen_ = true;
        focusLeft_ = x_;
        focusTop_ = t.lineRect.Top;
    }
    ++r_.LinkCount;
    if (hoverLook && t.drawing) {
        setStyle(ui::fsUnderline, true);
        if (p_.HoverBackColor != ui::clNone) {
            hoverSavedBrush_ = savedBrush();
            setBrush(p_.HoverBackColor);
        }
        if (p_.HoverFontColor != ui::clNone) {
            hoverSavedFont_ = c_.Font()->Color();
            c_.Font()->SetColor(p_.HoverFontColor);
        }
    }
    const bool keepHoverColor =
        p_.UnderlineHoverOnly && r_.LinkCount == p_.HoverLinkIndex && p_.HoverFontColor != ui::clNone;
    if (!p_.Selected && !keepHoverColor)
        c_.Font()->SetColor(p_.LinkColor);
    if (HtmlTagAttribute(t.text, "HREF", link_.href)) {
        link_.inside = true;
        link_.title.clear();
        HtmlTagAttribute(t.text, "TITLE", link_.title);
    }
    linkStartX_ = x_;
}

void HtmlEngine::closeLink(const TagArgs& t)
{
    const bool hoverLook = !p_.UnderlineHoverOnly || r_.LinkCount == p_.HoverLinkIndex;
    if (hoverLook && t.drawing) {
        setStyle(ui::fsUnderline, false);
        if (p_.HoverBackColor != ui::clNone)
            restoreBrush(hoverSavedBrush_);
        if (p_.HoverFontColor != ui::clNone)
            c_.Font()->SetColor(hoverSavedFont_);
    }
    if (!p_.Selected)
        c_.Font()->SetColor(baseFont_.Color());
    link_.inside = false;
    if (linkHitPending_) {
        linkHitPending_ = false;
        const int left = linkStartX_ >= 0 ? linkStartX_ : t.lineRect.Left;
        r_.HoverRect = TRect(left, t.lineRect.Top, x_, textBottom(t.lineRect));
        r_.LinkAtPoint = r_.LinkCount;
    }
    if (focusOpen_ && r_.LinkCount == p_.FocusLinkIndex + 1) {
        focusOpen_ = false;
        const int bottom = t.lineRect.Bottom - line_.baseline;
        if (t.drawing)
            c_.DrawFocusRect(TRect(focusLeft_ - 1, bottom - ghHeight(), x_ + 1, bottom));
    }
}

// <B>, <BR>, <BLINK>, <BODY> and the closing tags of the letter.
void HtmlEngine::tagB(const TagArgs& t)
{
    if (t.name == "B") {
        setStyle(ui::fsBold, !t.closing);
    } else if (t.closing) {
        c_.Font()->SetColor(baseFont_.Color());  // </BLINK> and the like
    } else if (t.name == "BR") {
        lineEnded_ = true;
        if (t.measuring)
            r_.PlainText += '\r';
    } else if (t.Starts("BL")) {
        if (!p_.BlinkVisible)
            c_.Font()->SetColor(startBrush_);
    } else if (t.Starts("BODY") && t.drawing) {
        body(t);
    }
}

void HtmlEngine::body(const TagArgs& t)
{
    std::string value;
    if (HtmlTagAttribute(t.text, "BACKGROUND", value))
        bodyBackground(value);
    if (!HtmlTagAttribute(t.text, "BGCOLOR", value))
        return;
    const std::string up = rtl::UpperCase(value);
    TColor col = ui::clBlack;
    if (up.find("CL") != std::string::npos)
        col = HTMLColor(rtl::LowerCase(value));
    if (up.find('#') != std::string::npos)
        col = HTMLColor(value);
    setBrush(col);
    fillBand(layoutRect_, col);
    fontSavedBrush_ = col;
}

// <CONTROL ...>: an inline form control.
void HtmlEngine::tagC(const TagArgs& t)
{
    if (!t.closing && t.name == "CONTROL")
        control(t);
}

// <E> and </E>: error marking (a red wave under the runs), drawing only.
void HtmlEngine::tagE(const TagArgs& t)
{
    if (t.name == "E" && t.drawing)
        errorMark_ = !t.closing;
}

// <FONT FACE COLOR BGCOLOR SIZE> and </FONT>.
void HtmlEngine::tagF(const TagArgs& t)
{
    if (t.name != "FONT")
        return;
    if (!t.closing) {
        if (t.hasClose)
            openFont(t);
        return;
    }
    c_.Font()->SetName(baseFont_.Name());
    c_.Font()->SetHeight(baseFont_.Height());
    if (t.drawing && !p_.Selected) {
        c_.Font()->SetColor(baseFont_.Color());
        restoreBrush(fontSavedBrush_);
    }
}

void HtmlEngine::openFont(const TagArgs& t)
{
    std::string value;
    if (HtmlTagAttribute(t.text, "FACE", value))
        c_.Font()->SetName(value);
    if (!p_.Selected && HtmlTagAttribute(t.text, "COLOR", value))
        c_.Font()->SetColor(HTMLColor(value));
    if (t.drawing && !p_.Selected && HtmlTagAttribute(t.text, "BGCOLOR", value)) {
        fontSavedBrush_ = savedBrush();
        setBrush(HTMLColor(value));
    }
    const std::size_t sizeAt = HtmlFindNoCase(t.text, "SIZE");
    if (sizeAt == std::string::npos)
        return;
    std::size_t eq = t.text.find('=', sizeAt);
    if (eq == std::string::npos)
        return;
    ++eq;
    if (eq < t.text.size() && t.text[eq] == '"')
        ++eq;
    const int n = HtmlReadInt(t.text.substr(eq));
    static constexpr int kSizes[] = {8, 10, 12, 14, 16};
    c_.Font()->SetSize(n >= 1 && n <= 5 ? kSizes[n - 1] : n);
}

// <HI> and </HI> (highlight colours), <HR> (a line under the line).
void HtmlEngine::tagH(const TagArgs& t)
{
    if (t.name == "HI") {
        if (!t.drawing)
            return;
        if (!t.closing) {
            hiSavedFont_ = c_.Font()->Color();
            hiSavedBrush_ = savedBrush();
            setBrush(HighlightBackColor());
            c_.Font()->SetColor(HighlightTextColor());
        } else {
            c_.Font()->SetColor(hiSavedFont_);
            restoreBrush(hiSavedBrush_);
        }
    } else if (t.name == "HR" && !t.closing) {
        lineEnded_ = true;
        if (t.drawing) {
            const TColor pc = c_.Pen()->Color();
            c_.Pen()->SetColor(ui::clBlack);
            c_.MoveTo(t.lineRect.Left, t.lineRect.Bottom + 1);
            c_.LineTo(t.lineRect.Right, t.lineRect.Bottom + 1);
            c_.Pen()->SetColor(pc);
        }
    }
}

// <I> and </I>; <IND x=...> moves the current x; <IMG ...> an inline picture.
void HtmlEngine::tagI(const TagArgs& t)
{
    if (t.name == "I") {
        setStyle(ui::fsItalic, !t.closing);
    } else if (t.Starts("IN") && !t.closing) {
        const std::size_t xAt = t.text.find_first_of("xX");
        std::string value;
        if (xAt != std::string::npos && HtmlTagAttribute(t.text.substr(xAt), "X", value)) {
            bool ok = false;
            const int n = HtmlReadInt(value, &ok);
            if (ok && n > line_.width) {
                line_.width = n;
                x_ = layoutRect_.Left + n;
            }
        }
    } else if (t.name == "IMG" && !t.closing) {
        image(t);
    }
}

// <LI> starts a list item; any closing tag of the letter ends the line.
void HtmlEngine::tagL(const TagArgs& t)
{
    if (t.closing) {
        lineEnded_ = true;
        return;
    }
    if (t.name != "LI")
        return;
    if (liSeen_) {
        lineFull_ = true;
        return;
    }
    liSeen_ = true;
    line_.width += kListIndent * listLevel_;
    x_ += kListIndent * (listLevel_ - 1);
    if (t.drawing) {
        TRect r(x_, t.lineRect.Top, t.lineRect.Right, t.lineRect.Bottom);
        const TColor brush = savedBrush();
        c_.Brush()->SetStyle(TBrushStyle::bsClear);
        c_.DrawText(listLevel_ % 2 ? "\xE2\x80\xA2" : "o", r,
                    ui::DT_LEFT | ui::DT_TOP | ui::DT_SINGLELINE | ui::DT_NOPREFIX);
        restoreBrush(brush);
    }
    x_ += kListIndent;
}

// <P ALIGN INDENT BGCOLOR> and </P>.
void HtmlEngine::tagP(const TagArgs& t)
{
    if (t.name != "P")
        return;
    if (t.closing) {
        lineEnded_ = true;
        if (t.drawing) {
            restoreBrush(paraSavedBrush_);
            paraBack_ = false;
        }
        return;
    }
    if (!t.hasClose)
        return;
    std::string value;
    if (HtmlTagAttribute(t.text, "ALIGN", value)) {
        const std::string up = rtl::UpperCase(value);
        if (up.find("RIGHT") != std::string::npos)
            align_ = 1;
        else if (up.find("LEFT") != std::string::npos)
            align_ = 0;
        else if (up.find("CENTER") != std::string::npos)
            align_ = 2;
    }
    if (HtmlTagAttribute(t.text, "INDENT", value))
        indent_ = HtmlReadInt(value);
    if (t.drawing && HtmlTagAttribute(t.text, "BGCOLOR", value)) {
        const TColor col = HTMLColor(value);
        paraBack_ = true;
        paraSavedBrush_ = savedBrush();
        setBrush(col);
        fillBand(TRect(layoutRect_.Left, t.lineRect.Top, layoutRect_.Right, t.lineRect.Bottom), col);
    }
}

// <R a=...> rotates the font; </R> turns it back.
void HtmlEngine::tagR(const TagArgs& t)
{
    if (t.closing) {
        c_.Font()->SetOrientation(rotationSaved_);
        return;
    }
    const std::size_t aAt = t.text.find_first_of("aA");
    std::string value;
    if (aAt != std::string::npos && HtmlTagAttribute(t.text.substr(aAt), "A", value)) {
        rotationSaved_ = c_.Font()->Orientation();
        c_.Font()->SetOrientation(HtmlReadInt(value) * 10);
    }
}

// <S> strike-out, <SH> shadow, <SUB> and <SUP>; </SU...> ends both.
void HtmlEngine::tagS(const TagArgs& t)
{
    if (t.name == "S")
        setStyle(ui::fsStrikeOut, !t.closing);
    else if (t.Starts("SH"))
        shadow_ = !t.closing;
    else if (t.closing && t.Starts("SU"))
        sub_ = sup_ = false;
    else if (t.Starts("SUB"))
        sub_ = true;
    else if (t.Starts("SUP"))
        sup_ = true;
}

// <U> underline; <UL> and </UL> list levels.
void HtmlEngine::tagU(const TagArgs& t)
{
    if (t.name == "U") {
        setStyle(ui::fsUnderline, !t.closing);
    } else if (!t.closing) {
        ++listLevel_;
        lineEnded_ = true;
    } else if (listLevel_ > 0) {
        --listLevel_;
    } else {
        setStyle(ui::fsUnderline, false);
    }
}

// <Z> and </Z>: hidden text.
void HtmlEngine::tagZ(const TagArgs& t)
{
    if (t.name == "Z")
        hidden_ = !t.closing;
}

}  // namespace gx::html
