#pragma once

#include <QString>
#include <QStringList>

class StaticQuery;

// Every statement the program runs, in SQLite's dialect. A value position is '%s'.
namespace Statements {
inline const QString SelectSortedByName = QStringLiteral("select * from contacts order by contactname");
inline const QString SelectAll = QStringLiteral("select * from contacts");
inline const QString SelectByKeyPrefix = QStringLiteral("select * from contacts where pkcontact='");
inline const QString SelectLikePrefix = QStringLiteral("select * from contacts where pkcontact like '");
inline const QString InsertContact = QStringLiteral(
    "insert into contacts (pkcontact,contactname,address,home1,home2,fax1,biz1,biz2,fax2,website,"
    "email1,email2,notes) values ('%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s')");
inline const QString UpdateContact = QStringLiteral(
    "update contacts set contactname='%s',address='%s',home1='%s',home2='%s',fax1='%s',biz1='%s',"
    "biz2='%s',fax2='%s',website='%s',email1='%s',email2='%s',notes='%s' where pkcontact='%s'");
inline const QString InsertImported = QStringLiteral(
    "insert into contacts (pkcontact,contactname,email1,home1,home2,biz1) values "
    "('%s','%s','%s','%s','%s','%s')");
inline const QString DeleteByKeyPrefix = QStringLiteral("delete from contacts where pkcontact='");
} // namespace Statements

// The text that stands for a value between the single quotes of a statement. A quote is
// doubled; a NUL, which SQLite's tokenizer cannot carry inside a literal, is spliced in as
// char(0), so every value is stored exactly and none can change what a statement does.
QString SqlValue(const QString &value);

// Fills the '%s' positions of a template in one pass, in order. A marker inside a value is
// never substituted again.
QString FormatSql(const QString &statement, const QStringList &values);

// prefix + value + "'", for the statements that take one value.
QString SqlWithValue(const QString &prefix, const QString &value);

void OpenQuery(StaticQuery &query, const QString &sql);
void ExecQuery(StaticQuery &query, const QString &sql);

// A new contact key: 36 upper-case characters, the GUID without braces. Throws when no
// GUID can be made, so that no row is ever stored under an empty or stale key.
QString NewContactKey();

void ShowInfo(const QString &text);
void ShowError(const QString &text);
// IDYES or IDNO; the box cannot be closed otherwise.
int AskQuestion(const QString &text);
