// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tavrel::shell {

// Keeps a modal dialog (the About box, a message box) the window that has the keyboard for as long as it is
// shown, whatever the window system does with the windows it blocks:
// - a window system may give the keyboard to a window the dialog blocks (on a click on it, or once the dialog is
//   minimized), where keys go nowhere: the dialog is then brought back, raised and activated;
// - the dialog has no minimize box, yet a title bar drawn by the toolkit, or a window manager, may minimize it:
//   it comes back at once;
// - a window it blocks that is minimized (by a title bar beneath the dialog) takes the dialog with it, and both
//   come back together, the dialog with the keyboard, when either is shown again.
// A blocked window that holds the keyboard for a moment is shown as inactive: no focus mark, no caret.
void keepModalInFront(QWidget *dialog);

// The one off switch: false leaves the dialogs to the window system alone.
inline constexpr bool ModalKeptInFront = true;

} // namespace tavrel::shell
