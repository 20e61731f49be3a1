#include "skin/SkinColors.h"

#include "skin/SkinCanvas.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <array>

namespace {

// The classic desktop scheme, by system colour index, for the colours no palette role holds.
constexpr std::array<TColor, 31> ClassicScheme = {
    RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
    RGB(0, 0, 128),     RGB(166, 202, 240), RGB(192, 192, 192), RGB(49, 106, 197),  RGB(212, 208, 200),
    RGB(212, 208, 200)};

// The palette role that holds a system colour on this desktop, or -1.
int PaletteRole(int index)
{
    switch (index) {
    case 4:  // menu
    case 15: // button face
        return QPalette::Button;
    case 5:
        return QPalette::Base;
    case 7: // menu text
    case 8: // window text
        return QPalette::WindowText;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 16:
        return QPalette::Dark;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    default:
        return -1;
    }
}

int Clamp(int value)
{
    return std::clamp(value, 0, 255);
}

} // namespace

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color))
        return color & 0xFFFFFF;
    const int index = int(color & 0xFF);
    const int role = PaletteRole(index);
    if (role >= 0)
        return FromQRgb(QGuiApplication::palette().color(QPalette::Active, QPalette::ColorRole(role)).rgb());
    return index < int(ClassicScheme.size()) ? ClassicScheme[index] : clBlack;
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQRgb(QRgb rgb)
{
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

int RoundHalfEven(long long num, long long den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    long long quotient = num / den;
    long long remainder = num % den;
    if (remainder < 0) { // floor division, so that the remainder is never negative
        --quotient;
        remainder += den;
    }
    if (2 * remainder > den || (2 * remainder == den && quotient % 2 != 0))
        ++quotient;
    return int(quotient);
}

TColor DarkenColor(TColor color, int n)
{
    const TColor rgb = ColorToRGB(color);
    return RGB(Clamp(GetRValue(rgb) - n), Clamp(GetGValue(rgb) - n + 2), Clamp(GetBValue(rgb) - n));
}

TColor LightenColor(const SkinCanvas &canvas, TColor color, int percent)
{
    percent = std::min(percent, 100);
    const TColor rgb = ColorToRGB(color);
    const auto lighten = [percent](int x) { return Clamp(x + RoundHalfEven((255LL - x) * percent, 100)); };
    return canvas.NearestColor(RGB(lighten(GetRValue(rgb)), lighten(GetGValue(rgb)), lighten(GetBValue(rgb))));
}

TColor GreyShade(TColor color, int n)
{
    const TColor rgb = ColorToRGB(color);
    const int v = Clamp(std::min((GetRValue(rgb) + GetGValue(rgb) + GetBValue(rgb)) / 3 + n, 240));
    return RGB(v, v, v);
}
