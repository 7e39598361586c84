#include "worksheet/WorksheetPdf.h"

#include "core/Format.h"
#include "equation/Markup.h"
#include "equation/QtMarkupCanvas.h"
#include "platform/Fonts.h"
#include "worksheet/WorksheetLayout.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace numerava::worksheet {

namespace {

// Dots per inch of the PDF's page coordinates; every length below is converted to them.
constexpr int Resolution = 600;
constexpr double DotsPerMm = Resolution / 25.4;
constexpr double PointsPerInch = 72.0;

int Mm(double millimetres) { return static_cast<int>(std::lround(millimetres * DotsPerMm)); }

// The formulas are laid out by the mark-up's own rules in the drill's pixel sizes (its fraction
// bars, gaps and pen are made for fonts of that size) and scaled onto the page as a whole.
constexpr int FormulaFontHeight = -40;
constexpr double FormulaPoints = 14; // the formulas' type size on paper
constexpr double ProblemPoints = 12; // the word problems' text
constexpr int MarkupPenWidth = 3;
const TFontState FormulaFont{"Tahoma", FormulaFontHeight, ColorBlack, false};

double ScaleForPoints(double points) { return points / PointsPerInch * Resolution / -FormulaFontHeight; }

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Draws the mark-up through the QPainter canvas in black whatever colour the mark-up asks for (the
// blank's halo is blue on screen), and records how far down it drew, so that a word problem's
// wrapped height can be measured by laying it out.
class TPrintCanvas final : public TMarkupCanvas {
public:
    TPrintCanvas() : inner_(nullptr) {}
    void SetPainter(QPainter* painter) { inner_.SetPainter(painter); }
    void ResetBottom() { bottom_ = 0; }
    int Bottom() const { return bottom_; }

    TSize TextExtent(std::string_view text) override {
        Sync();
        return inner_.TextExtent(text);
    }
    void TextOut(int x, int y, std::string_view text) override {
        Sync();
        Grow(y + inner_.TextExtent(text).Height);
        inner_.TextOut(x, y, text);
    }
    void Line(TPoint from, TPoint to) override {
        Sync();
        Grow(std::max(from.Y, to.Y));
        inner_.Line(from, to);
    }
    void Polyline(std::span<const TPoint> points) override {
        Sync();
        for (const TPoint point : points) Grow(point.Y);
        inner_.Polyline(points);
    }
    void Arc(int left, int top, int right, int bottom, TPoint start, TPoint end) override {
        Sync();
        Grow(bottom);
        inner_.Arc(left, top, right, bottom, start, end);
    }
    void FilledEllipse(int left, int top, int right, int bottom) override {
        Sync();
        Grow(bottom);
        inner_.FilledEllipse(left, top, right, bottom);
    }

private:
    void Sync() {
        TFontState font = Font();
        font.Color = ColorBlack;
        inner_.SetFont(font);
        TPenState pen = Pen();
        pen.Color = ColorBlack;
        inner_.SetPen(pen);
    }
    void Grow(int y) { bottom_ = std::max(bottom_, y); }

    TQtMarkupCanvas inner_;
    int bottom_ = 0;
};

// The sheet's own texts in Tahoma like the formulas. The PDF writer embeds the one Tahoma face there
// is without drawing Qt's synthetic bold, so bold texts take DejaVu Sans Bold, a real bold face.
QFont TextFont(double points, bool bold = false, bool italic = false) {
    QFont font(bold ? QString::fromLatin1(FallbackFontFamily) : FontFamily("Tahoma"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// The sizes of everything on the sheet, in dots, and the drawing of its parts.
class TSheetPainter {
public:
    TSheetPainter(const TWorksheet& sheet, QPaintDevice& device)
        : sheet_(sheet), texts_(WorksheetTexts(sheet.Area)), device_(device) {
        frame_.Width = device.width();
        frame_.Height = device.height();
        frame_.Margin = Mm(15);
        frame_.ColumnGap = Mm(10);
        frame_.Footer = Mm(8);
        canvas_.SetFont(FormulaFont);
        canvas_.SetPen({MarkupPenWidth, ColorBlack});
        QFont formula(FontFamily(FormulaFont.Name));
        formula.setPixelSize(PixelSizeForHeight(formula, FormulaFont.Height));
        formulaCell_ = CellMetrics(formula);

        const int count = static_cast<int>(sheet.Exercises.size());
        numberWidth_ =
            static_cast<int>(std::ceil(Metrics(numberFont_).horizontalAdvance(NumberText(count)))) + Mm(2);
        // One box width for the whole sheet, so that its size tells nothing about an answer.
        double widestAnswer = 0;
        for (const TWorksheetExercise& exercise : sheet.Exercises)
            widestAnswer = std::max(widestAnswer, canvas_.TextExtent(exercise.Answer).Width * formulaScale_);
        boxWidth_ = std::clamp(static_cast<int>(widestAnswer) + Mm(8), Mm(22), Mm(60));

        frame_.FirstHeader = FirstHeader(nullptr);
        frame_.Header = RunningHeader(nullptr);
        frame_.KeyHeader = KeyHeader(nullptr);
        std::vector<TExerciseSize> sizes;
        sizes.reserve(sheet.Exercises.size());
        for (const TWorksheetExercise& exercise : sheet.Exercises) sizes.push_back(Measure(exercise));
        const QFontMetricsF key = Metrics(keyFont_);
        double widestKey = 0;
        for (const TWorksheetExercise& exercise : sheet.Exercises)
            widestKey = std::max(widestKey, key.horizontalAdvance(Text(exercise.Answer)));
        keyNumberWidth_ = static_cast<int>(std::ceil(key.horizontalAdvance(NumberText(count)))) + Mm(2);
        const int answerWidth = keyNumberWidth_ + static_cast<int>(std::ceil(widestKey));
        const int answerHeight = static_cast<int>(std::ceil(key.height() * 1.6));
        // Rows stand well apart, leaving room for working, where that costs no extra page.
        frame_.RowGap = Mm(12);
        layout_ = LayOutWorksheet(frame_, sizes, answerWidth, answerHeight);
        TPageFrame tight = frame_;
        tight.RowGap = Mm(7);
        TWorksheetLayout tightLayout = LayOutWorksheet(tight, sizes, answerWidth, answerHeight);
        if (tightLayout.PageCount < layout_.PageCount) {
            frame_ = tight;
            layout_ = std::move(tightLayout);
        }
    }

    int PageCount() const { return layout_.PageCount; }

    void Paint(QPainter& painter, QPdfWriter& writer) {
        for (int page = 0; page < layout_.PageCount; ++page) {
            if (page > 0) writer.newPage();
            if (page == 0) FirstHeader(&painter);
            else if (page < layout_.ExercisePages) RunningHeader(&painter);
            else KeyHeader(&painter);
            if (page < layout_.ExercisePages && layout_.ExercisePages > 1) Footer(painter, page);
            for (const TPlacement& place : layout_.Exercises)
                if (place.Page == page) PaintExercise(painter, place);
            for (const TPlacement& place : layout_.Answers)
                if (place.Page == page) PaintAnswer(painter, place);
        }
    }

private:
    // Sizes of one exercise and its parts.
    struct TExerciseParts {
        int CaptionHeight = 0;
        TSize Question, Suffix, Prompt; // in the mark-up's pixels
        int LineHeight = 0;             // the formula line with the box
        int LineWidth = 0;              // number, formula, box and suffix
    };

    QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }
    static QString NumberText(int number) { return QStringLiteral("%1)").arg(number); }

    // Height of a text wrapped into `width`; drawn at (x, y) when there is a painter.
    int WrappedText(QPainter* painter, const QFont& font, const QString& text, int x, int y,
                    int width) const {
        const QRectF box(x, y, width, INT_MAX / 4);
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const int height = static_cast<int>(std::ceil(Metrics(font).boundingRect(box, flags, text).height()));
        if (painter) {
            painter->setFont(font);
            painter->setPen(Qt::black);
            painter->drawText(QRectF(x, y, width, height + 1), flags, text);
        }
        return height;
    }

    void Rule(QPainter* painter, int y) const {
        if (!painter) return;
        painter->setPen(QPen(Qt::black, Mm(0.3)));
        painter->drawLine(frame_.Margin, y, frame_.Width - frame_.Margin, y);
    }

    // Title, topic, blanks for name, class and date, the instruction and a rule; returns its height.
    int FirstHeader(QPainter* painter) const {
        const int left = frame_.Margin;
        const int width = frame_.ContentWidth();
        int y = frame_.Margin;
        y += WrappedText(painter, headingFont_, Text(texts_.Heading), left, y, width) + Mm(1);
        y += WrappedText(painter, topicFont_, Text(sheet_.Topic), left, y, width) + Mm(5);

        // The blanks: a label and a line to write on, across the page's width in the shares 5:2:3.
        const QFontMetricsF metrics = Metrics(labelFont_);
        const int lineY = y + static_cast<int>(std::ceil(metrics.ascent()));
        int x = left;
        const std::pair<const std::string*, int> blanks[] = {
            {&texts_.Name, width * 5 / 10}, {&texts_.Class, width * 2 / 10}, {&texts_.Date, width * 3 / 10}};
        for (const auto& [label, share] : blanks) {
            const QString caption = Text(*label) + QLatin1Char(':');
            const int labelWidth = static_cast<int>(std::ceil(metrics.horizontalAdvance(caption))) + Mm(1.5);
            if (painter) {
                painter->setFont(labelFont_);
                painter->setPen(Qt::black);
                painter->drawText(QPointF(x, lineY), caption);
                painter->setPen(QPen(Qt::black, Mm(0.2)));
                painter->drawLine(x + labelWidth, lineY + Mm(0.8), x + share - Mm(5), lineY + Mm(0.8));
            }
            x += share;
        }
        y += static_cast<int>(std::ceil(metrics.height())) + Mm(5);
        y += WrappedText(painter, instructionFont_, Text(texts_.Instruction), left, y, width) + Mm(2);
        Rule(painter, y);
        return y + Mm(6) - frame_.Margin;
    }

    // Later exercise pages: the topic and a rule.
    int RunningHeader(QPainter* painter) const {
        int y = frame_.Margin;
        y += WrappedText(painter, runningFont_, Text(sheet_.Topic), frame_.Margin, y, frame_.ContentWidth()) +
             Mm(1.5);
        Rule(painter, y);
        return y + Mm(6) - frame_.Margin;
    }

    int KeyHeader(QPainter* painter) const {
        int y = frame_.Margin;
        const QString title = Text(texts_.AnswerKey) + QStringLiteral(" – ") + Text(sheet_.Topic);
        y += WrappedText(painter, keyTitleFont_, title, frame_.Margin, y, frame_.ContentWidth()) + Mm(1.5);
        Rule(painter, y);
        return y + Mm(5) - frame_.Margin;
    }

    void Footer(QPainter& painter, int page) const {
        const QString text = Text(Format(texts_.PagePattern, {page + 1, layout_.ExercisePages}));
        painter.setFont(footerFont_);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(frame_.Margin, frame_.Height - frame_.Margin - frame_.Footer / 2,
                                frame_.ContentWidth(), frame_.Footer),
                         Qt::AlignHCenter | Qt::AlignTop, text);
    }

    // The mark-up's pixels of a formula, in dots.
    int Scaled(int pixels, double scale) const { return static_cast<int>(std::ceil(pixels * scale)); }

    TExerciseParts Parts(const TWorksheetExercise& exercise) {
        TExerciseParts parts;
        if (!exercise.Caption.empty())
            parts.CaptionHeight = static_cast<int>(std::ceil(Metrics(captionFont_).height())) + Mm(1);
        parts.Question = MeasureMarkup(canvas_, exercise.Question);
        parts.Suffix = MeasureMarkup(canvas_, exercise.Suffix);
        parts.Prompt = MeasureMarkup(canvas_, exercise.Prompt);
        const int numberHeight = static_cast<int>(std::ceil(Metrics(numberFont_).height()));
        parts.LineHeight = std::max({Scaled(parts.Question.Height, formulaScale_),
                                     Scaled(parts.Suffix.Height, formulaScale_),
                                     Scaled(parts.Prompt.Height, formulaScale_), BoxHeight(), numberHeight});
        // A word problem's answer row holds the prompt instead of the question.
        const TSize before = sheet_.Area == 5 ? parts.Prompt : parts.Question;
        parts.LineWidth =
            numberWidth_ + (before.Width > 0 ? Scaled(before.Width, formulaScale_) + BoxGap() : 0) +
            boxWidth_ +
            (parts.Suffix.Width > 0 ? GapAfterBox() + Scaled(parts.Suffix.Width, formulaScale_) : 0);
        return parts;
    }

    static int BoxHeight() { return Mm(9); }
    static int BoxGap() { return Mm(2); }
    // A word problem's unit is plain text without the leading space the unit conversions write.
    int GapAfterBox() const { return sheet_.Area == 5 ? Mm(3) : BoxGap(); }
    static int ProblemRowGap() { return Mm(2); }

    // The pieces of a word problem's text and whether it wraps at all (a lone formula does not).
    static bool ProblemPieces(const std::string& question, std::vector<std::string>& pieces) {
        return WrapPieces(ParseMarkup(question), pieces);
    }

    // Height in dots of a word problem's text wrapped into `width` dots.
    int ProblemTextHeight(const std::string& question, int width) {
        std::vector<std::string> pieces;
        if (!ProblemPieces(question, pieces))
            return Scaled(MeasureMarkup(canvas_, question).Height, problemScale_);
        canvas_.ResetBottom();
        LayoutWrapped(canvas_, pieces, 0, 0, INT_MAX / 4, static_cast<int>(width / problemScale_));
        return Scaled(canvas_.Bottom(), problemScale_);
    }

    TExerciseSize Measure(const TWorksheetExercise& exercise) {
        const TExerciseParts parts = Parts(exercise);
        if (sheet_.Area == 5) {
            const int column = frame_.ColumnWidth() - numberWidth_;
            const int full = frame_.ContentWidth() - numberWidth_;
            const int row = ProblemRowGap() + parts.LineHeight;
            return {parts.LineWidth <= frame_.ColumnWidth(),
                    ProblemTextHeight(exercise.Question, column) + row,
                    ProblemTextHeight(exercise.Question, full) + row};
        }
        const int captionWidth =
            numberWidth_ +
            static_cast<int>(std::ceil(Metrics(captionFont_).horizontalAdvance(Text(exercise.Caption))));
        const int height = parts.CaptionHeight + parts.LineHeight;
        return {std::max(parts.LineWidth, captionWidth) <= frame_.ColumnWidth(), height, height,
                parts.CaptionHeight + parts.LineHeight / 2};
    }

    void PaintFormula(QPainter& painter, const std::string& text, int x, int y, double scale) {
        if (text.empty()) return;
        painter.save();
        painter.translate(x, y);
        painter.scale(scale, scale);
        canvas_.SetPainter(&painter);
        PaintMarkup(canvas_, text, 0, 0);
        canvas_.SetPainter(nullptr);
        painter.restore();
    }

    // The exercise's number, right-aligned before the formula, on the given baseline.
    void PaintNumber(QPainter& painter, int number, int x, double baseline) const {
        const QString text = NumberText(number);
        painter.setFont(numberFont_);
        painter.setPen(Qt::black);
        painter.drawText(
            QPointF(x + numberWidth_ - Mm(2) - Metrics(numberFont_).horizontalAdvance(text), baseline), text);
    }

    // The row with the box: `before` (question or prompt), the box and the suffix, each centred in
    // the line's height as the drill centres its controls.
    void PaintAnswerLine(QPainter& painter, const std::string& before, TSize beforeSize,
                         const std::string& suffix, TSize suffixSize, int x, int top, int height) {
        PaintFormula(painter, before, x, top + (height - Scaled(beforeSize.Height, formulaScale_)) / 2,
                     formulaScale_);
        if (beforeSize.Width > 0) x += Scaled(beforeSize.Width, formulaScale_) + BoxGap();
        painter.setPen(QPen(Qt::black, Mm(0.3)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(x, top + (height - BoxHeight()) / 2, boxWidth_, BoxHeight());
        x += boxWidth_ + GapAfterBox();
        PaintFormula(painter, suffix, x, top + (height - Scaled(suffixSize.Height, formulaScale_)) / 2,
                     formulaScale_);
    }

    void PaintExercise(QPainter& painter, const TPlacement& place) {
        const TWorksheetExercise& exercise = sheet_.Exercises[static_cast<size_t>(place.Index)];
        const TExerciseParts parts = Parts(exercise);
        const int x = place.X + numberWidth_;
        if (sheet_.Area == 5) {
            // On the baseline of the problem's first line.
            PaintNumber(painter, place.Index + 1, place.X, place.Y + formulaCell_.Ascent * problemScale_);
            const int width = place.Width - numberWidth_;
            const int textHeight = ProblemTextHeight(exercise.Question, width);
            std::vector<std::string> pieces;
            if (ProblemPieces(exercise.Question, pieces)) {
                painter.save();
                painter.translate(x, place.Y);
                painter.scale(problemScale_, problemScale_);
                canvas_.SetPainter(&painter);
                LayoutWrapped(canvas_, pieces, 0, 0, static_cast<int>(textHeight / problemScale_) + 1,
                              static_cast<int>(width / problemScale_));
                canvas_.SetPainter(nullptr);
                painter.restore();
            } else {
                PaintFormula(painter, exercise.Question, x, place.Y, problemScale_);
            }
            PaintAnswerLine(painter, exercise.Prompt, parts.Prompt, exercise.Suffix, parts.Suffix, x,
                            place.Y + textHeight + ProblemRowGap(), parts.LineHeight);
            return;
        }
        int top = place.Y;
        if (!exercise.Caption.empty()) {
            painter.setFont(captionFont_);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(x, top + Metrics(captionFont_).ascent()), Text(exercise.Caption));
            top += parts.CaptionHeight;
        }
        // On the baseline a line of plain text centred in the formula's line would have.
        PaintNumber(painter, place.Index + 1, place.X,
                    top + (parts.LineHeight - formulaCell_.Height() * formulaScale_) / 2 +
                        formulaCell_.Ascent * formulaScale_);
        PaintAnswerLine(painter, exercise.Question, parts.Question, exercise.Suffix, parts.Suffix, x, top,
                        parts.LineHeight);
    }

    void PaintAnswer(QPainter& painter, const TPlacement& place) const {
        const QRectF row(place.X, place.Y, place.Width, place.Height);
        painter.setFont(keyFont_);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(row.x(), row.y(), keyNumberWidth_ - Mm(2), row.height()),
                         Qt::AlignRight | Qt::AlignVCenter, NumberText(place.Index + 1));
        painter.drawText(
            QRectF(row.x() + keyNumberWidth_, row.y(), row.width() - keyNumberWidth_, row.height()),
            Qt::AlignLeft | Qt::AlignVCenter,
            Text(sheet_.Exercises[static_cast<size_t>(place.Index)].Answer));
    }

    const TWorksheet& sheet_;
    TWorksheetTexts texts_;
    QPaintDevice& device_;
    TPageFrame frame_;
    TWorksheetLayout layout_;
    TPrintCanvas canvas_;
    double formulaScale_ = ScaleForPoints(FormulaPoints);
    double problemScale_ = ScaleForPoints(ProblemPoints);
    TCellMetrics formulaCell_; // the line of plain text in the formulas' font, in the mark-up's pixels
    int numberWidth_ = 0;
    int keyNumberWidth_ = 0;
    int boxWidth_ = 0;
    QFont headingFont_ = TextFont(10);
    QFont topicFont_ = TextFont(16, true);
    QFont labelFont_ = TextFont(12);
    QFont instructionFont_ = TextFont(11, false, true);
    QFont runningFont_ = TextFont(10);
    QFont keyTitleFont_ = TextFont(14, true);
    QFont footerFont_ = TextFont(9);
    QFont numberFont_ = TextFont(13, true);
    QFont captionFont_ = TextFont(10, false, true);
    QFont keyFont_ = TextFont(12);
};

} // namespace

TWorksheetPdfResult WriteWorksheetPdf(const TWorksheet& sheet, const QString& file) {
    RegisterFonts();
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return {};
    QPdfWriter writer(&out);
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(Text(sheet.Topic));
    writer.setCreator(QStringLiteral("Numerava"));
    TSheetPainter sheetPainter(sheet, writer);
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    sheetPainter.Paint(painter, writer);
    if (!painter.end()) return {};
    if (!out.commit()) return {};
    return {true, sheetPainter.PageCount()};
}

} // namespace numerava::worksheet
