// The control painters: edits and memos, rich edits, check boxes, radio buttons, combo
// boxes, panels, group boxes and the bands of control bars.
#include "skin/ControlSubClass.h"
#include "skin/FlatSkin.h"
#include "ui/Controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

using namespace ControlProperties;

namespace {

TRect Shrunk(const TRect &r, int by)
{
    return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by};
}

// width nested rings inside r: top and left edges in topLeft, bottom and right edges in
// bottomRight (which also takes the bottom-left corner); r becomes the area inside.
void Frame3D(SkinCanvas &canvas, TRect &r, TColor topLeft, TColor bottomRight, int width)
{
    canvas.Pen = {topLeft, 1, TPenStyle::Solid};
    for (int i = 0; i < width; ++i) {
        const int left = r.Left, top = r.Top, right = r.Right - 1, bottom = r.Bottom - 1;
        canvas.Pen.Color = topLeft;
        canvas.Polyline({{left, bottom}, {left, top}, {right, top}});
        canvas.Pen.Color = bottomRight;
        canvas.Polyline({{right, top}, {right, bottom}, {left - 1, bottom}});
        r = Shrunk(r, 1);
    }
}

void Line(SkinCanvas &canvas, TColor color, int x0, int y0, int x1, int y1)
{
    canvas.Pen = {color, 1, TPenStyle::Solid};
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

void Outline(SkinCanvas &canvas, const TRect &r, TColor color)
{
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Pen = {color, 1, TPenStyle::Solid};
    canvas.Rectangle(r);
}

// The colour of an edit's frame: the highlight under the mouse or with the focus, else a
// shade of the parent that shows a border only where the edit has one.
TColor EditFrameColor(const SkinCanvas &canvas, const TSkinPalette &palette, bool hot, bool single,
                      TColor parentColor, int hotLightening)
{
    if (hot)
        return LightenColor(canvas, palette.SelectFrame, hotLightening);
    return single ? DarkenColor(parentColor, 60) : parentColor;
}

} // namespace

void TControlSubClass::SkinEdit(SkinCanvas &canvas)
{
    m_skin->RefreshPalette(canvas);
    QWidget *edit = m_control;
    // The flat border the skin draws over replaces the 3-D one.
    if (Ctl3D(edit))
        SetCtl3D(edit, false);
    const bool single = m_savedBorderStyle == bsSingle;
    const TColor frame = EditFrameColor(canvas, m_skin->Palette(), m_isHot || m_hasFocus, single, ParentColor(edit),
                                        single ? 60 : 80);
    if (UsesXPLook())
        SetControlColor(edit, m_skin->BtnSurfaceNormalColor());
    Outline(canvas, TRect::FromQRect(edit->rect()), frame);
}

// Drawn on the parent, one pixel around the control, which keeps a margin inside instead of
// its border.
void TControlSubClass::SkinRichEdit(SkinCanvas &parentCanvas)
{
    m_skin->RefreshPalette(parentCanvas);
    QWidget *edit = m_control;
    if (UsesXPLook())
        SetControlColor(edit, m_skin->BtnSurfaceNormalColor());
    TRect r = Shrunk(TRect::FromQRect(edit->geometry()), -1);
    const bool single = m_savedBorderStyle == bsSingle;
    if (single) {
        SetBorderStyle(edit, bsNone);
        if (BorderWidth(edit) < 2)
            SetBorderWidth(edit, 2);
    }
    const TColor color =
        EditFrameColor(parentCanvas, m_skin->Palette(), m_isHot || m_hasFocus, single, ParentColor(edit), 60);
    Frame3D(parentCanvas, r, color, color, 1);
}

// Where Qt draws the indicator of a check box or radio button: at the left edge, at the
// right edge when the control reads right to left.
void TControlSubClass::PlaceIndicator(TRect &r) const
{
    const int thumb = ThumbSize(m_control);
    if (RightToLeft(m_control))
        r.Left = r.Right - thumb + 1;
    else
        r.Right = r.Left + thumb - 1;
}

