// Icons and glyphs in their states: dimmed, grey, lifted with a shadow.
#include "skin/FlatSkin.h"

#include <QAction>

namespace {

// Converts every pixel; runs of one colour are converted once.
template <typename Convert>
void ConvertPixels(QImage &bitmap, Convert convert)
{
    SkinCanvas canvas(bitmap);
    TColor last = CLR_INVALID;
    TColor converted = CLR_INVALID;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            const TColor pixel = canvas.Pixel(x, y);
            if (pixel != last) {
                last = pixel;
                converted = convert(canvas, pixel);
            }
            canvas.SetPixel(x, y, converted);
        }
    }
}

TColor TransparentColor(const QImage &bitmap)
{
    return FromQRgb(bitmap.pixel(0, bitmap.height() - 1));
}

} // namespace

void TFlatSkin::GreyGlyph(QImage &bitmap, int level)
{
    ConvertPixels(bitmap, [level](const SkinCanvas &, TColor pixel) { return GreyShade(pixel, level); });
}

void TFlatSkin::LightenGlyph(QImage &bitmap, int percent)
{
    percent = std::min(percent, 100);
    ConvertPixels(bitmap,
                  [percent](const SkinCanvas &canvas, TColor pixel) { return LightenColor(canvas, pixel, percent); });
}

void TFlatSkin::PaintGlyphShadow(const QImage &bitmap, SkinCanvas &canvas, int x, int y, TColor color)
{
    const TColor transparent = TransparentColor(bitmap);
    for (int j = 0; j < bitmap.height(); ++j)
        for (int i = 0; i < bitmap.width(); ++i)
            if (FromQRgb(bitmap.pixel(i, j)) != transparent)
                canvas.SetPixel(x + i, y + j, color);
}

void TFlatSkin::PaintItemGlyph(const QObject *sender, SkinCanvas &canvas, QImage &bitmap, const TRect &rect,
                               bool selected, bool focused, bool enabled, bool checked, bool barItem, bool rightToLeft)
{
    if (bitmap.isNull() || bitmap.width() == 0)
        return;
    int x = rect.Left;
    int y = rect.Top + 1;
    if (qobject_cast<const QAction *>(sender)) {
        y += 2;
        if (bitmap.width() < m_iconWidth)
            x = rect.Left + (m_iconWidth - bitmap.width()) / 2 - 1;
        else
            x = rightToLeft ? rect.Right - bitmap.width() - 2 : rect.Left + 2;
    }
    if (barItem)
        x = rightToLeft ? rect.Right - bitmap.width() - 5 : rect.Left + 1;
    if (selected && !barItem && enabled && !checked && !focused) { // lifted towards the pointer
        --x;
        --y;
    }
    if (!selected && enabled && !checked && m_trueColor)
        LightenGlyph(bitmap, m_dimLevel);
    if (!enabled) {
        GreyGlyph(bitmap, m_grayLevel);
        LightenGlyph(bitmap, 40);
    }
    if (selected && enabled && !checked)
        PaintGlyphShadow(bitmap, canvas, x + 2, y + 2, DarkenColor(m_palette.SelectFill, 50));
    canvas.DrawTransparent(x, y, bitmap, TransparentColor(bitmap));
}
