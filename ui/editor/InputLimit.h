#pragma once

#include <QString>

class QWidget;

// How many characters a person may type into a field. A value loaded from the table is
// never cut to the limit: the field then holds what it was given, and typing cannot make
// it longer.
void SetInputLimit(QWidget *field, int limit);
void LoadLimitedField(QWidget *field, const QString &text);
