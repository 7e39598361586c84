#pragma once
// Pictures of exercises and mark-up for numerava-exercises --png. Drawing needs a QGuiApplication.

#include "equation/MarkupCanvas.h"
#include "exercises/ExerciseOptions.h"
#include "generator/UnitsGenerator.h"

#include <QImage>
#include <QString>

#include <optional>
#include <string>

namespace numerava::tools {

// The drill's exercise line (areas 1-4 and 6): the question, the empty answer field and the suffix
// side by side after the left margin, in Tahoma 48 px yellow with a shadow of 2 on the exercise
// background, in a picture of the line's panel size (larger if the formula needs it).
QImage RenderExerciseLine(const TExercise& exercise);

// The drill's word-problem panel (area 5): the question word-wrapped in its area at the top, and the
// row below it with the extra text, the empty answer field and the unit.
QImage RenderWordProblem(const TExercise& exercise);

// A mark-up text on one line in the exercise line's font, or word-wrapped into `wrap` in the font of
// the word-problem text.
QImage RenderMarkupPicture(const std::string& markup, std::optional<ExerciseOptions::WrapSize> wrap);

// DIR/00001.png for number 1.
QString ExercisePictureName(const std::string& directory, long number);

// Each returns an error message for the user (one line), or an empty string when all went well.
std::string MakePictureDirectory(const std::string& directory);
std::string WritePicture(const QImage& image, const QString& file);

} // namespace numerava::tools
