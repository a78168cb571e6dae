// The program's entry: creates the windows in their fixed order, runs the message loop until the
// main window closes, then destroys the windows again.
#pragma once

#include <functional>

// Runs the configurator. The program folder is the folder of argv[0] when it names a path.
// Returns the program's exit code.
int Run_Configurator(int argc, char** argv);

// Creates the windows that exist (main window first) and registers them; Run_Configurator calls
// it. Destroy_Windows undoes it.
void Create_Windows();
void Destroy_Windows();
