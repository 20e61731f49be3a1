// Measuring and drawing menu items: the items' OnMeasureItem and OnDrawItem handlers.
#include "skin/FlatSkin.h"

#include "skin/MenuItems.h"

#include <QAction>
#include <QKeySequence>

namespace {

QString ShortcutText(const QAction *item)
{
    return item->shortcut().toString(QKeySequence::NativeText).trimmed();
}

} // namespace

// A top-level item of the form's main menu, known by its parent's name as the form knows it.
bool TFlatSkin::IsFormBarItem(const QAction *item) const
{
    const QMenuBar *formMenu = FormMainMenu(m_ownerForm);
    const QWidget *parent = MenuItem::Parent(item);
    if (!formMenu || !parent)
        return false;
    return parent == formMenu || (!parent->objectName().isEmpty() && parent->objectName() == formMenu->objectName());
}

QSize TFlatSkin::GetItemImageSize(const QAction *item) const
{
    const bool formBarItem = IsFormBarItem(item);
    const int imageIndex = MenuItem::ImageIndex(item);
    const QList<QPixmap> *images = formBarItem ? MenuItem::Images(FormMainMenu(m_ownerForm)) : nullptr;
    bool useList = images && imageIndex != -1;
    if (const QList<QPixmap> *ownImages = MenuItem::Images(MenuItem::Menu(item))) {
        images = ownImages;
        useList = imageIndex != -1;
    }
    QSize size(0, 0);
    if (useList && !images->isEmpty())
        size = images->value(imageIndex, images->first()).size();
    else if (!useList && MenuItem::Bitmap(item).width() > 0)
        size = MenuItem::Bitmap(item).size();
    if (!formBarItem)
        size.setWidth(std::max(size.width(), m_iconWidth));
    return size;
}

// Bar items get the 8 extra pixels the classic desktop adds to them on its NT family.
void TFlatSkin::SkinMeasureItem(QAction *item, SkinCanvas &canvas, int &width, int &height)
{
    if (!m_active)
        return;
    const bool separator = MenuItem::IsSeparator(item);
    QString text = separator ? QString() : item->text();
    const QString shortcut = ShortcutText(item);
    if (!shortcut.isEmpty())
        text += shortcut + QStringLiteral("WWW");
    canvas.Font = m_font;
    int w = canvas.TextWidth(text) + 5;
    if (text.contains(QLatin1Char('&')))
        w -= canvas.TextWidth(QStringLiteral("&"));
    const QSize image = GetItemImageSize(item);
    if (image.width() > 0)
        w += image.width();
    if (IsFormBarItem(item))
        w += 8;
    width = std::max(width, w);
    if (separator) {
        height = 4;
        return;
    }
    const int textHeight = canvas.TextHeight(text);
    const int itemHeight = std::max(textHeight + RoundHalfEven(textHeight * 75LL, 100), image.height() + 6);
    height = std::max(height, itemHeight);
}

// The item's picture: its own bitmap, or the image of its menu's image list, which wins. An
// image is laid on the colour the canvas shows at (2, 2), which then stays transparent.
QImage TFlatSkin::ItemGlyph(const QAction *item, const SkinCanvas &canvas) const
{
    QImage glyph;
    const QImage bitmap = MenuItem::Bitmap(item);
    if (bitmap.width() > 0)
        glyph = bitmap.convertToFormat(QImage::Format_RGB32);
    const QList<QPixmap> *images = MenuItem::Images(MenuItem::Menu(item));
    const int imageIndex = MenuItem::ImageIndex(item);
    if (images && imageIndex >= 0 && imageIndex < images->size()) {
        const QImage image = images->at(imageIndex).toImage();
        glyph = QImage(image.size(), QImage::Format_RGB32);
        glyph.fill(ToQColor(canvas.Pixel(2, 2)));
        SkinCanvas glyphCanvas(glyph);
        glyphCanvas.DrawTransparent(0, 0, image, FromQRgb(image.pixel(0, image.height() - 1)));
    }
    return glyph;
}

