#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The columns behind the twelve contact fields, in the order both windows fill them:
// name, address, the six telephone fields, web site, the two e-mail addresses, notes.
extern const QStringList ContactFieldColumns;

// The text of a one-line or several-line edit.
QString FieldText(const QWidget *field);
void SetFieldText(QWidget *field, const QString &text);

// The text without the characters 0 to 32 at either end.
QString TrimControls(const QString &text);
