#pragma once
// Facts about the running program that only the operating system knows. No Qt here, so that tools
// can ask before they create an application object.

#include <filesystem>

namespace numerava {

// The program's own file, links resolved; empty when the system does not tell.
// Linux: /proc/self/exe. Windows: GetModuleFileNameW(nullptr, ...).
std::filesystem::path ProgramFile();

// Processor time (user and system) the process has used so far, in milliseconds.
// POSIX: getrusage(RUSAGE_SELF). Windows: GetProcessTimes(GetCurrentProcess(), ...).
double ProcessorTimeMilliseconds();

} // namespace numerava
