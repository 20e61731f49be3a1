#pragma once

#include "import/MessengerAPI_TLB.h"

#include <QList>
#include <QStringList>

// An in-process messenger for tests: a scripted status and contact list, a record of every
// call made on it, and a failure at any chosen call.
struct ScriptedContact {
    QString friendlyName;
    QString signinName;
    QString home;
    QString work;
    QString mobile;
};

class MessengerScript {
public:
    MISTATUS status = MISTATUS_ONLINE;
    QList<ScriptedContact> contacts;

    // The call that fails, as Calls names it, the first time it is made, and its error.
    QString failAt;
    qint32 failCode = MessengerError::Failed;
    QString failText;

    // Every call in order: "Create", "get_MyStatus", "get_MyContacts", "get_Count",
    // "Item(i)", and on contact i "[i].get_FriendlyName", "[i].get_SigninName",
    // "[i].get_PhoneNumber(type)".
    QStringList calls;
    // Objects made and not released yet.
    int alive = 0;

    // Creates a messenger object on this script; the script must outlive it.
    std::unique_ptr<IMessenger> Create();
    // Notes a call and throws when it is the one that fails.
    void Record(const QString &call);
};
