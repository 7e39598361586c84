#include "controls/CaptionItems.h"

#include "platform/Fonts.h"

#include <QApplication>
#include <QPainter>

namespace numerava {

namespace {

// Room above and below the text of a row or a column title.
constexpr int RowPadding = 2;
constexpr int HeaderPadding = 4;

TCaptionLayout ElidedLine(const QFont& font, const QString& text, const QRect& rect) {
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, rect.width());
    return LayOutCaption(font, shown, rect, Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

TCaptionLayout TCaptionItemDelegate::LayoutFor(const QStyleOptionViewItem& option) const {
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    // The style's text place is as tall as Qt's line: the line is centred in the whole row instead.
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &option, option.widget);
    return ElidedLine(option.font, option.text,
                      QRect(text.left(), option.rect.top(), text.width(), option.rect.height()));
}

TCaptionLayout TCaptionItemDelegate::TextLayout(const QWidget* view, const QRect& rect,
                                                const QModelIndex& index) const {
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = rect;
    option.font = view->font();
    option.widget = view;
    initStyleOption(&option, index);
    return LayoutFor(option);
}

void TCaptionItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const TCaptionLayout layout = LayoutFor(item);
    // The style draws the row's background and selection, the text is drawn here.
    QStyleOptionViewItem background = item;
    background.text.clear();
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, item.widget);
    const QPalette::ColorGroup group =
        item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setPen(item.palette.color(group, item.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                  : QPalette::Text));
    DrawCaption(*painter, layout);
    painter->restore();
}

QSize TCaptionItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(CellMetrics(option.font).Height() + 2 * RowPadding);
    return size;
}

TCaptionHeaderView::TCaptionHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent) {}

QStyleOptionHeader TCaptionHeaderView::SectionOption(const QRect& rect, int logicalIndex) const {
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    return option;
}

TCaptionLayout TCaptionHeaderView::SectionLayout(const QRect& rect, int logicalIndex) const {
    const QStyleOptionHeader option = SectionOption(rect, logicalIndex);
    const QRect text = style()->subElementRect(QStyle::SE_HeaderLabel, &option, this);
    return ElidedLine(font(), option.text, QRect(text.left(), rect.top(), text.width(), rect.height()));
}

void TCaptionHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid()) return;
    const QStyleOptionHeader option = SectionOption(rect, logicalIndex);
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    painter->save();
    painter->setPen(option.palette.color(QPalette::ButtonText));
    DrawCaption(*painter, SectionLayout(rect, logicalIndex));
    painter->restore();
}

QSize TCaptionHeaderView::sectionSizeFromContents(int logicalIndex) const {
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    size.setHeight(CellMetrics(font()).Height() + 2 * HeaderPadding);
    return size;
}

} // namespace numerava
