#pragma once
// What a worksheet holds: its topic, its exercises as paper shows them (captions that make sense
// without a keyboard, answers as the pupil writes them) and its own texts in the current language.

#include "catalogue/Selection.h"
#include "generator/UnitsGenerator.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace numerava::worksheet {

// A worksheet made on the topic screen holds this many exercises.
inline constexpr int ScreenWorksheetCount = 20;

struct TWorksheetExercise {
    std::string Question; // mark-up before the answer box
    std::string Suffix;   // mark-up after it
    std::string Prompt;   // area 5: mark-up before the answer box, below the wrapped problem
    std::string Caption;  // printed above the exercise; empty when it has none
    std::string Answer;   // as the pupil writes it, "N" when the blank cannot be filled in
};

struct TWorksheet {
    int Area = 1;
    std::string Topic; // the topic text of the selection ("NU 2: Desetinná čísla / Vše")
    std::vector<TWorksheetExercise> Exercises;
};

// The sheet's own texts in the current language.
struct TWorksheetTexts {
    std::string Heading; // above the topic
    std::string Name;    // the blanks' labels
    std::string Class;
    std::string Date;
    std::string Instruction; // one line under the blanks; depends on the area
    std::string AnswerKey;   // title of the answer key
    std::string PagePattern; // "Strana %d z %d"
};
TWorksheetTexts WorksheetTexts(int area);

// The caption above an exercise: area 2's task caption unless it is the drill's general "compute and
// press Enter" (paper has no Enter key; the sheet's instruction says it once), area 6's in the current
// language; none in the other areas, where the drill shows the general caption only.
std::string WorksheetCaption(int area, const TExercise& exercise);

TWorksheet MakeWorksheet(const TSelection& selection, const std::vector<TExercise>& exercises);

// Draws the exercises of one sheet. Like the drill it asks the generator again when an exercise
// repeats, but against every exercise already on the sheet, not only the one before. A selection with
// fewer different exercises than the sheet needs repeats one after a bounded number of attempts.
class TWorksheetExercisePicker {
public:
    explicit TWorksheetExercisePicker(TNumeravaGenerator& generator) : generator_(generator) {}
    TExercise Next();

    static constexpr int MaxAttempts = 200;

private:
    TNumeravaGenerator& generator_;
    std::unordered_set<std::string> seen_;
};

// `count` exercises of the selection (mode, area and both sets as given) from the process-wide random
// generator as it stands: the caller seeds it.
std::vector<TExercise> WorksheetExercises(const TSelection& selection, int count);

} // namespace numerava::worksheet
