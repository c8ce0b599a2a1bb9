// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrel {
struct Reading;
}

// The rehearsal, for speed alone: the first letter typed into the input form's name box has the frame with a result
// window for the date chosen so far built off screen, painted into pictures and dropped, so that the first reading
// finds its fonts, texts and pictures ready and is as quick as the next. It changes when work is done, never what a
// window shows; neither window is loaded, and the clipboard is left alone.
namespace tavrel::ui {

// Builds the frame with a result window for `reading` off screen, paints them and drops them (frmDisplay::rehearse),
// unless rehearsals are off or the address space the process may take is too small for one beside a reading.
void rehearseReading(const Reading &reading);

// How many rehearsals have been done since the program started, for tests that wait for one.
int rehearsalsDone();

// The one switch, for the benchmarks that measure what the rehearsal gains: on unless turned off.
void setRehearsalsOn(bool on);

} // namespace tavrel::ui
