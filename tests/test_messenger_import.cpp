#include "import/ScriptedMessenger.h"
#include "store/Uni_DM.h"
#include "tests/Fixtures.h"
#include "tests/MainWindowFixture.h"
#include "tests/StandInOnBus.h"
#include "ui/main/CodeListBox.h"
#include "ui/main/StatusBar.h"
#include "ui/main/Uni_Main.h"

#include <QAction>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString NotSignedIn = QStringLiteral("Please logged on to MSN Messenger.");

// The gate's status reads: a new object for each, in order.
QStringList StatusReads(int count)
{
    QStringList calls;
    for (int i = 0; i < count; ++i)
        calls << QStringLiteral("Create") << QStringLiteral("get_MyStatus");
    return calls;
}

const QStringList ListReads = {QStringLiteral("Create"), QStringLiteral("get_MyContacts"), QStringLiteral("get_Count")};

class ImportWindowTest : public MainWindowFixture {
protected:
    ~ImportWindowTest() override { SetMessengerFactory({}); }

    void Import() { Find<QAction>("exportmsncontact1")->trigger(); }
    // The column values of every row, in the order stored.
    QStringList Column(const char *column) const
    {
        QStringList values;
        for (const Row &row : folder.Rows())
            values << row.value(QString::fromLatin1(column));
        return values;
    }
};

// The messenger is the in-process one, its script set by each test.
class MessengerImportTest : public ImportWindowTest {
protected:
    MessengerImportTest()
    {
        SetMessengerFactory([this] { return script.Create(); });
    }
    void SetContacts(const QList<ScriptedContact> &contacts) { script.contacts = contacts; }

    MessengerScript script;
};

// The messenger is the real one, the Pidgin provider, reaching the stand-in on a session
// bus of the test's own.
class SessionBusImportTest : public ImportWindowTest, protected StandInOnBus {
protected:
    void SetUp() override
    {
        ServeStandIn();
        if (!IsSkipped() && !HasFatalFailure())
            Open();
    }
};

const QString NoPidgin = QStringLiteral("Could not get owner of name 'im.pidgin.purple.PurpleService': no such name.");

} // namespace

TEST_F(MessengerImportTest, EveryStateWithoutASignedInUserIsRefusedAndNothingChanges)
{
    folder.Insert({Contact(QStringLiteral("K1"), QStringLiteral("Ann"))});
    Open();
    folder.Insert({Contact(QStringLiteral("K2"), QStringLiteral("Bob"))}); // shows only after a reload
    SetContacts({{QStringLiteral("Carl"), QStringLiteral("carl@example.com"), {}, {}, {}}});
    const MISTATUS refused[] = {MISTATUS_OFFLINE, MISTATUS_LOCAL_FINDING_SERVER, MISTATUS_LOCAL_CONNECTING_TO_SERVER,
                                MISTATUS_LOCAL_SYNCHRONIZING_WITH_SERVER, MISTATUS_LOCAL_DISCONNECTING_FROM_SERVER};
    for (int position = 1; position <= 5; ++position) {
        script.status = refused[position - 1];
        script.calls.clear();
        boxes.boxes.clear();
        Import();
        ASSERT_EQ(boxes.boxes.size(), 1) << script.status;
        EXPECT_EQ(boxes.boxes.first().kind, BoxKind::Info);
        EXPECT_EQ(boxes.boxes.first().caption, QStringLiteral("Information"));
        EXPECT_EQ(boxes.boxes.first().text, NotSignedIn);
        EXPECT_EQ(script.calls, StatusReads(position)) << "the gate stops at its first match";
        EXPECT_EQ(script.alive, 0);
    }
    EXPECT_EQ(Column("contactname"), QStringList({QStringLiteral("Ann"), QStringLiteral("Bob")}));
    EXPECT_EQ(ListedNames(), QStringList({QStringLiteral("Ann")})) << "the list is not reloaded";
}

