// Area 5: word problems. An exercise is one line of the chosen section of the word-problem data
// file: the answer and the unit come from its bracketed parts, and two different first names of the
// file's name list go into its text.

#include "catalogue/WordProblemData.h"
#include "catalogue/WordProblemLine.h"
#include "core/Format.h"
#include "core/Random.h"
#include "generator/GenerateContext.h"

#include <algorithm>
#include <cstdint>

namespace numerava {

namespace {

// Nothing selected stands for the trick questions.
constexpr int DefaultSection = 6;

int R(size_t n) { return Random(static_cast<int32_t>(std::min<size_t>(n, INT32_MAX))); }

} // namespace

void GenerateArea5(TGenerateContext& context) {
    const int section = context.Difficulty == 0 ? DefaultSection : context.Difficulty;
    if (section < 1 || section > SectionCount) return;
    const std::vector<std::string>& problems = SectionLines[static_cast<size_t>(section)];
    // Without a loaded file there is nothing to ask; the exercise stays empty.
    if (problems.empty()) return;
    const std::string& line = problems[static_cast<size_t>(R(problems.size()))];

    // The loader keeps only lines that split and parse; a line put there another way that does not
    // gives an empty exercise rather than an exception.
    const auto parts = SplitProblemLine(line);
    if (!parts) return;
    const auto expected = ParseNumber(parts->Answer);
    if (!expected) return;
    context.Expected = *expected;
    context.Suffix = parts->Unit;
    if (parts->Prompt) context.Prompt = *parts->Prompt;

    std::string name1, name2;
    if (!NameList.empty()) {
        name1 = NameList[static_cast<size_t>(R(NameList.size()))];
        // With fewer than two different names the question gets the same name twice.
        const bool another = std::any_of(NameList.begin(), NameList.end(),
                                         [&name1](const std::string& name) { return name != name1; });
        name2 = name1;
        if (another) {
            do { name2 = NameList[static_cast<size_t>(R(NameList.size()))]; } while (name2 == name1);
        }
    }
    context.Question = Format(parts->Text, {name1, name2, "%"});
}

} // namespace numerava
