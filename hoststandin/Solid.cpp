#include "hoststandin/Solid.h"

#include <cmath>
#include <cstdio>

#include "MyFunc/Geometry.h"

namespace hoststandin {

using MyFunc::kPi;
using MyFunc::kTwoPi;

bool Solid::IsFull() const {
    return (!IsRing() && Kind == 100) || std::fabs(ArcAngle) >= kTwoPi - 1e-10;
}

Pt PointAt(const Solid& s, double r, double t) {
    const double lx = r * std::cos(t);
    const double ly = r * s.Flatness * std::sin(t);
    const double c = std::cos(s.Tilt), n = std::sin(s.Tilt);
    return {s.X + c * lx - n * ly, s.Y + n * lx + c * ly};
}

namespace {

std::vector<Pt> Arc(const Solid& s, double r, double from, double sweep, int perTurn) {
    const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / kTwoPi * perTurn)));
    std::vector<Pt> pts;
    pts.reserve(static_cast<size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) pts.push_back(PointAt(s, r, from + sweep * i / steps));
    return pts;
}

}  // namespace

std::vector<std::vector<Pt>> Outlines(const Solid& s, int perTurn) {
    const bool full = s.IsFull();
    const double from = full ? 0.0 : s.StartAngle;
    const double sweep = full ? kTwoPi : s.ArcAngle;
    std::vector<Pt> outer = Arc(s, s.Radius, from, sweep, perTurn);
    if (s.IsRing()) {
        std::vector<Pt> inner = Arc(s, s.InnerRadius, from, sweep, perTurn);
        if (full) {
            outer.pop_back();
            inner.pop_back();
            return {outer, {inner.rbegin(), inner.rend()}};
        }
        outer.insert(outer.end(), inner.rbegin(), inner.rend());
        return {outer};
    }
    if (full) {
        outer.pop_back();
    } else if (s.Kind != 5) {
        outer.push_back({s.X, s.Y});  // sector: back through the centre
    }
    return {outer};
}

std::string Describe(const Solid& s) {
    char buf[256];
    const char* what = s.IsRing()     ? (s.IsFull() ? "ring" : "partial ring")
                       : s.IsFull()   ? (s.Flatness == 1 ? "circle" : "ellipse")
                       : s.Kind == 5  ? "segment"
                       : s.Kind == -1 ? "sector piece"
                                      : "sector";
    int n = std::snprintf(buf, sizeof buf, "%s at (%g, %g), radius %g, flatness %g, tilt %g deg",
                          what, s.X, s.Y, s.Radius, s.Flatness, s.Tilt * 180 / kPi);
    if (!s.IsFull() && n > 0)
        n += std::snprintf(buf + n, sizeof buf - static_cast<size_t>(n),
                           ", from %g deg through %g deg", s.StartAngle * 180 / kPi,
                           s.ArcAngle * 180 / kPi);
    if (s.IsRing() && n > 0)
        std::snprintf(buf + n, sizeof buf - static_cast<size_t>(n), ", hole %g", s.InnerRadius);
    return buf;
}

}  // namespace hoststandin