TEST_F(MessengerImportTest, UnknownAndPresenceStatesPassWithAnEmptyListReloadedAndItsFirstEntryShown)
{
    Open();
    folder.Insert({Contact(QStringLiteral("K2"), QStringLiteral("Bob")), Contact(QStringLiteral("K1"), QStringLiteral("Ann"))});
    const qint32 passing[] = {MISTATUS_UNKNOWN, MISTATUS_ONLINE, MISTATUS_INVISIBLE, MISTATUS_BUSY, MISTATUS_BE_RIGHT_BACK,
                              MISTATUS_IDLE, MISTATUS_AWAY, MISTATUS_ON_THE_PHONE, MISTATUS_OUT_TO_LUNCH, 3, 257, -1};
    for (const qint32 status : passing) {
        script.status = MISTATUS(status);
        script.calls.clear();
        List()->SetItemIndex(-1);
        Import();
        EXPECT_EQ(script.calls, StatusReads(5) + ListReads) << status;
        EXPECT_TRUE(boxes.boxes.isEmpty()) << status;
        EXPECT_EQ(ListedNames(), QStringList({QStringLiteral("Ann"), QStringLiteral("Bob")})) << status;
        EXPECT_EQ(List()->ItemIndex(), 0) << status;
        EXPECT_EQ(Panel(Tfrm_Main::PanelName), QStringLiteral("Ann")) << status;
        EXPECT_EQ(script.alive, 0);
    }
    EXPECT_EQ(folder.Rows().size(), 2);
}

TEST_F(MessengerImportTest, EachContactBecomesOneRowInIndexOrder)
{
    Open();
    SetContacts({{QStringLiteral("Zoe"), QStringLiteral("zoe@example.com"), QStringLiteral("111"), QStringLiteral("222"),
                  QStringLiteral("333")},
                 {QStringLiteral("adam"), QStringLiteral("adam@example.com"), {}, {}, {}},
                 {QStringLiteral("Mia"), QStringLiteral("mia@example.com"), {}, {}, QStringLiteral("0170 555")}});
    Import();
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(Column("contactname"), QStringList({"Zoe", "adam", "Mia"}));
    EXPECT_EQ(Column("email1"), QStringList({"zoe@example.com", "adam@example.com", "mia@example.com"}));
    EXPECT_EQ(Column("home1"), QStringList({"111", "", ""}));
    EXPECT_EQ(Column("home2"), QStringList({"333", "", "0170 555"})) << "the mobile number is the second home number";
    EXPECT_EQ(Column("biz1"), QStringList({"222", "", ""}));
    for (const char *untouched : {"address", "fax1", "biz2", "fax2", "website", "email2", "notes"})
        EXPECT_EQ(Column(untouched), QStringList({"", "", ""})) << untouched;
    const QStringList keys = Column("pkcontact");
    const QRegularExpression keyForm(QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"));
    for (const QString &key : keys)
        EXPECT_TRUE(keyForm.match(key).hasMatch()) << key.toStdString();
    EXPECT_EQ(QSet<QString>(keys.cbegin(), keys.cend()).size(), 3);

    EXPECT_EQ(script.calls.mid(13, 6), QStringList({"Item(0)", "[0].get_FriendlyName", "[0].get_SigninName",
                                                     "[0].get_PhoneNumber(0)", "[0].get_PhoneNumber(2)",
                                                     "[0].get_PhoneNumber(1)"}));
    EXPECT_EQ(script.calls.size(), 13 + 3 * 6);
    EXPECT_EQ(script.alive, 0);

    EXPECT_EQ(ListedNames(), QStringList({"adam", "Mia", "Zoe"}));
    EXPECT_EQ(List()->ItemIndex(), 0);
    EXPECT_EQ(Field("edtMail1"), QStringLiteral("adam@example.com"));
    EXPECT_EQ(Panel(Tfrm_Main::PanelRecord), QStringLiteral("Record 1"));
    EXPECT_EQ(Panel(Tfrm_Main::PanelCount), QStringLiteral("3 Contacts"));
}

TEST_F(MessengerImportTest, ImportingTwiceStoresEveryContactTwiceUnderNewKeys)
{
    Open();
    SetContacts({{QStringLiteral("Ann"), QStringLiteral("ann@example.com"), {}, {}, {}},
                 {QStringLiteral("Bob"), QStringLiteral("bob@example.com"), {}, {}, {}}});
    Import();
    Import();
    EXPECT_EQ(Column("contactname"), QStringList({"Ann", "Bob", "Ann", "Bob"}));
    const QStringList keys = Column("pkcontact");
    EXPECT_EQ(QSet<QString>(keys.cbegin(), keys.cend()).size(), 4);
    EXPECT_EQ(ListedNames(), QStringList({"Ann", "Ann", "Bob", "Bob"}));
}

TEST_F(MessengerImportTest, AFailurePartWayKeepsTheEarlierRowsSkipsTheReloadAndIsReportedOnce)
{
    Open();
    for (int i = 1; i <= 5; ++i)
        script.contacts << ScriptedContact{QStringLiteral("Contact %1").arg(i), QString(), {}, {}, {}};
    script.failAt = QStringLiteral("Item(2)");
    script.failText = QStringLiteral("The messenger went away");
    Import();
    EXPECT_EQ(Column("contactname"), QStringList({"Contact 1", "Contact 2"}));
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("The messenger went away.")}));
    EXPECT_EQ(boxes.boxes.first().kind, BoxKind::ErrorReport);
    EXPECT_EQ(boxes.boxes.first().caption, QStringLiteral("Pelmora"));
    EXPECT_EQ(script.calls.last(), QStringLiteral("Item(2)"));
    EXPECT_TRUE(ListedNames().isEmpty()) << "the list is not reloaded";
    EXPECT_EQ(script.alive, 0) << "every object is released, also after a failure";
}

