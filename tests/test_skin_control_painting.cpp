// The control painters, pixel by pixel, in the states that look different.
#include "skin/MenuItems.h"
#include "tests/ControlSkinFixture.h"
#include "ui/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <functional>

using namespace ControlColours;

namespace {

constexpr int ClassicLook = 1234567890; // the Tag that keeps a control classic in the XP look
constexpr QEvent::Type NoEvent = QEvent::None;

void Press(QWidget *control)
{
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, control->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(control, &press);
}

// A control in a state: set up before the skin sees it, then an event it gets.
template <typename Control>
struct StateCase {
    const char *state;
    std::function<void(Control *)> setUp;
    QEvent::Type event;
    QPoint at;
    TColor expected;
};

auto Classic = [](QWidget *control) { SetTag(control, ClassicLook); };

template <typename Control>
std::function<void(Control *)> Both(std::function<void(Control *)> first, std::function<void(Control *)> second)
{
    return [=](Control *control) {
        first(control);
        second(control);
    };
}

} // namespace

// Makes one control per case in its state, activates the skin over all of them, sends each
// its event and reads its pixel.
class ControlStateTest : public ControlSkinTest {
protected:
    template <typename Control>
    void Expect(const std::vector<StateCase<Control>> &cases, QRect geometry)
    {
        std::vector<Control *> controls;
        for (const auto &c : cases) {
            auto *control = Make<Control>(geometry);
            if (c.setUp)
                c.setUp(control);
            controls.push_back(control);
        }
        Activate();
        for (size_t i = 0; i < cases.size(); ++i) {
            if (cases[i].event == QEvent::MouseButtonPress)
                Press(controls[i]);
            else if (cases[i].event != NoEvent)
                Send(controls[i], cases[i].event);
            EXPECT_EQ(At(controls[i], cases[i].at.x(), cases[i].at.y()), Rgb{cases[i].expected}) << cases[i].state;
        }
    }
};

TEST_F(ControlStateTest, CheckBoxes)
{
    const auto checked = [](QCheckBox *box) { box->setChecked(true); };
    const auto grey = [](QCheckBox *box) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    };
    const auto disabled = [](QCheckBox *box) { box->setEnabled(false); };
    const std::vector<StateCase<QCheckBox>> cases = {
        {"classic: box edge", Classic, NoEvent, {2, 3}, Shadow},
        {"classic: box inside", Classic, NoEvent, {4, 5}, RGB(255, 255, 255)},
        {"classic hot: edge", Classic, QEvent::Enter, {2, 3}, SelectFrame},
        {"classic hot: inside", Classic, QEvent::Enter, {4, 5}, SelectFill},
        {"classic pressed", Classic, QEvent::MouseButtonPress, {4, 5}, CheckFillHot},
        {"classic checked: tick", Both<QCheckBox>(Classic, checked), NoEvent, {4, 10}, HighlightRgb},
        {"classic checked, disabled: tick", Both<QCheckBox>(Both<QCheckBox>(Classic, checked), disabled), NoEvent,
         {4, 10}, DisabledText},
        {"classic grey: inside", Both<QCheckBox>(Classic, grey), NoEvent, {3, 4}, RGB(192, 192, 192)},
        {"classic grey: mark", Both<QCheckBox>(Classic, grey), NoEvent, {5, 7}, ChkColor},
        {"XP: edge", nullptr, NoEvent, {2, 3}, OutLine},
        {"XP: inside", nullptr, NoEvent, {4, 5}, SurfaceNormal},
        {"XP disabled: edge", disabled, NoEvent, {2, 3}, DisabledBorder},
        {"XP hot: inner ring", nullptr, QEvent::Enter, {3, 4}, MoveRing},
        {"XP pressed: inside", nullptr, QEvent::MouseButtonPress, {4, 5}, SurfaceDown},
        {"XP checked: tick one further right", checked, NoEvent, {5, 10}, ChkColor},
        {"right to left: the box on the right",
         Both<QCheckBox>(Classic, [](QCheckBox *box) { box->setLayoutDirection(Qt::RightToLeft); }), NoEvent,
         {87, 3}, Shadow},
    };
    Expect(cases, {10, 10, 100, 17});
}

