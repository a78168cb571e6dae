// Link label: the caption may hold one anchor <a href="target">text</a>.
#include "platform/ui/ExtCtrls.h"

namespace ui {

TLinkLabel::TLinkLabel(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
    SetParentColor(true);
    SetCursor(crDefault);
    TControl::SetBounds(0, 0, 53, 17);
}

void TLinkLabel::Parse(std::string& before, std::string& link, std::string& after, std::string& href) const
{
    const std::string& c = Caption();
    before = c;
    link.clear();
    after.clear();
    href.clear();
    std::size_t open = c.find("<a");
    if (open == std::string::npos)
        open = c.find("<A");
    if (open == std::string::npos)
        return;
    std::size_t openEnd = c.find('>', open);
    std::size_t close = c.find("</a>", openEnd == std::string::npos ? open : openEnd);
    if (close == std::string::npos)
        close = c.find("</A>", openEnd == std::string::npos ? open : openEnd);
    if (openEnd == std::string::npos || close == std::string::npos)
        return;
    std::string tag = c.substr(open, openEnd - open);
    std::size_t h = tag.find("href=");
    if (h != std::string::npos) {
        std::size_t start = h + 5;
        char quote = start < tag.size() ? tag[start] : 0;
        if (quote == '"' || quote == '\'') {
            std::size_t end = tag.find(quote, start + 1);
            href = tag.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
        } else {
            std::size_t end = tag.find_first_of(" >", start);
            href = tag.substr(start, end == std::string::npos ? std::string::npos : end - start);
        }
    }
    before = c.substr(0, open);
    link = c.substr(openEnd + 1, close - openEnd - 1);
    after = c.substr(close + 4);
}

std::string TLinkLabel::DisplayText() const
{
    std::string b, l, a, h;
    Parse(b, l, a, h);
    return b + l + a;
}

bool TLinkLabel::HasLink() const
{
    std::string b, l, a, h;
    Parse(b, l, a, h);
    return !l.empty();
}

std::string TLinkLabel::LinkTarget() const
{
    std::string b, l, a, h;
    Parse(b, l, a, h);
    return h.empty() ? l : h;
}

TRect TLinkLabel::LinkRect()
{
    std::string b, l, a, h;
    Parse(b, l, a, h);
    if (l.empty())
        return {};
    TCanvas measure;
    measure.Font()->Assign(*Font());
    int x = measure.TextWidth(b);
    TSize ext = measure.TextExtent(l);
    return Bounds(x, 0, ext.cx, ext.cy);
}

void TLinkLabel::PaintControl(TCanvas& canvas)
{
    PaintBackground(canvas);
    std::string b, l, a, h;
    Parse(b, l, a, h);
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    int x = 0;
    canvas.TextOut(x, 0, b);
    x += canvas.TextWidth(b);
    if (!l.empty()) {
        canvas.Font()->SetColor(Enabled() ? clHotLight : clGrayText);
        canvas.Font()->SetStyle(Font()->Style() | fsUnderline);
        canvas.TextOut(x, 0, l);
        x += canvas.TextWidth(l);
        canvas.Font()->Assign(*Font());
        if (Focused())
            canvas.DrawFocusRect(LinkRect());
    }
    canvas.TextOut(x, 0, a);
}

void TLinkLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TWinControl::MouseUp(button, shift, x, y);
    if (button == TMouseButton::mbLeft && Enabled() && LinkRect().Contains({x, y}) && OnLinkClick)
        OnLinkClick(this, LinkTarget(), TSysLinkType::sltURL);
}

void TLinkLabel::KeyDown(unsigned& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    if ((key == VK_RETURN || key == VK_SPACE) && HasLink() && OnLinkClick) {
        OnLinkClick(this, LinkTarget(), TSysLinkType::sltURL);
        key = 0;
    }
}

}  // namespace ui
