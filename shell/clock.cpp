// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/clock.h"

namespace tavrel::shell {

namespace {

std::function<QDate()> &todaySource()
{
    static std::function<QDate()> source;
    return source;
}

} // namespace

QDate today()
{
    if (const auto &source = todaySource())
        return source();
    return QDate::currentDate();
}

void setToday(std::function<QDate()> source)
{
    todaySource() = std::move(source);
}

} // namespace tavrel::shell
