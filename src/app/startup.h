// Start-up and end of the program, apart from the message loop between them.
#pragma once

namespace app {

// Creates the nine windows in their order; each loads its data as it is made.
// Once the settings dialog exists, the loaded settings reach the windows:
// the first-run dialog, the memo's text and place, the memo hotkey.
// A copy already running from the program folder is only reported; nothing
// else happens then and the result is false.
bool StartApplication();
// Runs the message loop until the main form closes.
void RunApplication();
// Destroys the windows once the loop has returned.
void FinishApplication();
// The whole program: start, loop, finish. An exception that escapes is shown
// and ends the program. Returns the exit code, always 0.
int RunVelmarind();

}  // namespace app
