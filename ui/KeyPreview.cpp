#include "ui/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window, std::function<void(QKeyEvent *)> onKeyDown)
    : QObject(window)
    , m_window(window)
    , m_onKeyDown(std::move(onKeyDown))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    // A key the control ignores travels on to its parents; only its first delivery, to the
    // control that has the focus, counts as the key press.
    if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget()
        && static_cast<QWidget *>(watched)->window() == m_window)
        m_onKeyDown(static_cast<QKeyEvent *>(event));
    return false;
}

bool IsEnterKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}
