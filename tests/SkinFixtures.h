#pragma once

#include "skin/SkinCanvas.h"
#include "skin/SkinColors.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>
#include <ostream>

// Colours print as r,g,b in failure messages.
struct Rgb {
    TColor value;
    bool operator==(const Rgb &other) const { return value == other.value; }
    bool operator!=(const Rgb &other) const { return value != other.value; }
};
inline void PrintTo(const Rgb &color, std::ostream *out)
{
    if (color.value == CLR_INVALID)
        *out << "CLR_INVALID";
    else
        *out << "RGB(" << GetRValue(color.value) << ", " << GetGValue(color.value) << ", " << GetBValue(color.value)
             << ")";
}

// Pins the application palette for a test, so that every system colour is a known number:
// button face 212,208,200; highlight 10,36,106; button shadow 128,128,128; window white;
// menu text black.
class PinnedPalette {
public:
    PinnedPalette()
        : m_saved(QApplication::palette())
    {
        QPalette palette = m_saved;
        const auto set = [&palette](QPalette::ColorRole role, QColor color) {
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                palette.setColor(group, role, color);
        };
        set(QPalette::Button, QColor(212, 208, 200));
        set(QPalette::Window, QColor(212, 208, 200));
        set(QPalette::Highlight, QColor(10, 36, 106));
        set(QPalette::Dark, QColor(128, 128, 128));
        set(QPalette::Base, Qt::white);
        set(QPalette::WindowText, Qt::black);
        set(QPalette::ButtonText, Qt::black);
        set(QPalette::Text, Qt::black);
        QApplication::setPalette(palette);
    }
    ~PinnedPalette() { QApplication::setPalette(m_saved); }
    PinnedPalette(const PinnedPalette &) = delete;
    PinnedPalette &operator=(const PinnedPalette &) = delete;

private:
    QPalette m_saved;
};

constexpr TColor BtnFaceRgb = RGB(212, 208, 200);
constexpr TColor HighlightRgb = RGB(10, 36, 106);

// A true-colour image filled with one colour.
inline QImage FilledImage(int width, int height, TColor color = clWhite)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQColor(color));
    return image;
}

inline Rgb PixelOf(const QImage &image, int x, int y)
{
    return {image.valid(x, y) ? FromQRgb(image.pixel(x, y)) : CLR_INVALID};
}

// The sixteen colours of a classic palette display.
inline QList<QRgb> SixteenColours()
{
    return {qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

inline QImage PaletteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(SixteenColours());
    image.fill(15);
    return image;
}
