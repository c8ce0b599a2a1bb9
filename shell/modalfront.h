// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tavrel::shell {

// Keeps a modal dialog (the About box, a message box) in front of the windows it blocks, and with the keyboard,
// whatever the window system does with them:
// - a window system may give the keyboard to a window the dialog blocks (mutter, on a click on it or once the
//   dialog is minimized), where keys go nowhere: that window shows no focus mark and no caret, Enter still presses
//   the dialog's button, and the dialog is mapped anew, which brings it back with the keyboard;
// - a title bar drawn by the toolkit (on a Wayland compositor) minimizes its window even beneath the dialog, or the
//   dialog itself, which has no minimize box: a window minimized alone is mapped anew at once, the dialog above.
//   Windows minimized together (by a window manager that takes a window's dialogs with it) come back together.
void keepModalInFront(QWidget *dialog);

// The one off switch: false leaves the dialogs to the window system alone.
inline constexpr bool ModalKeptInFront = true;

} // namespace tavrel::shell
