// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QWindow;

// How a copy refused beside a running one lets the running copy take the foreground in its place: each window
// system has its own way, and its own library in packaging/ (chosen by the build).
namespace tavrel::platform {

// Before the application object exists: keeps the X11 startup id that the launcher gave this copy, which Qt's
// plug-in takes out of the environment as it starts.
void keepLaunchToken();

// A copy refused beside a running one, before its message: keeps the Wayland activation token that the launcher
// gave it for the running copy, rather than let Qt activate the message with it (a token may serve only once).
void keepLaunchTokenForRunningCopy();

// The refused copy, once its message is read and the running copy has told its process id (0 where it told none):
// what the running copy needs to take the foreground (the launcher's token or startup id, or a token of the
// compositor's), or nothing; on Windows it allows that process, and no other, to take the foreground.
QByteArray activationToken(qint64 runningCopy);

// The running copy: asks the window system to give the window to the user, as a click in a task bar would, with
// what a later copy handed over. A request the window system may decline.
void activate(QWindow *window, const QByteArray &token);

} // namespace tavrel::platform
