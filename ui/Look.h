#pragma once

class QApplication;
class QWidget;

// The classic look every window is laid out for: Qt's Windows style and an 11-pixel sans
// face whose widths match the labels' places.
void ApplyClassicLook(QApplication &app);

// Places a top-level window at the centre of the desktop.
void CentreOnDesktop(QWidget *window);
