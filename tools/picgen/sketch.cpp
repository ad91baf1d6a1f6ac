#include "sketch.hpp"

#include <QFont>
#include <QPen>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace oru::picgen {
namespace {

constexpr double kFeedPx = 1.8;
constexpr double kRapidPx = 1.5;
constexpr double kThinPx = 1.0;
constexpr double kGapPx = 4.0;  // between a box and the dimension line it labels

QPen pen(const QColor& c, double widthPx) {
    QPen p(c, widthPx * kPx);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

QPen dashed(const QColor& c, double widthPx, std::initializer_list<double> patternPx) {
    QPen p = pen(c, widthPx);
    QList<qreal> pattern;
    for (double d : patternPx)
        pattern << d / widthPx;
    p.setDashPattern(pattern);
    return p;
}

QPointF towards(QPointF from, QPointF to, double distance) {
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0) return from;
    return from + d * (distance / len);
}

double centreX(const Rect& r) { return r.x + r.w / 2.0; }
double centreY(const Rect& r) { return r.y + r.h / 2.0; }

}  // namespace

Canvas::Canvas(int widthTwips, int heightTwips, bool opaque)
    : img_(static_cast<int>(std::lround(widthTwips / kPx * kScale)),
           static_cast<int>(std::lround(heightTwips / kPx * kScale)),
           QImage::Format_ARGB32_Premultiplied),
      w_(widthTwips),
      h_(heightTwips) {
    img_.fill(opaque ? color::paper : QColor(Qt::transparent));
    p_.begin(&img_);
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setRenderHint(QPainter::TextAntialiasing);
    p_.scale(kScale / kPx, kScale / kPx);
}

QImage Canvas::finish() {
    p_.end();
    return img_;
}

void Canvas::part(const QPolygonF& outline) {
    p_.setPen(pen(color::partLine, kThinPx * 1.5));
    p_.setBrush(color::partFill);
    p_.drawPolygon(outline);
}

void Canvas::stock(const QPolygonF& outline) {
    p_.setPen(dashed(color::stockLine, kThinPx, {3, 2}));
    p_.setBrush(color::stockFill);
    p_.drawPolygon(outline);
}

void Canvas::hole(const QPolygonF& outline) {
    p_.setPen(pen(color::partLine, kThinPx * 1.5));
    p_.setBrush(color::paper);
    p_.drawPolygon(outline);
}

void Canvas::hatch(const QPolygonF& outline) {
    part(outline);
    p_.save();
    QPainterPath clip;
    clip.addPolygon(outline);
    p_.setClipPath(clip);
    p_.setPen(pen(color::partLine, 0.6));
    const QRectF b = outline.boundingRect();
    const double step = 6 * kPx;
    for (double x = b.left() - b.height(); x < b.right(); x += step)
        p_.drawLine(QPointF(x, b.bottom()), QPointF(x + b.height(), b.top()));
    p_.restore();
}

void Canvas::jaws(const QRectF& r) {
    p_.setPen(pen(color::partLine, kThinPx));
    p_.setBrush(color::partLine);
    p_.drawRect(r);
}

void Canvas::tool(const QPolygonF& insert, const QPolygonF& body) {
    if (!body.isEmpty()) {
        p_.setPen(pen(color::toolLine, kThinPx));
        p_.setBrush(color::holder);
        p_.drawPolygon(body);
    }
    p_.setPen(pen(color::toolLine, kThinPx));
    p_.setBrush(color::toolFill);
    p_.drawPolygon(insert);
}

void Canvas::arrowHead(QPointF tip, QPointF from, const QColor& c, double size) {
    const QPointF d = tip - from;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const double l = size * kPx;
    const double w = size * 0.45 * kPx;
    QPolygonF head;
    head << tip << tip - u * l + n * w << tip - u * l - n * w;
    p_.setPen(Qt::NoPen);
    p_.setBrush(c);
    p_.drawPolygon(head);
}

void Canvas::feed(const QPolygonF& path, bool arrow) {
    if (path.size() < 2) return;
    QPolygonF body = path;
    if (arrow) body.back() = towards(path.back(), path[path.size() - 2], 4 * kPx);
    p_.setPen(pen(color::feed, kFeedPx));
    p_.setBrush(Qt::NoBrush);
    p_.drawPolyline(body);
    if (arrow) arrowHead(path.back(), path[path.size() - 2], color::feed, 7);
}

void Canvas::feedPath(const QPainterPath& path, bool arrow) {
    p_.setPen(pen(color::feed, kFeedPx));
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(path);
    if (arrow && path.elementCount() > 1) {
        const QPointF end = path.pointAtPercent(1.0);
        const QPointF before = path.pointAtPercent(std::max(0.0, 1.0 - 0.02));
        arrowHead(end + (end - before) * 0.0, before, color::feed, 7);
    }
}

