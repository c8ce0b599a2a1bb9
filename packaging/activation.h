// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QWindow;

// How a copy refused beside a running one lets the running copy take the foreground in its place: each window
// system has its own way, and its own library in packaging/ (chosen by the build).
namespace tavrel::platform {

// Called before the application object exists: keeps what the launcher handed this copy for its first window (a
// Wayland activation token, an X11 startup id), which the window system's plug-in may use up for itself.
void keepLaunchToken();

// The refused copy, once its message is read: what the running copy needs to take the foreground (a token, a
// startup id), or nothing; on Windows it allows the running copy to take it.
QByteArray activationToken();

// The running copy: asks the window system to give the window to the user, as a click in a task bar would, with
// what a later copy handed over. A request the window system may decline.
void activate(QWindow *window, const QByteArray &token);

} // namespace tavrel::platform
