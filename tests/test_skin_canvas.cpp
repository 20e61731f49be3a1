#include "skin/SkinCanvas.h"
#include "tests/SkinFixtures.h"

#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr TColor PenRgb = RGB(200, 0, 0);
constexpr TColor BrushRgb = RGB(0, 0, 200);

// The image as rows of characters: '#' pen, '+' brush, '.' anything else.
std::vector<std::string> Picture(const QImage &image)
{
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const TColor pixel = FromQRgb(image.pixel(x, y));
            row += pixel == PenRgb ? '#' : pixel == BrushRgb ? '+' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> MirroredLeftRight(std::vector<std::string> rows)
{
    for (std::string &row : rows)
        std::reverse(row.begin(), row.end());
    return rows;
}

std::vector<std::string> MirroredTopBottom(std::vector<std::string> rows)
{
    std::reverse(rows.begin(), rows.end());
    return rows;
}

// Draws on a white image with the test pen and brush.
template <typename Paint>
QImage Painted(int width, int height, Paint paint)
{
    QImage image = FilledImage(width, height);
    {
        SkinCanvas canvas(image);
        canvas.Pen.Color = PenRgb;
        canvas.Brush.Color = BrushRgb;
        paint(canvas);
    }
    return image;
}

} // namespace

TEST(SkinCanvasTest, RectanglesCoverTheirLeftAndTopEdgesButNotTheirRightAndBottomOnes)
{
    const QImage filled = Painted(6, 5, [](SkinCanvas &canvas) { canvas.FillRect({1, 1, 4, 3}); });
    EXPECT_EQ(Picture(filled), (std::vector<std::string>{"......", ".+++..", ".+++..", "......", "......"}));

    const QImage outlined = Painted(6, 5, [](SkinCanvas &canvas) { canvas.Rectangle({0, 0, 5, 4}); });
    EXPECT_EQ(Picture(outlined), (std::vector<std::string>{"#####.", "#+++#.", "#+++#.", "#####.", "......"}));

    const QImage hollow = Painted(6, 5, [](SkinCanvas &canvas) {
        canvas.Brush.Style = TBrushStyle::Clear;
        canvas.Rectangle({0, 0, 5, 4});
    });
    EXPECT_EQ(Picture(hollow), (std::vector<std::string>{"#####.", "#...#.", "#...#.", "#####.", "......"}));

    const QImage withoutPen = Painted(6, 5, [](SkinCanvas &canvas) {
        canvas.Pen.Style = TPenStyle::Clear;
        canvas.Rectangle({0, 0, 5, 4});
    });
    EXPECT_EQ(Picture(withoutPen), (std::vector<std::string>{"++++..", "++++..", "++++..", "......", "......"}))
        << "without a pen the shape is one pixel smaller on the right and at the bottom";

    const QImage framed = Painted(5, 4, [](SkinCanvas &canvas) { canvas.FrameRect({1, 0, 4, 3}); });
    EXPECT_EQ(Picture(framed), (std::vector<std::string>{".+++.", ".+.+.", ".+++.", "....."}));
}

TEST(SkinCanvasTest, LinesLeaveOutTheirEndPointInEveryDirection)
{
    const struct {
        QPoint from, to;
        std::vector<std::string> picture;
    } cases[] = {
        {{0, 1}, {5, 1}, {".....", "#####", "....."}},
        {{4, 1}, {0, 1}, {".....", ".####", "....."}}, // starts at its first point, right to left
        {{0, 0}, {5, 2}, {"##...", "..##.", "....#"}},
        {{4, 2}, {0, 0}, {".#...", "..##.", "....#"}},
        {{2, 0}, {2, 3}, {"..#..", "..#..", "..#.."}},
        {{2, 2}, {2, 2}, {".....", ".....", "....."}},
    };
    for (const auto &line : cases) {
        const QImage image = Painted(5, 3, [&](SkinCanvas &canvas) {
            canvas.MoveTo(line.from.x(), line.from.y());
            canvas.LineTo(line.to.x(), line.to.y());
        });
        EXPECT_EQ(Picture(image), line.picture) << line.from.x() << "," << line.from.y() << " to " << line.to.x();
    }
    const QImage polyline = Painted(5, 4, [](SkinCanvas &canvas) { canvas.Polyline({{0, 3}, {0, 0}, {3, 0}, {3, 3}}); });
    EXPECT_EQ(Picture(polyline), (std::vector<std::string>{"####.", "#..#.", "#..#.", "#...."}))
        << "only the last point of a polyline is left out";

    const QImage wide = Painted(6, 4, [](SkinCanvas &canvas) {
        canvas.Pen.Width = 2;
        canvas.Polyline({{1, 1}, {4, 1}});
    });
    EXPECT_EQ(Picture(wide), (std::vector<std::string>{"......", ".####.", ".####.", "......"}));
}

