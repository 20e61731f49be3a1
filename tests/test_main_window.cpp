#include "tests/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    Open();
    window->show();
    EXPECT_EQ(window->centralWidget()->size(), QSize(562, 451));
    EXPECT_EQ(window->centralWidget()->y(), window->menuBar()->height()) << "the menu bar lies above the client area";
    EXPECT_EQ(window->height(), 451 + window->menuBar()->height());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Pelmora"));
    const struct {
        const char *name;
        QRect geometry;
    } layout[] = {
        {"CoolBar1", {0, 0, 562, 40}},        {"edtSearch", {8, 63, 145, 21}},    {"lstContact", {8, 93, 145, 332}},
        {"GroupBox1", {160, 44, 393, 114}},   {"GroupBox2", {160, 161, 393, 77}}, {"GroupBox3", {160, 245, 393, 97}},
        {"Panel1", {2, 15, 367, 80}},         {"GroupBox4", {160, 349, 393, 81}}, {"sbMain", {0, 432, 562, 19}},
        {"edtName", {56, 18, 329, 21}},       {"memAddress", {56, 42, 329, 63}},  {"edtHome1", {56, 20, 85, 21}},
        {"edtHome2", {188, 20, 85, 21}},      {"edtFax1", {301, 20, 85, 21}},     {"edtBiz1", {56, 47, 85, 21}},
        {"edtBiz2", {188, 47, 85, 21}},       {"edtFax2", {301, 47, 85, 21}},     {"edtWeb", {56, 4, 305, 21}},
        {"edtMail1", {56, 30, 305, 21}},      {"edtMail2", {56, 55, 305, 21}},    {"memNotes", {48, 13, 337, 58}},
        {"Image1", {9, 25, 32, 32}},          {"btnWeb", {365, 18, 21, 21}},      {"btnEMail2", {365, 44, 21, 21}},
        {"btnEMail1", {365, 69, 21, 21}},
    };
    for (const auto &control : layout)
        EXPECT_EQ(Find(control.name)->geometry(), control.geometry) << control.name;

    for (const char *name : {"GroupBox1", "GroupBox2", "Panel1", "GroupBox4"})
        EXPECT_FALSE(Find(name)->isEnabled()) << name;
    for (const char *name : {"GroupBox3", "btnWeb", "btnEMail1", "btnEMail2"})
        EXPECT_TRUE(Find(name)->isEnabled()) << name;
    EXPECT_EQ(Find("btnWeb")->toolTip(), QStringLiteral("Go to Web Site"));
    EXPECT_EQ(Find("btnEMail1")->toolTip(), QStringLiteral("Send Email to Contact"));
    EXPECT_EQ(Find("lstContact")->toolTip(), QStringLiteral("Contact list"));
}

TEST_F(MainWindowTest, EveryLabelFitsLeftOfItsField)
{
    Open();
    for (QLabel *label : window->findChildren<QLabel *>()) {
        QWidget *field = label->buddy();
        if (!field)
            continue;
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LT(label->x() + textWidth, field->x()) << label->text().toStdString();
        EXPECT_EQ(label->parentWidget(), field->parentWidget());
    }
}

