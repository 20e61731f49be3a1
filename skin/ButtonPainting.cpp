// The button painters: push buttons, glyph buttons and speed buttons, in the classic look
// or the XP look with rounded corners. They draw the whole face and place glyph and caption.
#include "skin/ControlSubClass.h"
#include "skin/FlatSkin.h"
#include "ui/Controls.h"

using namespace ControlProperties;

namespace {

constexpr TColor FocusRingStep = 0x020202;
constexpr TColor HoverRingStep = 0x020200;

void DrawRoundFrame(SkinCanvas &canvas, const TRect &r, TColor color, int arc)
{
    canvas.Pen = {color, 1, TPenStyle::Solid};
    canvas.RoundRect(r, arc, arc);
}

void DrawRoundOutline(SkinCanvas &canvas, const TRect &r, TColor color, int arc)
{
    canvas.Brush.Style = TBrushStyle::Clear;
    DrawRoundFrame(canvas, r, color, arc);
}

void DrawBottomLine(SkinCanvas &canvas, const TRect &s, TColor color)
{
    canvas.Pen = {color, 1, TPenStyle::Solid};
    canvas.MoveTo(s.Left, s.Bottom);
    canvas.LineTo(s.Right, s.Bottom);
}

void XPBottomLine(SkinCanvas &canvas, const TRect &r, TColor color, int arc)
{
    DrawBottomLine(canvas, {r.Left + arc, r.Bottom - 2, r.Right - arc, r.Bottom - 2}, color);
}

// Two rings inside the edge; the lower one a shade apart (an addition to the colour's value).
void InnerRings(SkinCanvas &canvas, const TRect &client, TColor ring, TColor step, int arc)
{
    TRect inner{client.Left + 1, client.Top + 1, client.Right - 1, client.Bottom - 1};
    DrawRoundOutline(canvas, inner, ring, arc / 2);
    inner.Bottom = client.Bottom - 2;
    DrawRoundOutline(canvas, inner, ColorToRGB(ring) + step, arc / 2);
}

// The rounded XP surface on the parent's colour, outlined, with its bottom line.
void XPSurface(SkinCanvas &canvas, const TFlatSkin &skin, const TRect &r, TColor parent, TColor edgePen,
               bool enabled)
{
    const int arc = skin.BtnRoundArc();
    canvas.FillRect(r, parent);
    canvas.Brush = {skin.BtnSurfaceNormalColor(), TBrushStyle::Solid};
    DrawRoundFrame(canvas, r, edgePen, arc);
    canvas.Brush.Style = TBrushStyle::Clear;
    DrawRoundFrame(canvas, r, enabled ? skin.BtnOutLineBorderColor() : skin.ControlDisabledBorderColor(), arc);
    XPBottomLine(canvas, r, skin.BtnSurfaceBottomLineColor(), arc);
}

void XPPressedSurface(SkinCanvas &canvas, const TFlatSkin &skin, const TRect &r)
{
    const int arc = skin.BtnRoundArc();
    canvas.Brush = {skin.BtnSurfaceDownColor(), TBrushStyle::Solid};
    DrawRoundFrame(canvas, r, skin.BtnOutLineBorderColor(), arc);
    XPBottomLine(canvas, r, skin.BtnSurfaceDownBottomLineColor(), arc);
}

struct GlyphPlaces {
    TRect Glyph;
    TRect Text;
};

// Glyph and caption of gw x gh and tw x th, spacing apart, centred together in r. With
// glyphLeftRaise a glyph on the left stands that much higher.
GlyphPlaces PlaceGlyph(TButtonLayout layout, const TRect &r, QSize glyph, QSize text, int spacing,
                       int glyphLeftRaise = 0)
{
    const int w = r.Width(), h = r.Height();
    const int gw = glyph.width(), gh = glyph.height(), tw = text.width(), th = text.height();
    GlyphPlaces places{{}, r};
    TRect &gr = places.Glyph;
    TRect &tr = places.Text;
    tr.Left = (w - tw) / 2;
    switch (layout) {
    case blGlyphLeft:
        gr.Left = (w - (spacing + gw + tw)) / 2;
        gr.Top = (h - gh) / 2 - glyphLeftRaise;
        tr.Left = gr.Left + gw + spacing;
        tr.Right = tr.Left + tw;
        break;
    case blGlyphRight:
        gr.Left = (spacing + gw + tw + w) / 2 - gw;
        gr.Top = (h - gh) / 2;
        tr.Right = gr.Left - spacing;
        tr.Left = tr.Right - tw;
        break;
    case blGlyphTop:
        gr.Left = (w - gw) / 2;
        gr.Top = (h - (spacing + gh + th)) / 2;
        tr.Right = tr.Left + tw;
        tr.Top = gr.Top + gh + spacing;
        tr.Bottom = tr.Top + th;
        break;
    case blGlyphBottom:
        gr.Left = (w - gw) / 2;
        gr.Top = (spacing + gh + th + h) / 2 - gh;
        tr.Right = tr.Left + tw;
        tr.Bottom = gr.Top - spacing;
        tr.Top = tr.Bottom - th;
        break;
    }
    gr.Right = gr.Left + gw;
    gr.Bottom = gr.Top + gh;
    return places;
}

QSize TextSize(const SkinCanvas &canvas, const QString &caption)
{
    return {canvas.TextWidth(caption), canvas.TextHeight(caption)};
}

// Image number of a glyph of images side by side, counted from 1.
QImage GlyphImage(const TButtonGlyph &button, int number)
{
    const QImage &glyph = button.Glyph();
    const int width = glyph.width() / button.NumGlyphs();
    return glyph.copy((number - 1) * width, 0, width, glyph.height());
}

} // namespace

