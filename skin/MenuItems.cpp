#include "skin/MenuItems.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QStyleOptionMenuItem>

namespace {

const char *const TagProperty = "Tag";
const char *const ImageIndexProperty = "ImageIndex";
const char *const BitmapProperty = "Bitmap";

bool IsMenuWidget(const QObject *object)
{
    return qobject_cast<const QMenu *>(object) || qobject_cast<const QMenuBar *>(object);
}

} // namespace

QMenu *TMainMenu::addMenu(const QString &title)
{
    auto *menu = new TPopupMenu(title, this);
    QMenuBar::addMenu(menu);
    return menu;
}

void TMainMenu::initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const
{
    QMenuBar::initStyleOption(option, action);
    option->styleObject = const_cast<QAction *>(action);
}

QMenu *TPopupMenu::addMenu(const QString &title)
{
    auto *menu = new TPopupMenu(title, this);
    QMenu::addMenu(menu);
    return menu;
}

void TPopupMenu::initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const
{
    QMenu::initStyleOption(option, action);
    option->styleObject = const_cast<QAction *>(action);
}

QMenuBar *FormMainMenu(const QWidget *form)
{
    if (auto *window = qobject_cast<const QMainWindow *>(form))
        return qobject_cast<QMenuBar *>(window->menuWidget());
    return form->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
}

int Tag(const QObject *component)
{
    return component->property(TagProperty).toInt();
}

void SetTag(QObject *component, int tag)
{
    component->setProperty(TagProperty, tag);
}

namespace MenuItem {

int ImageIndex(const QAction *item)
{
    const QVariant index = item->property(ImageIndexProperty);
    return index.isValid() ? index.toInt() : -1;
}

void SetImageIndex(QAction *item, int index)
{
    item->setProperty(ImageIndexProperty, index);
}

QImage Bitmap(const QAction *item)
{
    const QVariant bitmap = item->property(BitmapProperty);
    if (bitmap.userType() == QMetaType::QPixmap)
        return bitmap.value<QPixmap>().toImage();
    return bitmap.value<QImage>();
}

void SetBitmap(QAction *item, const QImage &bitmap)
{
    item->setProperty(BitmapProperty, bitmap);
}

bool IsSeparator(const QAction *item)
{
    return item->isSeparator() || item->text() == QStringLiteral("-");
}

bool IsRadioItem(const QAction *item)
{
    return item->actionGroup() && item->actionGroup()->exclusionPolicy() != QActionGroup::ExclusionPolicy::None;
}

QWidget *Parent(const QAction *item)
{
    for (QObject *object : item->associatedObjects()) {
        if (IsMenuWidget(object))
            return static_cast<QWidget *>(object);
    }
    return nullptr;
}

QWidget *Menu(const QAction *item)
{
    QWidget *menu = Parent(item);
    while (auto *dropDown = qobject_cast<QMenu *>(menu)) {
        QWidget *above = Parent(dropDown->menuAction());
        if (!above)
            break;
        menu = above;
    }
    return menu;
}

const QList<QPixmap> *Images(const QWidget *menu)
{
    if (auto *mainMenu = qobject_cast<const TMainMenu *>(menu))
        return mainMenu->Images();
    if (auto *popup = qobject_cast<const TPopupMenu *>(menu))
        return popup->Images();
    return nullptr;
}

QList<QAction *> SubItems(const QAction *item)
{
    return item->menu() ? item->menu()->actions() : QList<QAction *>();
}

QAction *FromOption(const QStyleOptionMenuItem *option)
{
    return option ? qobject_cast<QAction *>(option->styleObject) : nullptr;
}

} // namespace MenuItem

MenuItemEvents &MenuItemEvents::Of(QAction *item)
{
    if (auto *events = item->findChild<MenuItemEvents *>(QString(), Qt::FindDirectChildrenOnly))
        return *events;
    return *new MenuItemEvents(item);
}

const MenuItemEvents *MenuItemEvents::Find(const QAction *item)
{
    return item->findChild<MenuItemEvents *>(QString(), Qt::FindDirectChildrenOnly);
}
