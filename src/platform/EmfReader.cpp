// Enhanced metafiles: records of (type, size in bytes, parameters), the first being the header with
// the picture's frame in hundredths of a millimetre and the reference device's size in pixels and
// millimetres. Objects live in a table whose slots the records name explicitly.
#include "platform/MetafileRecords.h"

#include <cmath>
#include <unordered_map>

namespace numerava::metafile {

namespace {

constexpr size_t MinimumHeaderBytes = 88;
constexpr uint32_t Signature = 0x464D4520; // " EMF"
constexpr uint32_t StockObject = 0x80000000;

enum RecordType : uint32_t {
    Header = 1,
    PolyBezier = 2,
    Polygon = 3,
    Polyline = 4,
    PolyBezierTo = 5,
    PolylineTo = 6,
    PolyPolyline = 7,
    PolyPolygon = 8,
    SetWindowExtEx = 9,
    SetWindowOrgEx = 10,
    SetViewportExtEx = 11,
    SetViewportOrgEx = 12,
    Eof = 14,
    SetMapMode = 17,
    SetPolyFillMode = 19,
    MoveToEx = 27,
    ScaleViewportExtEx = 31,
    ScaleWindowExtEx = 32,
    SaveDC = 33,
    RestoreDC = 34,
    SetWorldTransform = 35,
    ModifyWorldTransform = 36,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrushIndirect = 39,
    DeleteObject = 40,
    Ellipse = 42,
    Rectangle = 43,
    RoundRect = 44,
    Arc = 45,
    Chord = 46,
    Pie = 47,
    LineTo = 54,
    ArcTo = 55,
    SetArcDirection = 57,
    BeginPath = 59,
    EndPath = 60,
    CloseFigure = 61,
    FillPath = 62,
    StrokeAndFillPath = 63,
    StrokePath = 64,
    AbortPath = 68,
    PolyBezier16 = 85,
    Polygon16 = 86,
    Polyline16 = 87,
    PolyBezierTo16 = 88,
    PolylineTo16 = 89,
    PolyPolyline16 = 90,
    PolyPolygon16 = 91,
    CreateMonoBrush = 93,
    CreateDibPatternBrushPt = 94,
    ExtCreatePen = 95,
};

using TObject = std::variant<TLogicalPen, TLogicalBrush>;

// The stock objects a record may select by 0x80000000 + number (fonts and palettes draw nothing here).
std::optional<TObject> Stock(uint32_t number) {
    switch (number) {
    case 0: return TLogicalBrush{true, Qt::white};
    case 1: return TLogicalBrush{true, QColor(192, 192, 192)};
    case 2: return TLogicalBrush{true, QColor(128, 128, 128)};
    case 3: return TLogicalBrush{true, QColor(64, 64, 64)};
    case 4: return TLogicalBrush{true, Qt::black};
    case 5: return TLogicalBrush{false, Qt::black};
    case 6: return PenFromStyle(0, 0, Qt::white);
    case 7: return PenFromStyle(0, 0, Qt::black);
    case 8: return PenFromStyle(5, 0, Qt::black);
    case 18: return TLogicalBrush{true, Qt::white}; // DC brush, whose colour no record sets
    case 19: return PenFromStyle(0, 0, Qt::black);  // DC pen
    default: return std::nullopt;
    }
}

struct TEmfParser {
    uint32_t handleCount;
    std::unordered_map<uint32_t, TObject> objects;
    std::vector<TOp>& ops;

    // Slot 0 is the metafile itself.
    bool ValidSlot(uint32_t slot) const { return slot != 0 && slot < handleCount; }

