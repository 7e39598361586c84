#include "controls/CaptionLayout.h"

#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace numerava {

namespace {

// Qt draws glyphs from its glyph cache below this pixel size and fills them as outlines from it on;
// its synthetic bold reaches only the cached glyphs.
constexpr int OutlineGlyphPixels = 64;

// How a large caption in a synthetic bold face is emboldened: its drawn glyphs are widened, upright
// stems from about a tenth of the em to the sixth of the em of a real bold face, horizontal strokes
// by a 24th of the em as Qt's synthetic bold does, so they stay lighter than the stems.
struct TOutlineBold {
    int Width = 0;
    int Height = 0;
};

TOutlineBold OutlineBold(const QFont& font) {
    const int pixels = font.pixelSize();
    if (pixels < OutlineGlyphPixels || font.weight() < QFont::DemiBold) return {};
    // A family with a bold style of its own is drawn bold by Qt, and a family the database does not
    // know is replaced by one that may have it. Asked of the database, not of a loaded face: loading
    // the large face here would cost the start its time.
    const QString family = font.family();
    const QStringList styles = QFontDatabase::styles(family);
    if (styles.isEmpty() || std::any_of(styles.begin(), styles.end(), [&family](const QString& style) {
            return QFontDatabase::weight(family, style) >= QFont::DemiBold;
        }))
        return {};
    return {static_cast<int>(std::lround(pixels * 0.075)),
            std::max(1, static_cast<int>(std::lround(pixels / 24.0)))};
}

// The glyphs' coverage, one byte a pixel, drawn as Qt draws them over `area` and then widened by a
// running maximum across and down (a dilation: far cheaper than stroking the outlines of large text,
// and a quarter of the memory of widening a colour image). The image has `ratio` device pixels to the
// logical pixel, so glyphs and widening are drawn at the device's resolution.
QImage EmboldenedCoverage(const TCaptionLayout& layout, const QRect& area, qreal ratio) {
    QImage coverage(area.size() * ratio, QImage::Format_Alpha8);
    coverage.fill(0);
    {
        QPainter painter(&coverage);
        painter.scale(ratio, ratio);
        painter.setFont(layout.Font);
        painter.setPen(Qt::black);
        for (const TCaptionLine& line : layout.Lines)
            painter.drawText(line.Origin - area.topLeft(), line.Text);
    }
    const int width = coverage.width(), height = coverage.height();
    const auto devicePixels = [ratio](int pixels) { return static_cast<int>(std::lround(pixels * ratio)); };
    // A pixel takes the largest coverage of the `length` + 1 pixels from `length - length / 2`
    // before it to `length / 2` after it: the glyph laid over itself at every shift of the widening.
    const auto window = [](int at, int length, int size) {
        return std::pair(std::max(0, at - (length - length / 2)), std::min(size - 1, at + length / 2));
    };
    QImage wider(coverage.size(), QImage::Format_Alpha8);
    const int across = devicePixels(layout.BoldWidth);
    for (int y = 0; y < height; ++y) {
        const uchar* in = coverage.constScanLine(y);
        uchar* out = wider.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const auto [from, to] = window(x, across, width);
            out[x] = *std::max_element(in + from, in + to + 1);
        }
    }
    const int down = devicePixels(layout.BoldHeight);
    for (int y = 0; y < height; ++y) {
        const auto [from, to] = window(y, down, height);
        uchar* out = coverage.scanLine(y);
        std::copy_n(wider.constScanLine(from), width, out);
        for (int row = from + 1; row <= to; ++row) {
            const uchar* in = wider.constScanLine(row);
            for (int x = 0; x < width; ++x) out[x] = std::max(out[x], in[x]);
        }
    }
    return coverage;
}

// How far a line's ink may reach past its advance: antialiasing spills a column to the right, Qt's
// synthetic bold widens every glyph by about a 24th of the em (mostly to the right), an outline
// emboldening by its stroke and smear. Lines are placed so that this room stays inside their bounds.
struct TSpill {
    int Lead = 0;
    int Trail = 0;
};

TSpill Spill(const QFont& font, const TOutlineBold& outline) {
    if (outline.Width > 0) return {outline.Width / 2 + 1, outline.Width - outline.Width / 2 + 1};
    if (font.weight() >= QFont::DemiBold) return {1, 1 + (font.pixelSize() + 23) / 24};
    return {0, 1};
}

// The room one line needs beside its advance: the font's spill, or more where its first or last
// letter reaches further out ("ť" and "í" overhang their advance to the right).
TSpill LineSpill(const QFontMetrics& metrics, const QString& line, TSpill spill) {
    if (line.isEmpty()) return spill;
    spill.Lead = std::max(spill.Lead, -metrics.leftBearing(line.front()));
    spill.Trail = std::max(spill.Trail, 1 - metrics.rightBearing(line.back()));
    return spill;
}

int HorizontalStart(const QRect& bounds, int width, Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight) return bounds.left() + bounds.width() - width;
    if (alignment & Qt::AlignHCenter) return bounds.left() + (bounds.width() - width) / 2;
    return bounds.left();
}

