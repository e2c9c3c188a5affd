#include "bead.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace pics {

namespace {

struct Vec3 {
    double x, y, z;
};

Vec3 normalise(Vec3 v)
{
    const double l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / l, v.y / l, v.z / l};
}

double dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

double smoothstep(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Integer hash giving a value in [0, 1); fully determined by its inputs.
double hash01(std::int32_t x, std::int32_t y, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^ static_cast<std::uint32_t>(y) * 0xd8163841u ^
                      seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return (h & 0xffffffu) / 16777216.0;
}

double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy);
    const double tx = smoothstep(0, 1, x - fx), ty = smoothstep(0, 1, y - fy);
    const double a = hash01(ix, iy, seed), b = hash01(ix + 1, iy, seed);
    const double c = hash01(ix, iy + 1, seed), d = hash01(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

const double kPi = 3.14159265358979323846;

double wrapAngle(double a)
{
    while (a > kPi)
        a -= 2 * kPi;
    while (a < -kPi)
        a += 2 * kPi;
    return a;
}

class Bead {
public:
    explicit Bead(int faces)
        : n_(faces), seed_(static_cast<std::uint32_t>(7919 * faces + 17))
    {
        const double step = 2 * kPi / n_;
        for (int k = 0; k < n_; ++k) {
            const double jitter = n_ > 1 ? (hash01(k, 1, seed_) - 0.5) * 0.22 * step : 0.0;
            base_.push_back(-kPi / 2 + 0.35 + step * k + jitter);
            bend_.push_back((hash01(k, 2, seed_) - 0.5) * 0.5);
        }
    }

    // Angle of groove k at distance r (0..1) from the centre: grooves wander a little.
    double grooveAngle(int k, double r) const
    {
        return base_[k] + bend_[k] * std::sin(kPi * r) * 0.35 + 0.12 * r;
    }

    // Radius of the outline at angle a: a small notch where each groove meets the rim.
    double outline(double a) const
    {
        double notch = 0;
        for (int k = 0; k < n_; ++k) {
            const double d = wrapAngle(a - grooveAngle(k, 1.0));
            notch = std::max(notch, std::exp(-(d * d) / (0.085 * 0.085)));
        }
        return 1.0 - 0.045 * notch;
    }

    struct Sample {
        double h;      // height
        double groove; // 0..1, how deep in a groove
        double hole;   // 0..1, inside the central hole
    };

    Sample at(double u, double v) const
    {
        const double r = std::sqrt(u * u + v * v);
        const double a = std::atan2(v, u);
        const double edge = outline(a);
        const double rn = r / edge;
        Sample s{};
        s.h = std::sqrt(std::max(0.0, 1.0 - rn * rn)) * 0.9;

        // Distance to the nearest groove, along the surface.
        double best = 1e9;
        int nearest = 0;
        for (int k = 0; k < n_; ++k) {
            const double d = std::abs(wrapAngle(a - grooveAngle(k, rn))) * r;
            if (d < best) {
                best = d;
                nearest = k;
            }
        }
        const double width = (0.020 + 0.03 * rn) * std::min(1.0, std::sqrt(10.0 / n_));
        const double start = smoothstep(0.1, 0.24, rn);
        const double g = std::exp(-(best * best) / (width * width)) * start;
        s.groove = g;
        s.h -= 0.16 * g;

        // Each face swells between its two grooves.
        if (n_ >= 1) {
            const double k0 = grooveAngle(nearest, rn);
            double t = wrapAngle(a - k0);
            // position between this groove and the next one on the same side, 0..1
            const double step = 2 * kPi / n_;
            t = t >= 0 ? t / step : 1.0 + t / step;
            t = std::clamp(t, 0.0, 1.0);
            s.h += 0.10 * std::sin(kPi * t) * smoothstep(0.08, 0.5, rn) * (1 - 0.5 * rn * rn);
        }

        // Warty surface of the seed.
        const double f = 16.0;
        const double bumps = valueNoise(u * f + 40, v * f + 40, seed_) * 0.65 +
                             valueNoise(u * f * 2.3 + 10, v * f * 2.3 + 10, seed_ + 1) * 0.35;
        s.h += 0.035 * (bumps - 0.5) * (1 - g) * smoothstep(0.1, 0.3, rn);

        // Central hole with a raised lip.
        const double holeR = 0.075;
        s.hole = 1.0 - smoothstep(holeR - 0.012, holeR + 0.012, r);
        s.h += 0.05 * std::exp(-((r - 0.115) * (r - 0.115)) / (0.03 * 0.03));
        s.h -= 0.25 * s.hole;
        return s;
    }

    bool inside(double u, double v) const
    {
        const double r = std::sqrt(u * u + v * v);
        return r < outline(std::atan2(v, u));
    }

private:
    int n_;
    std::uint32_t seed_;
    std::vector<double> base_, bend_;
};

} // namespace

