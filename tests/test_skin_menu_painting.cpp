#include "skin/FlatSkin.h"
#include "skin/MenuItems.h"
#include "tests/SkinFixtures.h"

#include <QActionGroup>
#include <QFontDatabase>
#include <QMainWindow>

namespace {

// The palette of a skin with system colours on a true-colour device, by the pinned palette.
constexpr TColor MenuFace = RGB(249, 248, 247);
constexpr TColor IconFace = RGB(219, 216, 209);
constexpr TColor SelectFill = RGB(177, 185, 207);
constexpr TColor SelectFrame = HighlightRgb;
constexpr TColor CheckFill = RGB(206, 211, 225);
constexpr TColor CheckFillHot = RGB(132, 146, 180);
constexpr TColor DisabledText = RGB(141, 141, 141);
constexpr TColor SeparatorLine = RGB(160, 160, 160);
constexpr TColor BorderLine = RGB(122, 120, 110);
constexpr TColor ShadowLine = RGB(136, 134, 124);
constexpr TColor Red = RGB(255, 0, 0);
constexpr TColor Untouched = RGB(50, 60, 70);

// A 16 x 16 image: white with a red square from 4 to 11.
QPixmap RedSquare()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return QPixmap::fromImage(image);
}

// A font whose text is height pixels high, DejaVu Sans (which fontconfig brings) if it can.
QFont FontOfHeight(int height)
{
    QStringList families = QFontDatabase::families();
    families.prepend(QStringLiteral("DejaVu Sans"));
    for (const QString &family : families) {
        QFont font(family);
        for (int size = 8; size < 20; ++size) {
            font.setPixelSize(size);
            if (QFontMetrics(font).height() == height)
                return font;
        }
    }
    return QFont();
}

// A form whose main menu has images and one drop-down with items of every kind; an active
// skin with its defaults (no gradient, no flat menu).
class MenuPaintingTest : public ::testing::Test {
protected:
    MenuPaintingTest()
    {
        images << RedSquare();
        mainMenu = new TMainMenu(&form);
        mainMenu->setObjectName(QStringLiteral("MainMenu1"));
        mainMenu->SetImages(&images);
        form.setMenuBar(mainMenu);
        dropDown = static_cast<TPopupMenu *>(mainMenu->addMenu(QStringLiteral("&Contacts")));
        bar = dropDown->menuAction();
        withIcon = Item(QStringLiteral("&Add Contact"), 0);
        plain = Item(QStringLiteral("&Plain"));
        separator = dropDown->addSeparator();
        shortcut = Item(QStringLiteral("&New"));
        shortcut->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
        skin = new TFlatSkin(&form);
        skin->SetActive(true);
    }
    QAction *Item(const QString &caption, int imageIndex = -1)
    {
        QAction *item = dropDown->addAction(caption);
        if (imageIndex >= 0)
            MenuItem::SetImageIndex(item, imageIndex);
        return item;
    }
    // Draws an item into a 160 x 32 image at ItemRect, as its menu would.
    QImage Draw(QAction *item, bool selected, QImage image = FilledImage(160, 32, Untouched))
    {
        {
            SkinCanvas canvas(image);
            skin->SkinDrawItem(item, canvas, ItemRect, selected);
        }
        return image;
    }
    void Measure(QAction *item, int &width, int &height)
    {
        QImage scratch = FilledImage(1, 1);
        SkinCanvas canvas(scratch);
        skin->SkinMeasureItem(item, canvas, width, height);
    }
    int TextWidth(const QString &text) const
    {
        QImage scratch = FilledImage(1, 1);
        SkinCanvas canvas(scratch);
        canvas.Font = skin->Font();
        return canvas.TextWidth(text);
    }

    static constexpr TRect ItemRect{3, 3, 153, 25}; // L 3, T 3, Rt 153, B 25
    static constexpr int L = 3, T = 3, Rt = 153, B = 25;

    PinnedPalette palette;
    QList<QPixmap> images;
    QMainWindow form;
    TMainMenu *mainMenu = nullptr;
    TPopupMenu *dropDown = nullptr;
    QAction *bar = nullptr;
    QAction *withIcon = nullptr;
    QAction *plain = nullptr;
    QAction *separator = nullptr;
    QAction *shortcut = nullptr;
    TFlatSkin *skin = nullptr;
};

} // namespace

