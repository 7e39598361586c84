// Area 6, binomial formulas (difficulty 7): not written yet. It produces no exercise, so the
// fallback exercise of the closing steps takes its place.

#include "generator/Area6Common.h"

namespace numerava::area6 {

void GenerateBinomialFormulas(TGenerateContext&) {}

} // namespace numerava::area6
