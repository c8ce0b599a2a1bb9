// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The benchmarks' flags that turn work done ahead of time off: "--without NAME", NAME being one of the pieces below
// or "all". The flags are taken out of the arguments; an unknown name ends the benchmark.
#include "ui/aheadoftime.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace tavrel::bench {

inline void takeAheadFlags(int &argc, char **argv)
{
    using ui::ahead::Piece;
    constexpr std::pair<const char *, Piece> Names[]{{"rehearsal", Piece::Rehearsal},
                                                     {"diagram", Piece::DiagramPicture}};
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--without") != 0 || i + 1 >= argc) {
            argv[kept++] = argv[i];
            continue;
        }
        const char *name = argv[++i];
        bool known = std::strcmp(name, "all") == 0;
        if (known)
            ui::ahead::setAllOn(false);
        for (const auto &[piece, value] : Names) {
            if (std::strcmp(name, piece) == 0) {
                ui::ahead::setOn(value, false);
                known = true;
            }
        }
        if (!known) {
            std::fprintf(stderr, "--without: no piece called %s\n", name);
            std::exit(2);
        }
    }
    argc = kept;
    argv[argc] = nullptr;
}

} // namespace tavrel::bench