QImage renderBead(int faces, int scale)
{
    const int size = kBeadSize * scale;
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    const Bead bead(faces);
    const double cx = 49.0 * scale, cy = 48.0 * scale, R = 41.0 * scale;
    const int ss = 4; // samples per pixel along each axis
    const Vec3 light = normalise({-0.55, -0.65, 0.75});
    const Vec3 view{0, 0, 1};
    const Vec3 halfway = normalise({light.x + view.x, light.y + view.y, light.z + view.z});
    const double e = 0.004;

    for (int py = 0; py < size; ++py) {
        QRgb *row = reinterpret_cast<QRgb *>(img.scanLine(py));
        for (int px = 0; px < size; ++px) {
            double cr = 0, cg = 0, cb = 0, cover = 0;
            for (int sy = 0; sy < ss; ++sy)
                for (int sx = 0; sx < ss; ++sx) {
                    const double x = px + (sx + 0.5) / ss, y = py + (sy + 0.5) / ss;
                    const double u = (x - cx) / R, v = (y - cy) / R;
                    if (!bead.inside(u, v))
                        continue;
                    const auto s = bead.at(u, v);
                    const auto sxp = bead.at(u + e, v), syp = bead.at(u, v + e);
                    const double du = (sxp.h - s.h) / e, dv = (syp.h - s.h) / e;
                    const Vec3 nrm = normalise({-du * 0.55, -dv * 0.55, 1.0});
                    const double diffuse = std::max(0.0, dot(nrm, light));
                    const double spec = std::pow(std::max(0.0, dot(nrm, halfway)), 28.0);
                    // Natural brown, darker in the grooves.
                    double ar = 0.47, ag = 0.255, ab = 0.135;
                    const double gm = std::clamp(s.groove * 1.1, 0.0, 1.0);
                    ar = ar * (1 - gm) + 0.22 * gm;
                    ag = ag * (1 - gm) + 0.10 * gm;
                    ab = ab * (1 - gm) + 0.04 * gm;
                    const double lit = 0.28 + 0.90 * diffuse;
                    double r = ar * lit + 0.22 * spec, g = ag * lit + 0.18 * spec, b = ab * lit + 0.12 * spec;
                    // The hole is dark.
                    r = r * (1 - s.hole) + 0.09 * s.hole;
                    g = g * (1 - s.hole) + 0.045 * s.hole;
                    b = b * (1 - s.hole) + 0.02 * s.hole;
                    cr += r;
                    cg += g;
                    cb += b;
                    cover += 1;
                }
            // Soft shadow on the ground, under the bead.
            const double x = px + 0.5, y = py + 0.5;
            const double du = (x - cx - 2.0 * scale) / (R * 1.02), dv = (y - cy - 4.0 * scale) / (R * 0.98);
            const double d = std::sqrt(du * du + dv * dv);
            const double shadow = 0.30 * (1 - smoothstep(0.82, 1.12, d));

            const double n = ss * ss;
            const double beadA = cover / n;
            // Bead colour (premultiplied by its coverage) over the shadow.
            double r = 0, g = 0, b = 0;
            if (cover > 0) {
                r = cr / cover;
                g = cg / cover;
                b = cb / cover;
            }
            const double shA = shadow * (1 - beadA);
            const double outA = beadA + shA;
            const double sr = 0.25, sg = 0.15, sb = 0.08; // shadow colour
            const double pr = r * beadA + sr * shA, pg = g * beadA + sg * shA, pb = b * beadA + sb * shA;
            auto q = [](double c) { return static_cast<int>(std::lround(std::clamp(c, 0.0, 1.0) * 255.0)); };
            const int a8 = q(outA);
            row[px] = qRgba(std::min(q(pr), a8), std::min(q(pg), a8), std::min(q(pb), a8), a8);
        }
    }
    return img;
}

} // namespace pics
