#pragma once
// The equation mark-up: parsing, measuring, painting and word-wrapped layout.
//
// A mark-up text is plain text with control characters for fractions ("/" and ":"), powers ("^"),
// roots ("#"), products ("*"), parentheses (";"), the Symbol face ("~"), a fixed space ("_"), the
// not-equal sign ("Ä"), the pupil's blank ("Ö"), rows ("&") and literal text ("\"); "<" and ">"
// delimit argument groups. "Ä" and "Ö" are single characters of the mark-up although UTF-8 spells
// them with two bytes.

#include "equation/MarkupCanvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace numerava {

// Kind of a parsed text: the control character's code point, or KindNone for plain text.
inline constexpr char32_t KindNone = 0;
inline constexpr char32_t KindRow = U'&';
inline constexpr char32_t KindLiteral = U'\\';
inline constexpr char32_t KindNotEqual = U'Ä';
inline constexpr char32_t KindBlank = U'Ö';

bool IsMarkupControl(char32_t c);

struct TParsedMarkup {
    char32_t Kind = KindNone;
    std::vector<std::string> Args;
    friend bool operator==(const TParsedMarkup&, const TParsedMarkup&) = default;
};

// Splits a text into its kind and arguments (one level; the arguments are mark-up texts again).
TParsedMarkup ParseMarkup(std::string_view text);

// Nesting deeper than this draws nothing: it keeps hostile texts from exhausting the stack.
inline constexpr int MaxMarkupDepth = 64;

TSize MeasureMarkup(TMarkupCanvas& canvas, std::string_view text);
void PaintMarkup(TMarkupCanvas& canvas, std::string_view text, int x, int y);

// The words of a wrapped text: formulas are never split, and text touching a formula without a
// space stays with it.
std::vector<std::string> WrapWords(const std::vector<std::string>& pieces);

// Paints the pieces word by word into lines of width `width`, justified, from (x0, y0) while the
// lines start above `height`.
void LayoutWrapped(TMarkupCanvas& canvas, const std::vector<std::string>& pieces, int x0, int y0, int height,
                   int width);

// The pieces LayoutWrapped takes for a text: the pieces of a row, the groups of one "&" item, or the
// one plain text. Empty for other kinds (they are drawn on one line).
bool WrapPieces(const TParsedMarkup& parsed, std::vector<std::string>& pieces);

} // namespace numerava
