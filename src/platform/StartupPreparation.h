#pragma once
// Start-up work that needs neither the application object nor the display: reading the system's font
// configuration (fontconfig's set-up, where the build found fontconfig) and loading Qt's image plugins (Qt
// asks all of them about the first picture it reads with format detection, as the style's group-box frame).
// Each costs a few milliseconds the first time and the first screen needs both, so main() starts them first
// thing on a worker thread, where they run while the application connects to the display.

namespace numerava {

// Starts the worker; the calling thread must be the program's main thread.
void StartStartupPreparation();

// Waits for the worker to finish, if one was started (RegisterFonts does, before Qt's font database
// first asks fontconfig, which then finds the configuration read).
void WaitForStartupPreparation();

} // namespace numerava
