// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/portablesettings.h"

#include "shell/ownfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#ifdef Q_OS_WIN
QT_BEGIN_NAMESPACE
// Qt 6.4's switch for QFileInfo to read who may write a file from its access lists (Qt 6.6 wraps it as
// QNtfsPermissionCheckGuard); without it, only the read-only attribute is looked at.
extern Q_CORE_EXPORT int qt_ntfs_permission_lookup;
QT_END_NAMESPACE
#endif

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
    // QSettings reads its file as soon as it is made: only a plain file of the user's own is opened (a named pipe
    // would hold it for ever, a link or another user's file is never written through), and not one marked read-only.
    const std::optional<QString> path = ownSettingsFile(QDir(folder).filePath(QStringLiteral("tavrel.ini")));
    if (!path || !QFileInfo(*path).isFile())
        return nullptr;
#ifdef Q_OS_WIN
    // Windows keeps who may write in the access lists of the file and of its folder (a copy under Program Files),
    // and apart from them the file's read-only mark, which the lists do not show.
    bool writable = QFileInfo(*path).isWritable();
    ++qt_ntfs_permission_lookup;
    writable = writable && QFileInfo(*path).isWritable() && QFileInfo(folder).isWritable();
    --qt_ntfs_permission_lookup;
#else
    const bool writable = QFileInfo(*path).isWritable();
#endif
    if (!writable)
        return nullptr;
    auto settings = std::make_unique<QSettings>(*path, QSettings::IniFormat);
    if (!settings->isWritable()) // someone else's copy
        return nullptr;
    // Written anew beside itself and put in its place, so that a write cut short leaves the old file whole; in
    // place only where the folder takes no new files.
    settings->setAtomicSyncRequired(QFileInfo(folder).isWritable());
    return settings;
}

} // namespace tavrel::shell
