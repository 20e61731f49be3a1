#pragma once

#include <QProxyStyle>

// A menu's owner-draw flag: a menu bar or menu whose style this is has its items measured
// and drawn by their OnMeasureItem and OnDrawItem handlers; items without handlers are
// drawn by the application's style.
class MenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    MenuStyle() = default;

    static bool IsOwnerDrawn(const QWidget *menu);
};
