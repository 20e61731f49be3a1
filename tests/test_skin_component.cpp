#include "skin/FlatSkin.h"
#include "skin/MenuItems.h"
#include "skin/MenuStyle.h"
#include "store/Errors.h"
#include "tests/MainWindowFixture.h"
#include "tests/SkinFixtures.h"
#include "ui/about/Uni_About.h"
#include "ui/editor/Uni_ContactInfo.h"

#include <QMainWindow>
#include <functional>

namespace {

// Every item of a menu and of the drop-downs beneath it.
QList<QAction *> AllItems(const QWidget *menu)
{
    QList<QAction *> items;
    for (QAction *item : menu->actions()) {
        items << item;
        if (item->menu())
            items << AllItems(item->menu());
    }
    return items;
}

QList<QWidget *> MenuTree(QWidget *menu)
{
    QList<QWidget *> menus{menu};
    for (QAction *item : menu->actions())
        if (item->menu())
            menus << MenuTree(item->menu());
    return menus;
}

bool DrawnBy(const QAction *item, const QObject *owner)
{
    const MenuItemEvents *events = MenuItemEvents::Find(item);
    return events && events->OnDrawItem.Owner == owner;
}

bool MeasuredBy(const QAction *item, const QObject *owner)
{
    const MenuItemEvents *events = MenuItemEvents::Find(item);
    return events && events->OnMeasureItem.Owner == owner;
}

// A form with a main menu (File with a sub-menu, Edit), a popup menu and an empty popup.
class SkinFormTest : public ::testing::Test {
protected:
    SkinFormTest()
    {
        mainMenu = new TMainMenu(&form);
        mainMenu->setObjectName(QStringLiteral("MainMenu1"));
        form.setMenuBar(mainMenu);
        QMenu *file = mainMenu->addMenu(QStringLiteral("&File"));
        open = file->addAction(QStringLiteral("&Open"));
        file->addSeparator();
        QMenu *recent = static_cast<TPopupMenu *>(file)->addMenu(QStringLiteral("&Recent"));
        recentItem = recent->addAction(QStringLiteral("one.dat"));
        mainMenu->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("&Copy"));
        popup = new TPopupMenu(&form);
        popupItem = popup->addAction(QStringLiteral("Pop"));
        emptyPopup = new TPopupMenu(&form);
    }
    void MakeSkin()
    {
        skin = new TFlatSkin(&form);
        skin->setObjectName(QStringLiteral("FlatSkin1"));
    }
    QList<QWidget *> AllMenus() const
    {
        QList<QWidget *> menus = MenuTree(mainMenu);
        menus << MenuTree(popup);
        return menus;
    }
    QList<QAction *> AllFormItems() const { return AllItems(mainMenu) + AllItems(popup); }

    PinnedPalette palette;
    QMainWindow form;
    TMainMenu *mainMenu = nullptr;
    TPopupMenu *popup = nullptr;
    TPopupMenu *emptyPopup = nullptr;
    QAction *open = nullptr;
    QAction *recentItem = nullptr;
    QAction *popupItem = nullptr;
    TFlatSkin *skin = nullptr;
};

} // namespace

