#include "app/Startup.h"

#include "app/SingleInstance.h"
#include "store/Uni_DM.h"
#include "store/Uni_Function.h"
#include "ui/Look.h"
#include "ui/main/Uni_Main.h"

#include <QApplication>

int RunPelmora(QApplication &app)
{
    SetUpApplication(app);
    const SingleInstanceLock lock;
    if (lock.AlreadyRunning()) {
        ShowInfo(QStringLiteral("Pelmora is Already Run!"));
        return 0;
    }
    TDM_Main dataModule;
    Tfrm_Main mainWindow;
    if (mainWindow.Terminated())
        return 0;
    mainWindow.show();
    app.exec();
    return 0;
}
