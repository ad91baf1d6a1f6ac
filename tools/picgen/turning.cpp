// The operation sketches of the turning panel. Each family of operations has one drawing, made
// for the right-hand, external case and mirrored for the back-spindle ("B") layouts; internal
// work has drawings of its own. Geometry is in twips of the 5700 x 4680 sketch; the dimensions
// end next to the boxes that the panel lays over the sketch in the states recorded for it.
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "oru/qt/toolpictures.hpp"
#include "sketch.hpp"

namespace oru::picgen {
namespace {

constexpr double W = 5700;
constexpr double H = 4680;
// A safety line drawn where a rapid move runs along it stands this far beside it, so that both
// stay visible.
constexpr double kBeside = 90;

// The drawing of one sketch: the canvas, what the panel shows over it, and whether the scene
// is mirrored (work at the back spindle: chuck on the right).
struct Scene {
    Canvas& c;
    const Job& job;
    const Shown& s;
    bool mirror = false;

    double X(double x) const { return mirror ? W - x : x; }
    QPointF P(double x, double y) const { return {X(x), y}; }
    QPolygonF poly(std::initializer_list<QPointF> pts) const {
        QPolygonF out;
        for (const QPointF& p : pts)
            out << P(p.x(), p.y());
        return out;
    }
    QPolygonF map(const QPolygonF& in) const {
        QPolygonF out;
        for (const QPointF& p : in)
            out << P(p.x(), p.y());
        return out;
    }
    QRectF rect(double x1, double y1, double x2, double y2) const {
        return QRectF(P(x1, y1), P(x2, y2)).normalized();
    }

    bool has(const char* id) const { return !overlaysOf(job, {id}).empty(); }
    std::vector<Rect> boxes(const char* id) const {
        std::vector<Rect> out;
        for (const Overlay& o : overlaysOf(job, {id}))
            out.push_back(o.rect);
        return out;
    }

    // Where the tool picture of the first state cuts, in picture coordinates (not mirrored).
    std::optional<QPointF> tip() const {
        for (const Overlay& o : s.overlays) {
            if (o.what != "TE" && o.what != "TI") continue;
            const std::optional<QPointF> cp = oru::qt::ToolPictures::cuttingPoint(s.tool);
            if (!cp) return std::nullopt;
            return QPointF(o.rect.x + cp->x() * kPx, o.rect.y + cp->y() * kPx);
        }
        return std::nullopt;
    }

    // Dimensions in scene coordinates, one per box of the given kind.
    void dimV(const char* id, double y1, double y2, double fx1, double fx2, Ends ends = Ends::Both,
              const QString& m = {}) const {
        for (const Rect& b : boxes(id))
            c.dimV(y1, y2, X(fx1), X(fx2), b, ends, m);
    }
    void dimH(const char* id, double x1, double x2, double fy1, double fy2, Ends ends = Ends::Both,
              const QString& m = {}) const {
        for (const Rect& b : boxes(id))
            c.dimH(X(x1), X(x2), fy1, fy2, b, ends, m);
    }
    void leader(const char* id, double x, double y) const {
        for (const Rect& b : boxes(id))
            c.leader(P(x, y), b);
    }

