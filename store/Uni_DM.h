#pragma once

#include "store/StaticQuery.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSqlDatabase>

// The data module: the one owner of the database connection and of the two queries every
// statement runs on, and of the four images of the menu and toolbar.
class TDM_Main : public QObject {
    Q_OBJECT
    QString m_connectionName; // first: the queries are made on it

public:
    enum Image { ImageEdit = 0, ImageAdd = 1, ImageDelete = 2, ImageExit = 3 };

    explicit TDM_Main(QObject *parent = nullptr);
    ~TDM_Main() override;

    QSqlDatabase ADOConn;
    StaticQuery qry_Pub; // every statement but printing
    StaticQuery qry_Tmp; // printing
    QList<QPixmap> ImgList;

    const QString &connectionName() const { return m_connectionName; }
};

extern TDM_Main *DM_Main;

// Connects ADOConn to an existing SQLite database at path. Shows the error box and returns
// false when the file is missing, not a database, or cannot be opened; never creates it.
bool OpenDatabase(const QString &path);
