#include "equation/Markup.h"

#include <algorithm>
#include <array>

namespace numerava {

namespace {

// One code point of UTF-8 text at `pos`; a malformed byte stands for itself.
struct CodePoint {
    char32_t Value;
    size_t Length;
};

CodePoint DecodeAt(std::string_view text, size_t pos) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    size_t length = lead < 0x80         ? 1
                    : (lead >> 5) == 6  ? 2
                    : (lead >> 4) == 14 ? 3
                    : (lead >> 3) == 30 ? 4
                                        : 0;
    if (length == 0 || pos + length > text.size()) return {lead, 1};
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return {lead, 1};
        value = (value << 6) | (byte(pos + i) & 0x3F);
    }
    return {value, length};
}

bool StartsWithControl(std::string_view text) {
    return !text.empty() && IsMarkupControl(DecodeAt(text, 0).Value);
}

// Cuts a text that is not a single item into plain runs and control items.
TParsedMarkup ParseRow(std::string_view text) {
    TParsedMarkup parsed;
    bool foundControl = false;
    size_t pos = 0;
    while (pos < text.size()) {
        const CodePoint first = DecodeAt(text, pos);
        size_t end = pos + first.Length;
        if (IsMarkupControl(first.Value)) {
            // A control item: its groups follow directly; it ends at the first character at depth 0
            // that is not a bracket.
            foundControl = true;
            int depth = 0;
            while (end < text.size()) {
                const CodePoint c = DecodeAt(text, end);
                if (c.Value == U'<') ++depth;
                else if (c.Value == U'>') --depth;
                else if (depth == 0) break;
                end += c.Length;
            }
        } else {
            while (end < text.size()) {
                const CodePoint c = DecodeAt(text, end);
                if (IsMarkupControl(c.Value)) break;
                end += c.Length;
            }
        }
        parsed.Args.emplace_back(text.substr(pos, end - pos));
        pos = end;
    }
    if (foundControl) {
        parsed.Kind = KindRow;
    } else {
        parsed.Args.assign(1, std::string(text));
    }
    return parsed;
}

} // namespace

bool IsMarkupControl(char32_t c) {
    switch (c) {
    case U'#':
    case U'&':
    case U'*':
    case U'/':
    case U':':
    case U';':
    case U'@':
    case U'\\':
    case U'^':
    case U'_':
    case U'~':
    case U'Ä':
    case U'Ö': return true;
    default: return false;
    }
}

TParsedMarkup ParseMarkup(std::string_view text) {
    if (text.empty()) return {};
    const CodePoint first = DecodeAt(text, 0);
    if (!IsMarkupControl(first.Value)) return ParseRow(text);

    int depth = 0;
    for (size_t pos = first.Length; pos < text.size();) {
        const CodePoint c = DecodeAt(text, pos);
        if (c.Value == U'<') ++depth;
        else if (c.Value == U'>') --depth;
        else if (depth == 0) return ParseRow(text);
        pos += c.Length;
    }
    if (depth != 0) return {}; // unbalanced: draws nothing

    // A single item: the control character followed only by groups. Brackets are single bytes, so
    // the groups can be cut byte-wise.
    TParsedMarkup parsed{first.Value, {}};
    size_t groupStart = 0;
    for (size_t pos = first.Length; pos < text.size(); ++pos) {
        if (text[pos] == '<') {
            if (depth++ == 0) groupStart = pos + 1;
        } else if (text[pos] == '>') {
            if (--depth == 0) parsed.Args.emplace_back(text.substr(groupStart, pos - groupStart));
        }
    }
    return parsed;
}

namespace {

class Renderer {
public:
    explicit Renderer(TMarkupCanvas& canvas) : canvas_(canvas) {}

