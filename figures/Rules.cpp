#include "figures/Rules.h"

#include <cmath>

#include "JwwGaibu/Emitters.h"
#include "MyFunc/Geometry.h"

namespace figures {

using MyFunc::kPi;
using MyFunc::kTwoPi;

double ReduceDegrees(double degrees) {
    if (!std::isfinite(degrees)) return 0.0;
    // fmod is exact; adding 360 to a small negative remainder may round up to 360.
    double r = std::fmod(degrees, 360.0);
    if (r < 0.0) r = r + 360.0;
    if (r >= 360.0) r = 0.0;
    return r;
}

bool ApplyClosingRule(double& arcAngle) {
    if (std::fabs(arcAngle) < 1e-10 || std::fabs(arcAngle - kTwoPi) < 1e-10) {
        arcAngle = kTwoPi;
        return true;
    }
    return false;
}

bool ArcBetween(double start, double end, double& arcAngle) {
    arcAngle = end - start;
    if (arcAngle < 0.0) arcAngle = arcAngle + kTwoPi;
    return ApplyClosingRule(arcAngle);
}

bool PassesRingTest(double outer, double inner) {
    return outer > inner && inner > 1e-8;
}

void EmitQuarterSplit(const Figure& f) {
    double a = f.ArcAngle;
    if (std::fabs(a) > kTwoPi + 1e-10) a = kTwoPi;
    const int n = static_cast<int>(std::fabs(a - 1e-10) / (kPi / 2.0));
    const double piece = a / (n + 1);
    double start = f.StartAngle;
    for (int i = 0; i <= n; ++i) {
        JwwGaibu::EmitSc(-1, f.X, f.Y, f.Radius, f.Flatness, f.Tilt, start, piece);
        start = start + piece;
    }
}

}  // namespace figures