TEST_F(MenuPaintingTest, ItemsMeasureTheirCaptionShortcutAndImage)
{
    // A font 13 pixels high: an item with a 16 x 16 icon is 13 + round(9.75) = 23 high.
    const QFont font = FontOfHeight(13);
    ASSERT_EQ(QFontMetrics(font).height(), 13);
    skin->SetUseSystemColors(false);
    skin->SetFont({font, clMenuText});

    const QString shortcutText = QKeySequence(QStringLiteral("Ctrl+N")).toString(QKeySequence::NativeText);
    const struct {
        const char *what;
        QAction *item;
        int width, height;
    } cases[] = {
        {"icon item: at least the icon column", withIcon,
         TextWidth(QStringLiteral("&Add Contact")) + 5 - TextWidth(QStringLiteral("&")) + 24, 23},
        {"no icon: the icon column's width", plain, TextWidth(QStringLiteral("Plain")) + 5 + 24, 23},
        {"separator", separator, 5 + 24, 4},
        {"shortcut with a gap of WWW", shortcut,
         TextWidth(QStringLiteral("&New") + shortcutText + QStringLiteral("WWW")) + 5 - TextWidth(QStringLiteral("&")) + 24,
         23},
        {"bar item: 8 more, no icon column", bar,
         TextWidth(QStringLiteral("&Contacts")) + 5 - TextWidth(QStringLiteral("&")) + 8, 23},
    };
    for (const auto &c : cases) {
        int width = 0;
        int height = 0;
        Measure(c.item, width, height);
        EXPECT_EQ(width, c.width) << c.what;
        EXPECT_EQ(height, c.height) << c.what;
    }
    EXPECT_EQ(TextWidth(QStringLiteral("&File")) - TextWidth(QStringLiteral("&")) + 5,
              TextWidth(QStringLiteral("File")) + 5)
        << "\"&File\" measures as \"File\" plus 5";

    int width = 500, height = 40;
    Measure(plain, width, height);
    EXPECT_EQ(QSize(width, height), QSize(500, 40)) << "larger values of the framework stay";
    skin->SetActive(false);
    width = 1, height = 1;
    Measure(plain, width, height);
    EXPECT_EQ(QSize(width, height), QSize(1, 1)) << "an inactive skin measures nothing";
}

TEST_F(MenuPaintingTest, ImageSizesFollowTheMenusImageListOrTheItemsBitmap)
{
    QImage own(30, 10, QImage::Format_RGB32);
    own.fill(Qt::white);
    QImage narrow(20, 18, QImage::Format_RGB32);
    narrow.fill(Qt::white);
    MenuItem::SetBitmap(plain, narrow);
    MenuItem::SetBitmap(shortcut, own);
    EXPECT_EQ(skin->GetItemImageSize(withIcon), QSize(24, 16)) << "the list's image, at least IconWidth wide";
    EXPECT_EQ(skin->GetItemImageSize(plain), QSize(24, 18));
    EXPECT_EQ(skin->GetItemImageSize(shortcut), QSize(30, 10));
    EXPECT_EQ(skin->GetItemImageSize(separator), QSize(24, 0));
    EXPECT_EQ(skin->GetItemImageSize(bar), QSize(0, 0)) << "a bar item has no minimum";
    MenuItem::SetImageIndex(bar, 0);
    EXPECT_EQ(skin->GetItemImageSize(bar), QSize(16, 16));
}

