#pragma once

#include <string>
#include <string_view>

namespace numerava::tools {

// A JSON string literal (with quotes) for UTF-8 text: quotes, backslashes and control characters
// are escaped, everything else passes through.
std::string JsonString(std::string_view text);

} // namespace numerava::tools
