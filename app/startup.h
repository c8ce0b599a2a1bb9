#pragma once

namespace tavrel {

// Starts the application: refuses to run beside a running copy, runs the update reminder and shows the input
// form. When it returns with shell::isEnding() true, the application has ended and must not enter its event
// loop.
void StartApplication();

// The whole run of the program: makes the application object, starts the application and runs its event loop
// until it ends; returns the exit status.
int RunApplication(int &argc, char **argv);

} // namespace tavrel
