#pragma once
// The language every visible text is chosen by, and the one helper that picks a text pair.

#include <cstdint>

namespace numerava {

inline constexpr uint16_t LanguageCzech = 0;
inline constexpr uint16_t LanguageSlovak = 1;
inline constexpr uint16_t SlovakLangId = 1051; // Windows language identifier 0x041B
inline constexpr uint16_t CzechLangId = 1029;  // 0x0405
inline constexpr uint8_t CentralEuropeanCharset = 238;

extern uint16_t Language;     // 0 Czech, 1 Slovak; no other value is stored
extern uint16_t SystemLangId; // the system's default language, read once at start
extern uint8_t TextCharset;

// Start-up choice: Slovak only on a Slovak system, Czech on every other one.
uint16_t LanguageForSystem(uint16_t systemLangId);
void ChooseLanguageAtStart(uint16_t systemLangId);

// Picks the Czech or the Slovak text of a pair by the current language.
template <typename T>
constexpr const T& ByLanguage(const T& czech, const T& slovak) {
    return Language == LanguageSlovak ? slovak : czech;
}
inline const char* ByLanguage(const char* czech, const char* slovak) {
    return Language == LanguageSlovak ? slovak : czech;
}

} // namespace numerava
