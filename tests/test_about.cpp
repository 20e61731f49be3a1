#include "tests/Seams.h"
#include "ui/about/Uni_About.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    template <typename T = QWidget>
    T *Find(const char *name) const
    {
        T *found = about.findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLabel *Link() const { return Find<QLabel>("Label9"); }

    Tfrm_About about;
};

} // namespace

TEST_F(AboutBoxTest, StandsAsItsLayoutSays)
{
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Abount Pelmora"));
    EXPECT_EQ(about.size(), QSize(329, 193));
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "not resizable";
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const struct {
        const char *name;
        QRect geometry; // an empty size: a label as large as its text
        const char *text;
    } layout[] = {
        {"Image1", {8, 12, 32, 32}, nullptr},
        {"Label3", {65, 4, 0, 0}, "Pelmora"},
        {"Label4", {65, 37, 0, 0}, "Version:1.1(Build 11.15)"},
        {"Label5", {65, 56, 199, 26}, nullptr},
        {"Label2", {8, 90, 0, 0}, "    This program is designed to help you organize your Contacts."},
        {"Label8", {8, 120, 0, 0}, "Technical Support :"},
        {"Label9", {8, 136, 0, 0}, "support@pelmora.example"},
        {"Bevel1", {0, 159, 328, 3}, nullptr},
        {"btnOK", {224, 165, 95, 25}, "OK"},
    };
    for (const auto &control : layout) {
        QWidget *widget = Find(control.name);
        if (control.geometry.isEmpty())
            EXPECT_EQ(widget->pos(), control.geometry.topLeft()) << control.name;
        else
            EXPECT_EQ(widget->geometry(), control.geometry) << control.name;
        EXPECT_LE(widget->geometry().right(), about.width()) << control.name;
        if (!control.text)
            continue;
        const QString text = QString::fromLatin1(control.text);
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            EXPECT_EQ(label->text(), text);
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(text)) << control.name;
        } else {
            EXPECT_EQ(static_cast<QPushButton *>(widget)->text(), text);
        }
    }
    EXPECT_EQ(Find<QLabel>("Label3")->font().pixelSize(), 19);
    EXPECT_EQ(Find<QLabel>("Label4")->font().pixelSize(), 11);
    const QLabel *notice = Find<QLabel>("Label5");
    const QStringList lines = notice->text().split(QLatin1Char('\n'));
    EXPECT_EQ(lines.size(), 2);
    for (const QString &line : lines)
        EXPECT_LE(notice->fontMetrics().horizontalAdvance(line), notice->width()) << line.toStdString();
    EXPECT_LE(2 * notice->fontMetrics().height(), notice->height());
    EXPECT_EQ(Find<QFrame>("Bevel1")->frameShape(), QFrame::HLine);
    EXPECT_TRUE(Find<QPushButton>("btnOK")->isDefault());
}

TEST_F(AboutBoxTest, TheSupportAddressIsABlueLinkUnderlinedWhileTheMouseIsOverIt)
{
    about.show();
    QLabel *link = Link();
    EXPECT_EQ(link->toolTip(), Tfrm_About::SupportAddress);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QFont bold = link->font();
    bold.setBold(true);
    link->setFont(bold);
    const QColor blue(0, 0, 255);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), blue);
    EXPECT_FALSE(link->font().underline());

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), link->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(link, &move);
    EXPECT_TRUE(link->font().underline());
    EXPECT_TRUE(link->font().bold()) << "the other style flags stay";
    EXPECT_EQ(link->palette().color(QPalette::WindowText), blue);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_FALSE(link->font().underline());
    EXPECT_TRUE(link->font().bold());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), blue);
}

TEST_F(AboutBoxTest, ClickingTheSupportAddressStartsAMessageAboutPelmora)
{
    ShellRecorder shell;
    about.show();
    QTest::mouseClick(Link(), Qt::LeftButton);
    ASSERT_EQ(shell.requests.size(), 1);
    EXPECT_EQ(shell.requests.first().file, QStringLiteral("mailto:support@pelmora.example?subject=Pelmora"));
    EXPECT_EQ(shell.requests.first().operation, QStringLiteral("open"));
    EXPECT_EQ(shell.requests.first().showCommand, SW_SHOWNORMAL);
    EXPECT_EQ(shell.requests.first().owner, &about);
}

TEST(AboutBoxClosingTest, OkAndEnterCloseWithOkTheCloseBoxWithCancelEscapeNothing)
{
    const struct {
        const char *how;
        std::function<void(Tfrm_About &)> close;
        int result;
    } cases[] = {
        {"OK", [](Tfrm_About &about) { QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton); }, mrOk},
        {"Enter", [](Tfrm_About &about) { QTest::keyClick(&about, Qt::Key_Return); }, mrOk},
        {"close box", [](Tfrm_About &about) { about.close(); }, mrCancel},
    };
    for (const auto &c : cases) {
        Tfrm_About about;
        about.show();
        QApplication::setActiveWindow(&about);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(&about, Qt::Key_Escape);
        EXPECT_TRUE(about.isVisible()) << "Escape, before " << c.how;
        c.close(about);
        EXPECT_FALSE(about.isVisible()) << c.how;
        EXPECT_EQ(about.result(), c.result) << c.how;
    }
}
