// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/threadpool.h"

#include "shell/processlimits.h"

#include <QThreadPool>

#include <algorithm>

namespace tavrel {

namespace {

// The threads the program has beside the pool's: the main thread, the window system connection's reader and the
// message bus's, and one left for Qt's own later needs.
constexpr qint64 ThreadsBesideThePool = 4;

} // namespace

void fitThreadPoolToLimit()
{
    const std::optional<qint64> limit = shell::threadLimit();
    if (!limit)
        return;
    QThreadPool *pool = QThreadPool::globalInstance();
    const qint64 room = std::max<qint64>(std::min<qint64>(*limit - ThreadsBesideThePool, pool->maxThreadCount()), 1);
    pool->setMaxThreadCount(static_cast<int>(room));
}

} // namespace tavrel
