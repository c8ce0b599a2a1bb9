// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <optional>

class QTextStream;

namespace tavrel {

// The command line, read before the application object exists: --help (and the platform's own way of asking for
// help, packaging/console.h) and --version are answered on `out`, an unknown option or an argument is refused on
// `err`; Qt's own options (-platform, -style, -reverse, ...) are left to Qt. Returns the exit status when the
// program is to end at once, nothing when it is to start.
std::optional<int> answerCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);
// The same for main()'s arguments, on the standard output and error as the platform gives them a place; a refusal
// that would reach no one is shown in a message box.
std::optional<int> answerCommandLine(int argc, char *argv[]);

} // namespace tavrel
