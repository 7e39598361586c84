#include "generator/UnitsGenerator.h"

#include "catalogue/Selection.h"
#include "core/Format.h"
#include "core/Random.h"
#include "generator/GenerateContext.h"

#include <array>
#include <utility>

namespace numerava {

TNumeravaGenerator Generator;

namespace {

// The k-th (1-based) member of `set` in ascending order among items first..last.
int NthMember(uint16_t set, int first, int last, int k) {
    for (int item = first; item <= last; ++item)
        if ((set >> item) & 1u)
            if (--k == 0) return item;
    return 0;
}

int CountMembers(uint16_t set, int first, int last) {
    int count = 0;
    for (int item = first; item <= last; ++item) count += (set >> item) & 1u;
    return count;
}

// Letters for area 6: Letter1 strictly before Letter2 in the order a, b, x, y.
void DrawLetters(TGenerateContext& context) {
    static constexpr std::array<const char*, 5> letters = {"", "a", "b", "x", "y"};
    int i = 0, j = 0, l = 0;
    do {
        i = Random(3) + 1;
        j = Random(3) + 2;
        l = Random(4) + 1;
    } while (i >= j);
    // Letter1 is a, b, x for i = 1, 2, 3; Letter2 is b, x, y for j = 2, 3, 4.
    context.Letter1 = letters[static_cast<size_t>(i)];
    context.Letter2 = letters[static_cast<size_t>(j)];
    context.Letter3 = letters[static_cast<size_t>(l)];
}

void StripTrailingZeros(TOperand& operand) {
    while (operand.Decimals > 0 && operand.Value % 10 == 0) {
        operand.Value /= 10;
        --operand.Decimals;
    }
}

// Brings A and B to the same decimals count by scaling the one with fewer decimals.
void AlignDecimals(TOperand& a, TOperand& b) {
    while (a.Decimals < b.Decimals) {
        a.Value *= 10;
        ++a.Decimals;
    }
    while (b.Decimals < a.Decimals) {
        b.Value *= 10;
        ++b.Decimals;
    }
}

std::string FormatOperand(const TOperand& operand) {
    return FormatNumber(MakeNumber(operand.Decimals, operand.Value));
}

void CloseExercise(TGenerateContext& context, int area) {
    auto& a = context.A;
    auto& b = context.B;
    AlignDecimals(a, b);

    const int operation = context.Operation;
    const int difficulty = context.Difficulty;
    if (area == 2 && difficulty != 4) {
        if (operation == 2) {
            context.Expected = MakeNumber(2 * a.Decimals, static_cast<int64_t>(a.Value) * b.Value);
        } else if (operation == 3 && b.Value != 0) {
            context.Expected = MakeNumber(0, a.Value / b.Value);
        }
    }

    for (TOperand* operand : {&context.A, &context.B, &context.C, &context.D}) StripTrailingZeros(*operand);

    const std::string& q = context.Question;
    const std::string wrapped = "&<" + q + ">< = >";
    switch (area) {
    case 1:
        if (operation == 1 || operation == 4) {
            context.Question = wrapped;
        } else if (operation == 2) {
            context.Question = "*<" + std::to_string(a.Value) + "><" + std::to_string(b.Value) + " = >";
        } else {
            context.Question = std::to_string(a.Value) + " " + OperatorSigns[operation] + " " +
                               std::to_string(b.Value) + " = ";
        }
        break;
    case 2: {
        const std::string fa = FormatOperand(a);
        const std::string fb = FormatOperand(b);
        if (operation == 1) {
            if (difficulty == 1) context.Question = wrapped;
            else if (difficulty == 4) context.Question = "&<" + q + ">";
            else if (difficulty == 3 && b.Value < 0)
                context.Question = fa + context.Generator.AddSign + "(" + fb + ") = ";
            else context.Question = fa + context.Generator.AddSign + fb + " = ";
        } else if (operation == 2 || operation == 3) {
            if (difficulty == 4) context.Question = "&<" + q + ">";
            else if (b.Value < 0) context.Question = fa + " " + OperatorSigns[operation] + " (" + fb + ") = ";
            else context.Question = fa + " " + OperatorSigns[operation] + " " + fb + " = ";
        } else {
            context.Question = difficulty == 4 ? "&<" + q + ">" : wrapped;
        }
        break;
    }
    case 3: context.Question = wrapped; break;
    case 4:
        NormalizeNumber(context.R);
        context.Question = Format(wrapped, {FormatNumber(context.R)});
        context.Suffix = Format("&< ><%s>", {context.Suffix});
        break;
    default: // areas 5 and 6 write their Question themselves
        break;
    }
    NormalizeNumber(context.Expected);
}

} // namespace

TTopic ChooseTopic(int area, uint8_t difficultySet, uint8_t operationSet, int mode, int contestCounter) {
    const bool contest = mode == ModeContest;
    const int part = contestCounter;
    TTopic topic;
    if (area >= 1 && area <= 3) {
        const int nOps = CountMembers(operationSet, 1, 4);
        if (nOps == 0) return topic;
        int k = contest ? (part - 1) % nOps + 1 : Random(nOps) + 1;
        topic.Operation = NthMember(operationSet, 1, 4, k);
        const int nDiffs = CountMembers(difficultySet, 1, 4);
        if (nDiffs == 0) return topic;
        k = contest ? ((part - 1) / nOps) % nDiffs + 1 : Random(nDiffs) + 1;
        topic.Difficulty = NthMember(difficultySet, 1, 4, k);
        return topic;
    }

    // Kinds 1..6 come from the left column (bit 7 of the byte counts too), kinds 7..12 from the
    // right one.
    uint16_t kinds = difficultySet & 0xFEu;
    for (int item = 1; item <= 6; ++item)
        if (HasItem(operationSet, item)) kinds = static_cast<uint16_t>(kinds | (1u << (item + 6)));
    const int n = CountMembers(kinds, 1, 12);
    if (n == 0) return topic;
    const int k = contest ? (part - 1) % n + 1 : Random(n) + 1;
    topic.Difficulty = NthMember(kinds, 1, 12, k);
    if (area == 4 && topic.Difficulty > 4) topic.Difficulty -= 2;
    return topic;
}

TExercise TNumeravaGenerator::Generate() {
    TaskText.clear();
    TGenerateContext context(*this);
    context.Expected = MakeNumber(0, 0);
    DrawLetters(context);
    const TTopic topic = ChooseTopic(Area, DifficultySet, OperationSet, Mode, ContestCounter);
    context.Difficulty = topic.Difficulty;
    context.Operation = topic.Operation;

    static constexpr std::array<void (*)(TGenerateContext&), 6> areaCases = {
        GenerateArea1, GenerateArea2, GenerateArea3, GenerateArea4, GenerateArea5, GenerateArea6};
    if (Area < 1 || Area > 6) throw UnsupportedAreaError();
    if (topic.Difficulty == 0 || (Area <= 3 && topic.Operation == 0)) throw EmptySelectionError();

    areaCases[static_cast<size_t>(Area - 1)](context);
    CloseExercise(context, Area);

    TaskText = context.TaskText;
    return TExercise{std::move(context.Question), std::move(context.Suffix),
                     std::move(context.Prompt),   context.Expected,
                     std::move(context.TaskText), topic};
}

void TranslateTaskText(std::string& taskText) {
    static constexpr std::pair<const char*, const char*> wholeTexts[] = {
        {"Urči kořen rovnice", "Urči koreň rovnice"},
        {"Doplň exponent", "Doplň exponenta"},
        {"Doplň mocnitele", "Doplň mocniteľa"},
        {"Rozlož na součin vytýkáním", "Rozlož na súčin"},
        {"Rozlož na součin vytýkáním - doplň", "Rozlož na súčin - doplň"},
        {"Urči podmínku lomeného výrazu", "Urči podmienku lomeného výrazu"},
        {"Urči druhou podmínku lomeného výrazu", "Urči druhú podmienku lomeného výrazu"},
        {"Doplň druhou podmínku lomeného výrazu", "Doplň druhú podmienku lomeného výrazu"},
        {"Rozlož na součin podle vzorce - doplň", "Rozlož na súčin podľa vzorca - doplň"},
        {"Doplň, kdy nemá výraz smysl", "Doplň, kedy výraz nemá zmysel"},
        {"Uprav podle vzorce - doplň", "Doplň podľa vzorca"},
        {"Vyjádři v %", "Vyjadri v %"},
        {"Zapiš des. číslem", "Zapíš des. číslom"},
    };
    static constexpr std::pair<const char*, const char*> substrings[] = {
        {"pro", "pre"},
        {"součin", "súčin"},
        {"byla", "bola"},
        {"Dopočítej", "Vypočítaj"},
        {"Vypočítej", "Vypočítaj"},
    };
    // Each whole-text rule compares the text as the earlier rules left it.
    for (const auto& [czech, slovak] : wholeTexts)
        if (taskText == czech) taskText = slovak;
    for (const auto& [czech, slovak] : substrings) {
        const std::string_view from = czech;
        if (const auto at = taskText.find(from); at != std::string::npos)
            taskText.replace(at, from.size(), slovak);
    }
}

} // namespace numerava
