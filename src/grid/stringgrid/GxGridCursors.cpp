// The grid's own mouse pointers, drawn here and registered with the screen's cursor table on first
// use: the row pointer (8010, an arrow to the right), the column pointer (8011, an arrow down) and
// the all-cells pointer (8012, an arrow down and to the right), hot spot at the arrow's tip; the pan
// pointers (8000 a dot at rest, 8001 … 8008 an arrow through the dot towards the pan direction), hot
// spot at the dot. Black shapes with a white rim.
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

constexpr double kPi = 3.14159265358979323846;

// The arrow turned by the angle (0: down) with its tip at the given point.
void ArrowPolygon(double angle, Pt tip, Pt (&poly)[7])
{
    const double c = std::cos(angle), s = std::sin(angle);
    for (int i = 0; i < 7; ++i)
        poly[i] = {tip.x + kArrow[i].x * c - kArrow[i].y * s, tip.y + kArrow[i].x * s + kArrow[i].y * c};
}

// The pointer image of a shape given as a pixel test: black inside, a one-pixel white rim.
template <typename Shape>
void Rasterize(ui::TBitmap& bmp, Shape inside)
{
    bmp.SetSize(kSize, kSize);
    bmp.SetAlphaChannel(true);
    bool in[kSize][kSize];
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            in[y][x] = inside(x + 0.5, y + 0.5);
    for (int y = 0; y < kSize; ++y) {
        std::uint32_t* line = bmp.ScanLine(y);
        for (int x = 0; x < kSize; ++x) {
            bool rim = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    rim = rim || (nx >= 0 && ny >= 0 && nx < kSize && ny < kSize && in[ny][nx]);
                }
            line[x] = in[y][x] ? 0xFF000000u : (rim ? 0xFFFFFFFFu : 0u);
        }
    }
}

void DrawArrow(ui::TBitmap& bmp, double angle, Pt tip)
{
    Pt poly[7];
    ArrowPolygon(angle, tip, poly);
    Rasterize(bmp, [&](double x, double y) { return Inside(poly, x, y); });
}

// The pan pointer: a dot in the middle and, for a direction, an arrow through it towards (dx, dy).
constexpr ui::TPoint kPanHotSpot{8, 8};
void DrawPan(ui::TBitmap& bmp, int dx, int dy)
{
    const double cx = kPanHotSpot.X, cy = kPanHotSpot.Y;
    const auto dot = [&](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= 6.5; };
    if (dx == 0 && dy == 0) {
        Rasterize(bmp, dot);
        return;
    }
    const double len = std::hypot(dx, dy);
    Pt poly[7];
    ArrowPolygon(std::atan2(dy, dx) - kPi / 2, {cx + 7 * dx / len, cy + 7 * dy / len}, poly);
    Rasterize(bmp, [&](double x, double y) { return dot(x, y) || Inside(poly, x, y); });
}

}  // namespace

ui::TCursor GridSelectCursor(TMouseSelectMode mode)
{
    static bool registered = false;
    if (!registered && ui::GetScreen()) {
        registered = true;
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

// The pan directions in the order of the pointer numbers 8001 … 8008.
constexpr ui::TPoint kPanDirections[] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}};

ui::TCursor PanCursor(int dx, int dy)
{
    static bool registered = false;
    if (!registered && ui::GetScreen()) {
        registered = true;
        ui::TBitmap rest;
        DrawPan(rest, 0, 0);
        ui::GetScreen()->SetCursors(kPanCursor, rest, kPanHotSpot);
        for (int i = 0; i < 8; ++i) {
            ui::TBitmap arrow;
            DrawPan(arrow, kPanDirections[i].X, kPanDirections[i].Y);
            ui::GetScreen()->SetCursors(kPanCursor + 1 + i, arrow, kPanHotSpot);
        }
    }
    for (int i = 0; i < 8; ++i)
        if (kPanDirections[i].X == dx && kPanDirections[i].Y == dy)
            return kPanCursor + 1 + i;
    return kPanCursor;
}

}  // namespace gx