TEST_F(MenuPaintingTest, AnItemHasItsIconColumnAndIsHighlightedWhenSelectedAndEnabled)
{
    const QImage normal = Draw(plain, false);
    EXPECT_EQ(PixelOf(normal, L, T), Rgb{IconFace});
    EXPECT_EQ(PixelOf(normal, L + 23, B - 1), Rgb{IconFace});
    EXPECT_EQ(PixelOf(normal, L + 24, T), Rgb{MenuFace});
    EXPECT_EQ(PixelOf(normal, Rt - 1, B), Rgb{MenuFace}) << "one row below the rectangle";
    EXPECT_EQ(PixelOf(normal, Rt, T), Rgb{Untouched});

    const QImage selected = Draw(plain, true);
    EXPECT_EQ(PixelOf(selected, L, T), Rgb{IconFace}) << "the highlight starts one row down";
    EXPECT_EQ(PixelOf(selected, L, T + 1), Rgb{SelectFrame});
    EXPECT_EQ(PixelOf(selected, Rt - 1, B - 1), Rgb{SelectFrame});
    EXPECT_EQ(PixelOf(selected, L + 1, T + 2), Rgb{SelectFill});
    EXPECT_EQ(PixelOf(selected, Rt - 2, B - 2), Rgb{SelectFill});

    skin->SetFlatMenu(true);
    const QImage flat = Draw(plain, true);
    EXPECT_EQ(PixelOf(flat, Rt - 2, T + 5), Rgb{SelectFrame}) << "one narrower for the flat frame";
    EXPECT_EQ(PixelOf(flat, Rt - 1, T + 5), Rgb{MenuFace});

    dropDown->setLayoutDirection(Qt::RightToLeft);
    const QImage rightToLeft = Draw(plain, false);
    EXPECT_EQ(PixelOf(rightToLeft, Rt - 24, T), Rgb{IconFace}) << "the icon column on the right";
    EXPECT_EQ(PixelOf(rightToLeft, Rt - 25, T), Rgb{MenuFace});
    EXPECT_EQ(PixelOf(rightToLeft, L, T), Rgb{MenuFace});
    dropDown->setLayoutDirection(Qt::LeftToRight);

    plain->setEnabled(false);
    const QImage disabled = Draw(plain, true);
    EXPECT_EQ(PixelOf(disabled, L, T + 1), Rgb{IconFace}) << "a disabled item is never highlighted";
    EXPECT_EQ(PixelOf(disabled, L + 30, T + 2), Rgb{MenuFace});
}

TEST_F(MenuPaintingTest, IconsAreDimmedLiftedWithAShadowOrGreyByState)
{
    // The icon column is 24 wide: a 16-pixel icon stands at L + 3, T + 3; its red square at +4.
    const struct {
        const char *state;
        bool selected, enabled;
        QPoint at;
        TColor expected;
    } cases[] = {
        {"enabled: dimmed by 30, 76.5 to the even 76", false, true, {L + 7, T + 7}, RGB(255, 76, 76)},
        {"selected: lifted one up and left", true, true, {L + 6, T + 6}, Red},
        {"selected: shadow two down and right", true, true, {L + 15, T + 15}, RGB(127, 137, 157)},
        {"disabled: grey of 95 lightened by 40", false, false, {L + 7, T + 7}, RGB(159, 159, 159)},
        {"disabled and selected: grey, not lifted", true, false, {L + 7, T + 7}, RGB(159, 159, 159)},
    };
    for (const auto &c : cases) {
        withIcon->setEnabled(c.enabled);
        const QImage image = Draw(withIcon, c.selected);
        EXPECT_EQ(PixelOf(image, c.at.x(), c.at.y()), Rgb{c.expected}) << c.state;
    }
    withIcon->setEnabled(true);
    EXPECT_EQ(PixelOf(Draw(withIcon, false), L + 2, T + 6), Rgb{IconFace}) << "the white of the image is transparent";
}

