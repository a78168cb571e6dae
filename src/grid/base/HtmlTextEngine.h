#pragma once
// The line engine behind DrawHTMLText, shared by its source files: the core (line loop, text
// runs, tag reading) in HtmlTextDraw.cpp, the tag handlers in HtmlTextTags.cpp and the inline
// pictures and controls in HtmlInlineObjects.cpp. Not for use outside them.

#include <string>
#include <string_view>

#include "grid/base/HtmlPicture.h"
#include "grid/base/HtmlTextDraw.h"
#include "platform/ui/Graphics.h"

namespace gx::html {

// Bottom-aligned single line with tabs expanded; "&" marks an accelerator ("&&" is one "&").
constexpr unsigned kTextFlags = ui::DT_BOTTOM | ui::DT_SINGLELINE | ui::DT_EXPANDTABS;
constexpr int kListIndent = 12;

// Colours of the <HI> tag (SetHighlightColors).
ui::TColor HighlightBackColor();
ui::TColor HighlightTextColor();

struct LinkState {
    bool inside = false;
    std::string href, title;
};

struct LineMetrics {
    int width = 0;
    int height = 0;
    int subExtra = 0;
    int supExtra = 0;
    int baseline = 0;
};

// One tag as the handlers see it.
struct TagArgs {
    std::string_view text;  // from the first letter of the name up to and including ">"
    std::string name;       // the name in upper case
    bool closing = false;
    const ui::TRect& lineRect;
    bool measuring = false;
    bool drawing = false;   // drawing pass and not only hit-testing
    bool hasClose = false;  // the tag has its ">"

    bool Starts(std::string_view prefix) const { return name.rfind(prefix, 0) == 0; }
};

// Size of the object an IMG or CONTROL tag places on the line, kept between tags of a call.
struct ObjectSize {
    int width = 0;
    int height = 0;
};

class HtmlEngine {
public:
    HtmlEngine(ui::TCanvas& canvas, const ui::TRect& layout, const THTMLDrawParams& p, THTMLDrawResult& r)
        : c_(canvas), layoutRect_(layout), p_(p), r_(r)
    {}

    bool run(std::string_view text);

private:
    // One line of the source: in measuring mode it consumes the line's markup from src into
    // consumed_; in drawing mode it draws (or hit-tests) the given markup in lineRect.
    void drawLine(std::string& src, const ui::TRect& lineRect, bool measuring);
    void textRun(std::string& src, const ui::TRect& lineRect, bool measuring);
    void tag(std::string& src, const ui::TRect& lineRect, bool measuring);
    void dispatchTag(std::string_view tagText, bool closing, const ui::TRect& lineRect, bool measuring);

    // Tag handlers, one per first letter of the tag name (HtmlTextTags.cpp).
    using TagHandler = void (HtmlEngine::*)(const TagArgs&);
    static TagHandler handlerFor(char first);
    void tagA(const TagArgs& t);
    void tagB(const TagArgs& t);
    void tagC(const TagArgs& t);
    void tagE(const TagArgs& t);
    void tagF(const TagArgs& t);
    void tagH(const TagArgs& t);
    void tagI(const TagArgs& t);
    void tagL(const TagArgs& t);
    void tagP(const TagArgs& t);
    void tagR(const TagArgs& t);
    void tagS(const TagArgs& t);
    void tagU(const TagArgs& t);
    void tagZ(const TagArgs& t);
    void openLink(const TagArgs& t);
    void closeLink(const TagArgs& t);
    void body(const TagArgs& t);
    void openFont(const TagArgs& t);

    // Inline pictures and controls (HtmlInlineObjects.cpp).
    void image(const TagArgs& t);
    void listImage(const TagArgs& t, std::string& source);
    void pictureImage(const TagArgs& t, THTMLPicture& pic, int width, int height);
    void control(const TagArgs& t);
    void drawControl(const TagArgs& t, const std::string& type, const std::string& value, int width, int lineHeight);
    void drawFieldControl(const std::string& type, const std::string& value, int width, int lineHeight, int bottom);
    void drawCheckControl(bool check, bool checked, int bottom);
    void drawButtonControl(const std::string& value, int width, int bottom);
    void drawControlValue(const std::string& text, ui::TRect r, unsigned align);
    // The point lies on the control being drawn (its hot look).
    bool controlHot(int bottom) const;
    void bodyBackground(const std::string& source);
    // The picture a source names in the container or the URL cache; nullptr when none.
    THTMLPicture* findPicture(const std::string& source);
    // An object of the current size under the point: where it stands on the drawn line.
    bool pointOnObject(const ui::TRect& lineRect) const;
    // Places an object of the current size on the line, or marks the line full.
    void placeObject(const ui::TRect& lineRect);
    int scaleX(int v);
    int scaleY(int v);

    int ghHeight() { return c_.TextHeight("gh"); }
    int textWidth(const std::string& s);
    void setStyle(unsigned flag, bool on);
    ui::TColor savedBrush();
    void restoreBrush(ui::TColor saved);
    void setBrush(ui::TColor color);
    void fillBand(const ui::TRect& r, ui::TColor color);
    void drawRun(const std::string& text, const ui::TRect& box);
    void drawErrorLine(int left, int right, int textBottom);
    int textBottom(const ui::TRect& lineRect) const { return lineRect.Bottom - line_.subExtra; }

    ui::TCanvas& c_;
    const ui::TRect layoutRect_;
    const THTMLDrawParams& p_;
    THTMLDrawResult& r_;

    ui::TFont baseFont_;
    ui::TColor startBrush_ = ui::clNone;
    bool dropRest_ = false;

    int align_ = 0;  // 0 left, 1 right, 2 centre
    int indent_ = 0;
    int listLevel_ = 0;
    LinkState link_;
    bool linkHitPending_ = false;
    bool linkTextHit_ = false;
    bool objectHit_ = false;  // an image link or a control lies under the point in this pass
    bool errorMark_ = false;
    bool hidden_ = false;
    bool shadow_ = false;
    bool paraBack_ = false;
    bool sub_ = false;
    bool sup_ = false;
    int rotationSaved_ = 0;

    ui::TColor paraSavedBrush_ = ui::clNone;
    ui::TColor fontSavedBrush_ = ui::clNone;
    ui::TColor hoverSavedBrush_ = ui::clNone;
    ui::TColor hoverSavedFont_ = ui::clNone;
    ui::TColor hiSavedFont_ = ui::clNone;
    ui::TColor hiSavedBrush_ = ui::clNone;

    // Inline objects.
    ObjectSize object_;
    int controlHeight_ = 25;
    int imageCount_ = 0;
    int imageAtPoint_ = -1;

    // Per line.
    LineMetrics line_;
    bool lineEnded_ = false;
    bool lineFull_ = false;
    bool liSeen_ = false;
    int trailingSpace_ = 0;
    std::string lineText_;
    std::string consumed_;
    int x_ = 0;            // current x
    int linkStartX_ = -1;  // where the open link began on this line; -1 on an earlier line
    bool focusOpen_ = false;
    int focusLeft_ = 0;
    int focusTop_ = 0;
};

}  // namespace gx::html
