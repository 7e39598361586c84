// Area 3: its exercise cases are not written yet, so an exercise of this area stays empty
// (empty Question, Expected 0) after the common opening and closing steps.

#include "generator/GenerateContext.h"

namespace numerava {

void GenerateArea3(TGenerateContext&) {}

} // namespace numerava
