// numerava-assets GRAPHICS_DIR RESOURCE_DIR: draws every picture of the program.

#include "assets/Assets.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: numerava-assets GRAPHICS_DIR RESOURCE_DIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir graphics(QString::fromLocal8Bit(argv[1]));
    const QDir resources(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(graphics.path()) || !QDir().mkpath(resources.path())) {
        std::fprintf(stderr, "numerava-assets: cannot create the output folders\n");
        return 1;
    }
    const bool ok = numerava::assets::WriteRasterAssets(graphics, resources) &&
                    numerava::assets::WriteMetafileAssets(graphics, resources);
    return ok ? 0 : 1;
}
