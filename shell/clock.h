// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

#include <functional>

namespace tavrel::shell {

// Today's date as the application sees it; tests may fix it.
QDate today();
void setToday(std::function<QDate()> source); // an empty source restores the system clock

} // namespace tavrel::shell