void TControlSubClass::SetIndicatorPenAndBrush(SkinCanvas &canvas, TColor classicFill, TColor classicPen) const
{
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Pen = {classicPen, 1, TPenStyle::Solid};
    canvas.Brush.Color = classicFill;
    if (!UsesXPLook())
        return;
    canvas.Pen.Color = m_control->isEnabled() || m_isMouseDown ? m_skin->BtnOutLineBorderColor()
                                                               : m_skin->ControlDisabledBorderColor();
    canvas.Brush.Color = m_isMouseDown ? m_skin->BtnSurfaceDownColor() : m_skin->BtnSurfaceNormalColor();
}

void TControlSubClass::SkinCheckBox(SkinCanvas &canvas)
{
    m_skin->RefreshPalette(canvas);
    const TSkinPalette &palette = m_skin->Palette();
    const auto *box = static_cast<const QCheckBox *>(m_control.data());
    const bool xp = UsesXPLook();
    const bool pressed = m_isSpaceDown || m_isMouseDown;
    const bool grey = box->checkState() == Qt::PartiallyChecked;
    const bool hot = m_isHot || m_hasFocus;
    TColor fill = hot ? palette.SelectFill : clWindow;
    const TColor pen = hot ? palette.SelectFrame : clBtnShadow;
    if (pressed)
        fill = palette.CheckFillHot;
    if (grey)
        fill = clSilver;

    const int thumb = ThumbSize(m_control);
    TRect r = TRect::FromQRect(m_control->rect());
    r.Top += 3;
    r.Bottom -= 3;
    r.Top += (r.Height() - thumb) / 2;
    r.Bottom = r.Top + thumb;
    PlaceIndicator(r);
    if (xp)
        r.Right += 1;
    canvas.FillRect(r, ControlColor(m_control));
    r = Shrunk(r, 2);
    SetIndicatorPenAndBrush(canvas, fill, pen);
    canvas.Rectangle(r);
    if (xp && m_isHot) {
        canvas.Pen.Color = m_skin->BtnInnerBorderMoveColor();
        canvas.Rectangle(Shrunk(r, 1));
    }
    if (!box->isChecked() && !grey)
        return;
    TColor mark = pressed ? clWindow : grey ? clGray : clHighlight;
    if (!box->isEnabled())
        mark = palette.DisabledText;
    if (xp) {
        mark = m_skin->RdoChkControlChkColor();
        r.Left += 1;
    }
    if (grey) {
        canvas.FillRect({r.Left + 2, r.Top + 3, r.Right - 3, r.Bottom - 3}, m_skin->RdoChkControlChkColor());
        return;
    }
    canvas.Pen = {mark, 1, TPenStyle::Solid};
    for (int i = 0; i < 3; ++i)
        canvas.Polyline({{r.Left + 2, r.Bottom - 5 - i}, {r.Left + 4, r.Bottom - 3 - i}, {r.Left + 9, r.Bottom - 8 - i}});
}

void TControlSubClass::SkinRadioButton(SkinCanvas &canvas)
{
    m_skin->RefreshPalette(canvas);
    const TSkinPalette &palette = m_skin->Palette();
    const auto *radio = static_cast<const QRadioButton *>(m_control.data());
    const bool xp = UsesXPLook();
    const TColor fill = m_isHot || m_hasFocus ? palette.SelectFill : clWindow;
    const TColor pen = m_isHot ? palette.SelectFrame : clBtnShadow;

    const int thumb = ThumbSize(m_control);
    TRect r = TRect::FromQRect(m_control->rect());
    r.Top += 4;
    r.Bottom -= 4;
    r.Top += (r.Height() - thumb) / 2;
    r.Bottom = r.Top + thumb - 1;
    PlaceIndicator(r);
    if (xp) {
        r.Right += 2;
        r.Bottom += 2;
    }
    canvas.FillRect(r, ControlColor(m_control));
    r = Shrunk(r, 2);
    SetIndicatorPenAndBrush(canvas, fill, pen);
    canvas.Ellipse(r);
    if (xp && m_isHot) {
        canvas.Brush.Style = TBrushStyle::Clear;
        canvas.Pen.Color = m_skin->BtnInnerBorderMoveColor();
        canvas.Ellipse(Shrunk(r, 1));
    }
    if (!radio->isChecked())
        return;
    r = Shrunk(r, xp ? 4 : 2);
    TColor dot = radio->isEnabled() ? clHighlight : palette.DisabledText;
    if (xp)
        dot = m_skin->RdoChkControlChkColor();
    canvas.Pen = {dot, 1, TPenStyle::Solid};
    canvas.Brush = {dot, TBrushStyle::Solid};
    canvas.Ellipse(r);
}

