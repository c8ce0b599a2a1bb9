// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrel {

// Fits the application's thread pool, which Qt's own drawing uses, to the limits the system sets on the process. Qt's
// drawing hands work to the pool and waits for it; a pool thread that cannot be started takes its work with it, and
// the drawing then waits for ever. Where the system limits the threads of the user (shell::threadsLeft), the pool may
// have what the limit leaves beside the user's other processes and the program's own threads, which it counts too,
// and one at least; where it limits the address space (shell::addressSpaceLimit), the pool's threads take small
// stacks, which are then found even when the address space is nearly used up; under either, one pool thread is
// started at once and kept, so that a thread the limit leaves no room for ends the program at its start
// (app/lastresort.h). Elsewhere the pool is left as Qt makes it. Call it once, after the application object is made
// and before the first window is shown.
void fitThreadPoolToLimits();

} // namespace tavrel
