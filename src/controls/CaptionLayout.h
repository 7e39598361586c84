#pragma once
// Captions placed as the program's controls draw them. Every line is a cell of the font's line
// (CellMetrics): its baseline lies the cell's ascent below the cell's top, and the lines of a caption
// follow one another by the full cell height, so accents above capitals and descenders below the
// line stay inside it and never run into the next line. Buttons, labels and the shadowed label all
// lay out their text here; what they draw is what this computes.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

namespace numerava {

struct TCaptionLine {
    QString Text;
    // Where the line's baseline starts.
    QPoint Origin;
    // The line's cell: as wide as its advance, as tall as the font's line.
    QRect Cell;
    bool operator==(const TCaptionLine&) const = default;
};

struct TCaptionLayout {
    QFont Font;
    std::vector<TCaptionLine> Lines;
    // A large caption in a synthetic bold face is emboldened by widening its glyphs this many pixels
    // across and this many down (0: drawn as Qt draws it).
    int BoldWidth = 0;
    int BoldHeight = 0;
    bool operator==(const TCaptionLayout&) const = default;

    // The cells of all lines together.
    QRect Cells() const;
    // Where the drawn glyphs' ink lies (accents, descenders and emboldening included), found by drawing
    // the lines with room around them: meant for checks and for sizing, not for every paint.
    QRect Ink() const;
};

// Breaks `text` into lines: "\r\n", "\r" and "\n" end a line; with `wordWrap` a line also breaks
// between words where the next word would pass `width` (a word wider than that stays whole).
std::vector<QString> CaptionLines(const QFont& font, const QString& text, int width, bool wordWrap);

// Lays the lines out in `bounds`: `alignment` holds one horizontal flag (left, centre, right; each line
// is aligned on its own) and one vertical flag (top, centre, bottom; the lines as one block). A
// centred block that is taller than the bounds starts (bounds height - block height) / 2 above them,
// divided with truncation toward zero.
TCaptionLayout LayOutCaption(const QFont& font, const QString& text, const QRect& bounds,
                             Qt::Alignment alignment, bool wordWrap = false);

// The size of the lines' cells: the widest line's advance by the number of lines times the font's
// line height (an empty text still takes one line).
QSize CaptionSize(const QFont& font, const QString& text, int width = 0, bool wordWrap = false);

// Draws the lines shifted by `offset` with the painter's pen. A bold face that Qt only emboldens when
// it draws cached glyphs (the fonts-wine Tahoma has no bold file) is emboldened here as well when Qt
// fills the glyphs as outlines (large text), so a large bold caption is bold too.
void DrawCaption(QPainter& painter, const TCaptionLayout& layout, QPoint offset = {});

} // namespace numerava
