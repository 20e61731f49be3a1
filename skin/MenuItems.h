#pragma once

#include <QImage>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <functional>

class QAction;
class SkinCanvas;
struct TRect;

// The menus of a form, as the skin sees them: a menu bar (a main menu) or a popup menu
// holds items (QActions); an item with a drop-down holds the drop-down's items beneath it.
// Menus and items carry Tag as the property "Tag"; an item may carry "ImageIndex" (its
// image in its menu's Images) and "Bitmap" (a picture of its own).

// The image list a menu's items take their images from.
class MenuImageList {
public:
    const QList<QPixmap> *Images() const { return m_images; }
    void SetImages(const QList<QPixmap> *images) { m_images = images; }

private:
    const QList<QPixmap> *m_images = nullptr;
};

// The form's main menu. It tells its style which item each drawing or measuring is for.
class TMainMenu : public QMenuBar, public MenuImageList {
    Q_OBJECT
public:
    using QMenuBar::QMenuBar;
    // A drop-down of this menu whose items the skin can draw.
    QMenu *addMenu(const QString &title);

protected:
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override;
};

// A drop-down of a menu item, or a popup menu of its own.
class TPopupMenu : public QMenu, public MenuImageList {
    Q_OBJECT
public:
    using QMenu::QMenu;
    QMenu *addMenu(const QString &title);

protected:
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override;
};

// The form's main menu (its Menu), or nullptr.
QMenuBar *FormMainMenu(const QWidget *form);

int Tag(const QObject *component);
void SetTag(QObject *component, int tag);

namespace MenuItem {

int ImageIndex(const QAction *item); // -1 when the item has none
void SetImageIndex(QAction *item, int index);
QImage Bitmap(const QAction *item);  // a null image when the item has none
void SetBitmap(QAction *item, const QImage &bitmap);
bool IsSeparator(const QAction *item);
bool IsRadioItem(const QAction *item);
// The menu widget the item stands in (a menu bar or a drop-down), or nullptr.
QWidget *Parent(const QAction *item);
// The menu the item belongs to: the menu bar or popup menu at the top of its tree.
QWidget *Menu(const QAction *item);
// The menu's image list, when it is one of the skin's menus and has one.
const QList<QPixmap> *Images(const QWidget *menu);
// The items beneath an item: those of its drop-down.
QList<QAction *> SubItems(const QAction *item);
// The action a menu's style option is drawn or measured for, when the menu told it.
QAction *FromOption(const QStyleOptionMenuItem *option);

} // namespace MenuItem

// An item's drawing and measuring handlers. The owner names who assigned a handler, so a
// skin can tell its own from an application's.
using TMenuDrawItemEvent = std::function<void(QAction *item, SkinCanvas &canvas, const TRect &rect, bool selected)>;
using TMenuMeasureItemEvent = std::function<void(QAction *item, SkinCanvas &canvas, int &width, int &height)>;

template <typename Event>
struct MenuItemHandler {
    const QObject *Owner = nullptr;
    Event Call;
    explicit operator bool() const { return bool(Call); }
};

// The OnDrawItem and OnMeasureItem of one item, kept as a child of its action.
class MenuItemEvents : public QObject {
    Q_OBJECT
public:
    // The item's handlers, made when asked for the first time.
    static MenuItemEvents &Of(QAction *item);
    // The item's handlers, or nullptr when none were ever set.
    static const MenuItemEvents *Find(const QAction *item);

    MenuItemHandler<TMenuDrawItemEvent> OnDrawItem;
    MenuItemHandler<TMenuMeasureItemEvent> OnMeasureItem;

private:
    using QObject::QObject;
};
