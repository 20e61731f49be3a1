#include "app/SingleInstance.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

TEST(SingleInstance, ASecondHolderIsToldAndTheLockFreesWithItsHolder)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Pelmora.lock"));
    {
        const SingleInstanceLock first(path);
        EXPECT_FALSE(first.AlreadyRunning());
        const SingleInstanceLock second(path);
        EXPECT_TRUE(second.AlreadyRunning());
    }
    const SingleInstanceLock afterwards(path);
    EXPECT_FALSE(afterwards.AlreadyRunning());
}

TEST(SingleInstance, AHolderKilledOutrightLeavesNoLock)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Pelmora.lock"));
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const SingleInstanceLock held(path);
        const char byte = held.AlreadyRunning() ? 'n' : 'y';
        if (::write(ready[1], &byte, 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, 'y');
    EXPECT_TRUE(SingleInstanceLock(path).AlreadyRunning());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(SingleInstanceLock(path).AlreadyRunning());
    ::close(ready[0]);
    ::close(ready[1]);
}
