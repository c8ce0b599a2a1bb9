// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the program cannot go on, it ends at once with one line on standard error and status 1, releasing its lock
// with its process: it neither waits for ever nor dumps core.
//  - An address space too small for the program (a limit the system sets): it does not start.
//  - Qt's fatal message while the application object is made (no display, no platform to show windows on) becomes
//    one line that says so; the messages Qt gave before it are kept for that line, and passed on as usual when the
//    application object is made.
//  - A thread that the system would not start (a limit on threads or on address space): whatever was to run on it
//    (the message bus's connection, the window system's reader, Qt's drawing work) would be waited for in vain.
//  - Memory that could not be had (std::bad_alloc, wherever it ends the program).
namespace tavrel {

// Before the application object is made.
void endAtOnceWhereStuck();
// Once it is made.
void applicationMade();

} // namespace tavrel
