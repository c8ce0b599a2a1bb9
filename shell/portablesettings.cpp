// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/portablesettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace tavrel::shell {

namespace {

QString &programFolderInPlace()
{
    static QString folder;
    return folder;
}

QString programFolder()
{
    if (!programFolderInPlace().isEmpty())
        return programFolderInPlace();
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

} // namespace

void setProgramFolder(const QString &folder)
{
    programFolderInPlace() = folder;
}

QString portableSettingsFile()
{
    const QString folder = programFolder();
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    QString path = dir.filePath(QStringLiteral("tavrel.ini"));
    const QFileInfo info(path);
    // A file marked read-only cannot be replaced by its new version, even where it could be opened for writing.
    if (!info.isFile() || !info.isWritable())
        return {};
    // A lock that is not a plain file (a named pipe) would hold every write for ever.
    const QFileInfo lock(path + QLatin1String(".lock"));
    if (lock.exists() && !lock.isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) // opened, not changed
        return {};
    file.close();
    QTemporaryFile probe(dir.filePath(QStringLiteral("tavrel-XXXXXX.tmp")));
    if (!probe.open())
        return {};
    return path;
}

} // namespace tavrel::shell
