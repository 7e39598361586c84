// numerava: the drill program. One borderless window covering the screen, starting on the welcome
// menu in the system's language (Slovak on a Slovak system, Czech elsewhere).

#include "platform/Fonts.h"
#include "screens/FramesWelcome.h"
#include "shell/FormsMain.h"

#include <QApplication>
#include <QScreen>

#ifdef NUMERAVA_STARTUP_TRACE
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

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
