#include "store/Shell.h"

#include <QProcess>

namespace {

ShellHandler &handler()
{
    static ShellHandler current;
    return current;
}

// The text goes to the opener as its one argument, with no shell in between, so that no
// character of it is ever read as a command, a second argument or an option.
void openOnDesktop(QWidget *, const QString &, const QString &file, int)
{
    QProcess::startDetached(QStringLiteral("xdg-open"), {file});
}

} // namespace

void SetShellHandler(ShellHandler next)
{
    handler() = std::move(next);
}

void ShellExecute(QWidget *owner, const QString &operation, const QString &file, int showCommand)
{
    if (handler())
        handler()(owner, operation, file, showCommand);
    else
        openOnDesktop(owner, operation, file, showCommand);
}
