// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrel::shell {

// Once the last reminder is 15 or more days away from today (either way), asks whether to look for a newer
// version and opens the download page on Yes. Remembers the day it last asked (or the first run) in the
// settings store, section "Settings", under a scrambled entry. Asks at most once in a run of the program, also
// when the store refuses to keep the day. Never reports a failure.
void RemindOfUpdate();

// Begins a run of the program: start-up calls it before its first reminder.
void beginReminderRun();

} // namespace tavrel::shell
