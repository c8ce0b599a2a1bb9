// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rehearsal.h"

#include "shell/processlimits.h"
#include "ui/display/frmDisplay.h"
#include "ui/frmMdi.h"

namespace tavrel::ui {

namespace {

// The address space below which a rehearsal is skipped. A reading takes about 140 MB of it in an X server (the
// threads of the window system's connection and of the message bus reserve their stacks), 120 MB on Qt's offscreen
// platform, and a rehearsal beside it little more; below this, the memory left is for the reading.
constexpr qint64 RehearsalAddressSpace = 160'000'000;

bool rehearsalsOn = true;
int rehearsals = 0;

// Decided once: where the address space is limited, whether the limit has room for a rehearsal.
bool rehearsalFits()
{
    static const bool fits = shell::addressSpaceLimit().value_or(RehearsalAddressSpace) >= RehearsalAddressSpace;
    return fits;
}

} // namespace

void rehearseReading(const Reading &reading)
{
    if (!rehearsalsOn || !rehearsalFits())
        return;
    frmMdi frame; // at its restored size: the picture of a maximized one would take far more memory, to no end
    frmDisplay::rehearse(reading, *frame.clientArea());
    ++rehearsals;
}

int rehearsalsDone()
{
    return rehearsals;
}

void setRehearsalsOn(bool on)
{
    rehearsalsOn = on;
}

} // namespace tavrel::ui
