#pragma once

#include "skin/ControlKinds.h"
#include "skin/ControlProperties.h"

#include <QEvent>
#include <QObject>
#include <QPointer>

class QPaintEvent;
class QWidget;
class SkinCanvas;
class TFlatSkin;
struct TRect;

// The skin's record of one control: it watches the control's events after the control, and
// whenever the control's look may change (the mouse, the focus, the space key, pressing,
// enabling, text and colour changes) it paints over the control in the skin's look. Its
// paint follows the control's own painting; a graphic control the skin paints alone.
//
// A child of the skin, so it goes with the skin; it also goes with its control, and it
// detaches itself at the control's first event once the skin is inactive, giving back the
// border it changed.
class TControlSubClass : public QObject {
    Q_OBJECT
public:
    // Attaches a new record of skin to control, unless the control already has one.
    static void Attach(TFlatSkin *skin, QWidget *control);
    // The record attached to control, or nullptr.
    static TControlSubClass *Of(const QWidget *control);
    // Has the control painted again. A windowed control's record sees it at once (and
    // detaches at once from an inactive skin); a graphic control's at its next painting.
    static void Invalidate(QWidget *control);

    ~TControlSubClass() override;

    QWidget *HookedControl() const { return m_control; }
    bool IsHot() const { return m_isHot; }
    bool IsMouseDown() const { return m_isMouseDown; }
    bool IsSpaceDown() const { return m_isSpaceDown; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TControlSubClass(TFlatSkin *skin, QWidget *control);
    void ConnectNotifications();
    void Release(QWidget *control);
    void Detach();
    bool DetachedFromInactiveSkin();
    void React(QEvent *event);
    void OnSpaceKey(bool down);
    void Paint();
    void PaintOrRepaint();
    void PaintOver(QWidget *widget, QEvent *paintEvent, void (TControlSubClass::*paint)());
    void RepaintSkin();
    void PaintEditOnViewport();
    void PaintRichEditFrame();
    bool UsesXPLook() const;

    // The control painters.
    void SkinComboBox(SkinCanvas &canvas);
    void SkinEdit(SkinCanvas &canvas);
    void SkinRichEdit(SkinCanvas &parentCanvas);
    void SkinCheckBox(SkinCanvas &canvas);
    void SkinRadioButton(SkinCanvas &canvas);
    void SkinPanel(SkinCanvas &canvas);
    void SkinGroupBox(SkinCanvas &canvas);
    // The button painters.
    void SkinButton(SkinCanvas &canvas);
    void SkinBitBtn(SkinCanvas &canvas);
    void SkinSpeedButton(SkinCanvas &canvas);
    void PaintButtonFrame(SkinCanvas &canvas, int classicArc);
    void PlaceIndicator(TRect &r) const;
    void SetIndicatorPenAndBrush(SkinCanvas &canvas, TColor classicFill, TColor classicPen) const;

    TFlatSkin *m_skin;
    QPointer<QWidget> m_control;
    QPointer<QWidget> m_frameParent; // a rich edit's frame lies on its parent
    ControlKinds::Painter m_painter;
    bool m_graphic;
    bool m_savedCtl3D = false;
    ControlProperties::TBorderStyle m_savedBorderStyle = ControlProperties::bsNone;
    bool m_isHot = false;
    bool m_isMouseDown = false;
    bool m_isSpaceDown = false;
    bool m_spaceDownPainted = false;
    bool m_hasFocus = false;
    QObject *m_resendingTo = nullptr; // the widget painting itself first
};
