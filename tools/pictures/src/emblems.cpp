// The 27 nakshatra emblems. Each is drawn in a 100 x 100 box centred on
// (50, 50); the gold field around it has a radius of 45, so the figures keep
// within a radius of about 40.
#include "card.h"
#include "pathdata.h"

#include <QRadialGradient>
#include <array>
#include <cmath>

namespace pics {

namespace {

QPainterPath P(const char *d)
{
    return pathData(d);
}

void fill(QPainter &p, const QPainterPath &path, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
}

void line(QPainter &p, const QPainterPath &path, const QColor &c, double w, Qt::PenCapStyle cap = Qt::RoundCap)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, w, Qt::SolidLine, cap, Qt::RoundJoin));
    p.drawPath(path);
}

// Fills `path` in `c` with a thin gap of cut colour around it, so that it
// stands apart from whatever ink lies beneath.
void inlaid(QPainter &p, const Ink &k, const QPainterPath &path, const QColor &c, double gap = 1.6)
{
    line(p, path, k.cut, gap * 2);
    fill(p, path, c);
}

QPainterPath polyline(std::initializer_list<QPointF> pts)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &pt : pts) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    return path;
}

QPainterPath fourPointStar(double cx, double cy, double r)
{
    QPainterPath s;
    const double w = r * 0.22;
    s.moveTo(cx, cy - r);
    s.quadTo(cx + w, cy - w, cx + r, cy);
    s.quadTo(cx + w, cy + w, cx, cy + r);
    s.quadTo(cx - w, cy + w, cx - r, cy);
    s.quadTo(cx - w, cy - w, cx, cy - r);
    s.closeSubpath();
    return s;
}

// ---------------------------------------------------------------- 1 Ashwini
void ashwini(QPainter &p, const Ink &k)
{
    // Mane along the crest of the neck.
    const QPainterPath crest = P("M 60,20 C 69,23 77,31 81,42 C 84,52 85,62 85,76");
    QPainterPath mane;
    const int strands = 8;
    for (int i = 0; i < strands; ++i) {
        const double t = 0.03 + 0.93 * i / (strands - 1);
        const QPointF base = crest.pointAtPercent(t);
        const double a = crest.angleAtPercent(t) * M_PI / 180.0;
        const QPointF tangent(std::cos(a), -std::sin(a));
        const QPointF normal(tangent.y() * -1.0, tangent.x()); // points away from the neck
        const QPointF out = base - normal * 9.0 + tangent * 6.0;
        const QPointF mid = base - normal * 5.0 + tangent * 1.0;
        QPainterPath spine;
        spine.moveTo(base + normal * 2.0);
        spine.quadTo(mid, out);
        mane = mane.united(taper(spine, 7.5, 0.6, 20));
    }
    fill(p, mane, k.mid);

    QPainterPath head = P("M 51,23 C 52,17 53,11 56,5 C 60,10 62,15 62,21 "
                          "C 70,24 78,32 82,44 C 85,54 86,66 86,78 "
                          "C 76,83 64,84 55,81 C 57,72 58,66 57,60 "
                          "C 54,63 49,63 45,62 C 38,63 32,66 27,69 "
                          "C 22,71 17,68 17,63 C 17,59 19,56 22,53 "
                          "C 30,43 42,30 51,23 Z");
    line(p, head, k.cut, 2.2);
    fill(p, head, k.ink);

    // Forelock.
    fill(p, taper(P("M 58,17 Q 55,22 49,27"), 4.5, 0.5, 16), k.mid);
    // Eye.
    p.save();
    p.translate(45.5, 35.5);
    p.rotate(-38);
    fill(p, ellipse(0, 0, 3.2, 2.1), k.cream);
    fill(p, circle(0.3, 0, 1.2), k.ink);
    p.restore();
    // Nostril, mouth, cheek and bridle.
    line(p, P("M 24.5,55 C 21.5,56 21,60 23.5,61.5"), k.cut, 1.3);
    line(p, P("M 18.5,66 C 21,66.5 23.5,66.6 26,67.4"), k.cut, 1.0);
    line(p, P("M 56,46 C 60,50 60,57 55,60"), k.cut, 1.2);
    line(p, P("M 27,47 C 32,53 35,58 36,65"), k.cut, 1.4);
    line(p, P("M 36,57 C 42,53 50,48 57,42 C 60,39 61,33 60,25"), k.cut, 1.4);
}

