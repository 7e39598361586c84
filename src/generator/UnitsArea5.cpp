// Area 5: its exercise cases are not written yet, so an exercise of this area stays empty
// (empty Question, Expected 0) after the common opening and closing steps.

#include "generator/GenerateContext.h"

namespace numerava {

void GenerateArea5(TGenerateContext&) {}

} // namespace numerava
