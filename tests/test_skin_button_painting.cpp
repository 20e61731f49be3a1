// The button painters: faces, rings and pressed surfaces, glyph and caption layout, the
// glyph in its states, speed buttons' images and tint.
#include "skin/MenuItems.h"
#include "tests/ControlSkinFixture.h"
#include "ui/Controls.h"

#include <QMouseEvent>
#include <functional>

using namespace ControlColours;

namespace {

constexpr int ClassicLook = 1234567890;
constexpr TColor Red = RGB(255, 0, 0);

using Action = std::function<void(QWidget *)>;

void Press(QWidget *control)
{
    const QPointF at(control->width() / 2, control->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, control->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(control, &press);
}
const Action Enter = [](QWidget *c) { ControlSkinTest::Send(c, QEvent::Enter); };
const Action Leave = [](QWidget *c) { ControlSkinTest::Send(c, QEvent::Leave); };
// Taking the focus lights a control as the mouse does, until the mouse leaves it.
const Action Focus = [](QWidget *c) { c->setFocus(); };
const Action MouseDown = [](QWidget *c) { Press(c); };
const Action SpaceDown = [](QWidget *c) {
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(c, &space);
};
const Action Disable = [](QWidget *c) { c->setEnabled(false); };
const Action Classic = [](QWidget *c) { SetTag(c, ClassicLook); };

// A size x size glyph on white, its bottom-left colour, with a square of colour from 4 to 11.
QImage SquareGlyph(TColor color, int images = 1, const QList<TColor> &others = {})
{
    QImage glyph(16 * images, 16, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    for (int i = 0; i < images; ++i) {
        const QColor square = ToQColor(i == 0 ? color : others.value(i - 1));
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x)
                glyph.setPixel(16 * i + x, y, square.rgb());
    }
    return glyph;
}

TColor Lighten(TColor color, int percent)
{
    QImage image = FilledImage(1, 1);
    const SkinCanvas canvas(image);
    return LightenColor(canvas, color, percent);
}

// The smallest rectangle holding every pixel of colour, empty when there is none.
QRect Extent(const QImage &shot, TColor color)
{
    QRect extent;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (FromQRgb(shot.pixel(x, y)) == color)
                extent |= QRect(x, y, 1, 1);
    return extent;
}

// The rows and columns where the caption's dark strokes lie, inside the button's edge.
QRect TextExtent(const QImage &shot)
{
    QRect extent;
    for (int y = 3; y < shot.height() - 3; ++y)
        for (int x = 3; x < shot.width() - 3; ++x)
            if (qGray(shot.pixel(x, y)) < 60)
                extent |= QRect(x, y, 1, 1);
    return extent;
}

struct FaceCase {
    const char *state;
    QList<Action> before; // before the skin attaches
    QList<Action> after;  // events once it is active
    QPoint at;
    TColor expected;
};

} // namespace

class ButtonFaceTest : public ControlSkinTest {
protected:
    template <typename Button>
    void Expect(const std::vector<FaceCase> &cases, QRect geometry)
    {
        std::vector<Button *> buttons;
        for (const auto &c : cases) {
            auto *button = Make<Button>(geometry, QStringLiteral("OK"));
            for (const Action &action : c.before)
                action(button);
            buttons.push_back(button);
        }
        ActivateFocused();
        for (size_t i = 0; i < cases.size(); ++i) {
            for (const Action &action : cases[i].after)
                action(buttons[i]);
            EXPECT_EQ(At(buttons[i], cases[i].at.x(), cases[i].at.y()), Rgb{cases[i].expected}) << cases[i].state;
            form.setFocus();
        }
    }
};

TEST_F(ButtonFaceTest, PushButtonsInTheXPLookAndTheClassicLook)
{
    const TColor hoverRing2 = RGB(255, 180, 51); // the move colour plus 0x020200
    const TColor focusRing2 = RGB(142, 176, 233); // the focus colour plus 0x020202
    const std::vector<FaceCase> cases = {
        {"XP: outline", {}, {}, {0, 12}, OutLine},
        {"XP: outside the round corner", {}, {}, {0, 0}, BtnFaceRgb},
        {"XP: surface", {}, {}, {10, 5}, SurfaceNormal},
        {"XP: bottom line", {}, {}, {20, 23}, BottomLine},
        {"XP hot: outer ring", {}, {Enter}, {20, 23}, MoveRing},
        {"XP hot: inner ring", {}, {Enter}, {20, 22}, hoverRing2},
        {"XP focused: the hover ring at first", {}, {Focus}, {20, 23}, MoveRing},
        {"XP focused, the mouse gone: outer ring", {}, {Focus, Enter, Leave}, {20, 23}, FocusRing},
        {"XP focused, the mouse gone: inner ring", {}, {Focus, Enter, Leave}, {20, 22}, focusRing2},
        {"XP focused and hot: the hover ring", {}, {Focus, Enter}, {20, 23}, MoveRing},
        {"XP pressed: surface", {}, {Enter, MouseDown}, {10, 5}, SurfaceDown},
        {"XP pressed: no ring but the bottom line", {}, {Enter, MouseDown}, {20, 23}, DownBottomLine},
        {"XP space held: pressed", {}, {Focus, SpaceDown}, {10, 5}, SurfaceDown},
        {"XP disabled: outline", {Disable}, {}, {0, 12}, DisabledBorder},
        {"XP disabled: no ring", {Disable}, {Enter}, {20, 23}, BottomLine},
        {"classic: face", {Classic}, {}, {10, 5}, IconFace},
        {"classic: edge", {Classic}, {}, {0, 12}, RGB(166, 166, 166)},
        {"classic: shadow", {Classic}, {}, {74, 12}, DarkenColor(Shadow, 50)},
        {"classic hot: face", {Classic}, {Enter}, {10, 5}, FaceLight},
        {"classic pressed: dark edge top left", {Classic}, {Enter, MouseDown}, {0, 12},
         DarkenColor(SelectFrameLit, 50)},
    };
    Expect<QPushButton>(cases, {10, 10, 75, 25});
}

TEST_F(ControlSkinTest, ADefaultButtonsCaptionIsSoftened)
{
    auto *plain = Make<QPushButton>({10, 10, 75, 25}, QStringLiteral("OK"));
    auto *byDefault = Make<QPushButton>({10, 40, 75, 25}, QStringLiteral("OK"));
    byDefault->setDefault(true);
    Activate();
    EXPECT_NE(Shot(plain), Shot(byDefault)) << "soft passes beside the text";
}

TEST_F(ControlSkinTest, AGlyphButtonLaysOutGlyphAndCaptionTogether)
{
    const QString caption = QStringLiteral("Go");
    const QFontMetrics metrics(form.font());
    const int tw = metrics.horizontalAdvance(caption), th = metrics.height();
    const int w = 75, h = 40, g = 16, spacing = 4;
    const struct {
        const char *layout;
        TButtonLayout value;
        QString caption;
        QPoint glyph;
    } cases[] = {
        {"left", blGlyphLeft, caption, {(w - (spacing + g + tw)) / 2, (h - g) / 2}},
        {"right", blGlyphRight, caption, {(spacing + g + tw + w) / 2 - g, (h - g) / 2}},
        {"top", blGlyphTop, caption, {(w - g) / 2, (h - (spacing + g + th)) / 2}},
        {"bottom", blGlyphBottom, caption, {(w - g) / 2, (spacing + g + th + h) / 2 - g}},
        {"no caption: centred, no spacing", blGlyphLeft, QString(), {(w - g) / 2, (h - g) / 2}},
    };
    std::vector<TBitBtn *> buttons;
    for (const auto &c : cases) {
        auto *button = Make<TBitBtn>({10, 10, w, h}, c.caption);
        button->SetGlyph(SquareGlyph(Red));
        button->SetLayout(c.value);
        buttons.push_back(button);
    }
    Activate();
    const TColor dimmed = Lighten(Red, 30);
    for (size_t i = 0; i < buttons.size(); ++i) {
        const QImage shot = Shot(buttons[i]);
        const QRect square = Extent(shot, dimmed);
        // A button's glyph stands one pixel below its place; the square is 4 pixels in.
        EXPECT_EQ(square.topLeft(), cases[i].glyph + QPoint(4, 5)) << cases[i].layout;
        const QRect glyph(cases[i].glyph, QSize(g, g));
        const QRect text = TextExtent(shot);
        if (cases[i].value == blGlyphTop) {
            EXPECT_GE(text.top(), glyph.bottom() + 1 + spacing) << "the caption Spacing below the glyph";
            EXPECT_LT(text.bottom(), glyph.bottom() + 1 + spacing + th);
        } else if (cases[i].value == blGlyphLeft && !cases[i].caption.isEmpty()) {
            EXPECT_GE(text.left(), glyph.right() + 1 + spacing);
        } else if (cases[i].value == blGlyphRight) {
            EXPECT_LT(text.right(), glyph.left() - spacing);
        }
    }
}

TEST_F(ControlSkinTest, AGlyphIsDimmedLiftedWithAShadowUnderTheMouseAndGreyWhenDisabled)
{
    // A 21 x 21 button without caption: the glyph at 2, 2, drawn one lower.
    auto *normal = Make<TBitBtn>({10, 10, 21, 21});
    auto *hot = Make<TBitBtn>({40, 10, 21, 21});
    auto *disabled = Make<TBitBtn>({70, 10, 21, 21});
    for (TBitBtn *button : {normal, hot, disabled})
        button->SetGlyph(SquareGlyph(Red));
    disabled->setEnabled(false);
    Activate();
    Send(hot, QEvent::Enter);
    EXPECT_EQ(Extent(Shot(normal), Lighten(Red, 30)), QRect(6, 7, 8, 8)) << "dimmed by DimLevel";
    EXPECT_EQ(Extent(Shot(hot), Red), QRect(5, 6, 8, 8)) << "lifted, in its own colours";
    EXPECT_EQ(At(hot, 14, 15), Rgb{DarkenColor(SelectFill, 50)}) << "its shadow two pixels down and right";
    EXPECT_EQ(Extent(Shot(disabled), RGB(159, 159, 159)), QRect(6, 7, 8, 8)) << "grey, then lightened";
}

TEST_F(ControlSkinTest, ASpeedButtonShowsTheImageOfItsState)
{
    // Images: red (up), black (disabled), blue (held), yellow (down); a 30 x 30 button
    // without caption has its glyph at 7, 6, drawn one lower.
    const QImage four = SquareGlyph(Red, 4, {RGB(0, 0, 0), RGB(0, 0, 255), RGB(255, 255, 0)});
    const struct {
        const char *state;
        Action before;
        Action after;
        TColor expected;
    } cases[] = {
        {"up: image 1, dimmed", nullptr, nullptr, Lighten(Red, 30)},
        {"disabled: image 2, grey", Disable, nullptr, RGB(108, 108, 108)},
        {"held: image 3", nullptr, MouseDown, RGB(0, 0, 255)},
        {"down: image 4", [](QWidget *b) { static_cast<TSpeedButton *>(b)->SetDown(true); }, nullptr,
         RGB(255, 255, 0)},
    };
    std::vector<TSpeedButton *> buttons;
    for (const auto &c : cases) {
        auto *button = Make<TSpeedButton>({10 + 40 * int(buttons.size()), 10, 30, 30});
        button->SetGlyph(four, 4);
        if (c.before)
            c.before(button);
        buttons.push_back(button);
    }
    Activate();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (cases[i].after)
            cases[i].after(buttons[i]);
        EXPECT_EQ(PixelOf(Shot(&form), 10 + 40 * int(i) + 12, 10 + 12), Rgb{cases[i].expected}) << cases[i].state;
    }
}

