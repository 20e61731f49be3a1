#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QStringList>

// A stand-in for the Pidgin instant messenger's automation interface, for tests, the import
// benchmark and trying the program out: the methods Pelmora calls, with Pidgin's names and
// D-Bus signatures, answered from a scripted set of accounts and buddies. Accounts, buddies
// and the saved status are int32 handles, flags are int32, as Pidgin has them.
struct StandInBuddy {
    QString alias;
    QString name;
};

struct StandInAccount {
    bool connected = true;
    bool connecting = false;
    QList<StandInBuddy> buddies;
};

class PurpleStandIn : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "im.pidgin.purple.PurpleInterface")
public:
    static const QString Service;
    static const QString Path;

    // What one call does instead of answering properly.
    enum class Misbehaviour {
        ErrorReply, // an error reply with the given name and text
        WrongType,  // an answer of a type the method never returns
        Vanish,     // leaves the bus, the call failing with a no-reply error
        NoAnswer,   // keeps the caller waiting, for ever
    };
    struct Fault {
        QString method;
        int occurrence = 1; // the how-many-th call of method misbehaves
        Misbehaviour misbehaviour = Misbehaviour::ErrorReply;
        QString errorName = QStringLiteral("org.freedesktop.DBus.Error.Failed");
        QString errorText;
    };

    explicit PurpleStandIn(QObject *parent = nullptr);

    // Pidgin's kinds of saved status: 2 available, 3 unavailable, 4 invisible, 5 away,
    // 6 extended away.
    void SetAccounts(const QList<StandInAccount> &accounts, qint32 savedStatusType = 2);
    void SetFault(const Fault &fault);
    // Every method called so far, by name, in order.
    QStringList Calls() const;

    // Exports the object and takes the service name on connection. Returns the bus's error
    // text, empty on success.
    QString Publish(const QDBusConnection &connection);
    // Gives the service name and the object up again.
    void Withdraw();

public slots:
    QList<int> PurpleAccountsGetAllActive();
    int PurpleAccountIsConnected(int account);
    int PurpleAccountIsConnecting(int account);
    int PurpleSavedstatusGetCurrent();
    int PurpleSavedstatusGetType(int savedStatus);
    QList<int> PurpleFindBuddies(int account, const QString &name);
    QString PurpleBuddyGetAlias(int buddy);
    QString PurpleBuddyGetName(int buddy);

private:
    // Notes the call; false when it has been answered otherwise and its result is not sent.
    bool CallBehaves(const QString &method);
    bool Misbehave(const Fault &fault);
    // Answers a call: notes it, misbehaves where a fault says so, refuses a handle it does
    // not know, and otherwise returns what read gives.
    template <typename Result, typename Read>
    Result Answer(const QString &method, Read read);
    // Throw for a handle that names nothing.
    const StandInAccount &Account(int handle) const;
    const StandInBuddy &Buddy(int handle) const;

    mutable QMutex m_mutex;
    QDBusConnection m_connection;
    QList<int> m_accountOrder;
    QMap<int, StandInAccount> m_accounts;
    QMap<int, StandInBuddy> m_buddies;
    QMap<int, QList<int>> m_buddiesOfAccount;
    qint32 m_savedStatusType = 2;
    QList<Fault> m_faults;
    QStringList m_calls;
    QHash<QString, int> m_callCounts;
};
