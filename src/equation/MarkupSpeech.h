#pragma once
// The mark-up read aloud: the words a screen reader speaks for the formula the equation control
// draws, in Czech or Slovak. "/<7><5>" reads "7 lomeno 5", "^<3><2>" "3 na druhou", "#<16>< >"
// "druhá odmocnina ze 16" and the blank "otazník" (Slovak: "7 lomené 5", "3 na druhú", "druhá
// odmocnina zo 16", "otáznik"). Numbers stay as written, decimal comma included: the screen reader
// says them in its own voice.
//
// A fraction, power or root whose part is more than one word is closed by an end word ("začátek
// zlomku 2 plus 3 lomeno 5 konec zlomku", "druhá odmocnina z 64 minus 28 konec odmocniny"), so
// that the listener knows where it stops; a fraction inside a fraction always takes the long form.

#include <cstdint>
#include <string>
#include <string_view>

namespace numerava {

enum class TSpeechStyle {
    // A formula: plain text is maths too, so its operators become words ("3 + 4 = " reads
    // "3 plus 4 rovná se", "(" "závorka", ":" "děleno").
    Formula,
    // A word problem: plain text stays as written, punctuation included, and only the formula
    // items (powers, fractions, the blank, ...) are put in words.
    Prose,
};

// `language` is the program's Language (0 Czech, 1 Slovak). A text that draws nothing reads as
// the empty string; any text is safe (nesting deeper than the renderer draws reads as nothing).
std::string SpeakMarkup(std::string_view text, uint16_t language, TSpeechStyle style = TSpeechStyle::Formula);

} // namespace numerava
