// Area 6, simplifying rational expressions (difficulty 10): not written yet. It produces no exercise, so the
// fallback exercise of the closing steps takes its place.

#include "generator/Area6Common.h"

namespace numerava::area6 {

void GenerateRationalExpressions(TGenerateContext&) {}

} // namespace numerava::area6
