// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tavrel::shell {

// Asks for the place where a top-level window was last seen whenever it is shown again. Qt learns where a window
// is from the window system's notes; a window manager that moves a window without a note (weston's, for X
// programs, as the user drags the title bar) leaves Qt with the old place, and a window shown anew would be put
// back there. The pointer tells too: each of its events in the window carries its position in the window and on
// the screen, and so where the window's inside is. The place is the inside's, never a frame's, and it is a
// request: a window system that places windows itself (a Wayland compositor) declines it.
void keepPlaceSeen(QWidget *window);

// The one off switch: false leaves the place to what Qt learns from the window system alone.
inline constexpr bool PlaceSeenKept = true;

} // namespace tavrel::shell
