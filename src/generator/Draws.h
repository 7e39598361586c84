#pragma once
// What every area case uses: the draw and the joining of question texts.

#include "core/Random.h"

#include <string>
#include <type_traits>

namespace numerava {

// R(n): a uniform integer 0..n-1 from the process-wide generator.
inline int R(int n) { return Random(n); }

inline bool Between(int low, int value, int high) { return low <= value && value <= high; }

// Joins pieces into one text: integers as plain decimal text (minus sign for negatives, no plus
// sign, no grouping), texts as they are.
template <typename... Pieces>
std::string Cat(const Pieces&... pieces) {
    std::string text;
    const auto append = [&text](const auto& piece) {
        if constexpr (std::is_integral_v<std::decay_t<decltype(piece)>>) text += std::to_string(piece);
        else text += piece;
    };
    (append(pieces), ...);
    return text;
}

} // namespace numerava
