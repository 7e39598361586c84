#pragma once
// Where the parts of a worksheet go on its pages: exercises in rows of two where they are narrow
// enough for a column and of one otherwise, rows onto pages so that no exercise is ever cut by a
// page break, and the answer key on pages of its own after them. Plain geometry in whole units (the
// PDF writer's dots); the caller measures the exercises and passes their sizes.

#include <vector>

namespace numerava::worksheet {

// An A4 page as the worksheet uses it.
struct TPageFrame {
    int Width = 0;
    int Height = 0;
    int Margin = 0;      // on all four sides
    int ColumnGap = 0;   // between the two columns (and between the answer key's columns)
    int RowGap = 0;      // between two rows of exercises
    int FirstHeader = 0; // the first page's header: title, blanks for name, class and date, instruction
    int Header = 0;      // the header of every later exercise page
    int KeyHeader = 0;   // the header of every page of the answer key
    int Footer = 0;      // kept free at the bottom of every page (page numbers)

    int ContentWidth() const { return Width - 2 * Margin; }
    int ColumnWidth() const { return (ContentWidth() - ColumnGap) / 2; }
    int ContentBottom() const { return Height - Margin - Footer; }
};

// One exercise as measured: whether it fits a column (half the content width, less the gap), its
// height there, and its height across the whole content width (a word problem wraps into fewer
// lines there). Two exercises side by side are aligned on their anchor lines, the distance from
// their tops (the middle of the formula's line, under a caption or not; 0 aligns the tops).
struct TExerciseSize {
    bool FitsColumn = false;
    int ColumnHeight = 0;
    int FullHeight = 0;
    int Anchor = 0;
};

// A placed exercise or answer: its index (from 0), its page (from 0) and its box on the page.
struct TPlacement {
    int Index = 0;
    int Page = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TPlacement&, const TPlacement&) = default;
};

struct TWorksheetLayout {
    std::vector<TPlacement> Exercises; // in exercise order
    int ExercisePages = 0;             // pages 0 .. ExercisePages - 1 (at least one)
    std::vector<TPlacement> Answers;   // in answer order, on the pages after the exercises
    int PageCount = 0;                 // exercise pages and answer-key pages (at least one of each)
};

// Rows: two neighbouring exercises that both fit a column share a row (the left one first, both on
// the row's anchor line); an
// exercise that fits a column but has no such neighbour stands alone in the left column; any other
// exercise takes the whole width. A row goes to the next page when it would reach into the footer;
// a row taller than a whole page still starts a page of its own (it is the one thing it can do).
// The answer key starts on a new page: answers of `answerWidth` x `answerHeight` in as many columns
// as fit, filled down columns of ten (longer ones only when the page is full).
TWorksheetLayout LayOutWorksheet(const TPageFrame& frame, const std::vector<TExerciseSize>& exercises,
                                 int answerWidth, int answerHeight);

} // namespace numerava::worksheet
