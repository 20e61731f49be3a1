// Times painting with the skin on and off: the opened Contacts menu of the main window and
// the whole main window, each painted whole into an image through its paint events (as a
// repaint paints it, without the copy to the screen). Each figure is the median and the
// slowest of many paintings, in milliseconds; one frame is 16 ms.
//
//   skin-paint-timing [REPAINTS]
//
// Run it under Xvfb for the real window system:
//   xvfb-run -a env QT_QPA_PLATFORM=xcb build/tests/bench/skin-paint-timing

#include "ContactsFile.h"
#include "skin/FlatSkin.h"
#include "store/Uni_DM.h"
#include "ui/Look.h"
#include "ui/main/Uni_Main.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figure {
    double median;
    double slowest;
};

template <typename Paint>
Figure Time(int repaints, Paint paint)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < repaints; ++i) {
        timer.start();
        paint();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

void Report(const char *what, bool skin, const Figure &figure)
{
    std::printf("%-26s skin %-3s  median %7.3f ms  slowest %7.3f ms\n", what, skin ? "on" : "off", figure.median,
                figure.slowest);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    QTemporaryDir folder;
    CreateContactsFile(QDir(folder.path()).filePath(QStringLiteral("contacts.dat")).toStdString());
    TDM_Main module;
    Tfrm_Main window(folder.path());
    window.show();
    QApplication::processEvents();
    TFlatSkin *skin = window.findChild<TFlatSkin *>();
    QMenu *contacts = window.findChild<QMenu *>(QStringLiteral("Contacts1"));

    for (bool on : {true, false}) {
        skin->SetActive(on);
        contacts->popup(window.mapToGlobal(QPoint(40, 0)));
        contacts->setActiveAction(contacts->actions().at(1));
        QElapsedTimer shown;
        shown.start();
        const auto exposed = [contacts] { return contacts->windowHandle() && contacts->windowHandle()->isExposed(); };
        while ((!exposed() || !contacts->isVisible()) && shown.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        if (!exposed()) {
            std::fprintf(stderr, "the Contacts menu did not open\n");
            return 1;
        }
        QImage menuImage(contacts->size(), QImage::Format_RGB32);
        Report("opened Contacts menu", on, Time(repaints, [&] { contacts->render(&menuImage); }));
        contacts->hide();
        QImage windowImage(window.size(), QImage::Format_RGB32);
        Report("whole main window", on, Time(repaints, [&] { window.render(&windowImage); }));
    }
    std::printf("platform %s, %d paintings each\n", qPrintable(QGuiApplication::platformName()), repaints);
    return 0;
}
