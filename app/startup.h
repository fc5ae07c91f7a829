// Start-up: what the program does before its first window, and the first window itself.
#ifndef SPOONWISE_APP_STARTUP_H
#define SPOONWISE_APP_STARTUP_H

namespace startup {

// Names the program to the desktop, loads the catalogs of the desktop's language, lets screen
// readers see the windows' own controls, opens the title window centred on the screen, and runs
// until the program's last window closes.
// Returns the exit code.
int run();

} // namespace startup

#endif // SPOONWISE_APP_STARTUP_H
