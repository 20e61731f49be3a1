#include "store/Uni_DM.h"

#include "resources/Glyphs.h"
#include "store/Errors.h"
#include "store/Uni_Function.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

TDM_Main *DM_Main = nullptr;

namespace {

QString uniqueConnectionName()
{
    static int serial = 0;
    return QStringLiteral("ADOConn%1").arg(++serial);
}

// SQLite takes an empty file for a valid empty database, so a file that does not begin
// with the database header is refused before SQLite sees it. Truncation and damage are
// SQLite's to find, at the probe below: it also knows when a journal beside the file puts
// things right.
bool hasDatabaseHeader(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArrayLiteral("SQLite format 3\0");
}

// Every statement commits on its own. In the default rollback journal each commit waits for
// several disk flushes (about 15 ms a row here); in write-ahead-log mode with
// synchronous=NORMAL a commit is appended to the log without a flush, and the log is flushed
// when it is copied into the file at a checkpoint. A crash of the program loses no committed
// row; a power cut or system crash may lose the last commits before a checkpoint, never the
// file's consistency. The log mode stays with the file (beside it, contacts.dat-wal and -shm
// while it is open). Where the mode cannot be set (the file busy or read-only) the file
// works as before, only slower, so the outcome is not checked.
void useWriteAheadLog(const QSqlDatabase &db)
{
    QSqlQuery(db).exec(QStringLiteral("pragma journal_mode=wal"));
    QSqlQuery(db).exec(QStringLiteral("pragma synchronous=normal"));
}

void connectTo(QSqlDatabase &db, const QString &path)
{
    db.close();
    if (!hasDatabaseHeader(path))
        throw DatabaseError(QStringLiteral("not a database"));
    // mode=rw never creates the file; the URI form carries any character of the path.
    db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        throw DatabaseError(db.lastError().text());
    // A file that is not a database opens fine and fails only at its first statement.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master")))
        throw DatabaseError(probe.lastError().text());
}

} // namespace

TDM_Main::TDM_Main(QObject *parent)
    : QObject(parent)
    , m_connectionName(uniqueConnectionName())
    , qry_Pub(m_connectionName)
    , qry_Tmp(m_connectionName)
{
    ADOConn = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    ImgList = {Glyphs::Edit(), Glyphs::Add(), Glyphs::Delete(), Glyphs::Exit()};
    DM_Main = this;
}

TDM_Main::~TDM_Main()
{
    if (DM_Main == this)
        DM_Main = nullptr;
    qry_Pub.Close();
    qry_Tmp.Close();
    ADOConn.close();
    ADOConn = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool OpenDatabase(const QString &path)
{
    try {
        connectTo(DM_Main->ADOConn, path);
        useWriteAheadLog(DM_Main->ADOConn);
        return true;
    } catch (const DatabaseError &) {
        DM_Main->ADOConn.close();
        ShowError(QStringLiteral("连接数据库文件出错！\r\n\r\n数据库文件可能被改名或移动！"));
        return false;
    }
}
