#pragma once

#include <QImage>
#include <QObject>
#include <QProxyStyle>

// A menu's owner-draw flag: a menu bar or menu whose style this is has its items measured
// and drawn by their OnMeasureItem and OnDrawItem handlers; items without handlers are
// drawn by the application's style. Its menus have the classic geometry: a three-pixel
// border and items from edge to edge.
class MenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    MenuStyle() = default;

    static bool IsOwnerDrawn(const QWidget *menu);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

// What has been drawn on a menu window, kept as its child. Items are drawn into it at their
// own place, so that reading a pixel reads what was drawn there, and drawing around an
// item (the flat frame) lands where it belongs; the window then shows the parts it paints.
class MenuSurface : public QObject {
    Q_OBJECT
public:
    // The window's surface, made or resized to the window as needed; a new one starts with
    // the framework's own menu background and border.
    static MenuSurface &Of(QWidget *window, const QStyle *framework);
    static MenuSurface *Find(const QWidget *window);

    QImage Image;

private:
    using QObject::QObject;
};
