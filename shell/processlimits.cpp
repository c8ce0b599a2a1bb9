// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/processlimits.h"

#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#define TAVREL_HAS_RLIMIT 1
#endif

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

std::optional<qint64> addressSpaceLimit()
{
#ifdef TAVREL_HAS_RLIMIT
    return limit(RLIMIT_AS);
#else
    return std::nullopt;
#endif
}

} // namespace tavrel::shell
