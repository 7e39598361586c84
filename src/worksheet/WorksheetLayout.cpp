#include "worksheet/WorksheetLayout.h"

#include <algorithm>
#include <cstddef>

namespace numerava::worksheet {

namespace {

// The answer key prefers columns of this many answers.
constexpr int KeyColumnLength = 10;

// One row of exercises before it is put on a page.
struct TRow {
    int First = 0;     // index of its first exercise
    int Count = 1;     // 1 or 2 exercises
    bool Full = false; // one exercise across the whole width
    int Anchor = 0;    // the anchor line's distance from the row's top
    int Height = 0;
};

int HeightIn(const TExerciseSize& size, bool full) { return full ? size.FullHeight : size.ColumnHeight; }

std::vector<TRow> MakeRows(const std::vector<TExerciseSize>& exercises) {
    std::vector<TRow> rows;
    const int count = static_cast<int>(exercises.size());
    for (int i = 0; i < count;) {
        TRow row{i, 1, !exercises[static_cast<size_t>(i)].FitsColumn, 0, 0};
        if (!row.Full && i + 1 < count && exercises[static_cast<size_t>(i + 1)].FitsColumn) row.Count = 2;
        // Above the anchor line the row needs the most any of its exercises needs, and below it too.
        int below = 0;
        for (int k = 0; k < row.Count; ++k) {
            const TExerciseSize& size = exercises[static_cast<size_t>(i + k)];
            row.Anchor = std::max(row.Anchor, size.Anchor);
            below = std::max(below, HeightIn(size, row.Full) - size.Anchor);
        }
        row.Height = row.Anchor + below;
        rows.push_back(row);
        i += row.Count;
    }
    return rows;
}

} // namespace

TWorksheetLayout LayOutWorksheet(const TPageFrame& frame, const std::vector<TExerciseSize>& exercises,
                                 int answerWidth, int answerHeight) {
    TWorksheetLayout layout;
    const int left = frame.Margin;
    const int bottom = frame.ContentBottom();
    const int column = frame.ColumnWidth();

    int page = 0;
    int y = frame.Margin + frame.FirstHeader;
    bool pageEmpty = true;
    for (const TRow& row : MakeRows(exercises)) {
        if (!pageEmpty && y + row.Height > bottom) {
            ++page;
            y = frame.Margin + frame.Header;
            pageEmpty = true;
        }
        for (int k = 0; k < row.Count; ++k) {
            const int x = left + k * (column + frame.ColumnGap);
            const int width = row.Full ? frame.ContentWidth() : column;
            const TExerciseSize& size = exercises[static_cast<size_t>(row.First + k)];
            layout.Exercises.push_back(
                {row.First + k, page, x, y + row.Anchor - size.Anchor, width, HeightIn(size, row.Full)});
        }
        y += row.Height + frame.RowGap;
        pageEmpty = false;
    }
    layout.ExercisePages = page + 1;

    // The key: as many columns as fit side by side, as many rows as fit below its header.
    const int pitchX = std::max(1, answerWidth + frame.ColumnGap);
    const int pitchY = std::max(1, answerHeight);
    const int columns = std::max(1, (frame.ContentWidth() + frame.ColumnGap) / pitchX);
    const int top = frame.Margin + frame.KeyHeader;
    const int rowsPerPage = std::max(1, (bottom - top) / pitchY);
    const int answers = static_cast<int>(exercises.size());
    const int perPage = columns * rowsPerPage;
    const int keyPages = std::max(1, (answers + perPage - 1) / perPage);
    for (int keyPage = 0; keyPage < keyPages; ++keyPage) {
        const int first = keyPage * perPage;
        const int onPage = std::min(answers - first, perPage);
        // Columns of ten where they fit (easier to run down than many short ones), all of equal length
        // but the last.
        const int longest = std::min(KeyColumnLength, rowsPerPage);
        const int used = std::min(columns, (onPage + longest - 1) / longest);
        const int rows = onPage > 0 ? (onPage + used - 1) / used : 0;
        for (int j = 0; j < onPage; ++j)
            layout.Answers.push_back({first + j, layout.ExercisePages + keyPage, left + (j / rows) * pitchX,
                                      top + (j % rows) * pitchY, answerWidth, answerHeight});
    }
    layout.PageCount = layout.ExercisePages + keyPages;
    return layout;
}

} // namespace numerava::worksheet
