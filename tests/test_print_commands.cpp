#include "ContactsFile.h"
#include "print/PainterSurface.h"
#include "store/Uni_DM.h"
#include "tests/Fixtures.h"
#include "tests/PrintRecorder.h"
#include "ui/main/CodeListBox.h"
#include "ui/main/Uni_Main.h"

#include <QAction>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QStringList Labels = {"    Name:",   "    Address:", "    Home 1:",   "    Home 2:",
                            "    Fax:",    "    Biz 1:",   "    Biz 2:",    "    Fax:",
                            "    Web site:", "    EMail 1:", "    EMail 2:", "    Notes:"};
const QStringList Columns = {"contactname", "address", "home1", "home2", "fax1", "biz1",
                             "biz2",        "fax2",    "website", "email1", "email2", "notes"};

// Every column filled with a text that names its contact and its column.
Row FullContact(const QString &key, const QString &name)
{
    Row row = Contact(key, name);
    for (const QString &column : Columns.mid(1))
        row.insert(column, name + QLatin1Char(' ') + column);
    return row;
}

// The twelve lines of a contact as the recording surface sees them: one drawn text each.
QStringList Block(const Row &row)
{
    QStringList lines;
    for (int i = 0; i < Labels.size(); ++i)
        lines << Labels.at(i) + row.value(Columns.at(i));
    return lines;
}

class PrintCommandsTest : public ::testing::Test {
protected:
    void Open() { window = std::make_unique<Tfrm_Main>(folder.Folder()); }
    QAction *Item(const char *name) const { return window->findChild<QAction *>(QString::fromLatin1(name)); }
    TCodeListBox *List() const { return window->findChild<TCodeListBox *>(QStringLiteral("lstContact")); }
    void Search(const QString &text) const
    {
        window->findChild<QLineEdit *>(QStringLiteral("edtSearch"))->setText(text);
    }

    BoxRecorder boxes;
    ContactsFolder folder;
    TDM_Main module;
    std::unique_ptr<Tfrm_Main> window;
};

const QString Heading = QStringLiteral("    Contacts");

} // namespace

