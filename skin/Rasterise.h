#pragma once

#include <vector>

struct TRect;

// The pixel shapes of the skin's device, computed rather than left to an antialiasing-free
// QPainter, whose lines and pen outlines pick other pixels.
namespace Rasterise {

// A run of pixels Left..Right-1 on one row.
struct Span {
    int Left;
    int Right;
    bool Empty() const { return Left >= Right; }
};

// Calls plot(x, y) for every pixel of the line from (x0, y0) towards (x1, y1), Bresenham's
// choice of pixels, the end point left out.
template <typename Plot>
void Line(int x0, int y0, int x1, int y1, Plot plot)
{
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1;
    const int dy = y1 > y0 ? y0 - y1 : y1 - y0; // never positive
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        plot(x0, y0);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

// The rows of a rectangle with corners cut by ellipses of cornerWidth x cornerHeight: one
// span per row from r.Top to r.Bottom - 1. A pixel belongs to the shape when its centre
// lies inside, and each row's cut is computed once for a row and its mirror, so the shape
// is symmetric left to right and top to bottom. An ellipse is the case of corners as
// large as the rectangle.
std::vector<Span> RoundRectRows(const TRect &r, int cornerWidth, int cornerHeight);

// The inner part of row i of a shape given by its rows: the pixels whose four neighbours
// all belong to the shape. What is left of the row is the shape's one-pixel outline.
Span InnerSpan(const std::vector<Span> &rows, int i);

} // namespace Rasterise