void TControlSubClass::PaintButtonFrame(SkinCanvas &canvas, int classicArc)
{
    const TSkinPalette &palette = m_skin->Palette();
    const bool enabled = m_control->isEnabled();
    const int arc = m_skin->BtnRoundArc();
    TColor face = palette.IconFace;
    TColor edge = clBtnShadow;
    if (m_isHot || m_isSpaceDown) {
        face = LightenColor(canvas, clBtnFace, 60);
        edge = LightenColor(canvas, palette.SelectFrame, 60);
    }
    if (!m_isHot && m_hasFocus)
        edge = LightenColor(canvas, palette.SelectFrame, 60);
    const TRect r = TRect::FromQRect(m_control->rect());
    const TColor parent = ParentColor(m_control);
    canvas.FillRect(r, parent);
    canvas.Brush = {face, TBrushStyle::Solid};
    canvas.Pen = {LightenColor(canvas, edge, 30), 1, TPenStyle::Solid};
    if (UsesXPLook())
        XPSurface(canvas, *m_skin, r, parent, canvas.Pen.Color, enabled);
    else
        canvas.RoundRect(r, classicArc, classicArc);
    if (!enabled)
        return;

    const bool pressed = m_isMouseDown || m_isSpaceDown;
    if (UsesXPLook()) {
        if (m_hasFocus && !m_isHot && !pressed)
            InnerRings(canvas, r, m_skin->BtnInnerBorderFocusColor(), FocusRingStep, arc);
        if (m_isHot && !pressed)
            InnerRings(canvas, r, m_skin->BtnInnerBorderMoveColor(), HoverRingStep, arc);
        if (pressed)
            XPPressedSurface(canvas, *m_skin, r);
        return;
    }
    canvas.Pen = {DarkenColor(edge, 50), 1, TPenStyle::Solid};
    const int L = r.Left, T = r.Top, Rt = r.Right, B = r.Bottom;
    if ((m_isMouseDown && m_isHot) || m_isSpaceDown)
        canvas.Polyline({{L, B - 2}, {L, T + 1}, {L + 1, T}, {Rt - 1, T}});
    else
        canvas.Polyline({{Rt - 1, T + 1}, {Rt - 1, B - 2}, {Rt - 2, B - 1}, {L, B - 1}});
}

void TControlSubClass::SkinButton(SkinCanvas &canvas)
{
    m_skin->RefreshPalette(canvas);
    const auto *button = static_cast<const QPushButton *>(m_control.data());
    PaintButtonFrame(canvas, m_skin->BtnRoundArc());
    const TFont font = ControlFont(button);
    canvas.Font = font;
    const bool rightToLeft = RightToLeft(button);
    TRect tr = TRect::FromQRect(button->rect());
    tr.Left = (tr.Width() - canvas.TextWidth(button->text())) / 2;
    m_skin->PaintItemCaption(button, button->text(), rightToLeft ? DT_RTLREADING : 0, font, rightToLeft, false,
                             button->isDefault(), button->isEnabled(), false, tr, canvas, QString());
}

