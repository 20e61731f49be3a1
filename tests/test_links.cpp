#include "store/Errors.h"
#include "store/Shell.h"
#include "store/Uni_DM.h"
#include "tests/Fixtures.h"
#include "tests/MainWindowFixture.h"
#include "tests/Seams.h"
#include "ui/LinkCommands.h"
#include "ui/about/Uni_About.h"
#include "ui/main/Uni_Main.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QString NotAWebAddress = QStringLiteral("Not a valid web address.");
const QString NotAnEmailAddress = QStringLiteral("Not a valid email address.");

} // namespace

TEST(LinkChecksTest, WebAndMailTextsAreHandedOverOnlyWhenTheirCheckPasses)
{
    const struct {
        const char *text;
        bool web;
        bool mail;
    } cases[] = {
        {"http://example.org", true, true},
        {"HtTp:x", true, false},
        {"http:", true, false},
        {"http", false, false},
        {"https://example.org", false, true},
        {"   http://example.org", true, true},
        {"\t\r\nhttp:x", true, false},
        {"www.example.org", false, true},
        {"ann@host", false, true},
        {"example.org", false, true},
        {"   ", false, false},
        {"", false, false},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromLatin1(c.text);
        BoxRecorder boxes;
        ShellRecorder shell;
        EXPECT_EQ(OpenWebSite(nullptr, text), c.web) << c.text;
        EXPECT_EQ(SendEmailTo(nullptr, text), c.mail) << c.text;
        QStringList handed;
        QStringList messages;
        (c.web ? handed : messages) << (c.web ? text : NotAWebAddress);
        (c.mail ? handed : messages) << (c.mail ? QStringLiteral("mailto:") + text : NotAnEmailAddress);
        EXPECT_EQ(shell.Files(), handed) << c.text;
        EXPECT_EQ(boxes.Texts(), messages) << c.text;
        for (const BoxRecorder::Box &box : boxes.boxes)
            EXPECT_EQ(box.caption, QStringLiteral("Information"));
        for (const ShellRecorder::Request &request : shell.requests) {
            EXPECT_EQ(request.operation, QStringLiteral("open"));
            EXPECT_EQ(request.showCommand, SW_SHOWNORMAL);
        }
    }
}

TEST(LinkChecksTest, AnAddressCannotAddHeadersRecipientsOrAttachmentsToItsLink)
{
    const struct {
        QString address;
        QString link;
    } cases[] = {
        {QStringLiteral("someone@example.org?attach=/home/user/.ssh/id_rsa"),
         QStringLiteral("mailto:someone@example.org%3Fattach=/home/user/.ssh/id_rsa")},
        {QStringLiteral("a@b.c?bcc=x@y.z&body=Hello"), QStringLiteral("mailto:a@b.c%3Fbcc=x@y.z%26body=Hello")},
        {QStringLiteral("a@b.c#top"), QStringLiteral("mailto:a@b.c%23top")},
        {QStringLiteral("a%3Fb@c.d"), QStringLiteral("mailto:a%253Fb@c.d")},
        {QStringLiteral("a@b.c\r\nBcc: x@y.z"), QStringLiteral("mailto:a@b.c%0D%0ABcc: x@y.z")},
        {QStringLiteral("\ta@b.c\x7f"), QStringLiteral("mailto:%09a@b.c%7F")},
        {QStringLiteral("a@b.c") + QChar(0x85), QStringLiteral("mailto:a@b.c%C2%85")},
        {QStringLiteral(" Zoë O'Brien <zoë@example.org>; a=b, c/d "),
         QStringLiteral("mailto: Zoë O'Brien <zoë@example.org>; a=b, c/d ")},
    };
    for (const auto &c : cases) {
        const QString link = MailtoLink(c.address);
        EXPECT_EQ(link, c.link) << c.address.toStdString();
        // What a mail program decodes is exactly the address, and nothing after it.
        EXPECT_EQ(QUrl::fromPercentEncoding(link.mid(7).toUtf8()), c.address);
        for (const QChar start : {QLatin1Char('?'), QLatin1Char('&'), QLatin1Char('#')})
            EXPECT_FALSE(link.contains(start)) << link.toStdString();
    }
}

