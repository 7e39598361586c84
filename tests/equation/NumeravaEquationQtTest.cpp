// Pixels of rendered formulas: each part lands where the layout puts it, the shadow is the face
// shifted, the background fills the rest. Then the control's rendering and sizing rules, and the
// QPainter canvas's font and arc conventions.
#include "equation/Markup.h"
#include "equation/NumeravaEquation.h"
#include "equation/QtMarkupCanvas.h"

#include <QPainter>
#include <QtTest>

#include <functional>

namespace numerava {
namespace {

const QColor Background(191, 124, 0);
constexpr TColor Yellow{255, 255, 0};
const TFontState FormulaFont{"Tahoma", -48, Yellow, false};

bool IsFace(QRgb pixel) { return pixel == qRgb(255, 255, 0); }
bool IsBackground(QRgb pixel) { return pixel == Background.rgb(); }
bool IsBlack(QRgb pixel) { return pixel == qRgb(0, 0, 0); }
bool IsBlue(QRgb pixel) { return pixel == qRgb(0, 0, 255); }
// The face, its black shadow, or an antialiased edge of the face over the shadow.
bool IsFaceOverShadow(QRgb pixel) { return qBlue(pixel) == 0 && qRed(pixel) == qGreen(pixel); }

QImage Render(const std::string& text, int shadowOffset = 0) {
    return RenderMarkupImage(text, FormulaFont, Background, shadowOffset);
}

TSize Measure(const std::string& text, int fontHeight = FormulaFont.Height) {
    TQtMarkupCanvas canvas(nullptr);
    canvas.SetFont(FormulaFont);
    canvas.SetFontHeight(fontHeight);
    return MeasureMarkup(canvas, text);
}

// Pixels of `image` in `area` that satisfy `test`.
int Count(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x) count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

QRect Row(const QImage& image, int y) { return {0, y, image.width(), 1}; }

// The part of `image` at `topLeft` is exactly `part` (drawn there on its own).
bool Contains(const QImage& image, QPoint topLeft, const QImage& part) {
    return image.copy(QRect(topLeft, part.size())) == part;
}

class TCountingEquation : public TNumeravaEquation {
public:
    int Renders = 0;

protected:
    void RenderBitmap(const std::string& text, QImage& bitmap) override {
        ++Renders;
        TNumeravaEquation::RenderBitmap(text, bitmap);
    }
};

} // namespace

class NumeravaEquationQtTest : public QObject {
    Q_OBJECT

private slots:
    void fractionBarNumeratorAndDenominator() {
        const TSize numerator = Measure("1");
        const TSize denominator = Measure("22");
        const QImage image = Render("/<1><22>");
        const int w = std::max(numerator.Width, denominator.Width) + 10;
        QCOMPARE(image.size(), QSize(w, numerator.Height + denominator.Height + 10));

        // The 3-pixel bar is centred on row hn + 5 and spans the whole width (its round ends leave
        // the outer corners partly uncovered); the rows beside it are empty.
        const int bar = numerator.Height + 5;
        QCOMPARE(Count(image, Row(image, bar), IsFace), w);
        for (int y : {bar - 1, bar + 1}) QCOMPARE(Count(image, QRect(1, y, w - 1, 1), IsFace), w - 1);
        QCOMPARE(Count(image, Row(image, bar - 2), IsBackground), w);
        QCOMPARE(Count(image, Row(image, bar + 2), IsBackground), w);

        // Numerator and denominator are centred above and below it.
        QVERIFY(Contains(image, {(w - numerator.Width) / 2, 0}, Render("1")));
        QVERIFY(Contains(image, {(w - denominator.Width) / 2, numerator.Height + 10}, Render("22")));
        QVERIFY(IsBackground(image.pixel(0, 0)));
    }

    void rootSign() {
        const TSize index = Measure(" ", FormulaFont.Height / 2);
        const TSize radicand = Measure("4");
        const QImage image = Render("#<4>");
        const int w = index.Width + radicand.Width + 8;
        QCOMPARE(image.size(), QSize(w, radicand.Height + 3));
        // Top bar along row 0 from the sign's top corner to the right edge.
        QCOMPARE(Count(image, QRect(index.Width + 6, 0, w - index.Width - 6, 2), IsFace),
                 2 * (w - index.Width - 6));
        // The tick under the (blank) index, and the radicand below the bar.
        QVERIFY(IsFace(image.pixel(1, index.Height)));
        QVERIFY(IsBackground(image.pixel(1, index.Height - 3)));
        QVERIFY(Contains(image, {index.Width + 8, 3}, Render("4")));
        // One group means a blank index: the same picture.
        QCOMPARE(Render("#<4>< >"), image);
    }

