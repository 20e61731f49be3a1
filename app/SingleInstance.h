#pragma once

#include <QString>

// A per-user lock named after the product. It is held from construction until the process
// ends, however it ends: the system drops it with the process, so a copy that died leaves
// none behind.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString &path = DefaultPath());
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    // True when another process of this user holds the lock.
    bool AlreadyRunning() const { return m_alreadyRunning; }

    // $XDG_RUNTIME_DIR/Pelmora.lock, or a file of the user's own in the temporary folder.
    static QString DefaultPath();

private:
    int m_fd = -1;
    bool m_alreadyRunning = false;
};
