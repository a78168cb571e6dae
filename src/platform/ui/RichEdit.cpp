// The rich edit: formats kept in step with the memo's text, line-wise caret keys, painting and
// hit testing of formatted lines.
#include "platform/ui/RichEdit.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/TextSelection.h"
#include <algorithm>
#include <memory>

namespace ui {

namespace {
void ApplyFormat(TFont& font, const TRichCharFormat& f)
{
    font.SetName(f.Name);
    font.SetSize(f.Size);
    font.SetStyle(f.Style);
    font.SetColor(f.Color);
}

// Twips to pixels at 96 dots per inch.
int TwipsToPixels(int twips)
{
    return twips * 96 / 1440;
}

// The line breaks: CR LF, or a lone CR or LF.
bool IsBreak(char32_t c)
{
    return c == '\r' || c == '\n';
}
}  // namespace

TRichEdit::TRichEdit(TComponent* AOwner) : TMemo(AOwner)
{
    SetWordWrap(false);
}

TRichCharFormat TRichEdit::BaseFormat() const
{
    TRichCharFormat f;
    f.Name = Font()->Name();
    f.Size = Font()->Size();
    f.Style = Font()->Style();
    f.Color = Font()->Color();
    return f;
}

void TRichEdit::SyncFormats()
{
    const std::u32string now = rtl::Utf8ToCodePoints(Text());
    if (now != chars_) {
        std::size_t pre = 0;
        while (pre < now.size() && pre < chars_.size() && now[pre] == chars_[pre])
            ++pre;
        std::size_t suf = 0;
        while (suf < now.size() - pre && suf < chars_.size() - pre &&
               now[now.size() - 1 - suf] == chars_[chars_.size() - 1 - suf])
            ++suf;
        const TRichCharFormat typed = caretFormatSet_     ? caretFormat_
                                      : pre > 0           ? formats_[pre - 1]
                                      : !formats_.empty() ? formats_.front()
                                                          : BaseFormat();
        const auto at = formats_.begin() + static_cast<std::ptrdiff_t>(pre);
        formats_.erase(at, formats_.begin() + static_cast<std::ptrdiff_t>(chars_.size() - suf));
        formats_.insert(formats_.begin() + static_cast<std::ptrdiff_t>(pre), now.size() - pre - suf, typed);
        chars_ = now;
        caretFormatSet_ = false;
    }
}

void TRichEdit::Change()
{
    SyncFormats();
    TMemo::Change();
    const TSize s = ContentSize();
    RequestResize({0, 0, s.cx, s.cy});
}

void TRichEdit::RequestResize(const TRect& needed)
{
    if (OnRequestResize)
        OnRequestResize(this, needed);
}

void TRichEdit::LoadRtf(std::string_view bytes)
{
    TRichText t = ReadRtf(bytes, BaseFormat());
    // The formats go in first, so that the change of text finds them in step.
    chars_ = t.Text;
    formats_ = std::move(t.Formats);
    caretFormatSet_ = false;
    const std::string text = rtl::CodePointsToUtf8(t.Text);
    if (text == Text()) {
        Invalidate();
        return;
    }
    SetText(text);
}

TRichText TRichEdit::Content() const
{
    return {chars_, formats_};
}

std::string TRichEdit::SaveRtf() const
{
    return WriteRtf(Content(), BaseFormat());
}

TRichCharFormat TRichEdit::SelFormat() const
{
    const int start = SelStart();
    if (SelLength() > 0 && start < static_cast<int>(formats_.size()))
        return formats_[static_cast<std::size_t>(start)];
    if (caretFormatSet_)
        return caretFormat_;
    if (start > 0 && start <= static_cast<int>(formats_.size()))
        return formats_[static_cast<std::size_t>(start - 1)];
    return formats_.empty() ? BaseFormat() : formats_.front();
}

void TRichEdit::ChangeSelFormat(const std::function<void(TRichCharFormat&)>& change)
{
    if (SelLength() == 0) {
        caretFormat_ = SelFormat();
        change(caretFormat_);
        caretFormatSet_ = true;
        return;
    }
    const int end = std::min(SelStart() + SelLength(), static_cast<int>(formats_.size()));
    for (int i = SelStart(); i < end; ++i)
        change(formats_[static_cast<std::size_t>(i)]);
    SetModified(true);
    Changed(TChangeAspect::Other);
    Invalidate();
    const TSize s = ContentSize();
    RequestResize({0, 0, s.cx, s.cy});
}

int TRichEdit::CharWidth(TCanvas& measure, int pos) const
{
    ApplyFormat(*measure.Font(), formats_[static_cast<std::size_t>(pos)]);
    return measure.TextWidth(rtl::CodePointToUtf8(chars_[static_cast<std::size_t>(pos)]));
}

int TRichEdit::WrapWidth() const
{
    if (!WordWrap())
        return 0;
    const TRect er = EditRect();
    return std::max(1, er.Right - er.Left - 2);
}

std::vector<TRichEdit::TLine> TRichEdit::Layout(int wrapWidth) const
{
    std::vector<TLine> lines;
    TCanvas measure;
    const int n = static_cast<int>(chars_.size());
    // The lines between line breaks, each cut into the pieces that fit the width: after the last
    // space that fits, or before the character that does not fit when a word is wider than the
    // line. Spaces may run past the width; no piece is empty.
    int start = 0;
    for (;;) {
        int end = start;
        while (end < n && !IsBreak(chars_[static_cast<std::size_t>(end)]))
            ++end;
        int from = start;
        if (wrapWidth > 0) {
            int x = 0;
            int afterSpace = -1;
            for (int i = start; i < end; ++i) {
                const int w = CharWidth(measure, i);
                if (chars_[static_cast<std::size_t>(i)] == ' ') {
                    x += w;
                    afterSpace = i + 1;
                    continue;
                }
                if (x + w > wrapWidth && i > from) {
                    const int cut = afterSpace > from ? afterSpace : i;
                    TLine piece;
                    piece.Start = from;
                    piece.End = cut;
                    piece.Soft = true;
                    lines.push_back(piece);
                    from = cut;
                    x = 0;
                    for (int k = cut; k < i; ++k)
                        x += CharWidth(measure, k);
                    afterSpace = -1;
                }
                x += w;
            }
        }
        TLine line;
        line.Start = from;
        line.End = end;
        lines.push_back(line);
        if (end >= n)
            break;
        start = end + 1;
        if (chars_[static_cast<std::size_t>(end)] == '\r' && start < n &&
            chars_[static_cast<std::size_t>(start)] == '\n')
            ++start;
    }
    int top = 0;
    for (TLine& line : lines) {
        const TRichCharFormat first = line.Start < n ? formats_[static_cast<std::size_t>(line.Start)]
                                                     : (formats_.empty() ? BaseFormat() : formats_.back());
        ApplyFormat(*measure.Font(), first);
        int text = measure.TextHeight("Wg");
        int up = 0;
        for (int i = line.Start; i < line.End; ++i) {
            const TRichCharFormat& f = formats_[static_cast<std::size_t>(i)];
            ApplyFormat(*measure.Font(), f);
            text = std::max(text, measure.TextHeight("Wg"));
            up = std::max(up, TwipsToPixels(f.Offset));
            line.Down = std::max(line.Down, -TwipsToPixels(f.Offset));
        }
        line.Top = top;
        line.Height = text + up + line.Down;
        top += line.Height;
    }
    return lines;
}

int TRichEdit::LineOf(const std::vector<TLine>& lines, int pos) const
{
    // The end of a wrapped piece is the start of the next one: the caret shows there.
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (pos < lines[i].End || (pos == lines[i].End && !lines[i].Soft))
            return static_cast<int>(i);
    return static_cast<int>(lines.size()) - 1;
}

int TRichEdit::LastPos(const TLine& line)
{
    return line.Soft ? line.End - 1 : line.End;
}

int TRichEdit::XOf(const TLine& line, int pos) const
{
    TCanvas measure;
    int x = 0;
    for (int i = line.Start; i < std::min(pos, line.End); ++i) {
        ApplyFormat(*measure.Font(), formats_[static_cast<std::size_t>(i)]);
        x += measure.TextWidth(rtl::CodePointToUtf8(chars_[static_cast<std::size_t>(i)]));
    }
    return x;
}

TSize TRichEdit::ContentSize() const
{
    const std::vector<TLine> lines = Layout(WrapWidth());
    int w = 0;
    for (const TLine& l : lines)
        w = std::max(w, XOf(l, l.End));
    return {w + 2, lines.back().Top + lines.back().Height + 2};
}

int TRichEdit::PosAtPoint(int x, int y) const
{
    const std::vector<TLine> lines = Layout(WrapWidth());
    const TRect er = EditRect();
    y -= er.Top + 1;
    x -= er.Left + 1;
    std::size_t li = 0;
    while (li + 1 < lines.size() && y >= lines[li].Top + lines[li].Height)
        ++li;
    const TLine& line = lines[li];
    TCanvas measure;
    int left = 0;
    for (int i = line.Start; i < LastPos(line); ++i) {
        const int w = CharWidth(measure, i);
        if (x < left + w / 2)
            return i;
        left += w;
    }
    return LastPos(line);
}

void TRichEdit::PaintContent(TCanvas& canvas, const TRect& r, bool withSelection) const
{
    const int selA = SelStart(), selB = SelStart() + SelLength();
    // The canvas's clipping comes back afterwards.
    const bool hadClip = canvas.HasClip();
    const TRect oldClip = canvas.ClipRectRaw();
    std::unique_ptr<TRegion> oldRegion;
    if (canvas.ClipRegion())
        oldRegion = std::make_unique<TRegion>(*canvas.ClipRegion());
    canvas.IntersectClipRect(r);
    for (const TLine& line : Layout(WordWrap() ? std::max(1, r.Right - r.Left - 2) : 0)) {
        int x = r.Left + 1;
        const int base = r.Top + 1 + line.Top + line.Height - line.Down;
        for (int i = line.Start; i < line.End; ++i) {
            const TRichCharFormat& f = formats_[static_cast<std::size_t>(i)];
            ApplyFormat(*canvas.Font(), f);
            const std::string ch = rtl::CodePointToUtf8(chars_[static_cast<std::size_t>(i)]);
            const TSize sz = canvas.TextExtent(ch);
            const int drawY = base - sz.cy - TwipsToPixels(f.Offset);
            const bool selected = withSelection && i >= selA && i < selB;
            if (selected) {
                canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
                canvas.Brush()->SetColor(clHighlight);
                canvas.FillRect({x, r.Top + 1 + line.Top, x + sz.cx, r.Top + 1 + line.Top + line.Height});
                canvas.Font()->SetColor(clHighlightText);
            }
            canvas.Brush()->SetStyle(TBrushStyle::bsClear);
            if (ch != "\t")
                canvas.TextOut(x, drawY, ch);
            x += sz.cx;
        }
    }
    canvas.ResetClip();
    if (hadClip)
        canvas.SetClipRect(oldClip);
    if (oldRegion)
        canvas.SelectClipRgn(oldRegion.get());
}

void TRichEdit::PaintControl(TCanvas& canvas)
{
    TWinControl::PaintControl(canvas);
    const TPoint o = ClientOrigin();
    const TRect r = EditRect().Offset(o.X, o.Y);
    PaintContent(canvas, r, Focused() || !HideSelection);
    if (Focused() && SelLength() == 0) {
        const std::vector<TLine> lines = Layout(WrapWidth());
        const TLine& line = lines[static_cast<std::size_t>(LineOf(lines, SelStart()))];
        const int x = r.Left + 1 + XOf(line, SelStart());
        canvas.Pen()->SetColor(Font()->Color());
        canvas.MoveTo(x, r.Top + 1 + line.Top);
        canvas.LineTo(x, r.Top + 1 + line.Top + line.Height);
    }
}

void TRichEdit::WndProc(TMessage& message)
{
    const int start = SelStart(), length = SelLength();
    TMemo::WndProc(message);
    if (start != SelStart() || length != SelLength()) {
        Invalidate();
        SelectionChange();
    }
}

void TRichEdit::SelectionChange()
{
    if (OnSelectionChange)
        OnSelectionChange(this);
}

void TRichEdit::KeyDown(unsigned& key, TShiftState shift)
{
    const bool lineKey = key == VK_UP || key == VK_DOWN || ((key == VK_HOME || key == VK_END) && !(shift & ssCtrl));
    if (!lineKey) {
        const bool deleteKey = key == VK_DELETE && !ReadOnly() && SelLength() == 0;
        const int caret = SelStart();
        if (deleteKey && caret + 1 < static_cast<int>(chars_.size()) &&
            chars_[static_cast<std::size_t>(caret)] == '\r' && chars_[static_cast<std::size_t>(caret) + 1] == '\n')
            SetSelLength(2);  // a line break goes as a whole
        const unsigned k = key;
        TMemo::KeyDown(key, shift);
        // The caret never rests inside a CR LF.
        const int pos = SelStart() + (SelStart() == caret ? SelLength() : 0);
        if ((k == VK_LEFT || k == VK_RIGHT) && pos > 0 && pos < static_cast<int>(chars_.size()) &&
            chars_[static_cast<std::size_t>(pos) - 1] == '\r' && chars_[static_cast<std::size_t>(pos)] == '\n') {
            int s = SelStart(), l = SelLength();
            PlaceCaret(k == VK_LEFT ? pos - 1 : pos + 1, shift, TextLength(), s, l);
            SetSelStart(s);
            SetSelLength(l);
        }
        return;
    }
    TWinControl::KeyDown(key, shift);
    if (key == 0)
        return;
    const std::vector<TLine> lines = Layout(WrapWidth());
    const int caret = SelStart() + SelLength();
    const int li = LineOf(lines, caret);
    const TLine& line = lines[static_cast<std::size_t>(li)];
    int target = caret;
    if (key == VK_HOME) {
        target = line.Start;
    } else if (key == VK_END) {
        target = LastPos(line);
    } else {
        const int to = li + (key == VK_UP ? -1 : 1);
        if (to < 0 || to >= static_cast<int>(lines.size()))
            return;
        // Keep the horizontal position as well as the other line allows.
        const int x = XOf(line, caret);
        const TLine& other = lines[static_cast<std::size_t>(to)];
        int best = -1;
        for (int i = other.Start; i <= LastPos(other); ++i)
            if (const int d = std::abs(XOf(other, i) - x); best < 0 || d < best) {
                best = d;
                target = i;
            }
    }
    int s = SelStart(), l = SelLength();
    PlaceCaret(target, shift, TextLength(), s, l);
    SetSelStart(s);
    SetSelLength(l);
}

void TRichEdit::KeyPress(char32_t& key)
{
    const int caret = SelStart();
    if (key == 8 && !ReadOnly() && SelLength() == 0 && caret >= 2 &&
        chars_[static_cast<std::size_t>(caret) - 2] == '\r' && chars_[static_cast<std::size_t>(caret) - 1] == '\n') {
        TWinControl::KeyPress(key);
        if (key == 0)
            return;
        SetSelStart(caret - 2);
        SetSelLength(2);
        SetSelText("");
        return;
    }
    TMemo::KeyPress(key);
}

void TRichEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TMemo::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    int s = SelStart(), l = SelLength();
    PlaceCaret(PosAtPoint(x, y), shift, TextLength(), s, l);
    SetSelStart(s);
    SetSelLength(l);
    caretFormatSet_ = false;
    Invalidate();
}

}  // namespace ui
