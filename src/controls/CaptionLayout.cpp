#include "controls/CaptionLayout.h"

#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace numerava {

namespace {

// Qt draws glyphs from its glyph cache below this pixel size and fills them as outlines from it on;
// its synthetic bold reaches only the cached glyphs.
constexpr int OutlineGlyphPixels = 64;

// How a large caption in a synthetic bold face is emboldened: the outline is stroked (every stroke
// grows by `Stroke`) and smeared to the right (upright stems grow by `Smear` more), which brings the
// regular stems of about a tenth of the em to the sixth of the em of a real bold face, and keeps
// horizontal strokes lighter than upright ones, as a bold face does.
struct TOutlineBold {
    int Stroke = 0;
    int Smear = 0;
};

TOutlineBold OutlineBold(const QFont& font) {
    const int pixels = font.pixelSize();
    if (pixels < OutlineGlyphPixels || font.weight() < QFont::DemiBold) return {};
    // A face with a bold style of its own is bold already.
    const QFontInfo info(font);
    if (QFontDatabase::bold(info.family(), info.styleName())) return {};
    const int stroke = std::max(1, static_cast<int>(std::lround(pixels / 24.0)));
    const int smear = std::max(0, static_cast<int>(std::lround(pixels * 0.075)) - stroke);
    return {stroke, smear};
}

// The large bold text as one path: the glyph outlines, smeared copies included.
QPainterPath OutlinePath(const TCaptionLayout& layout, QPoint offset) {
    QPainterPath glyphs;
    for (const TCaptionLine& line : layout.Lines)
        glyphs.addText(QPointF(line.Origin + offset), layout.Font, line.Text);
    QPainterPath path = glyphs;
    path.setFillRule(Qt::WindingFill);
    for (int dx = 1; dx <= layout.OutlineSmear; ++dx) path.addPath(glyphs.translated(dx, 0));
    return path;
}

int HorizontalStart(const QRect& bounds, int width, Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight) return bounds.left() + bounds.width() - width;
    if (alignment & Qt::AlignHCenter) return bounds.left() + (bounds.width() - width) / 2;
    return bounds.left();
}

} // namespace

QRect TCaptionLayout::Cells() const {
    QRect cells;
    for (const TCaptionLine& line : Lines) cells |= line.Cell;
    return cells;
}

QRect TCaptionLayout::Ink() const {
    const QRect cells = Cells();
    if (cells.isEmpty()) return {};
    // Drawn with a font's size of room on every side, which no accent or emboldening exceeds, and
    // read back.
    const int margin = std::max(Font.pixelSize(), 8);
    const QRect canvas = cells.adjusted(-margin, -margin, margin, margin);
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        DrawCaption(painter, *this, -canvas.topLeft());
    }
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom)).translated(canvas.topLeft());
}

std::vector<QString> CaptionLines(const QFont& font, const QString& text, int width, bool wordWrap) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    std::vector<QString> lines;
    const QFontMetrics metrics(font);
    for (const QString& paragraph : text.split(lineBreak)) {
        if (!wordWrap || metrics.horizontalAdvance(paragraph) <= width) {
            lines.push_back(paragraph);
            continue;
        }
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = longer;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

TCaptionLayout LayOutCaption(const QFont& font, const QString& text, const QRect& bounds,
                             Qt::Alignment alignment, bool wordWrap) {
    TCaptionLayout layout;
    layout.Font = font;
    const TOutlineBold bold = OutlineBold(font);
    layout.OutlineStroke = bold.Stroke;
    layout.OutlineSmear = bold.Smear;
    const TCellMetrics cell = CellMetrics(font);
    const QFontMetrics metrics(font);
    const std::vector<QString> lines = CaptionLines(font, text, bounds.width(), wordWrap);
    const int blockHeight = cell.Height() * static_cast<int>(lines.size());
    int top = bounds.top();
    if (alignment & Qt::AlignBottom) top = bounds.top() + bounds.height() - blockHeight;
    else if (alignment & Qt::AlignVCenter) top = bounds.top() + (bounds.height() - blockHeight) / 2;
    for (const QString& line : lines) {
        const int advance = metrics.horizontalAdvance(line);
        const int left = HorizontalStart(bounds, advance, alignment);
        layout.Lines.push_back(
            {line, QPoint(left, top + cell.Ascent), QRect(left, top, advance, cell.Height())});
        top += cell.Height();
    }
    return layout;
}

QSize CaptionSize(const QFont& font, const QString& text, int width, bool wordWrap) {
    const QFontMetrics metrics(font);
    int widest = 0;
    const std::vector<QString> lines = CaptionLines(font, text, width, wordWrap);
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    return {widest, CellMetrics(font).Height() * static_cast<int>(lines.size())};
}

void DrawCaption(QPainter& painter, const TCaptionLayout& layout, QPoint offset) {
    if (layout.OutlineStroke == 0) {
        painter.setFont(layout.Font);
        for (const TCaptionLine& line : layout.Lines) painter.drawText(line.Origin + offset, line.Text);
        return;
    }
    const QPainterPath path = OutlinePath(layout, offset);
    const QColor ink = painter.pen().color();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, ink);
    painter.strokePath(path, QPen(ink, layout.OutlineStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.restore();
}

} // namespace numerava
