#pragma once
// The exercise generator: one random exercise at a time for the current selection, written in the
// equation mark-up, with its exact expected answer.

#include "core/FixedNumber.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace numerava {

// Raised for an area outside 1..6: a programming error, never a pupil's.
class UnsupportedAreaError : public std::logic_error {
public:
    UnsupportedAreaError() : std::logic_error("This numerava is not supported, yet") {}
};

// Raised when the selection leaves nothing to choose (no operation in areas 1-3, no item at all).
// The topic screen never stores such a selection; the tool rejects it before generating.
class EmptySelectionError : public std::logic_error {
public:
    EmptySelectionError() : std::logic_error("The selection contains no difficulty or operation") {}
};

// Operator texts by operation 1..4; index 0 is unused.
inline constexpr const char* OperatorSigns[5] = {"", "-", "*", ":", "+"};

struct TTopic {
    int Difficulty = 0; // 0..12 (0: nothing selected)
    int Operation = 0;  // 0..4 (always 0 in areas 4-6)
};

// Picks the difficulty and operation of one exercise. In the contest (mode 4) the choice steps by
// the bicycle part 1..16 instead of drawing at random.
TTopic ChooseTopic(int area, uint8_t difficultySet, uint8_t operationSet, int mode, int contestCounter);

// One generated exercise: everything the drill, the tool and the tests read of it.
struct TExercise {
    std::string Question; // mark-up before the answer field
    std::string Suffix;   // mark-up after the answer field ("km"), often empty
    std::string Prompt;   // a third mark-up, area 5 only
    TFixedNumber Expected;
    std::string TaskText; // task caption: area 2 in the current language, area 6 in Czech, else empty
    TTopic Topic;         // what ChooseTopic chose
};

class TNumeravaGenerator {
public:
    int32_t Area = 1;
    uint8_t DifficultySet = 0;
    uint8_t OperationSet = 0;
    // The contest stepping reads the main window's mode and bicycle part; the drill copies them here.
    int Mode = 1;
    int ContestCounter = 1;

    // Written by Generate and kept until the next call: the task caption (areas 2 and 6; the
    // exercise carries the same text), the debug text (area 6) and the sign of an area-2 addition.
    std::string TaskText;
    std::string DebugText;
    std::string AddSign;

    // Throws UnsupportedAreaError for an area outside 1..6 and EmptySelectionError when the
    // selection is empty; nothing else throws.
    TExercise Generate();
};

// The one process-wide generator the drill uses.
extern TNumeravaGenerator Generator;

// Rewrites an area-6 task caption from Czech to Slovak in place.
void TranslateTaskText(std::string& taskText);

} // namespace numerava
