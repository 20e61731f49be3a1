#include "store/Errors.h"
#include "store/Uni_DM.h"
#include "store/Uni_Function.h"
#include "tests/Fixtures.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <thread>

namespace {

QString AllColumnsInsert(const QString &key, const QString &value)
{
    QStringList values{key};
    for (int i = 1; i < ContactColumns.size(); ++i)
        values << value;
    return FormatSql(Statements::InsertContact, values);
}

class StatementsTest : public ::testing::Test {
protected:
    ContactsFolder folder;
    std::unique_ptr<TDM_Main> module = OpenDataModule(folder);
    StaticQuery &query = DM_Main->qry_Pub;
};

} // namespace

// Values that have broken or altered statements built as text elsewhere.
TEST_F(StatementsTest, HostileValuesAreStoredAndReadBackExactly)
{
    const QString nul(QChar(0));
    const QStringList values = {
        QStringLiteral("O'Brien"),
        QStringLiteral("''; drop table contacts; --"),
        QStringLiteral("%s %s %1 %2 %%"),
        QStringLiteral("back\\slash \\' \\n"),
        QStringLiteral("line one\r\nline two\nline three"),
        QStringLiteral("before") + nul + QStringLiteral("after") + nul,
        QStringLiteral("王小明 — Ελένη — محمد — 😀"),
        QString(5000, QLatin1Char('x')) + QStringLiteral("'") + QString(5000, QLatin1Char('y')),
        QStringLiteral("  padded  "),
        QString(),
    };
    for (int i = 0; i < values.size(); ++i) {
        const QString key = NewContactKey();
        ExecQuery(query, AllColumnsInsert(key, values.at(i)));
        OpenQuery(query, SqlWithValue(Statements::SelectByKeyPrefix, key));
        ASSERT_EQ(query.RecordCount(), 1) << "value " << i;
        for (const QString &column : ContactColumns.mid(1))
            EXPECT_EQ(query.FieldByName(column), values.at(i)) << "value " << i << " column " << column.toStdString();

        const QString changed = values.at(i) + QStringLiteral("'%s");
        QStringList update;
        for (int c = 1; c < ContactColumns.size(); ++c)
            update << changed;
        ExecQuery(query, FormatSql(Statements::UpdateContact, update << key));
        OpenQuery(query, SqlWithValue(Statements::SelectByKeyPrefix, key));
        EXPECT_EQ(query.FieldByName(QStringLiteral("notes")), changed) << "value " << i;
    }
    EXPECT_EQ(folder.Rows().size(), values.size());
}

TEST_F(StatementsTest, FormatFillsPositionsInOrderWithoutResubstituting)
{
    EXPECT_EQ(FormatSql(QStringLiteral("('%s','%s')"), {QStringLiteral("%s"), QStringLiteral("b")}),
              QStringLiteral("('%s','b')"));
    EXPECT_EQ(SqlWithValue(Statements::DeleteByKeyPrefix, QStringLiteral("a'b")),
              QStringLiteral("delete from contacts where pkcontact='a''b'"));
}

TEST_F(StatementsTest, StatementsSelectInsertUpdateAndDeleteTheRowsTheyName)
{
    folder.Insert({Contact(QStringLiteral("K1"), QStringLiteral("Bob")), Contact(QStringLiteral("K2"), QStringLiteral("alice")),
                   Contact(QStringLiteral("K3"), QStringLiteral("carol"))});

    OpenQuery(query, Statements::SelectSortedByName);
    QStringList names;
    for (; !query.Eof(); query.Next())
        names << query.FieldByName(QStringLiteral("contactname"));
    EXPECT_EQ(names, QStringList({QStringLiteral("alice"), QStringLiteral("Bob"), QStringLiteral("carol")}))
        << "names sort without regard to letter case";

    OpenQuery(query, SqlWithValue(Statements::SelectLikePrefix, QStringLiteral("%")));
    EXPECT_EQ(query.RecordCount(), 3);
    OpenQuery(query, SqlWithValue(Statements::SelectLikePrefix, QStringLiteral("K2")));
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.FieldByName(QStringLiteral("contactname")), QStringLiteral("alice"));

    ExecQuery(query, FormatSql(Statements::InsertImported,
                               {QStringLiteral("K4"), QStringLiteral("dave"), QStringLiteral("d@x"), QStringLiteral("1"),
                                QStringLiteral("2"), QStringLiteral("3")}));
    OpenQuery(query, SqlWithValue(Statements::SelectByKeyPrefix, QStringLiteral("K4")));
    EXPECT_EQ(query.FieldByName(QStringLiteral("home2")), QStringLiteral("2"));
    EXPECT_EQ(query.FieldByName(QStringLiteral("address")), QString()) << "a column never written reads empty";

    ExecQuery(query, SqlWithValue(Statements::DeleteByKeyPrefix, QStringLiteral("K2")));
    OpenQuery(query, Statements::SelectAll);
    EXPECT_EQ(query.RecordCount(), 3);
}

