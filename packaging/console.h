// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The command line as the users of each platform write it and read its answers: each platform has its own library
// in packaging/ (chosen by the build).
namespace tavrel::platform {

// The platform's own way of asking a program for its help ("/?" on Windows), or nothing.
QString helpRequest();

// Where the help sends its reader for more (the manual page, where one is installed), or nothing.
QString manualPage();

// Before the command line's answer is written: gives the standard output and error a place where it can be read.
// A Windows program with windows has none of its own; it writes to the console it was started from, if any, unless
// they are redirected to a file or a pipe. true when the standard error reaches a person or a file.
bool attachConsole();

} // namespace tavrel::platform
