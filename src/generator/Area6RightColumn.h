#pragma once
// The area-6 groups of difficulties 7 to 10 with the kind or group already chosen: the group
// functions of Area6Common.h draw it and call these; tests and benchmarks call them directly to
// look at one kind alone. Each leaves the closing steps (CloseArea6) to the caller.

#include "generator/GenerateContext.h"

namespace numerava::area6 {

inline constexpr int BinomialKinds = 22;  // difficulty 7
inline constexpr int FactoringKinds = 15; // difficulty 8
inline constexpr int ConditionKinds = 12; // difficulty 9
inline constexpr int RationalGroups = 6;  // difficulty 10

void GenerateBinomialKind(TGenerateContext& context, int kind);
void GenerateFactoringKind(TGenerateContext& context, int kind);
void GenerateConditionKind(TGenerateContext& context, int kind);
void GenerateRationalGroup(TGenerateContext& context, int group);

} // namespace numerava::area6
