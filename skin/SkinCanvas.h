#pragma once

#include "skin/SkinColors.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <memory>

class QPainter;
class QWidget;

// A rectangle as the skin writes it: it covers Left..Right-1 and Top..Bottom-1.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect FromQRect(const QRect &r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    bool operator==(const TRect &o) const
    {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

enum class TPenStyle { Solid, Clear };
enum class TBrushStyle { Solid, Clear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::Solid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::Solid;
};

struct TFont {
    QFont Font;
    TColor Color = clWindowText;
};

// Text flags of DrawText: left is the default, top-aligned, one line per line break, "&"
// marks the underlined access character ("&&" is one "&").
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_RTLREADING = 0x20000;

// What pixel reads return outside the readable surface.
constexpr TColor CLR_INVALID = 0xFFFFFFFF;

// The skin's drawing device. It follows the classic device rules exactly: a filled
// rectangle covers Left..Right-1 and Top..Bottom-1, an outline lies inside its rectangle,
// a line leaves out its end point, pens are one pixel wide unless set otherwise, round
// rectangles and ellipses are symmetric pixel for pixel. Shapes are rasterised here, so
// every pixel is known; QPainter only copies pixels, fills spans and draws text.
//
// Like the classic canvas it keeps a pen, a brush and a font that the operations use and
// leave as they are. Colours may be system colours; on a device of fewer colours every
// colour is first mapped to the nearest one the device shows.
class SkinCanvas {
public:
    // Draws into image and reads its pixels. An image of a palette format (8 bits or fewer
    // per pixel) is drawn in its own colours.
    explicit SkinCanvas(QImage &image);
    // An image that stands for the surface of window: the canvas reports the window's
    // depth and Window() returns it.
    SkinCanvas(QImage &image, QWidget *window);
    // Draws through a painter that is already active, e.g. in a paint event; pixel reads
    // then return CLR_INVALID. The painter's state is restored when the canvas goes.
    explicit SkinCanvas(QPainter &painter);
    ~SkinCanvas();
    SkinCanvas(const SkinCanvas &) = delete;
    SkinCanvas &operator=(const SkinCanvas &) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    // The device.
    int BitsPerPixel() const;
    TColor NearestColor(TColor color) const;
    QWidget *Window() const { return m_window; }
    TRect Bounds() const; // the device's whole area in canvas coordinates

    // Filled areas and outlines. Shapes are outlined one pixel wide whatever the pen's width;
    // only lines draw wider pens.
    void FillRect(const TRect &r);                      // the brush
    void FillRect(const TRect &r, TColor color);        // makes the brush solid in color first
    void FrameRect(const TRect &r);                     // one-pixel frame in the brush colour
    void Rectangle(const TRect &r);                     // pen outline inside r, brush inside that
    void RoundRect(const TRect &r, int width, int height); // corners are ellipses of width x height
    void Ellipse(const TRect &r);

    // Lines in the pen; every segment leaves out its end point.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::initializer_list<QPoint> points);

    TColor Pixel(int x, int y) const; // CLR_INVALID outside the readable surface
    void SetPixel(int x, int y, TColor color);

    // Text in the canvas font: widths are the sum of advances, the height is the font's.
    int TextWidth(const QString &text) const;
    int TextHeight(const QString &text) const;
    // Draws text into r with a transparent background, clipped to r, with DT_* flags.
    void DrawText(const QString &text, const TRect &r, unsigned flags);

    // Bitmaps.
    void Draw(int x, int y, const QImage &bitmap);
    // Leaves out the pixels of colour transparent and those without alpha.
    void DrawTransparent(int x, int y, const QImage &bitmap, TColor transparent);
    // Combines bitmap into the device with a bitwise AND.
    void DrawAnd(int x, int y, const QImage &bitmap);

private:
    QPainter &Painter();
    QColor DeviceColor(TColor color) const;
    void FillSpan(int y, int x0, int x1, const QColor &color); // x0..x1-1 on row y
    void FillShape(const TRect &r, int cornerWidth, int cornerHeight);
    void StampPen(int x, int y, const QColor &color);

    QImage *m_target = nullptr;      // the image the caller gave
    QImage m_work;                   // a paintable copy when the target is a palette image
    QImage *m_surface = nullptr;     // the image drawn into, when there is one
    QWidget *m_window = nullptr;
    QPainter *m_painter = nullptr;   // borrowed or owned
    std::unique_ptr<QPainter> m_ownPainter;
    QPoint m_position;
};
