// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;

namespace tavrel {
struct Reading;
}

// Work done ahead of time, for speed alone: each piece changes when work is done, never what a window shows, and
// each is skipped when memory runs short. A paint never waits for another thread: what a thread of the pool makes
// is handed back through the event queue, and until it is there the widget paints itself.
namespace tavrel::ui::ahead {

enum class Piece {
    // The first letter typed into the name box has a reading's windows built off screen, painted and dropped,
    // so that the first reading finds its fonts, texts and pictures ready.
    Rehearsal,
    // While a reading's windows are shown, a thread of the pool draws the Tree-of-Life diagram; once the
    // picture is handed back, the diagram's paints copy it for as long as nothing on it changes.
    DiagramPicture,
};

// Whether a piece is on. All are, unless a test or a benchmark turns them off.
bool isOn(Piece piece);
void setOn(Piece piece, bool on);
// The one switch: every piece on, or every piece off.
void setAllOn(bool on);

// Gives the application's thread pool, which Qt's own drawing uses as well, the threads it may have, and keeps
// them: where threads are scarce (a limit on processes or on memory) the pool is sized to the threads that could
// be started now, so that neither Qt nor this program later asks for a thread that cannot be had. Call it once,
// after the application object is made and before the first window is shown.
void securePool();

// Hands `work` to the application's thread pool. The function that `work` returns is then called on the thread of
// `receiver`, through its event queue, unless `receiver` has gone by then. Returns false when the piece is off.
// Work that runs short of memory hands nothing back.
bool handToPool(Piece piece, QObject *receiver, std::function<std::function<void()>()> work);

// The rehearsal: builds the frame with a result window for `reading` off screen, paints them into pictures and
// drops them, without loading either window (see frmDisplay::rehearse).
void rehearseReading(const Reading &reading);
// How many rehearsals have been done to the end since the program started, for tests that wait for one.
int rehearsalsDone();

} // namespace tavrel::ui::ahead
