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
// The word-problem text of area 5.
const TFontState ProblemFont{"Tahoma", -27, Yellow, true};

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