TEST(SkinCanvasTest, RoundRectanglesAndEllipsesAreSymmetricPixelForPixel)
{
    const struct {
        int width, height, cornerWidth, cornerHeight;
    } shapes[] = {{21, 25, 5, 5}, {20, 14, 6, 6}, {13, 13, 13, 13}, {14, 9, 14, 9}, {10, 10, 10, 10}, {31, 20, 4, 4}};
    for (const auto &shape : shapes) {
        const QImage image = Painted(shape.width + 2, shape.height + 2, [&](SkinCanvas &canvas) {
            canvas.RoundRect({1, 1, 1 + shape.width, 1 + shape.height}, shape.cornerWidth, shape.cornerHeight);
        });
        const std::vector<std::string> picture = Picture(image);
        EXPECT_EQ(picture, MirroredLeftRight(picture)) << shape.width << "x" << shape.height;
        EXPECT_EQ(picture, MirroredTopBottom(picture)) << shape.width << "x" << shape.height;
        // The outline lies inside the rectangle and touches all four sides at their middles.
        const int midX = 1 + shape.width / 2;
        const int midY = 1 + shape.height / 2;
        EXPECT_EQ(picture[1][size_t(midX)], '#');
        EXPECT_EQ(picture[size_t(shape.height)][size_t(midX)], '#');
        EXPECT_EQ(picture[size_t(midY)][1], '#');
        EXPECT_EQ(picture[size_t(midY)][size_t(shape.width)], '#');
        EXPECT_EQ(picture[size_t(midY)][size_t(midX)], '+') << "filled with the brush";
        EXPECT_EQ(picture[1][1], '.') << "the corner is cut";
    }

    // A 6 x 6 ellipse and a round rectangle with corners of 4 x 4, pixel by pixel.
    const QImage ellipse = Painted(6, 6, [](SkinCanvas &canvas) { canvas.Ellipse({0, 0, 6, 6}); });
    EXPECT_EQ(Picture(ellipse), (std::vector<std::string>{".####.", "#++++#", "#++++#", "#++++#", "#++++#", ".####."}));
    const QImage rounded = Painted(8, 6, [](SkinCanvas &canvas) { canvas.RoundRect({0, 0, 8, 6}, 4, 4); });
    EXPECT_EQ(Picture(rounded),
              (std::vector<std::string>{".######.", "#++++++#", "#++++++#", "#++++++#", "#++++++#", ".######."}));
    const QImage circle = Painted(10, 10, [](SkinCanvas &canvas) {
        canvas.Brush.Style = TBrushStyle::Clear;
        canvas.Ellipse({0, 0, 10, 10});
    });
    EXPECT_EQ(Picture(circle), (std::vector<std::string>{"...####...", ".##....##.", ".#......#.", "#........#",
                                                         "#........#", "#........#", "#........#", ".#......#.",
                                                         ".##....##.", "...####..."}));
}

TEST(SkinCanvasTest, ReadsAndWritesSinglePixelsOfItsImage)
{
    QImage image = FilledImage(4, 4, clWhite);
    SkinCanvas canvas(image);
    canvas.SetPixel(1, 2, RGB(1, 2, 3));
    canvas.FillRect({2, 0, 3, 1}, clBtnFace); // through the painter, read back at once
    EXPECT_EQ(Rgb{canvas.Pixel(1, 2)}, Rgb{RGB(1, 2, 3)});
    EXPECT_EQ(Rgb{canvas.Pixel(2, 0)}, Rgb{ColorToRGB(clBtnFace)});
    EXPECT_EQ(Rgb{canvas.Pixel(0, 0)}, Rgb{clWhite});
    EXPECT_EQ(Rgb{canvas.Pixel(4, 0)}, Rgb{CLR_INVALID});
    EXPECT_EQ(Rgb{canvas.Pixel(-1, 0)}, Rgb{CLR_INVALID});
    EXPECT_EQ(canvas.BitsPerPixel(), 32);

    QImage target = FilledImage(4, 4, clWhite);
    QPainter painter(&target);
    SkinCanvas borrowed(painter);
    borrowed.FillRect({0, 0, 2, 2}, RGB(9, 9, 9));
    EXPECT_EQ(Rgb{borrowed.Pixel(0, 0)}, Rgb{CLR_INVALID}) << "a painter's device is not read";
}

