// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keptcache.h"

#include <QCoreApplication>
#include <QList>

#include <utility>

namespace tavrel::ui {

namespace {

QList<std::function<void()>> &releases()
{
    static QList<std::function<void()>> pending;
    return pending;
}

void releaseAll()
{
    const QList<std::function<void()>> due = std::exchange(releases(), {});
    for (const std::function<void()> &release : due)
        release();
}

} // namespace

void releaseWithApplication(std::function<void()> release)
{
    // The application calls its routines once and forgets them: the first release after its end registers anew.
    if (releases().isEmpty())
        qAddPostRoutine(&releaseAll);
    releases().append(std::move(release));
}

} // namespace tavrel::ui
