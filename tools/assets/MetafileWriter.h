#pragma once
// Writes Windows metafiles (with the placeable header) and enhanced metafiles from drawing calls:
// the few records our pictures need, laid out as the system lays them out. Coordinates are integer
// logical units from (0, 0) to the logical size; the picture's natural size is given in pixels.
// Boxes are given by their corners (left, top, right, bottom), as the records carry them.

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QSize>

#include <cstdint>
#include <span>
#include <vector>

namespace numerava::assets {

class TMetafileWriter {
public:
    enum class Format { Wmf, Emf };
    // Pen styles as the records number them (end caps and joins may be or-ed in).
    enum PenStyle : uint32_t {
        PenSolid = 0,
        PenDash = 1,
        PenNull = 5,
        PenInsideFrame = 6,
        PenFlatCap = 0x200,
        PenMiterJoin = 0x2000
    };
    enum BrushStyle : uint32_t { BrushSolid = 0, BrushNull = 1, BrushHatched = 2 };
    enum MapMode : uint32_t { MapText = 1, MapLoMetric = 2, MapIsotropic = 7, MapAnisotropic = 8 };

    TMetafileWriter(Format format, QSize logicalSize, QSize naturalSize);

    // The drawing state: each call creates an object, selects it and deletes the one it replaces.
    void SetPen(QColor color, int width); // width in logical units; 0 is one pixel
    void SetNoPen();
    void SetBrush(QColor color);
    void SetNoBrush();
    void SetWinding(bool winding);

    void Polygon(std::span<const QPoint> points);
    void Polyline(std::span<const QPoint> points);
    void PolyPolygon(std::span<const std::vector<QPoint>> polygons);
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    // Arcs run counter-clockwise from the ray through `start` to the ray through `end`.
    void Arc(int left, int top, int right, int bottom, QPoint start, QPoint end);
    void Pie(int left, int top, int right, int bottom, QPoint start, QPoint end);
    void Chord(int left, int top, int right, int bottom, QPoint start, QPoint end);
    void MoveTo(QPoint point);
    void LineTo(QPoint point);
    // Cubic Bézier curves: a start point, then three points per segment. WMF has no curves, so there
    // they become polylines (open) or polygons (BezierShape, closed, filled and outlined).
    void PolyBezier(std::span<const QPoint> points);
    void BezierShape(std::span<const QPoint> points);

    // Records as such: objects by slot number, mapping, saved states.
    uint32_t CreatePen(uint32_t style, int width, QColor color);
    uint32_t CreateExtPen(uint32_t style, int width, QColor color); // EMF only: a geometric pen
    uint32_t CreateBrush(uint32_t style, QColor color);
    void SelectObject(uint32_t slot); // EMF stock objects: 0x80000000 + number
    void DeleteObject(uint32_t slot);
    void SetMapMode(uint32_t mode);
    void SetWindowOrg(QPoint origin);
    void SetWindowExt(QSize extent);
    void SetViewportOrg(QPoint origin);
    void SetViewportExt(QSize extent);
    void SaveDC();
    void RestoreDC(int which);
    // EMF: write 32-bit points even where 16 bits would hold them.
    void SetWidePoints(bool wide) { widePoints_ = wide; }

    // A record of the given function (WMF) or type (EMF) whose size field covers `parameters`.
    void Record(uint32_t type, const QByteArray& parameters);
    // Bytes added to the record list verbatim, even when they are no valid record.
    void AppendBytes(const QByteArray& bytes) { records_ += bytes; }

    // The finished file: headers, the records, the end record.
    QByteArray Bytes() const;

private:
    uint32_t NewSlot();
    void Replace(uint32_t& current, uint32_t slot);
    void Poly(uint32_t wideType, uint32_t shortType, uint32_t wmfFunction, std::span<const QPoint> points);
    void Box(uint32_t emfType, uint32_t wmfFunction, int left, int top, int right, int bottom);
    void ArcLike(uint32_t emfType, uint32_t wmfFunction, int left, int top, int right, int bottom,
                 QPoint start, QPoint end);
    bool Short(std::span<const QPoint> points) const;

    Format format_;
    QSize logicalSize_;
    QSize naturalSize_;
    QByteArray records_;
    uint32_t recordCount_ = 0;
    uint32_t largestRecord_ = 0; // WMF, in 16-bit words
    std::vector<bool> slots_;    // slots in use; EMF slot 0 belongs to the metafile itself
    static constexpr uint32_t NoSlot = 0xFFFFFFFF;
    uint32_t currentPen_ = NoSlot; // none of ours selected yet
    uint32_t currentBrush_ = NoSlot;
    bool widePoints_ = false;
};

} // namespace numerava::assets
