#include "ui/Controls.h"

#include <QBitmap>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {

// Top and left edges in one colour, bottom and right in the other, width rings inwards.
void Frame3D(QPainter &painter, QRect &r, const QColor &topLeft, const QColor &bottomRight, int width)
{
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace

void TButtonGlyph::StoreGlyph(const QImage &glyph, int numGlyphs)
{
    m_glyph = glyph.convertToFormat(QImage::Format_RGB32);
    m_numGlyphs = std::max(numGlyphs, 1);
}

QIcon TButtonGlyph::FirstImageIcon() const
{
    if (m_glyph.isNull())
        return QIcon();
    const QImage first = m_glyph.copy(0, 0, m_glyph.width() / m_numGlyphs, m_glyph.height());
    QPixmap pixmap = QPixmap::fromImage(first);
    pixmap.setMask(pixmap.createMaskFromColor(QColor(first.pixel(0, first.height() - 1)), Qt::MaskInColor));
    return QIcon(pixmap);
}

void TBitBtn::SetGlyph(const QImage &glyph, int numGlyphs)
{
    StoreGlyph(glyph, numGlyphs);
    setIcon(FirstImageIcon());
}

TSpeedButton::TSpeedButton(QWidget *parent)
    : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TSpeedButton::SetGlyph(const QImage &glyph, int numGlyphs)
{
    StoreGlyph(glyph, numGlyphs);
    setIcon(FirstImageIcon());
}

void TSpeedButton::SetDown(bool down)
{
    m_down = down;
    update();
}

void TSpeedButton::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TSpeedButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    if (m_down)
        option.state |= QStyle::State_On | QStyle::State_Sunken;
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}

TPanel::TPanel(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void TPanel::SetBevelOuter(TPanelBevel bevel)
{
    m_bevelOuter = bevel;
    update();
}

void TPanel::SetBevelInner(TPanelBevel bevel)
{
    m_bevelInner = bevel;
    update();
}

void TPanel::SetBevelWidth(int width)
{
    m_bevelWidth = width;
    update();
}

void TPanel::SetBorderWidth(int width)
{
    m_borderWidth = width;
    update();
}

void TPanel::SetCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TPanel::PaintBevel(QPainter &painter, QRect &r, TPanelBevel bevel) const
{
    if (bevel == bvNone)
        return;
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    if (bevel == bvLowered)
        Frame3D(painter, r, shadow, light, m_bevelWidth);
    else if (bevel == bvRaised)
        Frame3D(painter, r, light, shadow, m_bevelWidth);
    else
        r.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect r = rect();
    PaintBevel(painter, r, m_bevelOuter);
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    PaintBevel(painter, r, m_bevelInner);
    if (!m_caption.isEmpty())
        painter.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic, m_caption);
}

TControlBar::TControlBar(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

QRect TControlBar::BandRect(const QWidget *control)
{
    return control->geometry().adjusted(-GrabberWidth, -2, 2, 2);
}

void TControlBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisible())
            continue;
        QRect band = BandRect(control);
        TBandPaintOptions options = bpoGrabber | bpoFrame;
        if (OnBandPaint)
            OnBandPaint.Call(this, control, painter, band, options);
        if (options & bpoFrame) {
            QRect frame = band;
            Frame3D(painter, frame, light, shadow, 1);
        }
        if (options & bpoGrabber) {
            QRect grabber(band.left() + 3, band.top() + 3, 3, band.height() - 6);
            Frame3D(painter, grabber, light, shadow, 1);
        }
    }
}
