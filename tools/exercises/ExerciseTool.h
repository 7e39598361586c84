#pragma once
// numerava-exercises: generated exercises as JSON lines, one object per exercise.

#include "exercises/ExerciseOptions.h"
#include "generator/UnitsGenerator.h"

#include <functional>
#include <ostream>
#include <string>

namespace numerava::tools {

// {"area":1,"difficulty":2,"operation":3,"question":"36 : 4 =
// ","suffix":"","prompt":"","task":"","expected":"9"}
std::string ExerciseJson(int area, const TExercise& exercise);

// The word-problem file of area 5: --data FILE, or else Graphics/numerava_cz.dat (numerava_sk.dat for
// Slovak) in `programDirectory`, where the build copies it.
std::string WordProblemFilePath(const ExerciseOptions& options, const std::string& programDirectory);

// Loads the word-problem file into the lists area 5 draws from. A file that the program would refuse,
// or in which it would leave out a line or warn, gives a one-line message naming the file and the
// line ("FILE:57: the answer is not a number"); an empty string when the whole file is usable.
std::string LoadWordProblems(const std::string& path);

// Called after each exercise's line with the exercise's number (from 1); returns an error message, or
// an empty string when all went well.
using ExerciseObserver = std::function<std::string(long number, const TExercise& exercise)>;

// Generates options.Count exercises (with --pdf without repeats, as a worksheet takes them) and writes
// one line each. Stops at the observer's first error
// and returns it; an empty string when every exercise was written.
std::string WriteExercises(const ExerciseOptions& options, std::ostream& out,
                           const ExerciseObserver& observer = {});

} // namespace numerava::tools
