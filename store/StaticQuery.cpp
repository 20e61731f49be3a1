#include "store/StaticQuery.h"

#include "store/Errors.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

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
    m_cells.clear();
    m_row = 0;
}

void StaticQuery::Open()
{
    Close();
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!query.exec(m_sql))
        throwEngineError(query.lastError());
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        m_fields << record.fieldName(i);
    const int width = m_fields.size();
    while (query.next()) {
        for (int i = 0; i < width; ++i)
            m_cells.push_back(query.value(i).toString());
    }
    if (query.lastError().isValid()) {
        Close();
        throwEngineError(query.lastError());
    }
    m_active = true;
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
    return m_fields.isEmpty() ? 0 : int(m_cells.size() / size_t(m_fields.size()));
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
    return m_cells[size_t(m_row) * size_t(m_fields.size()) + size_t(field)];
}

QString StaticQuery::FieldByName(const QString &column) const
{
    return Value(FieldIndex(column));
}
