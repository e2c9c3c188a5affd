#include "pathdata.h"

#include <QTransform>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace pics {

namespace {

struct Reader {
    const char *s;
    void skip()
    {
        while (*s && (std::isspace(static_cast<unsigned char>(*s)) || *s == ','))
            ++s;
    }
    bool atNumber()
    {
        skip();
        return *s && (std::isdigit(static_cast<unsigned char>(*s)) || *s == '-' || *s == '+' || *s == '.');
    }
    double number()
    {
        skip();
        char *end = nullptr;
        const double v = std::strtod(s, &end);
        if (end == s)
            throw std::runtime_error(std::string("bad path data near: ") + s);
        s = end;
        return v;
    }
};

} // namespace

QPainterPath pathData(const char *d)
{
    QPainterPath path;
    Reader r{d};
    char cmd = 0;
    QPointF cur, start, lastCtrl;
    char lastCmd = 0;
    for (;;) {
        r.skip();
        if (!*r.s)
            break;
        if (std::isalpha(static_cast<unsigned char>(*r.s)))
            cmd = *r.s++;
        else if (!cmd)
            throw std::runtime_error("path data must start with a command");
        const bool rel = std::islower(static_cast<unsigned char>(cmd));
        const QPointF base = rel ? cur : QPointF(0, 0);
        auto pt = [&] {
            const double x = r.number();
            const double y = r.number();
            return QPointF(x, y) + base;
        };
        switch (std::toupper(static_cast<unsigned char>(cmd))) {
        case 'M':
            cur = start = pt();
            path.moveTo(cur);
            cmd = rel ? 'l' : 'L'; // further pairs are line-to
            lastCtrl = cur;
            break;
        case 'L':
            cur = pt();
            path.lineTo(cur);
            lastCtrl = cur;
            break;
        case 'H': {
            const double x = r.number();
            cur = QPointF(rel ? cur.x() + x : x, cur.y());
            path.lineTo(cur);
            lastCtrl = cur;
            break;
        }
        case 'V': {
            const double y = r.number();
            cur = QPointF(cur.x(), rel ? cur.y() + y : y);
            path.lineTo(cur);
            lastCtrl = cur;
            break;
        }
        case 'C': {
            const QPointF c1 = pt(), c2 = pt(), e = pt();
            path.cubicTo(c1, c2, e);
            lastCtrl = c2;
            cur = e;
            break;
        }
        case 'S': {
            const QPointF c1 = (lastCmd == 'C' || lastCmd == 'S') ? 2 * cur - lastCtrl : cur;
            const QPointF c2 = pt(), e = pt();
            path.cubicTo(c1, c2, e);
            lastCtrl = c2;
            cur = e;
            break;
        }
        case 'Q': {
            const QPointF c = pt(), e = pt();
            path.quadTo(c, e);
            lastCtrl = c;
            cur = e;
            break;
        }
        case 'T': {
            const QPointF c = (lastCmd == 'Q' || lastCmd == 'T') ? 2 * cur - lastCtrl : cur;
            const QPointF e = pt();
            path.quadTo(c, e);
            lastCtrl = c;
            cur = e;
            break;
        }
        case 'Z':
            path.closeSubpath();
            cur = start;
            lastCtrl = cur;
            break;
        default:
            throw std::runtime_error(std::string("unsupported path command: ") + cmd);
        }
        lastCmd = static_cast<char>(std::toupper(static_cast<unsigned char>(cmd)));
        if (lastCmd == 'Z' && r.atNumber())
            throw std::runtime_error("numbers after Z");
    }
    return path;
}

QPainterPath circle(double cx, double cy, double r)
{
    return ellipse(cx, cy, r, r);
}

QPainterPath ellipse(double cx, double cy, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

QPainterPath rotated(const QPainterPath &p, double degrees, double cx, double cy)
{
    QTransform t;
    t.translate(cx, cy);
    t.rotate(degrees);
    t.translate(-cx, -cy);
    return t.map(p);
}

QPainterPath translated(const QPainterPath &p, double dx, double dy)
{
    return p.translated(dx, dy);
}

QPainterPath mirroredX(const QPainterPath &p, double axis)
{
    QTransform t(-1, 0, 0, 1, 2 * axis, 0);
    return t.map(p);
}

QPainterPath taper(const QPainterPath &spine, double w0, double w1, int samples)
{
    std::vector<QPointF> left, right;
    left.reserve(samples + 1);
    right.reserve(samples + 1);
    for (int i = 0; i <= samples; ++i) {
        const double t = static_cast<double>(i) / samples;
        const double pct = spine.percentAtLength(spine.length() * t);
        const QPointF p = spine.pointAtPercent(pct);
        const double a = spine.angleAtPercent(pct) * M_PI / 180.0; // counter-clockwise, y up
        const QPointF n(-std::sin(a), -std::cos(a));                // normal in screen coordinates
        const double w = (w0 + (w1 - w0) * t) / 2.0;
        left.push_back(p + n * w);
        right.push_back(p - n * w);
    }
    QPainterPath out;
    out.moveTo(left.front());
    for (std::size_t i = 1; i < left.size(); ++i)
        out.lineTo(left[i]);
    for (std::size_t i = right.size(); i-- > 0;)
        out.lineTo(right[i]);
    out.closeSubpath();
    out.setFillRule(Qt::WindingFill);
    QPainterPath result = out;
    if (w0 > 0.3)
        result = result.united(circle(left.front().x() / 2 + right.front().x() / 2,
                                      left.front().y() / 2 + right.front().y() / 2, w0 / 2));
    if (w1 > 0.3)
        result = result.united(circle(left.back().x() / 2 + right.back().x() / 2,
                                      left.back().y() / 2 + right.back().y() / 2, w1 / 2));
    return result;
}

} // namespace pics
