#include "StandInThread.h"

#include <QDBusConnection>

namespace {
QString NewConnectionName()
{
    static int serial = 0;
    return QStringLiteral("purple-standin-%1").arg(++serial);
}
} // namespace

StandInThread::StandInThread(const QString &busAddress)
    : m_connectionName(NewConnectionName())
{
    m_standIn.moveToThread(&m_thread);
    m_thread.start();
    const QDBusConnection connection = QDBusConnection::connectToBus(busAddress, m_connectionName);
    m_failure = connection.isConnected() ? m_standIn.Publish(connection) : connection.lastError().message();
}

StandInThread::~StandInThread()
{
    m_standIn.Withdraw();
    m_thread.quit();
    m_thread.wait();
    QDBusConnection::disconnectFromBus(m_connectionName);
}