    void productDotBetweenBottomAlignedOperands() {
        const TSize left = Measure("2");
        const QImage image = Render("*<2><3>");
        const int middle = image.height() / 2;
        QVERIFY(IsFace(image.pixel(left.Width + 12, middle)));
        QVERIFY(IsBackground(image.pixel(left.Width + 5, middle)));
        QVERIFY(IsBackground(image.pixel(left.Width + 19, middle)));
        QVERIFY(Contains(image, {0, image.height() - left.Height}, Render("2")));
        QVERIFY(Contains(image, {left.Width + 24, image.height() - Measure("3").Height}, Render("3")));

        // A bare "*" is the dot alone in a 24 x 24 box.
        const QImage dot = Render("*");
        QCOMPARE(dot.size(), QSize(24, 24));
        QVERIFY(IsFace(dot.pixel(12, 12)));
        QVERIFY(IsBackground(dot.pixel(2, 2)));
    }

    void parenthesesAreTheOuterHalves() {
        // A blank inside, so that only the arcs have ink.
        const QImage blank = Render(";< >");
        const int w = blank.width();
        const int middle = blank.height() / 2;
        QVERIFY(IsFace(blank.pixel(2, middle)));
        QVERIFY(IsBackground(blank.pixel(9, middle)));
        QVERIFY(IsFace(blank.pixel(w - 3, middle)));
        QVERIFY(IsBackground(blank.pixel(w - 10, middle)));
        QVERIFY(Count(blank, QRect(10, 0, w - 20, blank.height()), IsFace) == 0);
    }

    void blankHasABlueHalo() {
        const QImage image = Render("Ö");
        QVERIFY(Count(image, image.rect(), IsBlue) > 20);
        QVERIFY(Count(image, image.rect(), IsFace) > 20);
        // The shadow pass draws a black centre inside a blue halo too.
        const QImage shadowed = Render("Ö", 4);
        QVERIFY(Count(shadowed, shadowed.rect(), IsBlack) > 0);
    }

