#pragma once
// What the practice and the expert summary share: the rows of the black table.

#include <QLabel>
#include <QString>

namespace numerava {

// One row of the summary table: the name on the left, the value right-aligned against the same
// right edge as the other rows.
struct SummaryRow {
    QLabel* name;
    QLabel* value;
};

SummaryRow MakeSummaryRow(QWidget* parent, int left, int right, int top, const QString& name);

} // namespace numerava