TEST_F(ControlStateTest, RadioButtonsAndTheirDotInEveryState)
{
    const auto checked = [](QRadioButton *radio) {
        radio->setAutoExclusive(false);
        radio->setChecked(true);
    };
    const auto disabled = [](QRadioButton *radio) { radio->setEnabled(false); };
    const auto classicChecked = Both<QRadioButton>(Classic, checked);
    const std::vector<StateCase<QRadioButton>> cases = {
        {"classic: edge", Classic, NoEvent, {7, 3}, Shadow},
        {"classic: inside", Classic, NoEvent, {7, 8}, RGB(255, 255, 255)},
        {"classic hot: edge", Classic, QEvent::Enter, {7, 3}, SelectFrame},
        {"classic hot: inside", Classic, QEvent::Enter, {7, 8}, SelectFill},
        {"classic checked: dot", classicChecked, NoEvent, {7, 8}, HighlightRgb},
        {"classic checked, hot: dot", classicChecked, QEvent::Enter, {7, 8}, HighlightRgb},
        {"classic checked, disabled: dot", Both<QRadioButton>(classicChecked, disabled), NoEvent, {7, 8},
         DisabledText},
        {"XP: edge", nullptr, NoEvent, {8, 3}, OutLine},
        {"XP hot: inner ring", nullptr, QEvent::Enter, {8, 4}, MoveRing},
        {"XP checked: dot", checked, NoEvent, {8, 9}, ChkColor},
        {"XP checked, hot: dot", checked, QEvent::Enter, {8, 9}, ChkColor},
        {"XP checked, pressed: dot", checked, QEvent::MouseButtonPress, {8, 9}, ChkColor},
        {"XP checked, disabled: dot", Both<QRadioButton>(checked, disabled), NoEvent, {8, 9}, ChkColor},
    };
    Expect(cases, {10, 10, 100, 17});
}

TEST_F(ControlStateTest, ComboBoxes)
{
    const auto disabled = [](QComboBox *combo) { combo->setEnabled(false); };
    const auto rightToLeft = [](QComboBox *combo) { combo->setLayoutDirection(Qt::RightToLeft); };
    const TColor white = RGB(255, 255, 255);
    const std::vector<StateCase<QComboBox>> cases = {
        {"XP: outline", nullptr, NoEvent, {1, 10}, OutLine},
        {"XP: button", nullptr, NoEvent, {103, 5}, FocusRing},
        {"XP: arrow", nullptr, NoEvent, {105, 9}, RGB(74, 105, 140)},
        {"XP hot: button", nullptr, QEvent::Enter, {103, 5}, RGB(214, 231, 255)},
        {"XP pressed: button", nullptr, QEvent::MouseButtonPress, {103, 5}, SurfaceDown},
        {"XP disabled: outline", disabled, NoEvent, {1, 10}, DisabledBorder},
        {"classic: frame in the control's colour", Classic, NoEvent, {1, 10}, white},
        {"classic: button", Classic, NoEvent, {110, 5}, BtnFaceRgb},
        {"classic: arrow", Classic, NoEvent, {110, 10}, RGB(0, 0, 0)},
        {"classic hot: frame one wider", Classic, QEvent::Enter, {0, 10}, SelectFrame},
        {"classic hot: button", Classic, QEvent::Enter, {110, 5}, SelectFill},
        {"classic hot: line beside the strip", Classic, QEvent::Enter, {106, 5}, SelectFrame},
        {"classic hot: strip", Classic, QEvent::Enter, {103, 5}, white},
        {"classic right to left: button on the left", Both<QComboBox>(Classic, rightToLeft), NoEvent, {5, 5},
         BtnFaceRgb},
    };
    Expect(cases, {10, 10, 120, 21});
}

