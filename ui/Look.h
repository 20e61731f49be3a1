#pragma once

class QApplication;
class QWidget;

// The application's title, "Pelmora", and the classic look every window is laid out for:
// Qt's Windows style and an 11-pixel sans face whose widths match the labels' places.
void SetUpApplication(QApplication &app);

// Places a top-level window at the centre of the desktop.
void CentreOnDesktop(QWidget *window);
