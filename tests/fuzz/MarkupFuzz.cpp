// Mark-up comes from the generator and, in area 5, from a data file: any text must parse, measure,
// paint and wrap without crashing, hanging or leaving the canvas state changed, and read aloud as
// words between single spaces.
#include "equation/Markup.h"
#include "equation/MarkupSpeech.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Fixed metrics that follow the font height, so nested sizes change as they do on screen.
class CountingCanvas : public numerava::TMarkupCanvas {
public:
    numerava::TSize TextExtent(std::string_view text) override {
        const int height = std::abs(Font().Height) % 1000;
        return {static_cast<int>(text.size()) * (height / 2 + 1), height};
    }
    void TextOut(int, int, std::string_view) override { ++calls; }
    void Line(numerava::TPoint, numerava::TPoint) override { ++calls; }
    void Polyline(std::span<const numerava::TPoint>) override { ++calls; }
    void Arc(int, int, int, int, numerava::TPoint, numerava::TPoint) override { ++calls; }
    void FilledEllipse(int, int, int, int) override { ++calls; }
    long calls = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace numerava;
    if (size > 4096) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CountingCanvas canvas;
    const TFontState font = canvas.Font();
    const TPenState pen = canvas.Pen();
    MeasureMarkup(canvas, text);
    PaintMarkup(canvas, text, 3, 4);
    std::vector<std::string> pieces;
    if (WrapPieces(ParseMarkup(text), pieces)) LayoutWrapped(canvas, pieces, 2, 2, 600, 800);
    if (!(canvas.Font() == font) || !(canvas.Pen() == pen)) std::abort();
    for (const uint16_t language : {uint16_t{0}, uint16_t{1}}) {
        for (const TSpeechStyle style : {TSpeechStyle::Formula, TSpeechStyle::Prose}) {
            const std::string words = SpeakMarkup(text, language, style);
            if (words.find("  ") != std::string::npos) std::abort();
            if (!words.empty() && (words.front() == ' ' || words.back() == ' ')) std::abort();
        }
    }
    return 0;
}
