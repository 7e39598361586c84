// numerava-assets GRAPHICS_DIR RESOURCE_DIR [ICON_DIR]: draws every picture of the program, and the
// program's icon for desktop menus when ICON_DIR is given.

#include "assets/Assets.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: numerava-assets GRAPHICS_DIR RESOURCE_DIR [ICON_DIR]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir graphics(QString::fromLocal8Bit(argv[1]));
    const QDir resources(QString::fromLocal8Bit(argv[2]));
    const QDir icons(argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString());
    if (!QDir().mkpath(graphics.path()) || !QDir().mkpath(resources.path()) ||
        (argc == 4 && !QDir().mkpath(icons.path()))) {
        std::fprintf(stderr, "numerava-assets: cannot create the output folders\n");
        return 1;
    }
    bool ok = numerava::assets::WriteRasterAssets(graphics, resources) &&
              numerava::assets::WriteMetafileAssets(graphics, resources);
    if (argc == 4) ok = numerava::assets::WriteProgramIcons(icons) && ok;
    return ok ? 0 : 1;
}
