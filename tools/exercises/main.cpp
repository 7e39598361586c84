// numerava-exercises: prints generated exercises as JSON lines, and draws them (see --help).

#include "exercises/ExercisePictures.h"
#include "exercises/ExerciseTool.h"
#include "platform/Process.h"
#include "worksheet/WorksheetPdf.h"

#include <QGuiApplication>

#include <filesystem>
#include <iostream>
#include <memory>

namespace {

// Drawing needs a QGuiApplication; without a display the offscreen platform serves.
std::unique_ptr<QGuiApplication> StartGui(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The folder of this program, where the build copies Graphics; empty when it cannot be found.
std::string ProgramDirectory(const char* argv0) {
    std::error_code error;
    std::filesystem::path program = numerava::ProgramFile();
    if (program.empty()) program = std::filesystem::absolute(argv0, error);
    return error ? std::string() : program.parent_path().string();
}

int Fail(const std::string& message) {
    std::cerr << "numerava-exercises: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    using namespace numerava::tools;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = ParseExerciseOptions(args);
    if (const auto* error = std::get_if<OptionError>(&parsed)) {
        std::cerr << "numerava-exercises: " << error->Message << '\n';
        return 2;
    }
    const auto& options = std::get<ExerciseOptions>(parsed);
    if (options.Help) {
        std::cout << ExerciseUsage();
        return 0;
    }

    if (options.Area == 5 && !options.Markup) {
        const std::string error = LoadWordProblems(WordProblemFilePath(options, ProgramDirectory(argv[0])));
        if (!error.empty()) {
            std::cerr << "numerava-exercises: " << error << '\n';
            return 2;
        }
    }

    std::unique_ptr<QGuiApplication> gui;
    if (options.Png || options.Pdf) gui = StartGui(argc, argv);

    if (options.Markup) {
        const std::string error = WritePicture(RenderMarkupPicture(*options.Markup, options.Wrap),
                                               QString::fromStdString(*options.Png));
        return error.empty() ? 0 : Fail(error);
    }

    std::vector<numerava::TExercise> sheetExercises;
    ExerciseObserver observeExercise;
    if (options.Png || options.Pdf) {
        if (options.Png) {
            if (const std::string error = MakePictureDirectory(*options.Png); !error.empty())
                return Fail(error);
        }
        observeExercise = [&](long number, const numerava::TExercise& exercise) {
            if (options.Pdf) sheetExercises.push_back(exercise);
            if (!options.Png) return std::string();
            const QImage picture =
                options.Area == 5 ? RenderWordProblem(exercise) : RenderExerciseLine(exercise);
            return WritePicture(picture, ExercisePictureName(*options.Png, number));
        };
    }
    std::ios::sync_with_stdio(false);
    const std::string error = WriteExercises(options, std::cout, observeExercise);
    std::cout.flush();
    if (!error.empty()) return Fail(error);
    if (options.Pdf) {
        const numerava::TSelection selection{options.Mode, options.Area, options.DifficultySet,
                                             options.OperationSet};
        const auto sheet = numerava::worksheet::MakeWorksheet(selection, sheetExercises);
        if (!numerava::worksheet::WriteWorksheetPdf(sheet, QString::fromStdString(*options.Pdf)).Written)
            return Fail("cannot write '" + *options.Pdf + "'");
    }
    return std::cout ? 0 : 1;
}
