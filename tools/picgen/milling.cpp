// The pictures of the milling panel: operation pictures (side view, Z up: the part below, the
// tool above, the safety plane as a green dash-dot line), engagement pictures (the approach to
// the profile seen from above, or from the side for the plunging modes) and the tool pictures.
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sketch.hpp"

namespace oru::picgen {
namespace {

bool starts(const std::string& s, std::string_view p) { return s.starts_with(p); }

// ---- milling tools --------------------------------------------------------------------------

enum class Cutter {
    EndMill,
    FaceMill,
    BallMill,
    Drill,
    SpotDrill,
    Chamfer,
    Reamer,
    Counterbore,
    BackCounterbore,
    Tap,
    ThreadMill,
};

// A tool standing on its axis `cx`, its cutting end at `tipY`, of diameter `d`, its shank and
// holder running up to `topY`.
void cutter(Canvas& c, Cutter k, double cx, double tipY, double d, double topY) {
    const double r = d / 2;
    const double flute = std::min(d * 2.2, std::max(300.0, tipY - topY - 300));
    const double shank = std::max(r * 0.8, 150.0);
    QPolygonF body;
    switch (k) {
        case Cutter::EndMill:
        case Cutter::Reamer:
        case Cutter::ThreadMill:
            body << QPointF(cx - r, tipY) << QPointF(cx + r, tipY) << QPointF(cx + r, tipY - flute)
                 << QPointF(cx - r, tipY - flute);
            break;
        case Cutter::FaceMill:
            body << QPointF(cx - r, tipY) << QPointF(cx + r, tipY) << QPointF(cx + r, tipY - 240)
                 << QPointF(cx + r * 0.5, tipY - 420) << QPointF(cx - r * 0.5, tipY - 420)
                 << QPointF(cx - r, tipY - 240);
            break;
        case Cutter::BallMill: {
            QPainterPath p;
            p.moveTo(cx - r, tipY - flute);
            p.lineTo(cx - r, tipY - r);
            p.arcTo(QRectF(cx - r, tipY - 2 * r, 2 * r, 2 * r), 180, 180);
            p.lineTo(cx + r, tipY - flute);
            p.closeSubpath();
            body = p.toFillPolygon();
            break;
        }
        case Cutter::Drill:
            body << QPointF(cx, tipY) << QPointF(cx + r, tipY - r * 0.6)
                 << QPointF(cx + r, tipY - flute) << QPointF(cx - r, tipY - flute)
                 << QPointF(cx - r, tipY - r * 0.6);
            break;
        case Cutter::SpotDrill:
            body << QPointF(cx, tipY) << QPointF(cx + r, tipY - r) << QPointF(cx + r, tipY - flute)
                 << QPointF(cx - r, tipY - flute) << QPointF(cx - r, tipY - r);
            break;
        case Cutter::Chamfer:
            body << QPointF(cx - r * 0.2, tipY) << QPointF(cx + r * 0.2, tipY)
                 << QPointF(cx + r, tipY - r * 0.8) << QPointF(cx + shank, tipY - r * 0.8 - 60)
                 << QPointF(cx + shank, tipY - flute) << QPointF(cx - shank, tipY - flute)
                 << QPointF(cx - shank, tipY - r * 0.8 - 60) << QPointF(cx - r, tipY - r * 0.8);
            break;
        case Cutter::Counterbore:
            body << QPointF(cx - r * 0.45, tipY + 240) << QPointF(cx + r * 0.45, tipY + 240)
                 << QPointF(cx + r * 0.45, tipY) << QPointF(cx + r, tipY)
                 << QPointF(cx + r, tipY - flute * 0.6) << QPointF(cx - r, tipY - flute * 0.6)
                 << QPointF(cx - r, tipY) << QPointF(cx - r * 0.45, tipY);
            break;
        case Cutter::BackCounterbore:
            // A bar through the hole with the cutter under the part, cutting upwards.
            body << QPointF(cx - r, tipY) << QPointF(cx + r, tipY) << QPointF(cx + r, tipY + 180)
                 << QPointF(cx + r * 0.35, tipY + 180) << QPointF(cx + r * 0.35, topY + 600)
                 << QPointF(cx - r * 0.35, topY + 600) << QPointF(cx - r * 0.35, tipY + 180)
                 << QPointF(cx - r, tipY + 180);
            break;
        case Cutter::Tap:
            body << QPointF(cx - r * 0.7, tipY) << QPointF(cx + r * 0.7, tipY)
                 << QPointF(cx + r, tipY - 120) << QPointF(cx + r, tipY - flute)
                 << QPointF(cx - r, tipY - flute) << QPointF(cx - r, tipY - 120);
            break;
    }
    const double bodyTop = k == Cutter::BackCounterbore ? topY + 600 : body.boundingRect().top();
    // Shank and holder above the cutting part.
    QPolygonF holder;
    const double hw = std::max(shank, 180.0);
    holder << QPointF(cx - hw, bodyTop) << QPointF(cx + hw, bodyTop) << QPointF(cx + hw, topY + 240)
           << QPointF(cx + hw + 150, topY + 120) << QPointF(cx + hw + 150, topY)
           << QPointF(cx - hw - 150, topY) << QPointF(cx - hw - 150, topY + 120)
           << QPointF(cx - hw, topY + 240);
    if (bodyTop > topY + 240)
        c.tool(body, holder);
    else
        c.tool(body);
    QPen pen(color::toolLine, kPx);
    c.painter().setPen(pen);
    if (k == Cutter::EndMill || k == Cutter::Drill || k == Cutter::Reamer ||
        k == Cutter::BallMill) {
        const double from =
            k == Cutter::Drill ? tipY - r * 0.6 : tipY - (k == Cutter::BallMill ? r : 0);
        for (double y = from - 90; y > tipY - flute + 60; y -= 180)
            c.painter().drawLine(QPointF(cx - r, y), QPointF(cx + r, y - 120));
    }
    if (k == Cutter::Tap || k == Cutter::ThreadMill) {
        for (double y = tipY - 60; y > tipY - flute + 30; y -= 75)
            c.painter().drawLine(QPointF(cx - r, y), QPointF(cx + r, y - 40));
    }
}

// ---- operation pictures ---------------------------------------------------------------------

enum class Op {
    Move,
    Facing,
    Contour,
    Pocket,
    PocketFinish,
    PocketIsland,
    Spot,
    SpotChamfer,
    Drill,
    PeckDrill,
    Helix,
    CircularPocket,
    Chamfer,
    Bore,
    HelixBore,
    ContourBore,
    Counterbore,
    BossFace,
    HelixCounterbore,
    CircularCounterbore,
    Tap,
    ThreadMill
};

struct OpRow {
    std::string_view stem;  // compared with the start of the picture stem, longest first
    Op op;
};
// clang-format off
constexpr OpRow kOps[] = {
    {"DEPLACER",      Op::Move},
    {"SURFACER",      Op::Facing},
    {"CONTOURNER_",   Op::Contour},
    {"POCHE_E_",      Op::Pocket},
    {"POCHE_F_",      Op::PocketFinish},
    {"POCHE_P_",      Op::PocketIsland},
    {"POINTER_CH_",   Op::SpotChamfer},
    {"POINTER_",      Op::Spot},
    {"PERCER_D_",     Op::PeckDrill},
    {"PERCER_C_",     Op::CircularPocket},
    {"PERCER_",       Op::Drill},
    {"HELICE_",       Op::Helix},
    {"CHANFREINER_",  Op::Chamfer},
    {"ALESER_H_",     Op::HelixBore},
    {"ALESER_C_",     Op::ContourBore},
    {"ALESER_",       Op::Bore},
    {"LAMER_BOSSAGE", Op::BossFace},
    {"LAMERSP_P",     Op::Counterbore},
    {"LAMERSP_H",     Op::HelixCounterbore},
    {"LAMERSP_C",     Op::CircularCounterbore},
    {"LAMER_P",       Op::Counterbore},
    {"LAMER_H",       Op::HelixCounterbore},
    {"LAMER_C",       Op::CircularCounterbore},
    {"TARAUDER_",     Op::Tap},
    {"FILETER_",      Op::ThreadMill},
};
// clang-format on

Op opOf(const std::string& stem) {
    for (const OpRow& r : kOps)
        if (starts(stem, r.stem)) return r.op;
    return Op::Pocket;
}

// Heights of the side view, in twips: the value boxes stand in a column on the picture's right,
// one every 360 twips, and each dimension is drawn at the height of its box.
constexpr double kSafe = 210, kApproach = 510, kTop = 750, kFloor = 1590, kBottom = 2130;
constexpr double kS = 2400;

struct Side {
    Canvas& c;
    const Job& job;
    // The dimension of box `id`, its line at `lineX`.
    void dim(const char* id, double lineX, double y1, double y2, double fx, Ends e = Ends::Both) {
        for (const Overlay& o : overlaysOf(job, {id}))
            c.dimVOn(lineX, y1, y2, fx, fx, o.rect, e);
    }
    void dimH(const char* id, double x1, double x2, double fy1, double fy2, const QString& m = {}) {
        for (const Overlay& o : overlaysOf(job, {id}))
            c.dimH(x1, x2, fy1, fy2, o.rect, Ends::Both, m);
    }
};

void safetyAndApproach(Side& s, double toolX) {
    s.c.safetyLine({0, kSafe}, {kS, kSafe});
    s.c.rapid({QPointF(toolX, 60), QPointF(toolX, kApproach)});
}

// The dimensions of a pocket-like hole drawn between x1 and x2: safety Z, approach clearance,
// pass and last pass (`pass` deep), bottom and side allowances, diameter, overrun.
void poolDims(Side& s, double x1, double x2, double floorY, double over, double pass) {
    const double lx = 2310, lx2 = 2190;  // dimension lines near the right side
    s.dim("0", lx, kSafe, kTop, x2);
    s.dim("1", lx2, kApproach, kTop, x2);
    s.dim("2", lx, kTop, kTop + pass, x2);
    s.dim("3", lx2, floorY - pass, floorY, x2);
    s.dim("4", lx, floorY - 90, floorY, x2);
    s.dimH("5", x1, x1 + 90, floorY, floorY);
    s.dimH("6", x1, x2, floorY, floorY, QStringLiteral("Ø"));
    s.dim("7", lx, kBottom, kBottom + over, x2);
}

QImage millingOperation(const Job& job) {
    Canvas c(job.widthTwips, job.heightTwips, true);
    Side s{c, job};
    const Op op = opOf(job.stem);
    const bool through = job.stem.ends_with("_D") && op != Op::PeckDrill
                             ? true
                             : (op == Op::PeckDrill && job.stem == "PERCER_D_D");
    const double floorY = through ? kBottom : kFloor;
    const double over = through ? 150 : 0;
    const double lx = 2310, lx2 = 2190;  // dimension lines near the right side

    switch (op) {
        case Op::Move:
        case Op::Contour: {
            // A step along the profile: the part on the left, passes down its wall.
            const double wall = 1050;
            QPolygonF part;
            part << QPointF(-30, kTop) << QPointF(wall, kTop) << QPointF(wall, floorY);
            if (!through) part << QPointF(kS + 30, floorY);
            part << QPointF(kS + 30, through ? floorY : kBottom + 300)
                 << QPointF(-30, kBottom + 300);
            if (through) {
                part.clear();
                part << QPointF(-30, kTop) << QPointF(wall, kTop) << QPointF(wall, kBottom)
                     << QPointF(-30, kBottom);
            }
            c.stock(QRectF(wall, kTop, 600, floorY - kTop));
            c.part(part);
            const double d = 420, cx = wall + 90 + d / 2;
            safetyAndApproach(s, cx + d / 2 + 150);
            // The passes step down beside the wall, each one running along the profile (across
            // the view) at its depth.
            const double sx = cx + d / 2 + 150;
            c.feed({QPointF(sx, kApproach), QPointF(sx, kTop + 280), QPointF(sx + 120, kTop + 280),
                    QPointF(sx + 120, kTop + 560), QPointF(sx + 240, kTop + 560),
                    QPointF(sx + 240, floorY)});
            for (double y : {kTop + 280, kTop + 560, floorY})
                c.painter().drawEllipse(QPointF(wall + 90, y), 30, 30);
            cutter(c, Cutter::EndMill, cx, floorY + over, d, 60);
            s.dim("0", lx, kSafe, kTop, wall);
            s.dim("1", lx2, kApproach, kTop, wall);
            s.dim("2", lx, kTop, kTop + 280, wall);
            s.dim("3", lx2, floorY - 280, floorY, wall);
            s.dim("4", lx, floorY - 90, floorY, wall);
            s.dimH("5", wall, wall + 90, floorY, floorY);
            s.dim("7", lx, kBottom, kBottom + over, wall);
            break;
        }
        case Op::Facing: {
            const double skin = kTop + 300;
            c.stock(QRectF(-30, kTop, kS + 60, skin - kTop));
            c.part(QRectF(-30, skin, kS + 60, kS));
            const double d = 1320, cx = 1200;
            safetyAndApproach(s, 2250);
            c.feed({QPointF(2250, kTop + 150), QPointF(120, kTop + 150)});
            c.feed({QPointF(120, skin), QPointF(2250, skin)});
            cutter(c, Cutter::FaceMill, cx, kTop + 150, d, 60);
            s.dim("0", lx, kSafe, kTop, 1800);
            s.dim("1", lx2, kApproach, kTop, 1800);
            s.dim("2", lx, kTop, kTop + 150, 1800);
            s.dim("3", lx2, kTop + 150, skin, 1800);
            s.dim("4", lx, skin - 90, skin, 1800);
            break;
        }
        case Op::Pocket:
        case Op::PocketFinish:
        case Op::PocketIsland:
        case Op::CircularPocket:
        case Op::CircularCounterbore:
        case Op::ContourBore: {
            const double x1 = 330, x2 = 1830;
            QPolygonF part;
            part << QPointF(-30, kTop) << QPointF(x1, kTop) << QPointF(x1, floorY);
            if (through) {
                c.part(QRectF(-30, kTop, x1 + 30, kBottom - kTop));
                c.part(QRectF(x2, kTop, kS - x2 + 30, kBottom - kTop));
            } else {
                part << QPointF(x2, floorY) << QPointF(x2, kTop) << QPointF(kS + 30, kTop)
                     << QPointF(kS + 30, kS + 30) << QPointF(-30, kS + 30);
                c.part(part);
            }
            if (op != Op::PocketFinish) c.stock(QRectF(x1, kTop, x2 - x1, floorY - kTop));
            if (op == Op::PocketIsland) c.part(QRectF(930, kTop + 240, 300, floorY - kTop - 240));
            // The tool stands at the far wall; the plunge and the passes run beside it.
            const double d = 360, cx = x2 - 60 - d / 2, px = cx - d / 2 - 120;
            safetyAndApproach(s, px);
            if (op == Op::PocketFinish) {
                c.feed({QPointF(px, kApproach), QPointF(px, floorY - 60),
                        QPointF(x1 + 250, floorY - 60)});
            } else {
                for (double y : {kTop + 280, kTop + 560, floorY})
                    c.feed({QPointF(px, y), QPointF(x1 + 60, y)});
                c.feed({QPointF(px, kApproach), QPointF(px, kTop + 270)});
            }
            cutter(c, Cutter::EndMill, cx, floorY + over, d, 60);
            poolDims(s, x1, x2, floorY, over, 280);
            break;
        }
        case Op::Helix:
        case Op::HelixBore:
        case Op::HelixCounterbore: {
            const double x1 = 630, x2 = 1770;
            if (through) {
                c.part(QRectF(-30, kTop, x1 + 30, kBottom - kTop));
                c.part(QRectF(x2, kTop, kS - x2 + 30, kBottom - kTop));
            } else {
                c.part(QPolygonF({QPointF(-30, kTop), QPointF(x1, kTop), QPointF(x1, floorY),
                                  QPointF(x2, floorY), QPointF(x2, kTop), QPointF(kS + 30, kTop),
                                  QPointF(kS + 30, kS + 30), QPointF(-30, kS + 30)}));
            }
            c.stock(QRectF(x1, kTop, x2 - x1, floorY - kTop));
            const double d = 420, cx = (x1 + x2) / 2;
            safetyAndApproach(s, x2 - 240);
            QPainterPath helix;
            helix.moveTo(x2 - d / 2 - 30, kApproach);
            double y = kApproach;
            bool right = true;
            while (y < floorY - 200) {
                const double ny = y + 220;
                helix.cubicTo(QPointF(right ? x2 : x1, y + 40), QPointF(right ? x2 : x1, ny - 40),
                              QPointF(cx, ny));
                y = ny;
                right = !right;
            }
            c.feedPath(helix);
            cutter(c, Cutter::EndMill, x2 - d / 2 - 30, floorY + over, d, 60);
            poolDims(s, x1, x2, floorY, over, 220);
            break;
        }
        case Op::Counterbore:
        case Op::BossFace: {
            const bool back = starts(job.stem, "LAMERSP");
            const double cx = 1080, hr = 210, cr = 480;
            const double cbTop = back ? kBottom - 300 : kTop,
                         cbBottom = back ? kBottom : kTop + 300;
            c.part(QRectF(-30, kTop, kS + 60, kBottom - kTop));
            c.hole(QPolygonF(QRectF(cx - hr, kTop, 2 * hr, kBottom - kTop)));
            if (op == Op::BossFace) {
                c.stock(QRectF(cx - cr - 150, kTop - 180, 2 * cr + 300, 180));
            }
            c.hole(QPolygonF(QRectF(cx - cr, cbTop, 2 * cr, cbBottom - cbTop)));
            safetyAndApproach(s, cx + cr + 150);
            if (back) {
                c.feed({QPointF(cx + cr + 150, kBottom + 120), QPointF(cx + cr + 150, cbTop + 30)});
                cutter(c, Cutter::BackCounterbore, cx, cbTop, 2 * cr - 60, 60);
            } else {
                c.feed({QPointF(cx + cr + 150, kApproach), QPointF(cx + cr + 150, cbBottom - 30)});
                cutter(c, Cutter::Counterbore, cx, op == Op::BossFace ? kTop - 30 : cbBottom - 330,
                       2 * cr - 60, 60);
            }
            s.dim("0", lx, kSafe, kTop, cx + cr);
            s.dim("1", lx2, kApproach, kTop, cx + cr);
            s.dim("2", lx, cbTop, cbTop + 150, cx + cr);
            s.dim("4", lx2, cbBottom - 90, cbBottom, cx + cr);
            s.dimH("5", cx + cr, cx + cr + 90, cbBottom, cbBottom);
            s.dimH("6", cx - cr, cx + cr, kBottom, kBottom, QStringLiteral("Ø"));
            break;
        }
        default: {
            // Holes: spot, spot and chamfer, drill, peck drill, chamfer, bore, tap, thread mill.
            const double cx = 1080, hr = 240;
            const double bottom = through ? kBottom : 1800;
            c.part(QRectF(-30, kTop, kS + 60, kBottom - kTop + (through ? 0 : 300)));
            QPolygonF hole;
            const bool spot = op == Op::Spot || op == Op::SpotChamfer;
            const double ch = (op == Op::Chamfer || op == Op::SpotChamfer) ? 150 : 0;
            if (spot) {
                const double sr = op == Op::SpotChamfer ? 330 : 240;
                hole << QPointF(cx - sr, kTop) << QPointF(cx, kTop + sr) << QPointF(cx + sr, kTop);
                c.stock(QRectF(cx - hr * 0.75, kTop + sr * 0.75, hr * 1.5, 700));
            } else {
                hole << QPointF(cx - hr - ch, kTop) << QPointF(cx - hr, kTop + ch)
                     << QPointF(cx - hr, bottom);
                if (!through) hole << QPointF(cx, bottom + 140);
                hole << QPointF(cx + hr, bottom) << QPointF(cx + hr, kTop + ch)
                     << QPointF(cx + hr + ch, kTop);
            }
            c.hole(hole);
            if (op == Op::Tap || op == Op::ThreadMill) {
                const bool partial =
                    starts(job.stem, "TARAUDER_A_") || starts(job.stem, "FILETER_A_");
                const double end = partial ? kTop + 600 : bottom - 60;
                QPen pen(color::partLine, 1.2 * kPx);
                c.painter().setPen(pen);
                for (double y = kTop + 30; y < end; y += 90) {
                    c.painter().drawLine(QPointF(cx - hr, y), QPointF(cx - hr - 60, y + 45));
                    c.painter().drawLine(QPointF(cx + hr, y), QPointF(cx + hr + 60, y + 45));
                }
            }
            const double toolTip = spot ? kTop + 150 : (through ? kBottom + 90 : bottom - 240);
            Cutter k = Cutter::Drill;
            if (spot) k = Cutter::SpotDrill;
            if (op == Op::Chamfer) k = Cutter::Chamfer;
            if (op == Op::Bore) k = Cutter::Reamer;
            if (op == Op::Tap) k = Cutter::Tap;
            if (op == Op::ThreadMill) k = Cutter::ThreadMill;
            const double d = op == Op::ThreadMill ? 300 : (op == Op::Chamfer ? 660 : 2 * hr - 30);
            const double tx = op == Op::ThreadMill ? cx + hr - 150 - 30 : cx;
            s.c.safetyLine({0, kSafe}, {kS, kSafe});
            s.c.rapid({QPointF(1800, 60), QPointF(1800, kApproach)});
            if (op == Op::PeckDrill) {
                const double step = (bottom - kTop) / 3;
                for (int i = 0; i < 3; ++i) {
                    c.feed({QPointF(1800, kTop + i * step + (i == 0 ? -240 : 30)),
                            QPointF(1800, kTop + (i + 1) * step)});
                }
            } else {
                c.feed({QPointF(1800, kApproach), QPointF(1800, spot ? kTop + 240 : bottom)});
            }
            cutter(c, k, tx, op == Op::Chamfer ? kTop + ch + 30 : toolTip, d, 60);
            const double fx = cx + hr;
            s.dim("0", lx, kSafe, kTop, fx);
            s.dim("1", lx2, kApproach, kTop, fx);
            const double step = (bottom - kTop) / 3;
            s.dim("2", lx, kTop, kTop + step, fx);
            s.dim("3", lx2, bottom - step, bottom, fx);
            s.dim("4", lx, bottom - 90, bottom, fx);
            s.dimH("6", cx - hr - ch, cx + hr + ch, kTop, kTop, QStringLiteral("Ø"));
            s.dim("7", lx, kBottom, kBottom + 150, fx);
            break;
        }
    }
    return c.finish();
}

// ---- engagement pictures --------------------------------------------------------------------

enum class Mode {
    OutsidePlane,
    InsidePlane,
    Axial,
    Ramp,
    Tangent,
    Normal,
    Extension,
    ArcTangent,
    Helix,
    Plane,
    CentreNormal,
    CentreTangent
};

// The engagement modes of each picture stem, by list index.
struct EngageRow {
    std::string_view stem;
    Mode modes[8];
    int count;
    bool closed;
};
// clang-format off
const EngageRow kEngage[] = {
    {"DEPL_F_",  {Mode::OutsidePlane, Mode::InsidePlane, Mode::Axial, Mode::Ramp}, 4, true},
    {"DEPL_O_",  {Mode::OutsidePlane, Mode::Axial, Mode::Ramp}, 3, false},
    {"SURF_",    {Mode::Plane, Mode::Ramp}, 2, false},
    {"CONT_F_",  {Mode::Tangent, Mode::Normal, Mode::Axial, Mode::Ramp}, 4, true},
    {"CONT_O_",  {Mode::Extension, Mode::Normal, Mode::Axial, Mode::Ramp, Mode::ArcTangent}, 5, false},
    {"CONT_EF_", {Mode::Tangent, Mode::Normal, Mode::Axial, Mode::Ramp,
                  Mode::Tangent, Mode::Normal, Mode::Axial, Mode::Ramp}, 8, true},
    {"CONT_EO_", {Mode::Extension, Mode::Normal, Mode::Axial, Mode::Ramp, Mode::ArcTangent}, 5, false},
    {"POCHE_E_", {Mode::Axial, Mode::Ramp, Mode::Helix}, 3, true},
    {"POCHE_F_", {Mode::Axial, Mode::Ramp, Mode::Helix}, 3, true},
    {"POCHE_O_", {Mode::Axial}, 1, false},
    {"POCHE_P_", {Mode::Tangent, Mode::Normal, Mode::Axial, Mode::Ramp}, 4, true},
    {"CONT_C_",  {Mode::CentreNormal, Mode::Normal, Mode::CentreTangent, Mode::Tangent}, 4, true},
};
// clang-format on

struct Engage {
    Mode mode = Mode::Normal;
    bool closed = true;
    bool inside = false;  // CONT_EF_ 4 to 7: the inside of the profile
    bool circle = false;
    bool pocket = false;
    int sweep = 0;
};

Engage engageOf(const std::string& stem) {
    Engage e;
    for (const EngageRow& r : kEngage) {
        if (!starts(stem, r.stem)) continue;
        std::string rest = stem.substr(r.stem.size());
        if (r.stem == "SURF_") {  // "SURF_" + sweep + "_" + index
            e.sweep = rest.empty() ? 1 : rest[0] - '0';
            rest = rest.size() > 2 ? rest.substr(2) : "0";
        }
        const int k = rest.empty() ? 0 : std::clamp(rest[0] - '0', 0, r.count - 1);
        e.mode = r.modes[k];
        e.closed = r.closed;
        e.inside = r.stem == "CONT_EF_" && k >= 4;
        e.circle = r.stem == "CONT_C_";
        e.pocket = starts(stem, "POCHE_E_") || starts(stem, "POCHE_F_") || starts(stem, "POCHE_O_");
        return e;
    }
    return e;
}

struct Boxes {
    const Job& job;
    std::vector<Rect> of(const char* id) const {
        std::vector<Rect> out;
        for (const Overlay& o : overlaysOf(job, {id}))
            out.push_back(o.rect);
        return out;
    }
};

// Side view of a plunging engagement: axial, along a ramp or a helix, down to the depth, then
// along the profile.
void sideEngagement(Canvas& c, const Job& job, const Engage& e, double w, double h) {
    const double top = h * 0.42, depth = h * 0.78, start = w * 0.28, wall = w * 0.83;
    const Boxes b{job};
    c.part(QRectF(-30, top, wall + 30, h - top + 30));
    c.stock(QRectF(start - 240, top, wall - start + 240, depth - top));
    c.safetyLine({0, top - 420}, {w, top - 420});
    const double approach = top - 210;
    c.rapid({QPointF(start, 60), QPointF(start, approach)});
    QPainterPath p;
    p.moveTo(start, approach);
    if (e.mode == Mode::Axial) {
        p.lineTo(start, depth - 60);
        p.lineTo(wall - 330, depth - 60);
    } else if (e.mode == Mode::Ramp) {
        p.lineTo(start + (wall - start) * 0.55, depth - 60);
        p.lineTo(wall - 330, depth - 60);
    } else {  // helix
        double y = approach;
        bool right = true;
        while (y < depth - 240) {
            const double ny = y + 240;
            p.cubicTo(QPointF(right ? start + 420 : start - 420, y + 40),
                      QPointF(right ? start + 420 : start - 420, ny - 40), QPointF(start, ny));
            y = ny;
            right = !right;
        }
        p.lineTo(start, depth - 60);
        p.lineTo(wall - 330, depth - 60);
    }
    c.feedPath(p);
    for (const Rect& r : b.of("tbGardeAcc"))
        c.dimVOn(snap(r.x - 4 * kPx), approach, top, start, start, r);
    for (const Rect& r : b.of("tbGardeDeg"))
        c.dimVOn(snap(r.x - 10 * kPx), approach, top, wall, wall, r);
    for (const Rect& r : b.of("tbRecouvre"))
        c.dimVOn(snap(r.x - 4 * kPx), top, depth, wall, wall, r);
}

// Where the tool comes down onto (or leaves) the working plane, seen from above.
void plungePoint(Canvas& c, QPointF at) {
    QPen pen(color::rapid, 1.5 * kPx);
    c.painter().setPen(pen);
    c.painter().setBrush(Qt::NoBrush);
    c.painter().drawEllipse(at, 75, 75);
    c.painter().drawLine(at + QPointF(-50, -50), at + QPointF(50, 50));
    c.painter().drawLine(at + QPointF(-50, 50), at + QPointF(50, -50));
}

QPolygonF disc(QPointF centre, double r) {
    QPainterPath p;
    p.addEllipse(centre, r, r);
    return p.toFillPolygon();
}

// Top view: the profile (part) and the tool's path along it, with the approach and retract.
// The distances are drawn at the path and joined to their boxes by leaders.
void topEngagement(Canvas& c, const Job& job, const Engage& e, double w, double h) {
    const Boxes b{job};
    const bool inside = e.inside || e.mode == Mode::InsidePlane;
    const double edge = h * 0.58, tr = 150;  // profile line, tool radius
    const double sign = inside ? 1 : -1;     // from the profile towards the tool's side
    const double path = edge + sign * (tr + 60);
    const double x0 = w * 0.10, x1 = w * 0.74;
    // The part: below the profile when the tool works outside it, above when inside.
    QPainterPath part;
    if (inside)
        part.addRect(QRectF(-30, -30, w + 60, edge + 30));
    else if (e.closed)
        part.addRoundedRect(QRectF(x0 - 60, edge, x1 - x0 + 240, h - edge + 600), 360, 360);
    else
        part.addRect(QRectF(-30, edge, w + 60, h - edge + 30));
    c.painter().setPen(QPen(color::partLine, 1.5 * kPx));
    c.painter().setBrush(color::partFill);
    c.painter().drawPath(part);

    const double acc = 720, deg = 600, rr = 600;
    const double startX = w * 0.30;
    QPointF entry(startX, path);
    QPointF from(startX, path + sign * acc);
    switch (e.mode) {
        case Mode::Extension:
            entry = QPointF(x0 + 60, path);
            from = QPointF(x0 + 60 - acc, path);
            c.feed({from, entry});
            break;
        case Mode::Tangent:
        case Mode::ArcTangent: {
            from = QPointF(startX - rr, path + sign * rr);
            QPainterPath arc;
            arc.moveTo(from);
            arc.quadTo(QPointF(startX - rr, path), entry);
            c.feedPath(arc);
            break;
        }
        default:
            c.feed({from, entry});
            break;
    }
    plungePoint(c, from);
    c.feed({entry, QPointF(x1, path)});
    const QPointF to(x1, path + sign * deg);
    c.feed({QPointF(x1, path), to});
    plungePoint(c, to);
    c.tool(disc(QPointF((startX + x1) / 2, path), tr));

    for (const Rect& r : b.of("tbGardeAcc")) {
        if (e.mode == Mode::Extension)
            c.dimH(from.x(), entry.x(), path, path, r);
        else if (e.mode == Mode::Tangent || e.mode == Mode::ArcTangent)
            c.leader(QPointF(startX - rr * 0.3, path + sign * rr * 0.3), r);
        else
            c.dimVOn(snap(startX - 240), from.y(), entry.y(), startX, startX, r);
    }
    for (const Rect& r : b.of("tbGardeDeg"))
        c.dimVOn(snap(x1 + 240), path, to.y(), x1, x1, r);
    // Overlap on closed profiles: the path runs on past its start.
    for (const Rect& r : b.of("tbRecouvre")) {
        const double y = path + sign * 90;
        QPen pen(color::feed, kPx);
        pen.setDashPattern({3, 2});
        c.painter().setPen(pen);
        c.painter().drawLine(QPointF(x1, y), QPointF(x1 + 450, y));
        c.dimH(x1, x1 + 450, y, y, r);
    }
}

// A circular contour seen from above: the tool starts at the centre or near the circle.
void circleEngagement(Canvas& c, const Job& job, const Engage& e, double w, double h) {
    const Boxes b{job};
    const QPointF o(w * 0.42, h * 0.58);
    const double R = std::min(w, h) * 0.36, tr = 120;
    c.part(QRectF(-30, -30, w + 60, h + 60));
    QPainterPath hole;
    hole.addEllipse(o, R, R);
    c.painter().setPen(QPen(color::partLine, 1.5 * kPx));
    c.painter().setBrush(color::paper);
    c.painter().drawPath(hole);
    const double pr = R - tr - 45;
    QPainterPath around;
    around.addEllipse(o, pr, pr);
    c.painter().setPen(QPen(color::feed, 1.8 * kPx));
    c.painter().setBrush(Qt::NoBrush);
    c.painter().drawPath(around);
    const bool centre = e.mode == Mode::CentreNormal || e.mode == Mode::CentreTangent;
    const bool tangent = e.mode == Mode::CentreTangent || e.mode == Mode::Tangent;
    const QPointF on(o.x(), o.y() - pr);
    const QPointF start = centre ? o : QPointF(o.x(), on.y() + pr * 0.45);
    if (tangent) {
        // A curve that meets the circle along its direction of travel.
        QPainterPath p;
        p.moveTo(start);
        p.quadTo(QPointF(start.x() + pr * 0.7, on.y()), QPointF(on.x() + 20, on.y()));
        c.feedPath(p);
    } else {
        c.feed({start, QPointF(on.x(), on.y() + 20)});
    }
    plungePoint(c, start);
    c.tool(disc(on, tr));
    for (const Rect& r : b.of("tbGardeDeg"))
        c.dimVOn(snap(on.x() - 300), on.y(), start.y(), on.x(), start.x(), r);
}

}  // namespace

QImage DrawMilling(const Job& job) { return millingOperation(job); }

QImage DrawEngagement(const Job& job) {
    Canvas c(job.widthTwips, job.heightTwips, true);
    const double w = job.widthTwips, h = job.heightTwips;
    const Engage e = engageOf(job.stem);
    if (e.circle) {
        circleEngagement(c, job, e, w, h);
    } else if (e.mode == Mode::Axial || e.mode == Mode::Ramp || e.mode == Mode::Helix) {
        sideEngagement(c, job, e, w, h);
    } else {
        topEngagement(c, job, e, w, h);
    }
    return c.finish();
}

QImage DrawMillingTool(const Job& job) {
    Canvas c(job.widthTwips, job.heightTwips, false);
    const std::string name = job.stem.substr(3);  // after "OP_"
    struct KindRow {
        std::string_view prefix;
        Cutter cutter;
        double diameter;
    };
    // clang-format off
    static const KindRow kinds[] = {
        {"FR", Cutter::EndMill,     480},
        {"FT", Cutter::FaceMill,    1020},
        {"FH", Cutter::BallMill,    420},
        {"FO", Cutter::Drill,       360},
        {"PC", Cutter::SpotDrill,   420},
        {"CH", Cutter::Chamfer,     600},
        {"AL", Cutter::Reamer,      360},
        {"LA", Cutter::Counterbore, 600},
        {"TA", Cutter::Tap,         420},
        {"FF", Cutter::ThreadMill,  360},
    };
    // clang-format on
    Cutter k = Cutter::EndMill;
    double d = 480;
    for (const KindRow& r : kinds)
        if (name.starts_with(r.prefix)) {
            k = r.cutter;
            d = r.diameter;
        }
    // The diameter in the name (millimetres) widens the drawing, within the picture.
    if (k != Cutter::FaceMill && name.size() > 2) {
        const double mm = std::atof(name.c_str() + 2);
        if (mm > 0) d = std::clamp(mm * 45, 240.0, 720.0);
    }
    cutter(c, k, 600, k == Cutter::Counterbore ? 900 : 1140, d, 30);
    return c.finish();
}

}  // namespace oru::picgen
