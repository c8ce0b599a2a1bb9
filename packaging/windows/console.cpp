// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: tavrel.exe is a program with windows, which Windows starts with no console. Its standard output and error
// lead somewhere only when they are redirected (to a file or a pipe); otherwise the answer goes to the console of
// the program it was started from (cmd, PowerShell), which it attaches to only to answer. /? asks for the help, and
// no manual page is installed.
#include "packaging/console.h"

#include <cstdio>

#include <windows.h>

namespace tavrel::platform {

namespace {

bool redirected(DWORD stream)
{
    const HANDLE handle = ::GetStdHandle(stream);
    return handle && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

QString helpRequest()
{
    return QStringLiteral("/?");
}

QString manualPage()
{
    return {};
}

bool attachConsole()
{
    const bool output = redirected(STD_OUTPUT_HANDLE);
    const bool error = redirected(STD_ERROR_HANDLE);
    if ((output && error) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return error;
    if (!output)
        std::freopen("CONOUT$", "w", stdout);
    if (!error)
        std::freopen("CONOUT$", "w", stderr);
    return true;
}

} // namespace tavrel::platform
