// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tavrel::shell {

// Brings a window that was minimized while maximized back maximized. A title bar that Qt draws itself (Qt 6.4 on
// a Wayland compositor without decorations of its own) minimizes its window by asking for the minimized state
// alone: Qt's support of the compositor's windows takes the maximized state as given up and tells the compositor
// so, and the window comes back at its restored size, with scroll bars. The window remembers that it was maximized
// as it was minimized, and once it is active again asks for that state, a request the compositor may decline.
void keepMaximizedThroughMinimize(QWidget *window);

// The one off switch: false leaves the state to the window system alone.
inline constexpr bool MaximizedKeptThroughMinimize = true;

} // namespace tavrel::shell
