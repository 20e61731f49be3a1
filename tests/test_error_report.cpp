#include "store/ErrorReport.h"
#include "store/Errors.h"
#include "store/Uni_Function.h"
#include "tests/Fixtures.h"

#include <gtest/gtest.h>

TEST(ErrorReport, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    const struct {
        const char *message;
        const char *shown;
    } cases[] = {
        {"no such table: contacts", "no such table: contacts."},
        {"error 42", "error 42."},
        {"Done.", "Done."},
        {"Printing in progress!", "Printing in progress!"},
        {"(see above)", "(see above)"},
        {"a-", "a-"},
        {"a/", "a/."},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WithFullStop(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown)) << c.message;
}

TEST(ErrorReport, TheGuardReportsAnEscapedErrorOnceAndCarriesOn)
{
    BoxRecorder boxes;
    bool after = false;
    RunGuarded([] { throw DatabaseError(QStringLiteral("database is locked")); });
    RunGuarded([&] { after = true; });
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes.first().kind, BoxKind::ErrorReport);
    EXPECT_EQ(boxes.boxes.first().caption, QStringLiteral("Pelmora"));
    EXPECT_EQ(boxes.boxes.first().text, QStringLiteral("database is locked."));
    EXPECT_TRUE(after);
}

TEST(ErrorReport, TheThreeBoxesCarryTheirCaptionsAndAQuestionIsYesOrNo)
{
    BoxRecorder boxes;
    boxes.answers = {IDNO, IDYES, 2};
    ShowInfo(QStringLiteral("i"));
    ShowError(QStringLiteral("e"));
    EXPECT_EQ(AskQuestion(QStringLiteral("q1")), IDNO);
    EXPECT_EQ(AskQuestion(QStringLiteral("q2")), IDYES);
    EXPECT_EQ(AskQuestion(QStringLiteral("q3")), IDNO) << "anything but Yes counts as No";
    ASSERT_EQ(boxes.boxes.size(), 5);
    EXPECT_EQ(boxes.boxes.at(0).caption, QStringLiteral("Information"));
    EXPECT_EQ(boxes.boxes.at(1).caption, QStringLiteral("Error"));
    EXPECT_EQ(boxes.boxes.at(2).caption, QStringLiteral("Question"));
}
