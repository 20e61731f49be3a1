#pragma once

#include <QByteArray>
#include <QtGlobal>

// Tests and timed tools run without a display unless the caller chose a platform. Call it
// before the application object is made.
inline void UseOffscreenUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
