// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace tavrel::shell {

// A portable copy keeps its setting in "tavrel.ini" beside its executable rather than in the user's settings
// store: the file is used when it stands there as a plain file that the program may write (in place, where its
// folder takes no new files). Otherwise this is null and the user's store is used, as without the file.
std::unique_ptr<QSettings> openPortableSettings();

// The folder looked in is the executable's own; tests put another in its place. An empty folder restores it.
void setProgramFolder(const QString &folder);

} // namespace tavrel::shell
