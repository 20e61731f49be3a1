#include "import/PurpleMessenger.h"
#include "tests/StandInOnBus.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Pidgin's kinds of saved status.
constexpr qint32 Offline = 1, Available = 2, Unavailable = 3, Invisible = 4, Away = 5, ExtendedAway = 6, Mobile = 7;

StandInAccount Account(bool connected, bool connecting, QList<StandInBuddy> buddies = {})
{
    return StandInAccount{connected, connecting, std::move(buddies)};
}

// Each test has a session bus of its own, with the stand-in on it unless a test withdraws it.
class PurpleMessengerTest : public ::testing::Test, protected StandInOnBus {
protected:
    void SetUp() override { ServeStandIn(); }

    // The error text of what fails, or a note that nothing did.
    template <typename Operation>
    static QString FailureOf(Operation operation)
    {
        try {
            operation();
        } catch (const MessengerError &error) {
            EXPECT_LT(error.code(), 0);
            return error.message();
        }
        return QStringLiteral("(no failure)");
    }
};

} // namespace

TEST_F(PurpleMessengerTest, StatusFollowsTheAccountsAndTheChosenSavedStatus)
{
    const struct {
        const char *what;
        QList<StandInAccount> accounts;
        qint32 savedStatus;
        MISTATUS expected;
    } cases[] = {
        {"no account", {}, Available, MISTATUS_OFFLINE},
        {"one offline", {Account(false, false)}, Available, MISTATUS_OFFLINE},
        {"one connecting", {Account(false, true)}, Available, MISTATUS_LOCAL_CONNECTING_TO_SERVER},
        {"offline and connecting", {Account(false, false), Account(false, true)}, Away, MISTATUS_LOCAL_CONNECTING_TO_SERVER},
        {"connecting and connected", {Account(false, true), Account(true, false)}, Unavailable, MISTATUS_BUSY},
        {"available", {Account(true, false)}, Available, MISTATUS_ONLINE},
        {"unavailable", {Account(true, false)}, Unavailable, MISTATUS_BUSY},
        {"invisible", {Account(true, false)}, Invisible, MISTATUS_INVISIBLE},
        {"away", {Account(true, false)}, Away, MISTATUS_AWAY},
        {"extended away", {Account(true, false)}, ExtendedAway, MISTATUS_AWAY},
        {"offline chosen while connected", {Account(true, false)}, Offline, MISTATUS_ONLINE},
        {"mobile", {Account(true, false)}, Mobile, MISTATUS_ONLINE},
        {"unknown kind", {Account(true, false)}, 99, MISTATUS_ONLINE},
    };
    for (const auto &c : cases) {
        Pidgin().SetAccounts(c.accounts, c.savedStatus);
        EXPECT_EQ(CreatePurpleMessenger()->get_MyStatus(), c.expected) << c.what;
    }
}

TEST_F(PurpleMessengerTest, ContactsAreTheBuddiesOfConnectedAccountsInTheirOrder)
{
    Pidgin().SetAccounts({Account(true, false, {{"Ann", "ann@example.com"}, {"Bob", "bob@example.com"}}),
                          Account(false, true, {{"Carl", "carl@example.com"}}),
                          Account(true, false, {{"Dora", "dora@example.com"}})});
    const auto contacts = CreatePurpleMessenger()->get_MyContacts();
    ASSERT_EQ(contacts->get_Count(), 3);
    QStringList seen;
    for (qint32 i = 0; i < 3; ++i) {
        const auto contact = contacts->Item(i);
        seen << contact->get_FriendlyName() + QLatin1Char('/') + contact->get_SigninName();
        for (const MPHONE_TYPE type : {MPHONE_TYPE_HOME, MPHONE_TYPE_WORK, MPHONE_TYPE_MOBILE})
            EXPECT_EQ(contact->get_PhoneNumber(type), QString()) << "Pidgin publishes no numbers";
    }
    EXPECT_EQ(seen, QStringList({"Ann/ann@example.com", "Bob/bob@example.com", "Dora/dora@example.com"}));
    EXPECT_EQ(Pidgin().Calls().filter(QStringLiteral("PurpleFindBuddies")).size(), 2);
    EXPECT_NE(FailureOf([&] { contacts->Item(3); }), QStringLiteral("(no failure)"));
}

