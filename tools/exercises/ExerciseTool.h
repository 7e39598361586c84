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

// Called after each exercise's line with the exercise's number (from 1); returns an error message, or
// an empty string when all went well.
using ExerciseObserver = std::function<std::string(long number, const TExercise& exercise)>;

// Generates options.Count exercises and writes one line each. Stops at the observer's first error
// and returns it; an empty string when every exercise was written.
std::string WriteExercises(const ExerciseOptions& options, std::ostream& out,
                           const ExerciseObserver& observer = {});

} // namespace numerava::tools
