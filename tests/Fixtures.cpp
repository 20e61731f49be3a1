#include "tests/Fixtures.h"

#include "ContactsFile.h"
#include "store/Uni_DM.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTest>
#include <QMap>
#include <gtest/gtest.h>
#include <sqlite3.h>

const QStringList ContactColumns = {
    QStringLiteral("pkcontact"), QStringLiteral("contactname"), QStringLiteral("address"),
    QStringLiteral("home1"),     QStringLiteral("home2"),       QStringLiteral("fax1"),
    QStringLiteral("biz1"),      QStringLiteral("biz2"),        QStringLiteral("fax2"),
    QStringLiteral("website"),   QStringLiteral("email1"),      QStringLiteral("email2"),
    QStringLiteral("notes")};

namespace {

struct Db {
    explicit Db(const QString &path)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            ADD_FAILURE() << "cannot open " << path.toStdString();
    }
    ~Db() { sqlite3_close(handle); }
    sqlite3 *handle = nullptr;
};

} // namespace

ContactsFolder::ContactsFolder()
{
    const std::string failure = CreateContactsFile(DatabasePath().toStdString());
    if (!failure.empty())
        ADD_FAILURE() << failure;
}

QString ContactsFolder::DatabasePath() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("contacts.dat"));
}

void ContactsFolder::Exec(const QString &sql) const
{
    Db db(DatabasePath());
    char *error = nullptr;
    if (sqlite3_exec(db.handle, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK)
        ADD_FAILURE() << sql.toStdString() << ": " << error;
    sqlite3_free(error);
}

void ContactsFolder::Insert(const QList<Row> &rows) const
{
    Db db(DatabasePath());
    sqlite3_exec(db.handle, "begin", nullptr, nullptr, nullptr);
    for (const Row &row : rows) {
        const QStringList columns = row.keys();
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        const QByteArray sql = QStringLiteral("insert into contacts (%1) values (%2)")
                                   .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))
                                   .toUtf8();
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db.handle, sql.constData(), -1, &statement, nullptr);
        for (int i = 0; i < columns.size(); ++i) {
            const QString value = row.value(columns.at(i));
            sqlite3_bind_text16(statement, i + 1, value.utf16(), int(value.size() * 2), SQLITE_TRANSIENT);
        }
        if (sqlite3_step(statement) != SQLITE_DONE)
            ADD_FAILURE() << sqlite3_errmsg(db.handle);
        sqlite3_finalize(statement);
    }
    sqlite3_exec(db.handle, "commit", nullptr, nullptr, nullptr);
}

QList<Row> ContactsFolder::Rows() const
{
    Db db(DatabasePath());
    QList<Row> rows;
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db.handle, "select * from contacts", -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        Row row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const auto *text = static_cast<const char16_t *>(sqlite3_column_text16(statement, i));
            const int bytes = sqlite3_column_bytes16(statement, i);
            row.insert(QString::fromUtf8(sqlite3_column_name(statement, i)),
                       text ? QString::fromUtf16(text, bytes / 2) : QString());
        }
        rows << row;
    }
    sqlite3_finalize(statement);
    return rows;
}

BoxRecorder::BoxRecorder()
{
    SetMessageBoxHandler([this](BoxKind kind, const QString &caption, const QString &text) {
        boxes << Box{kind, caption, text};
        return kind == BoxKind::Question ? (answers.isEmpty() ? IDYES : answers.takeFirst()) : IDOK;
    });
}

BoxRecorder::~BoxRecorder()
{
    SetMessageBoxHandler({});
}

QStringList BoxRecorder::Texts() const
{
    QStringList texts;
    for (const Box &box : boxes)
        texts << box.text;
    return texts;
}

std::unique_ptr<TDM_Main> OpenDataModule(const ContactsFolder &folder)
{
    auto module = std::make_unique<TDM_Main>();
    EXPECT_TRUE(OpenDatabase(folder.DatabasePath()));
    return module;
}

Row Contact(const QString &key, const QString &name)
{
    return Row{{QStringLiteral("pkcontact"), key}, {QStringLiteral("contactname"), name}};
}

void TypeInto(QWidget *control, const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n')) {
            QTest::keyClick(control, Qt::Key_Return);
            continue;
        }
        // A character outside the basic plane arrives as one key with both halves.
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString key = text.mid(i, length);
        i += length - 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
        QCoreApplication::sendEvent(control, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, key);
        QCoreApplication::sendEvent(control, &release);
    }
}
