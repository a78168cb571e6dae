#pragma once
// TRichEdit: a memo whose characters carry formats (font, size, style, colour, raised or lowered).
// The text and the caret are the memo's; the formats follow every change of the text (typed
// characters take the format before them, or the one set for the caret). Lines end at line
// breaks; with WordWrap they also wrap at the edit rectangle's width, and the caret keys, clicks
// and painting follow the wrapped lines. Content goes in and out as rich text (RichText.h).
#include "platform/ui/RichText.h"
#include "platform/ui/StdCtrls.h"
#include <functional>

namespace ui {

class TRichEdit : public TMemo {
public:
    explicit TRichEdit(TComponent* AOwner);

    // Replaces the content by rich text (bytes; plain text when it is not rich text).
    void LoadRtf(std::string_view bytes);
    // The content as rich text.
    std::string SaveRtf() const;
    // The content with its formats.
    TRichText Content() const;
    // The format of text without formatting: the control's font.
    TRichCharFormat BaseFormat() const;

    // The selection's format: its first character's, or with no selection the format the next
    // typed character gets.
    TRichCharFormat SelFormat() const;
    // Changes the format of the selected characters, or with no selection of the next typed ones.
    void ChangeSelFormat(const std::function<void(TRichCharFormat&)>& change);

    // The size the content needs (text and a 1-pixel margin), in pixels.
    TSize ContentSize() const;
    // Paints the content with its top-left at the rectangle's top-left, clipped to it (with
    // WordWrap the lines wrap at the rectangle's width).
    void PaintContent(TCanvas& canvas, const TRect& r, bool withSelection) const;
    // The character position nearest to a point of the client area.
    int PosAtPoint(int x, int y) const;

    // Whether the selection is shown only while the control has the focus.
    bool HideSelection = true;

    // The selection moved (keys, mouse or messages).
    TNotifyEvent OnSelectionChange;
    // The content's size changed: the needed rectangle (0, 0, width, height).
    std::function<void(TObject* Sender, const TRect& Needed)> OnRequestResize;

    void WndProc(TMessage& message) override;

protected:
    void Change() override;
    void KeyDown(unsigned& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void PaintControl(TCanvas& canvas) override;
    virtual void SelectionChange();
    // Called after each change of the content with the size it needs.
    virtual void RequestResize(const TRect& needed);

private:
    struct TLine {
        int Start = 0;  // first character
        int End = 0;    // after the last character, before the line break
        int Top = 0;
        int Height = 0;
        int Down = 0;       // room under the base line for lowered text
        bool Soft = false;  // wrapped: the next line goes on at End, no line break between
    };
    // The lines, wrapped at wrapWidth pixels when it is above 0.
    std::vector<TLine> Layout(int wrapWidth) const;
    // The wrap width of the control's own edit rectangle (0: no wrapping).
    int WrapWidth() const;
    int CharWidth(TCanvas& measure, int pos) const;
    // The last caret position shown on the line.
    static int LastPos(const TLine& line);
    int LineOf(const std::vector<TLine>& lines, int pos) const;
    int XOf(const TLine& line, int pos) const;
    void SyncFormats();
    std::u32string chars_;                  // the text the formats belong to
    std::vector<TRichCharFormat> formats_;  // one per character of chars_
    bool caretFormatSet_ = false;           // the next typed characters take caretFormat_
    TRichCharFormat caretFormat_;
};

}  // namespace ui
