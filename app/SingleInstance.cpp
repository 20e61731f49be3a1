#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstanceLock::SingleInstanceLock(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // A lock file that cannot be made at all must not keep the user out of the program.
    if (m_fd < 0)
        return;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
        m_alreadyRunning = errno == EWOULDBLOCK;
}

SingleInstanceLock::~SingleInstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString SingleInstanceLock::DefaultPath()
{
    QString folder = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (folder.isEmpty() || !QDir(folder).exists())
        return QDir::temp().filePath(QStringLiteral("Pelmora-%1.lock").arg(::getuid()));
    return QDir(folder).filePath(QStringLiteral("Pelmora.lock"));
}
