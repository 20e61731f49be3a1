#pragma once

class QApplication;

// The program entry after the application object exists: the single-instance test, the
// data module and the main window, then the message loop. Always ends with 0.
int RunPelmora(QApplication &app);
