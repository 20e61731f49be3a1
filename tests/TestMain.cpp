#include "ui/Look.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // Widget tests run without a display unless a caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    ApplyClassicLook(app);
    return RUN_ALL_TESTS();
}
