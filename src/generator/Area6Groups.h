#pragma once
// The area-6 groups of difficulties 1 to 4 with the kind or group already chosen: the group
// functions of Area6Common.h draw it and call these; tests and benchmarks call them directly to
// look at one kind alone. Each leaves the closing steps (CloseArea6) to the caller.

#include "generator/GenerateContext.h"

namespace numerava::area6 {

inline constexpr int EquationKinds = 14;        // difficulty 1
inline constexpr int ExpressionValueKinds = 36; // difficulty 2
inline constexpr int ManipulationGroups = 6;    // difficulty 3
inline constexpr int PowerGroups = 9;           // difficulty 4

void GenerateEquation(TGenerateContext& context, int kind);
void GenerateExpressionValue(TGenerateContext& context, int kind);
void GenerateManipulationGroup(TGenerateContext& context, int group);
void GeneratePowersGroup(TGenerateContext& context, int group);

} // namespace numerava::area6
