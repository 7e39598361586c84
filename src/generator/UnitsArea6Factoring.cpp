// Area 6, factoring (difficulty 8): not written yet. It produces no exercise, so the
// fallback exercise of the closing steps takes its place.

#include "generator/Area6Common.h"

namespace numerava::area6 {

void GenerateFactoring(TGenerateContext&) {}

} // namespace numerava::area6
