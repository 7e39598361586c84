#include "contest/ContestRules.h"

#include <array>
#include <cstdio>
#include <initializer_list>

#include "catalogue/Selection.h"
#include "catalogue/WebAddresses.h"
#include "core/Format.h"
#include "core/Language.h"

namespace numerava {

namespace {

const char* Pick(uint16_t language, const char* czech, const char* slovak) {
    return language == LanguageSlovak ? slovak : czech;
}

// Two's-complement narrowing, as the program's 32-bit integers wrap.
int32_t Wrap32(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }

constexpr std::array<ContestCategoryRow, 30> Categories{{
    {200, "NU 1: Počítání do 20 / Sčítání a odčítání", "NU 1: Počítanie do 20 / Sčítanie a odčítanie"},
    {20, "NU 1: Počítání do 20 / Vše", "NU 1: Počítanie do 20 / Všetko"},
    {500, "NU 1: Počítání do 50 / Sčítání a odčítání", "NU 1: Počítanie do 50 / Sčítanie a odčítanie"},
    {50, "NU 1: Počítání do 50 / Vše", "NU 1: Počítanie do 50 / Všetko"},
    {100, "NU 1: Počítání do 100 / Vše", "NU 1: Počítanie do 100 / Všetko"},
    {110, "NU 1: Počítání do 100 / Sčítání a odčítání", "NU 1: Počítanie do 100 / Sčítanie a odčítanie"},
    {1, "NU 1: Počítání do 1000 / Vše", "NU 1: Počítanie do 1000 / Všetko"},
    {11, "NU 1: Vše / Číselné výrazy", "NU 1: Všetko / Číselné výrazy"},
    {2, "NU 2: Vše", "NU 2: Všetko"},
    {21, "NU 2: Přirozená čísla / Vše", "NU 2: Prirodzené čísla / Všetko"},
    {25, "NU 2: Desetinná čísla / Sčítání a odčítání", "NU 2: Desatinné čísla / Sčítanie a odčítanie"},
    {22, "NU 2: Desetinná čísla / Vše", "NU 2: Desatinné čísla / Všetko"},
    {23, "NU 2: Celá čísla / Vše", "NU 2: Celé čísla / Všetko"},
    {24, "NU 2: Racionální čísla / Vše", "NU 2: Racionálne čísla / Všetko"},
    {26, "NU 2: Vše / Číselné výrazy", "NU 2: Všetko / Číselné výrazy"},
    {3, "NU 3: Vše", "NU 3: Všetko"},
    {31, "NU 3: Mocniny a odmocniny / Vše", "NU 3: Mocniny a odmocniny / Všetko"},
    {32, "NU 3: Výrazy bez závorek / Vše", "NU 3: Výrazy bez zátvoriek / Všetko"},
    {33, "NU 3: Výrazy se závorkami / Vše", "NU 3: Výrazy so zátvorkami / Všetko"},
    {34, "NU 3: Výrazy bez závorek,Výrazy se závorkami / Vše",
     "NU 3: Výrazy bez zátvoriek,Výrazy so zátvorkami / Všetko"},
    {4, "NU 4: Vše", "NU 4: Všetko"},
    {41, "NU 4: Jednotky pro 1. stupeň", "NU 4: Jednotky pre 1. stupeň"},
    {42, "NU 4: Jednotky 1/2", "NU 4: Jednotky 1/2"},
    {5, "NU 5: Vše", "NU 5: Všetko"},
    {51, "NU 5: Úlohy pro 1. stupeň", "NU 5: Úlohy pre 1. stupeň"},
    {52, "NU 5: Slovní úlohy 1/2", "NU 5: Slovné úlohy 1/2"},
    {53, "NU 5: Procenta", "NU 5: Percentá"},
    {6, "NU 6: Vše", "NU 6: Všetko"},
    {60, "NU 6: Rovnice", "NU 6: Rovnice"},
    {61, "NU 6: Algebra 1/2", "NU 6: Algebra 1/2"},
}};

struct Shortening {
    const char* longText;
    const char* shortText;
};

constexpr std::array<Shortening, 6> Shortenings{{
    {"NU 4: Jednotky pro 1. stupeň,Jednotky délky,Jednotky hmotnosti,Jednotky času", "NU 4: Jednotky 1/2"},
    {"NU 4: Jednotky pre 1. stupeň,Jednotky dĺžky,Jednotky hmotnosti,Jednotky času", "NU 4: Jednotky 1/2"},
    {"NU 5: Úlohy pro 1. stupeň,Úlohy s des.čísly a zlomky,Úhly,Celá čísla,Úlohy o pohybu,Chytáky",
     "NU 5: Slovní úlohy 1/2"},
    {"NU 5: Úlohy pre 1. stupeň,Úlohy s des.číslami a zlomkami,Uhly,Celé čísla,Úlohy o pohybe,Chytáky",
     "NU 5: Slovné úlohy 1/2"},
    {"NU 6: Rovnice,Hodnota výrazu,Úpravy výrazů,Mocniny", "NU 6: Algebra 1/2"},
    {"NU 6: Rovnice,Hodnota výrazu,Úpravy výrazov,Mocniny", "NU 6: Algebra 1/2"},
}};

} // namespace

bool ContestWarningPending = false;

int64_t ContestElapsed(uint32_t nowTick, int32_t startTick) {
    return static_cast<int32_t>(nowTick - static_cast<uint32_t>(startTick));
}

int32_t ContestStartAfterPause(uint32_t nowTick, int32_t startTick, int32_t pauseStartTick) {
    return static_cast<int32_t>(nowTick + static_cast<uint32_t>(startTick) -
                                static_cast<uint32_t>(pauseStartTick));
}

std::string BikePicture(int part) {
    char path[32];
    std::snprintf(path, sizeof path, "Graphics/kolo%02d.jpg", part == 6 ? 5 : part);
    return path;
}

int32_t ContestTimeBonus(int64_t elapsedMs) { return Wrap32(ContestTargetSeconds - elapsedMs / 1000); }

int32_t ContestFinalScore(int32_t contestPoints, int64_t elapsedMs, int32_t mistakes) {
    // Each step wraps separately, as 32-bit integers would; int64 keeps the intermediate exact.
    const int32_t withPoints = Wrap32(int64_t{ContestTimeBonus(elapsedMs)} + contestPoints);
    return Wrap32(int64_t{withPoints} - Wrap32(int64_t{ContestMistakePenalty} * mistakes));
}

std::string FormatDuration(int64_t elapsedMs) {
    return Format("%.2d:%.2d", {elapsedMs / 60000, (elapsedMs % 60000) / 1000});
}

std::string ContestMistakesText(int32_t mistakes, uint16_t language) {
    if (mistakes == 0) return "bez chyby";
    if (mistakes == 1) return Format("%d chyba × 50b", {mistakes});
    if (mistakes >= 2 && mistakes <= 4) return Format("%d chyby × 50b", {mistakes});
    return Format(Pick(language, "%d chyb × 50b.", "%d chýb × 50b."), {mistakes});
}

std::string ContestPartsLeftText(int32_t partsLeft, uint16_t language) {
    if (partsLeft == 1) return Format(Pick(language, "%d díl", "%d diel"), {partsLeft});
    if (partsLeft >= 2 && partsLeft <= 4) return Format(Pick(language, "%d díly", "%d diely"), {partsLeft});
    return Format(Pick(language, "%d dílů", "%d dielov"), {partsLeft});
}

std::string ShortenContestTopic(std::string_view topicText) {
    for (const Shortening& shortening : Shortenings) {
        if (topicText == shortening.longText) return shortening.shortText;
    }
    return std::string(topicText);
}

bool IsContestSelection(int area, uint8_t difficulties, uint8_t operations) {
    const auto is = [](uint8_t set, std::initializer_list<int> items) { return set == MakeSet(items); };
    const auto single = [](uint8_t set, int last) {
        for (int item = 1; item <= last; ++item)
            if (set == ItemBit(item)) return true;
        return false;
    };
    const uint8_t d = difficulties;
    const uint8_t o = operations;
    switch (area) {
    case 1:
        return (d == SetAllFour && o == SetAllFour) ||
               ((is(d, {1}) || is(d, {2}) || is(d, {3})) && (is(o, {1}) || o == SetAllFour)) ||
               (is(d, {4}) && o == SetAllFour) || (d == SetAllFour && is(o, {4}));
    case 2:
        return ((d == SetAllFour || is(d, {1}) || is(d, {3}) || is(d, {4})) && o == SetAllFour) ||
               (is(d, {2}) && (is(o, {1}) || o == SetAllFour)) || (d == SetAllFour && is(o, {4}));
    case 3:
        return (d == SetAllFour || is(d, {1}) || is(d, {2}) || is(d, {2, 3}) || is(d, {3}) || is(d, {4})) &&
               o == SetAllFour;
    case 4:
    case 6: return (is(d, {1}) || d == SetAllFour) && !single(o, 4);
    case 5:
        return (d == SetAllSix && o == SetAllSix) || ((is(d, {1}) || d == SetAllSix) && !single(o, 6)) ||
               (d != SetAllSix && is(o, {4}));
    default: return false;
    }
}

std::string ContestNoEntryMessage(uint16_t language) {
    return Pick(language,
                "Po dokončení tohoto testu\r\nzápis do soutěže nebude možný!\r\nPříště si vyber jednu ze 30 "
                "kategorií!",
                "Po dokončení tohoto testu\r\nzápis do súťaže nebude možný!\r\nNabudúce si vyber jednu zo 30 "
                "kategórií!");
}

std::span<const ContestCategoryRow> ContestCategories() { return Categories; }

uint16_t ContestCategoryCode(std::string_view topicText, uint16_t language) {
    for (const ContestCategoryRow& row : Categories) {
        if (topicText == Pick(language, row.czech, row.slovak)) return row.code;
    }
    return NoContestCategory;
}

int32_t ContestCheckNumber(int32_t score, uint16_t category) {
    // Unsigned arithmetic wraps modulo 2^32 without undefined behaviour; the conversion back to
    // int32_t is two's complement (C++20), and % truncates toward zero as the form expects.
    const uint32_t sum = static_cast<uint32_t>(score) * 48611u + 1789u + category;
    return static_cast<int32_t>(sum) % 457;
}

std::string ContestResultAddress(int32_t score, uint16_t language, uint16_t category) {
    return ContestPage(
        Format("form.php?skore=%d&jazyk=%s&kontrola=%d&uroven=%d",
               {score, Pick(language, "cz", "sk"), ContestCheckNumber(score, category), category}));
}

} // namespace numerava
