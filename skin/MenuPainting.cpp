// Measuring and drawing menu items: the items' OnMeasureItem and OnDrawItem handlers.
#include "skin/FlatSkin.h"

#include "skin/MenuItems.h"

#include <QAction>
#include <QKeySequence>

namespace {

QString ShortcutText(const QAction *item)
{
    return item->shortcut().toString(QKeySequence::NativeText).trimmed();
}

} // namespace

// A top-level item of the form's main menu, known by its parent's name as the form knows it.
bool TFlatSkin::IsFormBarItem(const QAction *item) const
{
    const QMenuBar *formMenu = FormMainMenu(m_ownerForm);
    const QWidget *parent = MenuItem::Parent(item);
    if (!formMenu || !parent)
        return false;
    return parent == formMenu || (!parent->objectName().isEmpty() && parent->objectName() == formMenu->objectName());
}

QSize TFlatSkin::GetItemImageSize(const QAction *item) const
{
    const bool formBarItem = IsFormBarItem(item);
    const int imageIndex = MenuItem::ImageIndex(item);
    const QList<QPixmap> *images = formBarItem ? MenuItem::Images(FormMainMenu(m_ownerForm)) : nullptr;
    bool useList = images && imageIndex != -1;
    if (const QList<QPixmap> *ownImages = MenuItem::Images(MenuItem::Menu(item))) {
        images = ownImages;
        useList = imageIndex != -1;
    }
    QSize size(0, 0);
    if (useList && !images->isEmpty())
        size = images->value(imageIndex, images->first()).size();
    else if (!useList && MenuItem::Bitmap(item).width() > 0)
        size = MenuItem::Bitmap(item).size();
    if (!formBarItem)
        size.setWidth(std::max(size.width(), m_iconWidth));
    return size;
}

// Bar items get the 8 extra pixels the classic desktop adds to them on its NT family.
void TFlatSkin::SkinMeasureItem(QAction *item, SkinCanvas &canvas, int &width, int &height)
{
    if (!m_active)
        return;
    const bool separator = MenuItem::IsSeparator(item);
    QString text = separator ? QString() : item->text();
    const QString shortcut = ShortcutText(item);
    if (!shortcut.isEmpty())
        text += shortcut + QStringLiteral("WWW");
    canvas.Font = m_font;
    int w = canvas.TextWidth(text) + 5;
    if (text.contains(QLatin1Char('&')))
        w -= canvas.TextWidth(QStringLiteral("&"));
    const QSize image = GetItemImageSize(item);
    if (image.width() > 0)
        w += image.width();
    if (IsFormBarItem(item))
        w += 8;
    width = std::max(width, w);
    if (separator) {
        height = 4;
        return;
    }
    const int textHeight = canvas.TextHeight(text);
    const int itemHeight = std::max(textHeight + RoundHalfEven(textHeight * 75LL, 100), image.height() + 6);
    height = std::max(height, itemHeight);
}

void TFlatSkin::SkinDrawItem(QAction *item, SkinCanvas &canvas, const TRect &, bool)
{
    if (!m_active)
        return;
    RefreshPalette(canvas);
    RehookMenuLevel(item);
}
