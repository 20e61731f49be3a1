#include "print/DefaultPrinter.h"
#include "store/Uni_DM.h"
#include "tests/Fixtures.h"
#include "tests/PrintRecorder.h"
#include "ui/main/Uni_Main.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

// End to end on a real print system: a CUPS scheduler of the test's own whose default
// printer writes PDF files, read back with poppler's tools.

namespace {

struct Scheduler {
    QTemporaryDir folder{QStringLiteral("/tmp/pelmora-cups-XXXXXX")}; // short: the socket lives here
    QProcess process;
    QString socket;
    QString unavailable; // why no scheduler runs, when none does
};

Scheduler *scheduler = nullptr;

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " " << arguments.join(' ').toStdString() << ": "
                      << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int CompletedJobs()
{
    const QString jobs = Run(QStringLiteral("lpstat"), {"-h", scheduler->socket, "-W", "completed", "-o"});
    return int(jobs.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

// The lines of text on each page of a PDF file, without their leading and trailing blanks.
QList<QStringList> PdfPageLines(const QString &path)
{
    const QString info = Run(QStringLiteral("pdfinfo"), {path});
    const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    QList<QStringList> lines;
    for (int page = 1; page <= pages; ++page) {
        const QString text = Run(QStringLiteral("pdftotext"),
                                 {"-f", QString::number(page), "-l", QString::number(page), path, "-"});
        QStringList pageLines;
        for (const QString &line : text.split(QRegularExpression(QStringLiteral("[\n\f]"))))
            if (!line.trimmed().isEmpty())
                pageLines << line.trimmed();
        lines << pageLines;
    }
    return lines;
}

QList<QStringList> Trimmed(const QList<QStringList> &pages)
{
    QList<QStringList> trimmed;
    for (const QStringList &page : pages) {
        QStringList lines;
        for (const QString &line : page)
            lines << line.trimmed();
        trimmed << lines;
    }
    return trimmed;
}

class CupsPrintTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        scheduler = new Scheduler;
        for (const char *tool : {"pdfinfo", "pdftotext", "lpstat"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                scheduler->unavailable = QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool));
                return;
            }
        }
        scheduler->process.start(QStringLiteral("bash"),
                                 {QStringLiteral(PELMORA_PRIVATE_CUPS), scheduler->folder.path()});
        while (!scheduler->process.canReadLine() && scheduler->process.waitForReadyRead(60000)) {
        }
        scheduler->socket = QString::fromLocal8Bit(scheduler->process.readLine()).trimmed();
        if (scheduler->socket.isEmpty()) {
            scheduler->process.waitForFinished(10000);
            scheduler->unavailable = QStringLiteral("no CUPS scheduler could be started here: ")
                + QString::fromLocal8Bit(scheduler->process.readAllStandardError());
        }
    }

    static void TearDownTestSuite()
    {
        scheduler->process.closeWriteChannel(); // the script stops its scheduler when its input ends
        scheduler->process.waitForFinished(30000);
        delete scheduler;
        scheduler = nullptr;
    }

    void SetUp() override
    {
        if (!scheduler->unavailable.isEmpty())
            GTEST_SKIP() << scheduler->unavailable.toStdString();
        server = std::make_unique<CupsServerOverride>(scheduler->socket);
        QList<Row> rows;
        for (int i = 1; i <= 10; ++i) {
            Row row = Contact(QStringLiteral("KEY-%1").arg(i), QStringLiteral("Contact %1").arg(i));
            row.insert("address", QStringLiteral("%1 Main Street\r\nFlat %1\r\nTown").arg(i));
            row.insert("email1", QStringLiteral("c%1@example.org").arg(i));
            row.insert("notes", QString::fromUtf8("Grüße %1").arg(i));
            rows << row;
        }
        folder.Insert(rows);
        window = std::make_unique<Tfrm_Main>(folder.Folder());
        // Everything goes to the default printer; the trace tells which page each text was drawn on.
        SetPrintSurfaceFactory([this](const QString &name) {
            return std::make_unique<TracingSurface>(record, BeginDefaultPrinterJob(name));
        });
    }

    void TearDown() override { SetPrintSurfaceFactory({}); }

    // Runs a print command and waits until the scheduler has written the job's PDF file.
    QString Print(const char *item)
    {
        const int before = CompletedJobs();
        window->findChild<QAction *>(QString::fromLatin1(item))->trigger();
        const QDeadlineTimer deadline(60000);
        while (CompletedJobs() == before && !deadline.hasExpired())
            QThread::msleep(100);
        EXPECT_EQ(CompletedJobs(), before + 1) << "the job did not complete";
        return scheduler->folder.filePath(QStringLiteral("out/job.pdf"));
    }

    BoxRecorder boxes;
    std::unique_ptr<CupsServerOverride> server;
    ContactsFolder folder;
    TDM_Main module;
    std::unique_ptr<Tfrm_Main> window;
    PrintRecord record;
};

} // namespace

TEST_F(CupsPrintTest, PrintAllPutsEveryLineOnThePagesOfTheDefaultPrinter)
{
    const QString pdf = Print("PrintAll1");
    EXPECT_TRUE(boxes.boxes.isEmpty());
    QStringList expected{QStringLiteral("Contacts")};
    for (const Row &row : folder.Rows()) {
        const QStringList address = row.value("address").split(QStringLiteral("\r\n"));
        expected << "Name:" + row.value("contactname") << "Address:" + address.first() << address.mid(1);
        expected << "Home 1:" << "Home 2:" << "Fax:" << "Biz 1:" << "Biz 2:" << "Fax:" << "Web site:"
                 << "EMail 1:" + row.value("email1") << "EMail 2:" << "Notes:" + row.value("notes");
    }
    QStringList drawn;
    for (const QStringList &page : Trimmed(record.PageTexts()))
        drawn << page;
    EXPECT_EQ(drawn, expected);

    const QList<QStringList> printed = PdfPageLines(pdf);
    EXPECT_GE(record.pages, 3);
    EXPECT_EQ(printed.size(), record.pages);
    EXPECT_EQ(printed, Trimmed(record.PageTexts()));
}

TEST_F(CupsPrintTest, PrintSelectedPutsTheDisplayedContactOnTheDefaultPrinter)
{
    window->findChild<QLineEdit *>(QStringLiteral("edtSearch"))->setText(QStringLiteral("Contact 7"));
    const QString pdf = Print("PrintSelected1");
    EXPECT_TRUE(boxes.boxes.isEmpty());
    const QList<QStringList> printed = PdfPageLines(pdf);
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(printed.first().mid(0, 3), QStringList({"Contacts", "Name:Contact 7", "Address:7 Main Street"}));
    EXPECT_EQ(printed.first().last(), QString::fromUtf8("Notes:Grüße 7"));
    EXPECT_EQ(printed.first().size(), 1 + 14);
}
