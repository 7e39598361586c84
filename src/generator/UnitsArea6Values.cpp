// Area 6, values of expressions (difficulty 2): not written yet. It produces no exercise, so the
// fallback exercise of the closing steps takes its place.

#include "generator/Area6Common.h"

namespace numerava::area6 {

void GenerateExpressionValues(TGenerateContext&) {}

} // namespace numerava::area6
