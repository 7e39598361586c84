// Windows metafiles: an optional 22-byte placeable header, an 18-byte header, then records of
// (size in 16-bit words, function number, parameters). Parameters of the classic records list their
// coordinates backwards (y before x, bottom-right before top-left).
#include "platform/MetafileRecords.h"

#include <cmath>
#include <optional>
#include <set>

namespace numerava::metafile {

namespace {

constexpr uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr size_t PlaceableHeaderBytes = 22;
constexpr size_t HeaderBytes = 18;
constexpr size_t RecordHeaderBytes = 6;
constexpr double DefaultUnitsPerInch = 1440; // twips, when a placeable header gives 0

enum Function : uint16_t {
    Eof = 0x0000,
    SetMapMode = 0x0103,
    SetPolyFillMode = 0x0106,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    OffsetViewportOrg = 0x0211,
    ScaleWindowExt = 0x0410,
    ScaleViewportExt = 0x0412,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    Arc = 0x0817,
    Ellipse = 0x0418,
    Pie = 0x081A,
    Rectangle = 0x041B,
    RoundRect = 0x061C,
    SaveDC = 0x001E,
    RestoreDC = 0x0127,
    Polygon = 0x0324,
    Polyline = 0x0325,
    PolyPolygon = 0x0538,
    Chord = 0x0830,
    SelectObject = 0x012D,
    DeleteObject = 0x01F0,
    CreatePalette = 0x00F7,
    CreatePatternBrush = 0x01F9,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    CreateRegion = 0x06FF,
    DibCreatePatternBrush = 0x0142,
};

// Fonts, palettes and regions take a slot but selecting them changes nothing we draw.
using TObject = std::variant<std::monostate, TLogicalPen, TLogicalBrush>;

// Created objects take the lowest free slot of a table whose size the header gives; the records
// then refer to slots by number. Resolving this while parsing lets playback carry plain pens and
// brushes.
class TObjectTable {
public:
    explicit TObjectTable(uint16_t capacity) : capacity_(capacity) {}

    // A full table drops the object, as the system does.
    void Create(TObject object) {
        if (!freed_.empty()) {
            const uint16_t slot = *freed_.begin();
            freed_.erase(freed_.begin());
            slots_[slot] = std::move(object);
        } else if (slots_.size() < capacity_) {
            slots_.push_back(std::move(object));
        }
    }
    bool Valid(uint16_t slot) const { return slot < capacity_; }
    const TObject* Find(uint16_t slot) const {
        return slot < slots_.size() && slots_[slot] ? &*slots_[slot] : nullptr;
    }
    void Delete(uint16_t slot) {
        if (slot >= slots_.size() || !slots_[slot]) return;
        slots_[slot].reset();
        freed_.insert(slot);
    }

private:
    uint16_t capacity_;
    std::vector<std::optional<TObject>> slots_; // grows up to the highest slot used
    std::set<uint16_t> freed_;                  // empty slots below slots_.size()
};

struct TWmfParser {
    TObjectTable objects;
    std::vector<TOp>& ops;
    std::optional<QPointF> firstWindowOrg;
    std::optional<QSizeF> firstWindowExt;

