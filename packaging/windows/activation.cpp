// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows gives the foreground to a process that the one in the foreground allows: the refused copy, whose message
// the user has just closed, allows the running copy (by the process id it told on the channel), whose own request
// (Qt's, on activateWindow) then succeeds.
#include "packaging/activation.h"

#include <QWindow>

#include <windows.h>

namespace tavrel::platform {

void keepLaunchToken() { }

void keepLaunchTokenForRunningCopy() { }

QByteArray activationToken(qint64 runningCopy)
{
    if (runningCopy > 0)
        ::AllowSetForegroundWindow(static_cast<DWORD>(runningCopy));
    return {};
}

void activate(QWindow *window, const QByteArray &)
{
    if (window)
        window->requestActivate();
}

} // namespace tavrel::platform
