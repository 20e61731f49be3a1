#include "skin/Rasterise.h"

#include "skin/SkinCanvas.h"

#include <algorithm>

namespace Rasterise {

namespace {

// How many pixels the corner ellipse cuts from each end of a row whose pixel centres lie
// at distance (2 * fromEdge + 1) / 2 from the nearer horizontal edge.
int CornerCut(int fromEdge, int width, int height)
{
    // In doubled coordinates the corner ellipse has its centre at (width, height) and the
    // radii width and height; the row's centre line is v = 2 * fromEdge + 1.
    const long long v = 2LL * fromEdge + 1;
    if (v >= height)
        return 0;
    const long long w2 = 1LL * width * width;
    const long long h2 = 1LL * height * height;
    const long long rowTerm = (v - height) * (v - height) * w2;
    const int half = (width + 1) / 2;
    for (int cut = 0; cut < half; ++cut) {
        const long long u = 2LL * cut + 1;
        if ((u - width) * (u - width) * h2 + rowTerm <= w2 * h2)
            return cut;
    }
    return half + width; // the whole row lies outside
}

} // namespace

std::vector<Span> RoundRectRows(const TRect &r, int cornerWidth, int cornerHeight)
{
    const int width = std::clamp(cornerWidth, 0, r.Width());
    const int height = std::clamp(cornerHeight, 0, r.Height());
    std::vector<Span> rows;
    if (r.Width() <= 0 || r.Height() <= 0)
        return rows;
    rows.reserve(size_t(r.Height()));
    for (int y = r.Top; y < r.Bottom; ++y) {
        const int fromEdge = std::min(y - r.Top, r.Bottom - 1 - y);
        const int cut = width > 0 && height > 0 ? CornerCut(fromEdge, width, height) : 0;
        rows.push_back({r.Left + cut, r.Right - cut});
    }
    return rows;
}

Span InnerSpan(const std::vector<Span> &rows, int i)
{
    if (i == 0 || i + 1 >= int(rows.size()))
        return {0, 0};
    const Span &above = rows[size_t(i - 1)];
    const Span &row = rows[size_t(i)];
    const Span &below = rows[size_t(i + 1)];
    return {std::max({row.Left + 1, above.Left, below.Left}), std::min({row.Right - 1, above.Right, below.Right})};
}

} // namespace Rasterise
