// Times whole repaints of the program's three forms with their skin on and off: each form is
// shown, painted once, then repainted ROUNDS times; prints the mean and the longest repaint.
//
//   form-paint-timing [ROUNDS]
//
// Run it offscreen (QT_QPA_PLATFORM=offscreen) or on a display (under Xvfb:
// xvfb-run -a env QT_QPA_PLATFORM=xcb form-paint-timing) to include drawing on the screen.

#include "ContactsFile.h"
#include "skin/FlatSkin.h"
#include "store/Uni_DM.h"
#include "ui/Look.h"
#include "ui/about/Uni_About.h"
#include "ui/editor/Uni_ContactInfo.h"
#include "ui/main/Uni_Main.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <cstdio>

namespace {

struct Timing {
    double meanMs;
    double longestMs;
};

Timing TimeRepaints(QWidget *form, int rounds)
{
    QElapsedTimer timer;
    qint64 total = 0;
    qint64 longest = 0;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        form->repaint();
        const qint64 elapsed = timer.nsecsElapsed();
        total += elapsed;
        longest = std::max(longest, elapsed);
    }
    return {total / 1e6 / rounds, longest / 1e6};
}

void Report(const char *name, QWidget *form, int rounds)
{
    form->show();
    QApplication::processEvents();
    auto *skin = form->findChild<TFlatSkin *>();
    const Timing on = TimeRepaints(form, rounds);
    skin->SetActive(false);
    QApplication::processEvents();
    const Timing off = TimeRepaints(form, rounds);
    skin->SetActive(true);
    QApplication::processEvents();
    std::printf("%-16s skin on: mean %6.2f ms, longest %6.2f ms   skin off: mean %6.2f ms, longest %6.2f ms\n", name,
                on.meanMs, on.longestMs, off.meanMs, off.longestMs);
    form->hide();
}

void FillFields(QWidget *form)
{
    for (QLineEdit *edit : form->findChildren<QLineEdit *>())
        edit->setText(QStringLiteral("Some text of a contact"));
    for (QPlainTextEdit *memo : form->findChildren<QPlainTextEdit *>())
        memo->setPlainText(QStringLiteral("12 Harbour Road\nNorthport"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    QTemporaryDir data;
    const QString path = QDir(data.path()).filePath(QStringLiteral("contacts.dat"));
    CreateContactsFile(path.toStdString());
    TDM_Main module;
    OpenDatabase(path);

    std::printf("%d repaints of each form on the %s platform\n", rounds, qPrintable(QGuiApplication::platformName()));
    Tfrm_ContactInfo editor;
    FillFields(&editor);
    Report("contact editor", &editor, rounds);
    Tfrm_Main main(data.path());
    FillFields(&main);
    Report("main window", &main, rounds);
    Tfrm_About about;
    Report("About box", &about, rounds);
    return 0;
}
