#pragma once
// The rows and the column titles of the results list, drawn by the caption layout like every other
// text of the program: Qt's item views place their text by the font's typographic ascent and would
// cut the accents of capitals ("Úlohy") at the top of a row. Rows are as tall as the font's line;
// a text wider than its column ends in "…".

#include "controls/CaptionLayout.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace numerava {

class TCaptionItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Where the text of the item at `index` is drawn when the item takes `rect` of `view`.
    TCaptionLayout TextLayout(const QWidget* view, const QRect& rect, const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TCaptionLayout LayoutFor(const QStyleOptionViewItem& option) const;
};

class TCaptionHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit TCaptionHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Where the title of the section is drawn when it takes `rect` of the header.
    TCaptionLayout SectionLayout(const QRect& rect, int logicalIndex) const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    QStyleOptionHeader SectionOption(const QRect& rect, int logicalIndex) const;
};

} // namespace numerava