// ---------------------------------------------------------------- 2 Bharani
void bharani(QPainter &p, const Ink &k)
{
    const QPainterPath tri = P("M 19,27 L 81,27 L 50,82 Z");
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(k.ink, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPath(tri);
    p.setPen(QPen(k.ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPath(P("M 29,33 L 71,33 L 50,70.5 Z"));
    const QPainterPath almond = P("M 50,35 C 56.5,41 57,49 50,61 C 43,49 43.5,41 50,35 Z");
    fill(p, almond, k.ink);
    line(p, P("M 50,40 C 53.5,44 53.5,50 50,56 C 46.5,50 46.5,44 50,40 Z"), k.cut, 1.0);
    fill(p, circle(50, 19.5, 2.6), k.ink);
}

// ---------------------------------------------------------------- 3 Krittika
void krittika(QPainter &p, const Ink &k)
{
    // An open straight razor: blade to the upper right, the scales (handle)
    // folded open to the lower left, the tang's tail curling past the pivot.
    p.save();
    p.translate(50, 50);
    p.rotate(-12);
    p.translate(-50, -50);
    const QPainterPath blade = P("M 36,45.5 C 33,45.5 31,43 32,40 C 33,37 36,36.5 39,37 "
                                 "L 48,37.5 C 52,37.6 54,36 57.5,35.5 L 83,35.5 "
                                 "C 86,35.5 87.5,37.5 87.5,40 L 87.5,48 C 87.5,51 85.5,52 82.5,51.8 "
                                 "C 72,50.6 62,50.6 54,52 C 50,52.7 47,51 45,49 Z");
    fill(p, blade, k.ink);
    fill(p, P("M 56,40.5 L 84.5,40.5 L 84.5,48.3 C 74,47.4 64,47.4 55.5,48.6 Z"), k.mid);
    line(p, P("M 54.5,50.4 C 63,49 73,48.9 86,50.2"), k.cream, 0.8);
    // Tail of the tang.
    fill(p, taper(P("M 37,40.5 C 33,40 29.5,41.5 28.5,45 C 28,47 29,48.5 30.5,49"), 3.0, 1.6, 16), k.ink);
    p.restore();
    // Scales.
    const QPainterPath handle = taper(P("M 43,50 C 36,58 28,66 19.5,74"), 10.0, 9.0, 24);
    inlaid(p, k, handle, k.ink, 1.0);
    line(p, P("M 39.6,56.5 C 34.5,61.5 29,67 23.5,71"), k.cut, 1.0);
    fill(p, circle(43, 49.5, 2.5), k.cream);
    fill(p, circle(43, 49.5, 1.0), k.ink);
    fill(p, circle(21.8, 71.8, 1.6), k.cream);
}

// ---------------------------------------------------------------- 4 Rohini
void rohini(QPainter &p, const Ink &k)
{
    // Canopy with a fringe, and its posts.
    fill(p, P("M 22,32 C 24,20 35,14.5 45,14.5 C 55,14.5 66,20 68,32 Z"), k.ink);
    fill(p, circle(45, 11.5, 2.6), k.ink);
    QPainterPath fringe;
    fringe.moveTo(21, 32);
    for (int i = 0; i < 8; ++i)
        fringe.quadTo(21 + 48.0 * (i + 0.5) / 8, 36.5, 21 + 48.0 * (i + 1) / 8, 32);
    fringe.closeSubpath();
    fill(p, fringe, k.ink);
    line(p, P("M 23,29.5 L 67,29.5"), k.cut, 0.9);
    line(p, P("M 45,16 L 45,29 M 35,17.5 C 32,21 30,25 29.5,29 M 55,17.5 C 58,21 60,25 60.5,29"), k.cut, 0.8);
    for (double x : {25.0, 45.0, 65.0})
        line(p, polyline({{x, 34}, {x, 40}}), k.ink, 2.2, Qt::FlatCap);
    // Car body.
    fill(p, P("M 17,39 L 72,39 L 67,60 L 24,60 Z"), k.ink);
    line(p, P("M 20,44.5 L 70.5,44.5"), k.cut, 1.0);
    for (double x : {52.0, 59.0, 66.0})
        fill(p, circle(x, 51.5, 1.6), k.cut);
    // Pole with the yoke at its end.
    fill(p, taper(P("M 64,56 C 74,58 81,57.5 87,52"), 3.6, 2.6, 20), k.ink);
    fill(p, taper(P("M 84,46 L 90.5,57"), 3.0, 3.0, 6), k.ink);
    // Wheel.
    const double cx = 36, cy = 63, r = 19;
    const QPainterPath rim = circle(cx, cy, r);
    line(p, rim, k.cut, 7.6);
    QPainterPath spokes;
    for (int i = 0; i < 8; ++i) {
        const double a = M_PI * i / 4 + M_PI / 8;
        spokes.moveTo(cx + std::cos(a) * 4, cy + std::sin(a) * 4);
        spokes.lineTo(cx + std::cos(a) * (r - 1), cy + std::sin(a) * (r - 1));
    }
    fill(p, circle(cx, cy, r), k.cut);
    line(p, spokes, k.ink, 2.2);
    line(p, rim, k.ink, 4.4);
    fill(p, circle(cx, cy, 5.0), k.ink);
    fill(p, circle(cx, cy, 1.8), k.cream);
}

// ---------------------------------------------------------------- 5 Mrigasira
void mrigasira(QPainter &p, const Ink &k)
{
    QPainterPath antler;
    antler = antler.united(taper(P("M 45.5,38 C 41,30 33,26 28,12"), 4.6, 2.0));
    antler = antler.united(taper(P("M 41.5,31.5 C 38.5,27 38.5,22 40.5,16"), 3.2, 1.4));
    antler = antler.united(taper(P("M 34,25.5 C 29,24 24,24.5 18.5,27"), 3.0, 1.3));
    antler = antler.united(taper(P("M 31,20 C 28,18 26,14.5 26,11"), 2.4, 1.2));
    fill(p, antler, k.ink);
    fill(p, mirroredX(antler), k.ink);

    const QPainterPath ear = P("M 41,45 C 34,38.5 25,37 17.5,40 C 22.5,46.5 31,49.5 41,49.5 Z");
    fill(p, ear, k.ink);
    fill(p, mirroredX(ear), k.ink);
    const QPainterPath earIn = P("M 37,45.3 C 32,42.2 27,41.5 22.5,42.2 C 26,45.5 31,46.7 37,46.8 Z");
    fill(p, earIn, k.mid);
    fill(p, mirroredX(earIn), k.mid);

    const QPainterPath head = P("M 50,35 C 58.5,35 63.5,41 62.5,49 C 61.5,57 57.5,67 55.5,76 "
                                "C 54.5,80.5 52.5,83 50,83 C 47.5,83 45.5,80.5 44.5,76 "
                                "C 42.5,67 38.5,57 37.5,49 C 36.5,41 41.5,35 50,35 Z");
    line(p, head, k.cut, 1.6);
    fill(p, head, k.ink);
    for (double sx : {1.0, -1.0}) {
        p.save();
        p.translate(50 + sx * 6.2, 51.5);
        p.rotate(sx * 18);
        fill(p, ellipse(0, 0, 2.7, 1.8), k.cream);
        fill(p, circle(sx * -0.3, 0, 1.05), k.ink);
        p.restore();
    }
    line(p, P("M 50,40 L 50,70"), k.cut, 0.9);
    fill(p, ellipse(50, 78.5, 3.6, 2.4), k.mid);
    line(p, P("M 47,76.5 C 48,78.5 52,78.5 53,76.5"), k.cut, 0.8);
}

// ---------------------------------------------------------------- 6 Ardra
void ardra(QPainter &p, const Ink &k)
{
    const QPainterPath drop = P("M 50,12 C 56,25 73,39 73,60 C 73,74 63,85 50,85 "
                                "C 37,85 27,74 27,60 C 27,39 44,25 50,12 Z");
    fill(p, drop, k.ink);
    // Facets: an inner table joined to the outline.
    const QPainterPath table = P("M 50,34 C 54,42 61,50 61,60 C 61,67 56,72 50,72 "
                                 "C 44,72 39,67 39,60 C 39,50 46,42 50,34 Z");
    fill(p, P("M 50,34 C 46,42 39,50 39,60 L 27.5,60 C 27.5,40 44,26 50,14 Z"), k.mid);
    fill(p, P("M 61,60 C 61,67 56,72 50,72 L 50,84.5 C 63,84.5 72.5,74 72.5,60 Z"), k.mid);
    line(p, table, k.cut, 1.1);
    QPainterPath facets;
    const std::array<std::pair<QPointF, QPointF>, 8> lines{{
        {{50, 14}, {50, 34}},
        {{63.5, 35}, {56, 45}},
        {{36.5, 35}, {44, 45}},
        {{73, 60}, {61, 60}},
        {{27, 60}, {39, 60}},
        {{67, 79}, {58, 69.5}},
        {{33, 79}, {42, 69.5}},
        {{50, 85}, {50, 72}},
    }};
    for (const auto &l : lines) {
        facets.moveTo(l.first);
        facets.lineTo(l.second);
    }
    line(p, facets, k.cut, 1.0);
    fill(p, fourPointStar(44, 50, 4.6), k.cream);
    fill(p, fourPointStar(77, 24, 4.5), k.ink);
    fill(p, fourPointStar(24, 29, 3.5), k.ink);
}

// ---------------------------------------------------------------- 7 Punarvasu
void punarvasu(QPainter &p, const Ink &k)
{
    // Quiver behind, with feathered shafts showing.
    p.save();
    p.translate(30, 50);
    p.rotate(-22);
    fill(p, P("M -7,-4 L 7,-4 L 6,30 C 6,33 -6,33 -6,30 Z"), k.mid);
    line(p, P("M -6.5,4 L 6.5,4 M -6.2,24 L 6.2,24"), k.cut, 1.0);
    for (double x : {-3.5, 0.5, 4.0}) {
        line(p, polyline({{x, -4}, {x, -16}}), k.ink, 1.2);
        fill(p, P("M 0,-14 L 2.2,-22 L 0,-20 L -2.2,-22 Z").translated(x, 0), k.ink);
    }
    p.restore();

    // Bow with recurved tips.
    QPainterPath bow = taper(P("M 60,12 C 76,20 84,35 84,50"), 2.0, 5.6, 32);
    bow = bow.united(taper(P("M 84,50 C 84,65 76,80 60,88"), 5.6, 2.0, 32));
    bow = bow.united(taper(P("M 60.5,12.5 Q 57,11.5 56,8"), 2.2, 1.4, 10));
    bow = bow.united(taper(P("M 60.5,87.5 Q 57,88.5 56,92"), 2.2, 1.4, 10));
    fill(p, bow, k.ink);
    line(p, P("M 82.6,46 L 85.4,46 M 82.6,54 L 85.4,54"), k.cut, 1.0, Qt::FlatCap);
    // String drawn back to the nock.
    line(p, polyline({{60.5, 12.8}, {40, 50}, {60.5, 87.2}}), k.ink, 1.1);
    // Arrow.
    line(p, polyline({{36, 50}, {84, 50}}), k.ink, 2.0, Qt::FlatCap);
    fill(p, P("M 93,50 L 82,44.5 L 85,50 L 82,55.5 Z"), k.ink);
    fill(p, P("M 49,50 L 43,43.5 L 36,43.5 L 41,50 L 36,56.5 L 43,56.5 Z"), k.ink);
    line(p, P("M 41,50 L 49,50"), k.cut, 0.8);
}

// ---------------------------------------------------------------- 8 Pushya
void pushya(QPainter &p, const Ink &k)
{
    line(p, circle(50, 50, 37.5), k.ink, 2.2);
    for (int i = 0; i < 24; ++i) {
        const double a = 2 * M_PI * i / 24;
        fill(p, circle(50 + std::cos(a) * 33.2, 50 + std::sin(a) * 33.2, 1.1), k.ink);
    }
    const QPainterPath petal = P("M 50,50 C 44,42 43.5,29 50,19 C 56.5,29 56,42 50,50 Z");
    const QPainterPath small = P("M 50,50 C 46,43 46,35 50,28 C 54,35 54,43 50,50 Z");
    for (int i = 0; i < 8; ++i)
        fill(p, rotated(small, 22.5 + 45.0 * i, 50, 50), k.mid);
    for (int i = 0; i < 8; ++i) {
        const QPainterPath pt = rotated(petal, 45.0 * i, 50, 50);
        line(p, pt, k.cut, 1.4);
        fill(p, pt, k.ink);
        line(p, rotated(P("M 50,40 L 50,25"), 45.0 * i, 50, 50), k.cut, 0.9);
    }
    inlaid(p, k, circle(50, 50, 8.5), k.ink, 0.8);
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * M_PI * i / 10;
        fill(p, circle(50 + std::cos(a) * 5.5, 50 + std::sin(a) * 5.5, 1.0), k.cream);
    }
    fill(p, circle(50, 50, 2.0), k.cream);
}

// ---------------------------------------------------------------- 9 Ashlesha
void ashlesha(QPainter &p, const Ink &k)
{
    // Coils on the ground.
    const QPainterPath low = ellipse(50, 76, 28, 8);
    line(p, low, k.ink, 7.5);
    const QPainterPath up = ellipse(50, 68.5, 20, 6.2);
    line(p, up, k.cut, 10.0);
    line(p, up, k.ink, 7.0);
    // Tail.
    fill(p, taper(P("M 76,80 C 81,81 85,79 87,75"), 5.0, 0.5, 16), k.ink);
    // Body rising into the hood.
    const QPainterPath neck = taper(P("M 56,73 C 67,66 65,56 57,50 C 52,46 49,43 50,37"), 7.4, 6.4, 40);
    line(p, neck, k.cut, 2.6);
    fill(p, neck, k.ink);
    // Scale bands.
    line(p, P("M 53,71 C 55,69 58,69 60,70 M 59,66 C 61,64.5 63,64.5 64.5,66 M 59,57 C 61,55 63,55 64,56"), k.cut, 0.9);
    for (int i = 0; i < 9; ++i) {
        const double a = M_PI * (0.15 + 0.7 * i / 8.0);
        const double x = 50 + std::cos(a) * 28, y = 76 + std::sin(a) * 8;
        line(p, polyline({{x, y - 3.2}, {x + 0.8, y + 3.2}}), k.cut, 0.8);
    }
    // Spread hood, seen from the front.
    const QPainterPath hood = P("M 50,17 C 59,17 66.5,24 66.5,33 C 66.5,41 58,46.5 50,50 "
                                "C 42,46.5 33.5,41 33.5,33 C 33.5,24 41,17 50,17 Z");
    line(p, hood, k.cut, 2.4);
    fill(p, hood, k.ink);
    line(p, P("M 50,21.5 C 57,21.5 62.5,27 62.5,33 C 62.5,39 56.5,43 50,46 "
              "C 43.5,43 37.5,39 37.5,33 C 37.5,27 43,21.5 50,21.5 Z"), k.cut, 0.8);
    // Belly scales down the middle of the hood.
    QPainterPath belly;
    for (int i = 0; i < 6; ++i) {
        const double y = 28.5 + i * 3.2;
        const double half = 3.4 - i * 0.25;
        belly.moveTo(50 - half, y);
        belly.quadTo(50, y + 1.3, 50 + half, y);
    }
    line(p, belly, k.cut, 0.9);
    // Head above the hood, tongue flicking down.
    const QPainterPath head = P("M 50,9.5 C 54.5,9.5 57,12.5 57,16.5 C 57,21 53.5,25 50,25 "
                                "C 46.5,25 43,21 43,16.5 C 43,12.5 45.5,9.5 50,9.5 Z");
    line(p, head, k.cut, 2.0);
    fill(p, head, k.ink);
    fill(p, ellipse(46.8, 15.8, 1.5, 1.2), k.cream);
    fill(p, ellipse(53.2, 15.8, 1.5, 1.2), k.cream);
    line(p, P("M 50,24.5 L 50,28 L 48.4,30.4 M 50,28 L 51.6,30.4"), k.cream, 0.8);
}

// ---------------------------------------------------------------- 10 Magha
void magha(QPainter &p, const Ink &k)
{
    // Onion-domed roof with finial.
    fill(p, P("M 29,40 C 29,32 37,28 43,24.5 C 47,22 49,19 50,15 C 51,19 53,22 57,24.5 "
              "C 63,28 71,32 71,40 Z"), k.ink);
    fill(p, circle(50, 12.8, 2.2), k.ink);
    line(p, P("M 50,19 C 46,28 44,34 44,40 M 50,19 C 54,28 56,34 56,40"), k.cut, 0.9);
    // Cabin.
    fill(p, P("M 31,43 L 69,43 L 69,72 L 31,72 Z"), k.ink);
    const QPainterPath window = P("M 41,68 L 41,55 C 41,50 45,47 50,47 C 55,47 59,50 59,55 L 59,68 Z");
    fill(p, window, k.mid);
    line(p, window, k.cut, 1.1);
    line(p, P("M 50,47.6 C 47,53 46,60 46.5,67.5 M 50,47.6 C 53,53 54,60 53.5,67.5"), k.ink, 1.0);
    line(p, P("M 34,47 L 34,69 M 66,47 L 66,69"), k.cut, 0.9);
    // Base.
    fill(p, P("M 27,72 L 73,72 L 71,77.5 L 29,77.5 Z"), k.ink);
    line(p, P("M 28,72.2 L 72,72.2"), k.cut, 0.9);
    fill(p, P("M 32,77.5 L 37,77.5 L 36,82 L 33,82 Z"), k.ink);
    fill(p, P("M 63,77.5 L 68,77.5 L 67,82 L 64,82 Z"), k.ink);
    // Carrying pole through the top of the cabin, with end caps.
    const QPainterPath pole = P("M 9,46 C 28,40 72,40 91,46");
    line(p, pole, k.cut, 6.2);
    line(p, pole, k.ink, 3.8);
    fill(p, circle(9, 46, 2.8), k.ink);
    fill(p, circle(91, 46, 2.8), k.ink);
    // Eaves.
    const QPainterPath eave = P("M 25,39 L 75,39 L 72,44 L 28,44 Z");
    line(p, eave, k.cut, 1.6);
    fill(p, eave, k.ink);
}

// ---------------------------------------------------------------- 11 Poorva Phalguni
QPainterPath flame(double cx, double base, double h, double w, double lean)
{
    QPainterPath f;
    const QPointF tip(cx + lean, base - h);
    f.moveTo(tip);
    f.cubicTo(QPointF(cx + lean * 0.4 + w * 0.15, base - h * 0.7), QPointF(cx + w, base - h * 0.55),
              QPointF(cx + w, base - h * 0.25));
    f.cubicTo(QPointF(cx + w, base - h * 0.05), QPointF(cx + w * 0.55, base), QPointF(cx, base));
    f.cubicTo(QPointF(cx - w * 0.55, base), QPointF(cx - w, base - h * 0.05), QPointF(cx - w, base - h * 0.25));
    f.cubicTo(QPointF(cx - w, base - h * 0.5), QPointF(cx + lean * 0.4 - w * 0.3, base - h * 0.65), tip);
    f.closeSubpath();
    return f;
}

void poorvaPhalguni(QPainter &p, const Ink &k)
{
    // Flames.
    const QPainterPath left = flame(37, 60, 28, 9, -8);
    const QPainterPath right = flame(63, 60, 28, 9, 8);
    fill(p, left, k.ink);
    fill(p, right, k.ink);
    fill(p, flame(37.5, 59, 13, 4, -3), k.mid);
    fill(p, flame(62.5, 59, 13, 4, 3), k.mid);
    const QPainterPath centre = flame(50, 60, 46, 12.5, 2);
    line(p, centre, k.cut, 2.6);
    fill(p, centre, k.ink);
    fill(p, flame(50, 58, 25, 6, 1), k.mid);
    fill(p, flame(50, 57, 12, 3, 0), k.cream);
    // Stepped fire altar.
    fill(p, P("M 16,60 L 84,60 L 84,66 L 78,66 L 78,72 L 72,72 L 72,79 L 28,79 L 28,72 "
              "L 22,72 L 22,66 L 16,66 Z"), k.ink);
    line(p, P("M 17,60.4 L 83,60.4"), k.cut, 0.9);
    line(p, P("M 22,66 L 78,66 M 28,72 L 72,72"), k.cut, 1.0);
    for (double x : {36.0, 50.0, 64.0})
        fill(p, circle(x, 75.5, 1.4), k.cut);
}

// ---------------------------------------------------------------- 12 Uttara Phalguni
void uttaraPhalguni(QPainter &p, const Ink &k)
{
    // Headboard and footboard.
    fill(p, P("M 13,79 L 13,31 C 13,27 21,27 21,31 L 21,79 Z"), k.ink);
    fill(p, circle(17, 25.5, 3.2), k.ink);
    line(p, P("M 17,34 L 17,58"), k.cut, 1.0);
    fill(p, P("M 80,79 L 80,46 C 80,43 87,43 87,46 L 87,79 Z"), k.ink);
    fill(p, circle(83.5, 41, 2.7), k.ink);
    // Frame and legs.
    fill(p, P("M 21,58 L 80,58 L 80,64 L 21,64 Z"), k.ink);
    fill(p, P("M 24,64 L 28,64 L 27.5,76 L 24.5,76 Z"), k.ink);
    fill(p, P("M 73,64 L 77,64 L 76.5,76 L 73.5,76 Z"), k.ink);
    // Mattress.
    const QPainterPath mattress = P("M 21,50 C 21,47.5 23,46.5 25,46.5 L 79,46.5 C 79.5,46.5 80,47 80,48 L 80,58 L 21,58 Z");
    line(p, mattress, k.cut, 1.6);
    fill(p, mattress, k.mid);
    // Pillow.
    const QPainterPath pillow = P("M 24,46 C 24,40 28,38.5 33,38.5 C 38,38.5 42,40 42,46 C 36,47 30,47 24,46 Z");
    line(p, pillow, k.cut, 1.6);
    fill(p, pillow, k.ink);
    // Cover, folded back and hanging over the side.
    const QPainterPath cover = P("M 45,45 L 80,45 L 80,63 C 70,65.5 56,65.5 47,63 C 46,57 45.5,51 45,45 Z");
    line(p, cover, k.cut, 1.6);
    fill(p, cover, k.ink);
    line(p, P("M 45.6,50 L 80,50"), k.cut, 1.0);
    line(p, P("M 49,56 L 78,56 M 49.5,59.5 L 78,59.5"), k.cut, 0.7);
}

// ---------------------------------------------------------------- 13 Hasta
void hasta(QPainter &p, const Ink &k)
{
    auto finger = [](double x, double top, double bottom, double w, double angle) {
        QPainterPath f;
        f.addRoundedRect(QRectF(x - w / 2, top, w, bottom - top), w / 2, w / 2);
        return rotated(f, angle, x, bottom);
    };
    QPainterPath hand;
    hand = hand.united(finger(39.0, 22, 56, 7.2, -7));
    hand = hand.united(finger(47.0, 16, 56, 7.4, -2));
    hand = hand.united(finger(55.0, 19, 56, 7.2, 3));
    hand = hand.united(finger(62.5, 28, 58, 6.4, 9));
    hand = hand.united(P("M 35,49 L 66,49 C 67,58 66,68 62,75 L 60.5,86 L 39.5,86 L 38,75 C 35,69 34,60 35,49 Z"));
    const QPainterPath thumb = taper(P("M 38.5,72 C 33,66 28,60 24,51"), 10.0, 7.2, 30);
    fill(p, hand, k.ink);
    line(p, thumb, k.cut, 2.2);
    fill(p, thumb, k.ink);
    // Gaps between the fingers.
    line(p, P("M 43,50 L 43,30 M 51,50 L 51,28 M 58.8,51 L 59.5,36"), k.cut, 1.0);
    // Knuckle creases and palm.
    line(p, P("M 37,36 L 41,36.4 M 45.2,31 L 48.8,31 M 53.4,33.5 L 57,33.8 M 60.5,40.5 L 63.5,41"), k.cut, 0.8);
    line(p, circle(50.5, 63, 6.0), k.cut, 1.0);
    for (int i = 0; i < 8; ++i) {
        const QPainterPath petal = P("M 50.5,63 C 49.3,61 49.3,59.5 50.5,58 C 51.7,59.5 51.7,61 50.5,63 Z");
        fill(p, rotated(petal, 45.0 * i, 50.5, 63), k.cream);
    }
    line(p, P("M 40,79.5 L 60.6,79.5 M 40.3,82.8 L 60.4,82.8"), k.cut, 1.0, Qt::FlatCap);
}

// ---------------------------------------------------------------- 14 Chitra
void chitra(QPainter &p, const Ink &k)
{
    // Upper shell, opened behind the pearl.
    const QPainterPath upper = P("M 21,58 C 16,40 29,19 50,17 C 71,19 84,40 79,58 Z");
    fill(p, upper, k.ink);
    QPainterPath ribs;
    for (int i = 0; i < 9; ++i) {
        const double a = M_PI * (1.12 + 0.76 * i / 8.0);
        ribs.moveTo(50 + std::cos(a) * 12, 60 + std::sin(a) * 12);
        ribs.lineTo(50 + std::cos(a) * 40, 60 + std::sin(a) * 40);
    }
    p.save();
    p.setClipPath(upper);
    line(p, ribs, k.cut, 1.1);
    p.restore();
    // Lower shell.
    const QPainterPath lower = P("M 17,60 C 19,74 33,83 50,83 C 67,83 81,74 83,60 C 72,64 28,64 17,60 Z");
    line(p, lower, k.cut, 1.8);
    fill(p, lower, k.ink);
    line(p, P("M 27,68.5 C 40,72 60,72 73,68.5 M 33,75.5 C 44,78 56,78 67,75.5"), k.cut, 0.9);
    // The pearl.
    line(p, circle(50, 55, 12), k.cut, 2.4);
    QRadialGradient g(QPointF(46, 50), 15);
    g.setColorAt(0, QColor(255, 255, 250));
    g.setColorAt(0.55, k.cream);
    g.setColorAt(1, QColor(226, 200, 150));
    p.setPen(QPen(k.ink, 1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(50, 55), 11.4, 11.4);
    fill(p, ellipse(45.5, 50.5, 3.2, 2.2), QColor(255, 255, 255));
    fill(p, fourPointStar(71, 27, 5.0), k.cream);
    fill(p, fourPointStar(30, 31, 3.6), k.cream);
}

// ---------------------------------------------------------------- 15 Swati
void swati(QPainter &p, const Ink &k)
{
    fill(p, P("M 25,81 C 29,72 40,68.5 50,68.5 C 60,68.5 71,72 75,81 C 62,83.5 38,83.5 25,81 Z"), k.ink);
    line(p, P("M 33,76 C 36,74.5 39,74 42,74 M 58,74 C 61,74 64,74.5 67,76"), k.cut, 0.9);
    const QPainterPath stem = taper(P("M 50,70 C 50,58 46,48 51,36 C 54,28 58,23 61,19"), 4.6, 2.2, 40);
    fill(p, stem, k.ink);
    const QPainterPath leafL = P("M 49,54 C 42,42 30,38 16,41 C 24,53 38,59 49,54 Z");
    const QPainterPath leafR = P("M 52,41 C 57,29 69,23 84,24 C 78,37 66,44 52,41 Z");
    const QPainterPath bud = P("M 60.5,20 C 58,14 60,9 65,6 C 67.5,11 66,17 60.5,20 Z");
    for (const QPainterPath &leaf : {leafL, leafR, bud})
        fill(p, leaf, k.ink);
    line(p, P("M 47.5,53 C 40,47 31,43.5 20,42"), k.cut, 1.0);
    line(p, P("M 54,40.5 C 62,35 70,29 80.5,25.5"), k.cut, 1.0);
    line(p, P("M 61.5,18 C 62,14 63,11 64.6,8.5"), k.cut, 0.8);
    line(p, P("M 40,48.5 L 36,44 M 32,45.5 L 29,42 M 62,35.5 L 61,31 M 70,31 L 69.5,27"), k.cut, 0.7);
}

// ---------------------------------------------------------------- 16 Vishakha
void vishakha(QPainter &p, const Ink &k)
{
    // Stand.
    fill(p, P("M 44,76 L 56,76 L 59,86 L 41,86 Z"), k.ink);
    // Wheel: thick disc seen from above and the side.
    fill(p, P("M 15,63 L 15,69 C 15,75.5 31,79.5 50,79.5 C 69,79.5 85,75.5 85,69 L 85,63 Z"), k.ink);
    const QPainterPath top = ellipse(50, 63, 35, 9.5);
    line(p, top, k.cut, 1.6);
    fill(p, top, k.mid);
    line(p, ellipse(50, 63, 28, 7.3), k.ink, 0.9);
    line(p, P("M 19,67 C 24,71 34,72.5 42,72.5 M 81,67 C 77,70 68,72 60,72.5"), k.cut, 0.9);
    // Motion marks on the disc.
    line(p, P("M 24,61.5 C 27,58.5 33,57 38,56.5 M 76,64.5 C 73,67.5 67,69 62,69.5"), k.ink, 1.2);
    // The pot being thrown.
    const QPainterPath pot = P("M 42,63 C 36,61 31,55 31,47 C 31,39 37,34 43,32 C 44,30 43,28 40.5,26 "
                               "L 59.5,26 C 57,28 56,30 57,32 C 63,34 69,39 69,47 C 69,55 64,61 58,63 Z");
    line(p, pot, k.cut, 1.8);
    fill(p, pot, k.ink);
    line(p, ellipse(50, 26.2, 9.5, 2.0), k.cut, 1.0);
    line(p, P("M 33,45 C 44,47.5 56,47.5 67,45 M 34,50 C 44,52.5 56,52.5 66,50"), k.cut, 0.9);
}

// ---------------------------------------------------------------- 17 Anuradha
void anuradha(QPainter &p, const Ink &k)
{
    const QPointF base(50, 66);
    auto petal = [&](double angle, double len, double width) {
        QPainterPath pt;
        pt.moveTo(base);
        pt.cubicTo(QPointF(50 - width, 66 - len * 0.3), QPointF(50 - width * 0.8, 66 - len * 0.75), QPointF(50, 66 - len));
        pt.cubicTo(QPointF(50 + width * 0.8, 66 - len * 0.75), QPointF(50 + width, 66 - len * 0.3), base);
        pt.closeSubpath();
        return rotated(pt, angle, base.x(), base.y());
    };
    auto vein = [&](double angle, double len) {
        return rotated(polyline({{50, 66 - len * 0.25}, {50, 66 - len * 0.85}}), angle, base.x(), base.y());
    };
    for (double s : {-1.0, 1.0})
        fill(p, petal(s * 80, 30, 8.5), k.mid);
    for (double s : {-1.0, 1.0}) {
        const QPainterPath pt = petal(s * 54, 38, 10.5);
        line(p, pt, k.cut, 1.6);
        fill(p, pt, k.ink);
        line(p, vein(s * 54, 38), k.cut, 0.9);
    }
    for (double s : {-1.0, 1.0}) {
        const QPainterPath pt = petal(s * 26, 44, 11.5);
        line(p, pt, k.cut, 1.6);
        fill(p, pt, k.ink);
        line(p, vein(s * 26, 44), k.cut, 0.9);
    }
    const QPainterPath centre = petal(0, 50, 12.5);
    line(p, centre, k.cut, 1.8);
    fill(p, centre, k.ink);
    line(p, vein(0, 50), k.cut, 0.9);
    // Seed pod and water.
    const QPainterPath pod = P("M 38,64 C 40,70.5 60,70.5 62,64 C 56,66 44,66 38,64 Z");
    line(p, pod, k.cut, 1.4);
    fill(p, pod, k.ink);
    line(p, P("M 20,75 C 25,72 30,72 35,75 C 40,78 45,78 50,75 C 55,72 60,72 65,75 C 70,78 75,78 80,75"), k.ink, 2.0);
    line(p, P("M 28,82 C 33,79 38,79 43,82 C 48,85 53,85 58,82 C 63,79 68,79 73,82"), k.ink, 1.6);
}

// ---------------------------------------------------------------- 18 Jyeshtha
void jyeshtha(QPainter &p, const Ink &k)
{
    // Canopy with a scalloped edge.
    QPainterPath canopy;
    canopy.moveTo(50, 17);
    canopy.cubicTo(68, 17, 83, 29, 85, 47);
    const int scallops = 6;
    for (int i = 0; i < scallops; ++i) {
        const double x0 = 85 - 70.0 * i / scallops;
        const double x1 = 85 - 70.0 * (i + 1) / scallops;
        canopy.quadTo((x0 + x1) / 2, 40.5, x1, 47);
    }
    canopy.cubicTo(17, 29, 32, 17, 50, 17);
    canopy.closeSubpath();
    fill(p, canopy, k.ink);
    QPainterPath ribs;
    for (int i = 1; i < scallops; ++i) {
        const double x = 85 - 70.0 * i / scallops;
        ribs.moveTo(50, 18.5);
        ribs.quadTo(50 + (x - 50) * 0.75, 22 + std::abs(x - 50) * 0.08, x, 46);
    }
    line(p, ribs, k.cut, 1.0);
    line(p, P("M 20,40 C 33,35.5 67,35.5 80,40"), k.cut, 0.8);
    // Finial.
    fill(p, P("M 48.6,17.5 L 48.6,12.5 L 51.4,12.5 L 51.4,17.5 Z"), k.ink);
    fill(p, circle(50, 11.5, 2.5), k.ink);
    // Shaft and crook.
    line(p, P("M 50,46 L 50,77 C 50,86.5 39.5,86.5 39.5,78.5"), k.ink, 3.6);
    line(p, P("M 48.3,52 L 51.7,52"), k.cut, 0.9, Qt::FlatCap);
}

// ---------------------------------------------------------------- 19 Moola
void moola(QPainter &p, const Ink &k)
{
    // Stem stub with two leaves.
    fill(p, taper(P("M 50,33 L 50,17"), 9.0, 6.5, 8), k.ink);
    fill(p, P("M 48,19 C 44,12 37,10 30,12 C 34,18 41,21 48,19 Z"), k.ink);
    fill(p, P("M 52,19 C 56,12 63,10 70,12 C 66,18 59,21 52,19 Z"), k.ink);
    line(p, P("M 46.5,17.6 C 42,15 37,13.5 33,13.5 M 53.5,17.6 C 58,15 63,13.5 67,13.5"), k.cut, 0.8);
    line(p, P("M 47.5,19 L 52.5,19"), k.cut, 0.8);
    // Roots below the binding.
    struct Root {
        const char *d;
        double w;
    };
    const Root roots[] = {
        {"M 46,37 C 40,45 30,52 22,66", 5.0},
        {"M 47,38 C 42,50 37,62 33,79", 5.2},
        {"M 49,38 C 47,52 46,66 45,85", 5.4},
        {"M 51,38 C 53,52 55,66 57,84", 5.4},
        {"M 53,38 C 58,50 63,62 68,77", 5.2},
        {"M 54,37 C 61,45 70,51 79,63", 5.0},
    };
    QPainterPath all;
    for (const Root &r : roots)
        all = all.united(taper(P(r.d), r.w, 0.6, 40));
    const char *rootlets[] = {
        "M 33,55 C 30,56 27,56 24,55", "M 39,62 C 36,65 33,67 29,68", "M 46,60 C 43,63 41,67 40,71",
        "M 54,58 C 57,61 59,65 60,69", "M 61,60 C 64,63 67,65 71,66", "M 67,54 C 70,55 73,55 76,54",
        "M 36,72 C 33,74 31,77 29,80",  "M 64,72 C 67,74 69,77 71,80",  "M 45.5,75 C 43,77 42,79 41.5,82",
        "M 56,74 C 58.5,76 59.5,78 60,81",
    };
    for (const char *d : rootlets)
        all = all.united(taper(P(d), 2.0, 0.4, 16));
    fill(p, all, k.ink);
    // Binding cord, wound three times with a knot.
    const QPainterPath band = P("M 41,31 L 59,31 L 59,39 L 41,39 Z");
    line(p, band, k.cut, 1.6);
    fill(p, band, k.mid);
    line(p, P("M 41.5,33.6 L 58.5,33.6 M 41.5,36.4 L 58.5,36.4"), k.ink, 0.8);
    fill(p, taper(P("M 59,35 C 64,34 67,37 66,42"), 2.4, 1.2, 16), k.mid);
    fill(p, taper(P("M 59,35 C 63,38 63,42 60,45"), 2.4, 1.2, 16), k.mid);
}

// ---------------------------------------------------------------- 20 Purva Ashadha
void purvaAshadha(QPainter &p, const Ink &k)
{
    p.save();
    p.translate(50, 74);
    p.rotate(-14);
    const double r0 = 15, r1 = 44;
    const int pleats = 14;
    const double span = 124.0; // degrees
    // Leaf, pleated: alternate pleats lighter.
    for (int i = 0; i < pleats; ++i) {
        const double a0 = (-90 - span / 2 + span * i / pleats) * M_PI / 180;
        const double a1 = (-90 - span / 2 + span * (i + 1) / pleats) * M_PI / 180;
        QPainterPath seg;
        seg.moveTo(std::cos(a0) * r0, std::sin(a0) * r0);
        seg.lineTo(std::cos(a0) * r1, std::sin(a0) * r1);
        const double am = (a0 + a1) / 2;
        seg.quadTo(std::cos(am) * (r1 + 2.2), std::sin(am) * (r1 + 2.2), std::cos(a1) * r1, std::sin(a1) * r1);
        seg.lineTo(std::cos(a1) * r0, std::sin(a1) * r0);
        seg.closeSubpath();
        fill(p, seg, i % 2 ? k.mid : k.ink);
    }
    // Border along the top edge and a painted band.
    QPainterPath band;
    for (int i = 0; i <= 40; ++i) {
        const double a = (-90 - span / 2 + span * i / 40) * M_PI / 180;
        const QPointF pt(std::cos(a) * (r1 - 6), std::sin(a) * (r1 - 6));
        if (i == 0)
            band.moveTo(pt);
        else
            band.lineTo(pt);
    }
    line(p, band, k.cut, 1.0);
    // Sticks.
    QPainterPath sticks;
    for (int i = 0; i <= pleats; i += 1) {
        const double a = (-90 - span / 2 + span * i / pleats) * M_PI / 180;
        sticks.moveTo(std::cos(a) * 3, std::sin(a) * 3);
        sticks.lineTo(std::cos(a) * (r0 + 0.5), std::sin(a) * (r0 + 0.5));
    }
    line(p, sticks, k.ink, 1.3);
    // Guard sticks.
    for (double s : {-1.0, 1.0}) {
        const double a = (-90 + s * span / 2) * M_PI / 180;
        line(p, polyline({{0, 0}, {std::cos(a) * (r1 + 0.5), std::sin(a) * (r1 + 0.5)}}), k.ink, 3.0);
    }
    fill(p, circle(0, 0, 3.6), k.ink);
    fill(p, circle(0, 0, 1.5), k.cream);
    p.restore();
    // Tassel.
    line(p, P("M 50,77.6 C 50,80 49,82 47.5,83"), k.ink, 1.0);
    fill(p, P("M 47.5,82 L 49.5,85 L 47,91 L 43,89 Z"), k.ink);
}

// ---------------------------------------------------------------- 21 Uttara Ashadha
void uttaraAshadha(QPainter &p, const Ink &k)
{
    const QPointF A(14, 51), B(57, 64), C(87, 45), D(44, 33);
    // Far leg first (mostly hidden).
    fill(p, taper(polyline({D, D + QPointF(0, 15)}), 4.0, 3.2, 6), k.ink);
    QPainterPath web;
    web.moveTo(A);
    web.lineTo(B);
    web.lineTo(C);
    web.lineTo(D);
    web.closeSubpath();
    fill(p, web, k.mid);
    // Woven lattice: strings both ways.
    QPainterPath strings;
    const int n = 9;
    for (int i = 1; i < n; ++i) {
        const double t = static_cast<double>(i) / n;
        strings.moveTo(A + (B - A) * t);
        strings.lineTo(D + (C - D) * t);
        strings.moveTo(A + (D - A) * t);
        strings.lineTo(B + (C - B) * t);
    }
    p.save();
    p.setClipPath(web);
    line(p, strings, k.ink, 1.3);
    p.restore();
    // Near legs, then the frame.
    for (const QPointF &c : {A, B, C}) {
        const QPainterPath leg = taper(polyline({c, c + QPointF(0, 20)}), 4.8, 3.6, 6);
        fill(p, leg, k.ink);
        line(p, polyline({c + QPointF(-2.2, 8), c + QPointF(2.2, 8)}), k.cut, 0.9, Qt::FlatCap);
        line(p, polyline({c + QPointF(-2.0, 13), c + QPointF(2.0, 13)}), k.cut, 0.9, Qt::FlatCap);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(k.ink, 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(web);
    for (const QPointF &c : {A, B, C, D})
        fill(p, circle(c.x(), c.y(), 2.0), k.cut);
}

// ---------------------------------------------------------------- 22 Shravana
void footprint(QPainter &p, const Ink &k, double x, double y, double angle, bool left)
{
    p.save();
    p.translate(x, y);
    p.rotate(angle);
    if (left)
        p.scale(-1, 1);
    // Right foot, toes up, centred on the sole.
    fill(p, P("M 0.5,-9 C 5.5,-9.5 7.5,-5 7,0 C 6.5,5 4.5,7.5 4.5,10.5 C 4.5,14 2.5,15.5 0,15.5 "
              "C -2.5,15.5 -4.5,14 -4.5,11 C -4.5,7 -6.5,3 -6.5,-2 C -6.5,-6 -4,-8.8 0.5,-9 Z"),
         k.ink);
    fill(p, ellipse(-3.8, -13.2, 2.5, 3.0), k.ink);
    fill(p, ellipse(0.6, -14.3, 1.7, 2.1), k.ink);
    fill(p, ellipse(3.8, -13.3, 1.5, 1.9), k.ink);
    fill(p, ellipse(6.4, -11.3, 1.3, 1.7), k.ink);
    fill(p, ellipse(8.2, -8.2, 1.2, 1.5), k.ink);
    p.restore();
}

void shravana(QPainter &p, const Ink &k)
{
    footprint(p, k, 37, 70, -8, true);
    footprint(p, k, 61, 52, 6, false);
    footprint(p, k, 39, 30, -8, true);
}

// ---------------------------------------------------------------- 23 Dhanistha
void dhanistha(QPainter &p, const Ink &k)
{
    p.save();
    p.translate(50, 51);
    p.rotate(-14);
    p.translate(-50, -50);
    const QPainterPath body = P("M 21,35 C 37,26 63,27 79,36.5 L 79,63.5 C 63,73 37,74 21,65 Z");
    fill(p, body, k.ink);
    // Hoops near each head, and the tension straps laced between them.
    line(p, P("M 28,32 C 26,42 26,58 28,68.5 M 72,31.5 C 74,42 74,58 72,68"), k.cut, 1.4);
    QPainterPath lacing;
    const int n = 7;
    for (int i = 0; i <= n; ++i) {
        const double x = 28 + 44.0 * i / n;
        const double bulge = std::sin((x - 21) / 58.0 * M_PI);
        const QPointF top(x, 33 - bulge * 4.2 + 2.2);
        if (i == 0)
            lacing.moveTo(top);
        else
            lacing.lineTo(top);
        if (i < n) {
            const double xm = x + 22.0 / n;
            const double bm = std::sin((xm - 21) / 58.0 * M_PI);
            lacing.lineTo(QPointF(xm, 67 + bm * 4.2 - 2.2));
        }
    }
    line(p, lacing, k.cream, 1.0);
    line(p, P("M 28,50 L 72,50"), k.cut, 0.7);
    // Left head: its rim, seen edge-on.
    fill(p, ellipse(21, 50, 5.5, 15), k.ink);
    line(p, ellipse(21, 50, 5.5, 15), k.cut, 0.9);
    // Right head turned a little to the viewer: skin with its black centre.
    fill(p, ellipse(79, 50, 6.4, 13.8), k.ink);
    fill(p, ellipse(79.8, 50, 4.8, 11.8), k.cream);
    fill(p, ellipse(80.3, 50, 2.5, 5.8), k.ink);
    p.restore();
    // Sound.
    line(p, P("M 14,27 C 16,24.5 19,23 22,22.5 M 17,32 C 19,30 22,29 25,28.5"), k.ink, 1.3);
    line(p, P("M 86,73 C 84,76 81,78 78,79 M 83,68 C 81,70.5 78,72 75,73"), k.ink, 1.3);
}

// ---------------------------------------------------------------- 24 Shatabhisha
void smallFlower(QPainter &p, const Ink &k, double cx, double cy, double r, double turn)
{
    QPainterPath petals;
    for (int i = 0; i < 5; ++i) {
        const double a = turn + 2 * M_PI * i / 5;
        petals = petals.united(circle(cx + std::cos(a) * r * 0.55, cy + std::sin(a) * r * 0.55, r * 0.47));
    }
    fill(p, petals, k.ink);
    fill(p, circle(cx, cy, r * 0.26), k.cream);
}

void shatabhisha(QPainter &p, const Ink &k)
{
    // Garlands of flowers in rings round an open centre.
    line(p, circle(50, 50, 32), k.ink, 1.1);
    line(p, circle(50, 50, 19), k.ink, 1.1);
    const int outer = 16, inner = 10;
    for (int i = 0; i < outer; ++i) {
        const double a = 2 * M_PI * i / outer;
        smallFlower(p, k, 50 + std::cos(a) * 32, 50 + std::sin(a) * 32, 6.6, a);
        const double b = 2 * M_PI * (i + 0.5) / outer;
        fill(p, circle(50 + std::cos(b) * 38.8, 50 + std::sin(b) * 38.8, 1.2), k.ink);
    }
    for (int i = 0; i < inner; ++i) {
        const double a = 2 * M_PI * (i + 0.5) / inner;
        smallFlower(p, k, 50 + std::cos(a) * 19, 50 + std::sin(a) * 19, 6.0, a);
    }
    for (int i = 0; i < 8; ++i) {
        const double a = 2 * M_PI * i / 8;
        fill(p, circle(50 + std::cos(a) * 7.5, 50 + std::sin(a) * 7.5, 1.3), k.ink);
    }
    fill(p, circle(50, 50, 2.6), k.ink);
}

// ---------------------------------------------------------------- 25 Poorva Bhadrapada
void poorvaBhadrapada(QPainter &p, const Ink &k)
{
    p.save();
    p.translate(50, 50);
    p.rotate(28);
    p.translate(-50, -50);
    // Blade.
    fill(p, P("M 50,9 C 53,13 55.5,18 55.5,22 L 55.5,63 L 44.5,63 L 44.5,22 C 44.5,18 47,13 50,9 Z"), k.ink);
    line(p, P("M 50,18 L 50,60"), k.cut, 1.3);
    line(p, P("M 46.8,24 L 46.8,60 M 53.2,24 L 53.2,60"), k.cut, 0.5);
    // Guard with curled ends.
    const QPainterPath guard = P("M 31,62 C 38,61 62,61 69,62 L 69,67.5 C 62,66.5 38,66.5 31,67.5 Z");
    line(p, guard, k.cut, 1.2);
    fill(p, guard, k.ink);
    fill(p, circle(30, 64.7, 3.2), k.ink);
    fill(p, circle(70, 64.7, 3.2), k.ink);
    fill(p, circle(30, 64.7, 1.1), k.cream);
    fill(p, circle(70, 64.7, 1.1), k.cream);
    // Grip and pommel.
    fill(p, P("M 46.3,67 L 53.7,67 L 53.2,81 L 46.8,81 Z"), k.ink);
    line(p, P("M 46.6,70.5 L 53.4,69 M 46.6,74 L 53.4,72.5 M 46.6,77.5 L 53.4,76"), k.cut, 0.8);
    fill(p, circle(50, 85, 4.4), k.ink);
    fill(p, circle(50, 90, 1.6), k.ink);
    fill(p, circle(48.8, 83.8, 1.2), k.cream);
    p.restore();
}

// ---------------------------------------------------------------- 26 Uttara Bhadrapada
void uttaraBhadrapada(QPainter &p, const Ink &k)
{
    // Two like figures standing side by side, hand in hand.
    auto figure = [&](double cx, double side) {
        // side: -1 for the figure on the left, +1 for the one on the right.
        fill(p, circle(cx, 26, 7.0), k.ink);
        const QPainterPath body =
            P("M -7,37 C -9,37 -10.5,39 -11,43 L -12.5,66 L 12.5,66 L 11,43 C 10.5,39 9,37 7,37 Z").translated(cx, 0);
        fill(p, body, k.ink);
        fill(p, taper(polyline({{cx - 4.6, 65}, {cx - 5.2, 85}}), 5.6, 4.8, 8), k.ink);
        fill(p, taper(polyline({{cx + 4.6, 65}, {cx + 5.2, 85}}), 5.6, 4.8, 8), k.ink);
        // Outer arm hangs down.
        fill(p, taper(polyline({{cx - side * 9.5, 40}, {cx - side * 14.5, 61}}), 5.2, 4.4, 8), k.ink);
        line(p, polyline({{cx - side * 10.6, 44.5}, {cx - side * 12.4, 56}}), k.cut, 0.8);
        // Inner arm reaches to the middle.
        fill(p, taper(polyline({{cx + side * 9.5, 40}, {50 - side * 2.5, 58}}), 5.2, 4.4, 8), k.ink);
        line(p, P("M -11.9,61 L 11.9,61").translated(cx, 0), k.cut, 0.9);
        line(p, P("M -3.6,37.3 C -2,40.3 2,40.3 3.6,37.3").translated(cx, 0), k.cut, 0.9);
    };
    figure(33, -1);
    figure(67, 1);
    fill(p, circle(50, 59.5, 3.6), k.ink);
}

// ---------------------------------------------------------------- 27 Revati
void revati(QPainter &p, const Ink &k)
{
    p.save();
    p.translate(50, 50);
    p.rotate(-10);
    p.translate(-50, -50);
    // Fins behind the body.
    fill(p, P("M 35,34 C 41,23 52,20 61,24 C 58,28 57,32 58,36 Z"), k.ink);
    line(p, P("M 42,31 L 45,24.5 M 48,31.5 L 51,22.6 M 54,33 L 56.5,23.5"), k.cut, 0.8);
    fill(p, P("M 43,64 C 45,72 51,75 56,73 C 53,70 53,66 53,63 Z"), k.ink);
    fill(p, P("M 60,61 C 63,66 67,67.5 70,66 C 68,63 68,60 68,58 Z"), k.ink);
    // Tail.
    const QPainterPath tail = P("M 71,50 C 76,44 81,38 88,33 C 85.5,42 85,46 83.5,50 C 85,54 85.5,58 88,67 C 81,62 76,56 71,50 Z");
    fill(p, tail, k.ink);
    line(p, P("M 75,49 L 85,37.5 M 75,51 L 85,62.5 M 77,50 L 84,50"), k.cut, 0.8);
    // Body.
    const QPainterPath body = P("M 13,50 C 17,40 29,32 43,31.5 C 57,31 67,40 74,47 L 74,53 "
                                "C 67,60 57,68 43,67.5 C 29,67 17,60 13,50 Z");
    line(p, body, k.cut, 1.8);
    fill(p, body, k.ink);
    // Scales.
    QPainterPath scales;
    for (int col = 0; col < 5; ++col) {
        const double x = 38 + col * 6.6;
        const double half = 14.5 - col * 1.9;
        const int rows = col < 3 ? 4 : 3;
        for (int r = 0; r < rows; ++r) {
            const double y = 50 - half + (2 * half) * (r + 0.5 + (col % 2) * 0.25) / (rows + 0.25);
            scales.moveTo(x + 2.5, y - 3.2);
            scales.quadTo(x - 2.2, y, x + 2.5, y + 3.2);
        }
    }
    p.save();
    p.setClipPath(body);
    line(p, scales, k.cut, 0.8);
    p.restore();
    line(p, P("M 31,37 C 27,44 27,56 31,63"), k.cut, 1.3);
    fill(p, circle(22.5, 46.5, 3.1), k.cream);
    fill(p, circle(22, 46.5, 1.5), k.ink);
    line(p, P("M 13.6,52 C 15.5,52.3 17.5,52.6 19,53.8"), k.cut, 0.9);
    p.restore();
    // Bubbles.
    line(p, circle(14, 30, 2.2), k.ink, 1.0);
    line(p, circle(19, 22, 1.5), k.ink, 1.0);
}

const EmblemFn kEmblems[kNakshatraCount] = {
    ashwini, bharani,  krittika,   rohini,   mrigasira,  ardra,        punarvasu,     pushya,
    ashlesha, magha,   poorvaPhalguni, uttaraPhalguni, hasta, chitra,   swati,         vishakha,
    anuradha, jyeshtha, moola,     purvaAshadha, uttaraAshadha, shravana, dhanistha,   shatabhisha,
    poorvaBhadrapada, uttaraBhadrapada, revati,
};

} // namespace

EmblemFn emblem(int number)
{
    return kEmblems[number - 1];
}

} // namespace pics
