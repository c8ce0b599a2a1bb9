// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tavrel::shell {

// Keeps a window of fixed size out of the maximized and full-screen states. Its flags tell the window system
// that it has no maximize box, but a title bar drawn by the toolkit itself (Qt's own, on a Wayland compositor
// without decorations of its own) may offer one all the same, or a double click on the title. The window then
// asks for the state, and a compositor that grants it requires the window to fill the size it gives: the
// window takes that size for as long as the state lasts and, once drawn in it, asks to be as it was, so that
// the request changes nothing in the end and never ends the program.
void keepFixedSize(QWidget *window);

} // namespace tavrel::shell
