#pragma once

#include "skin/ControlSubClass.h"
#include "skin/FlatSkin.h"
#include "tests/SkinFixtures.h"

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QTest>

// The skin's palette for controls with system colours on a true-colour device, by the pinned
// palette (PinnedPalette).
namespace ControlColours {
constexpr TColor BtnFace = BtnFaceRgb;
constexpr TColor SelectFill = RGB(177, 185, 207);
constexpr TColor SelectFrame = HighlightRgb;
constexpr TColor SelectFrameLit = RGB(157, 167, 195); // Lighten(SelectFrame, 60)
constexpr TColor CheckFillHot = RGB(132, 146, 180);
constexpr TColor IconFace = RGB(219, 216, 209);
constexpr TColor DisabledText = RGB(141, 141, 141);
constexpr TColor Shadow = RGB(128, 128, 128);
constexpr TColor FaceShadow = RGB(152, 150, 140); // Darken(BtnFace, 60)
constexpr TColor FaceLight = RGB(238, 236, 233);  // Lighten(BtnFace, 60)
// The XP colours every form stores.
constexpr TColor OutLine = RGB(0, 60, 115);
constexpr TColor MoveRing = RGB(255, 178, 49);
constexpr TColor FocusRing = RGB(140, 174, 231);
constexpr TColor SurfaceNormal = RGB(255, 251, 247);
constexpr TColor SurfaceDown = RGB(231, 231, 222);
constexpr TColor BottomLine = RGB(231, 231, 222);
constexpr TColor DownBottomLine = RGB(239, 235, 231);
constexpr TColor ChkColor = RGB(0, 162, 0);
constexpr TColor DisabledBorder = RGB(198, 199, 181);
} // namespace ControlColours

// A form (a dialog) whose controls a test makes, with a skin activated after them, as the
// program's forms do. The form is shown offscreen, so that its controls paint.
class ControlSkinTest : public ::testing::Test {
public:
    static QImage Shot(QWidget *control) { return control->grab().toImage(); }
    static Rgb At(QWidget *control, int x, int y) { return PixelOf(Shot(control), x, y); }
    static void Send(QWidget *control, QEvent::Type type)
    {
        if (type == QEvent::Enter) {
            const QPointF centre = QRectF(control->rect()).center();
            QEnterEvent enter(centre, centre, control->mapToGlobal(centre));
            QApplication::sendEvent(control, &enter);
            return;
        }
        QEvent event(type);
        QApplication::sendEvent(control, &event);
    }

protected:
    // The form keeps the focus itself, so that no control shows the focused look unasked.
    ControlSkinTest()
    {
        form.resize(320, 240);
        form.setFocusPolicy(Qt::StrongFocus);
    }

    template <typename T, typename... Args>
    T *Make(QRect geometry, Args &&...args)
    {
        T *control = new T(std::forward<Args>(args)..., &form);
        control->setGeometry(geometry);
        return control;
    }
    void Activate(bool xpLook = true)
    {
        skin = new TFlatSkin(&form);
        skin->SetControlUseTrueXPStyle(xpLook);
        skin->SetActive(true);
        form.show();
        form.setFocus();
        QApplication::processEvents();
    }
    void ActivateFocused(bool xpLook = true)
    {
        Activate(xpLook);
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    static int RecordCount(const TFlatSkin *owner) { return int(owner->findChildren<TControlSubClass *>().size()); }

    PinnedPalette palette;
    QDialog form;
    TFlatSkin *skin = nullptr;
};
