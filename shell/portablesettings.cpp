// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/portablesettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

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

std::unique_ptr<QSettings> openPortableSettings()
{
    const QString folder = programFolder();
    if (folder.isEmpty())
        return nullptr;
    const QString path = QDir(folder).filePath(QStringLiteral("tavrel.ini"));
    // QSettings reads its file as soon as it is made: only a plain file is opened (a named pipe would hold it for
    // ever), and not one marked read-only.
    if (const QFileInfo info(path); !info.isFile() || !info.isWritable())
        return nullptr;
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (!settings->isWritable()) // someone else's copy
        return nullptr;
    // Written anew beside itself and put in its place, so that a write cut short leaves the old file whole; in
    // place only where the folder takes no new files.
    settings->setAtomicSyncRequired(QFileInfo(folder).isWritable());
    return settings;
}

} // namespace tavrel::shell
