// TGxStringGrid: balloon tool tips over the cells. With Balloon.Enable the grid keeps a tool tip
// in balloon style whose tool is the grid's whole client area; when it is about to show, it asks
// the grid (WM_NOTIFY), which answers with the text of the cell under the mouse, the title " "
// with the information icon, the cell's own balloon (AddBalloon) and then OnCellBalloon.
#include "grid/stringgrid/GxGrid.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

namespace {

constexpr const char* kBalloonTitle = "ToolTipText";
constexpr int kBalloonTitleIcon = ui::ttiError;
constexpr int kMaxBalloonWidth = 300;
constexpr int kMaxBalloonTitle = 100;

}  // namespace

std::string TGxStringGrid::CutWithEllipsis(const std::string& Text, int MaxChars)
{
    if (rtl::Utf8Length(Text) <= MaxChars)
        return Text;
    return rtl::Utf8Left(Text, MaxChars - 3) + "...";
}

void TGxStringGrid::BalloonInit()
{
    if (balloonTip_)
        return;
    balloonTip_ = new ui::TToolTip(this);
    balloonTip_->SetTool(this);
    balloonTip_->SetTitle(kBalloonTitle, kBalloonTitleIcon);
    const TBalloonSettings& settings = *balloon_;
    if (settings.InitialDelay != -1)
        balloonTip_->SetDelayTime(ui::TToolTipDelay::Initial, settings.InitialDelay);
    if (settings.ReshowDelay != -1)
        balloonTip_->SetDelayTime(ui::TToolTipDelay::Reshow, settings.ReshowDelay);
    if (settings.AutoHideDelay != -1)
        balloonTip_->SetDelayTime(ui::TToolTipDelay::AutoPop, settings.AutoHideDelay);
    if (settings.Transparency > 0)
        balloonTip_->SetAlpha(static_cast<std::uint8_t>(255 - settings.Transparency));
}

// Whatever Enable says now: switching balloons off takes the tool tip away too.
void TGxStringGrid::BalloonDone()
{
    delete balloonTip_;
    balloonTip_ = nullptr;
    LastBalloonPos = {-1, -1};
}

void TGxStringGrid::BalloonEnableChange()
{
    if (ComponentState() & ui::csLoading)
        return;
    if (balloon_->Enable())
        BalloonInit();
    else
        BalloonDone();
}

void TGxStringGrid::BalloonCellMove(int ACol, int ARow)
{
    if (!balloon_->Enable() || !balloonTip_)
        return;
    ui::TPoint base{-1, -1};
    if (ACol >= 0 && ARow >= 0) {
        base = BaseCell(RealColIndex(ACol), ARow);
        base.X = DisplColIndex(base.X);
    }
    if (base != LastBalloonPos) {
        balloonTip_->Pop();
        LastBalloonPos = {-1, -1};
    }
}

bool TGxStringGrid::HandleBalloonNotify(ui::TMessage& message)
{
    auto* request = reinterpret_cast<ui::TToolTipText*>(message.LParam);
    if (!request || request->Code != ui::TTN_GETDISPINFO)
        return false;
    // The request is answered here or nowhere.
    if (!balloon_->Enable() || !balloonTip_ || request->ToolTip != balloonTip_)
        return true;
    int ACol = -1, ARow = -1;
    MouseToCell(request->CursorPos.X, request->CursorPos.Y, ACol, ARow);
    if (ACol < 0 || ARow < 0)
        return true;
    const ui::TPoint base = BaseCell(RealColIndex(ACol), ARow);
    const int displCol = DisplColIndex(base.X);
    std::string text = BalloonText(base.X, base.Y);
    std::string title = " ";
    int icon = ui::ttiInfo;
    TBalloonIcon own = biNone;
    if (IsBalloon(base.X, base.Y, title, text, own))
        icon = own;
    if (OnCellBalloon)
        OnCellBalloon(this, displCol, base.Y, title, text, icon);
    LastBalloonPos = {displCol, base.Y};
    balloonTip_->SetMaxTipWidth(kMaxBalloonWidth);
    if (balloon_->TextColor != ui::clNone)
        balloonTip_->SetTipTextColor(balloon_->TextColor);
    if (balloon_->BackgroundColor != ui::clNone)
        balloonTip_->SetTipBkColor(balloon_->BackgroundColor);
    balloonTip_->SetTitle(CutWithEllipsis(title, kMaxBalloonTitle), icon);
    request->Text = text;
    return true;
}

}  // namespace gx
