#pragma once
// An exact evaluator of area-3 questions, written from the mark-up rules and the way a pupil reads
// the drawn formula; it shares nothing with the generator. Fractions, roots, powers, the product
// dot, the division colon and brackets are read as drawn:
//  - a power item raises what is drawn just before its exponent ("^<-7><2>" is -(7^2), the row
//    "&<^<5><2>><^< - 3><2>>" is 5^2 - 3^2, "10^<3>" raises the 10);
//  - a product item is its left side, a dot and its right side, with no brackets added
//    ("*<4><5 + 6>" is 4*5 + 6);
//  - a fraction and a root are one operand each; ";" draws brackets about its group;
//  - a ":" without groups is the division sign.
// The result is an exact fraction, or "no value" for the root of a negative number under an even
// index or a division by zero; anything a pupil could not read is an error.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numerava::testing_area3 {

// Wide enough for every product of two values the evaluator keeps.
__extension__ typedef __int128 Int128;

struct Fraction {
    int64_t Numerator = 0;
    int64_t Denominator = 1; // > 0, lowest terms
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

struct Evaluation {
    bool HasValue = false; // false: the expression has no value ("N")
    Fraction Value;
    std::string Error; // not empty: the text cannot be read as an expression
};

// The value of an area-3 Question: "&<" body ">< = >".
Evaluation EvaluateQuestion(std::string_view question);

// The value of one mark-up text (a body, or a group inside one).
Evaluation EvaluateMarkup(std::string_view markup);

// The kind and the argument groups of one mark-up text, as the display parses it. Kind '\0' is
// plain text (one argument) or nothing (no arguments); '&' is a row of pieces.
struct ParsedMarkup {
    char Kind = '\0';
    std::vector<std::string> Arguments;
};
std::optional<ParsedMarkup> ParseMarkup(std::string_view text);

} // namespace numerava::testing_area3
