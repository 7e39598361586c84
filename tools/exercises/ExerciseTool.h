#pragma once
// numerava-exercises: generated exercises as JSON lines, one object per exercise.

#include "exercises/ExerciseOptions.h"
#include "generator/UnitsGenerator.h"

#include <ostream>

namespace numerava::tools {

// {"area":1,"difficulty":2,"operation":3,"question":"36 : 4 = ","suffix":"","prompt":"","task":"","expected":"9"}
std::string ExerciseJson(int area, const TExercise& exercise, const std::string& taskText);

// Generates options.Count exercises and writes one line each.
void WriteExercises(const ExerciseOptions& options, std::ostream& out);

} // namespace numerava::tools