    // Y before x.
    static QPointF PointYX(TByteReader& in) {
        const double y = in.S16();
        return {static_cast<double>(in.S16()), y};
    }
    // Bottom, right, top, left.
    static QRectF BoxBackwards(TByteReader& in) {
        const double bottom = in.S16();
        const double right = in.S16();
        const double top = in.S16();
        const double left = in.S16();
        return QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    static bool ReadPoints(TByteReader& in, size_t count, std::vector<QPointF>& points) {
        if (count > in.Remaining() / 4) return false;
        points.reserve(points.size() + count);
        for (size_t i = 0; i < count; ++i) {
            const double x = in.S16();
            points.emplace_back(x, static_cast<double>(in.S16()));
        }
        return in.ok();
    }

    bool Mapping(TMappingOp::What what, TByteReader& in) {
        const double y = in.S16();
        const double x = in.S16();
        if (!in.ok()) return false;
        if (what == TMappingOp::WindowOrg && !firstWindowOrg) firstWindowOrg = QPointF(x, y);
        if (what == TMappingOp::WindowExt && !firstWindowExt) firstWindowExt = QSizeF(x, y);
        ops.push_back(TMappingOp{what, x, y});
        return true;
    }

    bool Scale(TMappingOp::What what, TByteReader& in) {
        const double yDenom = in.S16();
        const double yNum = in.S16();
        const double xDenom = in.S16();
        const double xNum = in.S16();
        if (!in.ok()) return false;
        ops.push_back(TMappingOp{what, xNum, yNum, xDenom, yDenom});
        return true;
    }

    bool Box(TBoxOp::Kind kind, TByteReader& in) {
        TBoxOp op{kind, {}, {}, {}};
        if (kind == TBoxOp::RoundRect) {
            const double height = in.S16();
            op.first = QPointF(in.S16(), height);
        } else if (kind != TBoxOp::Rectangle && kind != TBoxOp::Ellipse) {
            op.second = PointYX(in);
            op.first = PointYX(in);
        }
        op.box = BoxBackwards(in);
        if (!in.ok()) return false;
        ops.push_back(op);
        return true;
    }

    bool Poly(TPolyOp::Kind kind, TByteReader& in) {
        const int16_t count = in.S16();
        TPolyOp op{kind, {}, {}};
        if (!in.ok() || count < 0 || !ReadPoints(in, static_cast<size_t>(count), op.points)) return false;
        ops.push_back(std::move(op));
        return true;
    }

    bool PolyPolygonRecord(TByteReader& in) {
        const uint16_t polygons = in.U16();
        if (!in.ok() || polygons > in.Remaining() / 2) return false;
        TPolyOp op{TPolyOp::PolyPolygon, {}, {}};
        size_t total = 0;
        op.counts.reserve(polygons);
        for (uint16_t i = 0; i < polygons; ++i) {
            op.counts.push_back(in.U16());
            total += op.counts.back();
        }
        if (!ReadPoints(in, total, op.points)) return false;
        ops.push_back(std::move(op));
        return true;
    }

    bool Select(TByteReader& in) {
        const uint16_t slot = in.U16();
        if (!in.ok() || !objects.Valid(slot)) return false;
        if (const TObject* object = objects.Find(slot)) {
            if (const auto* pen = std::get_if<TLogicalPen>(object)) ops.push_back(TSelectPenOp{*pen});
            if (const auto* brush = std::get_if<TLogicalBrush>(object)) ops.push_back(TSelectBrushOp{*brush});
        }
        return true;
    }

    bool Record(uint16_t function, TByteReader& in) {
        switch (function) {
        case SetWindowOrg: return Mapping(TMappingOp::WindowOrg, in);
        case SetWindowExt: return Mapping(TMappingOp::WindowExt, in);
        case SetViewportOrg: return Mapping(TMappingOp::ViewportOrg, in);
        case SetViewportExt: return Mapping(TMappingOp::ViewportExt, in);
        case OffsetWindowOrg: return Mapping(TMappingOp::OffsetWindowOrg, in);
        case OffsetViewportOrg: return Mapping(TMappingOp::OffsetViewportOrg, in);
        case ScaleWindowExt: return Scale(TMappingOp::ScaleWindowExt, in);
        case ScaleViewportExt: return Scale(TMappingOp::ScaleViewportExt, in);
        case SetMapMode: {
            // The window always maps onto the picture's frame; only the isotropic mode changes how.
            const uint16_t mode = in.U16();
            if (!in.ok()) return false;
            ops.push_back(TMapModeOp{mode == MapIsotropic ? MapIsotropic : MapAnisotropic});
            return true;
        }
        case SetPolyFillMode: {
            const uint16_t mode = in.U16();
            if (!in.ok()) return false;
            if (mode == 1 || mode == 2)
                ops.push_back(TFillModeOp{mode == 2 ? Qt::WindingFill : Qt::OddEvenFill});
            return true;
        }
        case MoveTo:
        case LineTo: {
            const QPointF point = PointYX(in);
            if (!in.ok()) return false;
            if (function == MoveTo) ops.push_back(TMoveToOp{point});
            else ops.push_back(TLineToOp{point});
            return true;
        }
        case Rectangle: return Box(TBoxOp::Rectangle, in);
        case Ellipse: return Box(TBoxOp::Ellipse, in);
        case RoundRect: return Box(TBoxOp::RoundRect, in);
        case Arc: return Box(TBoxOp::Arc, in);
        case Pie: return Box(TBoxOp::Pie, in);
        case Chord: return Box(TBoxOp::Chord, in);
        case Polygon: return Poly(TPolyOp::Polygon, in);
        case Polyline: return Poly(TPolyOp::Polyline, in);
        case PolyPolygon: return PolyPolygonRecord(in);
        case SaveDC: ops.push_back(TSaveOp{}); return true;
        case RestoreDC: {
            const int16_t which = in.S16();
            if (!in.ok()) return false;
            ops.push_back(TRestoreOp{which});
            return true;
        }
        case CreatePenIndirect: {
            const uint16_t style = in.U16();
            const int16_t width = in.S16();
            in.Skip(2); // the unused height of the width point
            const QColor color = in.Color();
            if (!in.ok()) return false;
            objects.Create(PenFromStyle(style, std::abs(static_cast<int>(width)), color));
            return true;
        }
        case CreateBrushIndirect: {
            const uint16_t style = in.U16();
            const QColor color = in.Color();
            if (!in.ok()) return false;
            objects.Create(BrushFromStyle(style, color));
            return true;
        }
        case CreatePatternBrush:
        case DibCreatePatternBrush: objects.Create(BrushFromStyle(3, Qt::gray)); return true;
        case CreateFontIndirect:
        case CreatePalette:
        case CreateRegion: objects.Create(std::monostate{}); return true;
        case SelectObject: return Select(in);
        case DeleteObject: {
            const uint16_t slot = in.U16();
            if (!in.ok() || !objects.Valid(slot)) return false;
            objects.Delete(slot);
            return true;
        }
        default: return true; // text, bitmaps, clipping, palettes: not drawn
        }
    }
};

uint32_t Read32(std::span<const uint8_t> data, size_t offset) {
    TByteReader in(data.subspan(offset));
    return in.U32();
}

} // namespace

std::shared_ptr<TMetafile::Records> ParseWmf(std::span<const uint8_t> data) {
    size_t offset = 0;
    std::optional<QRectF> placeableBox;
    double unitsPerInch = DefaultUnitsPerInch;
    if (data.size() >= 4 && Read32(data, 0) == PlaceableKey) {
        TByteReader in(data);
        in.Skip(6); // key, handle
        const double left = in.S16();
        const double top = in.S16();
        const double right = in.S16();
        const double bottom = in.S16();
        const uint16_t inch = in.U16();
        if (!in.ok() || data.size() < PlaceableHeaderBytes) return nullptr;
        if (right != left && bottom != top) placeableBox = QRectF(QPointF(left, top), QPointF(right, bottom));
        if (inch != 0) unitsPerInch = inch;
        offset = PlaceableHeaderBytes;
    }

    TByteReader header(data.subspan(offset));
    const uint16_t type = header.U16();
    const uint16_t headerWords = header.U16();
    const uint16_t version = header.U16();
    header.Skip(4); // file size in words: the data we were given decides
    const uint16_t objectCount = header.U16();
    if (!header.ok() || data.size() - offset < HeaderBytes || (type != 1 && type != 2) || headerWords != 9 ||
        (version != 0x0100 && version != 0x0300))
        return nullptr;
    offset += HeaderBytes;

    auto records = std::make_shared<TMetafile::Records>();
    records->format = TMetafile::Format::Wmf;
    TWmfParser parser{TObjectTable(objectCount), records->ops, {}, {}};
    while (data.size() - offset >= RecordHeaderBytes) {
        TByteReader recordHeader(data.subspan(offset, RecordHeaderBytes));
        const uint32_t words = recordHeader.U32();
        const uint16_t function = recordHeader.U16();
        if (function == Eof) {
            records->complete = true;
            break;
        }
        if (words < RecordHeaderBytes / 2 || words > (data.size() - offset) / 2) break;
        const size_t bytes = static_cast<size_t>(words) * 2;
        TByteReader parameters(data.subspan(offset + RecordHeaderBytes, bytes - RecordHeaderBytes));
        if (!parser.Record(function, parameters)) break;
        offset += bytes;
    }

    // The frame: the placeable header's box, else the first window, else whatever the records draw.
    // The window starts out covering the frame, and the viewport is the frame itself.
    QRectF window;
    if (placeableBox) {
        window = *placeableBox;
    } else if (parser.firstWindowExt && parser.firstWindowExt->width() != 0 &&
               parser.firstWindowExt->height() != 0) {
        window = QRectF(parser.firstWindowOrg.value_or(QPointF(0, 0)), *parser.firstWindowExt);
    } else {
        window = DrawnExtent(records->ops);
    }
    records->bounds = window.normalized();
    records->initialMapping = TMapping{MapAnisotropic, window.topLeft(), window.size(),
                                       records->bounds.topLeft(), records->bounds.size()};
    const double pixelsPerUnit = placeableBox ? 96.0 / unitsPerInch : 1.0;
    records->naturalSize = QSize(static_cast<int>(std::lround(records->bounds.width() * pixelsPerUnit)),
                                 static_cast<int>(std::lround(records->bounds.height() * pixelsPerUnit)));
    records->deviceUnitsPerMm = QSizeF(unitsPerInch / 25.4, unitsPerInch / 25.4);
    return records;
}

} // namespace numerava::metafile
