// import-benchmark [COUNT]: imports COUNT contacts (5000 unless given) through File > Import
// MSN Contact of the real main window, each time into a new contacts.dat in a temporary
// folder under the current directory, and prints how long the command took: once from the
// in-process messenger (the database's share) and once from the Pidgin stand-in, run as a
// process of its own on a private D-Bus session bus as Pidgin would be. Run it on the disk
// whose figure you want.
#include "ContactsFile.h"
#include "PrivateSessionBus.h"
#include "import/ScriptedMessenger.h"
#include "store/MessageBoxes.h"
#include "store/Uni_DM.h"
#include "tests/Offscreen.h"
#include "ui/Look.h"
#include "ui/main/StatusBar.h"
#include "ui/main/Uni_Main.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <iostream>

namespace {

// The command's time in milliseconds, or -1 when it did not import every contact.
qint64 TimedImport(int count)
{
    const QTemporaryDir folder(QDir::current().filePath(QStringLiteral("import-benchmark-XXXXXX")));
    const std::string failure = CreateContactsFile(QDir(folder.path()).filePath(QStringLiteral("contacts.dat")).toStdString());
    if (!failure.empty()) {
        std::cerr << "import-benchmark: " << failure << '\n';
        return -1;
    }
    TDM_Main module;
    Tfrm_Main window(folder.path());
    if (window.Terminated())
        return -1;
    QElapsedTimer timer;
    timer.start();
    window.findChild<QAction *>(QStringLiteral("exportmsncontact1"))->trigger();
    const qint64 elapsed = timer.elapsed();
    const QString listed = window.findChild<StatusBar *>(QStringLiteral("sbMain"))->PanelText(Tfrm_Main::PanelCount);
    return listed == QStringLiteral("%1 Contacts").arg(count) ? elapsed : -1;
}

qint64 FromInProcessMessenger(int count)
{
    MessengerScript script;
    for (int i = 1; i <= count; ++i)
        script.contacts << ScriptedContact{QStringLiteral("Buddy %1").arg(i), QStringLiteral("buddy%1@example.com").arg(i), {}, {}, {}};
    SetMessengerFactory([&script] { return script.Create(); });
    const qint64 elapsed = TimedImport(count);
    SetMessengerFactory({});
    return elapsed;
}

qint64 FromStandInOverDBus(int count)
{
    const PrivateSessionBus bus;
    if (!bus.Started()) {
        std::cerr << "import-benchmark: " << bus.Failure().toStdString() << '\n';
        return -1;
    }
    QProcess standIn;
    standIn.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    standIn.start(QStringLiteral(PURPLE_STANDIN), {QStringLiteral("--buddies"), QString::number(count)});
    if (!standIn.waitForReadyRead(10000)) { // it speaks once it is on the bus
        std::cerr << "import-benchmark: the stand-in did not start\n";
        return -1;
    }
    const qint64 elapsed = TimedImport(count);
    standIn.terminate();
    standIn.waitForFinished();
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    SetUpApplication(app);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5000;

    // A box would wait for a person: print it instead.
    SetMessageBoxHandler([](BoxKind, const QString &caption, const QString &text) {
        std::cerr << caption.toStdString() << ": " << text.toStdString() << '\n';
        return IDOK;
    });

    const qint64 inProcess = FromInProcessMessenger(count);
    const qint64 overDBus = FromStandInOverDBus(count);
    std::cout << "Imported " << count << " contacts, each row committed on its own:\n"
              << "  from the in-process messenger:           " << inProcess << " ms\n"
              << "  from the Pidgin stand-in over D-Bus:     " << overDBus << " ms\n";
    return inProcess >= 0 && overDBus >= 0 ? 0 : 1;
}
