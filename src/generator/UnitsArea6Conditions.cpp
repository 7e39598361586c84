// Area 6, conditions of rational expressions (difficulty 9): not written yet. It produces no exercise, so the
// fallback exercise of the closing steps takes its place.

#include "generator/Area6Common.h"

namespace numerava::area6 {

void GenerateConditions(TGenerateContext&) {}

} // namespace numerava::area6