void Canvas::rapid(const QPolygonF& path, bool arrow) {
    if (path.size() < 2) return;
    QPolygonF body = path;
    if (arrow) body.back() = towards(path.back(), path[path.size() - 2], 4 * kPx);
    p_.setPen(dashed(color::rapid, kRapidPx, {2, 2}));
    p_.setBrush(Qt::NoBrush);
    p_.drawPolyline(body);
    if (arrow) arrowHead(path.back(), path[path.size() - 2], color::rapid, 6);
}

void Canvas::safetyLine(QPointF a, QPointF b) {
    p_.setPen(dashed(color::safety, kRapidPx, {7, 2, 1.5, 2}));
    p_.drawLine(a, b);
}

void Canvas::axisLine(QPointF a, QPointF b) {
    p_.setPen(dashed(color::axis, kThinPx, {10, 3, 2, 3}));
    p_.drawLine(a, b);
}

void Canvas::line(QPointF a, QPointF b, const QColor& c, double widthPx) {
    p_.setPen(pen(c, widthPx));
    p_.drawLine(a, b);
}

void Canvas::extension(QPointF from, QPointF to) {
    // Starts a little off the feature and runs a little past the dimension line.
    const double len = std::hypot(to.x() - from.x(), to.y() - from.y());
    if (len < 3 * kPx) return;
    line(towards(from, to, 2 * kPx), towards(to, from, -3 * kPx), color::stockLine, kThinPx);
}

void Canvas::dimLine(QPointF a, QPointF b, Ends ends) {
    const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
    const bool inside = len >= 14 * kPx;
    QPointF s = a, e = b;
    if (!inside) {  // too short for the heads inside: they point in from outside
        s = towards(a, b, -8 * kPx);
        e = towards(b, a, -8 * kPx);
    }
    line(s, e, color::dimension, kThinPx);
    const bool first = ends == Ends::Both || ends == Ends::First;
    const bool second = ends == Ends::Both || ends == Ends::Second;
    if (first) arrowHead(a, inside ? b : s, color::dimension, 5);
    if (second) arrowHead(b, inside ? a : e, color::dimension, 5);
}

void Canvas::dimV(double y1, double y2, double fromX1, double fromX2, const Rect& box, Ends ends,
                  const QString& text) {
    const double featureX = (fromX1 + fromX2) / 2;
    const bool boxLeft = centreX(box) < featureX;
    const double x = snap(boxLeft ? box.x + box.w + kGapPx * kPx : box.x - kGapPx * kPx);
    dimVOn(x, y1, y2, fromX1, fromX2, box, ends, text);
}

void Canvas::dimVOn(double x, double y1, double y2, double fromX1, double fromX2, const Rect& box,
                    Ends ends, const QString& text) {
    const bool boxLeft = centreX(box) < x;
    extension({fromX1, y1}, {x, y1});
    extension({fromX2, y2}, {x, y2});
    dimLine({x, y1}, {x, y2}, ends);
    const double cy = centreY(box);
    const double lo = std::min(y1, y2), hi = std::max(y1, y2);
    if (cy < lo) line({x, cy}, {x, lo}, color::dimension, kThinPx);
    if (cy > hi) line({x, hi}, {x, cy}, color::dimension, kThinPx);
    line({x, cy}, {boxLeft ? box.x + box.w : static_cast<double>(box.x), cy}, color::dimension,
         kThinPx);
    if (!text.isEmpty()) {
        const double my = (lo + hi) / 2;
        mark({x + (boxLeft ? 7 : -7) * kPx, my}, text);
    }
}

void Canvas::dimH(double x1, double x2, double fromY1, double fromY2, const Rect& box, Ends ends,
                  const QString& text) {
    const double lo = std::min(x1, x2), hi = std::max(x1, x2);
    // The line runs at the box's middle height, the box standing on it like the value of the
    // dimension; a dimension short enough to hide under the box runs just under it instead.
    const bool hidden = box.x <= lo && box.x + box.w >= hi;
    const double under = box.y + box.h + kGapPx * kPx;
    const double y = snap(hidden ? (under < h_ ? under : box.y - kGapPx * kPx) : centreY(box));
    extension({x1, fromY1}, {x1, y});
    extension({x2, fromY2}, {x2, y});
    dimLine({x1, y}, {x2, y}, ends);
    if (box.x + box.w < lo) line({box.x + box.w + 0.0, y}, {lo, y}, color::dimension, kThinPx);
    if (box.x > hi) line({hi, y}, {box.x + 0.0, y}, color::dimension, kThinPx);
    if (!text.isEmpty()) mark({(lo + hi) / 2, y - 7 * kPx}, text);
}