void TFlatSkin::SkinDrawItem(QAction *item, SkinCanvas &canvas, const TRect &rect, bool selected)
{
    if (!m_active)
        return;
    RefreshPalette(canvas);
    const QWidget *parent = MenuItem::Parent(item);
    const bool separator = MenuItem::IsSeparator(item);
    const bool barItem = qobject_cast<const QMenuBar *>(parent) != nullptr;
    const bool rightToLeft = parent && parent->layoutDirection() == Qt::RightToLeft;
    const bool enabled = item->isEnabled();
    canvas.Font = m_font;
    TRect r = rect;
    r.Bottom += 1;
    const QString caption = QStringLiteral(" ") + item->text();

    QImage glyph = ItemGlyph(item, canvas);
    const bool hasGlyph = glyph.width() > 0;
    const int glyphWidth = hasGlyph ? glyph.width() : 0;

    const TRect iconColumn = rightToLeft ? TRect{r.Right - m_iconWidth, r.Top, r.Right, r.Bottom}
                                         : TRect{r.Left, r.Top, r.Left + m_iconWidth, r.Bottom};
    TRect mark{iconColumn.Left + 1, iconColumn.Top + 2, iconColumn.Right - 3, iconColumn.Bottom - 2};
    if (!hasGlyph) { // a 10 x 10 box in the middle of the icon column
        mark.Left = iconColumn.Left + (iconColumn.Width() - 10) / 2;
        mark.Top = iconColumn.Top + (iconColumn.Height() - 10) / 2;
        mark.Right = mark.Left + 10;
        mark.Bottom = mark.Top + 10;
    }
    if (glyphWidth > m_iconWidth) {
        if (rightToLeft)
            mark.Left = mark.Right - glyphWidth;
        else
            mark.Right = mark.Left + glyphWidth;
    }
    if (barItem) {
        --mark.Top;
        --mark.Bottom;
    }

    const int textIndent = barItem ? 4 : m_iconWidth;
    TRect textRect{r.Left, r.Top, r.Right, r.Bottom};
    if (rightToLeft)
        textRect.Right = r.Right - glyphWidth < r.Right - textIndent ? r.Right - glyphWidth - 8 : r.Right - textIndent;
    else
        textRect.Left = r.Left + glyphWidth > r.Left + textIndent ? r.Left + glyphWidth + 4 : r.Left + textIndent;
    if (barItem && !hasGlyph)
        textRect = r;
    else if (barItem && rightToLeft)
        textRect.Right += 5;
    else if (barItem)
        textRect.Left -= 5;

    if (barItem) {
        canvas.FillRect(r, m_palette.BarFace);
    } else if (m_trueColor && m_gradient) {
        FillIconGradient(canvas, {r.Left, r.Top, r.Right + 2, r.Bottom}, rightToLeft);
    } else {
        canvas.FillRect(r, m_palette.MenuFace);
        canvas.FillRect(iconColumn, m_palette.IconFace);
    }
    canvas.Font.Color = enabled ? m_font.Color : m_disabledColor;

    if (selected && m_drawSelect) {
        if (barItem) {
            PaintBarHighlight(canvas, rightToLeft, m_menuBarColor, r);
        } else if (enabled) {
            const TRect highlight{r.Left, r.Top + 1, m_flatMenu ? r.Right - 1 : r.Right, r.Bottom - 1};
            canvas.Brush.Color = m_palette.SelectFill;
            canvas.Brush.Style = TBrushStyle::Solid;
            canvas.Pen = {m_palette.SelectFrame, 1, TPenStyle::Solid};
            canvas.Rectangle(highlight);
        }
    }
    PaintCheckMark(item, selected, mark, canvas, hasGlyph, enabled);
    PaintItemGlyph(item, canvas, glyph, iconColumn, selected, false, enabled, item->isChecked(), barItem, rightToLeft);

    if (separator) {
        PaintSeparator(canvas, textRect, rightToLeft);
    } else {
        unsigned flags = 0;
        if (rightToLeft) {
            textRect.Right -= 3;
            flags = DT_RIGHT | DT_RTLREADING;
        } else {
            textRect.Left += 3;
        }
        const auto *menu = qobject_cast<const QMenu *>(parent);
        const bool isDefault = menu && menu->defaultAction() == item;
        PaintItemCaption(item, caption, flags, m_font, rightToLeft, barItem, isDefault, enabled, selected, textRect,
                         canvas, ShortcutText(item));
    }

    QWidget *window = canvas.Window();
    if (m_flatMenu && !barItem && window && window->window() != m_ownerForm)
        PaintFlatMenuFrame(canvas, rightToLeft);
    RehookMenuLevel(item);
}

void TFlatSkin::PaintSeparator(SkinCanvas &canvas, const TRect &tr, bool rightToLeft)
{
    const int y = tr.Top + RoundHalfEven(tr.Bottom - tr.Top, 2);
    canvas.Pen = {m_palette.SeparatorLine, 1, TPenStyle::Solid};
    canvas.MoveTo(rightToLeft ? tr.Left : tr.Left + 7, y);
    canvas.LineTo(rightToLeft ? tr.Right - 7 : tr.Right, y);
}