// The rows the lines' glyphs cover, relative to the first line's baseline, the lines `lineHeight`
// apart. Empty when no line has ink.
std::optional<std::pair<int, int>> InkRows(const QFont& font, const std::vector<QString>& lines,
                                           int lineHeight, const TOutlineBold& outline) {
    const QFontMetrics metrics(font);
    const int grow = outline.Height > 0 ? outline.Height - outline.Height / 2 + 1 : 0;
    std::optional<std::pair<int, int>> rows;
    for (size_t i = 0; i < lines.size(); ++i) {
        const QRect ink = metrics.tightBoundingRect(lines[i]);
        if (ink.isEmpty()) continue;
        const int shift = static_cast<int>(i) * lineHeight;
        const int top = ink.top() - grow + shift, bottom = ink.bottom() + grow + shift;
        rows = rows ? std::pair(std::min(rows->first, top), std::max(rows->second, bottom))
                    : std::pair(top, bottom);
    }
    return rows;
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
    // Drawn with room on every side that no accent, bearing or emboldening exceeds, and read back.
    const int margin = Font.pixelSize() / 4 + BoldWidth + BoldHeight + 8;
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
    layout.BoldWidth = bold.Width;
    layout.BoldHeight = bold.Height;
    const TSpill spill = Spill(font, bold);
    const TCellMetrics cell = CellMetrics(font);
    const QFontMetrics metrics(font);
    const std::vector<QString> lines =
        CaptionLines(font, text, bounds.width() - spill.Lead - spill.Trail, wordWrap);
    const int blockHeight = cell.Height() * static_cast<int>(lines.size());
    int top = bounds.top();
    if (alignment & Qt::AlignBottom) top = bounds.top() + bounds.height() - blockHeight;
    else if (alignment & Qt::AlignVCenter) top = bounds.top() + (bounds.height() - blockHeight) / 2;
    if (blockHeight > bounds.height()) {
        // A control lower than the lines' full height: the caption's own glyphs are centred in it
        // instead, which keeps them whole wherever they are not taller than the control.
        if (const auto rows = InkRows(font, lines, cell.Height(), bold)) {
            const int inkHeight = rows->second - rows->first + 1;
            top = bounds.top() + (bounds.height() - inkHeight) / 2 - rows->first - cell.Ascent;
        }
    }
    for (const QString& line : lines) {
        const int advance = metrics.horizontalAdvance(line);
        const TSpill room = LineSpill(metrics, line, spill);
        const int left = HorizontalStart(bounds, room.Lead + advance + room.Trail, alignment) + room.Lead;
        layout.Lines.push_back(
            {line, QPoint(left, top + cell.Ascent), QRect(left, top, advance, cell.Height())});
        top += cell.Height();
    }
    return layout;
}

QSize CaptionSize(const QFont& font, const QString& text, int width, bool wordWrap) {
    const QFontMetrics metrics(font);
    const TSpill spill = Spill(font, OutlineBold(font));
    int widest = 0;
    const std::vector<QString> lines = CaptionLines(font, text, width - spill.Lead - spill.Trail, wordWrap);
    for (const QString& line : lines) {
        const TSpill room = LineSpill(metrics, line, spill);
        widest = std::max(widest, room.Lead + metrics.horizontalAdvance(line) + room.Trail);
    }
    return {widest, CellMetrics(font).Height() * static_cast<int>(lines.size())};
}

void DrawCaption(QPainter& painter, const TCaptionLayout& layout, QPoint offset) {
    if (layout.BoldWidth == 0) {
        painter.setFont(layout.Font);
        for (const TCaptionLine& line : layout.Lines) painter.drawText(line.Origin + offset, line.Text);
        return;
    }
    // Room for the glyphs' ink around their cells and for the widening.
    const int margin = layout.Font.pixelSize() / 4 + layout.BoldWidth + layout.BoldHeight;
    const QRect area = layout.Cells().adjusted(-margin, -margin, margin, margin);
    // At the resolution of the device drawn on, so that the caption is as sharp as Qt's own text.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QImage coverage = EmboldenedCoverage(layout, area, ratio);
    // Coloured with the pen in strips, so that no colour image of the whole caption is ever held.
    const QColor ink = painter.pen().color();
    std::array<QRgb, 256> colour{};
    for (int alpha = 0; alpha < 256; ++alpha)
        colour[static_cast<size_t>(alpha)] =
            qPremultiply(qRgba(ink.red(), ink.green(), ink.blue(), alpha * ink.alpha() / 255));
    const int step = 32 * std::max(1, static_cast<int>(std::lround(ratio)));
    for (int top = 0; top < coverage.height(); top += step) {
        QImage strip(coverage.width(), std::min(step, coverage.height() - top),
                     QImage::Format_ARGB32_Premultiplied);
        for (int row = 0; row < strip.height(); ++row) {
            const uchar* in = coverage.constScanLine(top + row);
            auto* out = reinterpret_cast<QRgb*>(strip.scanLine(row));
            for (int x = 0; x < strip.width(); ++x) out[x] = colour[in[x]];
        }
        strip.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(area.left() + offset.x(), area.top() + offset.y() + top / ratio), strip);
    }
}

} // namespace numerava