    void shadowIsTheFaceShiftedInBlack() {
        const std::string text = "/<1><2> h";
        const QImage plain = Render(text, 0);
        // With offset 0 the shadow lies under the face: nothing black shows.
        QCOMPARE(Count(plain, plain.rect(), IsBlack), 0);

        const int offset = 3;
        const QImage shadowed = Render(text, offset);
        QCOMPARE(shadowed.size(), plain.size() + QSize(offset, offset));
        int faces = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (!IsFace(plain.pixel(x, y))) continue;
                ++faces;
                QVERIFY2(IsFace(shadowed.pixel(x, y)), "the face stays in place");
                const QRgb shifted = shadowed.pixel(x + offset, y + offset);
                QVERIFY2(IsFaceOverShadow(shifted), "the shadow copies the face");
            }
        }
        QVERIFY(faces > 100);
        QVERIFY(Count(shadowed, shadowed.rect(), IsBlack) > 100);
        // The corner no formula reaches keeps the background.
        QVERIFY(IsBackground(shadowed.pixel(0, shadowed.height() - 1)));
    }

    void wordWrapFillsTheGivenSize() {
        const std::string text = "jedna dva tri čtyři pět šest sedm osm devět deset";
        const int offset = 2;
        const QImage wrapped = RenderMarkupImage(text, FormulaFont, Background, offset, QSize(300, 200));
        QCOMPARE(wrapped.size(), QSize(300, 200));
        const int lineHeight = Measure("jedna").Height;
        // Two full lines at least; the first is justified to the width bound (300 - offset), so
        // its last word ends near it.
        int rightmost = 0;
        for (int x = 0; x < 300; ++x)
            if (Count(wrapped, QRect(x, 0, 1, lineHeight), IsFace) > 0) rightmost = x;
        QVERIFY2(rightmost > 300 - offset - 15 && rightmost < 300 - offset,
                 qPrintable(QString::number(rightmost)));
        QVERIFY(Count(wrapped, QRect(0, lineHeight, 300, lineHeight), IsFace) > 0);
        // A single item that is not a row ignores the wrap size.
        const QImage fraction =
            RenderMarkupImage("/<1><2>", FormulaFont, Background, offset, QSize(300, 200));
        QCOMPARE(fraction.size(), Render("/<1><2>", offset).size());
    }

    void settersDirtyOnlyOnChange_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("same");
        QTest::addColumn<QVariant>("other");
        QTest::newRow("Text") << "Text" << QVariant(QStringLiteral("/<1><2>"))
                              << QVariant(QStringLiteral("/<1><3>"));
        QTest::newRow("ShadowOffset") << "ShadowOffset" << QVariant(2) << QVariant(3);
        QTest::newRow("WordWrap") << "WordWrap" << QVariant(false) << QVariant(true);
        QTest::newRow("Color") << "Color" << QVariant(Background) << QVariant(QColor(Qt::red));
    }

    void settersDirtyOnlyOnChange() {
        QFETCH(QString, property);
        QFETCH(QVariant, same);
        QFETCH(QVariant, other);
        TCountingEquation equation;
        equation.SetText("/<1><2>");
        equation.SetShadowOffset(2);
        equation.SetColor(Background);
        equation.resize(200, 150);
        equation.show();
        QVERIFY(QTest::qWaitForWindowExposed(&equation));
        equation.repaint();
        QVERIFY(!equation.Dirty());
        const int renders = equation.Renders;

        QVERIFY(equation.setProperty(property.toLatin1(), same));
        QVERIFY(!equation.Dirty());
        equation.repaint();
        QCOMPARE(equation.Renders, renders);

        QVERIFY(equation.setProperty(property.toLatin1(), other));
        QVERIFY(equation.Dirty());
        QCOMPARE(equation.property(property.toLatin1()), other);
        equation.repaint();
        QVERIFY(!equation.Dirty());
        QCOMPARE(equation.Renders, renders + 1);
    }

    void settingTheFontAlwaysRendersAgain() {
        TNumeravaEquation equation;
        equation.SetFont(FormulaFont);
        equation.show();
        QVERIFY(QTest::qWaitForWindowExposed(&equation));
        equation.repaint();
        QVERIFY(!equation.Dirty());
        equation.SetFont(FormulaFont);
        QVERIFY(equation.Dirty());
    }

    void paintShowsTheRenderedFormulaCentredVertically() {
        TNumeravaEquation equation;
        equation.SetFont(FormulaFont);
        equation.SetShadowOffset(2);
        equation.SetColor(Background);
        equation.SetText("/<1><2> h");
        equation.resize(50, 201);
        equation.show();
        QVERIFY(QTest::qWaitForWindowExposed(&equation));
        equation.repaint();

        const QImage expected = Render("/<1><2> h", 2);
        QCOMPARE(equation.Bitmap(), expected);
        // Without word wrap the control takes the formula's width plus one pixel.
        QCOMPARE(equation.size(), QSize(expected.width() + 1, 201));
        const QImage shown = equation.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(Contains(shown, {0, (201 - expected.height()) / 2}, expected));
        QVERIFY(IsBackground(shown.pixel(expected.width(), 0)));

        equation.SetText("/<1><2> hodiny");
        equation.repaint();
        QCOMPARE(equation.width(), Render("/<1><2> hodiny", 2).width() + 1);
    }

    void wordWrapKeepsTheControlsSize() {
        TNumeravaEquation equation;
        equation.SetFont(FormulaFont);
        equation.SetWordWrap(true);
        equation.SetText("a b c");
        equation.resize(400, 120);
        equation.show();
        QVERIFY(QTest::qWaitForWindowExposed(&equation));
        equation.repaint();
        QCOMPARE(equation.size(), QSize(400, 120));
        QCOMPARE(equation.Bitmap().size(), QSize(400, 120));
    }

    void canvasFontHeights_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("character height 48") << -48 << 48;
        QTest::newRow("character height 20") << -20 << 20;
        QTest::newRow("half of 48") << -24 << 24;
    }

    void canvasFontHeights() {
        QFETCH(int, height);
        QFETCH(int, pixelSize);
        TQtMarkupCanvas canvas(nullptr);
        canvas.SetFontHeight(height);
        QCOMPARE(canvas.CurrentQFont().pixelSize(), pixelSize);
        QCOMPARE(canvas.TextExtent("Wg").Height, canvas.CurrentCell().Height());
    }

    void canvasCellHeightAndPointSizes() {
        TQtMarkupCanvas canvas(nullptr);
        // A positive height is the Windows cell, which is taller than the em; the line holds the
        // face's accents too, which reach a pixel or two above that cell.
        canvas.SetFontHeight(60);
        const int line = canvas.TextExtent("x").Height;
        QVERIFY2(line >= 60 && line <= 63, qPrintable(QString::number(line)));
        QVERIFY(canvas.CurrentQFont().pixelSize() < 56);
        // Raising 48 px (36 pt) by 3 points, as the blank does, gives 52 px.
        canvas.SetFontHeight(-48);
        canvas.SetFontSize(canvas.FontSize() + 3);
        QCOMPARE(canvas.CurrentQFont().pixelSize(), 52);
        canvas.SetFontHeight(0);
        QVERIFY(canvas.CurrentQFont().pixelSize() > 0);
        canvas.SetFont({"Tahoma", -30, Yellow, true});
        QCOMPARE(canvas.CurrentQFont().weight(), QFont::Bold);
    }

    void accentsAboveCapitalsFitInTheLine() {
        // The same letters drawn with room to spare have as much ink as in the formula's picture.
        const std::string text = "ŘŽŠ Ö";
        const QImage formula = Render(text);
        QImage roomy(formula.width() + 40, formula.height() + 80, QImage::Format_RGB32);
        roomy.fill(Background);
        {
            QPainter painter(&roomy);
            painter.setRenderHint(QPainter::Antialiasing);
            TQtMarkupCanvas canvas(&painter);
            canvas.SetFont(FormulaFont);
            canvas.SetPen({3, ColorBlack});
            PaintMarkup(canvas, text, 20, 40);
        }
        const auto ink = [](QRgb p) { return !IsBackground(p); };
        QCOMPARE(Count(formula, formula.rect(), ink), Count(roomy, roomy.rect(), ink));
    }

    void textOutTopLeftIsTheLinesCorner() {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Background);
        QPainter painter(&image);
        TQtMarkupCanvas canvas(&painter);
        canvas.SetFont({"Tahoma", -48, Yellow, false});
        canvas.TextOut(10, 20, "x");
        const int ascent = canvas.CurrentCell().Ascent;
        painter.end();
        // "x" sits on the baseline: its lowest ink is the row just above y + ascent.
        int lowest = -1;
        for (int y = 0; y < image.height(); ++y)
            if (Count(image, Row(image, y), [](QRgb p) { return !IsBackground(p); }) > 0) lowest = y;
        QVERIFY2(qAbs(lowest - (20 + ascent - 1)) <= 1, qPrintable(QString::number(lowest)));
    }

    void arcRunsCounterClockwise_data() {
        QTest::addColumn<bool>("fromTop");
        QTest::addColumn<bool>("leftInk");
        QTest::newRow("top to bottom: left half") << true << true;
        QTest::newRow("bottom to top: right half") << false << false;
    }

    void arcRunsCounterClockwise() {
        QFETCH(bool, fromTop);
        QFETCH(bool, leftInk);
        QImage image(40, 60, QImage::Format_RGB32);
        image.fill(Background);
        QPainter painter(&image);
        TQtMarkupCanvas canvas(&painter);
        const TPoint top{20, 5}, bottom{20, 55};
        canvas.Arc(5, 5, 35, 55, fromTop ? top : bottom, fromTop ? bottom : top);
        painter.end();
        const auto ink = [](QRgb p) { return !IsBackground(p); };
        const int left = Count(image, QRect(0, 0, 18, 60), ink);
        const int right = Count(image, QRect(22, 0, 18, 60), ink);
        QVERIFY(leftInk ? left > 20 && right == 0 : right > 20 && left == 0);
    }
};

} // namespace numerava

QTEST_MAIN(numerava::NumeravaEquationQtTest)
#include "NumeravaEquationQtTest.moc"