TEST_F(MainWindowTest, TheMenuBarAndToolbarCarryEveryCommand)
{
    Open();
    window->show();
    const QStringList expected = {
        "&File",          "Import MSN Contact", "-", "&Print All",      "Pri&nt Selected ", "-", "Stay on &Top", "-",
        "E&xit",          "&Contacts",          "&Add Contact",       "&Edit Contact",    "&Delete Contact",
        "-",              "&Go to Web Site",    "&Send EMail",        "Send &Email 2",    "-",
        "Sort by &Name",  "&Help",              "&Content",           "&About"};
    QStringList shown;
    for (QAction *menu : window->menuBar()->actions()) {
        shown << menu->text();
        for (QAction *item : menu->menu()->actions())
            shown << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    EXPECT_EQ(shown, expected);
    for (const char *checked : {"StayonTop1", "SortbyName1"}) {
        EXPECT_TRUE(Find<QAction>(checked)->isCheckable());
        EXPECT_TRUE(Find<QAction>(checked)->isChecked()) << checked;
    }
    const struct {
        const char *name;
        const char *caption;
    } buttons[] = {{"tbAdd", "Add Contact"}, {"ttbEdit", "Edit Contact"}, {"tbDel", "Delete Contact"}, {"tbExit", "Exit"}};
    int left = -1;
    for (const auto &button : buttons) {
        auto *tool = Find<QToolButton>(button.name);
        EXPECT_EQ(tool->text(), QString::fromLatin1(button.caption));
        EXPECT_EQ(tool->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_EQ(tool->height(), 36);
        EXPECT_GT(tool->x(), left) << "left to right";
        left = tool->x();
    }
}

TEST_F(MainWindowTest, StartsWithTheListFilledNothingSelectedAndTheDateShown)
{
    folder.Insert({Contact(QStringLiteral("K1"), QStringLiteral("bob")), Contact(QStringLiteral("K2"), QStringLiteral("Ann")),
                   Contact(QStringLiteral("K3"), QStringLiteral("Ann"))});
    Open();
    EXPECT_FALSE(window->Terminated());
    EXPECT_EQ(ListedNames(), QStringList({QStringLiteral("Ann"), QStringLiteral("Ann"), QStringLiteral("bob")}));
    TCodeListBox *list = List();
    EXPECT_EQ(list->Codes().size(), 3);
    EXPECT_EQ(list->Codes().at(2), QStringLiteral("K1"));
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(Panel(0), QString());
    EXPECT_EQ(Panel(1), QString());
    EXPECT_EQ(Panel(2), QStringLiteral("3 Contacts"));
    EXPECT_EQ(Panel(3), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    EXPECT_TRUE(window->StayOnTop());

    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), Find("edtSearch"));
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(MainWindowTest, CountsContactsWithoutASingularForm)
{
    Open();
    EXPECT_EQ(Panel(2), QStringLiteral("0 Contacts"));
    folder.Insert({Contact(QStringLiteral("K1"), QStringLiteral("Ann"))});
    window.reset();
    Open();
    EXPECT_EQ(Panel(2), QStringLiteral("1 Contacts"));
}

TEST_F(MainWindowTest, WithoutTheTableTheEnginesMessageIsShownAndTheListIsEmpty)
{
    folder.Exec(QStringLiteral("drop table contacts"));
    Open();
    EXPECT_FALSE(window->Terminated());
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("no such table: contacts.")}));
    EXPECT_EQ(boxes.boxes.first().kind, BoxKind::ErrorReport);
    EXPECT_TRUE(ListedNames().isEmpty());
}

TEST_F(MainWindowTest, ADatabaseThatCannotBeOpenedEndsTheProgram)
{
    QFile::remove(folder.DatabasePath());
    Open();
    EXPECT_TRUE(window->Terminated());
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes.first().caption, QStringLiteral("Error"));
    EXPECT_FALSE(QFile::exists(folder.DatabasePath()));
}

TEST_F(MainWindowTest, SortByNameTogglesBetweenNameAndTableOrder)
{
    folder.Insert({Contact(QStringLiteral("K1"), QStringLiteral("carol")), Contact(QStringLiteral("K2"), QStringLiteral("Ann")),
                   Contact(QStringLiteral("K3"), QStringLiteral("bob"))});
    Open();
    EXPECT_EQ(ListedNames(), QStringList({QStringLiteral("Ann"), QStringLiteral("bob"), QStringLiteral("carol")}));
    Find<QAction>("SortbyName1")->trigger();
    EXPECT_FALSE(Find<QAction>("SortbyName1")->isChecked());
    EXPECT_EQ(ListedNames(), QStringList({QStringLiteral("carol"), QStringLiteral("Ann"), QStringLiteral("bob")}));
    EXPECT_EQ(Find<TCodeListBox>("lstContact")->Codes(),
              QStringList({QStringLiteral("K1"), QStringLiteral("K2"), QStringLiteral("K3")}));
    EXPECT_EQ(Find<TCodeListBox>("lstContact")->ItemIndex(), -1);
    Find<QAction>("SortbyName1")->trigger();
    EXPECT_EQ(ListedNames(), QStringList({QStringLiteral("Ann"), QStringLiteral("bob"), QStringLiteral("carol")}));
}

TEST_F(MainWindowTest, StayOnTopIsToggledByItsMenuItem)
{
    Open();
    window->show();
    Find<QAction>("StayonTop1")->trigger();
    EXPECT_FALSE(window->StayOnTop());
    EXPECT_TRUE(window->isVisible());
    Find<QAction>("StayonTop1")->trigger();
    EXPECT_TRUE(window->StayOnTop());
}

TEST_F(MainWindowTest, EnterMovesTheFocusBetweenSearchAndList)
{
    folder.Insert({Contact(QStringLiteral("K1"), QStringLiteral("Ann"))});
    Open();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget *search = Find("edtSearch");
    QWidget *list = Find("lstContact");
    ASSERT_EQ(QApplication::focusWidget(), search);
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), search);
}

TEST_F(MainWindowTest, ExitClosesTheWindow)
{
    Open();
    window->show();
    Find<QToolButton>("tbExit")->click();
    EXPECT_FALSE(window->isVisible());
}
