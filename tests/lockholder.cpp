// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the application's single-instance lock at the path given as its argument, reports on standard output
// whether it got it ("first" or "second"), and keeps it until its standard input closes. The single-instance
// test kills it to leave behind whatever a killed copy leaves.
#include "shell/singleinstance.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    const tavrel::shell::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    std::puts(instance.isFirst() ? "first" : "second");
    std::fflush(stdout);
    while (std::getchar() != EOF) { }
    return 0;
}
