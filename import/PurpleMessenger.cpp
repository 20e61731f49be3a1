#include "import/PurpleMessenger.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusReply>
#include <QList>
#include <QVariantList>

namespace {

const QString PurpleService = QStringLiteral("im.pidgin.purple.PurpleService");
const QString PurpleObject = QStringLiteral("/im/pidgin/purple/PurpleObject");
const QString PurpleInterface = QStringLiteral("im.pidgin.purple.PurpleInterface");

// Pidgin's kinds of saved status.
enum PurpleStatusPrimitive : qint32 { Unavailable = 3, Invisible = 4, Away = 5, ExtendedAway = 6 };

// Every account, buddy and saved status is an int32 handle, every flag an int32.
using Handle = qint32;
using Handles = QList<qint32>;

// The address is read at each connection, not once per process as libdbus does for its
// standard session connection, so that a bus that appeared or moved since is found.
QDBusConnection ConnectSessionBus(const QString &name)
{
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    return address.isEmpty() ? QDBusConnection::connectToBus(QDBusConnection::SessionBus, name)
                             : QDBusConnection::connectToBus(address, name);
}

// The name Qt keeps a connection under, given up when this ends: also when the messenger
// object is not made after all, so that no failed attempt leaves a connection open.
class ConnectionName {
public:
    ConnectionName()
    {
        static int serial = 0;
        m_name = QStringLiteral("pelmora-messenger-%1").arg(++serial);
    }
    ConnectionName(const ConnectionName &) = delete;
    ConnectionName &operator=(const ConnectionName &) = delete;
    ~ConnectionName() { QDBusConnection::disconnectFromBus(m_name); }
    const QString &Text() const { return m_name; }

private:
    QString m_name;
};

// One connection to the session bus, shared by a messenger object and everything taken
// from it, and closed when the last of them is released.
class PurpleBus {
public:
    PurpleBus(const PurpleBus &) = delete;
    PurpleBus &operator=(const PurpleBus &) = delete;

    // Throws MessengerError with the bus's text when there is no bus or no Pidgin on it.
    explicit PurpleBus(int timeoutMs)
        : m_connection(ConnectSessionBus(m_name.Text()))
        , m_timeout(timeoutMs)
    {
        if (!m_connection.isConnected())
            throw MessengerError(MessengerError::ServerUnavailable, m_connection.lastError().message());
        QDBusMessage ask = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetNameOwner"));
        ask << PurpleService;
        const QDBusReply<QString> owner = m_connection.call(ask, QDBus::Block, m_timeout);
        if (!owner.isValid())
            throw MessengerError(MessengerError::ServerUnavailable, owner.error().message());
    }

    // Any error reply, a timeout or an answer of another type throws the bus's text.
    template <typename Result>
    Result Call(const QString &method, const QVariantList &arguments = {}) const
    {
        QDBusMessage call = QDBusMessage::createMethodCall(PurpleService, PurpleObject, PurpleInterface, method);
        call.setArguments(arguments);
        const QDBusReply<Result> reply = m_connection.call(call, QDBus::Block, m_timeout);
        if (!reply.isValid())
            throw MessengerError(MessengerError::Failed, reply.error().message());
        return reply.value();
    }

    Handles ConnectedAccounts() const
    {
        Handles connected;
        for (const Handle account : Call<Handles>(QStringLiteral("PurpleAccountsGetAllActive"))) {
            if (IsConnected(account))
                connected << account;
        }
        return connected;
    }

    bool IsConnected(Handle account) const
    {
        return Call<qint32>(QStringLiteral("PurpleAccountIsConnected"), {account}) != 0;
    }

private:
    ConnectionName m_name; // first: it outlives the connection
    QDBusConnection m_connection;
    int m_timeout;
};

using Bus = std::shared_ptr<const PurpleBus>;

class PurpleBuddy : public IMessengerContact {
public:
    PurpleBuddy(Bus bus, Handle buddy)
        : m_bus(std::move(bus))
        , m_buddy(buddy)
    {
    }
    QString get_FriendlyName() override { return m_bus->Call<QString>(QStringLiteral("PurpleBuddyGetAlias"), {m_buddy}); }
    QString get_SigninName() override { return m_bus->Call<QString>(QStringLiteral("PurpleBuddyGetName"), {m_buddy}); }
    // Pidgin publishes no telephone numbers.
    QString get_PhoneNumber(MPHONE_TYPE) override { return QString(); }

private:
    Bus m_bus;
    Handle m_buddy;
};

// The buddies of every connected account, in the order Pidgin lists them.
class PurpleBuddyList : public IMessengerContacts {
public:
    PurpleBuddyList(Bus bus, Handles buddies)
        : m_bus(std::move(bus))
        , m_buddies(std::move(buddies))
    {
    }
    qint32 get_Count() override { return qint32(m_buddies.size()); }
    std::unique_ptr<IMessengerContact> Item(qint32 index) override
    {
        if (index < 0 || index >= m_buddies.size())
            throw MessengerError(MessengerError::Failed, QStringLiteral("No contact at index %1").arg(index));
        return std::make_unique<PurpleBuddy>(m_bus, m_buddies.at(index));
    }

private:
    Bus m_bus;
    Handles m_buddies;
};

class PurpleMessenger : public IMessenger {
public:
    explicit PurpleMessenger(int callTimeoutMs)
        : m_bus(std::make_shared<const PurpleBus>(callTimeoutMs))
    {
    }

    // Signed in as soon as one account is connected; then the status the user chose.
    MISTATUS get_MyStatus() override
    {
        bool connecting = false;
        for (const Handle account : m_bus->Call<Handles>(QStringLiteral("PurpleAccountsGetAllActive"))) {
            if (m_bus->IsConnected(account))
                return ChosenStatus();
            connecting = connecting || m_bus->Call<qint32>(QStringLiteral("PurpleAccountIsConnecting"), {account}) != 0;
        }
        return connecting ? MISTATUS_LOCAL_CONNECTING_TO_SERVER : MISTATUS_OFFLINE;
    }

    std::unique_ptr<IMessengerContacts> get_MyContacts() override
    {
        Handles buddies;
        for (const Handle account : m_bus->ConnectedAccounts()) // an empty name finds every buddy
            buddies += m_bus->Call<Handles>(QStringLiteral("PurpleFindBuddies"), {account, QString()});
        return std::make_unique<PurpleBuddyList>(m_bus, buddies);
    }

private:
    MISTATUS ChosenStatus() const
    {
        const auto saved = m_bus->Call<Handle>(QStringLiteral("PurpleSavedstatusGetCurrent"));
        switch (m_bus->Call<qint32>(QStringLiteral("PurpleSavedstatusGetType"), {saved})) {
        case Unavailable:
            return MISTATUS_BUSY;
        case Invisible:
            return MISTATUS_INVISIBLE;
        case Away:
        case ExtendedAway:
            return MISTATUS_AWAY;
        default:
            return MISTATUS_ONLINE;
        }
    }

    Bus m_bus;
};

} // namespace

std::unique_ptr<IMessenger> CreatePurpleMessenger(int callTimeoutMs)
{
    return std::make_unique<PurpleMessenger>(callTimeoutMs);
}
