// numerava: the drill program. One borderless window covering the screen, starting on the welcome
// menu in the system's language (Slovak on a Slovak system, Czech elsewhere).

#include "controls/ControlsAccessible.h"
#include "equation/EquationAccessible.h"
#include "platform/Desktop.h"
#include "platform/DisplayScale.h"
#include "platform/Fonts.h"
#include "platform/StartupPreparation.h"
#include "screens/FramesWelcome.h"
#include "screens/ProgramPictures.h"
#include "shell/FormsMain.h"
#include "shell/FrameScale.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <memory>
#include <vector>

#ifdef NUMERAVA_STARTUP_TRACE
#include "platform/Process.h"

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>

namespace {

// Start-up measurement build (-DNUMERAVA_STARTUP_TRACE=ON): prints the phases of the start, the
// showing of the window and every paint of the welcome screen in milliseconds after main(), then
// quits 300 ms after the first paint; each line also gives the processor time used so far. The first
// line gives main()'s CLOCK_MONOTONIC time, so that a launcher can add the time before main().
class TStartupTrace : public QObject {
public:
    TStartupTrace() {
        // The steady clock is CLOCK_MONOTONIC on Linux.
        const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count();
        clock_.start();
        std::fprintf(stderr, "main() at monotonic %lld.%09lld\n", static_cast<long long>(now / 1000000000),
                     static_cast<long long>(now % 1000000000));
    }
    void Mark(const char* phase) const {
        std::fprintf(stderr, "%7.2f ms  %s (processor time so far %.1f ms)\n",
                     static_cast<double>(clock_.nsecsElapsed()) / 1e6, phase,
                     numerava::ProcessorTimeMilliseconds());
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->inherits("numerava::TfrmMain")) Mark("window shown");
        if (event->type() == QEvent::Paint && watched->inherits("numerava::TfrmWelcome")) {
            Mark("paint of the welcome screen");
            if (!quitting_) {
                quitting_ = true;
                // Runs once the paint is done and its picture handed to the display.
                QTimer::singleShot(0, qApp, [this] { Mark("first picture sent to the display"); });
                QTimer::singleShot(300, qApp, [] { QCoreApplication::exit(0); });
            }
        }
        return false;
    }

private:
    QElapsedTimer clock_;
    bool quitting_ = false;
};

} // namespace
#define NUMERAVA_MARK(phase) trace.Mark(phase)
#else
#define NUMERAVA_MARK(phase)
#endif

namespace {

// How many times larger the screens are drawn on the primary screen (logical size, as Qt gives it);
// 1 when the user has chosen Qt's scale.
int WantedScale() {
    if (numerava::DisplayScaleChosenByUser()) return 1;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 1;
    const QSize size = screen->geometry().size();
    return numerava::FrameScale(size.width(), size.height(), numerava::FramedWidth, numerava::FramedHeight);
}

} // namespace

int main(int argc, char** argv) {
#ifdef NUMERAVA_STARTUP_TRACE
    TStartupTrace trace;
#endif
    numerava::StartStartupPreparation();
    // The application takes the options meant for Qt out of argv; a second one needs them too.
    int argumentCount = argc;
    std::vector<char*> arguments(argv, argv + argc + 1);
    auto app = std::make_unique<QApplication>(argc, argv);
    // Qt learns the screen's size only with the application, and takes its scale only as the
    // application is made: on a large screen the application is made once more, asked to draw larger.
    if (const int scale = WantedScale(); scale > 1) {
        app.reset();
        // The worker reads the environment while it reads the font configuration.
        numerava::WaitForStartupFonts();
        numerava::RequestDisplayScale(scale);
        app = std::make_unique<QApplication>(argumentCount, arguments.data());
        NUMERAVA_MARK("application made again for a large screen");
    }
    numerava::StartupApplicationCreated();
#ifdef NUMERAVA_STARTUP_TRACE
    app->installEventFilter(&trace);
#endif
    NUMERAVA_MARK("application");
    // Qt cannot paint widgets on a display of 256 colours or fewer: say so instead of crashing.
    if (const int depth = numerava::DisplayColorDepth(); depth < numerava::MinimumColorDepth) {
        std::fprintf(stderr,
                     "numerava: the display shows %d bits per pixel; Numerava needs at least %d "
                     "(set the display to 16 or 24 bits per pixel)\n",
                     depth, numerava::MinimumColorDepth);
        // The start-up worker uses the application object: it must finish before that goes.
        numerava::FinishStartupPreparation();
        return 1;
    }
    Q_INIT_RESOURCE(numerava);
    // Before the first window: Qt keeps the first accessible interface it made for a widget.
    numerava::InstallControlsAccessibility();
    numerava::InstallEquationAccessibility();
    numerava::RegisterFonts();
    NUMERAVA_MARK("fonts registered");

    numerava::TfrmMain window([](numerava::TfrmMain& main) { return new numerava::TfrmWelcome(main); });
    NUMERAVA_MARK("main window built");
    // The window shows itself, covering the screen, once the welcome screen has settled; then it
    // checks every picture the screens show.
    window.Start(numerava::ProgramPictureFiles());
    NUMERAVA_MARK("welcome screen built");
    const int status = QApplication::exec();
    numerava::FinishStartupPreparation();
    return status;
}
