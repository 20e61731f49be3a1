#pragma once

#include <QString>
#include <functional>

class QWidget;

// How the opened window should show. The desktop's opener decides for itself; the value is
// kept so that every request says what it asked for.
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMAXIMIZED = 3;

using ShellHandler =
    std::function<void(QWidget *owner, const QString &operation, const QString &file, int showCommand)>;

// An empty handler restores the desktop's opener.
void SetShellHandler(ShellHandler handler);

// Asks the desktop to open file (a web address, a mailto: link, a document) with its own
// program for it. Returns at once: the opener runs on its own, and whether it succeeds is
// the desktop's business, never reported.
void ShellExecute(QWidget *owner, const QString &operation, const QString &file, int showCommand);