TEST_F(SkinFormTest, ANewSkinHasTheDefaultsOfItsProperties)
{
    MakeSkin();
    EXPECT_EQ(skin->DimLevel(), 30);
    EXPECT_EQ(skin->GrayLevel(), 10);
    EXPECT_EQ(skin->Font().Font, QApplication::font("QMenu"));
    EXPECT_EQ(skin->Font().Color, clMenuText);
    const struct {
        const char *name;
        TColor value;
        TColor expected;
    } colours[] = {
        {"Color", skin->Color(), clBtnFace},
        {"IconBackColor", skin->IconBackColor(), clBtnFace},
        {"MenuBarColor", skin->MenuBarColor(), clBtnFace},
        {"SelectColor", skin->SelectColor(), clHighlight},
        {"SelectBorderColor", skin->SelectBorderColor(), clHighlight},
        {"SelectFontColor", skin->SelectFontColor(), clMenuText},
        {"DisabledColor", skin->DisabledColor(), clInactiveCaption},
        {"SeparatorColor", skin->SeparatorColor(), clBtnFace},
        {"CheckedColor", skin->CheckedColor(), clHighlight},
        {"BtnOutLineBorderColor", skin->BtnOutLineBorderColor(), 0x733C00},
        {"BtnInnerBorderMoveColor", skin->BtnInnerBorderMoveColor(), 0x31B2FF},
        {"BtnInnerBorderFocusColor", skin->BtnInnerBorderFocusColor(), 0xE7AE8C},
        {"BtnSurfaceNormalColor", skin->BtnSurfaceNormalColor(), 0xF7FBFF},
        {"BtnSurfaceDownColor", skin->BtnSurfaceDownColor(), 0xDEE7E7},
        {"BtnSurfaceBottomLineColor", skin->BtnSurfaceBottomLineColor(), 0xDEE7E7},
        {"BtnSurfaceDownBottomLineColor", skin->BtnSurfaceDownBottomLineColor(), 0xE7EBEF},
        {"RdoChkControlChkColor", skin->RdoChkControlChkColor(), 0x00A200},
        {"ComboBoxChkColor", skin->ComboBoxChkColor(), 0x8C694A},
        {"ComboboxSurfaceMoveColor", skin->ComboboxSurfaceMoveColor(), 0xFFE7D6},
        {"ControlDisabledBorderColor", skin->ControlDisabledBorderColor(), 0xB5C7C6},
        {"ComboDroppedColor", skin->ComboDroppedColor(), 0xF7A28C},
    };
    for (const auto &colour : colours)
        EXPECT_EQ(colour.value, colour.expected) << colour.name;
    EXPECT_EQ(skin->IconWidth(), 24);
    EXPECT_EQ(skin->BtnRoundArc(), 5);
    EXPECT_TRUE(skin->DrawSelect());
    EXPECT_TRUE(skin->UseSystemColors());
    EXPECT_TRUE(skin->ControlUseTrueXPStyle());
    EXPECT_FALSE(skin->OverrideOwnerDraw() || skin->Gradient() || skin->FlatMenu() || skin->AutoDetect());
    EXPECT_EQ(skin->XPContainers().Bits(), 0x3FF);
    EXPECT_EQ(skin->XPControls().Bits(), 0xFFFF);
    EXPECT_FALSE(skin->Active());
    EXPECT_EQ(skin->OwnerForm(), &form);
    for (QWidget *menu : AllMenus())
        EXPECT_FALSE(MenuStyle::IsOwnerDrawn(menu)) << "an inactive skin hooks nothing";
}

TEST_F(SkinFormTest, TurningTheXPLookOnRestoresTheArcAndTheXPColours)
{
    MakeSkin();
    skin->SetBtnRoundArc(9);
    skin->SetBtnOutLineBorderColor(clBlack);
    skin->SetControlDisabledBorderColor(clBlack);
    skin->SetControlUseTrueXPStyle(false);
    EXPECT_EQ(skin->BtnRoundArc(), 9) << "turning it off resets nothing";
    skin->SetControlUseTrueXPStyle(true);
    EXPECT_EQ(skin->BtnRoundArc(), 5);
    EXPECT_EQ(skin->BtnOutLineBorderColor(), 0x733C00u);
    EXPECT_EQ(skin->ControlDisabledBorderColor(), 0xB5C7C6u);
    skin->SetBtnRoundArc(9);
    skin->SetControlUseTrueXPStyle(true);
    EXPECT_EQ(skin->BtnRoundArc(), 5) << "also when it already was on";
}

