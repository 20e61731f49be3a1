// screenshots FOLDER: renders each window of the program, on a small sample database, to a
// PNG in FOLDER, so that a layout can be checked by eye (run it under Xvfb for the real look).
#include "ContactsFile.h"
#include "skin/FlatSkin.h"
#include "store/Uni_DM.h"
#include "store/Uni_Function.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/about/Uni_About.h"
#include "ui/editor/Uni_ContactInfo.h"
#include "ui/main/Uni_Main.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <iostream>

namespace {

void settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 300)
        QApplication::processEvents();
}

void save(QWidget *window, const QString &folder, const QString &name)
{
    window->show();
    settle();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    window->grab().save(path);
    std::cout << path.toStdString() << '\n';
}

// Opens each menu of the window with one of its items highlighted and photographs the
// screen around window and menu, as a person sees it (under Xvfb; offscreen shows the
// menu alone).
void saveMenus(QMainWindow *window, const QString &folder, const QString &suffix)
{
    for (QAction *title : window->menuBar()->actions()) {
        QMenu *menu = title->menu();
        window->menuBar()->setActiveAction(title);
        QApplication::processEvents();
        const QList<QAction *> items = menu->actions();
        menu->setActiveAction(items.value(std::min<qsizetype>(2, items.size() - 1)));
        QApplication::processEvents();
        const QRect area = window->frameGeometry().united(menu->geometry()).adjusted(-4, -4, 4, 4);
        QPixmap shot = window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (shot.isNull() || QGuiApplication::platformName() == QStringLiteral("offscreen"))
            shot = menu->grab();
        const QString name = QStringLiteral("menu-") + title->text().remove(QLatin1Char('&')).toLower() + suffix;
        const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
        shot.save(path);
        std::cout << path.toStdString() << '\n';
        menu->hide();
        QApplication::processEvents();
    }
}

// Moves the mouse over control, as a person would; offscreen, where there is no mouse, the
// control is told that it entered.
void hover(QWidget *control)
{
    const QPoint centre = control->rect().center();
    QCursor::setPos(control->mapToGlobal(centre));
    if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
        QEnterEvent enter(centre, centre, control->mapToGlobal(centre));
        QApplication::sendEvent(control, &enter);
    }
    settle();
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
    SetUpApplication(app);
    if (argc != 2) {
        std::cerr << "usage: screenshots FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::cerr << "screenshots: cannot make " << argv[1] << '\n';
        return 1;
    }
    QTemporaryDir data;
    CreateContactsFile(QDir(data.path()).filePath(QStringLiteral("contacts.dat")).toStdString());
    TDM_Main module;
    OpenDatabase(QDir(data.path()).filePath(QStringLiteral("contacts.dat")));
    addSample();

    Tfrm_Main main(data.path());
    main.findChild<QLineEdit *>(QStringLiteral("edtSearch"))->setText(QStringLiteral("an"));
    save(&main, folder, QStringLiteral("main-window"));
    saveMenus(&main, folder, QString());
    main.findChild<TFlatSkin *>()->SetActive(false);
    saveMenus(&main, folder, QStringLiteral("-framework"));
    main.findChild<TFlatSkin *>()->SetActive(true);

    Tfrm_ContactInfo add;
    add.SetTag(Tfrm_ContactInfo::AddMode);
    save(&add, folder, QStringLiteral("editor-add"));

    Tfrm_ContactInfo edit;
    edit.ContactKey = main.DisplayedContactKey();
    edit.ContactName = QStringLiteral("Anna Berg");
    edit.SetTag(Tfrm_ContactInfo::EditMode);
    save(&edit, folder, QStringLiteral("editor-edit"));
    hover(edit.findChild<QLineEdit *>(QStringLiteral("edtWeb")));
    save(&edit, folder, QStringLiteral("editor-mouse-on-field"));
    hover(edit.findChild<TBitBtn *>(QStringLiteral("btnOK")));
    save(&edit, folder, QStringLiteral("editor-mouse-on-button"));
    edit.findChild<TFlatSkin *>()->SetActive(false);
    save(&edit, folder, QStringLiteral("editor-skin-off"));

    Tfrm_About about;
    save(&about, folder, QStringLiteral("about"));
    return 0;
}
