#include "screens/FramesSummary.h"

#include "controls/ControlFont.h"
#include "controls/Label.h"

namespace numerava {

namespace {

QLabel* TableLabel(QWidget* parent, const QString& text, QRect place, Qt::Alignment alignment) {
    auto* label = new TLabel(text, parent);
    label->setFont(ControlFont("Tahoma", 19, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAlignment(alignment);
    label->setGeometry(place);
    return label;
}

} // namespace

SummaryRow MakeSummaryRow(QWidget* parent, int left, int right, int top, const QString& name) {
    constexpr int height = 25;
    constexpr int valueWidth = 90;
    return {TableLabel(parent, name, {left, top, right - left - valueWidth, height},
                       Qt::AlignLeft | Qt::AlignVCenter),
            TableLabel(parent, QStringLiteral("0"), {right - valueWidth, top, valueWidth, height},
                       Qt::AlignRight | Qt::AlignVCenter)};
}

} // namespace numerava