    void feed(std::initializer_list<QPointF> pts, bool arrow = true) const {
        c.feed(map(QPolygonF(pts)), arrow);
    }
    void rapid(std::initializer_list<QPointF> pts, bool arrow = true) const {
        c.rapid(map(QPolygonF(pts)), arrow);
    }
    void axis(double y) const { c.axisLine({0, y}, {W, y}); }
    void safetyV(double x, double y1, double y2) const { c.safetyLine(P(x, y1), P(x, y2)); }
    void safetyH(double y, double x1, double x2) const { c.safetyLine(P(x1, y), P(x2, y)); }
    // A chuck jaw gripping the part at `yTop` (its outer surface) at the left end.
    void jaw(double yTop) const { c.jaws(rect(0, yTop - 330, 210, yTop)); }
    // The part of a plunge or groove sketch, held in the jaw: a bar down to the axis at `axisY`
    // (inside: the wall of a bore) with a groove from `x1` to `x2` at the surface `surf`, down to
    // `bottom`, its flanks sloping by `slope` (0: square).
    void groovedPart(bool internal, double surf, double bottom, double x1, double x2, double slope,
                     double axisY) const {
        if (!internal) {
            c.part(poly({{0, surf},
                         {x1, surf},
                         {x1 + slope, bottom},
                         {x2 - slope, bottom},
                         {x2, surf},
                         {4560, surf},
                         {4560, axisY},
                         {0, axisY}}));
            jaw(surf);
        } else {
            c.part(poly({{0, 600},
                         {4560, 600},
                         {4560, surf},
                         {x2, surf},
                         {x2 - slope, bottom},
                         {x1 + slope, bottom},
                         {x1, surf},
                         {0, surf}}));
            jaw(600);
        }
    }
};

// The x where a horizontal line at y last meets the polyline, scanning from the right; or
// `fallback` when it does not.
double crossingX(const QPolygonF& profile, double y, double fallback) {
    double best = -std::numeric_limits<double>::infinity();
    for (int i = 0; i + 1 < profile.size(); ++i) {
        const QPointF a = profile[i], b = profile[i + 1];
        if ((a.y() - y) * (b.y() - y) > 0 || a.y() == b.y()) continue;
        const double t = (y - a.y()) / (b.y() - a.y());
        best = std::max(best, a.x() + t * (b.x() - a.x()));
    }
    return std::isfinite(best) ? best : fallback;
}

// The y where a vertical line at x meets the polyline (the largest for external profiles).
double crossingY(const QPolygonF& profile, double x, double fallback, bool lowest) {
    double best =
        lowest ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    bool found = false;
    for (int i = 0; i + 1 < profile.size(); ++i) {
        const QPointF a = profile[i], b = profile[i + 1];
        if ((a.x() - x) * (b.x() - x) > 0 || a.x() == b.x()) continue;
        const double t = (x - a.x()) / (b.x() - a.x());
        const double y = a.y() + t * (b.y() - a.y());
        best = lowest ? std::max(best, y) : std::min(best, y);
        found = true;
    }
    return found ? best : fallback;
}

bool starts(const Job& job, std::string_view stem) { return job.stem.starts_with(stem); }

// ---- bar stop -------------------------------------------------------------------------------

void barStop(Scene& x) {
    const double axisY = x.tip() ? x.tip()->y() : 3170;
    const double stopX = x.tip() ? x.X(x.tip()->x()) : 4710;
    const double r = 600, end = 4050, chuck = 600;
    x.c.part(x.rect(0, axisY - r, end, axisY + r));
    x.c.jaws(x.rect(chuck - 330, axisY - r - 300, chuck, axisY - r));
    x.c.jaws(x.rect(chuck - 330, axisY + r, chuck, axisY + r + 300));
    x.axis(axisY);
    // The bar is pushed out of the chuck until it meets the stop.
    x.feed({{end + 60, axisY - r / 2}, {stopX - 30, axisY - r / 2}});
    x.dimH("0", chuck, end, axisY - r - 300, axisY - r);
    x.dimH("1", end, stopX, axisY - r, axisY - 300);
    x.dimH("Z", end, stopX, axisY - r, axisY - 300);
}

// ---- longitudinal turning -------------------------------------------------------------------

void longitudinalExternal(Scene& x) {
    const double axisY = 4440, face = 4380, sh = 1020, rS = 1950, rF = 2700;
    const double p1 = rS + 250, p2 = rS + 500;
    x.c.stock(x.rect(sh, rS, face, rF));
    x.c.part(x.poly({{0, axisY}, {0, rS}, {sh, rS}, {sh, rF}, {face, rF}, {face, axisY}}));
    x.jaw(rS);
    x.axis(axisY);
    const QPointF t = x.tip().value_or(x.P(face + 160, rS - 150));
    const double start = std::max(face + 150, x.X(t.x()));
    x.c.rapid({t, x.P(start, p1)});
    x.feed({{start, p1}, {sh + 20, p1}});
    x.feed({{start, p2}, {sh + 20, p2}});
    x.feed({{start, rF - 20}, {sh + 20, rF - 20}});
    x.safetyV(start + kBeside, rS - 300, rF + 150);

    x.dimV("0", rS, rF, sh, sh);
    x.dimV("X", rS, rF, sh, sh);
    x.dimV("3", rF, axisY, sh, sh, Ends::First, QStringLiteral("Ø"));
    x.dimH("7", sh, face, rF, rF);
    x.dimH("1", face, start, rF, p1);
    x.dimH("Z", face, start, rF, p1);
    x.dimV("2", rS, p1, face, start);
    for (const Rect& b : x.boxes("4")) {
        const double bx = x.X(b.x + b.w / 2.0);
        x.c.dimV(rF - 90, rF, x.X(bx), x.X(bx), b);
    }
    x.dimH("5", sh, sh + 90, rS, rS);
    x.dimH("6", sh - 150, sh, rS, rS);
}

void longitudinalInternal(Scene& x) {
    const double axisY = 4440, face = 4380, sh = 1020, out = 780, bS = 3300, bF = 2550;
    const double p1 = bS - 250, p2 = bS - 500;
    x.c.stock(x.rect(sh, bF, face, bS));
    x.c.part(x.poly({{0, out}, {face, out}, {face, bF}, {sh, bF}, {sh, bS}, {0, bS}}));
    x.jaw(out);
    x.axis(axisY);
    const QPointF t = x.tip().value_or(x.P(face + 150, bS + 200));
    const double start = std::max(face + 150, x.X(t.x()));
    x.c.rapid({t, x.P(start, p1)});
    x.feed({{start, p1}, {sh + 20, p1}});
    x.feed({{start, p2}, {sh + 20, p2}});
    x.feed({{start, bF + 20}, {sh + 20, bF + 20}});
    x.safetyV(start + kBeside, bF - 150, bS + 300);

    x.dimV("0", bF, bS, sh, sh);
    x.dimV("3", bF, axisY, sh, sh, Ends::First, QStringLiteral("Ø"));
    x.dimH("7", sh, face, bF, bF);
    x.dimH("1", face, start, bF, p1);
    x.dimV("2", p1, bS, face, start);
    for (const Rect& b : x.boxes("4")) {
        const double bx = b.x + b.w / 2.0;
        x.c.dimV(bF - 90, bF, bx, bx, b);
    }
    x.dimH("5", sh, sh + 90, bF, bF);
    x.dimH("6", sh - 150, sh, bF, bF);
}

// ---- facing ---------------------------------------------------------------------------------

void facing(Scene& x, bool internal) {
    const std::string& opt = x.s.option;
    const double axisY = 4440, faceF = 3960, faceS = 4260;
    const double top = internal ? 900 : 1650;
    const bool bore = internal || opt == "3";
    const double boreY = internal ? 3300 : 3660;
    const double stop = bore ? boreY : axisY;
    if (bore) {
        x.c.stock(x.rect(faceF, top, faceS, boreY));
        x.c.part(x.poly({{0, top}, {faceF, top}, {faceF, boreY}, {0, boreY}}));
    } else {
        x.c.stock(x.rect(faceF, top, faceS, axisY));
        x.c.part(x.poly({{0, top}, {faceF, top}, {faceF, axisY}, {0, axisY}}));
    }
    x.jaw(top);
    x.axis(axisY);
    const QPointF t = x.tip().value_or(x.P(faceS + 60, top - 200));
    // Passes across the face: from the approach line (over the part, or in the bore for an
    // internal face) to the axis, the bore or the outside.
    const double from = internal ? boreY + 150 : top - 150;
    const double to = internal ? top + 20 : stop - 20;
    const double passes[] = {faceS - 100, faceS - 200, faceF + 10};
    x.c.rapid({t, x.P(passes[0], from)});
    for (double px : passes)
        x.feed({{px, from}, {px, to}});
    x.safetyH(from, faceF - 300, faceS + 400);

    // Clearance to the part before the cut, or the radius the cut starts at.
    if (x.s.option == "0" && !internal) {
        x.dimV("0", from, axisY, faceF, faceF, Ends::First, QStringLiteral("R"));
    } else {
        x.dimV("0", internal ? boreY : top, from, faceF, faceS);
    }
    x.dimH("1", faceF, faceS, internal ? top : axisY, internal ? top : axisY);
    x.dimH("2", passes[0], faceS, top, top);
    x.dimH("5", faceF - 90, faceF, top, top);
    x.dimH("Z", faceS, x.X(t.x()), top, top);
    x.dimV("X", top, top + 90, faceF, faceF);
    x.dimV("D", top, axisY, faceF - 600, faceF - 600, Ends::First, QStringLiteral("Ø"));
    for (const Rect& b : x.boxes("4")) {
        const double bx = b.x + b.w / 2.0;
        x.c.dimV(top, top + 90, bx, bx, b);
    }
    // Overrun: how far the cut goes past the axis or the bore.
    x.dimV("6", stop - (bore ? 0 : 150), stop + (bore ? 150 : 0), faceF, faceF);
}

// ---- parting off ----------------------------------------------------------------------------

void partingOff(Scene& x) {
    const std::string& opt = x.s.option;
    const double axisY = 4200, top = 2130, end = 4800;
    const QPointF t = x.tip().value_or(QPointF(2300, 1950));
    const double cut = x.X(t.x()), half = 45;
    const bool toAxis = opt == "3";
    const double stopY = opt == "2" ? 3600 : axisY + (toAxis ? 150 : 0);
    x.c.part(x.poly({{0, top}, {cut - half, top}, {cut - half, axisY}, {0, axisY}}));
    x.c.part(x.poly({{cut + half, top}, {end, top}, {end, axisY}, {cut + half, axisY}}));
    x.c.stock(x.rect(cut - half, top, cut + half, std::min(stopY, axisY)));
    x.jaw(top);
    x.axis(axisY);
    x.c.rapid({t, x.P(cut, top - 150)});
    x.feed({{cut, top - 150}, {cut, stopY}});
    x.safetyH(top - 150, cut - 600, cut + 600);

    if (opt == "0" || opt == "0B")
        x.dimV("0", top - 150, axisY, cut + half, cut + half, Ends::First, QStringLiteral("R"));
    else
        x.dimV("0", top - 150, top, cut + half, cut + half);
    x.dimV("6", std::min(stopY, axisY), std::max(stopY, axisY), cut, cut);
    x.dimH("5", cut + half, cut + half + 90, axisY, axisY);
    x.dimH("Z", cut + half, end, axisY, axisY);
    x.dimV("D", top, axisY, 700, 700, Ends::First, QStringLiteral("Ø"));
}

// ---- holes on the spindle axis --------------------------------------------------------------

enum class Hole { Centre, Spot, Drill, Chamfer, Counterbore, Tap };

struct HoleInfo {
    Hole hole;
    bool through = false;
    bool multiPass = false;
};

HoleInfo holeOf(const Job& job, const Shown& s) {
    HoleInfo h{Hole::Drill};
    const std::string last = s.option.empty() ? "" : s.option.substr(s.option.size() - 1);
    if (starts(job, "T_CENTRER_")) h.hole = Hole::Centre;
    if (starts(job, "T_POINTER_")) h.hole = Hole::Spot;
    if (starts(job, "T_CHANFREINER_")) h.hole = Hole::Chamfer;
    if (starts(job, "T_LAMER_")) h.hole = Hole::Counterbore;
    if (starts(job, "T_TARAUDER_")) {
        h.hole = Hole::Tap;
        h.through = s.option == "1";
    }
    if (starts(job, "T_PERCER")) {
        h.through = last == "0";
        h.multiPass = starts(job, "T_PERCERMP_");
    }
    return h;
}

// A thread drawn as teeth along a line, between x1 and x2, at depth d under (or over) y.
void threadTeeth(Canvas& c, double x1, double x2, double y, double d, double pitch, bool up,
                 bool vertical = false, double cx = 0) {
    QPolygonF zig;
    int i = 0;
    for (double v = x1; v <= x2 + 0.1; v += pitch / 2, ++i) {
        const double off = (i % 2 == 0) ? 0 : (up ? -d : d);
        zig << (vertical ? QPointF(cx + y + off, v) : QPointF(v, y + off));
    }
    QPen pen(color::partLine, 1.2 * kPx);
    c.painter().setPen(pen);
    c.painter().setBrush(Qt::NoBrush);
    c.painter().drawPolyline(zig);
}

// Both halves of the part are shown, so that the hole reads as a hole; the lower half runs
// off the bottom of the sketch.
void axialHole(Scene& x) {
    const HoleInfo h = holeOf(x.job, x.s);
    const QPointF t = x.tip().value_or(QPointF(4710, 3690));
    const double axisY = t.y(), face = 4500, top = 1500, low = H + 150;
    const double r = 270, depthX = 1500, left = 720;
    const double toolX = x.X(t.x());
    const double partLeft = h.through ? left : 0;
    x.c.part(x.rect(partLeft, top, face, low));
    x.c.jaws(x.rect(partLeft, top - 300, partLeft + 330, top));

    // The hole, symmetric about the axis, drawn as cut-away material.
    const auto sym = [&](std::initializer_list<QPointF> upper) {
        QPolygonF out;
        for (const QPointF& p : upper)
            out << x.P(p.x(), axisY - p.y());
        for (auto it = std::rbegin(upper); it != std::rend(upper); ++it)
            out << x.P(it->x(), axisY + it->y());
        return out;
    };
    double reach = face;  // where the tool's feed ends
    switch (h.hole) {
        case Hole::Centre: {
            const double cone = 390, pilot = 120, dep = 720;
            x.c.hole(sym({{face + 1, cone},
                          {face - cone + pilot, pilot},
                          {face - dep, pilot},
                          {face - dep - 70, 0}}));
            reach = face - dep;
            break;
        }
        case Hole::Spot: {
            const double cone = 300;
            x.c.stock(sym({{face - cone + 150, 150}, {face - 1500, 150}, {face - 1500, 0}}));
            x.c.hole(sym({{face + 1, cone}, {face - cone, 0}}));
            reach = face - cone;
            break;
        }
        case Hole::Counterbore:
            x.c.hole(sym({{face + 1, 540},
                          {face - 600, 540},
                          {face - 600, r},
                          {depthX, r},
                          {depthX - 160, 0}}));
            reach = face - 600;
            break;
        case Hole::Chamfer:
            x.c.hole(sym({{face + 1, r + 180}, {face - 180, r}, {depthX, r}, {depthX - 160, 0}}));
            reach = face - 180;
            break;
        case Hole::Tap:
        case Hole::Drill:
            if (h.through)
                x.c.hole(sym({{face + 1, r}, {left - 1, r}}));
            else
                x.c.hole(sym({{face + 1, r}, {depthX, r}, {depthX - 160, 0}}));
            reach = h.through ? left - 150 : depthX;
            break;
    }
    const double bottom = h.through ? left : depthX;
    if (h.hole == Hole::Tap) {
        const double end = h.through ? left : face - 1800;
        threadTeeth(x.c, std::min(x.X(end), x.X(face)), std::max(x.X(end), x.X(face)), axisY - r,
                    60, 120, true);
        threadTeeth(x.c, std::min(x.X(end), x.X(face)), std::max(x.X(end), x.X(face)), axisY + r,
                    60, 120, false);
    }
    x.axis(axisY);

    // Tool path along the axis: rapid to the clearance plane, then feed to the bottom.
    const double safe = face + 150;
    x.rapid({{toolX, axisY}, {safe, axisY}});
    x.safetyV(safe, top - 150, std::min(H - 60, axisY + 600));
    if (h.multiPass && !h.through) {
        const double step = (face - bottom) / 3;
        for (int i = 0; i < 3; ++i) {
            const double a = face - i * step, b = face - (i + 1) * step;
            x.feed({{i == 0 ? safe : a + 40, axisY}, {b + 20, axisY}});
            if (i < 2) x.rapid({{b + 20, axisY - 110}, {safe - 40, axisY - 110}}, false);
        }
    } else {
        x.feed({{safe, axisY}, {reach + 20, axisY}});
    }

    x.dimH("1", face, safe, top, axisY - r);
    if (h.hole == Hole::Centre) {
        x.dimV("3", axisY - 390, axisY, face, face, Ends::First, QStringLiteral("Ø"));
        x.dimV("D", axisY + 120, axisY, face - 720, face - 720, Ends::First, QStringLiteral("Ø"));
        x.dimH("5", face - 720, face, top, top);
        return;
    }
    if (h.hole == Hole::Spot) {
        x.dimV("3", axisY + 300, axisY, face, face, Ends::First, QStringLiteral("Ø"));
        x.dimV("D", axisY + 150, axisY, face - 1200, face - 1200, Ends::First, QStringLiteral("Ø"));
        return;
    }
    switch (h.hole) {
        case Hole::Chamfer:
            x.dimV("3", axisY - r - 180, axisY, face, face, Ends::First, QStringLiteral("Ø"));
            x.dimV("D", axisY + r, axisY, face - 900, face - 900, Ends::First, QStringLiteral("Ø"));
            return;
        case Hole::Counterbore:
            x.dimH("Z", face - 600, face, top, axisY - 540);
            x.dimV("D", axisY + 540, axisY, face - 300, face - 300, Ends::First,
                   QStringLiteral("Ø"));
            return;
        case Hole::Tap:
            x.dimH("Z", bottom, face, top, top);
            x.dimH("4", face - 1800, face, top, axisY - r);
            x.dimH("5", bottom, face - 1800, top, axisY - r);
            x.dimH("6", left - 150, left, top, top);
            x.dimV("D", axisY + r, axisY, face - 900, face - 900, Ends::First, QStringLiteral("Ø"));
            return;
        default:
            break;
    }
    x.dimH("7", bottom, face, top, top);
    x.dimH("Z", bottom, face, top, top);
    x.dimH("2", face - (face - bottom) / 3, face, axisY + r, axisY + r);
    x.dimH("3", bottom, bottom + 240, axisY + r, axisY + r);
    x.dimH("5", bottom, bottom + 90, top, top);
    x.dimH("6", left - 150, left, top, top);
    x.dimV("D", axisY + r, axisY, face - 900, face - 900, Ends::First, QStringLiteral("Ø"));
}

// ---- holes across the axis (radial driven tools) ---------------------------------------------

void radialHole(Scene& x) {
    const HoleInfo h = holeOf(x.job, x.s);
    const QPointF t = x.tip().value_or(QPointF(3370, 1920));
    const double cx = t.x(), top = 2100, wall = 3600, axisY = 4440;
    const double r = 240;
    x.c.part(QPolygonF(QRectF(0, top, W, wall - top)));
    x.axis(axisY);
    x.c.jaws(QRectF(0, top - 330, 210, 330));
    const double bottom = h.through ? wall : 3150;
    double cutEnd = bottom;
    QPolygonF hole;
    switch (h.hole) {
        case Hole::Spot:
        case Hole::Centre:
            hole << QPointF(cx - 240, top) << QPointF(cx, top + 240) << QPointF(cx + 240, top);
            cutEnd = top + 240;
            break;
        case Hole::Chamfer:
            hole << QPointF(cx - r - 180, top) << QPointF(cx - r, top + 180)
                 << QPointF(cx - r, wall) << QPointF(cx + r, wall) << QPointF(cx + r, top + 180)
                 << QPointF(cx + r + 180, top);
            cutEnd = top + 180;
            break;
        case Hole::Counterbore:
            hole << QPointF(cx - 420, top) << QPointF(cx - 420, 2700) << QPointF(cx - r, 2700)
                 << QPointF(cx - r, wall) << QPointF(cx + r, wall) << QPointF(cx + r, 2700)
                 << QPointF(cx + 420, 2700) << QPointF(cx + 420, top);
            cutEnd = 2700;
            break;
        default:
            hole << QPointF(cx - r, top) << QPointF(cx - r, bottom);
            if (!h.through) hole << QPointF(cx, bottom + 140);
            hole << QPointF(cx + r, bottom) << QPointF(cx + r, top);
            break;
    }
    x.c.hole(hole);
    if (h.hole == Hole::Spot) {
        x.c.stock(QPolygonF(QRectF(cx - 150, top + 150, 300, 1200)));
    }
    if (h.hole == Hole::Tap) {
        const double end = h.through ? wall : 2900;
        threadTeeth(x.c, top, end, -r, 50, 120, true, true, cx);
        threadTeeth(x.c, top, end, r, 50, 120, false, true, cx);
    }
    const double safe = top - 150;
    x.c.rapid({t, QPointF(cx, safe)});
    x.c.safetyLine({cx - 900, safe}, {cx + 900, safe});
    const double feedEnd = h.through ? wall + 300 : cutEnd;
    if (h.multiPass && !h.through) {
        const double step = (bottom - top) / 3;
        for (int i = 0; i < 3; ++i) {
            const double a = top + i * step, b = top + (i + 1) * step;
            x.c.feed({QPointF(cx, i == 0 ? safe : a - 40), QPointF(cx, b - 20)});
            if (i < 2) x.c.rapid({QPointF(cx + 90, b - 20), QPointF(cx + 90, safe + 40)}, false);
        }
    } else {
        x.c.feed({QPointF(cx, safe), QPointF(cx, feedEnd - 20)});
    }

    const double side = cx + r;
    x.dimV("1", safe, top, side, side);
    x.dimV("7", top, bottom, side, side);
    x.dimV("Z", top, bottom, cx - r, cx - r);
    x.dimV("6", wall, wall + 300, side, side);
    x.dimV("5", bottom - 90, bottom, side, side);
    x.dimV("2", top, top + (bottom - top) / 3, cx - r, cx - r);
    x.dimV("3", bottom - 240, bottom, cx - r, cx - r);
    x.dimV("4", top, 2900, side, side);
    const double hr = h.hole == Hole::Counterbore ? 420 : (h.hole == Hole::Spot ? 120 : r);
    x.dimH("D", cx - hr, cx + hr, top, top, Ends::Both, QStringLiteral("Ø"));
    const double cr = h.hole == Hole::Chamfer ? r + 180 : 240;
    x.dimH("3", cx - cr, cx + cr, top, top, Ends::Both, QStringLiteral("Ø"));
}

// ---- roughing and finishing along a profile ---------------------------------------------------

struct Profile {
    QPolygonF line;  // from the face end to the far end, in scene coordinates (unmirrored)
    double axisY, stockY, faceX, stockEnd;
    bool internal;
};

Profile profileOf(bool internal, bool toAxis, bool groove) {
    Profile p{};
    p.internal = internal;
    p.axisY = 4440;
    p.faceX = 4320;
    p.stockEnd = toAxis ? 4500 : p.faceX;
    if (!internal) {
        p.stockY = 1500;
        QPolygonF l;
        if (toAxis) l << QPointF(p.faceX, p.axisY);
        l << QPointF(p.faceX, 3150) << QPointF(3360, 3150) << QPointF(2760, 2550);
        if (groove) {
            l << QPointF(2460, 2550) << QPointF(2460, 2880) << QPointF(2160, 2880)
              << QPointF(2160, 2550);
        }
        l << QPointF(1740, 2550) << QPointF(1740, 1950) << QPointF(960, 1950)
          << QPointF(960, p.stockY);
        p.line = l;
    } else {
        p.stockY = 3600;
        QPolygonF l;
        l << QPointF(p.faceX, 2100) << QPointF(3360, 2100) << QPointF(2760, 2700);
        if (groove) {
            l << QPointF(2460, 2700) << QPointF(2460, 2370) << QPointF(2160, 2370)
              << QPointF(2160, 2700);
        }
        l << QPointF(1740, 2700) << QPointF(1740, 3300) << QPointF(960, 3300)
          << QPointF(960, p.stockY);
        p.line = l;
    }
    return p;
}

void drawProfilePart(Scene& x, const Profile& p) {
    QPolygonF part = p.line;
    QPolygonF stock = p.line;
    if (!p.internal) {
        part << QPointF(0, p.stockY) << QPointF(0, p.axisY);
        if (part.front().y() != p.axisY) part << QPointF(p.faceX, p.axisY);
        stock << QPointF(960, p.stockY) << QPointF(p.stockEnd, p.stockY)
              << QPointF(p.stockEnd, p.axisY) << QPointF(p.line.front().x(), p.axisY);
    } else {
        part << QPointF(0, p.stockY) << QPointF(0, 900) << QPointF(p.faceX, 900);
        stock << QPointF(p.stockEnd, p.stockY) << QPointF(p.stockEnd, p.line.front().y());
    }
    x.c.stock(x.map(stock));
    x.c.part(x.map(part));
    x.jaw(p.internal ? 900 : p.stockY);
    x.axis(p.axisY);
}

void roughing(Scene& x) {
    const bool internal = x.s.profil == "I";
    const bool groove = x.s.option.starts_with("G");
    const Profile p = profileOf(internal, x.s.toAxis, groove);
    drawProfilePart(x, p);
    const bool facingPasses = x.s.suffix == "X";
    const QPointF t = x.tip().value_or(x.P(p.stockEnd + 150, p.stockY - 150));
    const double startX = std::max(p.stockEnd + 150, x.X(t.x()));
    const double sign = internal ? 1 : -1;  // from the stock towards the material side
    const double clearY = p.stockY + sign * 150;
    std::vector<double> levels;
    if (!facingPasses) {
        for (int i = 1; i <= 4; ++i)
            levels.push_back(p.stockY - sign * 330 * i);
        x.c.rapid({t, x.P(startX, levels.front())});
        for (double y : levels) {
            const double end = crossingX(p.line, y, 960);
            if (end < startX - 100) x.feed({{startX, y}, {end + 30, y}});
        }
        x.safetyV(startX + kBeside, clearY, p.axisY - 200);
    } else {
        std::vector<double> xs;
        for (double v = p.stockEnd - 240; v > 1100; v -= 420)
            xs.push_back(v);
        x.c.rapid({t, x.P(xs.front(), clearY)});
        for (double v : xs) {
            const double end = crossingY(p.line, v, p.axisY, !internal);
            x.feed({{v, clearY}, {v, end + sign * 30}});
        }
        x.safetyH(clearY, 700, p.stockEnd + 300);
    }
    // The finished profile with its allowances.
    x.c.feed(x.map(p.line), false);

    x.dimV("0", clearY, p.stockY, 960, 960);
    x.dimV("X", p.stockY, crossingY(p.line, 1200, p.stockY, !internal), 960, 960);
    x.dimH("1", p.stockEnd, startX, p.axisY, p.axisY);
    // Axial distance to the stock: to the stock's end when the face is machined, else to where
    // the tool starts.
    x.dimH("Z", p.faceX, p.stockEnd > p.faceX ? p.stockEnd : startX, p.axisY, p.axisY);
    if (facingPasses)
        x.dimH("2", p.stockEnd - 660, p.stockEnd - 240, clearY, clearY);
    else
        x.dimV("2", levels.size() > 1 ? levels[0] : p.stockY, p.stockY, p.stockEnd, startX);
    const double gy = internal ? 2370 : 2880;
    x.dimV("3", internal ? 2700 : 2550, gy, 2160, 2160);
    for (const Rect& b : x.boxes("4")) {
        const double bx = x.X(b.x + b.w / 2.0);
        const double y = crossingY(p.line, bx, p.stockY, !internal);
        x.c.dimV(y + sign * 90, y, x.X(bx), x.X(bx), b);
    }
    x.dimH("5", 1740, 1830, internal ? 3300 : 1950, internal ? 3300 : 1950);
    x.dimH("6", 810, 960, p.stockY, p.stockY);
}

void finishing(Scene& x) {
    const bool internal = x.s.profil == "I";
    const bool groove = x.s.option.starts_with("G");
    const Profile p = profileOf(internal, x.s.toAxis, groove);
    // After roughing only the allowance is left: the part is drawn with its final profile.
    QPolygonF part = p.line;
    if (!internal) {
        part << QPointF(0, p.stockY) << QPointF(0, p.axisY);
        if (part.front().y() != p.axisY) part << QPointF(p.faceX, p.axisY);
    } else {
        part << QPointF(0, p.stockY) << QPointF(0, 900) << QPointF(p.faceX, 900);
    }
    x.c.part(x.map(part));
    x.jaw(internal ? 900 : p.stockY);
    x.axis(p.axisY);
    const double sign = internal ? 1 : -1;
    // The finishing pass follows the profile; approach and retract clearances at both ends.
    QPolygonF path;
    const double off = sign * 45;
    const double enter = p.line.front().x() + 300, leave = p.line.back().y() + sign * 300;
    path << QPointF(enter, p.line.front().y() + (p.line.front().y() == p.axisY ? -60 : off));
    for (const QPointF& q : p.line)
        path << QPointF(q.x() + (internal ? 0 : 0), q.y() + off);
    path << QPointF(p.line.back().x(), leave);
    x.c.feed(x.map(path), false);

    const double yFace = p.line.front().y() + off;
    // Clearances at the face end and at the far end: the panel labels them by direction.
    const QPointF faceEnd = x.P(enter, yFace);
    const QPointF farEnd = x.P(p.line.back().x(), leave);
    for (const char* id : {"0", "1"}) {
        for (const Rect& b : x.boxes(id)) {
            const QPointF bc(b.x + b.w / 2.0, b.y + b.h / 2.0);
            const double dFace = std::hypot(bc.x() - faceEnd.x(), bc.y() - faceEnd.y());
            const double dFar = std::hypot(bc.x() - farEnd.x(), bc.y() - farEnd.y());
            if (dFace < dFar)
                x.c.dimH(x.X(p.line.front().x()), x.X(enter), yFace, yFace, b);
            else
                x.c.dimV(p.line.back().y(), leave, x.X(p.line.back().x()), x.X(p.line.back().x()),
                         b);
        }
    }
    for (const Rect& b : x.boxes("4")) {
        const double bx = x.X(b.x + b.w / 2.0);
        const double y = crossingY(p.line, bx, p.stockY, !internal);
        x.c.dimV(y + off * 2, y, x.X(bx), x.X(bx), b);
    }
    x.dimH("5", 1740, 1740 + 90, internal ? 3300 : 1950, internal ? 3300 : 1950);
}

// ---- plunge turning (pocket) ----------------------------------------------------------------

void plunge(Scene& x) {
    const std::string& prof = x.s.profil;
    const bool minus = x.s.suffix == "m";
    if (prof == "F") {
        // A ring pocket in the end face, plunged along the axis and stepped across it.
        const double face = 4320, axisY = 4440, top = 900, d = 3360;
        const double y1 = 1500, y2 = 3000;
        x.c.part(x.poly({{0, top},
                         {face, top},
                         {face, y1},
                         {d + 200, y1},
                         {d, y1 + 300},
                         {d, y2},
                         {face, y2},
                         {face, axisY},
                         {0, axisY}}));
        x.c.stock(x.poly({{face, y1}, {d + 200, y1}, {d, y1 + 300}, {d, y2}, {face, y2}}));
        x.jaw(top);
        x.axis(axisY);
        const QPointF t = x.tip().value_or(x.P(face + 200, minus ? y2 - 100 : y1 + 100));
        const double ys[] = {y2 - 90, y2 - 390, y2 - 690};
        const double order[] = {minus ? ys[2] : ys[0], ys[1], minus ? ys[0] : ys[2]};
        x.c.rapid({t, x.P(face + 150, order[0])});
        for (double y : order)
            x.feed({{face + 150, y}, {d + 40, y}});
        x.safetyV(face + 150, top + 200, axisY - 300);
        x.dimH("1", face, face + 150, y1, y1);
        x.dimV("2", ys[0], ys[1], d, d);
        x.dimH("3", d, d + 90, y2, y2);
        x.dimV("4", y1, y1 + 90, face, face);
        x.dimH("5", d, d + 90, y1, y1);
        return;
    }
    const bool internal = prof == "I";
    const double axisY = 4440;
    const double surf = internal ? 2100 : 2400;
    const double bottom = internal ? 1200 : 3150;
    const double sign = internal ? -1 : 1;  // into the material
    const double x1 = 1500, x2 = 4140, slope = 450;
    QPolygonF pocket;
    pocket << QPointF(x1, surf) << QPointF(x1 + slope, bottom) << QPointF(x2 - slope, bottom)
           << QPointF(x2, surf);
    x.groovedPart(internal, surf, bottom, x1, x2, slope, axisY);
    x.c.stock(x.map(pocket));
    x.axis(axisY);
    const QPointF t = x.tip().value_or(x.P(minus ? x2 : x1, surf - sign * 150));
    const double safe = surf - sign * 150;
    // Plunges one beside the other, in the direction of the suffix.
    std::vector<double> xs;
    for (double v = x2 - slope - 60; v > x1 + slope; v -= 330)
        xs.push_back(v);
    if (!minus) std::reverse(xs.begin(), xs.end());
    x.c.rapid({t, x.P(xs.front(), safe)});
    for (double v : xs)
        x.feed({{v, safe}, {v, bottom - sign * 30}});
    x.safetyH(safe, x1 - 300, x2 + 300);

    x.dimV("0", safe, surf, minus ? x2 : x1, minus ? x2 : x1);
    x.dimV("2", surf, surf + sign * 330, minus ? x1 : x2, minus ? x1 : x2);
    for (const Rect& b : x.boxes("3")) {
        const double ex = minus ? x2 - slope / 2 : x1 + slope / 2;
        x.c.leader(x.P(ex, (surf + bottom) / 2), b);
    }
    x.dimV("4", bottom - sign * 90, bottom, (x1 + x2) / 2, (x1 + x2) / 2);
    x.dimH("5", x1, x1 + 90, surf, surf);
    x.dimH("5", x2 - 90, x2, surf, surf);
}

// ---- grooving -------------------------------------------------------------------------------

void grooving(Scene& x) {
    const std::string& prof = x.s.profil;
    const bool wide = !starts(x.job, "T_GORGE_P");
    const bool profiled = starts(x.job, "T_GORGE_F");
    const QPointF t0 = x.tip().value_or(QPointF(3300, 2100));
    if (prof != "E" && prof != "I") {
        // Face groove: cut along the axis into the end face.
        const double face = 4320, axisY = 4440, top = 900;
        const double gy = t0.y(), half = wide ? 300 : 60, depth = 3660;
        x.c.part(x.poly({{0, top},
                         {face, top},
                         {face, gy - half},
                         {depth, gy - half},
                         {depth, gy + half},
                         {face, gy + half},
                         {face, axisY},
                         {0, axisY}}));
        x.c.stock(
            x.poly({{face, gy - half}, {depth, gy - half}, {depth, gy + half}, {face, gy + half}}));
        x.jaw(top);
        x.axis(axisY);
        const double safe = face + 150;
        x.c.rapid({t0, x.P(safe, gy)});
        x.feed({{safe, gy}, {depth + 30, gy}});
        if (wide) {
            x.feed({{safe, gy - half + 70}, {depth + 30, gy - half + 70}});
            x.feed({{safe, gy + half - 70}, {depth + 30, gy + half - 70}});
        }
        x.safetyV(safe, top + 100, axisY - 200);
        x.dimH("1", face, safe, top, gy - half);
        x.dimV("2", gy - half + 70, gy, depth, depth);
        x.dimH("4", depth, depth + 90, gy - half, gy - half);
        x.dimV("5", gy - half, gy - half + 90, face, face);
        return;
    }
    const bool internal = prof == "I";
    const double axisY = 4440;
    const double gx = x.X(t0.x());
    const double surf = internal ? 2250 : 2250;
    const double bottom = internal ? 1650 : 2900;
    const double sign = internal ? -1 : 1;
    const double half = wide ? 450 : 60;
    const double g1 = gx - half, g2 = gx + half;
    x.groovedPart(internal, surf, bottom, g1, g2, 0, axisY);
    x.c.stock(x.rect(g1, surf, g2, bottom));
    x.axis(axisY);
    const double safe = surf - sign * 150;
    x.c.rapid({t0, x.P(gx, safe)});
    if (!wide) {
        x.feed({{gx, safe}, {gx, bottom - sign * 30}});
    } else {
        const double xs[] = {g2 - 70, gx, g1 + 70};
        for (double v : xs)
            x.feed({{v, safe}, {v, bottom - sign * 30}});
        if (profiled) x.feed({{g2 - 20, bottom - sign * 20}, {g1 + 20, bottom - sign * 20}}, true);
    }
    x.safetyH(safe, g1 - 600, g2 + 600);
    x.dimV("0", safe, surf, g2, g2);
    x.dimH("2", g2 - 70, gx, bottom, bottom);
    x.dimV("4", bottom - sign * 90, bottom, g1, g1);
    x.dimH("5", g1, g1 + 90, surf, surf);
}

// ---- threading ------------------------------------------------------------------------------

void threading(Scene& x) {
    const bool internal = x.s.profil == "I";
    const double axisY = 4440, face = 4560, start = 1800, runout = 1260;
    const double surf = internal ? 2700 : 2100;
    const double sign = internal ? -1 : 1;
    const double depth = 150;
    if (!internal) {
        x.c.part(
            x.poly({{0, 1500}, {900, 1500}, {900, surf}, {face, surf}, {face, axisY}, {0, axisY}}));
        x.jaw(1500);
    } else {
        x.c.part(x.poly({{0, 900}, {face, 900}, {face, surf}, {0, surf}}));
        x.jaw(900);
    }
    x.axis(axisY);
    // The thread: teeth from the face to its end, then the run-out cone.
    threadTeeth(x.c, x.X(std::min(start, face)) < x.X(face) ? x.X(start) : x.X(face),
                x.X(start) < x.X(face) ? x.X(face) : x.X(start), surf, depth, 180, internal);
    x.c.painter().setPen(QPen(color::partLine, 1.2 * kPx, Qt::DashLine));
    x.c.painter().drawLine(x.P(start, surf + sign * depth), x.P(runout, surf));
    const QPointF t = x.tip().value_or(x.P(face + 300, surf - sign * 300));
    const double safe = surf - sign * 150;
    const double sx = std::max(face + 150, x.X(t.x()));
    x.c.rapid({t, x.P(sx, safe), x.P(sx, surf + sign * 60)});
    x.feed({{sx, surf + sign * 60}, {start, surf + sign * 60}, {runout + 60, safe}});
    x.safetyV(sx + kBeside, surf - sign * 450, surf + sign * 450);

    x.dimV("0", safe, surf, face, sx);
    x.dimH("1", face, sx, surf, surf);
    x.dimH("4", start, face, surf, surf);
    x.dimH("5", runout, start, surf, surf);
    x.dimH("6", runout, start, surf, surf);
    x.dimH("Z", 900, face, surf, surf);
    x.dimV("D", surf, axisY, 700, 700, Ends::First, QStringLiteral("Ø"));
}

}  // namespace

QImage DrawTurning(const Job& job) {
    Canvas canvas(job.widthTwips, job.heightTwips, true);
    static const Shown none;
    const Shown& s = job.shown.empty() ? none : job.shown.front();
    Scene x{canvas, job, s};
    const std::string& prof = s.profil;
    const bool external = prof == "E";
    const bool back = prof == "B" || prof == "F";

    if (starts(job, "T_BUTEE_")) {
        barStop(x);
    } else if (starts(job, "T_CHARIOTER_")) {
        x.mirror = prof == "B";
        if (external || prof == "B")
            longitudinalExternal(x);
        else
            longitudinalInternal(x);
    } else if (starts(job, "T_DRESSER_")) {
        x.mirror = back;
        facing(x, prof == "I");
    } else if (starts(job, "T_TRONCON_")) {
        partingOff(x);
    } else if (starts(job, "T_CENTRER_")) {
        axialHole(x);
    } else if (starts(job, "T_POINTER_") || starts(job, "T_PERCER")) {
        if (external)
            radialHole(x);
        else
            axialHole(x);
    } else if (starts(job, "T_CHANFREINER_") || starts(job, "T_LAMER_") ||
               starts(job, "T_TARAUDER_")) {
        if (prof == "F")
            axialHole(x);
        else
            radialHole(x);
    } else if (starts(job, "T_EBAUCHER_")) {
        x.mirror = back;
        roughing(x);
    } else if (starts(job, "T_FINIR_")) {
        x.mirror = back;
        finishing(x);
    } else if (starts(job, "T_POCHER_")) {
        plunge(x);
    } else if (starts(job, "T_GORGE_")) {
        grooving(x);
    } else if (starts(job, "T_FILETER_")) {
        threading(x);
    }
    return canvas.finish();
}

}  // namespace oru::picgen
