#pragma once

#include "shell/forms.h" // FormSlot, from the shell

namespace tavrel {
struct Reading;
}

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

// Builds the frame with a result window for `reading` off screen, paints them into pictures and drops them,
// without loading either window: the first reading then finds what it needs ready (see frmDisplay::rehearse).
void rehearseReading(const Reading &reading);

} // namespace tavrel::ui