    static QPointF Point(TByteReader& in, bool wide) {
        const double x = wide ? in.S32() : in.S16();
        return {x, static_cast<double>(wide ? in.S32() : in.S16())};
    }
    static QRectF Box(TByteReader& in) {
        const double left = in.S32();
        const double top = in.S32();
        const double right = in.S32();
        const double bottom = in.S32();
        return QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    static bool ReadPoints(TByteReader& in, uint64_t count, bool wide, std::vector<QPointF>& points) {
        if (count > in.Remaining() / (wide ? 8 : 4)) return false;
        points.reserve(static_cast<size_t>(count));
        for (uint64_t i = 0; i < count; ++i) points.push_back(Point(in, wide));
        return in.ok();
    }

    bool Poly(TPolyOp::Kind kind, bool wide, TByteReader& in) {
        in.Skip(16); // bounds
        const uint32_t count = in.U32();
        TPolyOp op{kind, {}, {}};
        if (!in.ok() || !ReadPoints(in, count, wide, op.points)) return false;
        ops.push_back(std::move(op));
        return true;
    }

    bool PolyPoly(TPolyOp::Kind kind, bool wide, TByteReader& in) {
        in.Skip(16); // bounds
        const uint32_t polygons = in.U32();
        const uint32_t total = in.U32();
        if (!in.ok() || polygons > in.Remaining() / 4) return false;
        TPolyOp op{kind, {}, {}};
        op.counts.reserve(polygons);
        uint64_t sum = 0;
        for (uint32_t i = 0; i < polygons; ++i) {
            op.counts.push_back(in.U32());
            sum += op.counts.back();
        }
        if (sum != total || !ReadPoints(in, total, wide, op.points)) return false;
        ops.push_back(std::move(op));
        return true;
    }

    bool Mapping(TMappingOp::What what, TByteReader& in) {
        const double x = in.S32();
        const double y = in.S32();
        if (!in.ok()) return false;
        ops.push_back(TMappingOp{what, x, y});
        return true;
    }

    bool Scale(TMappingOp::What what, TByteReader& in) {
        const double xNum = in.S32();
        const double xDenom = in.S32();
        const double yNum = in.S32();
        const double yDenom = in.S32();
        if (!in.ok()) return false;
        ops.push_back(TMappingOp{what, xNum, yNum, xDenom, yDenom});
        return true;
    }

    bool BoxRecord(TBoxOp::Kind kind, TByteReader& in) {
        TBoxOp op{kind, Box(in), {}, {}};
        if (kind == TBoxOp::RoundRect) {
            op.first = Point(in, true);
        } else if (kind != TBoxOp::Rectangle && kind != TBoxOp::Ellipse) {
            op.first = Point(in, true);
            op.second = Point(in, true);
        }
        if (!in.ok()) return false;
        ops.push_back(op);
        return true;
    }

    bool Transform(TByteReader& in, bool modify) {
        float m[6];
        for (float& value : m) value = in.F32();
        const uint32_t mode = modify ? in.U32() : static_cast<uint32_t>(TWorldTransformOp::Set);
        if (!in.ok()) return false;
        for (const float value : m)
            if (!std::isfinite(value)) return false;
        if (mode < TWorldTransformOp::Identity || mode > TWorldTransformOp::Set) return true;
        ops.push_back(
            TWorldTransformOp{QTransform(m[0], m[1], m[2], m[3], m[4], m[5]), static_cast<int>(mode)});
        return true;
    }

    bool Create(uint32_t slot, TObject object) {
        if (!ValidSlot(slot)) return false;
        objects.insert_or_assign(slot, std::move(object));
        return true;
    }

    bool Select(TByteReader& in) {
        const uint32_t slot = in.U32();
        if (!in.ok()) return false;
        std::optional<TObject> object;
        if (slot & StockObject) {
            object = Stock(slot & ~StockObject);
        } else {
            if (!ValidSlot(slot)) return false;
            if (const auto found = objects.find(slot); found != objects.end()) object = found->second;
        }
        if (object) {
            if (const auto* pen = std::get_if<TLogicalPen>(&*object)) ops.push_back(TSelectPenOp{*pen});
            if (const auto* brush = std::get_if<TLogicalBrush>(&*object))
                ops.push_back(TSelectBrushOp{*brush});
        }
        return true;
    }

    bool Path(TPathOp::Command command) {
        ops.push_back(TPathOp{command});
        return true;
    }

    bool Record(uint32_t type, TByteReader& in) {
        switch (type) {
        case PolyBezier: return Poly(TPolyOp::Bezier, true, in);
        case Polygon: return Poly(TPolyOp::Polygon, true, in);
        case Polyline: return Poly(TPolyOp::Polyline, true, in);
        case PolyBezierTo: return Poly(TPolyOp::BezierTo, true, in);
        case PolylineTo: return Poly(TPolyOp::PolylineTo, true, in);
        case PolyPolyline: return PolyPoly(TPolyOp::PolyPolyline, true, in);
        case PolyPolygon: return PolyPoly(TPolyOp::PolyPolygon, true, in);
        case PolyBezier16: return Poly(TPolyOp::Bezier, false, in);
        case Polygon16: return Poly(TPolyOp::Polygon, false, in);
        case Polyline16: return Poly(TPolyOp::Polyline, false, in);
        case PolyBezierTo16: return Poly(TPolyOp::BezierTo, false, in);
        case PolylineTo16: return Poly(TPolyOp::PolylineTo, false, in);
        case PolyPolyline16: return PolyPoly(TPolyOp::PolyPolyline, false, in);
        case PolyPolygon16: return PolyPoly(TPolyOp::PolyPolygon, false, in);
        case SetWindowExtEx: return Mapping(TMappingOp::WindowExt, in);
        case SetWindowOrgEx: return Mapping(TMappingOp::WindowOrg, in);
        case SetViewportExtEx: return Mapping(TMappingOp::ViewportExt, in);
        case SetViewportOrgEx: return Mapping(TMappingOp::ViewportOrg, in);
        case ScaleViewportExtEx: return Scale(TMappingOp::ScaleViewportExt, in);
        case ScaleWindowExtEx: return Scale(TMappingOp::ScaleWindowExt, in);
        case SetMapMode: {
            const uint32_t mode = in.U32();
            if (!in.ok()) return false;
            if (mode >= MapText && mode <= MapAnisotropic) ops.push_back(TMapModeOp{static_cast<int>(mode)});
            return true;
        }
        case SetPolyFillMode: {
            const uint32_t mode = in.U32();
            if (!in.ok()) return false;
            if (mode == 1 || mode == 2)
                ops.push_back(TFillModeOp{mode == 2 ? Qt::WindingFill : Qt::OddEvenFill});
            return true;
        }
        case SetArcDirection: {
            const uint32_t direction = in.U32();
            if (!in.ok()) return false;
            if (direction == 1 || direction == 2) ops.push_back(TArcDirectionOp{direction == 2});
            return true;
        }
        case MoveToEx:
        case LineTo: {
            const QPointF point = Point(in, true);
            if (!in.ok()) return false;
            if (type == MoveToEx) ops.push_back(TMoveToOp{point});
            else ops.push_back(TLineToOp{point});
            return true;
        }
        case SaveDC: ops.push_back(TSaveOp{}); return true;
        case RestoreDC: {
            const int32_t which = in.S32();
            if (!in.ok()) return false;
            ops.push_back(TRestoreOp{which});
            return true;
        }
        case SetWorldTransform: return Transform(in, false);
        case ModifyWorldTransform: return Transform(in, true);
        case Ellipse: return BoxRecord(TBoxOp::Ellipse, in);
        case Rectangle: return BoxRecord(TBoxOp::Rectangle, in);
        case RoundRect: return BoxRecord(TBoxOp::RoundRect, in);
        case Arc: return BoxRecord(TBoxOp::Arc, in);
        case Chord: return BoxRecord(TBoxOp::Chord, in);
        case Pie: return BoxRecord(TBoxOp::Pie, in);
        case ArcTo: return BoxRecord(TBoxOp::ArcTo, in);
        case CreatePen: {
            const uint32_t slot = in.U32();
            const uint32_t style = in.U32();
            const int32_t width = in.S32();
            in.Skip(4); // the unused height of the width point
            const QColor color = in.Color();
            return in.ok() && Create(slot, PenFromStyle(style, std::fabs(static_cast<double>(width)), color));
        }
        case ExtCreatePen: {
            const uint32_t slot = in.U32();
            in.Skip(16); // the optional pattern bitmap's offsets and sizes
            const uint32_t style = in.U32();
            const uint32_t width = in.U32();
            const uint32_t brushStyle = in.U32();
            const QColor color = in.Color();
            if (!in.ok()) return false;
            constexpr uint32_t Geometric = 0x00010000;
            TLogicalPen pen = PenFromStyle(style, (style & Geometric) ? width : 0, color);
            if (brushStyle == 1) pen.visible = false; // a pen painted with the null brush
            return Create(slot, pen);
        }
        case CreateBrushIndirect: {
            const uint32_t slot = in.U32();
            const uint32_t style = in.U32();
            const QColor color = in.Color();
            return in.ok() && Create(slot, BrushFromStyle(style, color));
        }
        case CreateMonoBrush:
        case CreateDibPatternBrushPt: {
            const uint32_t slot = in.U32();
            return in.ok() && Create(slot, BrushFromStyle(3, Qt::gray));
        }
        case SelectObject: return Select(in);
        case DeleteObject: {
            const uint32_t slot = in.U32();
            if (!in.ok()) return false;
            if (slot & StockObject) return true;
            if (!ValidSlot(slot)) return false;
            objects.erase(slot);
            return true;
        }
        case BeginPath: return Path(TPathOp::Begin);
        case EndPath: return Path(TPathOp::End);
        case CloseFigure: return Path(TPathOp::CloseFigure);
        case FillPath: return Path(TPathOp::Fill);
        case StrokeAndFillPath: return Path(TPathOp::StrokeAndFill);
        case StrokePath: return Path(TPathOp::Stroke);
        case AbortPath: return Path(TPathOp::Abort);
        default: return true; // text, bitmaps, clipping, palettes, comments: not drawn
        }
    }
};

} // namespace

std::shared_ptr<TMetafile::Records> ParseEmf(std::span<const uint8_t> data) {
    TByteReader header(data);
    const uint32_t type = header.U32();
    const uint32_t headerSize = header.U32();
    const QRectF deviceBounds = TEmfParser::Box(header);
    const QRectF frame = TEmfParser::Box(header);
    const uint32_t signature = header.U32();
    header.Skip(12); // version, file size, record count: the data we were given decides
    const uint16_t handleCount = header.U16();
    header.Skip(14); // reserved, description, palette
    const double devicePixelsX = header.S32();
    const double devicePixelsY = header.S32();
    const double deviceMmX = header.S32();
    const double deviceMmY = header.S32();
    if (!header.ok() || type != Header || signature != Signature || headerSize < MinimumHeaderBytes ||
        headerSize % 4 != 0 || headerSize > data.size())
        return nullptr;

    auto records = std::make_shared<TMetafile::Records>();
    records->format = TMetafile::Format::Emf;
    if (devicePixelsX > 0 && devicePixelsY > 0 && deviceMmX > 0 && deviceMmY > 0)
        records->deviceUnitsPerMm = QSizeF(devicePixelsX / deviceMmX, devicePixelsY / deviceMmY);

    TEmfParser parser{handleCount, {}, records->ops};
    size_t offset = headerSize;
    while (data.size() - offset >= 8) {
        TByteReader recordHeader(data.subspan(offset, 8));
        const uint32_t recordType = recordHeader.U32();
        const uint32_t size = recordHeader.U32();
        if (recordType == Eof) {
            records->complete = size >= 8 && size <= data.size() - offset;
            break;
        }
        if (size < 8 || size % 4 != 0 || size > data.size() - offset) break;
        TByteReader parameters(data.subspan(offset + 8, size - 8));
        if (!parser.Record(recordType, parameters)) break;
        offset += size;
    }

    // The frame (hundredths of a millimetre) in reference-device pixels; else the device bounds,
    // whose right and bottom edges are inclusive; else whatever the records draw.
    const QSizeF perMm = records->deviceUnitsPerMm;
    const QRectF normalFrame = frame.normalized();
    if (normalFrame.width() > 0 && normalFrame.height() > 0) {
        records->bounds =
            QRectF(normalFrame.left() / 100 * perMm.width(), normalFrame.top() / 100 * perMm.height(),
                   normalFrame.width() / 100 * perMm.width(), normalFrame.height() / 100 * perMm.height());
    } else if (deviceBounds.right() >= deviceBounds.left() && deviceBounds.bottom() >= deviceBounds.top()) {
        records->bounds = deviceBounds.adjusted(0, 0, 1, 1);
    } else {
        records->bounds = DrawnExtent(records->ops).normalized();
    }
    const double pixelsPerDeviceX = 96 / 25.4 / perMm.width();
    const double pixelsPerDeviceY = 96 / 25.4 / perMm.height();
    records->naturalSize = QSize(static_cast<int>(std::lround(records->bounds.width() * pixelsPerDeviceX)),
                                 static_cast<int>(std::lround(records->bounds.height() * pixelsPerDeviceY)));
    return records;
}

} // namespace numerava::metafile
