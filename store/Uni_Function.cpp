#include "store/Uni_Function.h"

#include "store/Errors.h"
#include "store/MessageBoxes.h"
#include "store/StaticQuery.h"

#include <QUuid>

QString SqlValue(const QString &value)
{
    QString text;
    text.reserve(value.size() + 2);
    for (const QChar c : value) {
        if (c == QLatin1Char('\''))
            text += QLatin1String("''");
        else if (c.isNull())
            text += QLatin1String("'||char(0)||'");
        else
            text += c;
    }
    return text;
}

QString FormatSql(const QString &statement, const QStringList &values)
{
    static const QString marker = QStringLiteral("%s");
    QString text;
    int from = 0;
    for (const QString &value : values) {
        const int at = statement.indexOf(marker, from);
        Q_ASSERT(at >= 0);
        text += QStringView(statement).mid(from, at - from);
        text += SqlValue(value);
        from = at + marker.size();
    }
    Q_ASSERT(statement.indexOf(marker, from) < 0);
    text += QStringView(statement).mid(from);
    return text;
}

QString SqlWithValue(const QString &prefix, const QString &value)
{
    return prefix + SqlValue(value) + QLatin1Char('\'');
}

void OpenQuery(StaticQuery &query, const QString &sql)
{
    query.Close();
    query.SetSQL(sql);
    query.Open();
}

void ExecQuery(StaticQuery &query, const QString &sql)
{
    query.Close();
    query.SetSQL(sql);
    query.ExecSQL();
}

QString NewContactKey()
{
    const QUuid guid = QUuid::createUuid();
    if (guid.isNull())
        throw PelmoraError(QStringLiteral("No contact key could be made"));
    return guid.toString(QUuid::WithoutBraces).toUpper();
}

void ShowInfo(const QString &text)
{
    ShowMessageBox(BoxKind::Info, QStringLiteral("Information"), text);
}

void ShowError(const QString &text)
{
    ShowMessageBox(BoxKind::Error, QStringLiteral("Error"), text);
}

int AskQuestion(const QString &text)
{
    return ShowMessageBox(BoxKind::Question, QStringLiteral("Question"), text) == IDYES ? IDYES : IDNO;
}