TEST_F(MessengerImportTest, EachFailureIsReportedWithTheMessengersTextOrItsCode)
{
    Open();
    SetContacts({{QStringLiteral("Ann"), QStringLiteral("ann@example.com"), {}, {}, {}},
                 {QStringLiteral("Bob"), QStringLiteral("bob@example.com"), {}, {}, {}}});
    const struct {
        const char *failAt;
        qint32 code;
        const char *text;
        const char *shown;
        int rowsAdded;
    } cases[] = {
        {"Create", MessengerError::ServerUnavailable, "Class not registered", "Class not registered.", 0},
        {"get_MyStatus", qint32(0x8000FFFF), "", "OLE error 8000ffff.", 0},
        {"get_MyContacts", MessengerError::Failed, "", "OLE error 80004005.", 0},
        {"get_Count", MessengerError::Failed, "Counting failed!", "Counting failed!", 0},
        {"[0].get_PhoneNumber(1)", MessengerError::Failed, "No number (work)", "No number (work)", 0},
        {"[1].get_SigninName", MessengerError::Failed, "Sign-in name unknown", "Sign-in name unknown.", 1},
    };
    for (const auto &c : cases) {
        const int before = int(folder.Rows().size());
        boxes.boxes.clear();
        script.failAt = QString::fromLatin1(c.failAt);
        script.failCode = c.code;
        script.failText = QString::fromUtf8(c.text);
        Import();
        EXPECT_EQ(boxes.Texts(), QStringList({QString::fromLatin1(c.shown)})) << c.failAt;
        EXPECT_EQ(folder.Rows().size(), before + c.rowsAdded) << c.failAt;
        EXPECT_EQ(script.alive, 0) << c.failAt;
    }
}

TEST_F(MessengerImportTest, AFailingInsertEndsTheImportWithTheEnginesMessage)
{
    Open();
    SetContacts({{QStringLiteral("Ann"), QStringLiteral("ann@example.com"), {}, {}, {}},
                 {QStringLiteral("Bob"), QStringLiteral("bob@example.com"), {}, {}, {}}});
    folder.Exec(QStringLiteral("drop table contacts"));
    Import();
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("no such table: contacts.")}));
    EXPECT_EQ(script.calls.last(), QStringLiteral("[0].get_PhoneNumber(1)")) << "no contact is read after it";
    EXPECT_EQ(script.alive, 0);
}

