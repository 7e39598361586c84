#pragma once
// What the practice and the expert summary share: the average text and the rows of the black table.

#include <QLabel>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace numerava {

// Points per exercise truncated (not rounded) to one decimal, with a decimal comma and no trailing
// ",0": 103 points in 12 exercises give "8,5", 50 in 5 give "10". Empty for no exercises.
inline std::string SummaryAverageText(int points, int exercises) {
    if (exercises == 0) return {};
    const int64_t tenths = static_cast<int64_t>(points) * 10 / exercises;
    const int64_t magnitude = std::llabs(tenths);
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) text += "," + std::to_string(magnitude % 10);
    return text;
}

// One row of the summary table: the name on the left, the value right-aligned against the same
// right edge as the other rows.
struct SummaryRow {
    QLabel* name;
    QLabel* value;
};

SummaryRow MakeSummaryRow(QWidget* parent, int left, int right, int top, const QString& name);

} // namespace numerava
