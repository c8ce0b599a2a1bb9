// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrel {

// Starts the application: refuses to run beside a running copy, runs the update reminder and shows the input
// form. When it returns with shell::isEnding() true, the application has ended and must not enter its event
// loop.
void StartApplication();

} // namespace tavrel
