// numerava: the drill program. One borderless window covering the screen, starting on the welcome
// menu in the system's language (Slovak on a Slovak system, Czech elsewhere).

#include "platform/Fonts.h"
#include "screens/FramesWelcome.h"
#include "shell/FormsMain.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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
