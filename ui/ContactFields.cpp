#include "ui/ContactFields.h"

#include <QLineEdit>
#include <QPlainTextEdit>

const QStringList ContactFieldColumns = {
    QStringLiteral("contactname"), QStringLiteral("address"), QStringLiteral("home1"),   QStringLiteral("home2"),
    QStringLiteral("fax1"),        QStringLiteral("biz1"),    QStringLiteral("biz2"),    QStringLiteral("fax2"),
    QStringLiteral("website"),     QStringLiteral("email1"),  QStringLiteral("email2"),  QStringLiteral("notes")};

// Lines of a several-line field are kept as CR LF in the table, as the address book has
// always stored them; the edit control itself separates them with LF.
QString FieldText(const QWidget *field)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(field))
        return edit->text();
    QString text = static_cast<const QPlainTextEdit *>(field)->toPlainText();
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void SetFieldText(QWidget *field, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->setText(text);
    else
        static_cast<QPlainTextEdit *>(field)->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

QString TrimControls(const QString &text)
{
    int from = 0;
    int to = text.size();
    while (from < to && text.at(from).unicode() <= 32)
        ++from;
    while (to > from && text.at(to - 1).unicode() <= 32)
        --to;
    return text.mid(from, to - from);
}
