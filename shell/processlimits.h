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

// How many more processes and threads the user may start, up to `wanted`: what the limit leaves beside those the
// user has now, this program's own among them, as /proc tells where there is one. The limit counts every process and
// thread of the user, not this program's alone.
std::optional<qint64> threadsLeft(qint64 wanted);

// How many bytes of address space the process may take.
std::optional<qint64> addressSpaceLimit();

} // namespace tavrel::shell
