#include "print/PrinterTextDevice.h"
#include "tests/PrintRecorder.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

// The recording surface's metrics: every UTF-16 unit 10 wide, text and cell 20 high, so a
// line with text advances by 22, an empty line by 20, and tab stops lie at multiples of 80.

namespace {

using Text = PrintRecord::Text;

struct LayoutCase {
    const char *name;
    QSize page;
    QStringList lines; // each written as a line
    QList<Text> drawn;
};

void PrintLines(const QStringList &lines)
{
    PrinterTextDevice &printer = Printer();
    printer.Open();
    for (const QString &line : lines)
        printer.WriteLine(line);
    printer.Close();
}

const QList<LayoutCase> &LayoutCases()
{
    static const QList<LayoutCase> cases = {
        {"a value wider than the page breaks at the last character that fits",
         {200, 1000},
         {"abcdefghijklmnopqrstuvwxy"},
         {{1, {0, 0}, "abcdefghijklmnopqrst"}, {1, {0, 22}, "uvwxy"}}},
        {"a run that does not fit beside earlier text starts on the next line",
         {195, 1000},
         {"abcdefghijklmnopqrs\rxy"},
         {{1, {0, 0}, "abcdefghijklmnopqrs"}, {1, {0, 22}, "xy"}}},
        {"a character wider than the page stands alone on its line",
         {5, 1000},
         {"ab"},
         {{1, {0, 0}, "a"}, {1, {0, 22}, "b"}}},
        {"a character is never split, neither a surrogate pair nor a letter and its accent",
         {30, 1000},
         {QString::fromUtf8("ab\U0001F600c"), QString::fromUtf8("abe\u0301f")},
         {{1, {0, 0}, "ab"},
          {1, {0, 22}, QString::fromUtf8("\U0001F600c")},
          {1, {0, 44}, "ab"},
          {1, {0, 66}, QString::fromUtf8("e\u0301f")}}},
        {"an address of three lines goes on at the left edge",
         {1000, 1000},
         {"    Address:1 Main St\r\nFlat 2\r\nTown", "    Home 1:"},
         {{1, {0, 0}, "    Address:1 Main St"},
          {1, {0, 22}, "Flat 2"},
          {1, {0, 44}, "Town"},
          {1, {0, 66}, "    Home 1:"}}},
        {"a carriage return only ends the run",
         {1000, 1000},
         {"ab\rcd"},
         {{1, {0, 0}, "ab"}, {1, {20, 0}, "cd"}}},
        {"a tab moves to the next multiple of eight average widths beyond x + 1",
         {1000, 1000},
         {"ab\tcd", "abcdefg\tX", "abcdefgh\tY", "\tZ"},
         {{1, {0, 0}, "ab"},
          {1, {80, 0}, "cd"},
          {1, {0, 22}, "abcdefg"},
          {1, {80, 22}, "X"},
          {1, {0, 44}, "abcdefgh"},
          {1, {160, 44}, "Y"},
          {1, {80, 66}, "Z"}}},
        {"a tab past the right edge ends the line",
         {200, 1000},
         {"abcdefghijklmnopq\tZ"},
         {{1, {0, 0}, "abcdefghijklmnopq"}, {1, {0, 22}, "Z"}}},
        {"a form feed starts a new page at the top left corner",
         {1000, 1000},
         {"one\ftwo", "three"},
         {{1, {0, 0}, "one"}, {2, {0, 0}, "two"}, {2, {0, 22}, "three"}}},
        {"the page breaks after a text line that leaves less than two of its heights",
         {1000, 100},
         {"1", "2", "3", "4"},
         {{1, {0, 0}, "1"}, {1, {0, 22}, "2"}, {1, {0, 44}, "3"}, {2, {0, 0}, "4"}}},
        {"a long value breaks the page where one of its lines ends",
         {30, 100},
         {"abcdefghijkl"},
         {{1, {0, 0}, "abc"}, {1, {0, 22}, "def"}, {1, {0, 44}, "ghi"}, {2, {0, 0}, "jkl"}}},
        {"the page breaks after an empty line only below the printable area",
         {1000, 100},
         {"a", "", "", "", "", "b"},
         {{1, {0, 0}, "a"}, {2, {0, 0}, "b"}}},
        {"empty lines fill the page down to its bottom edge",
         {1000, 100},
         {"", "", "", "", "a"},
         {{1, {0, 80}, "a"}}},
        {"text that would reach below the printable area starts the next page",
         {1000, 100},
         {"", "", "", "", "", "\ta"},
         {{2, {80, 0}, "a"}}},
    };
    return cases;
}

} // namespace

