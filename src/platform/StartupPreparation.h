#pragma once
// Start-up work done ahead on a worker thread: reading the system's font configuration (fontconfig's
// set-up) and loading Qt's image plugins (Qt asks all of them about the first picture it reads with
// format detection, as the style's group-box frame). Each costs a few milliseconds the first time
// and the first screen needs both. The font configuration needs nothing of Qt and is read while the
// application connects to the display; the plugins are loaded only once the application object
// exists, because Qt sets up its plugin paths while that object is made.

namespace numerava {

// Starts the worker; the calling thread must be the program's main thread, and no application
// object may exist yet.
void StartStartupPreparation();

// The application object exists now: the worker may go on to the image plugins.
void StartupApplicationCreated();

// Waits until the font configuration is read, if a worker was started (RegisterFonts does, before
// Qt's font database first asks fontconfig, which then finds the configuration read).
void WaitForStartupFonts();

// Waits for the worker to end; it loads no plugins if the application object was never announced.
// Called while the application object still exists.
void FinishStartupPreparation();

} // namespace numerava
