// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/threadpool.h"

#include "shell/processlimits.h"

#include <QThreadPool>

#include <algorithm>

namespace tavrel {

namespace {

// The threads the program starts after the pool is fitted, beside the pool's: the message bus's, and one left for
// Qt's own later needs. The main thread and the window system connection's reader are there already.
constexpr qint64 ThreadsStillToCome = 2;

// The stack of a pool thread where the address space is limited, in bytes, in place of the system's usual 8 MiB: Qt's
// drawing work (converting and scaling pictures) needs little of it.
constexpr uint SmallStack = 512 * 1024;

} // namespace

void fitThreadPoolToLimits()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    if (const std::optional<qint64> left = shell::threadsLeft(pool->maxThreadCount() + ThreadsStillToCome))
        pool->setMaxThreadCount(static_cast<int>(std::max<qint64>(*left - ThreadsStillToCome, 1)));
    if (shell::addressSpaceLimit())
        pool->setStackSize(SmallStack);
    // Under a limit, a pool thread is started now and kept: where the system will not start one, the program ends at
    // its start rather than at the first letter typed.
    if (shell::threadLimit() || shell::addressSpaceLimit()) {
        pool->setExpiryTimeout(-1);
        pool->start([] {});
    }
}

} // namespace tavrel