TEST_F(ControlSkinTest, ATransparentSpeedButtonUnderTheMouseDarkensWhatShowsThrough)
{
    auto *button = Make<TSpeedButton>({10, 10, 30, 30});
    button->SetTransparent(true);
    button->SetFlat(true);
    SetTag(button, ClassicLook);
    Activate();
    EXPECT_EQ(PixelOf(Shot(&form), 12, 12), Rgb{BtnFaceRgb}) << "flat and transparent: nothing drawn";
    Send(button, QEvent::Enter);
    const TColor tint = Lighten(SelectFill, 20);
    EXPECT_EQ(PixelOf(Shot(&form), 12, 12), Rgb{BtnFaceRgb & tint});
}

TEST_F(ControlSkinTest, ASpeedButtonReadingRightToLeftPutsItsGlyphOnTheOtherSide)
{
    auto *leftToRight = Make<TSpeedButton>({10, 10, 80, 24});
    auto *rightToLeft = Make<TSpeedButton>({10, 40, 80, 24});
    rightToLeft->setLayoutDirection(Qt::RightToLeft);
    for (TSpeedButton *button : {leftToRight, rightToLeft}) {
        button->setText(QStringLiteral("Wide"));
        button->SetGlyph(SquareGlyph(Red));
    }
    Activate();
    const TColor dimmed = Lighten(Red, 30);
    EXPECT_LT(Extent(Shot(&form).copy(10, 10, 80, 24), dimmed).right(), TextExtent(Shot(leftToRight)).left());
    EXPECT_GT(Extent(Shot(&form).copy(10, 40, 80, 24), dimmed).left(), TextExtent(Shot(rightToLeft)).right());
}
