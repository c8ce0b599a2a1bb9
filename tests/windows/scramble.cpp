// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints each argument as the settings store keeps it, scrambled, one a line: the Wine test looks for the
// reminder's entry in the registry under that name and value.
#include "shell/scramble.h"

#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        std::puts(qPrintable(tavrel::shell::scramble(QString::fromLocal8Bit(argv[i]))));
    return 0;
}
