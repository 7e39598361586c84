#pragma once
// The desktop services the program asks of its system: the millisecond clock, the system language
// as a Windows language identifier, the display's colour depth and the web browser. Each is answered
// through the C++ library or Qt, which ask the system; the Windows call they stand for is named.

#include <QString>

#include <cstdint>
#include <functional>

namespace numerava {

// Milliseconds since an arbitrary start, wrapping like a 32-bit tick count (Windows: GetTickCount;
// here std::chrono::steady_clock). Tests replace the source.
uint32_t TickCount();
void SetTickSource(std::function<uint32_t()> source); // an empty function restores the real clock

// The system's default language as a Windows language identifier: 1051 Slovak, 1029 Czech,
// 1033 English, other languages their primary identifier (Windows: GetUserDefaultLangID; here
// QLocale::system(), from LANG on Linux).
uint16_t SystemDefaultLangId();

// Bits per pixel of the primary screen (needs a QGuiApplication); 32 when no screen is known
// (Windows: GetDeviceCaps(BITSPIXEL); here QScreen::depth()).
int DisplayColorDepth();
// Below this depth (palette displays of 256 colours) Qt's widgets have nothing to paint on.
inline constexpr int MinimumColorDepth = 15;

// Opens the address in the default browser (no shell involved). False when that failed
// (Windows: ShellExecuteW "open"; here QDesktopServices::openUrl).
bool OpenWebAddress(const QString& address);
// Tests replace the browser; an empty function restores it.
void SetWebOpener(std::function<bool(const QString&)> opener);

} // namespace numerava
