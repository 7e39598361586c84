#include "contest/ContestFinal.h"

#include "catalogue/Grades.h"
#include "contest/ContestRules.h"
#include "core/Format.h"
#include "core/Language.h"

namespace numerava {

TContestFinal ContestFinal(const TContestFinalInput& input) {
    TContestFinal final;
    final.Points = input.ContestPoints;
    final.TargetTime = FormatDuration(int64_t{ContestTargetSeconds} * 1000);
    final.Time = FormatDuration(input.ElapsedMs);
    final.TimeBonus = ContestTimeBonus(input.ElapsedMs);
    final.MistakesText = ContestMistakesText(input.Mistakes, Language);
    final.Score = ContestFinalScore(input.ContestPoints, input.ElapsedMs, input.Mistakes);

    MarkFor(ModeContest, static_cast<float>(final.Score), final.Description, final.Mark);
    final.MarkCaption = Format(ByLanguage("HODNOCENÍ: %s", "HODNOTENIE: %s"), {final.Mark});
    final.MarkPicture = MarkPicture;

    const TSelection& selection = input.Selection;
    const std::string topic = TopicText(selection);
    final.AreaPicture = AreaPictureFile(selection.Area);
    final.Topic = ShortenContestTopic(topic);
    final.Category = ContestCategoryCode(final.Topic, Language);
    final.AddressCategory =
        final.Category != NoContestCategory ? final.Category : static_cast<uint16_t>(selection.Area);
    final.EntryOffered = final.Score > 0 && final.Category != NoContestCategory;
    final.ResultAddress = ContestResultAddress(final.Score, Language, final.AddressCategory);

    final.Row.Topic = topic;
    final.Row.ModeName = ModeText(selection.Mode, selection.Area);
    final.Row.Tasks = final.Time;
    final.Row.Points = std::to_string(final.Score);
    final.Row.Mark = final.Mark;
    return final;
}

} // namespace numerava
