#include "worksheet/WorksheetContent.h"

#include "catalogue/UnitsTexts.h"
#include "core/FixedNumber.h"
#include "core/Language.h"

namespace numerava::worksheet {

namespace {

// Areas whose exercises can have "N" for an answer: the instruction tells the pupil about it there.
bool AreaHasNoAnswerExercises(int area) { return area == 3 || area == 5 || area == 6; }

} // namespace

TWorksheetTexts WorksheetTexts(int area) {
    TWorksheetTexts texts;
    texts.Heading = ByLanguage("Numerava – pracovní list", "Numerava – pracovný list");
    texts.Name = ByLanguage("Jméno", "Meno");
    texts.Class = ByLanguage("Třída", "Trieda");
    texts.Date = ByLanguage("Datum", "Dátum");
    switch (area) {
    case 5:
        texts.Instruction = ByLanguage("Vyřeš úlohy a výsledek napiš do rámečku.",
                                       "Vyrieš úlohy a výsledok napíš do rámčeka.");
        break;
    case 6:
        texts.Instruction = ByLanguage("Řeš podle zadání a výsledek napiš do rámečku.",
                                       "Rieš podľa zadania a výsledok napíš do rámčeka.");
        break;
    default:
        texts.Instruction =
            ByLanguage("Vypočítej a výsledek napiš do rámečku.", "Vypočítaj a výsledok napíš do rámčeka.");
        break;
    }
    if (AreaHasNoAnswerExercises(area))
        texts.Instruction +=
            ByLanguage(" Nelze-li výsledek určit, napiš N.", " Ak sa výsledok nedá určiť, napíš N.");
    texts.AnswerKey = "Výsledky";
    texts.PagePattern = "Strana %d z %d";
    return texts;
}

std::string WorksheetCaption(int area, const TExercise& exercise) {
    switch (area) {
    case 2:
        // The drill's own instruction speaks of the Enter key.
        if (exercise.TaskText == ByLanguage("Vypočítej a stiskni ENTER", "Vypočítaj a stlač ENTER"))
            return {};
        return exercise.TaskText;
    case 6: {
        std::string caption = exercise.TaskText;
        if (Language == LanguageSlovak) TranslateTaskText(caption);
        return caption;
    }
    default: return {};
    }
}

TWorksheet MakeWorksheet(const TSelection& selection, const std::vector<TExercise>& exercises) {
    TWorksheet sheet;
    sheet.Area = selection.Area;
    sheet.Topic = TopicText(selection);
    sheet.Exercises.reserve(exercises.size());
    for (const TExercise& exercise : exercises)
        sheet.Exercises.push_back(
            {exercise.Question, exercise.Suffix, selection.Area == 5 ? exercise.Prompt : std::string(),
             WorksheetCaption(selection.Area, exercise), FormatNumber(exercise.Expected)});
    return sheet;
}

TExercise TWorksheetExercisePicker::Next() {
    // The caption belongs to the exercise: area 6 asks the same expression for different values.
    const auto key = [](const TExercise& exercise) {
        std::string text = exercise.Question;
        for (const std::string* part : {&exercise.Suffix, &exercise.Prompt, &exercise.TaskText}) {
            text += '\n';
            text += *part;
        }
        return text;
    };
    TExercise exercise = generator_.Generate();
    for (int attempt = 1; attempt < MaxAttempts && seen_.contains(key(exercise)); ++attempt)
        exercise = generator_.Generate();
    seen_.insert(key(exercise));
    return exercise;
}

std::vector<TExercise> WorksheetExercises(const TSelection& selection, int count) {
    TNumeravaGenerator generator;
    generator.Area = selection.Area;
    generator.DifficultySet = selection.DifficultySet;
    generator.OperationSet = selection.OperationSet;
    generator.Mode = selection.Mode;
    TWorksheetExercisePicker picker(generator);
    std::vector<TExercise> exercises;
    for (int i = 0; i < count; ++i) exercises.push_back(picker.Next());
    return exercises;
}

} // namespace numerava::worksheet
