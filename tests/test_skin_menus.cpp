#include "skin/FlatSkin.h"
#include "skin/MenuStyle.h"
#include "tests/MainWindowFixture.h"
#include "tests/SkinFixtures.h"

#include <QMenu>
#include <QMenuBar>

namespace {

constexpr TColor BorderLine = RGB(122, 120, 110);
constexpr TColor ShadowLine = RGB(136, 134, 124);
constexpr TColor SelectFrame = HighlightRgb;

// The main window's menus as a person opens them, drawn through the skin's style.
class SkinnedMenusTest : public MainWindowFixture {
protected:
    void SetUp() override { Open(); }
    QMenu *Menu(const char *name) const { return Find<QMenu>(name); }
    QAction *Item(const char *name) const { return Find<QAction>(name); }
    QImage Opened(QMenu *menu, QAction *highlighted = nullptr)
    {
        menu->popup(QPoint(100, 100));
        menu->setActiveAction(highlighted);
        QApplication::processEvents();
        const QImage shot = menu->grab().toImage();
        menu->hide();
        return shot;
    }
    TFlatSkin *Skin() const { return window->findChild<TFlatSkin *>(); }

    PinnedPalette palette;
};

} // namespace

TEST_F(SkinnedMenusTest, TheSkinMeasuresEveryItemOfTheMainMenu)
{
    QMenu *contacts = Menu("Contacts1");
    contacts->popup(QPoint(100, 100));
    QApplication::processEvents();
    const int textHeight = QFontMetrics(Skin()->Font().Font).height();
    const int captionHeight = textHeight + RoundHalfEven(textHeight * 75LL, 100);
    const QRect add = contacts->actionGeometry(Item("AddContact1"));
    EXPECT_EQ(add.topLeft(), QPoint(3, 3)) << "inside a three-pixel border";
    EXPECT_EQ(add.height(), std::max(captionHeight, 16 + 6)) << "icon items";
    EXPECT_EQ(contacts->actionGeometry(Item("GotoWebSite1")).height(), std::max(captionHeight, 18))
        << "items without icon";
    EXPECT_EQ(contacts->actionGeometry(contacts->actions().at(3)).height(), 4) << "a separator";
    EXPECT_EQ(contacts->height(), contacts->actionGeometry(contacts->actions().last()).bottom() + 1 + 3);
    contacts->hide();

    QMenuBar *bar = window->menuBar();
    const QRect file = bar->actionGeometry(bar->actions().first());
    EXPECT_EQ(file.height(), captionHeight);
    EXPECT_EQ(bar->height(), captionHeight);
}

TEST_F(SkinnedMenusTest, OpenedMenusShowTheFlatFrameAndTheHighlight)
{
    QMenu *contacts = Menu("Contacts1");
    const QImage shot = Opened(contacts, Item("DEditContact1"));
    const int w = shot.width();
    const int h = shot.height();
    EXPECT_EQ(PixelOf(shot, 0, 0), Rgb{BorderLine});
    EXPECT_EQ(PixelOf(shot, w - 3, h / 2), Rgb{BorderLine});
    EXPECT_EQ(PixelOf(shot, w - 1, h / 2), Rgb{ShadowLine});
    EXPECT_EQ(PixelOf(shot, w / 2, h - 1), Rgb{ShadowLine});
    EXPECT_EQ(PixelOf(shot, w - 1, 0), Rgb{BtnFaceRgb}) << "the corner left free by the shadow";
    const QRect edit = contacts->actionGeometry(Item("DEditContact1"));
    EXPECT_EQ(PixelOf(shot, edit.left(), edit.top() + 1), Rgb{SelectFrame});
    EXPECT_EQ(PixelOf(shot, edit.right() - 1, edit.bottom()), Rgb{SelectFrame}) << "the flat menu's narrower highlight";
    const QRect add = contacts->actionGeometry(Item("AddContact1"));
    EXPECT_NE(PixelOf(shot, add.left(), add.top() + 1), Rgb{SelectFrame});
}

TEST_F(SkinnedMenusTest, TurningTheSkinOffGivesTheFrameworksMenusBack)
{
    QMenu *contacts = Menu("Contacts1");
    Skin()->SetActive(false);
    for (QWidget *menu : {static_cast<QWidget *>(window->menuBar()), static_cast<QWidget *>(contacts)})
        EXPECT_FALSE(MenuStyle::IsOwnerDrawn(menu));
    const QImage shot = Opened(contacts, Item("DEditContact1"));
    EXPECT_NE(PixelOf(shot, 0, 0), Rgb{BorderLine});
    EXPECT_NE(PixelOf(shot, shot.width() - 1, shot.height() / 2), Rgb{ShadowLine});
    contacts->popup(QPoint(100, 100));
    QApplication::processEvents();
    EXPECT_NE(contacts->actionGeometry(contacts->actions().at(3)).height(), 4) << "the framework measures";
    contacts->hide();

    Skin()->SetActive(true);
    EXPECT_EQ(PixelOf(Opened(contacts), 0, 0), Rgb{BorderLine});
}
