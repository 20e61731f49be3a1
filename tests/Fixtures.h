#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "store/MessageBoxes.h"

#include <ostream>

class TDM_Main;

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// One contact row as the table holds it, by column name.
using Row = QMap<QString, QString>;

// A temporary folder with an empty contacts.dat made by the project's own tool.
class ContactsFolder {
public:
    ContactsFolder();
    QString Folder() const { return m_dir.path(); }
    QString DatabasePath() const;
    // Inserts rows straight through SQLite, not through the program.
    void Insert(const QList<Row> &rows) const;
    // Every row, in the engine's order, every column as text.
    QList<Row> Rows() const;
    void Exec(const QString &sql) const;

private:
    QTemporaryDir m_dir;
};

// Records every message box and answers questions with the next queued answer (Yes when
// none is queued).
class BoxRecorder {
public:
    struct Box {
        BoxKind kind;
        QString caption;
        QString text;
    };
    BoxRecorder();
    ~BoxRecorder();
    QList<Box> boxes;
    QList<int> answers;
    QStringList Texts() const;
};

// A data module opened on a folder's contacts.dat.
std::unique_ptr<TDM_Main> OpenDataModule(const ContactsFolder &folder);

Row Contact(const QString &key, const QString &name);

// The thirteen column names in table order.
extern const QStringList ContactColumns;

class QWidget;
// Types text into a control key by key, as a person would; any script, line breaks as Enter.
void TypeInto(QWidget *control, const QString &text);