void Canvas::dimVAt(double x, double y1, double y2, Ends ends) { dimLine({x, y1}, {x, y2}, ends); }

void Canvas::dimHAt(double y, double x1, double x2, Ends ends) { dimLine({x1, y}, {x2, y}, ends); }

void Canvas::leader(QPointF from, const Rect& box, bool arrow) {
    const QPointF c(centreX(box), centreY(box));
    QPointF to(std::clamp(from.x(), double(box.x), double(box.x + box.w)),
               std::clamp(from.y(), double(box.y), double(box.y + box.h)));
    if (to == from) return;
    // Meet the box on the side facing the point, at its middle height for a side.
    if (to.x() == box.x || to.x() == box.x + box.w) to.setY(c.y());
    line(from, to, color::dimension, kThinPx);
    if (arrow) arrowHead(from, to, color::dimension, 5);
}

void Canvas::angle(QPointF centre, double fromDeg, double toDeg, double radius,
                   const std::optional<Rect>& box, const QString& text) {
    const QRectF r(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p_.setPen(pen(color::dimension, kThinPx));
    p_.setBrush(Qt::NoBrush);
    // Qt measures angles counter-clockwise with y up; the callers give them the same way.
    p_.drawArc(r, static_cast<int>(fromDeg * 16), static_cast<int>((toDeg - fromDeg) * 16));
    auto at = [&](double deg) {
        const double a = qDegreesToRadians(deg);
        return QPointF(centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a));
    };
    const double step = (toDeg > fromDeg ? 1 : -1) * qRadiansToDegrees(6 * kPx / radius);
    arrowHead(at(fromDeg), at(fromDeg + step), color::dimension, 5);
    arrowHead(at(toDeg), at(toDeg - step), color::dimension, 5);
    const QPointF mid = at((fromDeg + toDeg) / 2);
    if (box) {
        const QPointF c(centreX(*box), centreY(*box));
        QPointF to(std::clamp(mid.x(), double(box->x), double(box->x + box->w)),
                   std::clamp(mid.y(), double(box->y), double(box->y + box->h)));
        if (to.x() == box->x || to.x() == box->x + box->w) to.setY(c.y());
        line(mid, to, color::dimension, kThinPx);
    }
    if (!text.isEmpty()) mark(towards(centre, mid, radius + 8 * kPx), text);
}

void Canvas::mark(QPointF at, const QString& text, const QColor& c) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(static_cast<int>(11 * kPx));
    p_.setFont(f);
    p_.setPen(c);
    const QRectF r(at.x() - 40 * kPx, at.y() - 10 * kPx, 80 * kPx, 20 * kPx);
    p_.drawText(r, Qt::AlignCenter, text);
}

void Canvas::drop(QPointF at) {
    QPainterPath d;
    const double s = 3 * kPx;
    d.moveTo(at.x(), at.y() - 2 * s);
    d.cubicTo(at.x() + s, at.y() - 0.5 * s, at.x() + s, at.y() + s, at.x(), at.y() + s);
    d.cubicTo(at.x() - s, at.y() + s, at.x() - s, at.y() - 0.5 * s, at.x(), at.y() - 2 * s);
    p_.setPen(Qt::NoPen);
    p_.setBrush(color::coolant);
    p_.drawPath(d);
}

void Canvas::rotation(QPointF centre, double rx, double ry) {
    const QRectF r(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    p_.setPen(pen(color::feed, 1.5));
    p_.setBrush(Qt::NoBrush);
    p_.drawArc(r, 200 * 16, 140 * 16);
    const double a1 = qDegreesToRadians(340.0), a0 = qDegreesToRadians(330.0);
    const QPointF tip(centre.x() + rx * std::cos(a1), centre.y() - ry * std::sin(a1));
    const QPointF from(centre.x() + rx * std::cos(a0), centre.y() - ry * std::sin(a0));
    arrowHead(tip, from, color::feed, 6);
}

std::vector<Overlay> overlaysOf(const Job& job, std::initializer_list<const char*> what) {
    std::vector<Overlay> out;
    for (const Shown& s : job.shown)
        for (const Overlay& o : s.overlays) {
            bool wanted = false;
            for (const char* w : what)
                wanted = wanted || o.what == w;
            if (wanted && std::find(out.begin(), out.end(), o) == out.end()) out.push_back(o);
        }
    return out;
}

std::optional<Rect> firstOverlay(const Job& job, const char* what) {
    for (const Shown& s : job.shown)
        for (const Overlay& o : s.overlays)
            if (o.what == what) return o.rect;
    return std::nullopt;
}

}  // namespace oru::picgen
