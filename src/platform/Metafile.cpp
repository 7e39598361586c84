#include "platform/Metafile.h"

#include "platform/MetafileRecords.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace numerava {

namespace metafile {

TLogicalPen PenFromStyle(uint32_t style, double width, QColor color) {
    enum : uint32_t {
        NullStyle = 5,
        InsideFrame = 6,
        CapSquare = 0x100,
        CapFlat = 0x200,
        JoinBevel = 0x1000,
        JoinMiter = 0x2000
    };
    TLogicalPen pen;
    pen.visible = (style & 0xF) != NullStyle;
    pen.insideFrame = (style & 0xF) == InsideFrame;
    pen.color = color;
    pen.width = width;
    pen.cosmetic = width <= 0;
    const uint32_t cap = style & 0xF00;
    pen.cap = cap == CapSquare ? Qt::SquareCap : cap == CapFlat ? Qt::FlatCap : Qt::RoundCap;
    const uint32_t join = style & 0xF000;
    pen.join = join == JoinBevel ? Qt::BevelJoin : join == JoinMiter ? Qt::MiterJoin : Qt::RoundJoin;
    return pen;
}

TLogicalBrush BrushFromStyle(uint32_t style, QColor color) {
    enum : uint32_t { Solid = 0, Null = 1, Hatched = 2 };
    if (style == Null) return TLogicalBrush{false, color};
    if (style == Solid || style == Hatched) return TLogicalBrush{true, color};
    return TLogicalBrush{true, QColor(128, 128, 128)};
}

QRectF DrawnExtent(const std::vector<TOp>& ops) {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    const auto add = [&](QPointF point) {
        if (!any) {
            left = right = point.x();
            top = bottom = point.y();
            any = true;
        }
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        top = std::min(top, point.y());
        bottom = std::max(bottom, point.y());
    };
    for (const TOp& op : ops) {
        if (const auto* poly = std::get_if<TPolyOp>(&op)) {
            for (const QPointF& point : poly->points) add(point);
        } else if (const auto* box = std::get_if<TBoxOp>(&op)) {
            add(box->box.topLeft());
            add(box->box.bottomRight());
        } else if (const auto* line = std::get_if<TLineToOp>(&op)) {
            add(line->point);
        }
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

namespace {

constexpr size_t MaxSavedStates = 256;
// Shapes that would reach further than this from the painter's origin (in its device pixels) are
// left out: only damaged files draw them, and the rasteriser is slow and imprecise out there.
constexpr double PaintLimit = 1 << 22;

struct TDrawingState {
    TLogicalPen pen;
    TLogicalBrush brush;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    TMapping mapping;
    QTransform world;
    QPointF position;
    bool clockwise = false;
};

bool Finite(const QTransform& t) {
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) &&
           std::isfinite(t.m22()) && std::isfinite(t.dx()) && std::isfinite(t.dy());
}

// Qt's arc angles are parametric, counter-clockwise on screen, in degrees: the angle of the point of
// the ellipse on the ray from the centre through `point`.
double ArcAngle(const QRectF& box, QPointF point) {
    const QPointF centre = box.center();
    const double rx = box.width() / 2;
    const double ry = box.height() / 2;
    const double dx = rx > 0 ? (point.x() - centre.x()) / rx : point.x() - centre.x();
    const double dy = ry > 0 ? (point.y() - centre.y()) / ry : point.y() - centre.y();
    return std::atan2(-dy, dx) * 180 / M_PI;
}

// Sweep from start to end in the drawing direction; equal angles make a full turn.
double Sweep(double start, double end, bool clockwise) {
    double sweep = std::fmod(end - start, 360.0);
    if (sweep <= 0) sweep += 360;
    if (!clockwise) return sweep;
    return sweep == 360 ? -360 : sweep - 360;
}

class TPlayer {
public:
    TPlayer(const TMetafile::Records& records, QPainter& painter, const QRectF& target)
        : records_(records), painter_(painter) {
        const QRectF& bounds = records.bounds;
        toPainter_ =
            QTransform::fromTranslate(-bounds.left(), -bounds.top()) *
            QTransform::fromScale(target.width() / bounds.width(), target.height() / bounds.height()) *
            QTransform::fromTranslate(target.left(), target.top()) * painter.transform();
        state_.mapping = records.initialMapping;
    }

    void Run() {
        for (const TOp& op : records_.ops) std::visit(*this, op);
    }

    void operator()(const TMappingOp& op) {
        TMapping& m = state_.mapping;
        switch (op.what) {
        case TMappingOp::WindowOrg: m.windowOrg = QPointF(op.x, op.y); break;
        case TMappingOp::WindowExt:
            if (op.x != 0 && op.y != 0) m.windowExt = QSizeF(op.x, op.y);
            break;
        case TMappingOp::ViewportOrg: m.viewportOrg = QPointF(op.x, op.y); break;
        case TMappingOp::ViewportExt:
            if (op.x != 0 && op.y != 0) m.viewportExt = QSizeF(op.x, op.y);
            break;
        case TMappingOp::OffsetWindowOrg: m.windowOrg += QPointF(op.x, op.y); break;
        case TMappingOp::OffsetViewportOrg: m.viewportOrg += QPointF(op.x, op.y); break;
        case TMappingOp::ScaleWindowExt:
        case TMappingOp::ScaleViewportExt: {
            if (op.x == 0 || op.y == 0 || op.xDenom == 0 || op.yDenom == 0) break;
            QSizeF& extent = op.what == TMappingOp::ScaleWindowExt ? m.windowExt : m.viewportExt;
            extent = QSizeF(extent.width() * op.x / op.xDenom, extent.height() * op.y / op.yDenom);
            break;
        }
        }
    }
    void operator()(const TMapModeOp& op) { state_.mapping.mode = op.mode; }
    void operator()(const TWorldTransformOp& op) {
        switch (op.mode) {
        case TWorldTransformOp::Identity: state_.world.reset(); break;
        case TWorldTransformOp::LeftMultiply: state_.world = op.transform * state_.world; break;
        case TWorldTransformOp::RightMultiply: state_.world = state_.world * op.transform; break;
        default: state_.world = op.transform; break;
        }
    }
    void operator()(const TSelectPenOp& op) { state_.pen = op.pen; }
    void operator()(const TSelectBrushOp& op) { state_.brush = op.brush; }
    void operator()(const TFillModeOp& op) { state_.fillRule = op.rule; }
    void operator()(const TArcDirectionOp& op) { state_.clockwise = op.clockwise; }
    void operator()(const TSaveOp&) {
        // Beyond the limit a save is refused, as the system refuses it when out of memory.
        if (saved_.size() < MaxSavedStates) saved_.push_back(state_);
    }
    void operator()(const TRestoreOp& op) {
        // Negative: that many saves back; positive: the save with that number (counted from 1).
        const long long count = static_cast<long long>(saved_.size());
        const long long keep = op.which < 0 ? count + op.which : op.which - 1;
        if (op.which == 0 || keep < 0 || keep >= count) return;
        state_ = saved_[static_cast<size_t>(keep)];
        saved_.resize(static_cast<size_t>(keep));
    }
    void operator()(const TMoveToOp& op) {
        state_.position = op.point;
        if (inPath_) {
            path_.moveTo(ToDevice().map(op.point));
            figureOpen_ = true;
        }
    }
    void operator()(const TLineToOp& op) {
        if (inPath_) {
            StartFigure();
            path_.lineTo(ToDevice().map(op.point));
        } else {
            QPainterPath path(state_.position);
            path.lineTo(op.point);
            Draw(path, false);
        }
        state_.position = op.point;
    }
    void operator()(const TPolyOp& op) {
        const std::vector<QPointF>& p = op.points;
        QPainterPath path;
        switch (op.kind) {
        case TPolyOp::Polygon:
        case TPolyOp::Polyline:
            if (p.size() < 2) return;
            path.addPolygon(QPolygonF(QList<QPointF>(p.begin(), p.end())));
            if (op.kind == TPolyOp::Polygon) path.closeSubpath();
            Draw(path, op.kind == TPolyOp::Polygon);
            return;
        case TPolyOp::Bezier:
            if (p.size() < 4) return;
            path.moveTo(p[0]);
            for (size_t i = 1; i + 2 < p.size(); i += 3) path.cubicTo(p[i], p[i + 1], p[i + 2]);
            Draw(path, false);
            return;
        case TPolyOp::PolylineTo:
        case TPolyOp::BezierTo: Continue(op); return;
        case TPolyOp::PolyPolygon:
        case TPolyOp::PolyPolyline: {
            size_t first = 0;
            for (const uint32_t count : op.counts) {
                if (count >= 2) {
                    path.addPolygon(
                        QPolygonF(QList<QPointF>(p.begin() + static_cast<std::ptrdiff_t>(first),
                                                 p.begin() + static_cast<std::ptrdiff_t>(first + count))));
                    if (op.kind == TPolyOp::PolyPolygon) path.closeSubpath();
                }
                first += count;
            }
            Draw(path, op.kind == TPolyOp::PolyPolygon);
            return;
        }
        }
    }
    void operator()(const TBoxOp& op) {
        QRectF box = op.box.normalized();
        if (state_.pen.insideFrame && state_.pen.visible && !state_.pen.cosmetic &&
            op.kind != TBoxOp::ArcTo && op.kind != TBoxOp::Arc) {
            const double inset = std::min({state_.pen.width / 2, box.width() / 2, box.height() / 2});
            box.adjust(inset, inset, -inset, -inset);
        }
        QPainterPath path;
        switch (op.kind) {
        case TBoxOp::Rectangle: path.addRect(box); break;
        case TBoxOp::Ellipse: path.addEllipse(box); break;
        case TBoxOp::RoundRect:
            path.addRoundedRect(box, std::fabs(op.first.x()) / 2, std::fabs(op.first.y()) / 2);
            break;
        case TBoxOp::Arc:
        case TBoxOp::ArcTo:
        case TBoxOp::Pie:
        case TBoxOp::Chord: {
            // The direction is the device's: a mirrored mapping turns it round in logical units.
            const bool clockwise = state_.clockwise != (ToDevice().determinant() < 0);
            const double start = ArcAngle(box, op.first);
            const double sweep = Sweep(start, ArcAngle(box, op.second), clockwise);
            if (op.kind == TBoxOp::Pie) {
                path.moveTo(box.center());
                path.arcTo(box, start, sweep);
            } else if (op.kind == TBoxOp::ArcTo) {
                path.moveTo(state_.position);
                path.arcTo(box, start, sweep);
                state_.position = path.currentPosition();
            } else {
                path.arcMoveTo(box, start);
                path.arcTo(box, start, sweep);
            }
            if (op.kind == TBoxOp::Pie || op.kind == TBoxOp::Chord) path.closeSubpath();
            if (op.kind == TBoxOp::ArcTo && inPath_) {
                StartFigure();
                path_.connectPath(ToDevice().map(path));
                return;
            }
            Draw(path, op.kind == TBoxOp::Pie || op.kind == TBoxOp::Chord);
            return;
        }
        }
        Draw(path, true);
    }
    void operator()(const TPathOp& op) {
        switch (op.command) {
        case TPathOp::Begin:
            path_ = QPainterPath();
            inPath_ = true;
            figureOpen_ = false;
            break;
        case TPathOp::End: inPath_ = false; break;
        case TPathOp::CloseFigure:
            if (inPath_ && figureOpen_) {
                path_.closeSubpath();
                figureOpen_ = false;
            }
            break;
        case TPathOp::Abort:
            path_ = QPainterPath();
            inPath_ = false;
            break;
        case TPathOp::Fill:
        case TPathOp::Stroke:
        case TPathOp::StrokeAndFill: {
            if (inPath_) break;
            const QTransform toDevice = ToDevice();
            Paint(path_, toPainter_, op.command != TPathOp::Stroke, op.command != TPathOp::Fill,
                  PenWidth(toDevice * toPainter_));
            path_ = QPainterPath();
            break;
        }
        }
    }

private:
    // Logical units to the reference device: world transform, then window onto viewport.
    QTransform ToDevice() const {
        const TMapping& m = state_.mapping;
        double sx = 1, sy = 1;
        if (m.mode == MapIsotropic || m.mode == MapAnisotropic) {
            sx = m.viewportExt.width() / m.windowExt.width();
            sy = m.viewportExt.height() / m.windowExt.height();
            if (m.mode == MapIsotropic) {
                const double scale = std::min(std::fabs(sx), std::fabs(sy));
                sx = std::copysign(scale, sx);
                sy = std::copysign(scale, sy);
            }
        } else if (m.mode != MapText) {
            // Fixed units with y pointing up.
            const double mmPerUnit = m.mode == MapLoMetric    ? 0.1
                                     : m.mode == MapHiMetric  ? 0.01
                                     : m.mode == MapLoEnglish ? 0.254
                                     : m.mode == MapHiEnglish ? 0.0254
                                                              : 25.4 / 1440;
            sx = mmPerUnit * records_.deviceUnitsPerMm.width();
            sy = -mmPerUnit * records_.deviceUnitsPerMm.height();
        }
        const QTransform page(sx, 0, 0, sy, m.viewportOrg.x() - m.windowOrg.x() * sx,
                              m.viewportOrg.y() - m.windowOrg.y() * sy);
        return state_.world * page;
    }

    // Pen width in the painter's pixels: logical widths scale with the mapping; never thinner than one.
    double PenWidth(const QTransform& toPainter) const {
        if (state_.pen.cosmetic) return 1;
        return std::max(1.0, state_.pen.width * std::sqrt(std::fabs(toPainter.determinant())));
    }

    void StartFigure() {
        if (!figureOpen_) {
            path_.moveTo(ToDevice().map(state_.position));
            figureOpen_ = true;
        }
    }

    // PolylineTo and PolyBezierTo: from the current position, which moves to the last point.
    void Continue(const TPolyOp& op) {
        const std::vector<QPointF>& p = op.points;
        const size_t used = op.kind == TPolyOp::BezierTo ? p.size() / 3 * 3 : p.size();
        if (used == 0) return;
        QPainterPath path(state_.position);
        if (op.kind == TPolyOp::BezierTo) {
            for (size_t i = 0; i + 2 < used; i += 3) path.cubicTo(p[i], p[i + 1], p[i + 2]);
        } else {
            for (size_t i = 0; i < used; ++i) path.lineTo(p[i]);
        }
        state_.position = p[used - 1];
        if (inPath_) {
            StartFigure();
            path_.connectPath(ToDevice().map(path));
        } else {
            Draw(path, false);
        }
    }

    // A shape in logical units: added to the open path, or filled (closed shapes) and outlined.
    void Draw(const QPainterPath& path, bool closed) {
        const QTransform toDevice = ToDevice();
        if (inPath_) {
            path_.addPath(toDevice.map(path));
            figureOpen_ = false;
            return;
        }
        const QTransform toPainter = toDevice * toPainter_;
        Paint(path, toPainter, closed, true, PenWidth(toPainter));
    }

    void Paint(QPainterPath path, const QTransform& transform, bool fill, bool stroke, double penWidth) {
        fill = fill && state_.brush.visible;
        stroke = stroke && state_.pen.visible;
        if ((!fill && !stroke) || path.isEmpty() || !Finite(transform) ||
            std::fabs(transform.determinant()) < 1e-12)
            return;
        const QRectF reach =
            transform.mapRect(path.controlPointRect()).adjusted(-penWidth, -penWidth, penWidth, penWidth);
        if (!(std::fabs(reach.left()) < PaintLimit && std::fabs(reach.right()) < PaintLimit &&
              std::fabs(reach.top()) < PaintLimit && std::fabs(reach.bottom()) < PaintLimit))
            return;
        path.setFillRule(state_.fillRule);
        QPen pen(Qt::NoPen);
        if (stroke) {
            pen = QPen(state_.pen.color, penWidth, Qt::SolidLine, state_.pen.cap, state_.pen.join);
            pen.setCosmetic(true);
        }
        painter_.setTransform(transform);
        painter_.setPen(pen);
        painter_.setBrush(fill ? QBrush(state_.brush.color) : QBrush(Qt::NoBrush));
        painter_.drawPath(path);
    }

    const TMetafile::Records& records_;
    QPainter& painter_;
    QTransform toPainter_; // reference device to the painter's device
    TDrawingState state_;
    std::vector<TDrawingState> saved_;
    bool inPath_ = false;
    bool figureOpen_ = false;
    QPainterPath path_; // the path bracket's figures, in reference-device units
};

} // namespace
} // namespace metafile

std::optional<TMetafile> TMetafile::Parse(std::span<const uint8_t> data) {
    std::shared_ptr<Records> records = metafile::ParseWmf(data);
    if (!records) records = metafile::ParseEmf(data);
    if (!records) return std::nullopt;
    return TMetafile(std::move(records));
}

TMetafile::TMetafile(std::shared_ptr<const Records> records) : records_(std::move(records)) {}
TMetafile::TMetafile(TMetafile&&) noexcept = default;
TMetafile& TMetafile::operator=(TMetafile&&) noexcept = default;
TMetafile::TMetafile(const TMetafile&) = default;
TMetafile& TMetafile::operator=(const TMetafile&) = default;
TMetafile::~TMetafile() = default;

TMetafile::Format TMetafile::Kind() const { return records_->format; }
bool TMetafile::Complete() const { return records_->complete; }
QRectF TMetafile::Bounds() const { return records_->bounds; }
QSize TMetafile::NaturalSize() const { return records_->naturalSize; }

void TMetafile::Play(QPainter& painter, const QRectF& target) const {
    const QRectF& bounds = records_->bounds;
    if (!painter.isActive() || !(bounds.width() > 0 && bounds.height() > 0) || target.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(target, Qt::IntersectClip);
    metafile::TPlayer player(*records_, painter, target);
    player.Run();
    painter.restore();
}

} // namespace numerava
