// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrel {

// Fits the application's thread pool, which Qt's own drawing uses, to a limit on threads. Qt's drawing hands work
// to the pool and waits for it; a pool thread that cannot be started takes its work with it, and the drawing then
// waits for ever. Where the system limits the threads of the user (shell::threadLimit), the pool may have what the
// limit leaves beside the program's own threads, and one at least; elsewhere it is left as Qt sizes it. Call it once,
// after the application object is made and before the first window is shown.
void fitThreadPoolToLimit();

} // namespace tavrel