TEST_F(ControlStateTest, PanelBevels)
{
    const auto bevels = [](TPanelBevel outer, TPanelBevel inner, int bevelWidth, int borderWidth) {
        return [=](TPanel *panel) {
            panel->SetBevelOuter(outer);
            panel->SetBevelInner(inner);
            panel->SetBevelWidth(bevelWidth);
            panel->SetBorderWidth(borderWidth);
        };
    };
    const std::vector<StateCase<TPanel>> cases = {
        {"raised: top left", bevels(bvRaised, bvNone, 1, 0), NoEvent, {0, 0}, FaceLight},
        {"raised: bottom left", bevels(bvRaised, bvNone, 1, 0), NoEvent, {0, 49}, FaceShadow},
        {"raised: bottom right", bevels(bvRaised, bvNone, 1, 0), NoEvent, {99, 49}, FaceShadow},
        {"raised, two wide: second ring", bevels(bvRaised, bvNone, 2, 0), NoEvent, {1, 1}, FaceLight},
        {"lowered: top left", bevels(bvLowered, bvNone, 1, 0), NoEvent, {0, 0}, FaceShadow},
        {"lowered: bottom right", bevels(bvLowered, bvNone, 1, 0), NoEvent, {99, 49}, FaceLight},
        {"none", bevels(bvNone, bvNone, 1, 0), NoEvent, {0, 0}, BtnFaceRgb},
        {"inner lowered inside the border", bevels(bvNone, bvLowered, 1, 2), NoEvent, {2, 2}, FaceShadow},
        {"inner lowered: the border", bevels(bvNone, bvLowered, 1, 2), NoEvent, {1, 1}, BtnFaceRgb},
    };
    Expect(cases, {10, 10, 100, 50});
}

TEST_F(ControlSkinTest, GroupBoxesAreRedrawnWithTheCaptionOnAGapOfTheirTopEdge)
{
    QPalette formColours = form.palette();
    const TColor parent = RGB(90, 120, 150);
    formColours.setColor(QPalette::Window, ToQColor(parent));
    form.setPalette(formColours);
    const auto makeBox = [this](QRect geometry) {
        auto *box = Make<QGroupBox>(geometry, QStringLiteral("Box"));
        QPalette colours = box->palette();
        colours.setColor(QPalette::Window, ToQColor(BtnFaceRgb));
        box->setPalette(colours);
        return box;
    };
    QGroupBox *leftToRight = makeBox({10, 10, 200, 80});
    QGroupBox *rightToLeft = makeBox({10, 100, 200, 80});
    rightToLeft->setLayoutDirection(Qt::RightToLeft);
    QGroupBox *flat = makeBox({220, 10, 90, 80});
    flat->setFlat(true);
    Activate();
    const int middle = QFontMetrics(leftToRight->font()).height() / 2;

    for (QGroupBox *box : {leftToRight, rightToLeft}) {
        const QImage shot = Shot(box);
        EXPECT_EQ(PixelOf(shot, 0, middle + 5), Rgb{FaceLight}) << "left edge";
        EXPECT_EQ(PixelOf(shot, 199, middle + 5), Rgb{FaceShadow}) << "right edge";
        EXPECT_EQ(PixelOf(shot, 100, 79), Rgb{FaceShadow}) << "bottom edge";
        EXPECT_EQ(PixelOf(shot, 100, 0), Rgb{parent}) << "above the frame";
        EXPECT_EQ(PixelOf(shot, 5, middle + 1), Rgb{FaceLight}) << "top edge";
        EXPECT_EQ(PixelOf(shot, 194, middle + 1), Rgb{FaceLight}) << "top edge";
    }
    EXPECT_NE(At(leftToRight, 12, middle + 1), Rgb{FaceLight}) << "the caption's gap";
    EXPECT_EQ(At(leftToRight, 187, middle + 1), Rgb{FaceLight});
    EXPECT_EQ(At(rightToLeft, 12, middle + 1), Rgb{FaceLight});
    EXPECT_NE(At(rightToLeft, 187, middle + 1), Rgb{FaceLight}) << "the caption's gap on the right";
    EXPECT_EQ(At(flat, 0, middle + 5), Rgb{FaceShadow}) << "a flat box has no light edge";
    EXPECT_EQ(At(flat, 5, middle + 1), Rgb{FaceShadow});
}

