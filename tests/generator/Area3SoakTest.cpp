// Soak test of the area-3 exercises ("NU 3"): for every difficulty and level, many exercises from
// fixed seeds, each one's answer recomputed exactly from the Question as drawn ("N" exactly when
// the expression has no value), its form and a few ranges checked, and every form of the level
// seen. NUMERAVA_SOAK_SCALE=k multiplies the counts for long runs.

#include "Area3Evaluator.h"

#include "catalogue/Selection.h"
#include "core/FixedNumber.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace numerava {
namespace {

using testing_area3::EvaluateQuestion;
using testing_area3::Evaluation;
using testing_area3::Int128;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The body of a Question ("&<" body ">< = >"), or empty.
std::string BodyOf(const std::string& question) {
    const std::string open = "&<", close = ">< = >";
    if (question.size() <= open.size() + close.size() || !question.starts_with(open) ||
        !question.ends_with(close))
        return {};
    return question.substr(open.size(), question.size() - open.size() - close.size());
}

// The body with every number (digits, maybe a decimal comma) written as "n", and the numbers.
struct Shape {
    std::string Text;
    std::vector<std::string> Numbers;
};
Shape ShapeOf(const std::string& body) {
    Shape shape;
    for (size_t i = 0; i < body.size();) {
        if (!IsDigit(body[i])) {
            shape.Text += body[i++];
            continue;
        }
        size_t end = i;
        while (end < body.size() &&
               (IsDigit(body[end]) || (body[end] == ',' && end + 1 < body.size() && IsDigit(body[end + 1]))))
            ++end;
        shape.Numbers.push_back(body.substr(i, end - i));
        shape.Text += 'n';
        i = end;
    }
    return shape;
}

int Whole(const std::string& number) { return std::stoi(number); }

// Ranges the Question's value cannot show, for forms that exist once in their level.
struct RangeRule {
    int Difficulty, Level;
    std::string Shape;
    std::function<bool(const std::vector<std::string>& n)> Holds;
    const char* What;
};
const std::vector<RangeRule>& RangeRules() {
    static const std::vector<RangeRule> rules = {
        {1, 2, "n*n^<n>", [](const auto& n) { return n[0].size() == 3 && n[0][1] == ',' && n[0][2] != '0'; },
         "one decimal that is not zero"},
        {1, 3, "#<n - n>< >", [](const auto& n) { return Whole(n[0]) <= 100; }, "radicand within 100"},
        {1, 3, "#</<n><n>>< >", [](const auto& n) { return Whole(n[0]) <= 100; }, "radicand within 100"},
        {1, 3, "&<^<n><n>><^< + n><n>>",
         [](const auto& n) { return Whole(n[0]) * Whole(n[0]) + Whole(n[2]) * Whole(n[2]) <= 199; },
         "sum of squares within 199"},
        {1, 3, "n*n^<n>", [](const auto& n) { return n[0].size() == 4 && n[0][1] == ',' && n[0][3] != '0'; },
         "two decimals, the last not zero"},
        {1, 4, "n*n^<n> + n*n^<n>",
         [](const auto& n) { return Whole(n[0]) + Whole(n[3]) <= 9 && n[2] == n[5]; }, "digit sum within 9"},
        {1, 4, "#<^<n><n> + ^<n><n>>", [](const auto& n) { return Whole(n[0]) <= 15 && Whole(n[2]) <= 15; },
         "sides within 15"},
        {1, 4, "#<^<n><n> - ^<n><n>>", [](const auto& n) { return Whole(n[0]) <= 15; }, "sides within 15"},
        {3, 3, "*<(n + n)><(n + n)>",
         [](const auto& n) { return (Whole(n[0]) + Whole(n[1])) * (Whole(n[2]) + Whole(n[3])) <= 100; },
         "product within 100"},
    };
    return rules;
}

struct SoakCase {
    int Difficulty;
    int Level;
    size_t Shapes; // distinct forms with every number written as n
};

// Forms per level, counted from the kinds: kinds with a drawn form add one each; forms coincide
// where only numbers differ (e.g. kinds 6 and 7 of difficulty 2 level 2), and a minus written
// before a drawn 0 disappears ("0 + 3*40"), which adds a form to the kinds that write one.
// Difficulty 4 draws from the three others, whose forms never coincide.
const SoakCase SoakCases[] = {
    {1, 1, 5},  {1, 2, 6},  {1, 3, 22}, {1, 4, 19}, //
    {2, 1, 11}, {2, 2, 18}, {2, 3, 13}, {2, 4, 12}, //
    {3, 1, 11}, {3, 2, 5},  {3, 3, 7},  {3, 4, 14}, //
    {4, 1, 27}, {4, 2, 29}, {4, 3, 42}, {4, 4, 45},
};

void PrintTo(const SoakCase& c, std::ostream* os) {
    *os << "difficulty " << c.Difficulty << ", level " << c.Level;
}

// Questions the documents work through, with their answers; each must come up in its level.
struct KnownQuestion {
    int Difficulty, Level;
    const char* Question;
    const char* Expected;
};
const KnownQuestion KnownQuestions[] = {
    {1, 1, "&<#<-49>< >>< = >", "N"},
    {1, 2, "&<#<5 - 14>< >>< = >", "N"},
    {1, 2, "&<^<0,4><2>>< = >", "0,16"},
    {1, 2, "&<3,5*10^<2>>< = >", "350"},
    {1, 2, "&<^<-7><2>>< = >", "-49"},
    {1, 2, "&<^<(-7)><2>>< = >", "49"},
    {1, 3, "&<&<#<4>< >>< - ><#<9>< >>>< = >", "-1"},
    {1, 3, "&<#</<36><4>>< >>< = >", "3"},
    {2, 3, "&</<7><0,5>>< = >", "14"},
    {2, 3, "&<&</<12><2>>< : ></<6><2>>>< = >", "2"},
    {3, 1, "&<(3 + 4) : 0>< = >", "N"},
};

int Scale() {
    const char* text = std::getenv("NUMERAVA_SOAK_SCALE");
    const int scale = text ? std::atoi(text) : 1;
    return scale > 0 ? scale : 1;
}

constexpr uint32_t Seeds[] = {3u, 20250611u, 3987654321u, 4242u};
constexpr int ExercisesPerSeed = 5000;

// The difficulty a body of difficulty 4 came from: only powers and roots use ^ and #, only the
// expressions with brackets use brackets otherwise.
int SourceDifficulty(const std::string& body) {
    if (body.find_first_of("^#") != std::string::npos) return 1;
    return body.find('(') != std::string::npos ? 3 : 2;
}

// What is wrong with one exercise, or empty.
std::string Fault(const TExercise& exercise, const SoakCase& c) {
    if (exercise.Topic.Difficulty != c.Difficulty || exercise.Topic.Operation != c.Level) return "topic";
    if (!exercise.Suffix.empty() || !exercise.Prompt.empty()) return "suffix or prompt not empty";
    if (!exercise.TaskText.empty() && !(exercise.TaskText == "Vypočítej" && c.Level == 2)) return "task text";

    const TFixedNumber& expected = exercise.Expected;
    if (expected.Decimals < -1 || (expected.Decimals == -1 && expected.Value != 0) ||
        (expected.Decimals > 0 && expected.Value % 10 == 0))
        return "expected answer not in normal form";
    if (FormatNumber(expected).size() > 10)
        return "expected answer longer than the answer field's ten characters";

    const Evaluation value = EvaluateQuestion(exercise.Question);
    if (!value.Error.empty()) return "unreadable question: " + value.Error;
    if (!value.HasValue)
        return IsSpecial(expected) ? "" : "the expression has no value, expected is a number";
    if (IsSpecial(expected)) return "the expression has a value, expected is N";
    // expected.Value / 10^Decimals == numerator / denominator
    Int128 scaled = value.Value.Numerator;
    for (int i = 0; i < expected.Decimals; ++i) scaled *= 10;
    if (scaled != static_cast<Int128>(expected.Value) * value.Value.Denominator)
        return "the question's value is " + std::to_string(value.Value.Numerator) + "/" +
               std::to_string(value.Value.Denominator);

    const int difficulty = c.Difficulty == 4 ? SourceDifficulty(BodyOf(exercise.Question)) : c.Difficulty;
    const Shape shape = ShapeOf(BodyOf(exercise.Question));
    for (const RangeRule& rule : RangeRules()) {
        if (rule.Difficulty == difficulty && rule.Level == c.Level && rule.Shape == shape.Text &&
            !rule.Holds(shape.Numbers))
            return std::string("outside its range: ") + rule.What;
    }
    return {};
}

class Area3SoakTest : public testing::TestWithParam<SoakCase> {};

TEST_P(Area3SoakTest, EveryAnswerIsTheValueOfItsQuestion) {
    const SoakCase& c = GetParam();
    TNumeravaGenerator generator;
    generator.Area = 3;
    generator.DifficultySet = MakeSet({c.Difficulty});
    generator.OperationSet = MakeSet({c.Level});

    std::set<std::string> shapes;
    std::map<std::string, std::string> answers; // known question of this level -> expected given
    std::map<std::string, std::string> known;   // known question of this level -> its answer
    for (const KnownQuestion& question : KnownQuestions)
        if (question.Level == c.Level && (question.Difficulty == c.Difficulty || c.Difficulty == 4))
            known.emplace(question.Question, question.Expected);
    std::map<int, int> sources; // difficulty 4: exercises per difficulty drawn
    int faults = 0, total = 0;
    std::string report;
    for (const uint32_t seed : Seeds) {
        SeedRandom(seed);
        for (int i = 0; i < ExercisesPerSeed * Scale(); ++i, ++total) {
            const TExercise exercise = generator.Generate();
            const std::string body = BodyOf(exercise.Question);
            shapes.insert(ShapeOf(body).Text);
            ++sources[SourceDifficulty(body)];
            if (known.contains(exercise.Question))
                answers.emplace(exercise.Question, FormatNumber(exercise.Expected));
            const std::string fault = Fault(exercise, c);
            if (fault.empty()) continue;
            if (++faults <= 5)
                report += "\n  seed " + std::to_string(seed) + " #" + std::to_string(i) + ": \"" +
                          exercise.Question + "\" expected " + FormatNumber(exercise.Expected) + ": " + fault;
        }
    }
    EXPECT_EQ(faults, 0) << report;

    std::string seen;
    for (const std::string& shape : shapes) seen += "\n  " + shape;
    EXPECT_EQ(shapes.size(), c.Shapes) << "forms seen:" << seen;

    for (const auto& [question, answer] : known) {
        const auto found = answers.find(question);
        if (found == answers.end()) {
            // Difficulty 4 sees each of the others only a third as often.
            EXPECT_EQ(c.Difficulty, 4) << "never asked: " << question;
            continue;
        }
        EXPECT_EQ(found->second, answer) << question;
    }

    // Difficulty 4 stands for 1, 2 or 3 with equal chance; the others only for themselves.
    if (c.Difficulty == 4) {
        for (int difficulty = 1; difficulty <= 3; ++difficulty)
            EXPECT_NEAR(sources[difficulty], total / 3.0, total * 0.03) << "difficulty " << difficulty;
    } else {
        EXPECT_EQ(sources[c.Difficulty], total);
    }
}

std::string SoakCaseName(const testing::TestParamInfo<SoakCase>& info) {
    return "Difficulty" + std::to_string(info.param.Difficulty) + "Level" + std::to_string(info.param.Level);
}

INSTANTIATE_TEST_SUITE_P(Area3, Area3SoakTest, testing::ValuesIn(SoakCases), SoakCaseName);

// Every level asks "N" questions only where a kind has no value, and each level that has such
// kinds asks them: the pupil must meet the answer N, and never where a number is right.
TEST(Area3Soak, NoValueComesOnlyFromTheKindsWithoutValue) {
    // Share of "N" answers per difficulty and level: kinds without value / kinds of the level.
    const struct {
        int Difficulty, Level, KindsWithoutValue, Kinds;
    } levels[] = {
        {1, 1, 1, 6},  {1, 2, 1, 8},  {1, 3, 1, 21}, {1, 4, 0, 17}, {2, 1, 1, 9}, {2, 2, 1, 13},
        {2, 3, 1, 13}, {2, 4, 0, 12}, {3, 1, 2, 10}, {3, 2, 0, 5},  {3, 3, 1, 8}, {3, 4, 0, 11},
    };
    TNumeravaGenerator generator;
    generator.Area = 3;
    SeedRandom(99);
    constexpr int count = 6000;
    for (const auto& level : levels) {
        generator.DifficultySet = MakeSet({level.Difficulty});
        generator.OperationSet = MakeSet({level.Level});
        int noValue = 0;
        for (int i = 0; i < count; ++i) noValue += IsSpecial(generator.Generate().Expected);
        const double share = static_cast<double>(level.KindsWithoutValue) / level.Kinds;
        EXPECT_NEAR(noValue, share * count, count * 0.02)
            << "difficulty " << level.Difficulty << ", level " << level.Level;
    }
}

} // namespace
} // namespace numerava
