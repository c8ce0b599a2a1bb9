// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

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

// A named mutex in the Local\ namespace of the user's logon: it goes when the last handle to it is closed, which
// Windows does when the process ends. The name is made from the path, which lies in the user's own folder.
SingleInstance::SingleInstance(const QString &lockPath)
    : m_lockPath(lockPath)
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

void SingleInstance::setLockFolders(const QString &, const QString &) { }

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

// The shared temporary folder and the root of the users' runtime folders; tests put others in their place.
QString &lockFolder(int which)
{
    static QString folders[2] = {QStringLiteral("/tmp"), QStringLiteral("/run/user")};
    return folders[which];
}

// One folder for every copy of the user's, whatever its environment (TMPDIR and XDG_RUNTIME_DIR, which a desktop's
// launcher, a terminal over ssh and sudo each set their own way): named by the user id alone, in the shared
// temporary folder. Only where another user has planted something there is the user's runtime folder, again named
// by the user id, used instead; where there is none, the planted place is named all the same, and the lock refuses
// to start in it. Empty where no folder can be made at all (a file system that cannot be written).
QString privateFolder()
{
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray folder = QFile::encodeName(lockFolder(0)) + "/tavrel-" + uid;
    if (::mkdir(folder.constData(), 0700) == 0 || errno == EEXIST) {
        struct stat info = {};
        if (::lstat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid())
            ::chmod(folder.constData(), 0700);
        if (isPrivateFolder(folder))
            return QFile::decodeName(folder);
        if (const QByteArray runtime = QFile::encodeName(lockFolder(1)) + '/' + uid; isPrivateFolder(runtime))
            return QFile::decodeName(runtime);
        return QFile::decodeName(folder);
    }
    return {};
}

} // namespace

// An advisory lock on an open file: it goes with the file descriptor, which the system closes when the process
// ends. The file itself stays; its contents do not matter.
SingleInstance::SingleInstance(const QString &lockPath)
    : m_lockPath(lockPath)
{
    if (lockPath.isEmpty())
        return;
    // A lock in a folder that others may change could be taken away: such a place refuses, as a running copy does.
    if (!isPrivateFolder(QFile::encodeName(QFileInfo(lockPath).absolutePath()))) {
        m_first = false;
        return;
    }
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

void SingleInstance::setLockFolders(const QString &temporary, const QString &runtimeRoot)
{
    lockFolder(0) = temporary.isEmpty() ? QStringLiteral("/tmp") : temporary;
    lockFolder(1) = runtimeRoot.isEmpty() ? QStringLiteral("/run/user") : runtimeRoot;
}

#endif

namespace {

// What a later copy asks of the first: a line with the request, and a blank and the token if there is one.
constexpr char ComeForward[] = "come forward";
constexpr qsizetype MaxLine = sizeof ComeForward + SingleInstance::MaxToken + 1;
// What the first tells a later copy as soon as it calls: a line with its process id.
constexpr char RunningAs[] = "running as process ";
constexpr qsizetype MaxProcessLine = sizeof RunningAs + 10 + 1;

bool isToken(const QByteArray &token)
{
    return !token.isEmpty() && token.size() <= SingleInstance::MaxToken
        && std::all_of(token.cbegin(), token.cend(), [](char c) { return c > ' ' && c < 127; });
}

// The token a line from the channel hands over (empty for none), or nothing when it is not a request: it comes
// from another process.
std::optional<QByteArray> requestedToken(const QByteArray &line)
{
    if (!line.endsWith('\n') || !line.startsWith(ComeForward))
        return std::nullopt;
    const QByteArray rest = line.sliced(sizeof ComeForward - 1).chopped(1);
    if (rest.isEmpty())
        return QByteArray();
    if (rest.startsWith(' ') && isToken(rest.sliced(1)))
        return rest.sliced(1);
    return std::nullopt;
}

// The process id a line from the channel tells (a positive 32-bit number, in decimal digits), or 0: it comes from
// another process.
qint64 toldProcess(const QByteArray &line)
{
    if (!line.endsWith('\n') || !line.startsWith(RunningAs))
        return 0;
    const QByteArray digits = line.sliced(sizeof RunningAs - 1).chopped(1);
    if (digits.isEmpty() || digits.size() > 10
        || !std::all_of(digits.cbegin(), digits.cend(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    const qint64 id = digits.toLongLong();
    return id <= 0xFFFFFFFF ? id : 0;
}

} // namespace

QString SingleInstance::channelName() const
{
    return m_lockPath + QLatin1String(".channel");
}

void SingleInstance::listenForLaterCopies(const std::function<void(const QByteArray &token)> &comeForward)
{
    if (m_handle == -1 || m_channel)
        return;
    auto *channel = new QLocalServer(QCoreApplication::instance());
    channel->setSocketOptions(QLocalServer::UserAccessOption);
    // (made aside and moved into its place: whatever a killed copy left there is replaced)
    if (!channel->listen(channelName())) {
        delete channel;
        return;
    }
    m_channel = channel;
    QObject::connect(channel, &QLocalServer::newConnection, channel, [channel, comeForward] {
        while (QLocalSocket *caller = channel->nextPendingConnection()) {
            QObject::connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            caller->write(RunningAs + QByteArray::number(QCoreApplication::applicationPid()) + '\n');
            QObject::connect(caller, &QLocalSocket::readyRead, caller, [caller, comeForward] {
                if (!caller->canReadLine()) {
                    if (caller->bytesAvailable() > MaxLine) { // no request is that long
                        caller->abort();
                        caller->deleteLater();
                    }
                    return;
                }
                const std::optional<QByteArray> token = requestedToken(caller->readLine(MaxLine + 1));
                caller->disconnectFromServer();
                if (token)
                    comeForward(*token);
            });
        }
    });
}

bool SingleInstance::askFirstToComeForward(const TokenMaker &token, int msecs) const
{
    if (m_first || m_lockPath.isEmpty())
        return false;
    QLocalSocket channel;
    channel.connectToServer(channelName());
    if (!channel.waitForConnected(msecs))
        return false;
    while (!channel.canReadLine() && channel.bytesAvailable() <= MaxProcessLine && channel.waitForReadyRead(msecs)) { }
    const QByteArray made = token ? token(toldProcess(channel.readLine(MaxProcessLine + 1))) : QByteArray();
    channel.write(ComeForward + (isToken(made) ? ' ' + made : QByteArray()) + '\n');
    // Taken once the first has read it and hung up.
    return channel.waitForBytesWritten(msecs)
        && (channel.state() == QLocalSocket::UnconnectedState || channel.waitForDisconnected(msecs));
}

} // namespace tavrel::shell
