// Small drawing helpers shared by the emblem and card painters.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <vector>

namespace pics {

// Builds a path from SVG path data (commands M L H V C S Q T Z, upper and
// lower case; no arcs).
QPainterPath pathData(const char *d);

QPainterPath circle(double cx, double cy, double r);
QPainterPath ellipse(double cx, double cy, double rx, double ry);

// Rotates a path by `degrees` (clockwise on screen) about (cx, cy).
QPainterPath rotated(const QPainterPath &p, double degrees, double cx, double cy);
QPainterPath translated(const QPainterPath &p, double dx, double dy);
// Mirrors a path about the vertical line x = axis.
QPainterPath mirroredX(const QPainterPath &p, double axis = 50.0);

// A filled outline following the centre line `spine` whose width changes
// linearly from w0 at the start to w1 at the end (round start cap when
// w0 > 0, pointed or round end).
QPainterPath taper(const QPainterPath &spine, double w0, double w1, int samples = 48);

} // namespace pics