TEST_F(MessengerImportTest, NamesAndNumbersAreStoredExactlyAsTheMessengerGivesThem)
{
    folder.Insert({Contact(QStringLiteral("K1"), QStringLiteral("Ann"))});
    Open();
    const QStringList texts = {
        QStringLiteral("王小明 محمد 😀👨‍👩‍👧"),
        QStringLiteral("O'Brien ''; drop table contacts; --"),
        QStringLiteral("%s %s %1 %% \"quoted\""),
        QStringLiteral("line one\r\nline two\nthree\ttab"),
        QStringLiteral("bell\x07 escape\x1b delete\x7f") + QChar(0) + QStringLiteral("after nul"),
        QString(10000, QLatin1Char('x')) + QLatin1Char('\'') + QString(10000, QChar(0x4E2D)),
        QStringLiteral("  padded  "),
    };
    for (const QString &text : texts)
        script.contacts << ScriptedContact{text, text + QLatin1Char('@'), text + QLatin1Char('h'), text + QLatin1Char('w'),
                                           text + QLatin1Char('m')};
    Import();
    EXPECT_TRUE(boxes.boxes.isEmpty());
    const QList<Row> rows = folder.Rows();
    ASSERT_EQ(rows.size(), texts.size() + 1);
    EXPECT_EQ(rows.first().value(QStringLiteral("pkcontact")), QStringLiteral("K1")) << "what was there stays";
    EXPECT_EQ(rows.first().value(QStringLiteral("contactname")), QStringLiteral("Ann"));
    for (int i = 0; i < texts.size(); ++i) {
        const Row &row = rows.at(i + 1);
        EXPECT_EQ(row.value(QStringLiteral("contactname")), texts.at(i)) << i;
        EXPECT_EQ(row.value(QStringLiteral("email1")), texts.at(i) + QLatin1Char('@')) << i;
        EXPECT_EQ(row.value(QStringLiteral("home1")), texts.at(i) + QLatin1Char('h')) << i;
        EXPECT_EQ(row.value(QStringLiteral("home2")), texts.at(i) + QLatin1Char('m')) << i;
        EXPECT_EQ(row.value(QStringLiteral("biz1")), texts.at(i) + QLatin1Char('w')) << i;
    }
}

TEST_F(SessionBusImportTest, ImportsTheBuddiesRefusesWhileOfflineAndReportsTheBusesErrorWithoutAMessenger)
{
    const QList<StandInBuddy> buddies = {{QStringLiteral("王小明 محمد 😀"), QStringLiteral("wang@example.com")},
                                         {QStringLiteral("Ann O'Neill %s"), QStringLiteral("ann@example.com")}};
    Pidgin().SetAccounts({{true, false, buddies}});
    Import();
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(Column("contactname"), QStringList({buddies.at(0).alias, buddies.at(1).alias}));
    EXPECT_EQ(Column("email1"), QStringList({buddies.at(0).name, buddies.at(1).name}));
    for (const char *number : {"home1", "home2", "biz1"})
        EXPECT_EQ(Column(number), QStringList({"", ""})) << number;
    EXPECT_EQ(ListedNames(), QStringList({buddies.at(1).alias, buddies.at(0).alias}));

    for (const bool connecting : {false, true}) {
        Pidgin().SetAccounts({{false, connecting, buddies}});
        boxes.boxes.clear();
        Import();
        EXPECT_EQ(boxes.Texts(), QStringList({NotSignedIn})) << connecting;
    }

    standIn.reset();
    boxes.boxes.clear();
    Import();
    EXPECT_EQ(boxes.Texts(), QStringList({NoPidgin}));
    EXPECT_EQ(boxes.boxes.first().kind, BoxKind::ErrorReport);
    EXPECT_EQ(folder.Rows().size(), 2);
}

TEST_F(SessionBusImportTest, AMessengerThatQuitsMidImportLeavesTheEarlierRowsAndOneReport)
{
    QList<StandInBuddy> buddies;
    for (int i = 1; i <= 5; ++i)
        buddies << StandInBuddy{QStringLiteral("Buddy %1").arg(i), QStringLiteral("buddy%1@example.com").arg(i)};
    Pidgin().SetAccounts({{true, false, buddies}});
    Pidgin().SetFault({QStringLiteral("PurpleBuddyGetAlias"), 3, PurpleStandIn::Misbehaviour::Vanish, {}, {}});
    Import();
    EXPECT_EQ(Column("contactname"), QStringList({"Buddy 1", "Buddy 2"}));
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("The messenger quit before it answered.")}));
    EXPECT_TRUE(ListedNames().isEmpty()) << "the list is not reloaded";

    boxes.boxes.clear();
    Import();
    EXPECT_EQ(boxes.Texts(), QStringList({NoPidgin}));
    EXPECT_EQ(folder.Rows().size(), 2);
}
