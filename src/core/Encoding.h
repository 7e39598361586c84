#pragma once
// Text encodings at the file boundary: the word-problem data files are Windows-1250.

#include <string>
#include <string_view>

namespace numerava {

// Decodes Windows-1250 bytes to UTF-8 by the code page's table, the same on every system and without
// a system call. The five byte values the code page leaves undefined become U+FFFD, so a damaged file
// still yields readable text.
std::string DecodeWindows1250(std::string_view bytes);

// Number of code points of a UTF-8 text (bytes that start a character are counted).
size_t CodePointCount(std::string_view utf8);

} // namespace numerava