TEST(SkinCanvasTest, DrawsTextWithAccessKeysAlignedAndClippedToItsRectangle)
{
    QImage plain = FilledImage(60, 20);
    QImage marked = FilledImage(60, 20);
    QImage right = FilledImage(60, 20);
    const auto draw = [](QImage &image, const QString &text, unsigned flags) {
        SkinCanvas canvas(image);
        canvas.Font.Font.setFamily(QStringLiteral("Liberation Sans"));
        canvas.Font.Font.setPixelSize(11);
        canvas.Font.Color = clBlack;
        canvas.DrawText(text, {2, 2, 50, 18}, flags);
        return canvas.TextWidth(QStringLiteral("File"));
    };
    const int fileWidth = draw(plain, QStringLiteral("File"), DT_LEFT);
    draw(marked, QStringLiteral("&File"), DT_LEFT);
    draw(right, QStringLiteral("File"), DT_RIGHT);

    const auto inked = [](const QImage &image) {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (FromQRgb(image.pixel(x, y)) != clWhite)
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect plainBox = inked(plain);
    const QRect markedBox = inked(marked);
    const QRect rightBox = inked(right);
    EXPECT_GE(plainBox.left(), 2);
    EXPECT_LE(plainBox.right(), 2 + fileWidth);
    EXPECT_GE(markedBox.left(), 2);
    EXPECT_LE(markedBox.right(), plainBox.right() + 1) << "the & is not drawn";
    EXPECT_GT(markedBox.bottom(), plainBox.bottom()) << "the access key is underlined";
    EXPECT_LE(rightBox.right(), 49);
    EXPECT_GE(rightBox.right(), 49 - 2);
    for (int y = 0; y < 20; ++y)
        for (int x : {0, 1, 50, 59})
            ASSERT_EQ(Rgb{FromQRgb(plain.pixel(x, y))}, Rgb{clWhite}) << "clipped to the rectangle";
}

TEST(SkinCanvasTest, DrawsBitmapsTransparentlyAndCombinesThemWithAnd)
{
    QImage bitmap = FilledImage(2, 2, clWhite);
    bitmap.setPixel(0, 0, qRgb(255, 0, 0));
    QImage image = FilledImage(3, 3, RGB(0, 128, 0));
    {
        SkinCanvas canvas(image);
        canvas.DrawTransparent(1, 1, bitmap, clWhite);
    }
    EXPECT_EQ(PixelOf(image, 1, 1), Rgb{RGB(255, 0, 0)});
    EXPECT_EQ(PixelOf(image, 2, 2), Rgb{RGB(0, 128, 0)}) << "the transparent colour leaves the device as it was";

    QImage anded = FilledImage(2, 1, RGB(0xF0, 0x0F, 0xFF));
    {
        SkinCanvas canvas(anded);
        canvas.DrawAnd(0, 0, FilledImage(1, 1, RGB(0x3C, 0xFF, 0x81)));
    }
    EXPECT_EQ(PixelOf(anded, 0, 0), Rgb{RGB(0x30, 0x0F, 0x81)});
    EXPECT_EQ(PixelOf(anded, 1, 0), Rgb{RGB(0xF0, 0x0F, 0xFF)});
}

TEST(SkinCanvasTest, APaletteDeviceShowsOnlyItsOwnColours)
{
    QImage image = PaletteImage(4, 2);
    {
        SkinCanvas canvas(image);
        EXPECT_EQ(canvas.BitsPerPixel(), 8);
        EXPECT_EQ(Rgb{canvas.NearestColor(RGB(250, 230, 230))}, Rgb{clWhite});
        EXPECT_EQ(Rgb{canvas.NearestColor(RGB(140, 10, 10))}, Rgb{RGB(128, 0, 0)});
        canvas.FillRect({0, 0, 2, 2}, RGB(200, 190, 180));
        canvas.SetPixel(3, 1, RGB(20, 20, 230));
    }
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(PixelOf(image, 0, 0), Rgb{clSilver});
    EXPECT_EQ(PixelOf(image, 3, 1), Rgb{RGB(0, 0, 255)});
    EXPECT_EQ(PixelOf(image, 2, 0), Rgb{clWhite});
}
