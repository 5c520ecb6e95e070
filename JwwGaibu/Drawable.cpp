#include "JwwGaibu/Drawable.h"

#include <cmath>
#include <initializer_list>

#include "MyFunc/Tolerances.h"

namespace JwwGaibu {

namespace {

using MyFunc::kLengthTolerance;

bool AllFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// In the order a user would mend them: the size first, then the hole, then
// the flatness. The comparisons are written so that a NaN fails them.
SolidFault Check(bool finite, double radius, double flatness, const double* innerRadius) {
    if (!finite) return SolidFault::NotFinite;
    if (!(radius > kLengthTolerance)) return SolidFault::ZeroRadius;
    if (innerRadius != nullptr) {
        if (!(*innerRadius > kLengthTolerance)) return SolidFault::ZeroHole;
        if (!(*innerRadius < radius - kLengthTolerance)) return SolidFault::HoleNotInside;
    }
    if (!(std::fabs(flatness) > kLengthTolerance)) return SolidFault::ZeroFlatness;
    return SolidFault::None;
}

}  // namespace

SolidFault CheckSolid(double x, double y, double radius, double flatness, double tilt,
                      double startAngle, double arcAngle) {
    return Check(AllFinite({x, y, radius, flatness, tilt, startAngle, arcAngle}), radius, flatness,
                 nullptr);
}

SolidFault CheckRing(double x, double y, double radius, double flatness, double tilt,
                     double startAngle, double arcAngle, double innerRadius) {
    return Check(AllFinite({x, y, radius, flatness, tilt, startAngle, arcAngle, innerRadius}),
                 radius, flatness, &innerRadius);
}

}  // namespace JwwGaibu