void TControlSubClass::SkinBitBtn(SkinCanvas &canvas)
{
    m_skin->RefreshPalette(canvas);
    const auto *button = static_cast<const TBitBtn *>(m_control.data());
    PaintButtonFrame(canvas, 4);
    const TFont font = ControlFont(button);
    canvas.Font = font;
    const QString caption = button->text();
    const bool rightToLeft = RightToLeft(button);
    QImage glyph = GlyphImage(*button, 1);
    const int spacing = caption.trimmed().isEmpty() ? 0 : button->Spacing();
    const GlyphPlaces places = PlaceGlyph(button->Layout(), TRect::FromQRect(button->rect()), glyph.size(),
                                          TextSize(canvas, caption), spacing);
    m_skin->PaintItemGlyph(button, canvas, glyph, places.Glyph, m_isHot, m_hasFocus, button->isEnabled(), false,
                           false, rightToLeft);
    m_skin->PaintItemCaption(button, caption, rightToLeft ? DT_RTLREADING : 0, font, rightToLeft, false,
                             button->isDefault(), button->isEnabled(), false, places.Text, canvas, QString());
}

void TControlSubClass::SkinSpeedButton(SkinCanvas &canvas)
{
    m_skin->RefreshPalette(canvas);
    const TSkinPalette &palette = m_skin->Palette();
    const auto *button = static_cast<const TSpeedButton *>(m_control.data());
    const bool enabled = button->isEnabled();
    const bool down = button->Down();
    const bool flat = button->Flat();
    const bool transparent = button->Transparent();
    const TRect r = TRect::FromQRect(button->rect());
    TColor face = m_isHot ? palette.SelectFill : palette.IconFace;
    TColor edge = m_isHot ? palette.SelectFrame : clBtnShadow;
    if (down) {
        face = m_isHot ? palette.CheckFillHot : palette.CheckFill;
        edge = palette.SelectFrame;
    }
    if (!enabled)
        edge = clBtnShadow;

    // What shows through a transparent button is darkened by an AND with a light tint.
    if ((down || m_isHot) && transparent) {
        QImage tint(r.Width(), r.Height(), QImage::Format_RGB32);
        tint.fill(ToQColor(LightenColor(canvas, palette.SelectFill, canvas.BitsPerPixel() <= 16 ? 40 : 20)));
        canvas.DrawAnd(r.Left, r.Top, tint);
    }
    canvas.Brush = {face, transparent ? TBrushStyle::Clear : TBrushStyle::Solid};
    canvas.Pen = {LightenColor(canvas, edge, 30), 1, TPenStyle::Solid};
    if (flat && !transparent && !down && !m_isHot)
        canvas.Pen.Color = face;
    if (!(transparent && flat && !m_isHot && !down))
        canvas.Rectangle(r);
    if (UsesXPLook())
        XPSurface(canvas, *m_skin, r, ParentColor(button), LightenColor(canvas, edge, 30), enabled);

    if (enabled) {
        const bool pressed = m_isMouseDown || m_isSpaceDown;
        if (UsesXPLook()) {
            if (m_isHot && !pressed)
                InnerRings(canvas, r, m_skin->BtnInnerBorderMoveColor(), HoverRingStep, m_skin->BtnRoundArc());
            if (pressed)
                XPPressedSurface(canvas, *m_skin, r);
        } else if (!flat) {
            canvas.Pen = {DarkenColor(edge, 50), 1, TPenStyle::Solid};
            if (m_isMouseDown || down)
                canvas.Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right, r.Top}});
            else
                canvas.Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}});
        }
    }

    const TFont font = ControlFont(button);
    canvas.Font = font;
    const QString caption = button->text();
    const bool rightToLeft = RightToLeft(button);
    const int images = button->NumGlyphs();
    int number = 1;
    if (!enabled && images > 1)
        number = 2;
    if (m_isMouseDown && images > 2)
        number = 3;
    if (down && images > 3)
        number = 4;
    QImage glyph = GlyphImage(*button, number);
    TButtonLayout layout = button->Layout();
    if (rightToLeft && (layout == blGlyphLeft || layout == blGlyphRight))
        layout = layout == blGlyphLeft ? blGlyphRight : blGlyphLeft;
    const GlyphPlaces places =
        PlaceGlyph(layout, r, glyph.size(), TextSize(canvas, caption), caption.isEmpty() ? 0 : button->Spacing(), 1);
    m_skin->PaintItemGlyph(button, canvas, glyph, places.Glyph, m_isHot, m_hasFocus, enabled, down || m_isMouseDown,
                           false, rightToLeft);
    m_skin->PaintItemCaption(button, caption, rightToLeft ? DT_RTLREADING : 0, font, rightToLeft, false, false, enabled,
                             false, places.Text, canvas, QString());
}
