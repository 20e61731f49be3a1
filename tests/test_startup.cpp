#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "tests/Fixtures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Points the per-user lock at a folder of the test's own.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", previous); }

    QTemporaryDir runtime;
    QByteArray previous;
    BoxRecorder boxes;
};

} // namespace

TEST_F(StartupTest, ASecondCopyIsToldAndEndsWithZero)
{
    const SingleInstanceLock running;
    ASSERT_FALSE(running.AlreadyRunning());
    EXPECT_EQ(RunPelmora(*qApp), 0);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes.first().caption, QStringLiteral("Information"));
    EXPECT_EQ(boxes.boxes.first().text, QStringLiteral("Pelmora is Already Run!"));
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "no window is made";
}

TEST_F(StartupTest, LooksBesideTheExecutableWhateverTheWorkingFolder)
{
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("contacts.dat"));
    ASSERT_FALSE(QFile::exists(beside)) << "the test needs no database beside the test program";
    const ContactsFolder elsewhere; // a good database in the working folder must not be used
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(elsewhere.Folder());
    EXPECT_EQ(RunPelmora(*qApp), 0);
    QDir::setCurrent(previousFolder);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes.first().caption, QStringLiteral("Error"));
    EXPECT_FALSE(QFile::exists(beside)) << "nothing is created";
}
