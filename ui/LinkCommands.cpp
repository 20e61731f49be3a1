#include "ui/LinkCommands.h"

#include "store/Shell.h"
#include "store/Uni_Function.h"
#include "ui/ContactFields.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const QString Open = QStringLiteral("open");

bool mustEncode(QChar c)
{
    return c == QLatin1Char('?') || c == QLatin1Char('&') || c == QLatin1Char('#') || c == QLatin1Char('%')
        || c.category() == QChar::Other_Control;
}

} // namespace

bool IsWebAddress(const QString &text)
{
    return TrimControls(text).left(5).toUpper() == QLatin1String("HTTP:");
}

bool IsEmailAddress(const QString &text)
{
    const QString trimmed = TrimControls(text);
    return trimmed.contains(QLatin1Char('@')) || trimmed.contains(QLatin1Char('.'));
}

QString MailtoLink(const QString &address)
{
    QString link = QStringLiteral("mailto:");
    for (const QChar c : address) {
        if (!mustEncode(c)) {
            link += c;
            continue;
        }
        for (const char byte : QString(c).toUtf8())
            link += QLatin1Char('%') + QString::number(uchar(byte), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    return link;
}

bool OpenWebSite(QWidget *owner, const QString &text)
{
    if (!IsWebAddress(text)) {
        ShowInfo(QStringLiteral("Not a valid web address."));
        return false;
    }
    ShellExecute(owner, Open, text, SW_SHOWNORMAL);
    return true;
}

bool SendEmailTo(QWidget *owner, const QString &address)
{
    if (!IsEmailAddress(address)) {
        ShowInfo(QStringLiteral("Not a valid email address."));
        return false;
    }
    ShellExecute(owner, Open, MailtoLink(address), SW_SHOWNORMAL);
    return true;
}

QString HelpFilePath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/Pelmora.chm"));
}

void OpenHelp(QWidget *owner)
{
    ShellExecute(owner, Open, HelpFilePath(), SW_SHOWMAXIMIZED);
}
