#include "exercises/ExercisePictures.h"

#include "equation/NumeravaEquation.h"

#include <QDir>
#include <QPainter>

#include <algorithm>

namespace numerava::tools {

namespace {

// The drill screen's exercise line: the panel, its left margin, the colours and fonts.
const QColor ExerciseBackground(191, 124, 0);
constexpr TColor Yellow{255, 255, 0};
constexpr int LinePanelWidth = 609;
constexpr int LinePanelHeight = 205;
constexpr int LineLeftMargin = 13;
constexpr int ShadowOffset = 2;
const TFontState LineFont{"Tahoma", -48, Yellow, false};
// The word-problem panel of area 5: the question's wrapped area and the answer row below it.
const TFontState ProblemFont{"Tahoma", -27, Yellow, true};
const TFontState ProblemRowFont{"Tahoma", -35, Yellow, true};
const QRect ProblemTextArea(8, 12, 593, 125);
const QRect ProblemRow(0, 132, 609, 61);
constexpr int ProblemRowMargin = 21;
constexpr int ProblemRowSpacer = 5;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QImage RenderExerciseLine(const TExercise& exercise) {
    const QImage question = RenderMarkupImage(exercise.Question, LineFont, ExerciseBackground, ShadowOffset);
    const QImage suffix = RenderMarkupImage(exercise.Suffix, LineFont, ExerciseBackground, ShadowOffset);
    // Each equation is one pixel wider than its picture; the empty answer field is its shadow
    // offset plus one wide.
    const int questionLeft = LineLeftMargin;
    const int suffixLeft = questionLeft + question.width() + 1 + ShadowOffset + 1;
    const int width = std::max(LinePanelWidth, suffixLeft + suffix.width() + 1);
    const int height = std::max({LinePanelHeight, question.height(), suffix.height()});

    QImage line(width, height, QImage::Format_RGB32);
    line.fill(ExerciseBackground);
    QPainter painter(&line);
    // Every control spans the line's height and shows its picture centred vertically.
    painter.drawImage(questionLeft, (height - question.height()) / 2, question);
    painter.drawImage(suffixLeft, (height - suffix.height()) / 2, suffix);
    return line;
}

QImage RenderWordProblem(const TExercise& exercise) {
    const QImage question = RenderMarkupImage(exercise.Question, ProblemFont, ExerciseBackground,
                                              ShadowOffset, ProblemTextArea.size());
    const QImage prompt =
        RenderMarkupImage(exercise.Prompt, ProblemRowFont, ExerciseBackground, ShadowOffset);
    const QImage suffix =
        RenderMarkupImage(exercise.Suffix, ProblemRowFont, ExerciseBackground, ShadowOffset);
    QImage panel(LinePanelWidth, LinePanelHeight, QImage::Format_RGB32);
    panel.fill(ExerciseBackground);
    QPainter painter(&panel);
    if (!question.isNull()) painter.drawImage(ProblemTextArea.topLeft(), question);
    // Side by side as in the line: each equation one pixel wider than its picture, the empty answer
    // field its shadow offset plus one wide, every picture centred in the row's height.
    const auto centred = [](const QImage& image) {
        return ProblemRow.top() + (ProblemRow.height() - image.height()) / 2;
    };
    const int promptLeft = ProblemRowMargin;
    const int promptWidth = prompt.isNull() ? 0 : prompt.width() + 1;
    const int suffixLeft = promptLeft + promptWidth + ProblemRowSpacer + ShadowOffset + 1 + ProblemRowSpacer;
    if (!prompt.isNull()) painter.drawImage(promptLeft, centred(prompt), prompt);
    if (!suffix.isNull()) painter.drawImage(suffixLeft, centred(suffix), suffix);
    return panel;
}

QImage RenderMarkupPicture(const std::string& markup, std::optional<ExerciseOptions::WrapSize> wrap) {
    if (wrap)
        return RenderMarkupImage(markup, ProblemFont, ExerciseBackground, ShadowOffset,
                                 QSize(wrap->Width, wrap->Height));
    return RenderMarkupImage(markup, LineFont, ExerciseBackground, ShadowOffset);
}

QString ExercisePictureName(const std::string& directory, long number) {
    return QDir(FromUtf8(directory)).filePath(QStringLiteral("%1.png").arg(number, 5, 10, QLatin1Char('0')));
}

std::string MakePictureDirectory(const std::string& directory) {
    if (QDir().mkpath(FromUtf8(directory))) return {};
    return "cannot create the directory '" + directory + "'";
}

std::string WritePicture(const QImage& image, const QString& file) {
    // An empty mark-up without a shadow has no pixels; a 1 x 1 picture of the background stands in.
    QImage picture = image;
    if (picture.isNull()) {
        picture = QImage(1, 1, QImage::Format_RGB32);
        picture.fill(ExerciseBackground);
    }
    if (picture.save(file, "PNG")) return {};
    return "cannot write '" + file.toStdString() + "'";
}

} // namespace numerava::tools
