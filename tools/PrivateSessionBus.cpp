#include "PrivateSessionBus.h"

#include <QProcess>
#include <csignal>
#include <sys/types.h>

namespace {
const char *const AddressVariable = "DBUS_SESSION_BUS_ADDRESS";
}

PrivateSessionBus::PrivateSessionBus()
{
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--session"), QStringLiteral("--print-address=1"), QStringLiteral("--print-pid=1"),
                  QStringLiteral("--fork")});
    if (!daemon.waitForFinished(10000) || daemon.exitStatus() != QProcess::NormalExit || daemon.exitCode() != 0) {
        const QString why = daemon.errorString() + QLatin1Char(' ') + QString::fromLocal8Bit(daemon.readAllStandardError());
        m_failure = QStringLiteral("dbus-daemon could not be started: ") + why.trimmed();
        return;
    }
    // It prints its address, then the process id of the daemon it left running.
    const QList<QByteArray> lines = daemon.readAllStandardOutput().trimmed().split('\n');
    const qint64 pid = lines.size() == 2 ? lines.at(1).trimmed().toLongLong() : 0;
    if (pid <= 0) {
        m_failure = QStringLiteral("dbus-daemon printed no address and process id");
        return;
    }
    m_pid = pid;
    m_address = QString::fromLocal8Bit(lines.at(0).trimmed());
    m_hadAddress = qEnvironmentVariableIsSet(AddressVariable);
    m_previousAddress = qgetenv(AddressVariable);
    qputenv(AddressVariable, m_address.toLocal8Bit());
}

PrivateSessionBus::~PrivateSessionBus()
{
    if (!Started())
        return;
    ::kill(pid_t(m_pid), SIGTERM);
    if (m_hadAddress)
        qputenv(AddressVariable, m_previousAddress);
    else
        qunsetenv(AddressVariable);
}