TEST(LinkChecksTest, TheHelpFileIsOpenedMaximisedFromBesideTheProgramWhetherThereOrNot)
{
    ShellRecorder shell;
    BoxRecorder boxes;
    OpenHelp(nullptr);
    ASSERT_EQ(shell.requests.size(), 1);
    EXPECT_EQ(shell.requests.first().file, QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Pelmora.chm")));
    EXPECT_FALSE(QFile::exists(shell.requests.first().file)) << "the tests run where no help file lies";
    EXPECT_EQ(shell.requests.first().operation, QStringLiteral("open"));
    EXPECT_EQ(shell.requests.first().showCommand, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(HelpFileTest, TheBuildPutsTheCompiledHelpWithEveryPageBesideTheProgram)
{
    QFile placed(QStringLiteral(PELMORA_PROGRAM_DIR "/Pelmora.chm"));
    ASSERT_TRUE(placed.open(QIODevice::ReadOnly)) << placed.fileName().toStdString();
    const QByteArray help = placed.readAll();
    EXPECT_TRUE(help.startsWith("ITSF")) << "a compiled help file";
    QFile committed(QStringLiteral(PELMORA_HELP_SOURCES "/Pelmora.chm"));
    ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(help == committed.readAll()) << "the copy beside the program is the committed file";
    const QStringList pages =
        QDir(QStringLiteral(PELMORA_HELP_SOURCES)).entryList({QStringLiteral("*.html"), QStringLiteral("*.css")});
    EXPECT_GE(pages.size(), 2);
    for (const QString &page : pages)
        EXPECT_TRUE(help.contains("/" + page.toUtf8())) << page.toStdString() << " is compiled into the help file";
}

// The real opener, with a stand-in xdg-open first on PATH that writes down what it was given.
TEST(DesktopOpenerTest, TheTextReachesTheOpenerExactlyAsItsOneArgument)
{
    QTemporaryDir bin;
    const QString record = bin.filePath(QStringLiteral("record"));
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write(QStringLiteral("#!/bin/sh\n{ printf '%s\\n' \"$#\"; printf '%s' \"$1\"; } > '%1.part' && mv '%1.part' '%1'\n")
                     .arg(record)
                     .toUtf8());
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    const auto restorePath = qScopeGuard([&path] { qputenv("PATH", path); });

    const QString text = QStringLiteral("mailto: a b'\"$(touch pwned);`id` && echo *|y>z\t%3F@example.org");
    ShellExecute(nullptr, QStringLiteral("open"), text, SW_SHOWNORMAL);

    // The opener runs on its own; wait for it to have written its record.
    const QDeadlineTimer deadline(30000);
    while (!QFile::exists(record) && !deadline.hasExpired())
        QTest::qWait(20);
    QFile recorded(record);
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly)) << "the stand-in opener never ran";
    EXPECT_EQ(recorded.readLine(), QByteArray("1\n"));
    EXPECT_EQ(QString::fromUtf8(recorded.readAll()), text);
}

namespace {

class MainWindowLinksTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        Row contact = Contact(QStringLiteral("K1"), QStringLiteral("Ann"));
        contact.insert(QStringLiteral("website"), QStringLiteral(" http://Example.org/?q=a b"));
        contact.insert(QStringLiteral("email1"), QStringLiteral(" Ann@example.org "));
        contact.insert(QStringLiteral("email2"), QStringLiteral("ann@example.net?bcc=x@y.z"));
        folder.Insert({contact});
        OpenShown();
    }
    void ShowAnn() { window->findChild<QLineEdit *>(QStringLiteral("edtSearch"))->setText(QStringLiteral("Ann")); }
    // A menu item is chosen, a button is clicked.
    void Run(const char *name)
    {
        if (auto *item = window->findChild<QAction *>(QLatin1String(name)))
            item->trigger();
        else if (auto *button = window->findChild<QPushButton *>(QLatin1String(name)))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            ADD_FAILURE() << "no command " << name;
    }

    ShellRecorder shell;
};

} // namespace

