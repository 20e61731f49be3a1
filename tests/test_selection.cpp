#include "tests/MainWindowFixture.h"

#include <QAction>
#include <QPlainTextEdit>

namespace {

class SelectionTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        Row ann = Contact(QStringLiteral("K-ANN"), QStringLiteral("Anna"));
        ann.insert(QStringLiteral("address"), QStringLiteral("1 High St\r\nTown"));
        ann.insert(QStringLiteral("email1"), QStringLiteral("anna@example.org"));
        ann.insert(QStringLiteral("notes"), QStringLiteral("likes tea"));
        folder.Insert({Contact(QStringLiteral("K-ZED"), QStringLiteral("zed")), ann,
                       Contact(QStringLiteral("K-AND"), QStringLiteral("andrew smith")),
                       Contact(QStringLiteral("K-BLANK"), QStringLiteral(" Anne")),
                       Contact(QStringLiteral("K-ANT"), QStringLiteral("Ant"))});
        OpenShown();
    }
    void ClickRow(int row)
    {
        const QRect rect = List()->visualRect(List()->model()->index(row, 0));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void Search(const QString &text)
    {
        auto *search = Find<QLineEdit>("edtSearch");
        search->clear();
        QTest::keyClicks(search, text);
    }
};

} // namespace

TEST_F(SelectionTest, ClickingAndArrowKeysShowTheContactAndItsPlace)
{
    ASSERT_EQ(ListedNames(), QStringList({QStringLiteral(" Anne"), QStringLiteral("andrew smith"), QStringLiteral("Anna"),
                                          QStringLiteral("Ant"), QStringLiteral("zed")}));
    ClickRow(2);
    EXPECT_EQ(window->DisplayedContactKey(), QStringLiteral("K-ANN"));
    EXPECT_EQ(Field("edtName"), QStringLiteral("Anna"));
    EXPECT_EQ(Find<QPlainTextEdit>("memAddress")->toPlainText(), QStringLiteral("1 High St\nTown"));
    EXPECT_EQ(Field("edtMail1"), QStringLiteral("anna@example.org"));
    EXPECT_EQ(Find<QPlainTextEdit>("memNotes")->toPlainText(), QStringLiteral("likes tea"));
    EXPECT_EQ(Panel(0), QStringLiteral("Anna"));
    EXPECT_EQ(Panel(1), QStringLiteral("Record 3"));

    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Down);
    EXPECT_EQ(window->DisplayedContactKey(), QStringLiteral("K-ANT"));
    EXPECT_EQ(Field("edtMail1"), QString()) << "fields of the previous contact are cleared";
    EXPECT_EQ(Panel(1), QStringLiteral("Record 4"));

    QTest::keyClick(List(), Qt::Key_Z);
    EXPECT_EQ(Field("edtName"), QStringLiteral("zed")) << "typing a letter in the list";
    QTest::keyClick(List(), Qt::Key_PageUp);
    EXPECT_EQ(Panel(1), QStringLiteral("Record 1"));
}

TEST_F(SelectionTest, TypingPicksTheFirstNameThatBeginsWithTheText)
{
    const struct {
        const char *typed;
        const char *shown; // empty: nothing selected
    } cases[] = {
        {"a", "andrew smith"},  {"AN", "andrew smith"}, {"ann", "Anna"},     {"ANN  ", "Anna"},  {"  ant", "Ant"},
        {"antelope", ""},       {"smith", ""},          {"Anne", ""},        {"   ", ""},         {"z", "zed"},
    };
    for (const auto &c : cases) {
        Search(QString::fromUtf8(c.typed));
        const QString expected = QString::fromUtf8(c.shown);
        EXPECT_EQ(Field("edtName"), expected) << "typed '" << c.typed << "'";
        EXPECT_EQ(List()->ItemIndex() >= 0, !expected.isEmpty()) << c.typed;
        EXPECT_EQ(Panel(0), expected) << c.typed;
        if (expected.isEmpty()) {
            EXPECT_EQ(Panel(1), QString()) << c.typed;
        }
    }
    EXPECT_EQ(List()->count(), 5) << "the list is never filtered";
    EXPECT_EQ(QApplication::focusWidget(), Find("edtSearch"));
}

TEST_F(SelectionTest, SearchFollowsTheListsCurrentOrder)
{
    Find<QAction>("SortbyName1")->trigger();
    Search(QStringLiteral("an"));
    EXPECT_EQ(Field("edtName"), QStringLiteral("Anna")) << "unsorted, Anna comes before andrew smith";
}

TEST_F(SelectionTest, SortingKeepsTheShownContactAtItsNewPlace)
{
    Search(QStringLiteral("zed"));
    EXPECT_EQ(Panel(1), QStringLiteral("Record 5"));
    Find<QAction>("SortbyName1")->trigger();
    EXPECT_EQ(window->DisplayedContactKey(), QStringLiteral("K-ZED"));
    EXPECT_EQ(List()->ItemIndex(), 0);
    EXPECT_EQ(Panel(1), QStringLiteral("Record 1"));
}

TEST_F(SelectionTest, AContactDeletedElsewhereShowsEmptyFieldsAndItsPlace)
{
    folder.Exec(QStringLiteral("delete from contacts where pkcontact='K-ANN'"));
    ClickRow(2);
    EXPECT_EQ(window->DisplayedContactKey(), QString());
    EXPECT_EQ(Field("edtName"), QString());
    EXPECT_EQ(Panel(0), QString());
    EXPECT_EQ(Panel(1), QStringLiteral("Record 3"));
}

TEST_F(SelectionTest, AFailingSelectLeavesTheDetailsClearedAndIsReported)
{
    ClickRow(2);
    folder.Exec(QStringLiteral("alter table contacts rename to gone"));
    ClickRow(3);
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("no such table: contacts.")}));
    EXPECT_EQ(window->DisplayedContactKey(), QString());
    EXPECT_EQ(Field("edtName"), QString());
    EXPECT_EQ(Panel(1), QString());
}
