// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Linux and other Unix-like systems: the standard output and error are the terminal's, or what the shell made of
// them; the manual page tavrel(1) is installed with the program.
#include "packaging/console.h"

namespace tavrel::platform {

QString helpRequest()
{
    return {};
}

QString manualPage()
{
    return QStringLiteral("tavrel(1)");
}

bool attachConsole()
{
    return true;
}

} // namespace tavrel::platform
