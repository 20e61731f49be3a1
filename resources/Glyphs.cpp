#include "resources/Glyphs.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace Glyphs {
namespace {

QPixmap draw(int size, const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return pixmap;
}

} // namespace

QPixmap Edit()
{
    return draw(16, [](QPainter &p) {
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
        QPolygonF body({{3, 13}, {4, 10}, {11, 3}, {13, 5}, {6, 12}});
        p.setBrush(QColor(0xF0, 0xC0, 0x30));
        p.drawPolygon(body);
        p.setBrush(QColor(0xD0, 0x50, 0x50));
        p.drawPolygon(QPolygonF({{11, 3}, {12, 2}, {14, 4}, {13, 5}}));
        p.drawLine(QPointF(2, 14), QPointF(4, 12));
    });
}

QPixmap Add()
{
    return draw(16, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2E, 0x9A, 0x3A));
        p.drawRect(QRectF(6.5, 2.5, 3, 11));
        p.drawRect(QRectF(2.5, 6.5, 11, 3));
    });
}

QPixmap Delete()
{
    return draw(16, [](QPainter &p) {
        p.setPen(QPen(QColor(0xC8, 0x28, 0x28), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    });
}

QPixmap Exit()
{
    return draw(16, [](QPainter &p) {
        p.setPen(QPen(QColor(0x50, 0x38, 0x20), 1));
        p.setBrush(QColor(0xE8, 0xE0, 0xD0));
        p.drawRect(QRectF(3.5, 1.5, 8, 13));
        p.setBrush(QColor(0x9C, 0x6A, 0x3A));
        p.drawPolygon(QPolygonF({{3.5, 1.5}, {8.5, 3.5}, {8.5, 15.5}, {3.5, 14.5}}));
        p.setPen(QPen(QColor(0x20, 0x60, 0xC0), 1.5));
        p.drawLine(QPointF(10, 8), QPointF(15, 8));
        p.drawLine(QPointF(13, 6), QPointF(15, 8));
        p.drawLine(QPointF(13, 10), QPointF(15, 8));
    });
}

QPixmap Web()
{
    return draw(16, [](QPainter &p) {
        p.setPen(QPen(QColor(0x20, 0x60, 0xB0), 1));
        p.setBrush(QColor(0xC8, 0xE0, 0xFF));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(5, 1.5, 6, 13));
        p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        p.drawLine(QPointF(3, 4.5), QPointF(13, 4.5));
        p.drawLine(QPointF(3, 11.5), QPointF(13, 11.5));
    });
}

QPixmap Mail()
{
    return draw(16, [](QPainter &p) {
        p.setPen(QPen(QColor(0x50, 0x50, 0x60), 1));
        p.setBrush(QColor(0xFF, 0xF4, 0xD0));
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        p.drawPolyline(QPolygonF({{1.5, 3.5}, {8, 8.5}, {14.5, 3.5}}));
    });
}

QPixmap Card()
{
    return draw(32, [](QPainter &p) {
        p.setPen(QPen(QColor(0x40, 0x50, 0x70), 1));
        p.setBrush(QColor(0xF2, 0xF5, 0xFA));
        p.drawRoundedRect(QRectF(2.5, 6.5, 27, 19), 2, 2);
        p.setBrush(QColor(0x70, 0x90, 0xC0));
        p.drawEllipse(QRectF(6, 10, 6, 6));
        p.drawChord(QRectF(4.5, 15.5, 10, 10), 0, 180 * 16);
        p.setPen(QPen(QColor(0x80, 0x88, 0x98), 1.5));
        for (int y : {12, 16, 20})
            p.drawLine(QPointF(16, y), QPointF(26, y));
    });
}

QPixmap Notes()
{
    return draw(32, [](QPainter &p) {
        p.setPen(QPen(QColor(0x70, 0x60, 0x30), 1));
        p.setBrush(QColor(0xFF, 0xF3, 0x9A));
        p.drawRect(QRectF(6.5, 3.5, 19, 25));
        p.setPen(QPen(QColor(0x90, 0x90, 0xB0), 1));
        for (int y = 9; y <= 24; y += 4)
            p.drawLine(QPointF(9, y + 0.5), QPointF(23, y + 0.5));
        p.setPen(QPen(QColor(0xB0, 0x30, 0x30), 1));
        p.drawLine(QPointF(10.5, 4), QPointF(10.5, 28));
    });
}

} // namespace Glyphs

QPixmap Glyphs::WithoutBackground(const QPixmap &picture)
{
    QPixmap transparent = picture;
    transparent.setMask(picture.createMaskFromColor(Qt::white, Qt::MaskInColor));
    return transparent;
}
