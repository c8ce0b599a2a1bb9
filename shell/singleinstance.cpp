// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QCryptographicHash>

#include <string>

#include <windows.h>
#else
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tavrel::shell {

#ifdef Q_OS_WIN

// A named mutex in the Local\ namespace of the user's logon: it goes when the last handle to it is closed, which Windows does when the
// process ends. The name is made from the path, which lies in the user's own folder.
SingleInstance::SingleInstance(const QString &lockPath)
{
    if (lockPath.isEmpty())
        return;
    const QByteArray digest =
        QCryptographicHash::hash(QDir::cleanPath(lockPath).toLower().toUtf8(), QCryptographicHash::Sha256).toHex();
    const std::wstring name = L"Local\\Tavrel-" + QString::fromLatin1(digest).toStdWString();
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (!mutex)
        return; // no lock can be made, or another user's object has the name: not a copy of ours
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        m_first = false;
        return;
    }
    m_handle = reinterpret_cast<qintptr>(mutex);
}

SingleInstance::~SingleInstance()
{
    if (m_handle != -1)
        ::CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

QString SingleInstance::defaultLockPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); // ...\AppData\Local
    return folder.isEmpty() ? QString() : folder + QLatin1String("/Tavrel/tavrel.lock");
}

#else

namespace {

// A folder of this user's that no one else can write: a folder, not a link to one, owned by the user, with no
// access for group or others.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat info = {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid()
        && (info.st_mode & 077) == 0;
}

QString privateFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && isPrivateFolder(runtime))
        return QFile::decodeName(runtime);

    // Otherwise a folder of the user's own in the shared temporary folder, named by the user id. One that another
    // user has planted there is not used.
    const QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/tavrel-" + QByteArray::number(::getuid());
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat info = {};
    if (::lstat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid())
        ::chmod(folder.constData(), 0700);
    return isPrivateFolder(folder) ? QFile::decodeName(folder) : QString();
}

} // namespace

// An advisory lock on an open file: it goes with the file descriptor, which the system closes when the process
// ends. The file itself stays; its contents do not matter.
SingleInstance::SingleInstance(const QString &lockPath)
{
    if (lockPath.isEmpty())
        return;
    // Never follow a link, never wait for a pipe's other end, never hand the descriptor to a child process.
    const int fd =
        ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::getuid()) {
        ::close(fd);
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_handle = fd;
        return;
    }
    m_first = errno != EWOULDBLOCK; // held by a running copy; any other failure leaves the test unmade
    ::close(fd);
}

SingleInstance::~SingleInstance()
{
    if (m_handle != -1)
        ::close(static_cast<int>(m_handle));
}

QString SingleInstance::defaultLockPath()
{
    const QString folder = privateFolder();
    return folder.isEmpty() ? QString()
                            : folder + QLatin1String("/tavrel-") + QString::number(::getuid()) + QLatin1String(".lock");
}

#endif

} // namespace tavrel::shell