void TControlSubClass::SkinComboBox(SkinCanvas &canvas)
{
    m_skin->RefreshPalette(canvas);
    const TSkinPalette &palette = m_skin->Palette();
    QWidget *combo = m_control;
    const bool xp = UsesXPLook();
    const bool enabled = combo->isEnabled();
    const bool rightToLeft = RightToLeft(combo);
    const bool dropped = IsDroppedDown(combo);
    const bool lit = m_isHot || m_hasFocus;
    const TColor color = ControlColor(combo);
    const TColor parent = ParentColor(combo);
    TColor arrow = enabled ? clBlack : clWhite;
    TColor frame = m_isHot ? palette.SelectFrame : color;
    TColor fill = m_isHot ? palette.SelectFill : clBtnFace;
    if (!m_isHot && m_hasFocus) {
        frame = LightenColor(canvas, palette.SelectFrame, 60);
        fill = palette.CheckFill;
    }

    const TRect client = TRect::FromQRect(combo->rect());
    TRect r = client;
    canvas.Brush = {parent, TBrushStyle::Solid};
    canvas.FrameRect(r);
    r = Shrunk(r, 1);
    Line(canvas, parent, r.Left, r.Top, r.Right, r.Top);
    r.Top += 1;
    r.Bottom -= 1;
    if (lit && !xp)
        r = Shrunk(r, -1);
    canvas.Brush.Color = color;
    canvas.FrameRect(r);
    r.Bottom += 1;
    canvas.Brush.Color = xp ? (enabled ? m_skin->BtnOutLineBorderColor() : m_skin->ControlDisabledBorderColor()) : frame;
    canvas.FrameRect(r);
    if (dropped) {
        frame = palette.SelectFrame;
        arrow = clWhite;
        fill = palette.CheckFillHot;
    }

    r = Shrunk(r, 1);
    const int buttonWidth = ThumbSize(combo) + 1;
    TRect button = rightToLeft ? TRect{r.Left, r.Top, r.Left + buttonWidth, r.Bottom}
                               : TRect{r.Right - buttonWidth, r.Top, r.Right, r.Bottom};
    if (lit && !xp) {
        if (rightToLeft)
            button.Right += 2;
        else
            button.Left -= 1;
    }
    if (xp) {
        canvas.FillRect(button, m_skin->BtnSurfaceNormalColor());
        const TColor face = dropped        ? m_skin->ComboDroppedColor()
                            : m_isHot      ? m_skin->ComboboxSurfaceMoveColor()
                            : m_isMouseDown ? m_skin->BtnSurfaceDownColor()
                                           : m_skin->BtnInnerBorderFocusColor();
        canvas.FillRect(Shrunk(button, 1), face);
        const int x = button.Left + (button.Width() - 8) / 2;
        const int y = button.Top + (button.Height() - 4) / 2;
        canvas.Pen = {m_skin->ComboBoxChkColor(), 2, TPenStyle::Solid};
        canvas.Polyline({{x, y}, {x + 4, y + 4}, {x + 8, y}});
        return;
    }
    canvas.FillRect(button, fill);
    // A strip of the text's colour keeps the button off the text, with a line at its inside.
    if (rightToLeft) {
        canvas.FillRect({button.Right - 5, button.Top, button.Right, button.Bottom}, color);
        Line(canvas, frame, button.Right - 6, button.Top, button.Right - 6, button.Bottom);
    } else {
        canvas.FillRect({button.Left, button.Top, button.Left + 5, button.Bottom}, color);
        Line(canvas, frame, button.Left + 5, button.Top, button.Left + 5, button.Bottom);
    }
    const int x = rightToLeft ? client.Left + 5 : client.Right - 10;
    for (int i = 0; i < 3; ++i)
        Line(canvas, arrow, x + i, client.Top + 10 + i, x + 5 - i, client.Top + 10 + i);
}