    TSize Measure(std::string_view text, int depth) {
        if (depth > MaxMarkupDepth) return {};
        const TParsedMarkup parsed = ParseMarkup(text);
        const auto& args = parsed.Args;
        const auto count = args.size();
        switch (parsed.Kind) {
        case KindNone:
        case KindLiteral: return count == 1 ? canvas_.TextExtent(args[0]) : TSize{};
        case KindRow: {
            TSize size;
            for (const auto& arg : args) {
                const TSize piece = Measure(arg, depth + 1);
                size.Width += piece.Width;
                size.Height = std::max(size.Height, piece.Height);
            }
            return size;
        }
        case U'/':
            if (count != 2) break;
            return FractionSize(Measure(args[0], depth + 1), Measure(args[1], depth + 1), 10);
        case U':':
            if (count != 2) break;
            return SmallFractionSize(args, depth);
        case U'^': {
            if (count < 1 || count > 2) break;
            const TSize base =
                count == 2 ? Measure(args[0], depth + 1) : TSize{0, canvas_.TextExtent("Wg").Height};
            TCanvasStateGuard guard(canvas_);
            HalveFont();
            return {base.Width + Measure(args.back(), depth + 1).Width, base.Height};
        }
        case U'#': {
            if (count < 1 || count > 2) break;
            const TSize index = MeasureIndex(count == 2 ? args[1] : " ", depth);
            const TSize radicand = Measure(args[0], depth + 1);
            return {index.Width + radicand.Width + 8, radicand.Height + 3};
        }
        case U'*': {
            if (count > 2) break;
            const TSize left = count >= 1 ? Measure(args[0], depth + 1) : TSize{};
            const TSize right = count >= 2 ? Measure(args[1], depth + 1) : TSize{};
            return {left.Width + right.Width + 24, std::max({left.Height, right.Height, 24})};
        }
        case U';': {
            if (count < 1) break;
            const TSize content = Measure(args[0], depth + 1);
            return {content.Width + 16, content.Height};
        }
        case U'~': {
            if (count != 1) break;
            TCanvasStateGuard guard(canvas_);
            canvas_.SetFontName("Symbol");
            return Measure(args[0], depth + 1);
        }
        case U'_': return {5, 0};
        case KindNotEqual:
        case KindBlank:
            // With two groups the sign is measured like a small fraction of them.
            if (count == 2) return SmallFractionSize(args, depth);
            if (count != 0) break;
            return canvas_.TextExtent(parsed.Kind == KindNotEqual ? "Ä" : "Ö");
        default: // the reserved "@" has no drawing of its own
            break;
        }
        return canvas_.TextExtent(text); // wrong argument count: the item's characters literally
    }

