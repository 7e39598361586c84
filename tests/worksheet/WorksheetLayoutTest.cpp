// The worksheet's page layout: which exercises share a row, where rows break onto pages, and the
// answer key on pages of its own.
#include "worksheet/WorksheetLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace numerava::worksheet {
namespace {

// A small page: content 900 wide (columns of 440 and a gap of 20), from 150 (first page) or 100
// (later pages) down to 910.
TPageFrame TestFrame() {
    TPageFrame frame;
    frame.Width = 1000;
    frame.Height = 1000;
    frame.Margin = 50;
    frame.ColumnGap = 20;
    frame.RowGap = 10;
    frame.FirstHeader = 100;
    frame.Header = 50;
    frame.KeyHeader = 60;
    frame.Footer = 40;
    return frame;
}

TExerciseSize Narrow(int height = 40) { return {true, height, height, height / 2}; }
TExerciseSize Wide(int height = 40) { return {false, height, height, height / 2}; }

// "L", "R" or "F" per exercise: left column, right column or the full width.
std::string Places(const TPageFrame& frame, const TWorksheetLayout& layout) {
    std::string places;
    for (const TPlacement& place : layout.Exercises) {
        if (place.Width == frame.ContentWidth()) places += 'F';
        else if (place.X == frame.Margin) places += 'L';
        else places += 'R';
    }
    return places;
}

TEST(WorksheetLayout, NarrowExercisesGoTwoToARowWideOnesOne) {
    struct Case {
        std::string sizes; // n narrow, w wide
        std::string places;
    };
    const Case cases[] = {
        {"nnnn", "LRLR"}, {"nnn", "LRL"}, // the last one alone in the left column
        {"nwn", "LFL"},                   // a narrow one beside a wide one stands alone
        {"wnn", "FLR"},   {"nnwnn", "LRFLR"}, {"nwnnw", "LFLRF"}, {"www", "FFF"}, {"", ""},
    };
    const TPageFrame frame = TestFrame();
    for (const Case& c : cases) {
        std::vector<TExerciseSize> sizes;
        for (const char size : c.sizes) sizes.push_back(size == 'n' ? Narrow() : Wide());
        const TWorksheetLayout layout = LayOutWorksheet(frame, sizes, 100, 20);
        EXPECT_EQ(Places(frame, layout), c.places) << c.sizes;
        for (size_t i = 0; i < layout.Exercises.size(); ++i) {
            const TPlacement& place = layout.Exercises[i];
            EXPECT_EQ(place.Index, static_cast<int>(i));
            EXPECT_EQ(place.Width, place.Width == frame.ContentWidth() ? 900 : 440) << c.sizes;
            // A right-hand exercise shares its row with the one before it.
            if (c.places[i] == 'R') {
                EXPECT_EQ(place.Y, layout.Exercises[i - 1].Y) << c.sizes;
                EXPECT_EQ(place.X, 50 + 440 + 20) << c.sizes;
            }
        }
    }
}

TEST(WorksheetLayout, ExercisesSideBySideShareTheirAnchorLine) {
    // A formula under a caption beside one without: the formulas' middles line up.
    const std::vector<TExerciseSize> sizes = {{true, 60, 60, 45}, {true, 30, 30, 15}, Narrow(40)};
    const TWorksheetLayout layout = LayOutWorksheet(TestFrame(), sizes, 100, 20);
    ASSERT_EQ(layout.Exercises.size(), 3u);
    const TPlacement& captioned = layout.Exercises[0];
    const TPlacement& plain = layout.Exercises[1];
    EXPECT_EQ(captioned.Y, 150);
    EXPECT_EQ(plain.Y + 15, captioned.Y + 45);
    // The row reaches from the captioned top to the lower of the two bottoms: 45 above, 15 below.
    EXPECT_EQ(layout.Exercises[2].Y, 150 + 60 + 10);
}

TEST(WorksheetLayout, NoExerciseCrossesAPageAndPagesAreFilled) {
    std::mt19937 random(17);
    const TPageFrame frame = TestFrame();
    for (int round = 0; round < 50; ++round) {
        std::vector<TExerciseSize> sizes;
        const int count = 1 + static_cast<int>(random() % 60);
        for (int i = 0; i < count; ++i) {
            const int height = 20 + static_cast<int>(random() % 200);
            const bool narrow = random() % 3 != 0;
            sizes.push_back({narrow, height, height - 10, static_cast<int>(random() % 10)});
        }
        const TWorksheetLayout layout = LayOutWorksheet(frame, sizes, 100, 20);
        ASSERT_EQ(layout.Exercises.size(), sizes.size());
        int page = 0;
        int lowest = 0; // the lowest bottom on the current page
        for (size_t i = 0; i < layout.Exercises.size(); ++i) {
            const TPlacement& place = layout.Exercises[i];
            const int top = place.Page == 0 ? 150 : 100;
            EXPECT_GE(place.Y, top) << "round " << round << " exercise " << i;
            EXPECT_LE(place.Y + place.Height, frame.ContentBottom())
                << "round " << round << " exercise " << i;
            ASSERT_GE(place.Page, page) << "exercises keep their order";
            if (place.Page > page) {
                // A row moves on only when it would not have fitted below the previous one.
                int rowTop = place.Y;
                int rowBottom = place.Y + place.Height;
                if (i + 1 < layout.Exercises.size() && layout.Exercises[i + 1].X > place.X) {
                    const TPlacement& partner = layout.Exercises[i + 1];
                    rowTop = std::min(rowTop, partner.Y);
                    rowBottom = std::max(rowBottom, partner.Y + partner.Height);
                }
                EXPECT_EQ(place.Page, page + 1);
                EXPECT_GT(lowest + frame.RowGap + rowBottom - rowTop, frame.ContentBottom());
                page = place.Page;
                lowest = 0;
            }
            lowest = std::max(lowest, place.Y + place.Height);
        }
        EXPECT_EQ(layout.ExercisePages, page + 1);
    }
}

TEST(WorksheetLayout, LaterPagesStartBelowTheirShorterHeader) {
    // Rows of 70 and gaps of 10: nine fit the first page (150 to 910), the tenth starts the second.
    const std::vector<TExerciseSize> sizes(30, Narrow(70));
    const TWorksheetLayout layout = LayOutWorksheet(TestFrame(), sizes, 100, 20);
    EXPECT_EQ(layout.Exercises[17].Page, 0);
    EXPECT_EQ(layout.Exercises[18].Page, 1);
    EXPECT_EQ(layout.Exercises[18].Y, 100);
    EXPECT_EQ(layout.Exercises[19].Y, 100);
    EXPECT_EQ(layout.ExercisePages, 2);
}

TEST(WorksheetLayout, AnExerciseTallerThanAPageGetsAPageOfItsOwn) {
    const std::vector<TExerciseSize> sizes = {Narrow(100), Wide(2000), Narrow(100)};
    const TWorksheetLayout layout = LayOutWorksheet(TestFrame(), sizes, 100, 20);
    EXPECT_EQ(layout.Exercises[0].Page, 0);
    EXPECT_EQ(layout.Exercises[1].Page, 1);
    EXPECT_EQ(layout.Exercises[1].Y, 100);
    EXPECT_EQ(layout.Exercises[2].Page, 2);
    EXPECT_EQ(layout.ExercisePages, 3);
    EXPECT_EQ(layout.PageCount, 4);
}

TEST(WorksheetLayout, TheAnswerKeyHasPagesOfItsOwn) {
    struct Case {
        int exercises;
        int answerWidth;
        int columns; // columns used on the key's first page
        int keyPages;
    };
    // Key pages hold (910 - 110) / 20 = 40 rows; answers 100 wide (+ gap 20) make 7 columns of 900.
    const Case cases[] = {
        {0, 100, 0, 1},                    // an empty sheet still gets its key page
        {5, 100, 1, 1},                    // short columns only when there are few answers
        {20, 100, 2, 1},                   // columns of ten
        {70, 100, 7, 1},                   // ten in each of the seven columns that fit
        {71, 100, 7, 1},                   // past that the columns grow longer
        {280, 100, 7, 1},                  // 7 x 40: one full page
        {281, 100, 7, 2}, {20, 900, 1, 1}, // one column across the page
        {50, 900, 1, 2},
    };
    const TPageFrame frame = TestFrame();
    for (const Case& c : cases) {
        const TWorksheetLayout layout =
            LayOutWorksheet(frame, std::vector<TExerciseSize>(c.exercises, Narrow(20)), c.answerWidth, 20);
        EXPECT_EQ(layout.PageCount, layout.ExercisePages + c.keyPages) << c.exercises;
        ASSERT_EQ(layout.Answers.size(), static_cast<size_t>(c.exercises));
        int columns = 0;
        for (size_t i = 0; i < layout.Answers.size(); ++i) {
            const TPlacement& answer = layout.Answers[i];
            EXPECT_EQ(answer.Index, static_cast<int>(i));
            EXPECT_GE(answer.Page, layout.ExercisePages) << "the key never shares a page with exercises";
            EXPECT_GE(answer.Y, 110);
            EXPECT_LE(answer.Y + answer.Height, frame.ContentBottom());
            EXPECT_LE(answer.X + answer.Width, frame.Width - frame.Margin);
            if (answer.Page == layout.ExercisePages && answer.Y == 110) ++columns;
            // Down the columns: the next answer is below, or at the top of the next column.
            if (i > 0 && answer.Page == layout.Answers[i - 1].Page) {
                const TPlacement& previous = layout.Answers[i - 1];
                EXPECT_TRUE((answer.X == previous.X && answer.Y == previous.Y + 20) ||
                            (answer.X > previous.X && answer.Y == 110))
                    << c.exercises << " answer " << i;
            }
        }
        EXPECT_EQ(columns, c.columns) << c.exercises;
    }
}

} // namespace
} // namespace numerava::worksheet