TEST_F(ControlSkinTest, EditsAndMemosGetAOnePixelFlatFrame)
{
    auto *edit = Make<QLineEdit>({10, 10, 100, 21});
    auto *memo = Make<QPlainTextEdit>({10, 40, 100, 50});
    auto *classic = Make<QLineEdit>({10, 100, 100, 21});
    SetTag(classic, ClassicLook);
    auto *borderless = Make<QPlainTextEdit>({150, 40, 100, 50});
    borderless->setFrameShape(QFrame::NoFrame);
    Activate();
    EXPECT_EQ(memo->frameWidth(), 1);
    for (QWidget *control : {static_cast<QWidget *>(edit), static_cast<QWidget *>(memo)}) {
        EXPECT_EQ(At(control, 0, 15), Rgb{FaceShadow});
        EXPECT_EQ(At(control, 1, 15), Rgb{SurfaceNormal}) << "the XP look's surface inside";
        Send(control, QEvent::Enter);
        EXPECT_EQ(At(control, 0, 15), Rgb{SelectFrameLit});
    }
    EXPECT_EQ(At(classic, 1, 15), Rgb{RGB(255, 255, 255)}) << "the classic look keeps the colour";
    EXPECT_EQ(At(borderless, 0, 15), Rgb{BtnFaceRgb}) << "without a border the frame is the parent's colour";
    Send(borderless, QEvent::Enter);
    EXPECT_EQ(At(borderless, 0, 15), Rgb{RGB(206, 211, 225)}) << "lit less strongly: Lighten(SelectFrame, 80)";
}

TEST_F(ControlSkinTest, ARichEditsFrameLiesOnePixelOutsideItOnItsParent)
{
    auto *richEdit = Make<QTextEdit>({20, 20, 100, 50});
    richEdit->document()->setDocumentMargin(1);
    Activate();
    EXPECT_EQ(richEdit->frameShape(), QFrame::NoFrame) << "its own border gives way";
    EXPECT_EQ(richEdit->document()->documentMargin(), 2) << "a margin of at least two inside";
    EXPECT_EQ(PixelOf(Shot(&form), 19, 19), Rgb{FaceShadow});
    EXPECT_EQ(PixelOf(Shot(&form), 120, 70), Rgb{FaceShadow});
    EXPECT_EQ(PixelOf(Shot(&form), 18, 40), Rgb{BtnFaceRgb});
    Send(richEdit, QEvent::Enter);
    EXPECT_EQ(PixelOf(Shot(&form), 19, 40), Rgb{SelectFrameLit});
}

TEST_F(ControlSkinTest, AControlBarsBandsGetTheSkinsFillAndGrabber)
{
    auto *bar = Make<TControlBar>({10, 10, 200, 40});
    (new QWidget(bar))->setGeometry(20, 5, 100, 30); // its band: 9, 3 to 122, 37
    auto *ownBar = Make<TControlBar>({10, 60, 200, 40});
    const QObject application;
    ownBar->OnBandPaint = {&application, [](TControlBar *, QWidget *, QPainter &, QRect &, TBandPaintOptions &) {}};
    Activate();
    EXPECT_EQ(bar->OnBandPaint.Owner, skin);
    EXPECT_EQ(ownBar->OnBandPaint.Owner, &application) << "a painter of the application's own stays";

    const QImage shot = Shot(bar);
    const TColor band = RGB(215, 211, 203); // Lighten(BtnFace, 6)
    EXPECT_EQ(PixelOf(shot, 60, 20), Rgb{band});
    EXPECT_EQ(PixelOf(shot, 9, 3), Rgb{band}) << "no frame";
    EXPECT_EQ(PixelOf(shot, 12, 8), Rgb{DarkenColor(BtnFaceRgb, 30)});
    EXPECT_EQ(PixelOf(shot, 14, 8), Rgb{DarkenColor(BtnFaceRgb, 30)});
    EXPECT_EQ(PixelOf(shot, 15, 8), Rgb{band});
    EXPECT_EQ(PixelOf(shot, 12, 9), Rgb{band});
    EXPECT_EQ(PixelOf(shot, 12, 10), Rgb{DarkenColor(BtnFaceRgb, 37)});
    EXPECT_EQ(PixelOf(shot, 12, 32), Rgb{DarkenColor(BtnFaceRgb, 30 + 12 * 7)});
    EXPECT_EQ(PixelOf(shot, 12, 34), Rgb{band});

    skin->SetOverrideOwnerDraw(true);
    skin->SetActive(false);
    EXPECT_FALSE(bar->OnBandPaint);
    skin->SetActive(true);
    EXPECT_EQ(ownBar->OnBandPaint.Owner, skin) << "OverrideOwnerDraw takes it over";
}
