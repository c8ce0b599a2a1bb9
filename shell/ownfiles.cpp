// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ownfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#ifndef Q_OS_WIN
#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tavrel::shell {

namespace {

#ifndef Q_OS_WIN
// A folder that no user but this one and the superuser can change: theirs, writable by no one else, or sticky (where
// each may remove only their own).
bool isClosedFolder(const struct stat &info)
{
    const bool ownerTrusted = info.st_uid == ::geteuid() || info.st_uid == 0;
    const bool othersWrite = (info.st_mode & S_IWOTH) || ((info.st_mode & S_IWGRP) && info.st_gid != ::getegid());
    return S_ISDIR(info.st_mode) && ownerTrusted && (!othersWrite || (info.st_mode & S_ISVTX));
}

// Whether the regular file of the user's own, or nothing, stands at `path`: opened without following a link or
// waiting for a pipe, and looked at through what was opened.
bool isOwnFileOrNothing(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    struct stat info = {};
    const bool own = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
    ::close(fd);
    return own;
}
#endif

} // namespace

std::optional<QString> ownSettingsFile(const QString &path)
{
    const QFileInfo file(path);
#ifdef Q_OS_WIN
    if (file.isSymLink() || (file.exists() && !file.isFile()))
        return std::nullopt;
    return file.absoluteFilePath();
#else
    // The nearest folder that exists, its links resolved; those below it are made by the store as they are needed.
    QString existing = file.absolutePath();
    QString below;
    struct stat info = {};
    while (::stat(QFile::encodeName(existing).constData(), &info) != 0) {
        if (errno != ENOENT || existing == QLatin1String("/"))
            return std::nullopt;
        below = QLatin1Char('/') + QFileInfo(existing).fileName() + below;
        existing = QFileInfo(existing).absolutePath();
    }
    char resolved[PATH_MAX];
    if (!::realpath(QFile::encodeName(existing).constData(), resolved))
        return std::nullopt;
    for (QString folder = QFile::decodeName(resolved);; folder = QFileInfo(folder).absolutePath()) {
        if (::lstat(QFile::encodeName(folder).constData(), &info) != 0 || !isClosedFolder(info))
            return std::nullopt;
        if (QFileInfo(folder).isRoot())
            break;
    }
    const QString checked = QDir::cleanPath(QFile::decodeName(resolved) + below) + QLatin1Char('/') + file.fileName();
    if (!isOwnFileOrNothing(QFile::encodeName(checked)))
        return std::nullopt;
    return checked;
#endif
}

void removeCutShortWrites(const QString &path)
{
    const QFileInfo file(path);
    static const QRegularExpression temporary(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    const QStringList left =
        file.dir().entryList({file.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : left) {
        if (!temporary.match(name.mid(file.fileName().size())).hasMatch())
            continue;
        const QString leftover = file.dir().filePath(name);
#ifndef Q_OS_WIN
        if (!isOwnFileOrNothing(QFile::encodeName(leftover)))
            continue;
#endif
        QFile::remove(leftover);
    }
}

} // namespace tavrel::shell