TEST_F(MainWindowLinksTest, EachCommandHandsTheDesktopTheDisplayedContactsText)
{
    ShowAnn();
    const QString web = QStringLiteral(" http://Example.org/?q=a b");
    const QString firstAddress = QStringLiteral("mailto: Ann@example.org ");
    const struct {
        const char *command;
        QString file;
        int showCommand;
    } cases[] = {
        {"GotoWebSite1", web, SW_SHOWNORMAL},
        {"btnWeb", web, SW_SHOWNORMAL},
        {"SendEMail1", firstAddress, SW_SHOWNORMAL},
        {"btnEMail1", firstAddress, SW_SHOWNORMAL},
        {"btnEMail2", firstAddress, SW_SHOWNORMAL},
        {"SendEmail21", QStringLiteral("mailto:ann@example.net%3Fbcc=x@y.z"), SW_SHOWNORMAL},
        {"Content1", HelpFilePath(), SW_SHOWMAXIMIZED},
    };
    for (const auto &c : cases) {
        shell.requests.clear();
        Run(c.command);
        ASSERT_EQ(shell.requests.size(), 1) << c.command;
        const ShellRecorder::Request &request = shell.requests.first();
        EXPECT_EQ(request.file, c.file) << c.command;
        EXPECT_EQ(request.showCommand, c.showCommand) << c.command;
        EXPECT_EQ(request.operation, QStringLiteral("open"));
        EXPECT_EQ(request.owner, window.get());
    }
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(MainWindowLinksTest, WithNoContactShownEachCheckComplainsAndTheFocusStays)
{
    QWidget *search = window->findChild<QWidget *>(QStringLiteral("edtSearch"));
    ASSERT_EQ(QApplication::focusWidget(), search);
    const struct {
        const char *command;
        QString message;
    } cases[] = {
        {"GotoWebSite1", NotAWebAddress}, {"btnWeb", NotAWebAddress},         {"SendEMail1", NotAnEmailAddress},
        {"btnEMail1", NotAnEmailAddress}, {"btnEMail2", NotAnEmailAddress}, {"SendEmail21", NotAnEmailAddress},
    };
    for (const auto &c : cases) {
        boxes.boxes.clear();
        Run(c.command);
        EXPECT_EQ(boxes.Texts(), QStringList{c.message}) << c.command;
        EXPECT_EQ(QApplication::focusWidget(), search) << c.command;
    }
    EXPECT_TRUE(shell.requests.isEmpty());
}

TEST_F(MainWindowLinksTest, TheAboutBoxLivesWhileShownAndTakesTheWindowsStayOnTopStyle)
{
    for (const bool stayOnTop : {true, false}) {
        if (window->StayOnTop() != stayOnTop)
            window->findChild<QAction *>(QStringLiteral("StayonTop1"))->trigger();
        QPointer<QDialog> shown;
        bool ran = false;
        {
            ModalScript script([&](QDialog *dialog) {
                ran = true;
                shown = dialog;
                EXPECT_EQ(frm_About, dialog);
                EXPECT_EQ(dialog->parent(), nullptr);
                EXPECT_EQ(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint), stayOnTop);
                dialog->show();
                QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton);
                return dialog->result();
            });
            Run("About1");
        }
        EXPECT_TRUE(ran) << "the box was shown";
        EXPECT_TRUE(shown.isNull()) << "the box is deleted once closed";
        EXPECT_EQ(frm_About, nullptr);
    }
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(MainWindowLinksTest, TheAboutBoxIsDeletedWhenAnErrorEscapesItsShowing)
{
    QPointer<QDialog> shown;
    bool ran = false;
    {
        ModalScript script([&](QDialog *dialog) -> int {
            ran = true;
            shown = dialog;
            throw PelmoraError(QStringLiteral("The display went away"));
        });
        Run("About1");
    }
    EXPECT_TRUE(ran);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("The display went away.")});
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(frm_About, nullptr);
}
