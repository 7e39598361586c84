#include "assets/Assets.h"

#include "assets/RasterDrawing.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>
#include <set>
#include <utility>

namespace numerava::assets {

namespace {

// Written by the metafile drawings into the same resource folder; listed here because the resource
// list is written before them.
constexpr const char* InfoMetafileName = "info.wmf";
constexpr const char* ResourceListName = "numerava.qrc";
constexpr int JpegQuality = 90;

bool Fail(const QString& path, const QString& reason) {
    std::fprintf(stderr, "numerava-assets: cannot write %s: %s\n", qPrintable(path), qPrintable(reason));
    return false;
}

// Saves image as format ("bmp", "jpg", "png"). Bank notes must be 24-bit BMPs: Qt writes the
// 32-bit RGB image as one.
bool Save(const QImage& image, const QDir& dir, const QString& name, const char* format) {
    const QString path = dir.filePath(name);
    QImageWriter writer(path, format);
    if (qstrcmp(format, "jpg") == 0) {
        writer.setQuality(JpegQuality);
        writer.setOptimizedWrite(true);
    }
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    if (!writer.write(opaque)) return Fail(path, writer.errorString());
    return true;
}

// The picture as it looks after one pass through the JPEG coder of Save.
QImage ThroughJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(JpegQuality);
    writer.setOptimizedWrite(true);
    writer.write(image.convertToFormat(QImage::Format_RGB32));
    return QImage::fromData(bytes, "jpg");
}

// The Qt resource list of resourceDir: every file in it (and the metafile still to come), under "/".
bool WriteResourceList(const QDir& resourceDir) {
    std::set<QString> names;
    for (const QString& name : resourceDir.entryList(QDir::Files)) {
        if (name != QLatin1String(ResourceListName)) names.insert(name);
    }
    names.insert(QString::fromLatin1(InfoMetafileName));

    QString text = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n");
    for (const QString& name : names) text += QStringLiteral("    <file>%1</file>\n").arg(name);
    text += QStringLiteral("</qresource>\n</RCC>\n");

    const QString path = resourceDir.filePath(QString::fromLatin1(ResourceListName));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Fail(path, file.errorString());
    file.write(text.toUtf8());
    if (!file.commit()) return Fail(path, file.errorString());
    return true;
}

} // namespace

bool WriteRasterAssets(const QDir& graphicsDir, const QDir& resourceDir) {
    bool ok = true;

    // The drill's rewards, in the order the main window loads them.
    for (const int value : {50, 20, 10, 5, 2}) {
        ok = Save(DrawBankNote(value), graphicsDir, QStringLiteral("%1.bmp").arg(value), "bmp") && ok;
    }
    ok = Save(DrawContestLogo(QStringLiteral("SOUTĚŽ")), graphicsDir, QStringLiteral("soutez.jpg"), "jpg") &&
         ok;
    ok =
        Save(DrawContestLogo(QStringLiteral("SÚŤAŽ")), graphicsDir, QStringLiteral("sutaz.jpg"), "jpg") && ok;
    // The contest's bicycle stages (part 6 shows part 5's picture, so there is no kolo06) and grades.
    for (int part = 1; part <= 15; ++part) {
        if (part == 6) continue;
        ok = Save(DrawBicycleAfterPart(part), graphicsDir,
                  QStringLiteral("kolo%1.jpg").arg(part, 2, 10, QLatin1Char('0')), "jpg") &&
             ok;
    }
    const std::pair<const char*, const char*> grades[] = {
        {"5", "5"},     {"4/5", "4_5"}, {"4", "4"},     {"3/4", "3_4"}, {"3", "3"},
        {"2/3", "2_3"}, {"2", "2"},     {"1/2", "1_2"}, {"1", "1"},     {"1*", "1h"}};
    for (const auto& [grade, name] : grades) {
        ok = Save(DrawGradePicture(QString::fromLatin1(grade)), graphicsDir,
                  QStringLiteral("%1.jpg").arg(QLatin1String(name)), "jpg") &&
             ok;
    }

    // The welcome screen's pictures are bitmaps, which Qt reads without loading an image plugin: the
    // first screen comes up sooner. The flags keep the look of the JPEG pictures they were at first.
    ok = Save(ThroughJpeg(DrawCzechFlag()), resourceDir, QStringLiteral("flag_cz.bmp"), "bmp") && ok;
    ok = Save(ThroughJpeg(DrawSlovakFlag()), resourceDir, QStringLiteral("flag_sk.bmp"), "bmp") && ok;
    ok = Save(DrawTitlePicture(), resourceDir, QStringLiteral("title.bmp"), "bmp") && ok;
    for (int area = 1; area <= 6; ++area) {
        ok = Save(DrawAreaPicture(area), resourceDir, QStringLiteral("info_area%1.jpg").arg(area), "jpg") &&
             ok;
    }
    ok = Save(DrawSchoolPicture(), resourceDir, QStringLiteral("info_picture.jpg"), "jpg") && ok;
    ok = Save(DrawContestMark(true), resourceDir, QStringLiteral("contest_counts.png"), "png") && ok;
    ok = Save(DrawContestMark(false), resourceDir, QStringLiteral("contest_not_counted.png"), "png") && ok;

    return WriteResourceList(resourceDir) && ok;
}

} // namespace numerava::assets