// A frame with a stepped shadow on its right, as if the item stood out of the bar.
void TFlatSkin::PaintBarHighlight(SkinCanvas &canvas, bool rightToLeft, TColor barColor, const TRect &r)
{
    const int L = r.Left, T = r.Top, Rt = r.Right, B = r.Bottom;
    canvas.FillRect(r, m_palette.SelectFill);
    canvas.Pen = {m_palette.SelectFrame, 1, TPenStyle::Solid};
    if (rightToLeft || !m_trueColor) {
        canvas.Polyline({{L, B - 1}, {L, T}, {Rt - 3, T}, {Rt - 3, B - 1}});
        canvas.FillRect({Rt - 2, T + 2, Rt, B}, DarkenColor(barColor, 70));
        canvas.FillRect({Rt - 2, T, Rt, T + 2}, barColor);
        return;
    }
    canvas.Polyline({{L, B - 1}, {L, T}, {Rt - 8, T}, {Rt - 8, B - 1}});
    const TColor bar = m_palette.BarFace;
    canvas.FillRect({Rt - 7, T, Rt, B}, DarkenColor(bar, 10));
    canvas.FillRect({Rt - 7, T + 3, Rt - 2, B}, DarkenColor(bar, 30));
    canvas.FillRect({Rt - 7, T + 5, Rt - 3, B}, DarkenColor(bar, 60));
    canvas.FillRect({Rt - 7, T + 6, Rt - 5, B}, DarkenColor(bar, 100));
    canvas.Pen.Color = bar;
    canvas.Polyline({{Rt - 5, T + 1}, {Rt - 1, T + 1}, {Rt - 1, T + 6}});
    canvas.Polyline({{Rt - 3, T + 2}, {Rt - 2, T + 2}, {Rt - 2, T + 3}, {Rt - 3, T + 3}});
    canvas.Pen.Color = DarkenColor(bar, 10);
    canvas.Polyline({{Rt - 6, T + 3}, {Rt - 3, T + 3}, {Rt - 3, T + 6}, {Rt - 4, T + 6}, {Rt - 4, T + 3}});
    canvas.Pen.Color = DarkenColor(bar, 30);
    canvas.Polyline({{Rt - 5, T + 5}, {Rt - 4, T + 5}, {Rt - 4, T + 9}});
    canvas.Pen.Color = DarkenColor(bar, 40);
    canvas.Polyline({{Rt - 6, T + 5}, {Rt - 6, T + 7}});
}

// A disabled item's mark is filled with whatever brush the background left.
void TFlatSkin::PaintCheckMark(const QAction *item, bool selected, const TRect &k, SkinCanvas &canvas, bool hasGlyph,
                               bool enabled)
{
    if (!item->isChecked())
        return;
    canvas.Brush.Style = TBrushStyle::Solid;
    if (enabled)
        canvas.Brush.Color = selected ? m_palette.CheckFillHot : m_palette.CheckFill;
    const auto pen = [&](TColor color) { canvas.Pen = {enabled ? color : m_palette.DisabledText, 1, TPenStyle::Solid}; };
    if (MenuItem::IsRadioItem(item)) {
        pen(m_palette.SelectFrame);
        if (hasGlyph)
            canvas.RoundRect(k, 6, 6);
        else
            canvas.Ellipse(k);
        return;
    }
    if (hasGlyph) {
        pen(m_palette.SelectFrame);
        canvas.Rectangle(k);
        return;
    }
    pen(m_palette.CheckFrame);
    canvas.Rectangle(k);
    pen(clBlack);
    const int L = k.Left, T = k.Top, Rt = k.Right, B = k.Bottom;
    const QPoint strokes[][2] = {{{L + 1, T + 5}, {L + 4, B - 2}}, {{L + 2, T + 5}, {L + 4, B - 3}},
                                 {{L + 2, T + 4}, {L + 5, B - 3}}, {{L + 4, B - 3}, {Rt + 2, T - 1}},
                                 {{L + 4, B - 2}, {Rt - 2, T + 3}}};
    for (const auto &stroke : strokes) {
        canvas.MoveTo(stroke[0].x(), stroke[0].y());
        canvas.LineTo(stroke[1].x(), stroke[1].y());
    }
}

void TFlatSkin::PaintItemCaption(const QObject *, const QString &text, unsigned flags, const TFont &font,
                                 bool rightToLeft, bool barItem, bool isDefault, bool enabled, bool selected,
                                 const TRect &rect, SkinCanvas &canvas, const QString &shortcut)
{
    TRect tr = rect;
    TColor color = font.Color;
    canvas.Font = font;
    if (selected)
        color = m_palette.SelectText;
    if (!enabled)
        color = m_palette.DisabledText;
    if (barItem && selected && m_useSystemColors)
        color = ContrastTextColor(canvas, m_palette.IconFace);
    canvas.Font.Color = color;
    tr.Top += (tr.Height() - canvas.TextHeight(QStringLiteral("W"))) / 2;
    if (isDefault && enabled) {
        PaintSoftCaption(canvas, text, tr, flags);
        canvas.Font.Color = color;
    }
    canvas.DrawText(text, tr, flags);
    if (shortcut.isEmpty())
        return;
    canvas.Font.Color = m_trueColor ? DarkenColor(color, -40) : color;
    TRect shortcutRect = tr;
    if (rightToLeft) {
        shortcutRect.Left += 10;
        canvas.DrawText(shortcut + QStringLiteral(" "), shortcutRect, flags & ~DT_RIGHT);
    } else {
        shortcutRect.Right -= 10;
        canvas.DrawText(shortcut + QStringLiteral(" "), shortcutRect, flags | DT_RIGHT);
    }
}