TEST_F(StatementsTest, AFailedSelectClosesTheQueryAndTheNextStatementRuns)
{
    folder.Insert({Contact(QStringLiteral("K1"), QStringLiteral("bob"))});
    OpenQuery(query, Statements::SelectAll);
    try {
        OpenQuery(query, QStringLiteral("select * from nowhere"));
        FAIL() << "the select should fail";
    } catch (const DatabaseError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("no such table: nowhere"));
    }
    EXPECT_FALSE(query.Active());
    EXPECT_EQ(query.RecordCount(), 0);
    OpenQuery(query, Statements::SelectAll);
    EXPECT_EQ(query.RecordCount(), 1);
}

TEST_F(StatementsTest, NewKeysAreDistinctUpperCaseGuidsWithoutBraces)
{
    const QRegularExpression shape(QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"));
    QSet<QString> seen;
    for (int i = 0; i < 1000; ++i) {
        const QString key = NewContactKey();
        EXPECT_TRUE(shape.match(key).hasMatch()) << key.toStdString();
        seen.insert(key);
    }
    EXPECT_EQ(seen.size(), 1000);
}

TEST_F(StatementsTest, AReadOnlyFileIsReadAndRefusesWritesWithTheEnginesMessage)
{
    folder.Insert({Contact(QStringLiteral("K1"), QStringLiteral("bob"))});
    module.reset();
    QFile::setPermissions(folder.DatabasePath(), QFile::ReadOwner | QFile::ReadGroup);
    if (QFileInfo(folder.DatabasePath()).isWritable())
        GTEST_SKIP() << "the file stays writable for this user (root)";
    module = OpenDataModule(folder);
    OpenQuery(DM_Main->qry_Pub, Statements::SelectAll);
    EXPECT_EQ(DM_Main->qry_Pub.RecordCount(), 1);
    try {
        ExecQuery(DM_Main->qry_Pub, SqlWithValue(Statements::DeleteByKeyPrefix, QStringLiteral("K1")));
        FAIL() << "the delete should fail";
    } catch (const DatabaseError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("attempt to write a readonly database"));
    }
}

TEST_F(StatementsTest, AFileLockedByAnotherWriterIsWaitedForThenReported)
{
    sqlite3 *writer = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(folder.DatabasePath()).constData(), &writer, SQLITE_OPEN_READWRITE,
                              nullptr),
              SQLITE_OK);

    // A lock let go while the statement waits: the statement goes through.
    ASSERT_EQ(sqlite3_exec(writer, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread releaser([writer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(writer, "rollback", nullptr, nullptr, nullptr);
    });
    ExecQuery(query, AllColumnsInsert(NewContactKey(), QStringLiteral("x")));
    releaser.join();

    // A lock kept: the engine's message, and the file intact.
    ASSERT_EQ(sqlite3_exec(writer, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
    try {
        ExecQuery(query, AllColumnsInsert(NewContactKey(), QStringLiteral("y")));
        ADD_FAILURE() << "the insert should fail";
    } catch (const DatabaseError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("database is locked"));
    }
    sqlite3_exec(writer, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    EXPECT_EQ(folder.Rows().size(), 1);
}
