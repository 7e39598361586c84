#pragma once
// Tests: the few system calls the tests make themselves (special files, running a command), each with
// what it does on Windows.

#include <cstdio>
#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace numerava::testing {

// Makes a named pipe at `path`: a file that would block whoever reads it. POSIX: mkfifo. Windows
// keeps its named pipes outside the file system (\\.\pipe\...): false, and the test leaves it out.
inline bool MakeFifo(const std::filesystem::path& path) {
#ifdef _WIN32
    (void)path;
    return false;
#else
    return mkfifo(path.c_str(), 0600) == 0;
#endif
}

// A device that never ends when read, or nullptr. POSIX: /dev/zero. Windows: none that a file
// check would meet in a folder.
inline const char* EndlessDevice() {
#ifdef _WIN32
    return nullptr;
#else
    return "/dev/zero";
#endif
}

// Runs a command through the system's shell and collects its standard output. Returns the exit
// status, or -1 when the command could not be started. POSIX: popen. Windows: _popen.
inline int RunCommand(const std::string& command, std::string& output) {
#ifdef _WIN32
    FILE* pipe = _popen(command.c_str(), "r");
#else
    FILE* pipe = popen(command.c_str(), "r");
#endif
    if (pipe == nullptr) return -1;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
#ifdef _WIN32
    return _pclose(pipe);
#else
    return pclose(pipe);
#endif
}

} // namespace numerava::testing