TEST_F(PurpleMessengerTest, NamesArriveExactlyAsSent)
{
    const QStringList texts = {
        QStringLiteral("王小明 محمد 😀👨‍👩‍👧"),
        QStringLiteral("O'Brien \"Bob\" %s %1 %%"),
        QStringLiteral("line one\r\nline two\nthree\ttab"),
        QStringLiteral("bell\x07 escape\x1b delete\x7f"),
        QString(10000, QChar(0x263A)),
        QString(),
    };
    QList<StandInBuddy> buddies;
    for (const QString &text : texts)
        buddies << StandInBuddy{text, text + QStringLiteral("@x")};
    Pidgin().SetAccounts({Account(true, false, buddies)});
    const auto contacts = CreatePurpleMessenger()->get_MyContacts();
    ASSERT_EQ(contacts->get_Count(), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        const auto contact = contacts->Item(i);
        EXPECT_EQ(contact->get_FriendlyName(), texts.at(i)) << i;
        EXPECT_EQ(contact->get_SigninName(), texts.at(i) + QStringLiteral("@x")) << i;
    }
}

TEST_F(PurpleMessengerTest, CreationFailsWithTheBusesTextWhileNoMessengerIsThereAndAsksAgainEachTime)
{
    const QDBusConnection observer = QDBusConnection::connectToBus(bus.Address(), QStringLiteral("observer"));
    const auto connectionsOnBus = [&] {
        return observer.interface()->registeredServiceNames().value().filter(QRegularExpression(QStringLiteral("^:"))).size();
    };
    const auto before = connectionsOnBus();
    standIn.reset();
    const QString noPidgin = FailureOf([] { CreatePurpleMessenger(); });
    EXPECT_TRUE(noPidgin.contains(QStringLiteral("im.pidgin.purple.PurpleService"))) << noPidgin.toStdString();

    standIn.emplace(bus.Address());
    EXPECT_EQ(FailureOf([] { CreatePurpleMessenger()->get_MyStatus(); }), QStringLiteral("(no failure)"));
    // The stand-in's own connection is back; the messenger's are gone, also the failed one's.
    EXPECT_TRUE(QTest::qWaitFor([&] { return connectionsOnBus() == before; }));

    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QString socket = QDir::temp().filePath(QStringLiteral("pelmora-no-bus-here"));
    qputenv("DBUS_SESSION_BUS_ADDRESS", QStringLiteral("unix:path=%1").arg(socket).toLocal8Bit());
    const QString noBus = FailureOf([] { CreatePurpleMessenger(); });
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    EXPECT_TRUE(noBus.contains(socket)) << noBus.toStdString();
    QDBusConnection::disconnectFromBus(QStringLiteral("observer"));
}

TEST_F(PurpleMessengerTest, EveryMisbehaviourOfTheMessengerBecomesAFailureWithItsText)
{
    using M = PurpleStandIn::Misbehaviour;
    const struct {
        const char *method;
        M misbehaviour;
        QString errorText;
        QString expected; // the start of the text shown
    } cases[] = {
        {"PurpleAccountsGetAllActive", M::ErrorReply, "Account list unavailable", "Account list unavailable"},
        {"PurpleAccountIsConnected", M::ErrorReply, QString(), "OLE error 80004005"},
        {"PurpleSavedstatusGetType", M::WrongType, QString(), "Unexpected reply signature"},
        {"PurpleFindBuddies", M::WrongType, QString(), "Unexpected reply signature"},
        {"PurpleBuddyGetAlias", M::Vanish, QString(), "The messenger quit before it answered"},
        {"PurpleBuddyGetName", M::NoAnswer, QString(), "Did not receive a reply"},
    };
    for (const auto &c : cases) {
        standIn.emplace(bus.Address());
        Pidgin().SetAccounts({Account(true, false, {{"Ann", "ann@example.com"}})});
        Pidgin().SetFault({QString::fromLatin1(c.method), 1, c.misbehaviour, QStringLiteral("org.example.Failed"), c.errorText});
        const QString failure = FailureOf([] {
            const auto messenger = CreatePurpleMessenger(300);
            messenger->get_MyStatus();
            const auto contact = messenger->get_MyContacts()->Item(0);
            contact->get_FriendlyName();
            contact->get_SigninName();
        });
        EXPECT_TRUE(failure.startsWith(c.expected)) << c.method << ": " << failure.toStdString();
    }
}

TEST_F(PurpleMessengerTest, AMessengerThatLeftOrForgotItsBuddiesFailsEveryLaterCall)
{
    Pidgin().SetAccounts({Account(true, false, {{"Ann", "ann@example.com"}})});
    const auto messenger = CreatePurpleMessenger();
    const auto contact = messenger->get_MyContacts()->Item(0);

    Pidgin().SetAccounts({});
    EXPECT_TRUE(FailureOf([&] { contact->get_FriendlyName(); }).startsWith(QStringLiteral("Invalid handle")));

    standIn.reset();
    const QString gone = FailureOf([&] { messenger->get_MyStatus(); });
    EXPECT_TRUE(gone.contains(QStringLiteral("im.pidgin.purple.PurpleService"))) << gone.toStdString();
}
