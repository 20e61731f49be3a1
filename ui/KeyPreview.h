#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Lets a window see every key pressed in it before the focused control does; the key then
// goes on to the control.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    KeyPreview(QWidget *window, std::function<void(QKeyEvent *)> onKeyDown);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<void(QKeyEvent *)> m_onKeyDown;
};

// True for the Enter key of either the main block or the keypad.
bool IsEnterKey(const QKeyEvent *event);
