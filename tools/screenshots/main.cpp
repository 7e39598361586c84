// numerava-screenshots OUTPUT_DIR: walks through the program's main screens as a pupil would (clicks
// and typed answers) on the offscreen platform at 1280 x 1024 and saves each screen as a PNG, in
// Czech and in Slovak. The tick clock and the random generator are fixed, so every run draws the same
// pictures but for the wall-clock time on the final contest screen. Graphics must lie beside this
// program (the build copies it there).

#include "core/FixedNumber.h"
#include "core/Language.h"
#include "platform/Desktop.h"
#include "platform/Fonts.h"
#include "screens/FrameInfo.h"
#include "screens/FramesBikeInfo.h"
#include "screens/FramesBikeResult.h"
#include "screens/FramesEndBike.h"
#include "screens/FramesEndEngine.h"
#include "screens/FramesEngine.h"
#include "screens/FramesResults.h"
#include "screens/FramesSettings.h"
#include "screens/FramesWelcome.h"
#include "shell/FormsMain.h"

#include "controls/NumeravaButton.h"
#include "controls/NumeravaCheck.h"
#include "controls/NumeravaEdit.h"
#include "controls/NumeravaRadio.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace numerava {

namespace {

uint32_t Now = 500000;

// A modal dialog would stop the walk: any that opens is answered with Enter at once.
class TDialogCloser : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = event->type() == QEvent::Show ? qobject_cast<QDialog*>(watched) : nullptr;
        if (dialog != nullptr && dialog->isWindow()) {
            std::fprintf(stderr, "numerava-screenshots: closing a dialog: %s\n",
                         qPrintable(dialog->windowTitle()));
            QMetaObject::invokeMethod(
                dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Return); }, Qt::QueuedConnection);
        }
        return false;
    }
};

void Settle() {
    for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
}

// Fires a running timer once now, as its timeout would.
void Fire(QTimer& timer) {
    if (!timer.isActive()) return;
    if (timer.isSingleShot()) timer.stop();
    QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
}

