#pragma once

#include "store/Errors.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

// The messenger's automation interface, as far as the program uses it: the signed-in
// user's status and contact list, read only. Every operation either returns its result or
// throws MessengerError.

// The signed-in user's status. Any 32-bit value may arrive; these are the published ones.
enum MISTATUS : qint32 {
    MISTATUS_UNKNOWN = 0,
    MISTATUS_OFFLINE = 1,
    MISTATUS_ONLINE = 2,
    MISTATUS_INVISIBLE = 6,
    MISTATUS_BUSY = 10,
    MISTATUS_BE_RIGHT_BACK = 14,
    MISTATUS_IDLE = 18,
    MISTATUS_AWAY = 34,
    MISTATUS_ON_THE_PHONE = 50,
    MISTATUS_OUT_TO_LUNCH = 66,
    MISTATUS_LOCAL_FINDING_SERVER = 256,
    MISTATUS_LOCAL_CONNECTING_TO_SERVER = 512,
    MISTATUS_LOCAL_SYNCHRONIZING_WITH_SERVER = 768,
    MISTATUS_LOCAL_DISCONNECTING_FROM_SERVER = 1024,
};

enum MPHONE_TYPE : qint32 {
    MPHONE_TYPE_HOME = 0,
    MPHONE_TYPE_WORK = 1,
    MPHONE_TYPE_MOBILE = 2,
};

// A failed messenger operation: a negative 32-bit code and the text the messenger gave,
// which may be empty. The user is shown the text, or the code when there is none.
class MessengerError : public PelmoraError {
public:
    // The codes this program's providers report.
    static constexpr qint32 Failed = qint32(0x80004005);
    static constexpr qint32 ServerUnavailable = qint32(0x80080005);

    MessengerError(qint32 code, const QString &text);
    qint32 code() const { return m_code; }
    QString text() const { return m_text; }

private:
    qint32 m_code;
    QString m_text;
};

class IMessengerContact {
public:
    virtual ~IMessengerContact() = default;
    virtual QString get_FriendlyName() = 0;
    virtual QString get_SigninName() = 0;
    // Empty text when the contact has no number of that type.
    virtual QString get_PhoneNumber(MPHONE_TYPE type) = 0;
};

class IMessengerContacts {
public:
    virtual ~IMessengerContacts() = default;
    virtual qint32 get_Count() = 0;
    // index runs from 0 to get_Count() - 1.
    virtual std::unique_ptr<IMessengerContact> Item(qint32 index) = 0;
};

class IMessenger {
public:
    virtual ~IMessenger() = default;
    virtual MISTATUS get_MyStatus() = 0;
    virtual std::unique_ptr<IMessengerContacts> get_MyContacts() = 0;
};

namespace CoMessenger {
// A new messenger object on every call; nothing is cached. Throws MessengerError when no
// messenger can be reached.
std::unique_ptr<IMessenger> Create();
} // namespace CoMessenger

// What Create() calls. Tests hand in their own provider; an empty factory restores the
// real one, the Pidgin messenger on the session bus.
using MessengerFactory = std::function<std::unique_ptr<IMessenger>()>;
void SetMessengerFactory(MessengerFactory factory);
