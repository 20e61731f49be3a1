#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One statement on the shared connection and, after a select, its whole result held in
// memory: every row fetched, read forward, columns by name as text, an exact row count.
class StaticQuery {
public:
    explicit StaticQuery(QString connectionName);

    QString SQL() const { return m_sql; }
    void SetSQL(const QString &sql) { m_sql = sql; }

    // Discards the result; running a statement starts with this.
    void Close();
    // Runs the select in SQL() and fetches all its rows; throws DatabaseError and stays closed.
    void Open();
    // Runs the statement in SQL(), which returns no rows; throws DatabaseError.
    void ExecSQL();

    bool Active() const { return m_active; }
    bool Eof() const { return m_row >= RecordCount(); }
    void Next() { ++m_row; }
    int RecordCount() const;
    // The current row's value; a NULL or an unknown column reads as empty text.
    QString FieldByName(const QString &column) const;
    int FieldIndex(const QString &column) const;
    QString Value(int field) const;

private:
    void fetch();

    QString m_connectionName;
    QString m_sql;
    bool m_active = false;
    QStringList m_fields;
    // The rows as the engine hands them over, UTF-8, one cell after another; a cell becomes
    // a QString only when it is read, so a large list costs little more than the engine.
    std::vector<char> m_text;
    std::vector<size_t> m_cellEnds;
    int m_row = 0;
};
