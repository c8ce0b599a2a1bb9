// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/processlimits.h"

#include <QDir>
#include <QFile>

#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#include <unistd.h>
#define TAVREL_HAS_RLIMIT 1
#endif

#include <algorithm>
#include <limits>

namespace tavrel::shell {

namespace {

#ifdef TAVREL_HAS_RLIMIT
std::optional<qint64> limit(int resource)
{
    rlimit value{};
    if (getrlimit(resource, &value) != 0 || value.rlim_cur == RLIM_INFINITY)
        return std::nullopt;
    constexpr auto Largest = static_cast<rlim_t>(std::numeric_limits<qint64>::max());
    return static_cast<qint64>(value.rlim_cur < Largest ? value.rlim_cur : Largest);
}

// The number after `key` in a /proc file, or -1.
qint64 field(const QByteArray &text, QByteArrayView key)
{
    const qsizetype at = text.indexOf(key);
    return at < 0 ? -1 : text.mid(at + key.size()).simplified().split(' ').value(0).toLongLong();
}

QByteArray procFile(const QString &name)
{
    QFile file(QStringLiteral("/proc/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
#endif

} // namespace

std::optional<qint64> threadLimit()
{
#if defined(TAVREL_HAS_RLIMIT) && defined(RLIMIT_NPROC)
    return limit(RLIMIT_NPROC);
#else
    return std::nullopt;
#endif
}

std::optional<qint64> threadsLeft(qint64 wanted)
{
    const std::optional<qint64> limit = threadLimit();
    if (!limit)
        return std::nullopt;
    qint64 used = 1; // where the system does not tell, this program's main thread
#ifdef TAVREL_HAS_RLIMIT
    // Where the threads of the whole system ("running/all" in /proc/loadavg) leave room enough, the user's need not be
    // counted.
    const QByteArray load = procFile(QStringLiteral("loadavg"));
    if (const qint64 all = field(load, "/"); all > 0 && *limit - all >= wanted)
        return wanted;
    if (!load.isEmpty()) {
        used = 0;
        const qint64 user = getuid();
        const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &process : processes) {
            const QByteArray status =
                process.front().isDigit() ? procFile(process + QStringLiteral("/status")) : QByteArray();
            if (field(status, "\nUid:") == user) // the real user, which the limit counts by
                used += std::max<qint64>(field(status, "\nThreads:"), 0);
        }
    }
#endif
    return std::min(*limit - used, wanted);
}

std::optional<qint64> addressSpaceLimit()
{
#ifdef TAVREL_HAS_RLIMIT
    return limit(RLIMIT_AS);
#else
    return std::nullopt;
#endif
}

} // namespace tavrel::shell
