#include "store/StaticQuery.h"

#include "store/Errors.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <sqlite3.h>

#include <memory>

namespace {

[[noreturn]] void throwEngineError(const QSqlError &error)
{
    const QString engineText = error.databaseText();
    throw DatabaseError(engineText.isEmpty() ? error.text() : engineText);
}

} // namespace

StaticQuery::StaticQuery(QString connectionName)
    : m_connectionName(std::move(connectionName))
{
}

void StaticQuery::Close()
{
    m_active = false;
    m_fields.clear();
    m_text.clear();
    m_cellEnds.clear();
    m_row = 0;
}

void StaticQuery::Open()
{
    Close();
    try {
        fetch();
    } catch (...) {
        Close();
        throw;
    }
    m_active = true;
}

// Reads through SQLite itself, on the connection Qt opened: Qt's own result set would make
// a QVariant and a QString of every cell, several times the engine's own cost.
void StaticQuery::fetch()
{
    const QVariant handle = QSqlDatabase::database(m_connectionName, false).driver()->handle();
    sqlite3 *db = handle.isValid() ? *static_cast<sqlite3 *const *>(handle.constData()) : nullptr;
    if (!db)
        throw DatabaseError(QStringLiteral("Database not open"));
    sqlite3_stmt *statement = nullptr;
    const QByteArray sql = m_sql.toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> finalizer(statement, sqlite3_finalize);
    const int width = sqlite3_column_count(statement);
    for (int i = 0; i < width; ++i)
        m_fields << QString::fromUtf8(sqlite3_column_name(statement, i));
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int i = 0; i < width; ++i) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, i));
            m_text.insert(m_text.end(), text, text + sqlite3_column_bytes(statement, i));
            m_cellEnds.push_back(m_text.size());
        }
    }
    if (step != SQLITE_DONE)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
}

void StaticQuery::ExecSQL()
{
    Close();
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.exec(m_sql))
        throwEngineError(query.lastError());
}

int StaticQuery::RecordCount() const
{
    return m_fields.isEmpty() ? 0 : int(m_cellEnds.size() / size_t(m_fields.size()));
}

int StaticQuery::FieldIndex(const QString &column) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString StaticQuery::Value(int field) const
{
    if (field < 0 || Eof())
        return QString();
    const size_t cell = size_t(m_row) * size_t(m_fields.size()) + size_t(field);
    const size_t begin = cell == 0 ? 0 : m_cellEnds[cell - 1];
    return QString::fromUtf8(m_text.data() + begin, qsizetype(m_cellEnds[cell] - begin));
}

QString StaticQuery::FieldByName(const QString &column) const
{
    return Value(FieldIndex(column));
}
