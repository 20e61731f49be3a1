#include "skin/SkinCanvas.h"

#include "skin/Rasterise.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <limits>

namespace {

bool IsPaletteFormat(const QImage &image)
{
    return image.depth() <= 8;
}

} // namespace

SkinCanvas::SkinCanvas(QImage &image)
    : SkinCanvas(image, nullptr)
{
}

SkinCanvas::SkinCanvas(QImage &image, QWidget *window)
    : m_target(&image)
    , m_window(window)
{
    if (IsPaletteFormat(image)) {
        m_work = image.convertToFormat(QImage::Format_RGB32);
        m_surface = &m_work;
    } else {
        m_surface = &image;
    }
}

SkinCanvas::SkinCanvas(QPainter &painter)
    : m_painter(&painter)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform,
                           false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

SkinCanvas::~SkinCanvas()
{
    if (m_ownPainter)
        m_ownPainter->end();
    else if (m_painter)
        m_painter->restore();
    // Every colour drawn was one of the device's, so the conversion back loses nothing.
    if (m_surface == &m_work)
        *m_target = m_work.convertToFormat(m_target->format(), m_target->colorTable(), Qt::AvoidDither);
}

QPainter &SkinCanvas::Painter()
{
    if (!m_painter) {
        m_ownPainter = std::make_unique<QPainter>(m_surface);
        m_painter = m_ownPainter.get();
    }
    return *m_painter;
}

int SkinCanvas::BitsPerPixel() const
{
    if (m_window)
        return m_window->depth();
    if (m_target)
        return m_target->depth();
    return m_painter->device() ? m_painter->device()->depth() : 32;
}

TColor SkinCanvas::NearestColor(TColor color) const
{
    const TColor rgb = ColorToRGB(color);
    if (!m_target || !IsPaletteFormat(*m_target) || m_target->colorTable().isEmpty())
        return rgb;
    TColor nearest = rgb;
    long long best = std::numeric_limits<long long>::max();
    for (QRgb entry : m_target->colorTable()) {
        const long long dr = qRed(entry) - GetRValue(rgb);
        const long long dg = qGreen(entry) - GetGValue(rgb);
        const long long db = qBlue(entry) - GetBValue(rgb);
        const long long distance = dr * dr + dg * dg + db * db;
        if (distance < best) {
            best = distance;
            nearest = FromQRgb(entry);
        }
    }
    return nearest;
}

TRect SkinCanvas::Bounds() const
{
    if (m_window)
        return TRect::FromQRect(m_window->rect());
    if (m_surface)
        return TRect::FromQRect(m_surface->rect());
    const QPaintDevice *device = m_painter->device();
    return device ? TRect{0, 0, device->width(), device->height()} : TRect{};
}

QColor SkinCanvas::DeviceColor(TColor color) const
{
    return ToQColor(NearestColor(color));
}

void SkinCanvas::FillSpan(int y, int x0, int x1, const QColor &color)
{
    if (x0 < x1)
        Painter().fillRect(QRect(x0, y, x1 - x0, 1), color);
}

void SkinCanvas::FillRect(const TRect &r)
{
    if (Brush.Style == TBrushStyle::Solid && r.Width() > 0 && r.Height() > 0)
        Painter().fillRect(r.ToQRect(), DeviceColor(Brush.Color));
}

void SkinCanvas::FillRect(const TRect &r, TColor color)
{
    Brush.Color = color;
    Brush.Style = TBrushStyle::Solid;
    FillRect(r);
}

void SkinCanvas::FrameRect(const TRect &r)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    const QColor color = DeviceColor(Brush.Color);
    QPainter &painter = Painter();
    painter.fillRect(QRect(r.Left, r.Top, r.Width(), 1), color);
    painter.fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), color);
    painter.fillRect(QRect(r.Left, r.Top, 1, r.Height()), color);
    painter.fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), color);
}

void SkinCanvas::Rectangle(const TRect &r)
{
    FillShape(r, 0, 0);
}

void SkinCanvas::RoundRect(const TRect &r, int width, int height)
{
    FillShape(r, width, height);
}

void SkinCanvas::Ellipse(const TRect &r)
{
    FillShape(r, r.Width(), r.Height());
}

// The outline is the shape's own border pixels, so it is as symmetric as the shape. Without
// a pen the classic device fills a shape one pixel smaller on the right and at the bottom.
void SkinCanvas::FillShape(const TRect &r, int cornerWidth, int cornerHeight)
{
    const bool pen = Pen.Style == TPenStyle::Solid;
    const bool brush = Brush.Style == TBrushStyle::Solid;
    const TRect shape = pen ? r : TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
    const std::vector<Rasterise::Span> rows = Rasterise::RoundRectRows(shape, cornerWidth, cornerHeight);
    const QColor penColor = DeviceColor(Pen.Color);
    const QColor brushColor = DeviceColor(Brush.Color);
    for (int i = 0; i < int(rows.size()); ++i) {
        const Rasterise::Span row = rows[size_t(i)];
        const int y = shape.Top + i;
        if (!pen) {
            if (brush)
                FillSpan(y, row.Left, row.Right, brushColor);
            continue;
        }
        Rasterise::Span inner = Rasterise::InnerSpan(rows, i);
        if (inner.Empty())
            inner = {row.Right, row.Right};
        FillSpan(y, row.Left, inner.Left, penColor);
        FillSpan(y, inner.Right, row.Right, penColor);
        if (brush)
            FillSpan(y, inner.Left, inner.Right, brushColor);
    }
}

