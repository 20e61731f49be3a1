#pragma once

#include <QByteArray>
#include <QString>

// A D-Bus session bus of its own for a test or a benchmark: a dbus-daemon started here and
// made the session bus of this process (DBUS_SESSION_BUS_ADDRESS), stopped and the variable
// restored when this ends.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus &) = delete;
    PrivateSessionBus &operator=(const PrivateSessionBus &) = delete;

    bool Started() const { return m_pid > 0; }
    QString Address() const { return m_address; }
    // Why no bus could be started; empty when one was.
    QString Failure() const { return m_failure; }

private:
    qint64 m_pid = 0;
    QString m_address;
    QString m_failure;
    bool m_hadAddress = false;
    QByteArray m_previousAddress;
};
