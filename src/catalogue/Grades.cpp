#include "catalogue/Grades.h"

#include "catalogue/Selection.h"
#include "core/Language.h"

#include <array>

namespace numerava {

std::string MarkPicture;

namespace {

// A practice or expert grade: the last rule whose test on the average holds wins.
struct PracticeRule {
    double limit;
    const char* mark;
    const char* czech;
    const char* slovak;
};

// A contest grade, given when the score lies above `above`.
struct ContestRule {
    double above;
    const char* mark;
    const char* picture;
    const char* czech;
    const char* slovak;
};

constexpr PracticeRule PerfectAverage{10, "1*", "Jsi matematický génius, pojď soutěžit o diplomy!",
                                      "Si matematický génius, poď súťažiť o diplomy!"};

// In descending order: each rule that holds overwrites the one before.
constexpr std::array<PracticeRule, 5> PracticeRules{{
    {10, "1", "Jsi bystrý a inteligentní matematik, pojď soutěžit o diplomy!",
     "Si bystrý a inteligentný matematik, poď súťažiť o diplomy!"},
    {9, "2", "Jsi šikovný matematik, ještě chvíli musíš trénovat!",
     "Si šikovný matematik, ešte chvíľu musíš trénovať!"},
    {7.5, "3", "Jsi průměrný matematik, ještě chvíli musíš trénovat!",
     "Si priemerný matematik, ešte chvíľu musíš trénovať!"},
    {5, "4", "Slabý výkon, ještě chvíli musíš trénovat!", "Slabý výkon, ešte chvíľu musíš trénovať!"},
    {2.5, "5", "Procvičuj, trénuj!", "Precvičuj, trénuj!"},
}};

// Given to every contest score before the thresholds are tried.
constexpr ContestRule ContestBase{
    0, "5", "Graphics\\5.jpg",
    "To je ale ostuda! Zapomeň na matematiku a běž do mateřské školky hrát si na písek. Na kolo "
    "zapomeň, beztak na něm neumíš jezdit. Toto učivo zatím nezvládáš.",
    "To je ale hanba! Zabudni na matematiku a vráť sa do materskej školy hrať si na piesoček. Na "
    "bicykel zabudni, aj tak sa nevieš bicyklovať. Toto učivo zatiaľ nezvládaš."};

// In ascending order: each threshold exceeded overwrites the one before.
constexpr std::array<ContestRule, 9> ContestRules{{
    {1000, "4/5", "Graphics\\4_5.jpg",
     "Hodně špatný výkon! Tvoje matematika je na úrovni předškoláka. Ty si žádné kolo nezasloužíš, "
     "možná tak dětskou tříkolku nebo odrážedlo. Toto učivo ti zatím nejde.",
     "Veľmi zlý výkon! Tvoja matematika je na úrovni predškoláka. Ty si žiadny bicykel nezaslúžiš, "
     "možno tak detskú trojkolku alebo odrážadlo."},
    {1500, "4", "Graphics\\4.jpg",
     "Tvoje znalosti jsou slabé. Potřebuješ toto učivo ještě procvičit. Za svůj výkon zasloužíš "
     "otlučenou koloběžku na projížďku po zahradě.",
     "Tvoje znalosti sú slabé. Toto učivo potrebuješ ešte precvičovať. Za svoj výkon si zaslúžiš "
     "starú obitú kolobežku na prechádzku po záhrade."},
    {2000, "3/4", "Graphics\\3_4.jpg",
     "Tvoje znalosti jsou podprůměrné. Za svůj výkon zasloužíš staré otlučené kolo, co potřebuje "
     "opravit.",
     "Tvoje znalosti sú podpriemerné. Za svoj výkon si zaslúžiš starý obitý bicykel, čo potrebuje "
     "opraviť."},
    {2400, "3", "Graphics\\3.jpg",
     "Tvoje matematické schopnosti jsou průměrné. Za svůj výkon zasloužíš skládací kolo.",
     "Tvoje matematické schopnosti sú priemerné. Za svoj výkon si zaslúžiš skladací bicykel."},
    {2800, "2/3", "Graphics\\2_3.jpg",
     "Šlo ti to docela dobře. Na tomto kole můžeš vyrazit na krátký výlet do okolí.",
     "Išlo ti to celkom dobre. Na tomto bicykli môžeš vyraziť na krátky výlet do okolia."},
    {3200, "2", "Graphics\\2.jpg",
     "Tvoje znalosti jsou velmi dobré. Na tomto kole můžeš vyrazit na celodenní výlet.",
     "Tvoje znalosti sú veľmi dobré. Na tomto bicykli môžeš vyraziť na celodenný výlet."},
    {3600, "1/2", "Graphics\\1_2.jpg", "Skvělý výkon! Získáváš kvalitní horské kolo pro jízdu i do terénu.",
     "Skvelý výkon! Získavaš super kvalitný horský bicykel pre jazdu do terénu."},
    {4000, "1", "Graphics\\1.jpg",
     "Jsi vynikající matematik! Bude diplom? Elektrokoloběžka je dopravní prostředek, který je pro "
     "tebe jako stvořený.",
     "Si vynikajúci matematik! Bude diplom? Elektrokolobežka je dopravný prostriedok, ktorý je pre "
     "teba ako stvorený."},
    {4400, "1*", "Graphics\\1h.jpg",
     "Jsi vyjímečný matematický génius! Získáváš sportovní elektrokolo a žlutý diplom MATEMATICKÝ "
     "TALENT.",
     "Si výnimočný matematický génius! Získavaš športový elektrobicykel a žltý diplom MATEMATICKÝ "
     "TALENT."},
}};

void Apply(const PracticeRule& rule, std::string& message, std::string& mark) {
    message = ByLanguage(rule.czech, rule.slovak);
    mark = rule.mark;
}

void Apply(const ContestRule& rule, std::string& message, std::string& mark) {
    message = ByLanguage(rule.czech, rule.slovak);
    mark = rule.mark;
    MarkPicture = rule.picture;
}

} // namespace

void MarkFor(int mode, float value, std::string& message, std::string& mark) {
    switch (mode) {
    case ModeSmallPractice:
    case ModeLargePractice:
    case ModeExpert:
        // An average above 10 matches no rule and leaves the outputs alone.
        if (value == PerfectAverage.limit) Apply(PerfectAverage, message, mark);
        for (const PracticeRule& rule : PracticeRules)
            if (value < rule.limit) Apply(rule, message, mark);
        break;
    case ModeContest:
        Apply(ContestBase, message, mark);
        for (const ContestRule& rule : ContestRules)
            if (value > rule.above) Apply(rule, message, mark);
        break;
    default: break;
    }
}

std::vector<std::string> GradePictures() {
    std::vector<std::string> pictures{ContestBase.picture};
    for (const ContestRule& rule : ContestRules) pictures.emplace_back(rule.picture);
    return pictures;
}

} // namespace numerava
