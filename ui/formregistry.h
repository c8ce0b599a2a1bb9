// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/forms.h" // FormSlot, from the shell

namespace tavrel::ui {

class frmMain;
class frmMdi;
class frmDisplay;
class frmAbout;

// The application's four windows. Each is created and loaded on first use and destroyed when unloaded.
// Using the result window first loads the frame, whose load in turn loads the result window inside it.
shell::FormSlot<frmMain> &mainForm();
shell::FormSlot<frmMdi> &mdiForm();
shell::FormSlot<frmDisplay> &displayForm();
shell::FormSlot<frmAbout> &aboutForm();

} // namespace tavrel::ui
