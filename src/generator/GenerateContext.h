#pragma once
// The working registers of one Generate call, shared by the framework and the area cases.

#include "core/FixedNumber.h"
#include "generator/UnitsGenerator.h"

#include <string>

namespace numerava {

// A whole number with its own decimals count (A, B, C and D of one call).
struct TOperand {
    int32_t Value = 0;
    int32_t Decimals = 0;
};

struct TGenerateContext {
    explicit TGenerateContext(TNumeravaGenerator& generator) : Generator(generator) {}

    TNumeravaGenerator& Generator; // DebugText and AddSign live there
    int Difficulty = 0;
    int Operation = 0;

    std::string Question;
    std::string Suffix;
    std::string Prompt;
    TFixedNumber Expected;
    std::string TaskText; // the task caption the area case writes

    TOperand A, B, C, D;
    TFixedNumber R;

    // Algebra letters, drawn in every area and used by area 6.
    std::string Letter1, Letter2, Letter3;
};

// The area cases: each fills the context for its chosen difficulty and operation.
void GenerateArea1(TGenerateContext& context);
void GenerateArea2(TGenerateContext& context);
void GenerateArea3(TGenerateContext& context);
void GenerateArea4(TGenerateContext& context);
void GenerateArea5(TGenerateContext& context);
void GenerateArea6(TGenerateContext& context);

} // namespace numerava
