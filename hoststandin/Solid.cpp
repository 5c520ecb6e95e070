#include "hoststandin/Solid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "MyFunc/Geometry.h"

namespace hoststandin {

using MyFunc::kPi;
using MyFunc::kTwoPi;

bool Solid::IsFull() const {
    if (IsRing()) return std::fabs(ArcAngle) >= kTwoPi - 1e-10;
    // The outside of an arc is never a whole figure.
    return Kind == 100 || (Kind != -1 && std::fabs(ArcAngle) >= kTwoPi - 1e-10);
}

Pt PointAt(const Solid& s, double a, double b, double t) {
    const double lx = a * std::cos(t);
    const double ly = b * std::sin(t);
    const double c = std::cos(s.Tilt), n = std::sin(s.Tilt);
    return {s.X + c * lx - n * ly, s.Y + n * lx + c * ly};
}

namespace {

std::vector<Pt> Arc(const Solid& s, double a, double b, double from, double sweep, int perTurn) {
    const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / kTwoPi * perTurn)));
    std::vector<Pt> pts;
    pts.reserve(static_cast<size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) pts.push_back(PointAt(s, a, b, from + sweep * i / steps));
    return pts;
}

// The hole's semi-axes: "so" keeps the flatness, "sg" the width R - r all round.
void HoleOf(const Solid& s, double& a, double& b) {
    const double outerB = s.Radius * s.Flatness;
    if (s.Keyword == "so") {
        a = s.InnerRadius;
        b = s.InnerRadius * s.Flatness;
        return;
    }
    const double width = s.Radius - s.InnerRadius;
    a = s.Radius - width;
    b = std::copysign(std::max(0.0, std::fabs(outerB) - width), outerB);
}

}  // namespace

Drawn Draw(const Solid& s, int perTurn) {
    Drawn d;
    if (!(s.Radius > 0) || s.Flatness == 0) {
        d.Undrawable = "no size";
        return d;
    }
    if (s.IsRing() && !(s.InnerRadius > 0 && s.InnerRadius < s.Radius)) {
        d.Undrawable = "the hole is not inside the figure";
        return d;
    }
    const double a = s.Radius, b = s.Radius * s.Flatness;
    const bool full = s.IsFull();
    const double from = full ? 0.0 : s.StartAngle;
    const double sweep = full ? kTwoPi : s.ArcAngle;
    std::vector<Pt> outer = Arc(s, a, b, from, sweep, perTurn);
    if (full) outer.pop_back();  // the first point closes it

    if (s.Keyword == "se") {
        d.Line = std::move(outer);
        d.LineClosed = full;
        return d;
    }
    if (s.IsRing()) {
        double ha = 0, hb = 0;
        HoleOf(s, ha, hb);
        const bool hole = hb != 0;
        std::vector<Pt> inner;
        if (hole) {
            inner = Arc(s, ha, hb, from, sweep, perTurn);
            if (full) inner.pop_back();
        }
        if (full) {
            d.Areas.push_back(std::move(outer));
            if (hole) d.Areas.emplace_back(inner.rbegin(), inner.rend());
            return d;
        }
        // A partial ring runs back along its hole (through the centre without one).
        if (hole)
            outer.insert(outer.end(), inner.rbegin(), inner.rend());
        else
            outer.push_back({s.X, s.Y});
        d.Areas.push_back(std::move(outer));
        return d;
    }
    if (!full) {
        if (s.Kind == 0) {
            outer.push_back({s.X, s.Y});  // a sector closes through the centre
        } else if (s.Kind == -1) {
            // The tangents at the arc's ends meet on its bisector, at R / cos(half
            // the arc) in the circle the ellipse is stretched from.
            const double half = sweep / 2;
            if (std::fabs(half) >= kPi / 2 - 1e-9) {
                d.Undrawable = "the tangents at the ends of half a turn or more do not meet";
                return d;
            }
            outer.push_back(PointAt(s, a / std::cos(half), b / std::cos(half), from + half));
        } else if (s.Kind != 5) {  // a segment closes along its chord
            d.Undrawable = "kind " + std::to_string(s.Kind) + " is not a solid of this record";
            return d;
        }
    }
    d.Areas.push_back(std::move(outer));
    return d;
}

double Area(const Drawn& d) {
    // The hole runs the other way round, so the signed sum is the filled area.
    double twice = 0;
    for (const auto& ring : d.Areas)
        for (size_t i = 0; i < ring.size(); ++i) {
            const Pt p = ring[i], q = ring[(i + 1) % ring.size()];
            twice += p.X * q.Y - q.X * p.Y;
        }
    return std::fabs(twice) / 2;
}

std::string Describe(const Solid& s) {
    const bool full = s.IsFull();
    const bool round = s.Flatness == 1 || s.Flatness == -1;
    std::string what;
    if (s.Keyword == "se")
        what = full ? (round ? "circumference (line)" : "ellipse's circumference (line)")
                    : "arc (line)";
    else if (s.IsRing())
        what = std::string(full ? "ring" : "partial ring") +
               (s.Keyword == "so" ? ", hole of the same flatness" : " of constant width");
    else if (full)
        what = round ? "filled circle" : "filled ellipse";
    else
        what = s.Kind == 0   ? "sector"
               : s.Kind == 5 ? "segment"
                             : "outside of the arc, up to its end tangents";
    char buf[256];
    int n = std::snprintf(buf, sizeof buf, " at (%g, %g), radius %g, flatness %g, tilt %g deg", s.X,
                          s.Y, s.Radius, s.Flatness, s.Tilt * 180 / kPi);
    if (!full && n > 0)
        n += std::snprintf(buf + n, sizeof buf - static_cast<size_t>(n),
                           ", from %g deg through %g deg", s.StartAngle * 180 / kPi,
                           s.ArcAngle * 180 / kPi);
    if (s.IsRing() && n > 0)
        std::snprintf(buf + n, sizeof buf - static_cast<size_t>(n), ", hole %g", s.InnerRadius);
    const std::string report = what + buf;
    const std::string why = Draw(s, 8).Undrawable;
    return why.empty() ? report : report + " (not drawn: " + why + ")";
}

}  // namespace hoststandin