TEST(PrinterTextDeviceTest, LaysTextOutByTheLineRules)
{
    for (const LayoutCase &layout : LayoutCases()) {
        SCOPED_TRACE(layout.name);
        RecordingPrinter printer(layout.page);
        PrintLines(layout.lines);
        EXPECT_EQ(printer.record.texts, layout.drawn);
        EXPECT_EQ(printer.record.jobsEnded, 1);
    }
}

TEST(PrinterTextDeviceTest, ASecondJobIsRefusedWhileOneIsOpenAndTheFirstGoesOn)
{
    RecordingPrinter printer(QSize(1000, 1000));
    PrinterTextDevice &device = Printer();
    device.Open();
    device.WriteLine(QStringLiteral("first"));
    try {
        device.Open();
        ADD_FAILURE() << "a second job was begun";
    } catch (const PrinterError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Printing in progress"));
    }
    EXPECT_TRUE(device.IsOpen());
    device.WriteLine(QStringLiteral("second"));
    device.Close();
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(printer.record.jobsBegun, 1);
    EXPECT_EQ(printer.record.texts, (QList<Text>{{1, {0, 0}, "first"}, {1, {0, 22}, "second"}}));

    // The next job starts over at the top left corner of its first page.
    PrintLines({QStringLiteral("\fagain")});
    EXPECT_EQ(printer.record.jobsBegun, 2);
    EXPECT_EQ(printer.record.texts, (QList<Text>{{2, {0, 0}, "again"}}));
}

// Hostile values are printed whole by the same rules: every character drawn once, in order,
// every piece within the page, and the job ends.
TEST(PrinterTextDeviceTest, PrintsHostileValuesWholeWithoutHanging)
{
    const QSize page(400, 1000);
    const struct {
        const char *name;
        QString value;
        int pages;
    } cases[] = {
        {"thousands of characters", QString(100000, QLatin1Char('x')), 100000 / 40 / 44 + 1},
        // Six tabs fill a line that holds nothing else; 51 such lines fill a page.
        {"full of tabs", QString(5000, QLatin1Char('\t')) + QStringLiteral("end"), 17},
        {"full of form feeds", QStringLiteral("a\f").repeated(3000), 3001},
        {"an address of hundreds of lines", QStringLiteral("line\r\n").repeated(500), 500 / 44 + 1},
        {"text in any script",
         QString::fromUtf8("Ελληνικά русский 中文字符 العربية עברית हिन्दी 한국어 \U0001F600\u200B\u0301").repeated(200), 0},
    };
    for (const auto &hostile : cases) {
        SCOPED_TRACE(hostile.name);
        RecordingPrinter printer(page);
        PrintLines({hostile.value});
        QString drawn;
        for (const Text &text : printer.record.texts) {
            drawn += text.text;
            EXPECT_LE(text.at.x() + text.text.size() * FixedMetricsSurface::CharWidth, page.width())
                << text.text.toStdString();
            EXPECT_LE(text.at.y() + FixedMetricsSurface::TextHeight, page.height());
        }
        QString expected = hostile.value;
        expected.remove(QRegularExpression(QStringLiteral("[\t\n\f\r]")));
        EXPECT_EQ(drawn, expected);
        if (hostile.pages > 0) {
            EXPECT_EQ(printer.record.pages, hostile.pages);
        }
        EXPECT_EQ(printer.record.jobsEnded, 1);
    }
}