// Four passes, each in the darkened colour of the pixel at its own top-left corner, soften
// the caption of a default item before the text itself is drawn.
void TFlatSkin::PaintSoftCaption(SkinCanvas &canvas, const QString &text, const TRect &tr, unsigned flags)
{
    const struct {
        int dx, dy, wider, darken;
    } passes[] = {{1, 0, 0, 30}, {1, 2, 1, 30}, {0, 1, 0, 40}, {1, 1, 1, 60}};
    for (const auto &pass : passes) {
        const TRect passRect{tr.Left + pass.dx, tr.Top + pass.dy, tr.Right + pass.wider, tr.Bottom};
        canvas.Font.Color = DarkenColor(canvas.Pixel(passRect.Left, passRect.Top), pass.darken);
        canvas.DrawText(text, passRect, flags);
    }
}

// One column at a time, lightening faster across the icon column.
void TFlatSkin::FillIconGradient(SkinCanvas &canvas, const TRect &r, bool rightToLeft)
{
    const int columns = r.Right - r.Left + 1;
    int step = 0;
    for (int i = 0; i < columns; ++i) {
        const int x = rightToLeft ? r.Right - 1 - i : r.Left + i;
        const bool acrossIcons = rightToLeft ? r.Right - m_iconWidth + 5 < x && x < r.Right
                                             : r.Left < x && x < r.Left + m_iconWidth + 5;
        step = std::min(step + (acrossIcons ? 3 : 1), 96);
        canvas.FillRect({x, r.Top, x + 1, r.Bottom}, LightenColor(canvas, m_palette.IconFace, step));
    }
}

// Drawn over the window's own raised border: a one-pixel frame, the icon column and the
// background continued to it, and a two-pixel shadow along the right and bottom edges.
void TFlatSkin::PaintFlatMenuFrame(SkinCanvas &windowCanvas, bool rightToLeft)
{
    SkinCanvas &canvas = windowCanvas;
    const TPen savedPen = canvas.Pen;
    const TBrush savedBrush = canvas.Brush;
    const TRect window = canvas.Bounds();
    const int L = window.Left, T = window.Top, Rt = window.Right, B = window.Bottom;
    const int Rt2 = Rt - 2, B2 = B - 2;
    canvas.Brush.Style = TBrushStyle::Clear;
    const auto outline = [&canvas](const TRect &r, TColor color) {
        canvas.Pen = {color, 1, TPenStyle::Solid};
        canvas.Rectangle(r);
    };
    const auto line = [&canvas](QPoint from, QPoint to, TColor color) {
        canvas.Pen = {color, 1, TPenStyle::Solid};
        canvas.MoveTo(from.x(), from.y());
        canvas.LineTo(to.x(), to.y());
    };
    outline({L, T, Rt2, B2}, m_palette.BorderLine);
    if (rightToLeft) {
        outline({L + 1, T + 1, Rt2 - 2, T + 3}, m_palette.MenuFace);
        line({L + 2, T + 2}, {L + 2, B2 - 2}, m_palette.MenuFace);
        line({Rt2 - 2, T + 2}, {Rt2 - 2, B2 - 2}, m_palette.IconFace);
        line({Rt2 - 2, T + 2}, {Rt2 - 1 - m_iconWidth, T + 2}, m_palette.IconFace);
    } else {
        if (m_gradient) {
            FillIconGradient(canvas, {L + 1, T + 1, Rt2 - 3, T + 3}, false);
            canvas.Brush.Style = TBrushStyle::Clear;
        } else {
            outline({L + 1, T + 1, Rt2 - 1, T + 3}, m_palette.MenuFace);
            line({L + 1, T + 2}, {L + 3 + m_iconWidth, T + 2}, m_palette.IconFace);
        }
        outline({L + 1, T + 2, L + 3, B2 - 1}, m_palette.IconFace);
    }
    outline({L + 2, B - 2, Rt, B}, m_palette.ShadowLine);
    outline({Rt - 2, T + 2, Rt, B}, m_palette.ShadowLine);
    outline({L, B - 2, L + 2, B}, clBtnFace);
    outline({Rt - 2, T, Rt, T + 2}, clBtnFace);
    canvas.Pen = savedPen;
    canvas.Brush = savedBrush;
}
