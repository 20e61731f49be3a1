// Times "Print All" of 10,000 contacts through the main window into a PDF file, on the same
// surface the printer uses. Prints the time, the page count and the file's size.
//
//   print-all-timing [CONTACTS] [PDF-FILE]

#include "ContactsFile.h"
#include "print/PainterSurface.h"
#include "store/MessageBoxes.h"
#include "store/Uni_DM.h"
#include "tests/Offscreen.h"
#include "ui/Look.h"
#include "ui/main/Uni_Main.h"

#include <QAction>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>

namespace {

class PageCountingSurface : public PainterSurface {
public:
    PageCountingSurface(QPrinter &printer, const QString &documentName, int &pages)
        : PainterSurface(printer, documentName), m_pages(pages)
    {
        m_pages = 1;
    }
    void NewPage() override
    {
        ++m_pages;
        PainterSurface::NewPage();
    }

private:
    int &m_pages;
};

bool InsertContacts(const QString &path, int count)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK)
        return false;
    sqlite3_exec(db, "begin", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db,
                       "insert into contacts (pkcontact,contactname,address,home1,home2,fax1,biz1,biz2,fax2,"
                       "website,email1,email2,notes) values (?,?,?,?,?,?,?,?,?,?,?,?,?)",
                       -1, &insert, nullptr);
    bool ok = true;
    for (int i = 0; i < count && ok; ++i) {
        const QStringList values = {
            QStringLiteral("%1-0000-0000-0000-000000000000").arg(i, 8, 16, QLatin1Char('0')).toUpper(),
            QStringLiteral("Contact number %1").arg(i),
            QStringLiteral("%1 Long Street\r\nFlat %2\r\nSome Town 12345").arg(i).arg(i % 50),
            QStringLiteral("+1 555 010 %1").arg(i),
            QStringLiteral("+1 555 020 %1").arg(i),
            QStringLiteral("+1 555 030 %1").arg(i),
            QStringLiteral("+1 555 040 %1").arg(i),
            QStringLiteral("+1 555 050 %1").arg(i),
            QStringLiteral("+1 555 060 %1").arg(i),
            QStringLiteral("http://www.example.org/~contact%1").arg(i),
            QStringLiteral("contact%1@example.org").arg(i),
            QStringLiteral("contact%1@example.net").arg(i),
            QStringLiteral("Met at the conference.\r\nLikes tea.\tCall after six."),
        };
        for (int column = 0; column < values.size(); ++column) {
            const QByteArray text = values.at(column).toUtf8();
            sqlite3_bind_text(insert, column + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        ok = sqlite3_step(insert) == SQLITE_DONE;
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    SetUpApplication(app);
    const int contacts = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;

    QTemporaryDir folder;
    const QString database = QDir(folder.path()).filePath(QStringLiteral("contacts.dat"));
    const QString pdfPath =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir(folder.path()).filePath(QStringLiteral("printout.pdf"));
    const std::string failure = CreateContactsFile(database.toStdString());
    if (!failure.empty() || !InsertContacts(database, contacts)) {
        std::fprintf(stderr, "cannot make the database: %s\n", failure.c_str());
        return 1;
    }
    int boxes = 0;
    SetMessageBoxHandler([&boxes](BoxKind, const QString &, const QString &text) {
        std::fprintf(stderr, "box: %s\n", qPrintable(text));
        ++boxes;
        return IDOK;
    });

    TDM_Main module;
    Tfrm_Main window(folder.path());
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(pdfPath);
    int pages = 0;
    SetPrintSurfaceFactory(
        [&](const QString &name) { return std::make_unique<PageCountingSurface>(pdf, name, pages); });

    QElapsedTimer timer;
    timer.start();
    window.findChild<QAction *>(QStringLiteral("PrintAll1"))->trigger();
    const qint64 elapsed = timer.elapsed();

    std::printf("Print All of %d contacts: %.2f s, %d pages, PDF of %lld bytes (%s, %d dpi)\n", contacts,
                double(elapsed) / 1000.0, pages, static_cast<long long>(QFileInfo(pdfPath).size()),
                qPrintable(pdf.pageLayout().pageSize().name()), pdf.resolution());
    SetPrintSurfaceFactory({});
    SetMessageBoxHandler({});
    return boxes == 0 ? 0 : 1;
}
