// The thread pictures of threading and tapping, and the plunge pictures of plunge turning. They
// stand beside the operation sketch; the thread depth box of threading and the angle boxes of
// plunging are laid over their edges.
#include <QPainterPath>
#include <cmath>
#include <string>

#include "sketch.hpp"

namespace oru::picgen {
namespace {

// One thread form: pitch, depth, flank angle, the widths of the crest and root flats, and
// whether crest and root are rounded.
struct Form {
    double pitch, depth, crest, root;
    bool rounded;
};

// The form of a thread type letter ("M" metric, "G" pipe, "T" trapezoidal, "R" round); metric
// for any other letter.
Form formOf(char type) {
    const double p = 900;
    switch (type) {
        case 'G':
            return {p, 0.64 * p, 0.12 * p, 0.12 * p, true};
        case 'T':
            return {p, 0.5 * p, 0.366 * p, 0.366 * p, false};
        case 'R':
            return {p, 0.5 * p, 0.2 * p, 0.2 * p, true};
        default:
            return {p, 0.541 * p, p / 8, p / 4, false};
    }
}

// The thread profile from x0 to x1: crests at `crestY`, roots `depth` further in the direction
// of `down`. The first root is centred on `rootAt`.
QPainterPath profile(const Form& f, double x0, double x1, double crestY, double rootAt, int down) {
    const double flank = (f.pitch - f.crest - f.root) / 2;
    const double rootY = crestY + down * f.depth;
    double start = rootAt - f.root / 2;
    while (start > x0)
        start -= f.pitch;
    QPainterPath path;
    bool first = true;
    for (double s = start; s < x1 + f.pitch; s += f.pitch) {
        // root flat, rising flank, crest flat, falling flank
        const QPointF a(s, rootY), b(s + f.root, rootY), c(s + f.root + flank, crestY),
            d(s + f.root + flank + f.crest, crestY), e(s + f.pitch, rootY);
        if (first) {
            path.moveTo(a);
            first = false;
        }
        if (f.rounded) {
            path.lineTo(b);
            path.cubicTo(b + QPointF(flank * 0.6, 0), c - QPointF(flank * 0.6, 0), c);
            path.lineTo(d);
            path.cubicTo(d + QPointF(flank * 0.6, 0), e - QPointF(flank * 0.6, 0), e);
        } else {
            path.lineTo(b);
            path.lineTo(c);
            path.lineTo(d);
            path.lineTo(e);
        }
    }
    return path;
}

void drawPath(Canvas& c, const QPainterPath& p, const QColor& line, const QBrush& fill,
              double widthPx) {
    QPen pen(line, widthPx * kPx);
    pen.setJoinStyle(Qt::MiterJoin);
    c.painter().setPen(pen);
    c.painter().setBrush(fill);
    c.painter().drawPath(p);
}

char typeOf(const std::string& stem) {
    // "Filet_" + type (+ "_" + direction)
    return stem.size() > 6 ? stem[6] : 'M';
}

}  // namespace

QImage DrawThread(const Job& job) {
    Canvas c(job.widthTwips, job.heightTwips, true);
    const double w = job.widthTwips, h = job.heightTwips;
    const char type = typeOf(job.stem);
    const Form thread = formOf(type);
    const bool tapping = job.stem.size() <= 7;  // "Filet_" + an optional letter: tapping

    // Tapping shows a whole nut in section, at a smaller pitch.
    const double scale = tapping ? 0.6 : 1.0;
    const Form f{thread.pitch * scale, thread.depth * scale, thread.crest * scale,
                 thread.root * scale, thread.rounded};
    if (tapping) {
        // A tapped through hole in section, the tap entering it along the axis.
        // The nut's teeth point at the axis: material above the upper teeth and below the
        // lower ones.
        const double axisY = h / 2, r = 360, tip = 900;
        QPainterPath upper = profile(f, -f.pitch, w + f.pitch, axisY - r, 0, -1);
        upper.lineTo(w + f.pitch, -60);
        upper.lineTo(-f.pitch, -60);
        upper.closeSubpath();
        QPainterPath lower = profile(f, -f.pitch, w + f.pitch, axisY + r, 0, 1);
        lower.lineTo(w + f.pitch, h + 60);
        lower.lineTo(-f.pitch, h + 60);
        lower.closeSubpath();
        drawPath(c, upper, color::partLine, color::partFill, 1.5);
        drawPath(c, lower, color::partLine, color::partFill, 1.5);
        // The tap: a threaded body ending in a chamfer, fed along the axis.
        QPolygonF tap;
        tap << QPointF(tip, axisY - r + 90) << QPointF(w + 60, axisY - r + 90)
            << QPointF(w + 60, axisY + r - 90) << QPointF(tip, axisY + r - 90)
            << QPointF(tip - 150, axisY);
        c.tool(tap);
        QPen pen(color::toolLine, kPx);
        c.painter().setPen(pen);
        for (double x = tip + 60; x < w; x += f.pitch / 2)
            c.painter().drawLine(QPointF(x, axisY - r + 90),
                                 QPointF(x + f.pitch / 4, axisY + r - 90));
        c.axisLine({0, axisY}, {w, axisY});
        c.feed({QPointF(w - 300, axisY), QPointF(tip + 450, axisY)});
        return c.finish();
    }

    // Threading: the thread form of the type, the gap being cut in the middle, and the passes
    // of the infeed: straight in (Xm) or along one flank (O3).
    const bool flankInfeed = job.stem.ends_with("O3");
    const double crestY = 720, rootY = crestY + f.depth, mid = w / 2 - 120;
    QPainterPath part = profile(f, -f.pitch, w + f.pitch, crestY, mid, 1);
    part.lineTo(w + f.pitch, h + 60);
    part.lineTo(-f.pitch, h + 60);
    part.closeSubpath();
    drawPath(c, part, color::partLine, color::partFill, 1.5);

    // Passes: the tool's profile at growing depths in the middle gap. Straight infeed keeps it
    // centred; flank infeed keeps its left flank on the final one.
    const double flank = (f.pitch - f.crest - f.root) / 2;
    const double slope = flank / f.depth;  // horizontal run of a flank per unit of depth
    for (double k : {0.35, 0.65, 1.0}) {
        const double d = f.depth * k;
        const double bottom = crestY + d;
        const double xl = flankInfeed ? mid - f.root / 2 - slope * (f.depth - d) : mid - f.root / 2;
        const double rise = slope * (d + 60);
        QPolygonF v;
        v << QPointF(xl - rise, crestY - 60) << QPointF(xl, bottom) << QPointF(xl + f.root, bottom)
          << QPointF(xl + f.root + rise, crestY - 60);
        QPen pen(color::feed, (k == 1.0 ? 1.8 : 1.0) * kPx);
        if (k < 1.0) pen.setDashPattern({3, 2});
        c.painter().setPen(pen);
        c.painter().setBrush(Qt::NoBrush);
        c.painter().drawPolyline(v);
    }
    // The insert above the gap, and the infeed direction.
    QPolygonF insert;
    const double top = 60, toolTip = crestY - 210;
    insert << QPointF(mid - 330, top) << QPointF(mid + 330, top)
           << QPointF(mid + 330, toolTip - 300) << QPointF(mid + f.root / 2, toolTip)
           << QPointF(mid - f.root / 2, toolTip) << QPointF(mid - 330, toolTip - 300);
    c.tool(insert);
    const double ax = mid + 690;
    if (flankInfeed)
        c.feed({QPointF(ax + slope * 600, toolTip - 150), QPointF(ax, toolTip + 450)});
    else
        c.feed({QPointF(ax, toolTip - 150), QPointF(ax, toolTip + 450)});

    for (const Overlay& o : overlaysOf(job, {"2"}))
        c.dimVOn(snap(o.rect.x - 4 * kPx), crestY, rootY, w - 360, w - 360, o.rect);
    return c.finish();
}

QImage DrawPlunge(const Job& job) {
    Canvas c(job.widthTwips, job.heightTwips, true);
    const double w = job.widthTwips, h = job.heightTwips;
    const bool follow = job.stem.ends_with("1");
    // The pocket's flank, from the surface at the top left down to its bottom.
    const double surf = 360, bottom = h - 210;
    const QPointF top(420, surf), foot(1380, bottom);
    QPainterPath flankLine;
    flankLine.moveTo(-60, surf);
    flankLine.lineTo(top);
    if (follow)
        flankLine.cubicTo(QPointF(900, surf + 60), QPointF(1200, bottom - 600), foot);
    else
        flankLine.cubicTo(QPointF(700, surf + 200), QPointF(1300, bottom - 500), foot);
    flankLine.lineTo(w + 60, bottom);
    QPainterPath body = flankLine;
    body.lineTo(w + 60, h + 60);
    body.lineTo(-60, h + 60);
    body.closeSubpath();
    drawPath(c, body, color::partLine, color::partFill, 1.5);

    // The tool path: a straight line at the penetration angle, or the profile followed at a
    // distance, then along the bottom.
    const QPointF start(2040, 120), end(1500, bottom - 90);
    if (follow) {
        QPainterPath p;
        p.moveTo(start);
        p.lineTo(QPointF(560, surf - 90));
        p.cubicTo(QPointF(1000, surf - 30), QPointF(1320, bottom - 660),
                  QPointF(1480, bottom - 90));
        p.lineTo(QPointF(2160, bottom - 90));
        c.feedPath(p);
    } else {
        c.feed({start, end, QPointF(2160, bottom - 90)});
    }
    // The penetration angle, measured from the surface, and the tool's own largest angle.
    const double a = std::atan2(end.y() - start.y(), start.x() - end.x()) * 180 / M_PI;
    for (const Overlay& o : overlaysOf(job, {"7"}))
        c.angle(start, 180, 180 + a, 360, o.rect);
    QPolygonF insert;
    insert << QPointF(w - 600, 60) << QPointF(w - 240, 60) << QPointF(w - 240, 300)
           << QPointF(w - 360, 600) << QPointF(w - 480, 600) << QPointF(w - 600, 300);
    c.tool(insert);
    for (const Overlay& o : overlaysOf(job, {"Z"}))
        c.angle(QPointF(w - 420, 600), 90, 90 + 22, 300, o.rect);
    c.safetyLine({0, 120}, {w, 120});
    return c.finish();
}

}  // namespace oru::picgen
