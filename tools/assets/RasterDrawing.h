#pragma once
// The raster pictures of numerava-assets, each drawn into a QImage of the size its screen shows it
// at (or a multiple of it), plus the few drawing helpers they share. Saving is RasterAssets.cpp's job.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace numerava::assets {

// The orange of the screens' backgrounds (red 255, green 170, blue 17): pictures that sit on it
// without a frame of their own use it as their background.
inline const QColor ScreenOrange{255, 170, 17};

// A bank note of the drill's rewards (50, 20, 10, 5 or 2), 100 x 50.
QImage DrawBankNote(int value);
// The contest logo with its word ("SOUTĚŽ", "SÚŤAŽ"), 114 x 39.
QImage DrawContestLogo(const QString& word);
// The drill's contest mark, 60 x 40: the result counts for the contest (true) or does not (false).
QImage DrawContestMark(bool counts);
// The language flags, drawn at twice to two and a half times the size the welcome screen shows them.
QImage DrawCzechFlag();  // 100 x 60
QImage DrawSlovakFlag(); // 100 x 62
// The welcome screen's title picture, 417 x 228.
QImage DrawTitlePicture();
// The information screen's small picture of area 1..6, 64 x 64.
QImage DrawAreaPicture(int area);
// The information screen's school picture beside the age range, 70 x 38.
QImage DrawSchoolPicture();
// The purchase screen's bicycle after part 1..16 of the contest, 320 x 200.
QImage DrawBicycleAfterPart(int part);
// The contest's final grade picture ("5", "4/5", ... "1", "1*"), 240 x 180; a null image for any
// other grade.
QImage DrawGradePicture(const QString& grade);

// The program's icon, size x size, transparent around its blackboard.
QImage DrawProgramIcon(int size);

// Helpers.

// An image of the given size filled with one colour, ready for a painter.
QImage BlankImage(int width, int height, const QColor& fill);
// A painter with anti-aliasing for shapes and text.
void PrepareSmoothPainter(QPainter& painter);
// Tahoma (DejaVu Sans without the file) at a pixel size, bold or not.
QFont PictureFont(int pixelSize, bool bold);
// Text centred on a point (by its ink, so accents and digits sit where the eye expects them),
// filled with fill and outlined with outline (outlineWidth 0: no outline).
void DrawCentredText(QPainter& painter, const QPointF& centre, const QString& text, const QFont& font,
                     const QColor& fill, const QColor& outline, qreal outlineWidth);
// A five-pointed star around centre; outer radius r, inner radius r * inner.
void DrawStar(QPainter& painter, const QPointF& centre, qreal radius, qreal inner, qreal rotationDegrees = 0);

} // namespace numerava::assets
