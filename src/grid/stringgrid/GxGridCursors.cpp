// The grid's own mouse pointers, drawn here and registered with the screen's cursor table on first
// use: the row pointer (8010, an arrow to the right), the column pointer (8011, an arrow down) and
// the all-cells pointer (8012, an arrow down and to the right). Black arrows with a white rim; the
// hot spot is the arrow's tip.
#include <cmath>
#include <cstdint>

#include "grid/stringgrid/GxGridInput.h"
#include "platform/ui/Application.h"
#include "platform/ui/Graphics.h"

namespace gx {

namespace {

constexpr int kSize = 16;

struct Pt {
    double x, y;
};

// A downward arrow with its tip at (0, 0), in pointer pixels.
constexpr Pt kArrow[] = {{0, 0}, {-6, -6}, {-2, -6}, {-2, -14}, {2, -14}, {2, -6}, {6, -6}};

bool Inside(const Pt (&poly)[7], double x, double y)
{
    bool in = false;
    for (int i = 0, j = 6; i < 7; j = i++)
        if ((poly[i].y > y) != (poly[j].y > y) &&
            x < (poly[j].x - poly[i].x) * (y - poly[i].y) / (poly[j].y - poly[i].y) + poly[i].x)
            in = !in;
    return in;
}

// The arrow turned by the angle (0: down) and placed with its tip at the hot spot.
void DrawArrow(ui::TBitmap& bmp, double angle, Pt tip)
{
    Pt poly[7];
    const double c = std::cos(angle), s = std::sin(angle);
    for (int i = 0; i < 7; ++i)
        poly[i] = {tip.x + kArrow[i].x * c - kArrow[i].y * s, tip.y + kArrow[i].x * s + kArrow[i].y * c};
    bmp.SetSize(kSize, kSize);
    bmp.SetAlphaChannel(true);
    bool inside[kSize][kSize];
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            inside[y][x] = Inside(poly, x + 0.5, y + 0.5);
    for (int y = 0; y < kSize; ++y) {
        std::uint32_t* line = bmp.ScanLine(y);
        for (int x = 0; x < kSize; ++x) {
            bool rim = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    rim = rim || (nx >= 0 && ny >= 0 && nx < kSize && ny < kSize && inside[ny][nx]);
                }
            line[x] = inside[y][x] ? 0xFF000000u : (rim ? 0xFFFFFFFFu : 0u);
        }
    }
}

}  // namespace

ui::TCursor GridSelectCursor(TMouseSelectMode mode)
{
    static bool registered = false;
    if (!registered && ui::GetScreen()) {
        registered = true;
        constexpr double kPi = 3.14159265358979323846;
        ui::TBitmap row, column, all;
        DrawArrow(row, -kPi / 2, {14, 7});
        DrawArrow(column, 0, {7, 14});
        DrawArrow(all, -kPi / 4, {13, 13});
        ui::GetScreen()->SetCursors(kRowCursor, row, {14, 7});
        ui::GetScreen()->SetCursors(kColumnCursor, column, {7, 14});
        ui::GetScreen()->SetCursors(kAllCursor, all, {13, 13});
    }
    switch (mode) {
    case msRow:
        return kRowCursor;
    case msColumn:
        return kColumnCursor;
    case msAll:
    case msResize:
        return kAllCursor;
    default:
        return ui::crDefault;
    }
}

}  // namespace gx
