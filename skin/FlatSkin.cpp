#include "skin/FlatSkin.h"

#include "skin/MenuItems.h"
#include "skin/MenuStyle.h"
#include "store/Errors.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace {

constexpr int KeepOwnDrawing = 999; // the Tag of a menu or item the skin leaves alone

// Every component of the form, parents before their children, in the order they were made.
// Components already freed while their form is being destroyed are passed over.
template <typename Visit>
void ForEachComponent(QObject *parent, const QObject *skip, const Visit &visit)
{
    QList<QPointer<QObject>> children;
    for (QObject *child : parent->children())
        children << child;
    for (const QPointer<QObject> &child : children) {
        if (!child || child == skip)
            continue;
        visit(child.data());
        if (child)
            ForEachComponent(child.data(), skip, visit);
    }
}

// A menu of its own, not the drop-down of an item.
bool IsPopupMenu(QMenu *menu)
{
    return MenuItem::Parent(menu->menuAction()) == nullptr;
}

} // namespace

TFlatSkin::TFlatSkin(QWidget *owner)
    : QObject(owner)
{
    if (!owner || !owner->isWindow())
        throw PelmoraError(QStringLiteral("Invalid class typecast"));
    SetControlUseTrueXPStyle(true);
    m_btnRoundArc = 5;
    LoadSystemMenuFont();
    m_ownerForm = owner;
    m_selectFontColor = m_font.Color;
    m_menuStyle = new MenuStyle;
    m_menuStyle->setParent(this);
}

// Menus return to the framework; controls are left as they are, since the skin goes only
// with its form.
TFlatSkin::~TFlatSkin()
{
    HookComponents(m_ownerForm, false, false);
}

void TFlatSkin::SetXPDefaults()
{
    m_btnRoundArc = 5;
    m_btnOutLineBorderColor = RGB(0, 60, 115);
    m_btnInnerBorderMoveColor = RGB(255, 178, 49);
    m_btnInnerBorderFocusColor = RGB(140, 174, 231);
    m_btnSurfaceNormalColor = RGB(255, 251, 247);
    m_btnSurfaceDownColor = RGB(231, 231, 222);
    m_btnSurfaceBottomLineColor = RGB(231, 231, 222);
    m_btnSurfaceDownBottomLineColor = RGB(239, 235, 231);
    m_rdoChkControlChkColor = RGB(0, 162, 0);
    m_comboBoxChkColor = RGB(74, 105, 140);
    m_comboboxSurfaceMoveColor = RGB(214, 231, 255);
    m_controlDisabledBorderColor = RGB(198, 199, 181);
    m_comboDroppedColor = RGB(140, 162, 247);
}

void TFlatSkin::SetControlUseTrueXPStyle(bool on)
{
    m_controlUseTrueXPStyle = on;
    if (on)
        SetXPDefaults();
}

void TFlatSkin::LoadSystemMenuFont()
{
    m_font.Font = QApplication::font("QMenu");
    m_font.Color = clMenuText;
}

void TFlatSkin::SetFont(const TFont &font)
{
    m_font = font;
    RedrawMenuBar();
}

void TFlatSkin::SetMenuBarColor(TColor color)
{
    m_menuBarColor = color;
    RedrawMenuBar();
}

void TFlatSkin::SetUseSystemColors(bool on)
{
    m_useSystemColors = on;
    RedrawMenuBar();
}

void TFlatSkin::SetActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    HookComponents(m_ownerForm, active, true);
    RedrawMenuBar();
}

// An active skin takes its hooks off under the old set and puts them on under the new one.
void TFlatSkin::Rehook(const std::function<void()> &storeNewSet)
{
    m_active = false;
    HookComponents(m_ownerForm, false, true);
    m_active = true;
    storeNewSet();
    HookComponents(m_ownerForm, true, true);
}

void TFlatSkin::SetXPContainers(TXPContainers containers)
{
    if (containers != m_xpContainers && m_active)
        Rehook([&] { m_xpContainers = containers; });
    m_xpContainers = containers;
}

void TFlatSkin::SetXPControls(TXPControls controls)
{
    if (controls != m_xpControls && m_active)
        Rehook([&] { m_xpControls = controls; });
    m_xpControls = controls;
}

// Measuring depends on the handlers and the font, so the bar measures its items again.
void TFlatSkin::RedrawMenuBar()
{
    QMenuBar *bar = FormMainMenu(m_ownerForm);
    if (!bar)
        return;
    QEvent change(QEvent::StyleChange);
    QCoreApplication::sendEvent(bar, &change);
    bar->update();
}

TColor TFlatSkin::ContrastTextColor(const SkinCanvas &canvas, TColor color) const
{
    const TColor rgb = ColorToRGB(color);
    if ((GetRValue(rgb) + GetBValue(rgb)) / 2 > 150 || GetGValue(rgb) > 200)
        return ColorToRGB(m_font.Color);
    return LightenColor(canvas, color, 90);
}

void TFlatSkin::RefreshPalette(const SkinCanvas &canvas)
{
    m_trueColor = canvas.BitsPerPixel() >= 16;
    SetPaletteFromProperties(canvas);
    if (m_useSystemColors) {
        LoadSystemMenuFont();
        SetPaletteFromSystemColors(canvas);
    }
}

