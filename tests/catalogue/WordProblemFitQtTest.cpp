// Every word problem of both shipped books, with the two widest names, fits the drill's question
// area (593 x 125, Tahoma bold 27 px, shadow 2, word wrap) without losing a line, and its unit and
// extra text leave room for a full answer in the row below. Measured with the renderer the drill
// uses.
#include "catalogue/WordProblemData.h"
#include "catalogue/WordProblemFile.h"
#include "catalogue/WordProblemLine.h"
#include "core/Format.h"
#include "equation/Markup.h"
#include "equation/NumeravaEquation.h"
#include "equation/QtMarkupCanvas.h"
#include "platform/Fonts.h"

#include <QCoreApplication>
#include <QtTest>

#include <algorithm>

namespace numerava {
namespace {

const QColor Background(191, 124, 0);
constexpr TColor Yellow{255, 255, 0};
const TFontState QuestionFont{"Tahoma", -27, Yellow, true};
const QSize QuestionArea(593, 125);
constexpr int Shadow = 2;
// The row below: a 21-pixel margin, the extra text, 5 pixels, the answer field, 5 pixels, the unit,
// all in Tahoma bold 35 px within the panel's 609 pixels.
const TFontState RowFont{"Tahoma", -35, Yellow, true};
constexpr int RowWidth = 609;
constexpr int RowFixed = 21 + 5 + 5;
// The widest answer the field takes: ten characters.
const std::string WidestAnswer = "-000000000";

int Width(const std::string& markup, const TFontState& font) {
    TQtMarkupCanvas canvas(nullptr);
    canvas.SetFont(font);
    return MeasureMarkup(canvas, markup).Width;
}

// Rows at and below `top` that hold anything but the background.
bool DrawsBelow(const QImage& image, int top) {
    for (int y = top; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != Background.rgb()) return true;
    return false;
}

// What is wrong with one question in the wrapped area, or an empty text.
QString QuestionFault(const std::string& question) {
    // Laid out in a taller area, nothing may reach below the drill's area.
    const QImage tall = RenderMarkupImage(question, QuestionFont, Background, Shadow,
                                          QSize(QuestionArea.width(), 2 * QuestionArea.height()));
    if (DrawsBelow(tall, QuestionArea.height())) return QStringLiteral("too long for the question area");
    std::vector<std::string> pieces;
    WrapPieces(ParseMarkup(question), pieces);
    TQtMarkupCanvas canvas(nullptr);
    canvas.SetFont(QuestionFont);
    for (const std::string& word : WrapWords(pieces))
        if (MeasureMarkup(canvas, word).Width > QuestionArea.width() - Shadow)
            return QStringLiteral("a word wider than the area");
    return {};
}

class WordProblemFitQtTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(RegisterFonts()); }
    void cleanupTestCase() { ClearWordProblemData(); }

    void everyProblemFits_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("Czech") << "numerava_cz.dat";
        QTest::newRow("Slovak") << "numerava_sk.dat";
    }

    void everyProblemFits() {
        QFETCH(QString, file);
        // The build copies Graphics beside the test program, as beside the program itself.
        const QString path = QCoreApplication::applicationDirPath() + "/Graphics/" + file;
        QCOMPARE(LoadWordProblemFile(path.toStdString()), WordProblemFileError::None);

        // The two widest names, in both orders.
        std::vector<std::string> names = NameList;
        QVERIFY(names.size() >= 2);
        std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
            return Width(a, QuestionFont) > Width(b, QuestionFont);
        });
        const std::vector<std::pair<std::string, std::string>> orders{{names[0], names[1]},
                                                                      {names[1], names[0]}};
        const int answerWidth = Width(WidestAnswer, RowFont) + Shadow + 1;

        QStringList faults;
        int checked = 0;
        for (size_t k = 1; k <= SectionCount; ++k) {
            for (const std::string& line : SectionLines[k]) {
                const auto parts = SplitProblemLine(line);
                QVERIFY(parts.has_value());
                QString fault;
                for (const auto& [first, second] : orders) {
                    fault = QuestionFault(Format(parts->Text, {first, second, "%"}));
                    if (!fault.isEmpty()) break;
                }
                const std::string prompt = parts->Prompt.value_or("");
                const int row = RowFixed + Width(prompt, RowFont) + answerWidth + Width(parts->Unit, RowFont);
                if (fault.isEmpty() && row > RowWidth) fault = QStringLiteral("unit and extra text too wide");
                if (!fault.isEmpty())
                    faults << QString::fromUtf8(line.c_str()) + QStringLiteral(": ") + fault;
                ++checked;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QVERIFY(checked >= 12 * 30);
    }
};

} // namespace
} // namespace numerava

QTEST_MAIN(numerava::WordProblemFitQtTest)
#include "WordProblemFitQtTest.moc"
