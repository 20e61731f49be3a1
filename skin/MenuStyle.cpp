#include "skin/MenuStyle.h"

#include <QWidget>

bool MenuStyle::IsOwnerDrawn(const QWidget *menu)
{
    return qobject_cast<const MenuStyle *>(menu->style()) != nullptr;
}
