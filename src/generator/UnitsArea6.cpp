// Area 6: its exercise cases are not written yet, so an exercise of this area stays empty
// (empty Question, Expected 0) after the common opening and closing steps.

#include "generator/GenerateContext.h"

namespace numerava {

void GenerateArea6(TGenerateContext&) {}

} // namespace numerava
