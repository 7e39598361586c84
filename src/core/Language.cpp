#include "core/Language.h"

namespace numerava {

uint16_t Language = LanguageCzech;
uint16_t SystemLangId = 0;
uint8_t TextCharset = CentralEuropeanCharset;

uint16_t LanguageForSystem(uint16_t systemLangId) {
    return systemLangId == SlovakLangId ? LanguageSlovak : LanguageCzech;
}

void ChooseLanguageAtStart(uint16_t systemLangId) {
    SystemLangId = systemLangId;
    TextCharset = CentralEuropeanCharset;
    Language = LanguageForSystem(systemLangId);
}

} // namespace numerava