    void Paint(std::string_view text, int x, int y, int depth) {
        if (depth > MaxMarkupDepth) return;
        const TParsedMarkup parsed = ParseMarkup(text);
        const auto& args = parsed.Args;
        const auto count = args.size();
        switch (parsed.Kind) {
        case KindNone:
        case KindLiteral:
            if (count == 1) canvas_.TextOut(x, y, args[0]);
            return;
        case KindRow: {
            std::vector<TSize> sizes;
            sizes.reserve(count);
            int height = 0;
            for (const auto& arg : args) {
                sizes.push_back(Measure(arg, depth + 1));
                height = std::max(height, sizes.back().Height);
            }
            int left = x;
            for (size_t i = 0; i < count; ++i) {
                Paint(args[i], left, y + (height - sizes[i].Height) / 2, depth + 1);
                left += sizes[i].Width;
            }
            return;
        }
        case U'/':
            if (count != 2) break;
            return PaintFraction(args, x, y, depth, 10);
        case U':': {
            if (count != 2) break;
            TCanvasStateGuard guard(canvas_);
            ShrinkForSmallFraction();
            return PaintFraction(args, x, y, depth, 6);
        }
        case U'^': {
            if (count < 1 || count > 2) break;
            int baseWidth = 0;
            if (count == 2) {
                baseWidth = Measure(args[0], depth + 1).Width;
                Paint(args[0], x, y, depth + 1);
            }
            TCanvasStateGuard guard(canvas_);
            HalveFont();
            Paint(args.back(), x + baseWidth, y, depth + 1);
            return;
        }
        case U'#': {
            if (count < 1 || count > 2) break;
            const std::string_view indexText = count == 2 ? std::string_view(args[1]) : " ";
            const TSize index = MeasureIndex(indexText, depth);
            {
                TCanvasStateGuard guard(canvas_);
                HalveFont();
                Paint(indexText, x, y, depth + 1);
            }
            const TSize radicand = Measure(args[0], depth + 1);
            const int w = index.Width + radicand.Width + 8;
            const int h = radicand.Height + 3;
            const std::array<TPoint, 5> sign = {
                TPoint{x + w, y}, TPoint{x + index.Width + 5, y}, TPoint{x + index.Width + 2, y + h},
                TPoint{x + index.Width, y + index.Height}, TPoint{x, y + index.Height}};
            canvas_.Polyline(sign);
            Paint(args[0], x + index.Width + 8, y + 3, depth + 1);
            return;
        }
        case U'*': {
            if (count > 2) break;
            const std::string_view leftText = count >= 1 ? std::string_view(args[0]) : "";
            const std::string_view rightText = count >= 2 ? std::string_view(args[1]) : "";
            const TSize left = Measure(leftText, depth + 1);
            const TSize right = Measure(rightText, depth + 1);
            const int h = std::max({left.Height, right.Height, 24});
            canvas_.FilledEllipse(x + left.Width + 8, y + h / 2 - 4, x + left.Width + 16, y + h / 2 + 4);
            Paint(leftText, x, y + h - left.Height, depth + 1);
            Paint(rightText, x + left.Width + 24, y + h - right.Height, depth + 1);
            return;
        }
        case U';': {
            if (count < 1) break;
            const TSize content = Measure(args[0], depth + 1);
            const int w = content.Width + 16;
            const int h = content.Height;
            canvas_.Arc(x + 2, y, x + 10, y + h, {x + 6, y}, {x + 6, y + h});
            canvas_.Arc(x + w - 10, y, x + w - 2, y + h, {x + w - 6, y + h}, {x + w - 6, y});
            Paint(args[0], x + 8, y, depth + 1);
            return;
        }
        case U'~': {
            if (count != 1) break;
            TCanvasStateGuard guard(canvas_);
            canvas_.SetFontName("Symbol");
            Paint(args[0], x, y, depth + 1);
            return;
        }
        case U'_': return;
        case KindNotEqual: {
            if (count != 0 && count != 2) break;
            TCanvasStateGuard guard(canvas_);
            const int size = canvas_.FontSize();
            canvas_.SetFontSize(size - 5);
            canvas_.TextOut(x, y + 7, "=");
            canvas_.SetFontSize(size - 10);
            canvas_.TextOut(x + 9, y + 9, "/");
            return;
        }
        case KindBlank: {
            if (count != 0 && count != 2) break;
            TCanvasStateGuard guard(canvas_);
            canvas_.SetFontSize(canvas_.FontSize() + 3);
            const TColor own = canvas_.Font().Color;
            canvas_.SetFontColor(ColorBlue);
            for (const auto& [dx, dy] :
                 {std::pair{-2, -2}, std::pair{-2, 1}, std::pair{1, -2}, std::pair{1, 1}})
                canvas_.TextOut(x + dx, y + dy, "?");
            canvas_.SetFontColor(own);
            canvas_.TextOut(x, y, "?");
            return;
        }
        default: break;
        }
        canvas_.TextOut(x, y, text); // wrong argument count: the item's characters literally
    }

private:
    void HalveFont() { canvas_.SetFontHeight(canvas_.Font().Height / 2); }

    void ShrinkForSmallFraction() {
        canvas_.SetFontHeight(canvas_.Font().Height / 2 - 1);
        canvas_.SetPenWidth(canvas_.Pen().Width / 2);
    }

    static TSize FractionSize(TSize numerator, TSize denominator, int space) {
        return {std::max(numerator.Width, denominator.Width) + space,
                numerator.Height + denominator.Height + space};
    }

    TSize SmallFractionSize(const std::vector<std::string>& args, int depth) {
        TCanvasStateGuard guard(canvas_);
        ShrinkForSmallFraction();
        return FractionSize(Measure(args[0], depth + 1), Measure(args[1], depth + 1), 6);
    }

    TSize MeasureIndex(std::string_view index, int depth) {
        TCanvasStateGuard guard(canvas_);
        HalveFont();
        return Measure(index, depth + 1);
    }

