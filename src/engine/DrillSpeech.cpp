#include "engine/DrillSpeech.h"

#include "catalogue/UnitsTexts.h"
#include "core/Format.h"
#include "core/Language.h"

#include <string_view>

namespace numerava {

namespace {

// A caption of several lines ("Chyba,\r\nzkus další") as one line of single spaces.
std::string OneLine(std::string_view caption) {
    std::string line;
    bool space = false;
    for (const char c : caption) {
        if (c == ' ' || c == '\r' || c == '\n') {
            space = !line.empty();
            continue;
        }
        if (space) line += ' ';
        space = false;
        line += c;
    }
    return line;
}

void AppendSentence(std::string& text, std::string_view sentence) {
    if (sentence.empty()) return;
    if (!text.empty()) text += ". ";
    text += sentence;
}

} // namespace

std::string VerdictAnnouncement(const TDrillModel& model) {
    std::string text;
    if (model.ResultTextVisible()) {
        AppendSentence(text, OneLine(model.ResultText()));
        // A wrong or late answer is replaced by the correct one in the field.
        if (!model.LastAnswerCorrect())
            AppendSentence(text, Format(ByLanguage("Správná odpověď je %s", "Správna odpoveď je %s"),
                                        {model.AnswerText()}));
    }
    if (model.BikeResultVisible() && !model.BikeResultText().empty()) {
        AppendSentence(text, OneLine(model.BikeResultText()));
        if (model.MoneyVisible()) AppendSentence(text, BankNoteName(NoteValue(model.MoneyIndex() * 20)));
    }
    // The message on a malformed answer, unless a verdict has followed it.
    if (text.empty() && model.NotANumberMessageShown()) text = OneLine(model.NotANumberText());
    return text;
}

std::string BankNoteName(int value) { return Format("Bankovka %d", {value}); }

} // namespace numerava