TEST_F(SkinFormTest, OnlyAFormCanOwnASkin)
{
    QWidget control(&form);
    EXPECT_THROW(TFlatSkin{&control}, PelmoraError);
    EXPECT_THROW(TFlatSkin{nullptr}, PelmoraError);
}

TEST_F(SkinFormTest, ActivationOwnerDrawsEveryMenuAndDeactivationGivesThemBack)
{
    MakeSkin();
    skin->SetActive(true);
    for (QWidget *menu : AllMenus())
        EXPECT_TRUE(MenuStyle::IsOwnerDrawn(menu)) << menu->objectName().toStdString() << menu->windowTitle().toStdString();
    EXPECT_FALSE(MenuStyle::IsOwnerDrawn(emptyPopup)) << "a menu without items keeps its drawing";
    for (QAction *item : AllFormItems()) {
        EXPECT_TRUE(DrawnBy(item, skin)) << item->text().toStdString();
        EXPECT_TRUE(MeasuredBy(item, skin)) << item->text().toStdString();
    }

    skin->SetActive(false);
    for (QWidget *menu : AllMenus())
        EXPECT_EQ(menu->style(), QApplication::style()) << "the framework draws it again";
    for (QAction *item : AllFormItems())
        EXPECT_FALSE(DrawnBy(item, skin) || MeasuredBy(item, skin)) << item->text().toStdString();

    // Setting the value it has does nothing: no walk puts handlers back.
    skin->SetActive(false);
    skin->SetActive(true);
    MenuItemEvents::Of(open).OnDrawItem = {};
    skin->SetActive(true);
    EXPECT_FALSE(DrawnBy(open, skin));
}

TEST_F(SkinFormTest, ItemsWithTag999OrTheirOwnDrawingKeepIt)
{
    const QObject application;
    int applicationDrawn = 0;
    const MenuItemHandler<TMenuDrawItemEvent> ownDrawing{
        &application, [&](QAction *, SkinCanvas &, const TRect &, bool) { ++applicationDrawn; }};
    SetTag(recentItem, 999);
    MenuItemEvents::Of(popupItem).OnDrawItem = ownDrawing;
    SetTag(popup, 999); // a popup menu is hooked whatever its Tag
    MakeSkin();
    skin->SetActive(true);

    EXPECT_FALSE(DrawnBy(recentItem, skin) || MeasuredBy(recentItem, skin));
    EXPECT_TRUE(DrawnBy(popupItem, &application)) << "its own drawing stays";
    EXPECT_TRUE(MeasuredBy(popupItem, skin)) << "but it is measured by the skin";
    EXPECT_TRUE(MenuStyle::IsOwnerDrawn(popup));

    skin->SetActive(false);
    EXPECT_TRUE(DrawnBy(popupItem, &application)) << "removing takes only the skin's handlers";
    EXPECT_FALSE(MeasuredBy(popupItem, skin));

    skin->SetOverrideOwnerDraw(true);
    skin->SetActive(true);
    EXPECT_TRUE(DrawnBy(popupItem, skin)) << "OverrideOwnerDraw takes it over";
    EXPECT_FALSE(DrawnBy(recentItem, skin)) << "Tag 999 still keeps its own";
}

TEST_F(SkinFormTest, AMainMenuWithTag999KeepsItsDrawing)
{
    SetTag(mainMenu, 999);
    MakeSkin();
    skin->SetActive(true);
    for (QWidget *menu : MenuTree(mainMenu))
        EXPECT_FALSE(MenuStyle::IsOwnerDrawn(menu));
    for (QAction *item : AllItems(mainMenu))
        EXPECT_FALSE(DrawnBy(item, skin));
    EXPECT_TRUE(MenuStyle::IsOwnerDrawn(popup));
}