    // A fraction with the current font and pen: `space` is 10 for "/" and 6 for ":".
    void PaintFraction(const std::vector<std::string>& args, int x, int y, int depth, int space) {
        const TSize numerator = Measure(args[0], depth + 1);
        const TSize denominator = Measure(args[1], depth + 1);
        const int w = std::max(numerator.Width, denominator.Width) + space;
        const int barY = y + numerator.Height + space / 2;
        canvas_.Line({x, barY}, {x + w, barY});
        Paint(args[0], x + (w - numerator.Width) / 2, y, depth + 1);
        Paint(args[1], x + (w - denominator.Width) / 2, y + numerator.Height + space, depth + 1);
    }

    TMarkupCanvas& canvas_;
};

// Starts a new word, or joins the part to the last word as a row of the two.
void AppendToWord(std::vector<std::string>& words, bool newWord, std::string_view part) {
    if (newWord || words.empty()) words.emplace_back(part);
    else words.back() = "&<" + words.back() + "><" + std::string(part) + ">";
}

} // namespace

TSize MeasureMarkup(TMarkupCanvas& canvas, std::string_view text) {
    return Renderer(canvas).Measure(text, 0);
}

void PaintMarkup(TMarkupCanvas& canvas, std::string_view text, int x, int y) {
    Renderer(canvas).Paint(text, x, y, 0);
}

std::vector<std::string> WrapWords(const std::vector<std::string>& pieces) {
    std::vector<std::string> words;
    bool newWord = true;
    for (const std::string& piece : pieces) {
        if (StartsWithControl(piece) && DecodeAt(piece, 0).Value != KindLiteral) {
            AppendToWord(words, newWord, piece);
            newWord = false;
            continue;
        }
        std::string_view rest = piece;
        for (size_t space = rest.find(' '); space != std::string_view::npos; space = rest.find(' ')) {
            AppendToWord(words, newWord, rest.substr(0, space));
            newWord = true;
            rest.remove_prefix(space + 1);
        }
        if (rest.empty()) {
            newWord = true;
        } else {
            AppendToWord(words, newWord, rest);
            newWord = false;
        }
    }
    return words;
}

void LayoutWrapped(TMarkupCanvas& canvas, const std::vector<std::string>& pieces, int x0, int y0, int height,
                   int width) {
    const std::vector<std::string> words = WrapWords(pieces);
    std::vector<TSize> sizes;
    sizes.reserve(words.size());
    for (const auto& word : words) sizes.push_back(MeasureMarkup(canvas, word));

    constexpr int Gap = 10;
    std::vector<size_t> line;
    int accumulated = 0;
    int lineHeight = 0;
    size_t next = 0;
    const auto paintLine = [&](int gap, int y) {
        int x = x0;
        for (const size_t word : line) {
            PaintMarkup(canvas, words[word], x, y0 + y);
            x += sizes[word].Width + gap;
            lineHeight = std::max(lineHeight, sizes[word].Height);
        }
    };

    int y = 0;
    do {
        while (accumulated < width && next < words.size()) {
            line.push_back(next);
            accumulated += sizes[next].Width + Gap;
            ++next;
        }
        if (line.empty()) break;

        if (line.size() == 1) {
            // A lone word is painted even when wider than the line, and sets the pitch alone.
            PaintMarkup(canvas, words[line.front()], x0, y0 + y);
            lineHeight = sizes[line.front()].Height;
            line.clear();
            accumulated = 0;
        } else if (accumulated > width) {
            // The last word goes to the next line; the others are justified.
            const size_t carried = line.back();
            line.pop_back();
            int sum = 0;
            for (const size_t word : line) sum += sizes[word].Width;
            const int k = static_cast<int>(line.size());
            paintLine(k == 1 ? Gap : (width - sum) / (k - 1), y);
            line.assign(1, carried);
            accumulated = sizes[carried].Width + Gap;
        } else {
            paintLine(Gap, y);
            line.clear();
            accumulated = 0;
        }
        y += lineHeight;
    } while (y < height);
}

bool WrapPieces(const TParsedMarkup& parsed, std::vector<std::string>& pieces) {
    if (parsed.Kind != KindNone && parsed.Kind != KindRow) return false;
    pieces = parsed.Args;
    return true;
}

} // namespace numerava
