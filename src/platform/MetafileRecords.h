#pragma once
// The metafile reader's inner workings: the drawing records both formats are decoded into, a
// bounds-checked little-endian reader, and the two format parsers. Only Metafile*.cpp, WmfReader.cpp
// and EmfReader.cpp include this.

#include "platform/Metafile.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <variant>
#include <vector>

namespace numerava::metafile {

// Map modes as the files number them.
enum MapMode : int {
    MapText = 1,
    MapLoMetric = 2,
    MapHiMetric = 3,
    MapLoEnglish = 4,
    MapHiEnglish = 5,
    MapTwips = 6,
    MapIsotropic = 7,
    MapAnisotropic = 8,
};

// A pen as selected into the drawing state. Dashed styles are drawn solid: the pictures are small
// and a dash pattern over a huge path is a cheap way to make the painter crawl.
struct TLogicalPen {
    bool visible = true;
    QColor color = Qt::black;
    double width = 0; // logical units; 0 or a cosmetic pen: one device pixel
    bool cosmetic = true;
    bool insideFrame = false;
    Qt::PenCapStyle cap = Qt::RoundCap;
    Qt::PenJoinStyle join = Qt::RoundJoin;
};

// Hatched and pattern brushes fill solid in their colour (pattern brushes in grey).
struct TLogicalBrush {
    bool visible = true;
    QColor color = Qt::white;
};

// Window and viewport: the page transform from logical to device units.
struct TMapping {
    int mode = MapText;
    QPointF windowOrg{0, 0};
    QSizeF windowExt{1, 1};
    QPointF viewportOrg{0, 0};
    QSizeF viewportExt{1, 1};
};

struct TMappingOp {
    enum What {
        WindowOrg,
        WindowExt,
        ViewportOrg,
        ViewportExt,
        OffsetWindowOrg,
        OffsetViewportOrg,
        ScaleWindowExt,
        ScaleViewportExt
    };
    What what;
    double x = 0, y = 0;           // point, size or offset; numerators when scaling
    double xDenom = 1, yDenom = 1; // denominators when scaling
};
struct TMapModeOp {
    int mode;
};
struct TWorldTransformOp {
    enum Mode { Identity = 1, LeftMultiply = 2, RightMultiply = 3, Set = 4 };
    QTransform transform;
    int mode;
};
struct TSelectPenOp {
    TLogicalPen pen;
};
struct TSelectBrushOp {
    TLogicalBrush brush;
};
struct TFillModeOp {
    Qt::FillRule rule;
};
struct TArcDirectionOp {
    bool clockwise;
};
struct TSaveOp {};
// Negative: that many saves back; positive: the save with that number.
struct TRestoreOp {
    int which;
};
struct TMoveToOp {
    QPointF point;
};
struct TLineToOp {
    QPointF point;
};

struct TPolyOp {
    enum Kind { Polygon, Polyline, Bezier, PolylineTo, BezierTo, PolyPolygon, PolyPolyline };
    Kind kind;
    std::vector<QPointF> points;
    // Points per polygon of PolyPolygon and PolyPolyline; they add up to points.size().
    std::vector<uint32_t> counts;
};

struct TBoxOp {
    enum Kind { Rectangle, RoundRect, Ellipse, Arc, Pie, Chord, ArcTo };
    Kind kind;
    QRectF box;     // as given: left, top, right, bottom (not normalised)
    QPointF first;  // arc start point, or the corner ellipse's width and height of RoundRect
    QPointF second; // arc end point
};

struct TPathOp {
    enum Command { Begin, End, CloseFigure, Fill, Stroke, StrokeAndFill, Abort };
    Command command;
};

using TOp =
    std::variant<TMappingOp, TMapModeOp, TWorldTransformOp, TSelectPenOp, TSelectBrushOp, TFillModeOp,
                 TArcDirectionOp, TSaveOp, TRestoreOp, TMoveToOp, TLineToOp, TPolyOp, TBoxOp, TPathOp>;

// Reads little-endian values from one record; any read past its end clears ok() and returns 0, so a
// parser reads all fields first and checks once.
class TByteReader {
public:
    explicit TByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool ok() const { return ok_; }
    size_t Remaining() const { return ok_ ? bytes_.size() - position_ : 0; }
    void Skip(size_t count) { Take(count); }
    uint8_t U8() { return Take(1) ? bytes_[position_ - 1] : 0; }
    uint16_t U16() {
        if (!Take(2)) return 0;
        return static_cast<uint16_t>(bytes_[position_ - 2] | (bytes_[position_ - 1] << 8));
    }
    int16_t S16() { return static_cast<int16_t>(U16()); }
    uint32_t U32() {
        const uint32_t low = U16();
        return low | (static_cast<uint32_t>(U16()) << 16);
    }
    int32_t S32() { return static_cast<int32_t>(U32()); }
    float F32() {
        const uint32_t raw = U32();
        float value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }
    // COLORREF: red, green, blue, and a flag byte we ignore (palette colours are taken as RGB).
    QColor Color() {
        const uint32_t raw = U32();
        return QColor(static_cast<int>(raw & 0xFF), static_cast<int>((raw >> 8) & 0xFF),
                      static_cast<int>((raw >> 16) & 0xFF));
    }

private:
    bool Take(size_t count) {
        if (!ok_ || bytes_.size() - position_ < count) {
            ok_ = false;
            return false;
        }
        position_ += count;
        return true;
    }
    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
    bool ok_ = true;
};

// Pen attributes shared by both formats' pen styles (style in the low byte, end cap and join above).
TLogicalPen PenFromStyle(uint32_t style, double width, QColor color);
// Brush styles: solid 0, null 1, hatched 2 (solid), pattern brushes (grey).
TLogicalBrush BrushFromStyle(uint32_t style, QColor color);

} // namespace numerava::metafile

namespace numerava {

struct TMetafile::Records {
    TMetafile::Format format = TMetafile::Format::Wmf;
    QRectF bounds; // device units, normalised
    QSize naturalSize;
    QSizeF deviceUnitsPerMm{96 / 25.4, 96 / 25.4}; // for the fixed map modes
    metafile::TMapping initialMapping;
    std::vector<metafile::TOp> ops;
    bool complete = false; // the end-of-file record was reached
};

namespace metafile {
// Nullopt-like: nullptr when the header is missing or invalid.
std::shared_ptr<TMetafile::Records> ParseWmf(std::span<const uint8_t> data);
std::shared_ptr<TMetafile::Records> ParseEmf(std::span<const uint8_t> data);
// The bounding rectangle of every point and box the records draw (for files that give no frame).
QRectF DrawnExtent(const std::vector<TOp>& ops);
} // namespace metafile

} // namespace numerava