TEST_F(SkinFormTest, ItemsAddedAfterActivationGetTheHandlersWhenTheirLevelIsDrawn)
{
    MakeSkin();
    skin->SetActive(true);
    QMenu *file = mainMenu->actions().first()->menu();
    QAction *added = file->addAction(QStringLiteral("Added"));
    QMenu *recent = file->actions().at(2)->menu();
    QAction *deeper = recent->addAction(QStringLiteral("two.dat"));
    MenuItemEvents::Of(open).OnMeasureItem = {};
    EXPECT_FALSE(DrawnBy(added, skin));

    skin->RehookMenuLevel(open);
    EXPECT_TRUE(DrawnBy(added, skin) && MeasuredBy(added, skin)) << "same level";
    EXPECT_TRUE(DrawnBy(deeper, skin)) << "beneath the level";
    EXPECT_FALSE(MeasuredBy(open, skin)) << "an item the skin already draws is passed over";
}

TEST_F(SkinFormTest, ChangingTheMenuKindsOfAnActiveSkinRehooksTheForm)
{
    MakeSkin();
    skin->SetXPControls(TXPControls{xcPopupMenu});
    skin->SetActive(true);
    EXPECT_FALSE(MenuStyle::IsOwnerDrawn(mainMenu));
    EXPECT_TRUE(MenuStyle::IsOwnerDrawn(popup));

    skin->SetXPControls(TXPControls{xcMainMenu});
    EXPECT_TRUE(skin->Active());
    EXPECT_EQ(skin->XPControls(), TXPControls{xcMainMenu});
    EXPECT_TRUE(MenuStyle::IsOwnerDrawn(mainMenu));
    EXPECT_TRUE(DrawnBy(open, skin));
    EXPECT_FALSE(MenuStyle::IsOwnerDrawn(popup));
    EXPECT_FALSE(DrawnBy(popupItem, skin));
}

TEST_F(SkinFormTest, DestroyingTheSkinGivesTheMenusBack)
{
    MakeSkin();
    skin->SetActive(true);
    delete skin;
    for (QWidget *menu : AllMenus())
        EXPECT_EQ(menu->style(), QApplication::style());
    for (QAction *item : AllFormItems())
        EXPECT_FALSE(MenuItemEvents::Find(item) && MenuItemEvents::Find(item)->OnDrawItem);
}

namespace {
class FormSkinTest : public MainWindowFixture {
protected:
    static void ExpectStoredSettings(QWidget *form)
    {
        const QList<TFlatSkin *> skins = form->findChildren<TFlatSkin *>();
        ASSERT_EQ(skins.size(), 1) << form->objectName().toStdString();
        const TFlatSkin *skin = skins.first();
        EXPECT_EQ(skin->objectName(), QStringLiteral("FlatSkin1"));
        EXPECT_TRUE(skin->Active());
        EXPECT_TRUE(skin->Gradient());
        EXPECT_TRUE(skin->FlatMenu());
        EXPECT_FALSE(skin->OverrideOwnerDraw());
        EXPECT_TRUE(skin->UseSystemColors());
        EXPECT_EQ(skin->BtnOutLineBorderColor(), 7552000u);
        EXPECT_EQ(skin->ControlDisabledBorderColor(), 11913158u);
        EXPECT_EQ(skin->Font().Font.pixelSize(), 11);
    }
};
} // namespace

TEST_F(FormSkinTest, EveryFormCarriesOneActiveSkinThatDrawsTheMainWindowsMenus)
{
    Open();
    ExpectStoredSettings(window.get());
    const auto *skin = window->findChild<TFlatSkin *>();
    for (QWidget *menu : MenuTree(window->menuBar()))
        EXPECT_TRUE(MenuStyle::IsOwnerDrawn(menu));
    for (QAction *item : AllItems(window->menuBar())) {
        EXPECT_TRUE(DrawnBy(item, skin)) << item->objectName().toStdString();
        EXPECT_TRUE(MeasuredBy(item, skin)) << item->objectName().toStdString();
    }
    Tfrm_ContactInfo editor;
    ExpectStoredSettings(&editor);
    Tfrm_About about;
    ExpectStoredSettings(&about);
}
