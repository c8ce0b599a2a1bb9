#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace tavrel::shell {

// Holds the per-user, per-machine lock that marks a running copy of the application. A copy that crashed
// leaves no lock that refuses the next start.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // true when this process holds the lock; false when another running copy holds it.
    bool isFirst() const { return m_first; }

    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_first = false;
};

} // namespace tavrel::shell
