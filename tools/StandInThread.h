#pragma once

#include "PurpleStandIn.h"

#include <QThread>

// A stand-in served from a thread of its own, on a connection of its own, so that the
// blocking calls of the program under test in this process reach it as they would reach
// Pidgin. Publishes on construction; withdraws and stops on destruction.
class StandInThread {
public:
    explicit StandInThread(const QString &busAddress);
    ~StandInThread();
    StandInThread(const StandInThread &) = delete;
    StandInThread &operator=(const StandInThread &) = delete;

    PurpleStandIn &StandIn() { return m_standIn; }
    // Why it could not be published; empty when it was.
    QString Failure() const { return m_failure; }

private:
    QString m_connectionName;
    QThread m_thread;
    PurpleStandIn m_standIn;
    QString m_failure;
};
