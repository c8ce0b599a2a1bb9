// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

// The limits the system sets on this process, where it sets them and says so (POSIX getrlimit); empty where there is
// no limit or the system has no such call.
namespace tavrel::shell {

// How many processes and threads the user who runs the program may have at once, this program's among them.
std::optional<qint64> threadLimit();

// How many bytes of address space the process may take.
std::optional<qint64> addressSpaceLimit();

} // namespace tavrel::shell