TEST_F(MenuPaintingTest, CheckedItemsShowABoxATickOrARadioMark)
{
    plain->setCheckable(true);
    plain->setChecked(true);
    // Without an icon: a 10 x 10 box in the middle of the 24 x 23 icon column.
    const int kl = L + 7, kt = T + 6;
    const QImage box = Draw(plain, false);
    EXPECT_EQ(PixelOf(box, kl, kt), Rgb{SelectFrame}) << "framed in CheckFrame";
    EXPECT_EQ(PixelOf(box, kl + 9, kt + 9), Rgb{SelectFrame});
    EXPECT_EQ(PixelOf(box, kl + 2, kt + 2), Rgb{CheckFill});
    EXPECT_EQ(PixelOf(box, kl + 1, kt + 5), Rgb{clBlack}) << "the tick";
    EXPECT_EQ(PixelOf(box, kl + 11, kt), Rgb{clBlack}) << "its long stroke leaves the box at the top right";
    EXPECT_EQ(PixelOf(Draw(plain, true), kl + 2, kt + 2), Rgb{CheckFillHot});

    withIcon->setCheckable(true);
    withIcon->setChecked(true);
    const QImage framed = Draw(withIcon, false);
    EXPECT_EQ(PixelOf(framed, L + 1, T + 2), Rgb{SelectFrame}) << "a box around the icon";
    EXPECT_EQ(PixelOf(framed, L + 20, T + 20), Rgb{SelectFrame});
    EXPECT_EQ(PixelOf(framed, L + 2, T + 3), Rgb{CheckFill});
    EXPECT_EQ(PixelOf(framed, L + 7, T + 7), Rgb{Red}) << "a checked icon is neither dimmed nor lifted";

    auto *group = new QActionGroup(&form);
    group->addAction(plain);
    const QImage radio = Draw(plain, false);
    EXPECT_EQ(PixelOf(radio, kl, kt), Rgb{IconFace}) << "an ellipse leaves the corner";
    EXPECT_EQ(PixelOf(radio, kl + 5, kt), Rgb{SelectFrame});
    EXPECT_EQ(PixelOf(radio, kl + 5, kt + 5), Rgb{CheckFill});

    plain->setEnabled(false);
    const QImage disabled = Draw(plain, false);
    EXPECT_EQ(PixelOf(disabled, kl + 5, kt), Rgb{DisabledText});
    EXPECT_EQ(PixelOf(disabled, kl + 5, kt + 5), Rgb{IconFace}) << "filled with the brush the background left";
}

TEST_F(MenuPaintingTest, SeparatorsShortcutsAndDefaultItems)
{
    const TRect separatorRect{L, T, Rt, T + 4};
    QImage image = FilledImage(160, 32, Untouched);
    {
        SkinCanvas canvas(image);
        skin->SkinDrawItem(separator, canvas, separatorRect, false);
    }
    EXPECT_EQ(PixelOf(image, L + 31, T + 2), Rgb{SeparatorLine}) << "7 pixels into the text area, halfway down";
    EXPECT_EQ(PixelOf(image, Rt - 1, T + 2), Rgb{SeparatorLine});
    EXPECT_EQ(PixelOf(image, L + 30, T + 2), Rgb{MenuFace});
    EXPECT_EQ(PixelOf(image, L + 31, T + 1), Rgb{MenuFace});

    // The shortcut is right-aligned 10 pixels from the edge, lighter than the caption.
    const QImage withShortcut = Draw(shortcut, false);
    const QImage without = Draw(plain, false);
    int rightmostInk = 0;
    int lighter = 0;
    for (int y = T; y < B; ++y)
        for (int x = L + 24; x < Rt; ++x) {
            const TColor pixel = FromQRgb(withShortcut.pixel(x, y));
            if (pixel != MenuFace)
                rightmostInk = std::max(rightmostInk, x);
            lighter += pixel == RGB(40, 42, 40);
        }
    const int blank = TextWidth(QStringLiteral(" "));
    EXPECT_LT(rightmostInk, Rt - 10);
    EXPECT_GE(rightmostInk, Rt - 10 - blank - 2);
    EXPECT_GT(lighter, 0) << "black lightened by 40";

    // A default item gets soft passes in the background darkened by 30, 40 and 60.
    const auto count = [](const QImage &picture, TColor color) {
        int n = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                n += FromQRgb(picture.pixel(x, y)) == color;
        return n;
    };
    EXPECT_EQ(count(without, DarkenColor(MenuFace, 60)), 0);
    dropDown->setDefaultAction(plain);
    const QImage defaultItem = Draw(plain, false);
    EXPECT_GT(count(defaultItem, DarkenColor(MenuFace, 60)), 0);
    plain->setEnabled(false);
    EXPECT_EQ(count(Draw(plain, false), DarkenColor(MenuFace, 60)), 0) << "not for a disabled default item";
}

