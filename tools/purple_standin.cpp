// purple-standin [--offline | --connecting] [--status available|busy|invisible|away]
//                [--buddies N] [--buddy ALIAS NAME]...
// Stands in for the Pidgin instant messenger on the session bus, so that Pelmora's import can
// be tried where Pidgin is not running. Without buddies given it offers three samples. Runs
// until it is ended.
#include "PurpleStandIn.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QHash>
#include <iostream>

namespace {

int Usage()
{
    std::cerr << "usage: purple-standin [--offline | --connecting] [--status available|busy|invisible|away]\n"
                 "                      [--buddies N] [--buddy ALIAS NAME]...\n";
    return 2;
}

QList<StandInBuddy> Samples()
{
    return {{QStringLiteral("Ann O'Neill"), QStringLiteral("ann@example.com")},
            {QStringLiteral("王小明"), QStringLiteral("xiaoming@example.com")},
            {QStringLiteral("سارة 😀"), QStringLiteral("sara@example.com")}};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QHash<QString, qint32> statuses = {{QStringLiteral("available"), 2}, {QStringLiteral("busy"), 3},
                                             {QStringLiteral("invisible"), 4}, {QStringLiteral("away"), 5}};
    StandInAccount account;
    qint32 status = 2;
    const QStringList arguments = app.arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--offline")) {
            account.connected = false;
        } else if (argument == QLatin1String("--connecting")) {
            account.connected = false;
            account.connecting = true;
        } else if (argument == QLatin1String("--status") && hasValue && statuses.contains(arguments.at(i + 1))) {
            status = statuses.value(arguments.at(++i));
        } else if (argument == QLatin1String("--buddies") && hasValue) {
            const int count = arguments.at(++i).toInt();
            for (int n = 1; n <= count; ++n)
                account.buddies << StandInBuddy{QStringLiteral("Buddy %1").arg(n), QStringLiteral("buddy%1@example.com").arg(n)};
        } else if (argument == QLatin1String("--buddy") && i + 2 < arguments.size()) {
            account.buddies << StandInBuddy{arguments.at(i + 1), arguments.at(i + 2)};
            i += 2;
        } else {
            return Usage();
        }
    }
    if (account.buddies.isEmpty())
        account.buddies = Samples();

    PurpleStandIn standIn;
    standIn.SetAccounts({account}, status);
    const QString failure = standIn.Publish(QDBusConnection::sessionBus());
    if (!failure.isEmpty()) {
        std::cerr << "purple-standin: " << failure.toStdString() << '\n';
        return 1;
    }
    std::cout << "purple-standin: " << account.buddies.size() << " buddies on "
              << qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS").toStdString() << std::endl;
    return app.exec();
}
