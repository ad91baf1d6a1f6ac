#pragma once

// Drawing vocabulary of the sample pictures: one palette, one set of strokes, and dimension
// lines that end next to the value box that labels them. Coordinates are twips of the picture
// widget (15 twips per pixel at 1x); the canvas maps them onto an image drawn at 2x.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "catalog.hpp"
#include "oru/widget.hpp"

namespace oru::picgen {

namespace color {
inline const QColor partFill{0xB8, 0xBE, 0xC6};
inline const QColor partLine{0x4B, 0x55, 0x63};
inline const QColor stockFill{0xE5, 0xE7, 0xEB};
inline const QColor stockLine{0x9C, 0xA3, 0xAF};
inline const QColor toolFill{0x25, 0x63, 0xEB};
inline const QColor toolLine{0x1E, 0x3A, 0x8A};
inline const QColor holder{0x93, 0xC5, 0xFD};
inline const QColor feed{0x11, 0x18, 0x27};
inline const QColor rapid{0xDC, 0x26, 0x26};
inline const QColor safety{0x05, 0x96, 0x69};
inline const QColor axis{0x6B, 0x72, 0x80};
inline const QColor coolant{0x0E, 0xA5, 0xE9};
inline const QColor dimension{0x4B, 0x55, 0x63};
inline const QColor paper{0xFF, 0xFF, 0xFF};
}  // namespace color

constexpr double kPx = oru::kTwipsPerPixel;  // twips per pixel at 1x
constexpr double kScale = 2.0;               // pixels per pixel at 1x in the written files

// Which ends of a dimension carry an arrow head.
enum class Ends { Both, First, Second, None };

class Canvas {
public:
    // An image of the widget's size at 2x; `opaque` fills it with white (JPEG and 24-bit BMP
    // files have no transparency), otherwise it starts transparent.
    Canvas(int widthTwips, int heightTwips, bool opaque);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QImage finish();
    QPainter& painter() { return p_; }
    double width() const { return w_; }
    double height() const { return h_; }

    // ---- the part and the stock -------------------------------------------------------------
    void part(const QPolygonF& outline);
    void part(const QRectF& r) { part(QPolygonF(r)); }
    void stock(const QPolygonF& outline);  // material to remove
    void stock(const QRectF& r) { stock(QPolygonF(r)); }
    void hole(const QPolygonF& outline);   // cut-away material, drawn as paper
    void hatch(const QPolygonF& outline);  // a section: part fill with thin hatching
    void jaws(const QRectF& r);            // chuck jaw or clamp
    void tool(const QPolygonF& insert, const QPolygonF& body = {});

    // ---- moves and reference lines ------------------------------------------------------------
    void feed(std::initializer_list<QPointF> pts, bool arrow = true) {
        feed(QPolygonF(pts), arrow);
    }
    void feed(const QPolygonF& path, bool arrow = true);
    void feedPath(const QPainterPath& path, bool arrow = true);
    void rapid(std::initializer_list<QPointF> pts, bool arrow = true) {
        rapid(QPolygonF(pts), arrow);
    }
    void rapid(const QPolygonF& path, bool arrow = true);
    void safetyLine(QPointF a, QPointF b);
    void axisLine(QPointF a, QPointF b);
    void arrowHead(QPointF tip, QPointF from, const QColor& c, double size = 6.0);

    // ---- dimensions -------------------------------------------------------------------------
    // A vertical dimension measuring y1..y2. Its line stands beside the box (on the box's side
    // facing `towardsX`) and runs on to the box's middle when the box stands outside y1..y2;
    // extension lines join the features at (fromX1, y1) and (fromX2, y2) to it.
    void dimV(double y1, double y2, double fromX1, double fromX2, const Rect& box,
              Ends ends = Ends::Both, const QString& mark = {});
    // The same with the dimension line at `lineX`, for boxes that stand off the picture: the
    // leader to the box runs out of the picture's side.
    void dimVOn(double lineX, double y1, double y2, double fromX1, double fromX2, const Rect& box,
                Ends ends = Ends::Both, const QString& mark = {});
    // A horizontal dimension measuring x1..x2, drawn at the height of the box's middle, with
    // extension lines from (x1, fromY1) and (x2, fromY2), and run on to the box when the box
    // stands outside x1..x2.
    void dimH(double x1, double x2, double fromY1, double fromY2, const Rect& box,
              Ends ends = Ends::Both, const QString& mark = {});
    // A vertical or horizontal dimension at a fixed place (no box).
    void dimVAt(double x, double y1, double y2, Ends ends = Ends::Both);
    void dimHAt(double y, double x1, double x2, Ends ends = Ends::Both);
    // A leader from a point of the drawing to the nearest side of the box.
    void leader(QPointF from, const Rect& box, bool arrow = true);
    // An angle between two rays from `centre`, with an arc of `radius`; the box, when given,
    // is joined by a leader from the arc's middle.
    void angle(QPointF centre, double fromDeg, double toDeg, double radius,
               const std::optional<Rect>& box = std::nullopt, const QString& mark = {});
    // A short letter or symbol in bold, centred at `at`.
    void mark(QPointF at, const QString& text, const QColor& c = color::dimension);

    // Coolant drops and a rotation arrow.
    void drop(QPointF at);
    void rotation(QPointF centre, double rx, double ry);

private:
    void line(QPointF a, QPointF b, const QColor& c, double widthPx);
    void extension(QPointF from, QPointF to);
    void dimLine(QPointF a, QPointF b, Ends ends);

    QImage img_;
    QPainter p_;
    double w_, h_;
};

// Snaps a coordinate to the pixel grid at 1x.
inline double snap(double twips) {
    return static_cast<double>(static_cast<long long>(twips / kPx + (twips >= 0 ? 0.5 : -0.5))) *
           kPx;
}

// The overlays of the given kinds over every state of a job (each rectangle once).
std::vector<Overlay> overlaysOf(const Job& job, std::initializer_list<const char*> what);
std::optional<Rect> firstOverlay(const Job& job, const char* what);

// Drawers, one per kind of picture.
QImage DrawTurning(const Job& job);
QImage DrawThread(const Job& job);
QImage DrawPlunge(const Job& job);
QImage DrawMilling(const Job& job);
QImage DrawEngagement(const Job& job);
QImage DrawMillingTool(const Job& job);

}  // namespace oru::picgen
