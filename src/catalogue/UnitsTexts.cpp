#include "catalogue/UnitsTexts.h"

#include "catalogue/WordProblemData.h"
#include "core/Format.h"
#include "core/Language.h"

#include <array>

namespace numerava {

uint16_t ContestCategory = 0;

namespace {

// A text in Czech and Slovak; a text equal in both languages is written once.
struct TextPair {
    const char* czech;
    const char* slovak;

    constexpr TextPair(const char* both) : czech(both), slovak(both) {}
    constexpr TextPair(const char* czechText, const char* slovakText)
        : czech(czechText), slovak(slovakText) {}

    std::string Text() const { return ByLanguage(czech, slovak); }
};

constexpr TextPair AllText{"Vše", "Všetko"};

using Column = std::array<TextPair, 4>;

constexpr Column CountingDifficulties{{
    {"Počítání do 20", "Počítanie do 20"},
    {"Počítání do 50", "Počítanie do 50"},
    {"Počítání do 100", "Počítanie do 100"},
    {"Počítání do 1000", "Počítanie do 1000"},
}};

// The operations of areas 1 and 2.
constexpr Column ArithmeticOperations{{
    {"Sčítání a odčítání", "Sčítanie a odčítanie"},
    {"Násobení", "Násobenie"},
    {"Dělení", "Delenie"},
    {"Číselné výrazy"},
}};

constexpr Column NumberSets{{
    {"Přirozená čísla", "Prirodzené čísla"},
    {"Desetinná čísla", "Desatinné čísla"},
    {"Celá čísla", "Celé čísla"},
    {"Racionální čísla", "Racionálne čísla"},
}};

constexpr Column PowerTopics{{
    {"Mocniny a odmocniny"},
    {"Výrazy bez závorek", "Výrazy bez zátvoriek"},
    {"Výrazy se závorkami", "Výrazy so zátvorkami"},
    {"Všechno učivo", "Všetko učivo"},
}};

constexpr Column PowerLevels{{
    {"Lehounké", "Ľahké"},
    {"Normální", "Stredné"},
    {"Těžší", "Ťažšie"},
    {"Velmi těžké", "Veľmi ťažké"},
}};

constexpr Column UnitsLeft{{
    {"Jednotky pro 1. stupeň", "Jednotky pre 1. stupeň"},
    {"Jednotky délky", "Jednotky dĺžky"},
    {"Jednotky hmotnosti"},
    {"Jednotky času"},
}};

constexpr Column UnitsRight{{
    {"Jednotky obsahu"},
    {"Jednotky objemu"},
    {"Jednotky objemu tekutin", "Jednotky objemu tekutín"},
    {"Další jednotky", "Ďalšie jednotky"},
}};

constexpr Column AlgebraLeft{{
    {"Rovnice"},
    {"Hodnota výrazu"},
    {"Úpravy výrazů", "Úpravy výrazov"},
    {"Mocniny"},
}};

constexpr Column AlgebraRight{{
    {"Vzorce pro dvojčleny", "Vzorce pre dvojčlenov"},
    {"Rozklady na součin", "Rozklady na súčin"},
    {"Podmínky lomených výrazů", "Podmienky lomených výrazov"},
    {"Úpravy lomených výrazů", "Úpravy lomených výrazov"},
}};

// Indexed by area; area 5 takes its names from the word-problem data.
constexpr std::array<const Column*, 7> LeftColumns{
    nullptr, &CountingDifficulties, &NumberSets, &PowerTopics, &UnitsLeft, nullptr, &AlgebraLeft};
constexpr std::array<const Column*, 7> RightColumns{
    nullptr, &ArithmeticOperations, &ArithmeticOperations, &PowerLevels, &UnitsRight, nullptr, &AlgebraRight};

constexpr int WordProblemArea = 5;

constexpr std::array<const char*, 7> AreaPictureFiles{
    "",
    "Graphics\\destnik.wmf",
    "Graphics\\konik.emf",
    "Graphics\\kasparek.emf",
    "Graphics\\rybicka.wmf",
    "Graphics\\micek.wmf",
    "Graphics\\rubik.wmf",
};

constexpr std::array<TextPair, 16> PartNames{{
    {"ZADNÍ RÁFEK", "ZADNÝ RÁFIK"},
    {"PŘEDNÍ RÁFEK", "PREDNÝ RÁFIK"},
    {"VÝPLET ZADNÍHO KOLA", "VÝPLET ZADNÉHO KOLESA"},
    {"VÝPLET PŘEDNÍHO KOLA", "VÝPLET PREDNÉHO KOLESA"},
    {"ZADNÍ PLÁŠŤ", "ZADNÝ PLÁŠŤ"},
    {"PŘEDNÍ PLÁŠŤ", "PREDNÝ PLÁŠŤ"},
    {"SEDMIKOLEČKO", "PREHADZOVAČKA"},
    {"RÁM KOLA", "RÁM BICYKLA"},
    {"PŘEDNÍ VIDLICE", "PREDNÁ VIDLICA"},
    {"PŘEDSTAVEC", "DRŽIAK KORMIDLA"},
    {"ŘIDÍTKA", "KORMIDLO"},
    {"SEDÁTKO", "SEDADLO"},
    {"OZUBENÝ TÁC", "OZUBENÉ KOLIESKO"},
    {"ŠLAPADLA", "PEDÁLE"},
    {"ŘETĚZ", "REŤAZ"},
    {"ZVONEK", "ZVONČEK"},
}};

// Bank notes by the fifth of the answer time used.
constexpr std::array<int, 5> NoteValues{50, 20, 10, 5, 2};

bool IsArea(int area) { return area >= 1 && area <= 6; }

bool IsBuiltInItem(int item) { return item >= 1 && item <= 4; }

bool IsWordProblemItem(int item) { return item >= 1 && item <= 6; }

// Joins the names of the set's members 1..lastItem with "," (no blank).
template <typename NameOf>
std::string JoinNames(uint8_t set, int lastItem, NameOf nameOf) {
    std::string joined;
    bool first = true;
    for (int item = 1; item <= lastItem; ++item) {
        if (!HasItem(set, item)) continue;
        if (!first) joined += ',';
        joined += nameOf(item);
        first = false;
    }
    return joined;
}

// Areas 1-3 name a complete column "Vše"; areas 4-6 always list the names.
template <typename NameOf>
std::string ColumnNames(int area, uint8_t set, NameOf nameOf) {
    if (area >= 1 && area <= 3) {
        if (set == SetAllFour) return AllText.Text();
        return JoinNames(set, 5, nameOf);
    }
    if (area >= 4 && area <= 6) return JoinNames(set, 6, nameOf);
    return {};
}

} // namespace

std::string DifficultyName(int area, int item) {
    if (!IsArea(area)) return "<unknown numerava>";
    if (area == WordProblemArea)
        return IsWordProblemItem(item) ? SectionTitles[static_cast<size_t>(item)] : "";
    if (!IsBuiltInItem(item)) return Format("<unknown nu%d difficulty>", {area});
    return (*LeftColumns[static_cast<size_t>(area)])[static_cast<size_t>(item - 1)].Text();
}

std::string OperationName(int area, int item) {
    if (!IsArea(area)) return {};
    if (area == WordProblemArea)
        return IsWordProblemItem(item) ? SectionTitles[static_cast<size_t>(6 + item)] : "";
    if (!IsBuiltInItem(item)) return {};
    return (*RightColumns[static_cast<size_t>(area)])[static_cast<size_t>(item - 1)].Text();
}

std::string DifficultyNames(int area, uint8_t set) {
    return ColumnNames(area, set, [area](int item) { return DifficultyName(area, item); });
}

std::string OperationNames(int area, uint8_t set) {
    return ColumnNames(area, set, [area](int item) { return OperationName(area, item); });
}

std::string TopicList(const TSelection& selection) {
    const std::string difficulties = DifficultyNames(selection.Area, selection.DifficultySet);
    const std::string operations = OperationNames(selection.Area, selection.OperationSet);
    if (!difficulties.empty() && !operations.empty()) return difficulties + ", " + operations;
    return difficulties + operations;
}

std::string TopicText(const TSelection& selection) {
    const std::string all = AllText.Text();
    std::string text;
    switch (selection.Area) {
    case 1:
    case 2:
    case 3:
        // The separator stands even when one column is empty; two complete columns collapse to one "all".
        text = DifficultyNames(selection.Area, selection.DifficultySet) + " / " +
               OperationNames(selection.Area, selection.OperationSet);
        if (text == all + " / " + all) text = all;
        break;
    case 4:
    case 6:
        text = selection.DifficultySet == SetAllFour && selection.OperationSet == SetAllFour
                   ? all
                   : TopicList(selection);
        break;
    case WordProblemArea:
        text = selection.DifficultySet == SetAllSix && selection.OperationSet == SetAllSix
                   ? all
                   : TopicList(selection);
        break;
    default: text = TopicList(selection); break;
    }
    return Format("NU %d: %s", {selection.Area, text});
}

std::string ModeText(int mode, int area) {
    switch (mode) {
    case ModeSmallPractice: return ByLanguage("Procvičování 1 malé", "Precvičovanie 1 malé");
    case ModeLargePractice:
        if (area >= 4 && area <= 6) return "Bez limitu";
        return ByLanguage("Procvičování 2 velké", "Precvičovanie 2 veľké");
    case ModeExpert: return "E X P E R T";
    case ModeContest: return "Celý program";
    default: return "<unknown mode>";
    }
}

std::string ModeCaption(int mode, int area) {
    switch (mode) {
    case ModeSmallPractice: return ByLanguage("Procvičování 1", "Precvičovanie 1");
    case ModeLargePractice:
        // Areas 4-6 run a fixed number of exercises without a time limit.
        if (area == 4 || area == 5) return ByLanguage("Bez limitu\r10 příkladů", "Bez limitu\r10 príkladov");
        if (area == 6) return ByLanguage("Bez limitu\r20 příkladů", "Bez limitu\r20 príkladov");
        return ByLanguage("Procvičování 2", "Precvičovanie 2");
    case ModeExpert: return "Expert";
    case ModeContest: return ByLanguage("Celý program\rSOUTĚŽ", "Celý program\rSÚŤAŽ");
    default: return {};
    }
}

std::string AreaPictureFile(int area) {
    return IsArea(area) ? AreaPictureFiles[static_cast<size_t>(area)] : "";
}

std::string AreaPicture(int area) {
    ContestCategory = static_cast<uint16_t>(area);
    return AreaPictureFile(area);
}

std::string PartName(int part) {
    if (part < 1 || part > static_cast<int>(PartNames.size())) return "<unknown part>";
    return PartNames[static_cast<size_t>(part - 1)].Text();
}

int PartPrice(int part) { return part >= 4 && part <= 15 ? 201 : 101; }

const std::array<const char*, 5>& BankNotePictures() {
    static constexpr std::array<const char*, 5> pictures{
        "Graphics\\50.bmp", "Graphics\\20.bmp", "Graphics\\10.bmp", "Graphics\\5.bmp", "Graphics\\2.bmp"};
    return pictures;
}

std::string ContestLogoPicture(bool slovak) {
    return slovak ? "Graphics\\sutaz.jpg" : "Graphics\\soutez.jpg";
}

std::string ContestLogoPicture() { return ContestLogoPicture(Language == LanguageSlovak); }

int NoteValue(int percentUsed) {
    // Integer division truncates toward zero, so -19..19 all pay the top note.
    const int fifth = percentUsed / 20;
    if (fifth < 0 || fifth >= static_cast<int>(NoteValues.size())) return 0;
    return NoteValues[static_cast<size_t>(fifth)];
}

} // namespace numerava
