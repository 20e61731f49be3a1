#include "skin/MenuStyle.h"

#include "skin/MenuItems.h"
#include "skin/SkinCanvas.h"

#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace {

constexpr int ClassicMenuBorder = 3; // what the flat frame and its shadow cover

bool IsItem(QStyle::ControlElement element)
{
    return element == QStyle::CE_MenuItem || element == QStyle::CE_MenuBarItem;
}

bool IsItem(QStyle::ContentsType type)
{
    return type == QStyle::CT_MenuItem || type == QStyle::CT_MenuBarItem;
}

QAction *ItemOf(const QStyleOption *option)
{
    return MenuItem::FromOption(qstyleoption_cast<const QStyleOptionMenuItem *>(option));
}

// A bar item counts as selected while its menu is open or the keyboard is on it, not while
// the pointer merely passes over it.
bool IsSelected(QStyle::ControlElement element, const QStyleOption *option, const QWidget *widget)
{
    if (element == QStyle::CE_MenuItem)
        return option->state & QStyle::State_Selected;
    return (option->state & QStyle::State_Sunken) || ((option->state & QStyle::State_Selected) && widget->hasFocus());
}

} // namespace

bool MenuStyle::IsOwnerDrawn(const QWidget *menu)
{
    return qobject_cast<const MenuStyle *>(menu->style()) != nullptr;
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth:
        return ClassicMenuBorder;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuBarHMargin:
    case PM_MenuBarVMargin:
    case PM_MenuBarPanelWidth:
    case PM_MenuBarItemSpacing:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

// The framework's size is what the item's handler starts from.
QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                  const QWidget *widget) const
{
    const QSize framework = QProxyStyle::sizeFromContents(type, option, size, widget);
    QAction *item = IsItem(type) ? ItemOf(option) : nullptr;
    const MenuItemEvents *events = item ? MenuItemEvents::Find(item) : nullptr;
    if (!events || !events->OnMeasureItem)
        return framework;
    const auto measure = events->OnMeasureItem; // the handler may hand out new handlers
    QImage scratch(1, 1, QImage::Format_RGB32);
    SkinCanvas canvas(scratch, const_cast<QWidget *>(widget));
    int width = framework.width();
    int height = framework.height();
    measure.Call(item, canvas, width, height);
    return QSize(width, height);
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    QAction *item = IsItem(element) && widget ? ItemOf(option) : nullptr;
    const MenuItemEvents *events = item ? MenuItemEvents::Find(item) : nullptr;
    if (!events || !events->OnDrawItem) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const auto draw = events->OnDrawItem;
    auto *window = const_cast<QWidget *>(widget);
    MenuSurface &surface = MenuSurface::Of(window, baseStyle());
    {
        SkinCanvas canvas(surface.Image, window);
        draw.Call(item, canvas, TRect::FromQRect(option->rect), IsSelected(element, option, widget));
    }
    painter->drawImage(option->rect.topLeft(), surface.Image, option->rect);
}

// The border shows what the items drew there: the flat frame, or the framework's own.
void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    const MenuSurface *surface = element == PE_FrameMenu && widget ? MenuSurface::Find(widget) : nullptr;
    if (surface && surface->Image.size() == widget->size())
        painter->drawImage(0, 0, surface->Image);
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

MenuSurface &MenuSurface::Of(QWidget *window, const QStyle *framework)
{
    MenuSurface *surface = Find(window);
    if (!surface)
        surface = new MenuSurface(window);
    if (surface->Image.size() == window->size())
        return *surface;
    surface->Image = QImage(window->size(), QImage::Format_RGB32);
    QPainter painter(&surface->Image);
    QStyleOptionMenuItem panel;
    panel.initFrom(window);
    panel.rect = window->rect();
    framework->drawPrimitive(QStyle::PE_PanelMenu, &panel, &painter, window);
    QStyleOptionFrame frame;
    frame.initFrom(window);
    frame.rect = window->rect();
    frame.lineWidth = ClassicMenuBorder;
    framework->drawPrimitive(QStyle::PE_FrameMenu, &frame, &painter, window);
    return *surface;
}

MenuSurface *MenuSurface::Find(const QWidget *window)
{
    return window->findChild<MenuSurface *>(QString(), Qt::FindDirectChildrenOnly);
}
