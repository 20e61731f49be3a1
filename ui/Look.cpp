#include "ui/Look.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

void SetUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    app.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    app.setPalette(app.style()->standardPalette());
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    app.setFont(font);
}

void CentreOnDesktop(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
