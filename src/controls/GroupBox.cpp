#include "controls/GroupBox.h"

#include <QStyleOptionGroupBox>

#include <QStylePainter>
#include <algorithm>

namespace numerava {

namespace {

QStyleOptionGroupBox Option(const QGroupBox& box) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.features = box.isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
    return option;
}

} // namespace

TCaptionLayout TGroupBox::CaptionLayout() const {
    const QStyleOptionGroupBox option = Option(*this);
    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    const QRect contents =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    const int band = std::max(label.bottom() + 1, contents.top());
    return LayOutCaption(font(), title(), QRect(label.left(), 0, width() - label.left(), band),
                         Qt::AlignLeft | Qt::AlignVCenter);
}

void TGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option = Option(*this);
    // The style keeps the title's room and draws it in an invisible colour; the layout draws it.
    option.textColor = Qt::transparent;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        option.palette.setColor(group, QPalette::WindowText, Qt::transparent);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    DrawCaption(painter, CaptionLayout());
}

} // namespace numerava
