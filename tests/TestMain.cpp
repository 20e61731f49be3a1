

#include "tests/Offscreen.h"
#include "ui/Look.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // Widget tests run without a display unless a caller chose a platform.
    UseOffscreenUnlessChosen();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    SetUpApplication(app);
    return RUN_ALL_TESTS();
}
