#include "ContactsFile.h"
#include "tests/Fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

TEST(ContactsFile, MakesTheTableWithThirteenTextColumnsAndANoCaseName)
{
    const ContactsFolder folder;
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(folder.DatabasePath()).constData(), &db, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    sqlite3_stmt *info = nullptr;
    sqlite3_prepare_v2(db, "select name, type, pk from pragma_table_info('contacts')", -1, &info, nullptr);
    QStringList columns;
    while (sqlite3_step(info) == SQLITE_ROW) {
        columns << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(info, 0)));
        EXPECT_STREQ(reinterpret_cast<const char *>(sqlite3_column_text(info, 1)), "TEXT");
        EXPECT_EQ(sqlite3_column_int(info, 2), columns.size() == 1 ? 1 : 0);
    }
    sqlite3_finalize(info);
    sqlite3_close(db);
    EXPECT_EQ(columns, ContactColumns);
}

TEST(ContactsFile, RefusesAnExistingFileAndLeavesItAsItWas)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("contacts.dat"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("precious");
    }
    const std::string failure = CreateContactsFile(path.toStdString());
    EXPECT_NE(failure.find("exists already"), std::string::npos) << failure;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("precious"));
}
