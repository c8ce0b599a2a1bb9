#include "shell/singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tavrel::shell {

namespace {

QString userTag()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
#ifdef Q_OS_UNIX
    if (user.isEmpty())
        user = QString::number(::getuid());
#endif
    if (user.isEmpty())
        user = QStringLiteral("user");
    // The tag only names a file: keep it to characters that are safe in a file name everywhere.
    for (QChar &c : user) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_') && c != QLatin1Char('.'))
            c = QLatin1Char('_');
    }
    return user;
}

QString lockDirectory()
{
    QString dir;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Without XDG_RUNTIME_DIR Qt would make up a folder of its own and warn about it; the temporary
    // folder serves as well, since the file name carries the user.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#else
    dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

} // namespace

SingleInstance::SingleInstance(const QString &lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath))
{
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    // No age makes a lock stale: it is stale only when the process that holds it is gone.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(100)) {
        m_first = true;
        return;
    }
    // Only a lock held by a running copy refuses the start. When the lock file cannot be made at all, the
    // test cannot be made either, and the application runs.
    m_first = m_lock->error() != QLockFile::LockFailedError;
}

SingleInstance::~SingleInstance() = default; // QLockFile removes the lock it holds

QString SingleInstance::defaultLockPath()
{
    return lockDirectory() + QLatin1String("/tavrel-") + userTag() + QLatin1String(".lock");
}

} // namespace tavrel::shell
