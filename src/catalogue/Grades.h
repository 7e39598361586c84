#pragma once
// Grades with their messages: the practice and expert average, and the contest's final score with
// the picture of the vehicle earned.

#include <string>
#include <vector>

namespace numerava {

// The grade picture chosen by the last contest grading ("Graphics\1h.jpg").
extern std::string MarkPicture;

// Grades `value` (average points per exercise in modes 1-3, the final score in mode 4). Outputs that
// no rule sets are left as the caller passed them; mode 4 also sets MarkPicture.
void MarkFor(int mode, float value, std::string& message, std::string& mark);

// Every picture a contest grade can show, lowest grade first.
std::vector<std::string> GradePictures();

} // namespace numerava
