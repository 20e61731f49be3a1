#include "store/ErrorReport.h"

#include "store/Errors.h"
#include "store/MessageBoxes.h"

#include <QCoreApplication>
#include <exception>

QString WithFullStop(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorReport(const QString &message)
{
    ShowMessageBox(BoxKind::ErrorReport, QCoreApplication::applicationName(), WithFullStop(message));
}

void RunGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const PelmoraError &error) {
        ShowErrorReport(error.message());
    } catch (const std::exception &error) {
        ShowErrorReport(QString::fromLocal8Bit(error.what()));
    }
}
