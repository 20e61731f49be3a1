#pragma once

#include <QColor>
#include <QtGlobal>

class SkinCanvas;

// A colour as the skin stores it: RGB laid out as 0x00BBGGRR (red in the low byte), or a
// reference to a system colour, 0xFF0000nn, resolved when it is used.
using TColor = quint32;

constexpr TColor RGB(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int GetRValue(TColor c) { return int(c & 0xFF); }
constexpr int GetGValue(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return int((c >> 16) & 0xFF); }

constexpr TColor SystemColor(int index) { return 0xFF000000u | TColor(index); }
constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == 0xFF000000u; }

constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);

constexpr TColor clBlack = 0x000000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWhite = 0xFFFFFF;

// The RGB value of a colour; a system colour is looked up in the application's palette
// where a palette role matches it, otherwise in the classic desktop scheme.
TColor ColorToRGB(TColor color);

QColor ToQColor(TColor color);
TColor FromQRgb(QRgb rgb);

// num / den rounded to the nearest integer, an exact half to the even neighbour.
int RoundHalfEven(long long num, long long den);

// Each channel less n, green less n - 2, clamped to 0..255; a negative n lightens.
TColor DarkenColor(TColor color, int n);
// Each channel moved percent (at most 100) of its way to 255, then the nearest colour the
// canvas's device shows.
TColor LightenColor(const SkinCanvas &canvas, TColor color, int percent);
// The grey of the channels' mean plus n, never brighter than 240.
TColor GreyShade(TColor color, int n);