template <typename Frame>
Frame& Current(TfrmMain& main, const char* what) {
    Settle();
    auto* frame = qobject_cast<Frame*>(main.CurrentFrame());
    if (frame == nullptr) throw std::runtime_error(std::string("did not reach ") + what);
    return *frame;
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

class TWalk {
public:
    TWalk(const QDir& output, uint16_t language) : output_(output), language_(language) {}

    void Run() {
        TfrmMain main([](TfrmMain& owner) -> TFrame* { return new TfrmWelcome(owner); });
        Language = language_; // the window chose the system's language
        main.Start();
        Settle();
        auto& welcome = Current<TfrmWelcome>(main, "the welcome screen");
        Save(main, "welcome");

        Click(welcome.btnInfo());
        auto& info = Current<TfrmInfo>(main, "the information screen");
        Fire(info.Timer2);
        Save(main, "information");
        Click(info.nvbtnExit());

        Practice(main);
        Contest(main);
    }

private:
    // Topic selection, a drill answered to its end, the summary and the results overview.
    void Practice(TfrmMain& main) {
        const bool czech = language_ == LanguageCzech;
        // Algebra in Czech, the word problems (text wrapped in the question area) in Slovak.
        const int area = czech ? 6 : 5;
        Click(Current<TfrmWelcome>(main, "the welcome screen").AreaButton(area));
        auto& topics = Current<TfrmSettings>(main, "the topic selection");
        Fire(topics.Timer1);
        const int first = czech ? 1 : 2;
        for (const int item : {first, first + 1}) Click(topics.nvrdbDiff(item));
        Click(topics.nvchk(1));
        Settle();
        Save(main, "topics");

        Click(topics.nvbtnOK());
        auto& engine = Current<TfrmEngine>(main, "the drill");
        Fire(engine.Timer1);
        // The first exercise of an algebra run carries the answer hint: the picture shows the second.
        AnswerOnce(engine);
        // A few ticks of the countdown, so that its bar has started to fall.
        for (int i = 0; i < 12; ++i) {
            Now += 230;
            engine.tmrEngineTimer();
        }
        Settle();
        Save(main, "drill");
        AnswerUntilTheScreenChanges(main, engine);
        auto& summary = Current<TfrmEndEngine>(main, "the practice summary");
        Fire(summary.Timer1);
        Settle();
        Save(main, "summary");
        Click(summary.NumeravaButton1());

        Click(Current<TfrmWelcome>(main, "the welcome screen").btnResults());
        auto& results = Current<TfrmResults>(main, "the results overview");
        Fire(results.Timer1);
        Settle();
        Save(main, "results");
        Click(results.nvbtnExit());
    }

    // The contest's introduction and the purchase of the first bicycle part.
    void Contest(TfrmMain& main) {
        Click(Current<TfrmWelcome>(main, "the welcome screen").AreaButton(2));
        auto& topics = Current<TfrmSettings>(main, "the topic selection");
        Fire(topics.Timer1);
        Click(topics.ModeRadio(4));
        Click(topics.btnSelectAll());
        Click(topics.nvbtnOK());
        auto& info = Current<TfrmBikeInfo>(main, "the contest introduction");
        Fire(info.Timer1);
        Settle();
        Save(main, "contest");
        Click(info.NumeravaButton2());
        auto& drill = Current<TfrmEngine>(main, "the contest drill");
        Fire(drill.Timer1);
        AnswerOnce(drill);
        Save(main, "contest-drill");
        AnswerUntilTheScreenChanges(main, drill);
        auto& purchase = Current<TfrmBikeResult>(main, "the bicycle part");
        Fire(purchase.Timer1);
        Settle();
        Save(main, "contest-part");
        // The remaining fifteen parts, bought as soon as they are shown, to the final screen.
        for (int part = 2; part <= 16; ++part) {
            if (part > 2) Fire(Current<TfrmBikeResult>(main, "the bicycle part").Timer1);
            QTest::keyClick(Current<TfrmBikeResult>(main, "the bicycle part").nvbtnOK(), Qt::Key_Return);
            AnswerUntilTheScreenChanges(main, Current<TfrmEngine>(main, "the contest drill"));
        }
        auto& final = Current<TfrmEndBike>(main, "the final contest screen");
        Fire(final.StartTimer);
        Fire(final.Timer1);
        Settle();
        Save(main, "contest-final");
    }

    // Types the expected answer two seconds after the exercise came, and lets the reward pass.
    static void AnswerOnce(TfrmEngine& engine) {
        Now += 2000;
        QTest::keyClicks(engine.AnswerEdit(),
                         QString::fromStdString(FormatNumber(engine.Model().Expected())));
        QTest::keyClick(engine.AnswerEdit(), Qt::Key_Return);
        for (int i = 0; i < 5 && engine.Model().ShowingResult(); ++i) {
            Now += 230;
            engine.tmrEngineTimer();
        }
        Settle();
    }

    // Answers every exercise until the drill hands over to the next screen.
    static void AnswerUntilTheScreenChanges(TfrmMain& main, TfrmEngine& engine) {
        for (int answers = 0; answers < 60 && main.CurrentFrame() == &engine; ++answers) AnswerOnce(engine);
    }

    void Save(TfrmMain& main, const char* screen) {
        const QString name =
            QStringLiteral("%1-%2.png")
                .arg(QLatin1String(screen), QLatin1String(language_ == LanguageSlovak ? "sk" : "cz"));
        main.repaint();
        if (!main.grab().save(output_.filePath(name)))
            throw std::runtime_error("cannot write " + output_.filePath(name).toStdString());
        std::printf("%s\n", qPrintable(output_.filePath(name)));
    }

    QDir output_;
    uint16_t language_;
};

// The offscreen platform's screen is 800 x 800 unless a configuration file says otherwise.
void UseOffscreenScreen(const std::filesystem::path& folder) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    const std::filesystem::path file = folder / "numerava-screenshots-screen.json";
    std::ofstream(file) << R"({"screens":[{"name":"s","x":0,"y":0,"width":1280,"height":1024,)"
                           R"("logicalDpiX":96,"logicalDpiY":96,"dpr":1}]})";
    qputenv("QT_QPA_PLATFORM",
            QByteArray("offscreen:configfile=") + QByteArray::fromStdString(file.string()));
}

} // namespace

} // namespace numerava

int main(int argc, char** argv) {
    using namespace numerava;
    if (argc != 2) {
        std::fprintf(stderr, "usage: numerava-screenshots OUTPUT_DIR\n");
        return 2;
    }
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    UseOffscreenScreen(error ? std::filesystem::path(".") : temporary);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(numerava);
    RegisterFonts();
    SetTickSource([] { return Now; });
    TDialogCloser closer;
    app.installEventFilter(&closer);

    const QDir output(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    if (!QDir().mkpath(output.path())) {
        std::fprintf(stderr, "numerava-screenshots: cannot create %s\n", qPrintable(output.path()));
        return 1;
    }
    try {
        for (const uint16_t language : {LanguageCzech, LanguageSlovak}) TWalk(output, language).Run();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "numerava-screenshots: %s\n", failure.what());
        return 1;
    }
    return 0;
}
