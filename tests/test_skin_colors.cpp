#include "skin/FlatSkin.h"
#include "tests/SkinFixtures.h"

#include <QWidget>

namespace {

class SkinColorTest : public ::testing::Test {
protected:
    PinnedPalette palette;
    QWidget form;
    TFlatSkin skin{&form};
};

} // namespace

TEST_F(SkinColorTest, ColourArithmeticRoundsHalfToEvenAndClamps)
{
    QImage trueColor = FilledImage(1, 1);
    SkinCanvas canvas(trueColor);
    const struct {
        const char *what;
        TColor result;
        TColor expected;
    } cases[] = {
        {"darken dark grey below zero", DarkenColor(RGB(10, 10, 10), 30), RGB(0, 0, 0)},
        {"darken keeps two more green", DarkenColor(RGB(100, 100, 100), 30), RGB(70, 72, 70)},
        {"darken by a negative amount lightens", DarkenColor(clBlack, -40), RGB(40, 42, 40)},
        {"darken resolves system colours", DarkenColor(clBtnFace, 90), RGB(122, 120, 110)},
        {"darken clamps at 255", DarkenColor(RGB(250, 254, 250), -10), RGB(255, 255, 255)},
        {"lighten by 0", LightenColor(canvas, RGB(12, 34, 56), 0), RGB(12, 34, 56)},
        {"lighten by 150 is by 100", LightenColor(canvas, RGB(12, 34, 56), 150), clWhite},
        {"lighten 229.5 to the even 230", LightenColor(canvas, RGB(255, 0, 0), 90), RGB(255, 230, 230)},
        {"lighten 122.5 down, 109.5 up", LightenColor(canvas, clHighlight, 50), RGB(132, 146, 180)},
        {"grey of white stops at 240", GreyShade(clWhite, 10), RGB(240, 240, 240)},
        {"grey is the truncated mean plus n", GreyShade(RGB(10, 20, 31), 5), RGB(25, 25, 25)},
        {"contrast of red is red lightened", skin.ContrastTextColor(canvas, RGB(255, 0, 0)), RGB(255, 230, 230)},
        {"contrast of bright green is the font colour", skin.ContrastTextColor(canvas, RGB(0, 255, 0)), clBlack},
        {"contrast of purple is the font colour", skin.ContrastTextColor(canvas, RGB(200, 0, 200)), clBlack},
        {"contrast at a mean of 150 exactly", skin.ContrastTextColor(canvas, RGB(150, 0, 150)), RGB(244, 230, 244)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Rgb{c.result}, Rgb{c.expected}) << c.what;

    EXPECT_EQ(RoundHalfEven(5, 2), 2);
    EXPECT_EQ(RoundHalfEven(7, 2), 4);
    EXPECT_EQ(RoundHalfEven(-5, 2), -2);
    EXPECT_EQ(RoundHalfEven(-7, 2), -4);
    EXPECT_EQ(RoundHalfEven(975, 100), 10);

    QImage fewColours = PaletteImage(1, 1);
    SkinCanvas paletteCanvas(fewColours);
    EXPECT_EQ(Rgb{LightenColor(paletteCanvas, RGB(255, 0, 0), 90)}, Rgb{clWhite}) << "the device's nearest colour";
}

TEST_F(SkinColorTest, PaletteComesFromThePropertiesOrTheSystemColoursForEachKindOfDevice)
{
    skin.SetColor(RGB(1, 1, 1));
    skin.SetIconBackColor(RGB(2, 2, 2));
    skin.SetMenuBarColor(RGB(3, 3, 3));
    skin.SetSelectColor(RGB(100, 0, 0));
    skin.SetSelectBorderColor(RGB(5, 5, 5));
    skin.SetSelectFontColor(RGB(6, 6, 6));
    skin.SetDisabledColor(RGB(7, 7, 7));
    skin.SetSeparatorColor(RGB(8, 8, 8));
    skin.SetCheckedColor(RGB(9, 9, 9));

    const TColor shadow = RGB(128, 128, 128);
    struct PaletteRow {
        const char *entry;
        TColor TSkinPalette::*member;
        TColor properties, propertiesFewer, system, systemFewer;
    };
    const PaletteRow table[] = {
        {"MenuFace", &TSkinPalette::MenuFace, RGB(1, 1, 1), RGB(1, 1, 1), RGB(249, 248, 247), clWhite},
        {"IconFace", &TSkinPalette::IconFace, RGB(2, 2, 2), RGB(2, 2, 2), RGB(219, 216, 209), BtnFaceRgb},
        {"SelectFill", &TSkinPalette::SelectFill, RGB(205, 173, 173), RGB(100, 0, 0), RGB(177, 185, 207), clWhite},
        {"SelectFrame", &TSkinPalette::SelectFrame, RGB(5, 5, 5), RGB(5, 5, 5), HighlightRgb, HighlightRgb},
        {"SelectText", &TSkinPalette::SelectText, RGB(6, 6, 6), RGB(6, 6, 6), clBlack, clBlack},
        {"CheckFill", &TSkinPalette::CheckFill, RGB(224, 204, 204), clWhite, RGB(206, 211, 225), clWhite},
        {"CheckFillHot", &TSkinPalette::CheckFillHot, RGB(178, 128, 128), clSilver, RGB(132, 146, 180), clWhite},
        {"CheckFrame", &TSkinPalette::CheckFrame, RGB(9, 9, 9), RGB(9, 9, 9), HighlightRgb, HighlightRgb},
        {"BarFace", &TSkinPalette::BarFace, RGB(3, 3, 3), RGB(3, 3, 3), BtnFaceRgb, BtnFaceRgb},
        {"DisabledText", &TSkinPalette::DisabledText, RGB(7, 7, 7), RGB(7, 7, 7), RGB(141, 141, 141), shadow},
        {"SeparatorLine", &TSkinPalette::SeparatorLine, RGB(8, 8, 8), RGB(8, 8, 8), RGB(160, 160, 160), shadow},
        {"BorderLine", &TSkinPalette::BorderLine, RGB(122, 120, 110), shadow, RGB(122, 120, 110), shadow},
        {"ShadowLine", &TSkinPalette::ShadowLine, RGB(136, 134, 124), shadow, RGB(136, 134, 124), shadow},
    };
    const struct {
        const char *column;
        bool useSystemColors;
        bool trueColor;
        TColor PaletteRow::*expected;
    } columns[] = {
        {"properties, true colour", false, true, &PaletteRow::properties},
        {"properties, fewer colours", false, false, &PaletteRow::propertiesFewer},
        {"system colours, true colour", true, true, &PaletteRow::system},
        {"system colours, fewer colours", true, false, &PaletteRow::systemFewer},
    };
    for (const auto &column : columns) {
        skin.SetUseSystemColors(column.useSystemColors);
        QImage device = column.trueColor ? QImage(2, 2, QImage::Format_RGB16) : PaletteImage(2, 2);
        skin.RefreshPalette(SkinCanvas(device));
        EXPECT_EQ(skin.TrueColor(), column.trueColor) << column.column;
        for (const auto &row : table)
            EXPECT_EQ(Rgb{skin.Palette().*row.member}, Rgb{row.*column.expected}) << row.entry << ", " << column.column;
    }
}

TEST_F(SkinColorTest, WithSystemColoursEveryRefreshReloadsTheSystemMenuFont)
{
    QImage device = FilledImage(1, 1);
    const TFont courier{QFont(QStringLiteral("Courier"), 20), RGB(255, 0, 0)};
    skin.SetUseSystemColors(false);
    skin.SetFont(courier);
    skin.RefreshPalette(SkinCanvas(device));
    EXPECT_EQ(skin.Font().Font, courier.Font);
    EXPECT_EQ(skin.Font().Color, RGB(255, 0, 0));

    skin.SetUseSystemColors(true);
    skin.RefreshPalette(SkinCanvas(device));
    EXPECT_EQ(skin.Font().Font, QApplication::font("QMenu"));
    EXPECT_EQ(skin.Font().Color, clMenuText);
}