void SkinCanvas::MoveTo(int x, int y)
{
    m_position = QPoint(x, y);
}

// A pen wider than one pixel stamps a square of its width on every pixel of the line.
void SkinCanvas::StampPen(int x, int y, const QColor &color)
{
    const int width = std::max(Pen.Width, 1);
    const int offset = (width - 1) / 2;
    Painter().fillRect(QRect(x - offset, y - offset, width, width), color);
}

void SkinCanvas::LineTo(int x, int y)
{
    if (Pen.Style == TPenStyle::Solid) {
        const QColor color = DeviceColor(Pen.Color);
        if (Pen.Width > 1) {
            Rasterise::Line(m_position.x(), m_position.y(), x, y,
                            [&](int px, int py) { StampPen(px, py, color); });
        } else {
            // Consecutive pixels of one row are filled as one run.
            int runY = 0, runLeft = 0, runRight = 0;
            const auto flush = [&] { FillSpan(runY, runLeft, runRight, color); };
            Rasterise::Line(m_position.x(), m_position.y(), x, y, [&](int px, int py) {
                if (py == runY && runLeft < runRight && (px == runRight || px == runLeft - 1)) {
                    runLeft = std::min(runLeft, px);
                    runRight = std::max(runRight, px + 1);
                    return;
                }
                flush();
                runY = py;
                runLeft = px;
                runRight = px + 1;
            });
            flush();
        }
    }
    m_position = QPoint(x, y);
}

void SkinCanvas::Polyline(std::initializer_list<QPoint> points)
{
    if (points.size() == 0)
        return;
    MoveTo(points.begin()->x(), points.begin()->y());
    for (auto point = points.begin() + 1; point != points.end(); ++point)
        LineTo(point->x(), point->y());
}

TColor SkinCanvas::Pixel(int x, int y) const
{
    if (!m_surface || !m_surface->valid(x, y))
        return CLR_INVALID;
    return FromQRgb(m_surface->pixel(x, y));
}

// Written straight into an image: pixel-by-pixel glyph work stays cheap. The painter, if
// any is active on the same image, draws into the same memory, so the order holds.
void SkinCanvas::SetPixel(int x, int y, TColor color)
{
    if (m_surface) {
        if (m_surface->valid(x, y))
            m_surface->setPixel(x, y, DeviceColor(color).rgb());
        return;
    }
    Painter().fillRect(QRect(x, y, 1, 1), DeviceColor(color));
}

int SkinCanvas::TextWidth(const QString &text) const
{
    return QFontMetrics(Font.Font).horizontalAdvance(text);
}

int SkinCanvas::TextHeight(const QString &) const
{
    return QFontMetrics(Font.Font).height();
}

void SkinCanvas::DrawText(const QString &text, const TRect &r, unsigned flags)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    QPainter &painter = Painter();
    painter.save();
    painter.setFont(Font.Font);
    painter.setPen(DeviceColor(Font.Color));
    painter.setLayoutDirection(flags & DT_RTLREADING ? Qt::RightToLeft : Qt::LeftToRight);
    const int alignment = Qt::AlignAbsolute | Qt::AlignTop | (flags & DT_RIGHT ? Qt::AlignRight : Qt::AlignLeft);
    painter.drawText(r.ToQRect(), alignment | Qt::TextShowMnemonic, text);
    painter.restore();
}

void SkinCanvas::Draw(int x, int y, const QImage &bitmap)
{
    Painter().drawImage(x, y, bitmap);
}

void SkinCanvas::DrawTransparent(int x, int y, const QImage &bitmap, TColor transparent)
{
    QImage masked = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(transparent).rgb() & RGB_MASK;
    for (int row = 0; row < masked.height(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(masked.scanLine(row));
        for (int column = 0; column < masked.width(); ++column) {
            const QRgb pixel = line[column];
            line[column] = qAlpha(pixel) == 0 || (pixel & RGB_MASK) == key ? 0 : (pixel | 0xFF000000u);
        }
    }
    Painter().drawImage(x, y, masked);
}

void SkinCanvas::DrawAnd(int x, int y, const QImage &bitmap)
{
    QPainter &painter = Painter();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(x, y, bitmap.convertToFormat(QImage::Format_RGB32));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
