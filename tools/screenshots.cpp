// screenshots FOLDER: renders each window of the program, on a small sample database, to a
// PNG in FOLDER, so that a layout can be checked by eye (run it under Xvfb for the real look).
#include "ContactsFile.h"
#include "store/Uni_DM.h"
#include "store/Uni_Function.h"
#include "ui/Look.h"
#include "ui/editor/Uni_ContactInfo.h"
#include "ui/main/Uni_Main.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <iostream>

namespace {

void save(QWidget *window, const QString &folder, const QString &name)
{
    window->show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    window->grab().save(path);
    std::cout << path.toStdString() << '\n';
}

void addSample()
{
    const QStringList anna = {NewContactKey(), "Anna Berg", "12 Harbour Road\r\nNorthport", "555-0101", "555-0102",
                              "555-0103", "555-0201", "555-0202", "555-0203", "http://anna.example.org",
                              "anna@example.org", "a.berg@example.net", "Met at the book fair."};
    ExecQuery(DM_Main->qry_Pub, FormatSql(Statements::InsertContact, anna));
    for (const char *name : {"Carl Novak", "Dora Kim", "Eve Rossi", "Finn Okafor"}) {
        QStringList row{NewContactKey(), QString::fromLatin1(name)};
        for (int i = 0; i < 11; ++i)
            row << QString();
        ExecQuery(DM_Main->qry_Pub, FormatSql(Statements::InsertContact, row));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    ApplyClassicLook(app);
    if (argc != 2) {
        std::cerr << "usage: screenshots FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir data;
    CreateContactsFile(QDir(data.path()).filePath(QStringLiteral("contacts.dat")).toStdString());
    TDM_Main module;
    OpenDatabase(QDir(data.path()).filePath(QStringLiteral("contacts.dat")));
    addSample();

    Tfrm_Main main(data.path());
    main.findChild<QLineEdit *>(QStringLiteral("edtSearch"))->setText(QStringLiteral("an"));
    save(&main, folder, QStringLiteral("main-window"));

    Tfrm_ContactInfo add;
    add.SetTag(Tfrm_ContactInfo::AddMode);
    save(&add, folder, QStringLiteral("editor-add"));

    Tfrm_ContactInfo edit;
    edit.ContactKey = main.DisplayedContactKey();
    edit.ContactName = QStringLiteral("Anna Berg");
    edit.SetTag(Tfrm_ContactInfo::EditMode);
    save(&edit, folder, QStringLiteral("editor-edit"));
    return 0;
}
