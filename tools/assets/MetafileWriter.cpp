#include "assets/MetafileWriter.h"

#include <algorithm>
#include <cmath>

namespace numerava::assets {

namespace {

// WMF functions and EMF record types.
constexpr uint32_t WmfSetMapMode = 0x0103;
constexpr uint32_t WmfSetPolyFillMode = 0x0106;
constexpr uint32_t WmfSetWindowOrg = 0x020B;
constexpr uint32_t WmfSetWindowExt = 0x020C;
constexpr uint32_t WmfSetViewportOrg = 0x020D;
constexpr uint32_t WmfSetViewportExt = 0x020E;
constexpr uint32_t WmfLineTo = 0x0213;
constexpr uint32_t WmfMoveTo = 0x0214;
constexpr uint32_t WmfArc = 0x0817;
constexpr uint32_t WmfEllipse = 0x0418;
constexpr uint32_t WmfPie = 0x081A;
constexpr uint32_t WmfRectangle = 0x041B;
constexpr uint32_t WmfRoundRect = 0x061C;
constexpr uint32_t WmfSaveDC = 0x001E;
constexpr uint32_t WmfRestoreDC = 0x0127;
constexpr uint32_t WmfPolygon = 0x0324;
constexpr uint32_t WmfPolyline = 0x0325;
constexpr uint32_t WmfPolyPolygon = 0x0538;
constexpr uint32_t WmfChord = 0x0830;
constexpr uint32_t WmfSelectObject = 0x012D;
constexpr uint32_t WmfDeleteObject = 0x01F0;
constexpr uint32_t WmfCreatePenIndirect = 0x02FA;
constexpr uint32_t WmfCreateBrushIndirect = 0x02FC;

constexpr uint32_t EmfHeader = 1;
constexpr uint32_t EmfPolyBezier = 2;
constexpr uint32_t EmfPolygon = 3;
constexpr uint32_t EmfPolyline = 4;
constexpr uint32_t EmfPolyBezierTo = 5;
constexpr uint32_t EmfPolyPolygon = 8;
constexpr uint32_t EmfSetWindowExtEx = 9;
constexpr uint32_t EmfSetWindowOrgEx = 10;
constexpr uint32_t EmfSetViewportExtEx = 11;
constexpr uint32_t EmfSetViewportOrgEx = 12;
constexpr uint32_t EmfEof = 14;
constexpr uint32_t EmfSetMapMode = 17;
constexpr uint32_t EmfSetPolyFillMode = 19;
constexpr uint32_t EmfMoveToEx = 27;
constexpr uint32_t EmfSaveDC = 33;
constexpr uint32_t EmfRestoreDC = 34;
constexpr uint32_t EmfSelectObject = 37;
constexpr uint32_t EmfCreatePen = 38;
constexpr uint32_t EmfCreateBrushIndirect = 39;
constexpr uint32_t EmfDeleteObject = 40;
constexpr uint32_t EmfEllipse = 42;
constexpr uint32_t EmfRectangle = 43;
constexpr uint32_t EmfRoundRect = 44;
constexpr uint32_t EmfArc = 45;
constexpr uint32_t EmfChord = 46;
constexpr uint32_t EmfPie = 47;
constexpr uint32_t EmfLineTo = 54;
constexpr uint32_t EmfBeginPath = 59;
constexpr uint32_t EmfEndPath = 60;
constexpr uint32_t EmfCloseFigure = 61;
constexpr uint32_t EmfStrokeAndFillPath = 63;
constexpr uint32_t EmfPolyBezier16 = 85;
constexpr uint32_t EmfPolygon16 = 86;
constexpr uint32_t EmfPolyline16 = 87;
constexpr uint32_t EmfPolyBezierTo16 = 88;
constexpr uint32_t EmfPolyPolygon16 = 91;
constexpr uint32_t EmfExtCreatePen = 95;

// The reference device of our EMF headers: exactly 96 pixels per inch.
constexpr int DevicePixelsX = 1920, DevicePixelsY = 1440, DeviceMmX = 508, DeviceMmY = 381;

class TBytes {
public:
    void U16(uint32_t value) {
        data_.append(static_cast<char>(value & 0xFF));
        data_.append(static_cast<char>((value >> 8) & 0xFF));
    }
    void S16(int value) { U16(static_cast<uint32_t>(value) & 0xFFFF); }
    void U32(uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void S32(int value) { U32(static_cast<uint32_t>(value)); }
    void Color(QColor color) {
        U32(static_cast<uint32_t>(color.red()) | static_cast<uint32_t>(color.green()) << 8 |
            static_cast<uint32_t>(color.blue()) << 16);
    }
    void RectL(int left, int top, int right, int bottom) {
        S32(left);
        S32(top);
        S32(right);
        S32(bottom);
    }
    const QByteArray& Data() const { return data_; }

private:
    QByteArray data_;
};

// The points' bounding box, as EMF polygon records carry it.
void BoundsOf(TBytes& out, std::span<const QPoint> points) {
    if (points.empty()) {
        out.RectL(0, 0, -1, -1);
        return;
    }
    int left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (const QPoint& p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    out.RectL(left, top, right, bottom);
}

// Cubic segments as short straight pieces, for WMF.
std::vector<QPoint> Flatten(std::span<const QPoint> points) {
    constexpr int Steps = 12;
    std::vector<QPoint> flat;
    if (points.empty()) return flat;
    flat.push_back(points[0]);
    for (size_t i = 1; i + 2 < points.size(); i += 3) {
        const QPointF p0 = points[i - 1], c1 = points[i], c2 = points[i + 1], p3 = points[i + 2];
        for (int step = 1; step <= Steps; ++step) {
            const double t = static_cast<double>(step) / Steps, u = 1 - t;
            const QPointF p = u * u * u * p0 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * p3;
            flat.push_back(p.toPoint());
        }
    }
    return flat;
}

} // namespace

TMetafileWriter::TMetafileWriter(Format format, QSize logicalSize, QSize naturalSize)
    : format_(format), logicalSize_(logicalSize), naturalSize_(naturalSize) {
    if (format_ == Format::Emf) {
        slots_.push_back(true);
        if (logicalSize_ != naturalSize_) {
            SetMapMode(MapAnisotropic);
            SetWindowExt(logicalSize_);
            SetViewportExt(naturalSize_);
        }
    } else {
        SetWindowOrg(QPoint(0, 0));
        SetWindowExt(logicalSize_);
    }
}

void TMetafileWriter::Record(uint32_t type, const QByteArray& parameters) {
    TBytes out;
    QByteArray padded = parameters;
    if (format_ == Format::Wmf) {
        if (padded.size() % 2) padded.append('\0');
        const auto words = static_cast<uint32_t>(3 + padded.size() / 2);
        out.U32(words);
        out.U16(type);
        largestRecord_ = std::max(largestRecord_, words);
    } else {
        while (padded.size() % 4) padded.append('\0');
        out.U32(type);
        out.U32(static_cast<uint32_t>(8 + padded.size()));
    }
    records_ += out.Data() + padded;
    ++recordCount_;
}

uint32_t TMetafileWriter::NewSlot() {
    const auto free = std::find(slots_.begin(), slots_.end(), false);
    if (free != slots_.end()) {
        *free = true;
        return static_cast<uint32_t>(free - slots_.begin());
    }
    slots_.push_back(true);
    return static_cast<uint32_t>(slots_.size() - 1);
}

uint32_t TMetafileWriter::CreatePen(uint32_t style, int width, QColor color) {
    const uint32_t slot = NewSlot();
    TBytes out;
    if (format_ == Format::Wmf) {
        out.U16(style);
        out.S16(width);
        out.S16(0);
        out.Color(color);
        Record(WmfCreatePenIndirect, out.Data());
    } else {
        out.U32(slot);
        out.U32(style);
        out.S32(width);
        out.S32(0);
        out.Color(color);
        Record(EmfCreatePen, out.Data());
    }
    return slot;
}

uint32_t TMetafileWriter::CreateExtPen(uint32_t style, int width, QColor color) {
    if (format_ == Format::Wmf) return CreatePen(style, width, color);
    constexpr uint32_t Geometric = 0x00010000;
    const uint32_t slot = NewSlot();
    TBytes out;
    out.U32(slot);
    for (int i = 0; i < 4; ++i) out.U32(0); // no pattern bitmap
    out.U32(style | Geometric);
    out.U32(static_cast<uint32_t>(width));
    out.U32(BrushSolid);
    out.Color(color);
    out.U32(0); // hatch
    out.U32(0); // no style entries
    Record(EmfExtCreatePen, out.Data());
    return slot;
}

uint32_t TMetafileWriter::CreateBrush(uint32_t style, QColor color) {
    const uint32_t slot = NewSlot();
    TBytes out;
    if (format_ == Format::Wmf) {
        out.U16(style);
        out.Color(color);
        out.U16(0);
        Record(WmfCreateBrushIndirect, out.Data());
    } else {
        out.U32(slot);
        out.U32(style);
        out.Color(color);
        out.U32(0);
        Record(EmfCreateBrushIndirect, out.Data());
    }
    return slot;
}

void TMetafileWriter::SelectObject(uint32_t slot) {
    TBytes out;
    if (format_ == Format::Wmf) out.U16(slot);
    else out.U32(slot);
    Record(format_ == Format::Wmf ? WmfSelectObject : EmfSelectObject, out.Data());
}

void TMetafileWriter::DeleteObject(uint32_t slot) {
    TBytes out;
    if (format_ == Format::Wmf) out.U16(slot);
    else out.U32(slot);
    Record(format_ == Format::Wmf ? WmfDeleteObject : EmfDeleteObject, out.Data());
    if (slot < slots_.size()) slots_[slot] = false;
}

void TMetafileWriter::Replace(uint32_t& current, uint32_t slot) {
    SelectObject(slot);
    if (current != NoSlot) DeleteObject(current);
    current = slot;
}

void TMetafileWriter::SetPen(QColor color, int width) {
    const uint32_t slot = format_ == Format::Emf && width > 0 ? CreateExtPen(PenSolid, width, color)
                                                              : CreatePen(PenSolid, width, color);
    Replace(currentPen_, slot);
}

void TMetafileWriter::SetNoPen() { Replace(currentPen_, CreatePen(PenNull, 0, Qt::black)); }
void TMetafileWriter::SetBrush(QColor color) { Replace(currentBrush_, CreateBrush(BrushSolid, color)); }
void TMetafileWriter::SetNoBrush() { Replace(currentBrush_, CreateBrush(BrushNull, Qt::black)); }

void TMetafileWriter::SetWinding(bool winding) {
    TBytes out;
    if (format_ == Format::Wmf) {
        out.U16(winding ? 2 : 1);
        Record(WmfSetPolyFillMode, out.Data());
    } else {
        out.U32(winding ? 2 : 1);
        Record(EmfSetPolyFillMode, out.Data());
    }
}

void TMetafileWriter::SetMapMode(uint32_t mode) {
    TBytes out;
    if (format_ == Format::Wmf) out.U16(mode);
    else out.U32(mode);
    Record(format_ == Format::Wmf ? WmfSetMapMode : EmfSetMapMode, out.Data());
}

namespace {
// WMF pairs run y first; EMF pairs x first.
QByteArray Pair(TMetafileWriter::Format format, int x, int y) {
    TBytes out;
    if (format == TMetafileWriter::Format::Wmf) {
        out.S16(y);
        out.S16(x);
    } else {
        out.S32(x);
        out.S32(y);
    }
    return out.Data();
}
} // namespace

void TMetafileWriter::SetWindowOrg(QPoint origin) {
    Record(format_ == Format::Wmf ? WmfSetWindowOrg : EmfSetWindowOrgEx,
           Pair(format_, origin.x(), origin.y()));
}
void TMetafileWriter::SetWindowExt(QSize extent) {
    Record(format_ == Format::Wmf ? WmfSetWindowExt : EmfSetWindowExtEx,
           Pair(format_, extent.width(), extent.height()));
}
void TMetafileWriter::SetViewportOrg(QPoint origin) {
    Record(format_ == Format::Wmf ? WmfSetViewportOrg : EmfSetViewportOrgEx,
           Pair(format_, origin.x(), origin.y()));
}
void TMetafileWriter::SetViewportExt(QSize extent) {
    Record(format_ == Format::Wmf ? WmfSetViewportExt : EmfSetViewportExtEx,
           Pair(format_, extent.width(), extent.height()));
}
void TMetafileWriter::MoveTo(QPoint point) {
    Record(format_ == Format::Wmf ? WmfMoveTo : EmfMoveToEx, Pair(format_, point.x(), point.y()));
}
void TMetafileWriter::LineTo(QPoint point) {
    Record(format_ == Format::Wmf ? WmfLineTo : EmfLineTo, Pair(format_, point.x(), point.y()));
}

void TMetafileWriter::SaveDC() { Record(format_ == Format::Wmf ? WmfSaveDC : EmfSaveDC, {}); }

void TMetafileWriter::RestoreDC(int which) {
    TBytes out;
    if (format_ == Format::Wmf) out.S16(which);
    else out.S32(which);
    Record(format_ == Format::Wmf ? WmfRestoreDC : EmfRestoreDC, out.Data());
}

bool TMetafileWriter::Short(std::span<const QPoint> points) const {
    if (widePoints_) return false;
    return std::all_of(points.begin(), points.end(), [](const QPoint& p) {
        return p.x() >= -32768 && p.x() <= 32767 && p.y() >= -32768 && p.y() <= 32767;
    });
}

void TMetafileWriter::Poly(uint32_t wideType, uint32_t shortType, uint32_t wmfFunction,
                           std::span<const QPoint> points) {
    TBytes out;
    if (format_ == Format::Wmf) {
        out.S16(static_cast<int>(points.size()));
        for (const QPoint& p : points) {
            out.S16(p.x());
            out.S16(p.y());
        }
        Record(wmfFunction, out.Data());
        return;
    }
    const bool narrow = Short(points);
    BoundsOf(out, points);
    out.U32(static_cast<uint32_t>(points.size()));
    for (const QPoint& p : points) {
        if (narrow) {
            out.S16(p.x());
            out.S16(p.y());
        } else {
            out.S32(p.x());
            out.S32(p.y());
        }
    }
    Record(narrow ? shortType : wideType, out.Data());
}

void TMetafileWriter::Polygon(std::span<const QPoint> points) {
    Poly(EmfPolygon, EmfPolygon16, WmfPolygon, points);
}
void TMetafileWriter::Polyline(std::span<const QPoint> points) {
    Poly(EmfPolyline, EmfPolyline16, WmfPolyline, points);
}

void TMetafileWriter::PolyPolygon(std::span<const std::vector<QPoint>> polygons) {
    std::vector<QPoint> all;
    for (const auto& polygon : polygons) all.insert(all.end(), polygon.begin(), polygon.end());
    TBytes out;
    const bool narrow = format_ == Format::Wmf || Short(all);
    if (format_ == Format::Wmf) {
        out.U16(static_cast<uint32_t>(polygons.size()));
        for (const auto& polygon : polygons) out.U16(static_cast<uint32_t>(polygon.size()));
    } else {
        BoundsOf(out, all);
        out.U32(static_cast<uint32_t>(polygons.size()));
        out.U32(static_cast<uint32_t>(all.size()));
        for (const auto& polygon : polygons) out.U32(static_cast<uint32_t>(polygon.size()));
    }
    for (const QPoint& p : all) {
        if (narrow) {
            out.S16(p.x());
            out.S16(p.y());
        } else {
            out.S32(p.x());
            out.S32(p.y());
        }
    }
    Record(format_ == Format::Wmf ? WmfPolyPolygon : narrow ? EmfPolyPolygon16 : EmfPolyPolygon, out.Data());
}

void TMetafileWriter::Box(uint32_t emfType, uint32_t wmfFunction, int left, int top, int right, int bottom) {
    TBytes out;
    if (format_ == Format::Wmf) {
        out.S16(bottom);
        out.S16(right);
        out.S16(top);
        out.S16(left);
        Record(wmfFunction, out.Data());
    } else {
        out.RectL(left, top, right, bottom);
        Record(emfType, out.Data());
    }
}

void TMetafileWriter::Rectangle(int left, int top, int right, int bottom) {
    Box(EmfRectangle, WmfRectangle, left, top, right, bottom);
}
void TMetafileWriter::Ellipse(int left, int top, int right, int bottom) {
    Box(EmfEllipse, WmfEllipse, left, top, right, bottom);
}

void TMetafileWriter::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    TBytes out;
    if (format_ == Format::Wmf) {
        out.S16(cornerHeight);
        out.S16(cornerWidth);
        out.S16(bottom);
        out.S16(right);
        out.S16(top);
        out.S16(left);
        Record(WmfRoundRect, out.Data());
    } else {
        out.RectL(left, top, right, bottom);
        out.S32(cornerWidth);
        out.S32(cornerHeight);
        Record(EmfRoundRect, out.Data());
    }
}

void TMetafileWriter::ArcLike(uint32_t emfType, uint32_t wmfFunction, int left, int top, int right,
                              int bottom, QPoint start, QPoint end) {
    TBytes out;
    if (format_ == Format::Wmf) {
        out.S16(end.y());
        out.S16(end.x());
        out.S16(start.y());
        out.S16(start.x());
        out.S16(bottom);
        out.S16(right);
        out.S16(top);
        out.S16(left);
        Record(wmfFunction, out.Data());
    } else {
        out.RectL(left, top, right, bottom);
        out.S32(start.x());
        out.S32(start.y());
        out.S32(end.x());
        out.S32(end.y());
        Record(emfType, out.Data());
    }
}

void TMetafileWriter::Arc(int left, int top, int right, int bottom, QPoint start, QPoint end) {
    ArcLike(EmfArc, WmfArc, left, top, right, bottom, start, end);
}
void TMetafileWriter::Pie(int left, int top, int right, int bottom, QPoint start, QPoint end) {
    ArcLike(EmfPie, WmfPie, left, top, right, bottom, start, end);
}
void TMetafileWriter::Chord(int left, int top, int right, int bottom, QPoint start, QPoint end) {
    ArcLike(EmfChord, WmfChord, left, top, right, bottom, start, end);
}

void TMetafileWriter::PolyBezier(std::span<const QPoint> points) {
    if (format_ == Format::Wmf) {
        const std::vector<QPoint> flat = Flatten(points);
        Polyline(flat);
    } else {
        Poly(EmfPolyBezier, EmfPolyBezier16, 0, points);
    }
}

void TMetafileWriter::BezierShape(std::span<const QPoint> points) {
    if (format_ == Format::Wmf) {
        const std::vector<QPoint> flat = Flatten(points);
        Polygon(flat);
        return;
    }
    if (points.empty()) return;
    Record(EmfBeginPath, {});
    MoveTo(points[0]);
    Poly(EmfPolyBezierTo, EmfPolyBezierTo16, 0, points.subspan(1));
    Record(EmfCloseFigure, {});
    Record(EmfEndPath, {});
    TBytes bounds;
    BoundsOf(bounds, points);
    Record(EmfStrokeAndFillPath, bounds.Data());
}

QByteArray TMetafileWriter::Bytes() const {
    TBytes out;
    if (format_ == Format::Wmf) {
        // Placeable header: the frame in logical units and how many of them make an inch.
        TBytes placeable;
        placeable.U32(0x9AC6CDD7);
        placeable.U16(0);
        placeable.S16(0);
        placeable.S16(0);
        placeable.S16(logicalSize_.width());
        placeable.S16(logicalSize_.height());
        placeable.U16(static_cast<uint32_t>(std::lround(logicalSize_.width() * 96.0 / naturalSize_.width())));
        placeable.U32(0);
        uint32_t checksum = 0;
        const QByteArray& head = placeable.Data();
        for (int i = 0; i < head.size(); i += 2)
            checksum ^=
                static_cast<uint8_t>(head[i]) | static_cast<uint32_t>(static_cast<uint8_t>(head[i + 1])) << 8;
        placeable.U16(checksum);

        const auto words = static_cast<uint32_t>((18 + records_.size() + 6) / 2);
        out.U16(1); // a memory metafile, as the system writes them to disk too
        out.U16(9);
        out.U16(0x0300);
        out.U32(words);
        out.U16(static_cast<uint32_t>(slots_.size()));
        out.U32(std::max<uint32_t>(largestRecord_, 3));
        out.U16(0);
        QByteArray file = placeable.Data() + out.Data() + records_;
        TBytes eof;
        eof.U32(3);
        eof.U16(0);
        return file + eof.Data();
    }

    constexpr int HeaderBytes = 108;
    constexpr int EofBytes = 20;
    const auto hundredthsMm = [](int pixels) { return static_cast<int>(std::lround(pixels * 2540.0 / 96)); };
    out.U32(EmfHeader);
    out.U32(HeaderBytes);
    out.RectL(0, 0, naturalSize_.width() - 1, naturalSize_.height() - 1);
    out.RectL(0, 0, hundredthsMm(naturalSize_.width()), hundredthsMm(naturalSize_.height()));
    out.U32(0x464D4520);
    out.U32(0x00010000);
    out.U32(static_cast<uint32_t>(HeaderBytes + records_.size() + EofBytes));
    out.U32(recordCount_ + 2);
    out.U16(static_cast<uint32_t>(slots_.size()));
    out.U16(0);
    out.U32(0); // no description
    out.U32(0);
    out.U32(0); // no palette
    out.S32(DevicePixelsX);
    out.S32(DevicePixelsY);
    out.S32(DeviceMmX);
    out.S32(DeviceMmY);
    out.U32(0); // no pixel format
    out.U32(0);
    out.U32(0); // not OpenGL
    out.S32(DeviceMmX * 1000);
    out.S32(DeviceMmY * 1000);
    TBytes eof;
    eof.U32(EmfEof);
    eof.U32(EofBytes);
    eof.U32(0);
    eof.U32(16);
    eof.U32(EofBytes);
    return out.Data() + records_ + eof.Data();
}

} // namespace numerava::assets