TEST_F(MenuPaintingTest, TheGradientLightensAcrossTheIconColumnOnTrueColourOnly)
{
    skin->SetGradient(true);
    const QImage image = Draw(plain, false);
    const struct {
        int x;
        TColor expected;
    } columns[] = {{L, RGB(219, 216, 209)},       {L + 23, RGB(244, 243, 241)}, {L + 28, RGB(250, 249, 248)},
                   {L + 39, RGB(254, 253, 253)}, {Rt + 2, RGB(254, 253, 253)}};
    for (const auto &column : columns) {
        EXPECT_EQ(PixelOf(image, column.x, T), Rgb{column.expected}) << "x = L + " << column.x - L;
        EXPECT_EQ(PixelOf(image, column.x, B), Rgb{column.expected}) << "x = L + " << column.x - L;
    }
    EXPECT_EQ(PixelOf(image, Rt + 3, T), Rgb{Untouched});

    QImage palette = PaletteImage(160, 32);
    palette = Draw(plain, false, palette);
    EXPECT_EQ(PixelOf(palette, L + 5, T + 1), Rgb{clSilver}) << "the button face the device shows";
    EXPECT_EQ(PixelOf(palette, L + 30, T + 1), Rgb{clWhite});
}

TEST_F(MenuPaintingTest, ASelectedBarItemStandsOutWithASteppedShadow)
{
    const TColor face = BtnFaceRgb;
    const QImage image = Draw(bar, true);
    const int b = B + 1; // the bar item's rectangle has its extra bottom row too
    const struct {
        const char *what;
        QPoint at;
        TColor expected;
    } pixels[] = {
        {"frame, left top", {L, T}, SelectFrame},
        {"frame, right line", {Rt - 8, T}, SelectFrame},
        {"the line leaves out its end", {Rt - 8, b - 1}, SelectFill},
        {"fill", {L + 1, T + 1}, SelectFill},
        {"shadow by 10", {Rt - 7, T}, DarkenColor(face, 10)},
        {"shadow by 30", {Rt - 3, b - 1}, DarkenColor(face, 30)},
        {"shadow by 60", {Rt - 4, b - 1}, DarkenColor(face, 60)},
        {"shadow by 100", {Rt - 7, b - 1}, DarkenColor(face, 100)},
        {"bar-coloured step", {Rt - 1, T + 1}, face},
        {"step by 40", {Rt - 6, T + 6}, DarkenColor(face, 40)},
        {"rightmost column", {Rt - 1, b - 1}, DarkenColor(face, 10)},
    };
    for (const auto &pixel : pixels)
        EXPECT_EQ(PixelOf(image, pixel.at.x(), pixel.at.y()), Rgb{pixel.expected}) << pixel.what;

    const QImage normal = Draw(bar, false);
    EXPECT_EQ(PixelOf(normal, L, T), Rgb{face});
    EXPECT_EQ(PixelOf(normal, Rt - 1, b - 1), Rgb{face});
}

TEST_F(MenuPaintingTest, TheFlatFrameCoversTheMenuBorderWithAShadowOnTheRightAndBottom)
{
    QImage window = FilledImage(100, 60, Untouched);
    {
        SkinCanvas canvas(window);
        skin->RefreshPalette(canvas);
        skin->PaintFlatMenuFrame(canvas, false);
    }
    const struct {
        const char *what;
        QPoint at;
        TColor expected;
    } pixels[] = {
        {"frame", {0, 0}, BorderLine},         {"frame, right", {97, 30}, BorderLine},
        {"frame, bottom", {30, 57}, BorderLine}, {"top strip", {1, 1}, MenuFace},
        {"top strip, right", {96, 2}, MenuFace}, {"icon line", {20, 2}, IconFace},
        {"left strip", {2, 40}, IconFace},     {"shadow, right", {98, 5}, ShadowLine},
        {"shadow, bottom", {5, 59}, ShadowLine}, {"corner, top right", {99, 1}, BtnFaceRgb},
        {"corner, bottom left", {1, 58}, BtnFaceRgb}, {"inside", {50, 30}, Untouched},
    };
    for (const auto &pixel : pixels)
        EXPECT_EQ(PixelOf(window, pixel.at.x(), pixel.at.y()), Rgb{pixel.expected}) << pixel.what;

    skin->SetGradient(true);
    {
        SkinCanvas canvas(window);
        skin->PaintFlatMenuFrame(canvas, false);
    }
    EXPECT_EQ(PixelOf(window, 30, 1), Rgb{RGB(250, 250, 249)}) << "the top strip continues the gradient";
}