void TFlatSkin::SetPaletteFromProperties(const SkinCanvas &canvas)
{
    const auto pick = [this](TColor trueColor, TColor fewerColors) {
        return ColorToRGB(m_trueColor ? trueColor : fewerColors);
    };
    m_palette.MenuFace = ColorToRGB(m_color);
    m_palette.IconFace = ColorToRGB(m_iconBackColor);
    m_palette.SelectFill = pick(LightenColor(canvas, m_selectColor, 68), m_selectColor);
    m_palette.SelectFrame = ColorToRGB(m_selectBorderColor);
    m_palette.SelectText = ColorToRGB(m_selectFontColor);
    m_palette.CheckFill = pick(LightenColor(canvas, m_selectColor, 80), clWhite);
    m_palette.CheckFillHot = pick(LightenColor(canvas, m_selectColor, 50), clSilver);
    m_palette.CheckFrame = ColorToRGB(m_checkedColor);
    m_palette.BarFace = ColorToRGB(m_menuBarColor);
    m_palette.DisabledText = ColorToRGB(m_disabledColor);
    m_palette.SeparatorLine = ColorToRGB(m_separatorColor);
    m_palette.BorderLine = pick(DarkenColor(clBtnFace, 90), clBtnShadow);
    m_palette.ShadowLine = pick(DarkenColor(clBtnFace, 76), clBtnShadow);
}

// BorderLine and ShadowLine keep the values the properties gave them.
void TFlatSkin::SetPaletteFromSystemColors(const SkinCanvas &canvas)
{
    const auto pick = [this](TColor trueColor, TColor fewerColors) {
        return ColorToRGB(m_trueColor ? trueColor : fewerColors);
    };
    m_palette.MenuFace = pick(LightenColor(canvas, clBtnFace, 86), clWhite);
    m_palette.IconFace = pick(LightenColor(canvas, clBtnFace, 16), clBtnFace);
    m_palette.SelectFill = pick(LightenColor(canvas, clHighlight, 68), clWhite);
    m_palette.SelectFrame = ColorToRGB(clHighlight);
    m_palette.SelectText = ColorToRGB(m_font.Color);
    m_palette.CheckFill = pick(LightenColor(canvas, clHighlight, 80), clWhite);
    m_palette.CheckFillHot = pick(LightenColor(canvas, clHighlight, 50), clWhite);
    m_palette.CheckFrame = ColorToRGB(clHighlight);
    m_palette.BarFace = ColorToRGB(clBtnFace);
    m_palette.DisabledText = pick(LightenColor(canvas, clBtnShadow, 10), clBtnShadow);
    m_palette.SeparatorLine = pick(LightenColor(canvas, clBtnShadow, 25), clBtnShadow);
}

void TFlatSkin::HookComponents(QWidget *form, bool install, bool refresh)
{
    ForEachComponent(form, this, [&](QObject *component) {
        if (auto *mainMenu = qobject_cast<QMenuBar *>(component)) {
            if (m_xpControls.Contains(xcMainMenu) && Tag(mainMenu) != KeepOwnDrawing)
                HookMenu(mainMenu, install);
        } else if (auto *popup = qobject_cast<QMenu *>(component); popup && IsPopupMenu(popup)) {
            if (m_xpControls.Contains(xcPopupMenu))
                HookMenu(popup, install);
        }
        HookControls(component, install, refresh);
    });
}

// A menu without items keeps its owner drawing as it is.
void TFlatSkin::HookMenu(QWidget *menu, bool install)
{
    for (QAction *item : menu->actions()) {
        SetOwnerDraw(menu, install);
        HookItemTree(item, install);
    }
}

// The flag holds for the menu and every drop-down beneath it.
void TFlatSkin::SetOwnerDraw(QWidget *menu, bool on)
{
    menu->setStyle(on ? m_menuStyle : nullptr);
    for (QAction *item : menu->actions()) {
        if (item->menu())
            SetOwnerDraw(item->menu(), on);
    }
}

void TFlatSkin::HookItemTree(QAction *item, bool install)
{
    if (install)
        InstallItemHandlers(item);
    else
        RemoveItemHandlers(item);
    for (QAction *subItem : MenuItem::SubItems(item))
        HookItemTree(subItem, install);
}

void TFlatSkin::InstallItemHandlers(QAction *item)
{
    if (Tag(item) == KeepOwnDrawing)
        return;
    MenuItemEvents &events = MenuItemEvents::Of(item);
    if (!events.OnDrawItem || m_overrideOwnerDraw) {
        events.OnDrawItem = {this, [this](QAction *drawn, SkinCanvas &canvas, const TRect &rect, bool selected) {
                                 SkinDrawItem(drawn, canvas, rect, selected);
                             }};
    }
    if (!events.OnMeasureItem || m_overrideOwnerDraw) {
        events.OnMeasureItem = {this, [this](QAction *measured, SkinCanvas &canvas, int &width, int &height) {
                                    SkinMeasureItem(measured, canvas, width, height);
                                }};
    }
}

// Handlers the application assigned itself stay.
void TFlatSkin::RemoveItemHandlers(QAction *item)
{
    if (!MenuItemEvents::Find(item))
        return;
    MenuItemEvents &events = MenuItemEvents::Of(item);
    if (events.OnDrawItem.Owner == this)
        events.OnDrawItem = {};
    if (events.OnMeasureItem.Owner == this)
        events.OnMeasureItem = {};
}

bool TFlatSkin::IsOwnHandler(const QAction *item) const
{
    const MenuItemEvents *events = MenuItemEvents::Find(item);
    return events && events->OnDrawItem.Owner == this;
}

void TFlatSkin::RehookMenuLevel(QAction *item)
{
    const QWidget *parent = MenuItem::Parent(item);
    const QList<QAction *> level = parent ? parent->actions() : QList<QAction *>{item};
    for (QAction *sibling : level)
        RehookItemTree(sibling);
}

void TFlatSkin::RehookItemTree(QAction *item)
{
    if (!IsOwnHandler(item))
        InstallItemHandlers(item);
    for (QAction *subItem : MenuItem::SubItems(item))
        RehookItemTree(subItem);
}