TEST_F(PrintCommandsTest, PrintAllPrintsEveryContactInTableOrderWhileTheListIsSorted)
{
    const Row carol = FullContact("K1", "carol");
    const Row ann = FullContact("K2", "Ann");
    const Row bob = Contact("K3", "bob"); // only a name: eleven lines hold only their labels
    folder.Insert({carol, ann, bob});
    Open();
    RecordingPrinter printer;
    Item("PrintAll1")->trigger();

    EXPECT_EQ(printer.record.Texts(), QStringList{Heading} + Block(carol) + Block(ann) + Block(bob));
    EXPECT_EQ(printer.record.jobsEnded, 1);
    // An empty line after the heading and after each block; text lines advance by 22.
    const QList<PrintRecord::Text> &texts = printer.record.texts;
    EXPECT_EQ(texts.at(1).at, QPoint(0, 22 + 20)) << "the first name";
    EXPECT_EQ(texts.at(13).at, QPoint(0, 42 + 12 * 22 + 20)) << "the second name";
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(PrintCommandsTest, PrintsInTheWindowsFaceAtTwelvePointsInTheWindowTextColour)
{
    folder.Insert({Contact("K1", "Ann")});
    Open();
    RecordingPrinter printer;
    Item("PrintAll1")->trigger();
    EXPECT_EQ(printer.record.font.family(), window->font().family());
    EXPECT_EQ(printer.record.font.family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(printer.record.font.pointSize(), 12);
    EXPECT_EQ(printer.record.color, window->palette().color(QPalette::WindowText));
}

TEST_F(PrintCommandsTest, PrintSelectedPrintsTheDisplayedContactUnderTheHeading)
{
    const Row ann = FullContact("K1", "Ann");
    const Row bob = FullContact("K2", "Bob");
    folder.Insert({ann, bob});
    Open();
    Search("bo");
    RecordingPrinter printer;
    Item("PrintSelected1")->trigger();
    EXPECT_EQ(printer.record.Texts(), QStringList{Heading} + Block(bob));
}

TEST_F(PrintCommandsTest, PrintSelectedOfAContactRemovedMeanwhilePrintsTheHeadingAlone)
{
    folder.Insert({Contact("K1", "Ann"), Contact("K2", "Bob")});
    Open();
    folder.Exec("delete from contacts where pkcontact='K1'");
    Search("ann"); // still listed, its row gone: nothing is displayed
    ASSERT_EQ(List()->GetSelectedCodes(), QStringLiteral("K1"));
    ASSERT_TRUE(window->DisplayedContactKey().isEmpty());
    RecordingPrinter printer;
    Item("PrintSelected1")->trigger();
    EXPECT_EQ(printer.record.Texts(), QStringList{Heading});
    EXPECT_EQ(printer.record.jobsEnded, 1);
}

TEST_F(PrintCommandsTest, PrintSelectedWithoutASelectionAsksForOneAndPrintsNothing)
{
    folder.Insert({Contact("K1", "Ann")});
    Open();
    RecordingPrinter printer;
    Item("PrintSelected1")->trigger();
    EXPECT_EQ(boxes.Texts(), QStringList{"Please select a contact to print."});
    EXPECT_EQ(boxes.boxes.first().kind, BoxKind::Info);
    EXPECT_EQ(printer.record.jobsBegun, 0);
}

TEST_F(PrintCommandsTest, AnEmptyListPrintsNothingAndSaysNothing)
{
    Open();
    RecordingPrinter printer;
    Item("PrintAll1")->trigger();
    Item("PrintSelected1")->trigger();
    EXPECT_EQ(printer.record.jobsBegun, 0);
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(PrintCommandsTest, ABlockThatDoesNotFitGoesOnOnTheNextPage)
{
    const Row ann = FullContact("K1", "Ann");
    const Row bob = FullContact("K2", "Bob");
    folder.Insert({ann, bob});
    Open();
    // The page of 500 breaks after the line that ends at 22 + 20 + 12 * 22 + 20 + 6 * 22 = 458,
    // beyond 500 - 2 * 22: nineteen lines of text on the first page.
    RecordingPrinter printer(QSize(2000, 500));
    Item("PrintAll1")->trigger();
    const QStringList all = QStringList{Heading} + Block(ann) + Block(bob);
    ASSERT_EQ(printer.record.pages, 2);
    EXPECT_EQ(printer.record.PageTexts().at(0), all.mid(0, 19));
    EXPECT_EQ(printer.record.PageTexts().at(1), all.mid(19));
    EXPECT_EQ(printer.record.PageTexts().at(1).first(), Labels.at(6) + bob.value("biz2"));
    EXPECT_EQ(printer.record.texts.at(19).at, QPoint(0, 0));
}

TEST_F(PrintCommandsTest, TenThousandContactsArePrintedInFullOnFilledPages)
{
    QList<Row> rows;
    for (int i = 0; i < 10000; ++i)
        rows << Contact(QStringLiteral("K%1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("Contact %1").arg(i));
    folder.Insert(rows);
    Open();
    const QSize page(2000, 1000);
    RecordingPrinter printer(page);
    Item("PrintAll1")->trigger();

    QStringList all{Heading};
    for (const Row &row : rows)
        all << Block(row);
    EXPECT_EQ(printer.record.Texts(), all);
    const QList<QStringList> pages = printer.record.PageTexts();
    ASSERT_GT(pages.size(), 2);
    for (int i = 0; i < pages.size(); ++i)
        EXPECT_FALSE(pages.at(i).isEmpty()) << "page " << i + 1;
    for (const PrintRecord::Text &text : printer.record.texts)
        ASSERT_LE(text.at.y() + FixedMetricsSurface::TextHeight, page.height());
    // Every page but the last is filled down to its last two line heights.
    int lowest = 0;
    for (int i = 0; i + 1 < printer.record.texts.size(); ++i) {
        const PrintRecord::Text &text = printer.record.texts.at(i);
        lowest = std::max(lowest, text.at.y());
        if (printer.record.texts.at(i + 1).page != text.page) {
            EXPECT_GT(lowest + 22 + 20, page.height() - 2 * 22) << "page " << text.page;
            lowest = 0;
        }
    }
}

TEST_F(PrintCommandsTest, ASecondPrintoutDuringTheFirstIsRefusedAndTheFirstGoesOn)
{
    QList<Row> rows;
    for (int i = 0; i < 5; ++i)
        rows << FullContact(QStringLiteral("K%1").arg(i), QStringLiteral("name %1").arg(i));
    folder.Insert(rows);
    Open();
    RecordingPrinter printer(QSize(2000, 500));
    // Chosen while the first printout is being written: it runs when the first page is done.
    QTimer::singleShot(0, window.get(), [this] { Item("PrintSelected1")->trigger(); });
    QTimer::singleShot(0, window.get(), [this] { Item("PrintAll1")->trigger(); });
    Item("PrintAll1")->trigger();

    EXPECT_EQ(boxes.Texts(), QStringList({"Please select a contact to print.", "Printing in progress."}));
    EXPECT_EQ(boxes.boxes.last().kind, BoxKind::ErrorReport);
    EXPECT_EQ(printer.record.jobsBegun, 1);
    EXPECT_EQ(printer.record.jobsEnded, 1);
    QStringList all{Heading};
    for (const Row &row : rows)
        all << Block(row);
    EXPECT_EQ(printer.record.Texts(), all);
}

TEST_F(PrintCommandsTest, AFailingStatementIsReportedAndTheBegunJobIsEnded)
{
    folder.Insert({Contact("K1", "Ann")});
    Open();
    folder.Exec("drop table contacts");
    RecordingPrinter printer;
    Item("PrintAll1")->trigger();
    EXPECT_EQ(boxes.Texts(), QStringList{"no such table: contacts."});
    EXPECT_EQ(printer.record.jobsBegun, 1);
    EXPECT_EQ(printer.record.jobsEnded, 1);
    EXPECT_TRUE(printer.record.texts.isEmpty());

    // Nothing was left open: the next printout goes through.
    folder.Exec(QString::fromLatin1(ContactsTableSql));
    folder.Insert({Contact("K1", "Ann")});
    Item("PrintAll1")->trigger();
    EXPECT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(printer.record.Texts(), QStringList{Heading} + Block(Contact("K1", "Ann")));
}

TEST_F(PrintCommandsTest, WithoutADefaultPrinterTheMessageIsShownAndNothingElseHappens)
{
    folder.Insert({Contact("K1", "Ann")});
    Open();
    QTemporaryDir nowhere; // no scheduler answers on a socket here
    const CupsServerOverride server(nowhere.filePath("cups.sock"));
    Item("PrintAll1")->trigger();
    EXPECT_EQ(boxes.Texts(), QStringList{"There is no default printer currently selected."});
    EXPECT_EQ(boxes.boxes.first().kind, BoxKind::ErrorReport);
    EXPECT_TRUE(DM_Main->qry_Tmp.SQL().isEmpty()) << "the statement ran";
}

TEST_F(PrintCommandsTest, APrinterThatGivesNoDrawingSurfaceIsReportedAndNothingElseHappens)
{
    folder.Insert({Contact("K1", "Ann")});
    Open();
    QPrinter broken; // writes a PDF file into a folder that does not exist
    broken.setOutputFormat(QPrinter::PdfFormat);
    broken.setOutputFileName(folder.Folder() + "/missing/out.pdf");
    SetPrintSurfaceFactory([&broken](const QString &name) { return std::make_unique<PainterSurface>(broken, name); });
    Item("PrintAll1")->trigger();
    SetPrintSurfaceFactory({});
    EXPECT_EQ(boxes.Texts(), QStringList{"Printer selected is not valid."});
    EXPECT_TRUE(DM_Main->qry_Tmp.SQL().isEmpty()) << "the statement ran";
}