void TControlSubClass::SkinPanel(SkinCanvas &canvas)
{
    m_skin->RefreshPalette(canvas);
    const auto *panel = static_cast<const TPanel *>(m_control.data());
    TRect r = TRect::FromQRect(panel->rect());
    const TColor color = ControlColor(panel);
    const TColor shadow = DarkenColor(color, 60);
    const TColor light = LightenColor(canvas, color, 60);
    const auto bevel = [&](TPanelBevel kind) {
        if (kind == bvLowered)
            Frame3D(canvas, r, shadow, light, panel->BevelWidth());
        else
            Frame3D(canvas, r, light, shadow, panel->BevelWidth());
    };
    if (panel->BevelOuter() != bvNone)
        bevel(panel->BevelOuter());
    if (panel->BevelInner() != bvNone) {
        r = Shrunk(r, panel->BorderWidth());
        bevel(panel->BevelInner());
    }
}

// The frame is redrawn from the caption's middle down; the caption stands on a gap in its
// top edge, 9 pixels from the edge it reads from.
void TControlSubClass::SkinGroupBox(SkinCanvas &canvas)
{
    m_skin->RefreshPalette(canvas);
    const auto *box = static_cast<const QGroupBox *>(m_control.data());
    canvas.Font = ControlFont(box);
    const QString caption = box->title();
    const int h = canvas.TextHeight(caption.isEmpty() ? QStringLiteral(" ") : caption);
    const int w = canvas.TextWidth(caption);
    const TColor color = ControlColor(box);
    const TColor shadow = DarkenColor(color, 60);
    const TColor light = LightenColor(canvas, color, 60);
    const TColor edge = Ctl3D(box) ? light : shadow;
    const TRect c0 = TRect::FromQRect(box->rect());
    const int middle = c0.Top + h / 2;

    Outline(canvas, {c0.Left + 1, c0.Top + h, c0.Right - 1, c0.Bottom - 1}, color);
    Line(canvas, color, c0.Left + 1, middle - 1, c0.Left + 1, c0.Bottom);
    TRect frame{c0.Left, middle - 1, c0.Right, c0.Bottom};
    Frame3D(canvas, frame, edge, shadow, 1);
    canvas.FillRect({c0.Left, c0.Top, c0.Right, middle + 2}, ParentColor(box));

    const bool rightToLeft = RightToLeft(box);
    const TRect t = rightToLeft ? TRect{c0.Right - 9 - w, c0.Top, c0.Right - 9, c0.Top + h}
                                : TRect{c0.Left + 9, c0.Top, c0.Left + 9 + w, c0.Top + h};
    canvas.FillRect({t.Left, middle + 1, t.Right, c0.Top + 2 * (h / 2) + 2}, color);
    Line(canvas, color, c0.Right - 2, middle + 1, c0.Right - 2, t.Bottom);
    canvas.DrawText(caption, t, rightToLeft ? DT_RTLREADING : 0);
    Line(canvas, edge, c0.Left, middle + 1, t.Left, middle + 1);
    Line(canvas, edge, t.Right, middle + 1, c0.Right - 1, middle + 1);
}

// The band's own fill and a grabber of short lines that darken downwards; the framework
// draws neither frame nor grabber.
void TFlatSkin::SkinControlBarBand(TControlBar *bar, SkinCanvas &canvas, const TRect &band, TBandPaintOptions &options)
{
    RefreshPalette(canvas);
    options = 0;
    const TColor color = ControlColor(bar);
    canvas.FillRect(band, m_trueColor ? LightenColor(canvas, color, 6) : color);
    int shade = 30;
    for (int y = band.Top + 5; y <= band.Bottom - 5; ++y) {
        if (y % 2 != 0)
            continue;
        Line(canvas, DarkenColor(color, shade), band.Left + 3, y, band.Left + 6, y);
        shade += 7;
    }
}
