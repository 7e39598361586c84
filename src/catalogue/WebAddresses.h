#pragma once
// The contest web site: the category and help pages the welcome screen opens, and the result form.

#include <string>

namespace numerava {

// The site's base address (the only place it is written).
inline constexpr const char* ContestSiteAddress = "https://soutez.numerava.cz/";

inline std::string ContestPage(const std::string& pathAndQuery) { return ContestSiteAddress + pathAndQuery; }

} // namespace numerava
