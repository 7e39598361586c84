// numerava: the drill program. One borderless window covering the screen, starting on the welcome
// menu in the system's language (Slovak on a Slovak system, Czech elsewhere).

#include "platform/Desktop.h"
#include "platform/Fonts.h"
#include "screens/FramesWelcome.h"
#include "shell/FormsMain.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

#ifdef NUMERAVA_STARTUP_TRACE
#include <QElapsedTimer>
#include <QTimer>

namespace {

// Start-up measurement build (-DNUMERAVA_STARTUP_TRACE=ON): prints the time from main() to the first
// painted welcome screen, then quits.
class TFirstPaintProbe : public QObject {
public:
    explicit TFirstPaintProbe(const QElapsedTimer& clock) : clock_(clock) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && watched->inherits("numerava::TfrmWelcome")) {
            done_ = true;
            std::fprintf(stderr, "first paint of the welcome screen: %lld ms after main()\n",
                         static_cast<long long>(clock_.elapsed()));
            QTimer::singleShot(200, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
    bool done_ = false;
};

} // namespace
#endif

int main(int argc, char** argv) {
#ifdef NUMERAVA_STARTUP_TRACE
    QElapsedTimer clock;
    clock.start();
#endif
    QApplication app(argc, argv);
#ifdef NUMERAVA_STARTUP_TRACE
    TFirstPaintProbe probe(clock);
    app.installEventFilter(&probe);
#endif
    // Qt cannot paint widgets on a display of 256 colours or fewer: say so instead of crashing.
    if (const int depth = numerava::DisplayColorDepth(); depth < numerava::MinimumColorDepth) {
        std::fprintf(stderr,
                     "numerava: the display shows %d bits per pixel; Numerava needs at least %d "
                     "(set the display to 16 or 24 bits per pixel)\n",
                     depth, numerava::MinimumColorDepth);
        return 1;
    }
    Q_INIT_RESOURCE(numerava);
    numerava::RegisterFonts();

    numerava::TfrmMain window([](numerava::TfrmMain& main) { return new numerava::TfrmWelcome(main); });
    // Cover the whole screen also where no window manager maximises the window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->geometry());
    window.showMaximized();
    window.activateWindow();
    window.Start();
    return app.exec();
}
