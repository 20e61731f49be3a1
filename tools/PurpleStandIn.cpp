#include "PurpleStandIn.h"

#include <QDBusMessage>
#include <QMutexLocker>
#include <algorithm>

const QString PurpleStandIn::Service = QStringLiteral("im.pidgin.purple.PurpleService");
const QString PurpleStandIn::Path = QStringLiteral("/im/pidgin/purple/PurpleObject");

namespace {
constexpr int SavedStatusHandle = 7;
constexpr int FirstAccountHandle = 1001;
constexpr int FirstBuddyHandle = 5001;
} // namespace

PurpleStandIn::PurpleStandIn(QObject *parent)
    : QObject(parent)
    , m_connection(QString())
{
}

void PurpleStandIn::SetAccounts(const QList<StandInAccount> &accounts, qint32 savedStatusType)
{
    const QMutexLocker lock(&m_mutex);
    m_accountOrder.clear();
    m_accounts.clear();
    m_buddies.clear();
    m_buddiesOfAccount.clear();
    int buddyHandle = FirstBuddyHandle;
    for (int i = 0; i < accounts.size(); ++i) {
        const int account = FirstAccountHandle + i;
        m_accountOrder << account;
        m_accounts.insert(account, accounts.at(i));
        for (const StandInBuddy &buddy : accounts.at(i).buddies) {
            m_buddiesOfAccount[account] << buddyHandle;
            m_buddies.insert(buddyHandle++, buddy);
        }
    }
    m_savedStatusType = savedStatusType;
}

void PurpleStandIn::SetFault(const Fault &fault)
{
    const QMutexLocker lock(&m_mutex);
    m_faults << fault;
}

QStringList PurpleStandIn::Calls() const
{
    const QMutexLocker lock(&m_mutex);
    return m_calls;
}

QString PurpleStandIn::Publish(const QDBusConnection &connection)
{
    m_connection = connection;
    if (!m_connection.registerObject(Path, this, QDBusConnection::ExportAllSlots))
        return QStringLiteral("the object path %1 is taken").arg(Path);
    if (!m_connection.registerService(Service))
        return m_connection.lastError().message();
    return QString();
}

void PurpleStandIn::Withdraw()
{
    m_connection.unregisterService(Service);
    m_connection.unregisterObject(Path);
}

bool PurpleStandIn::CallBehaves(const QString &method)
{
    Fault fault;
    {
        const QMutexLocker lock(&m_mutex);
        m_calls << method;
        const int occurrence = ++m_callCounts[method];
        const auto found = std::find_if(m_faults.cbegin(), m_faults.cend(), [&](const Fault &candidate) {
            return candidate.method == method && candidate.occurrence == occurrence;
        });
        if (found == m_faults.cend())
            return true;
        fault = *found;
    }
    return Misbehave(fault);
}

bool PurpleStandIn::Misbehave(const Fault &fault)
{
    switch (fault.misbehaviour) {
    case Misbehaviour::ErrorReply:
        sendErrorReply(fault.errorName, fault.errorText);
        break;
    case Misbehaviour::WrongType:
        setDelayedReply(true);
        connection().send(message().createReply(QVariant(1.5)));
        break;
    case Misbehaviour::Vanish:
        // Gone from the bus like a messenger that quit: this call gets the no-reply error the
        // bus gives then, and every later call finds no one.
        setDelayedReply(true);
        Withdraw();
        connection().send(message().createErrorReply(QDBusError::NoReply,
                                                     QStringLiteral("The messenger quit before it answered")));
        break;
    case Misbehaviour::NoAnswer:
        setDelayedReply(true);
        break;
    }
    return false;
}

namespace {
struct UnknownHandle {
    int handle;
};
} // namespace

const StandInAccount &PurpleStandIn::Account(int handle) const
{
    const auto found = m_accounts.constFind(handle);
    if (found == m_accounts.cend())
        throw UnknownHandle{handle};
    return *found;
}

const StandInBuddy &PurpleStandIn::Buddy(int handle) const
{
    const auto found = m_buddies.constFind(handle);
    if (found == m_buddies.cend())
        throw UnknownHandle{handle};
    return *found;
}

template <typename Result, typename Read>
Result PurpleStandIn::Answer(const QString &method, Read read)
{
    if (!CallBehaves(method))
        return Result();
    const QMutexLocker lock(&m_mutex);
    try {
        return read();
    } catch (const UnknownHandle &unknown) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("Invalid handle %1").arg(unknown.handle));
        return Result();
    }
}

QList<int> PurpleStandIn::PurpleAccountsGetAllActive()
{
    return Answer<QList<int>>(QStringLiteral("PurpleAccountsGetAllActive"), [&] { return m_accountOrder; });
}

int PurpleStandIn::PurpleAccountIsConnected(int account)
{
    return Answer<int>(QStringLiteral("PurpleAccountIsConnected"), [&] { return int(Account(account).connected); });
}

int PurpleStandIn::PurpleAccountIsConnecting(int account)
{
    return Answer<int>(QStringLiteral("PurpleAccountIsConnecting"), [&] { return int(Account(account).connecting); });
}

int PurpleStandIn::PurpleSavedstatusGetCurrent()
{
    return Answer<int>(QStringLiteral("PurpleSavedstatusGetCurrent"), [] { return SavedStatusHandle; });
}

int PurpleStandIn::PurpleSavedstatusGetType(int savedStatus)
{
    return Answer<int>(QStringLiteral("PurpleSavedstatusGetType"), [&] {
        if (savedStatus != SavedStatusHandle)
            throw UnknownHandle{savedStatus};
        return m_savedStatusType;
    });
}

// An empty name finds every buddy of the account, a name only the buddies of that name.
QList<int> PurpleStandIn::PurpleFindBuddies(int account, const QString &name)
{
    return Answer<QList<int>>(QStringLiteral("PurpleFindBuddies"), [&] {
        Account(account);
        QList<int> found;
        for (const int buddy : m_buddiesOfAccount.value(account)) {
            if (name.isEmpty() || Buddy(buddy).name == name)
                found << buddy;
        }
        return found;
    });
}

QString PurpleStandIn::PurpleBuddyGetAlias(int buddy)
{
    return Answer<QString>(QStringLiteral("PurpleBuddyGetAlias"), [&] { return Buddy(buddy).alias; });
}

QString PurpleStandIn::PurpleBuddyGetName(int buddy)
{
    return Answer<QString>(QStringLiteral("PurpleBuddyGetName"), [&] { return Buddy(buddy).name; });
}
