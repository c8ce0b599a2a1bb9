// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The settings files are the user's own: nothing else is read or written in their place.
namespace tavrel::shell {

// The path at which the settings file `path` may be read and written, its folder's links resolved, where it is the
// user's own: absent, or a regular file of the user's (not a link, a pipe, a folder or another user's file), in a
// folder that no other user can change, nor any folder above it (each belongs to the user or the superuser and lets
// no one else add, rename or remove what it holds, unless only their own, as /tmp does). Then no one else can put
// anything in its place between this check and the read or the write that follows it. Nothing where it is not.
// On Windows, where these files lie in the user's own folders, a file that is not a link, or nothing.
std::optional<QString> ownSettingsFile(const QString &path);

// Removes what writes of the file at `path` cut short left beside it (`path` followed by a dot and six letters or
// digits: QSaveFile's temporary files), where it is the user's own.
void removeCutShortWrites(const QString &path);

} // namespace tavrel::shell
