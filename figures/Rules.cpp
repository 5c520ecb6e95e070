#include "figures/Rules.h"

#include <cmath>

#include "MyFunc/Geometry.h"
#include "MyFunc/Tolerances.h"

namespace figures {

using MyFunc::kPi;
using MyFunc::kTwoPi;
using MyFunc::kZeroTolerance;

double ReduceDegrees(double degrees) {
    if (!std::isfinite(degrees)) return 0.0;
    // fmod is exact; adding 360 to a small negative remainder may round up to 360.
    double r = std::fmod(degrees, 360.0);
    if (r < 0.0) r = r + 360.0;
    if (r >= 360.0) r = 0.0;
    return r;
}

bool ApplyClosingRule(double& arcAngle) {
    if (std::fabs(arcAngle) < kZeroTolerance || std::fabs(arcAngle - kTwoPi) < kZeroTolerance) {
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

std::vector<Figure> QuarterPieces(const Figure& f) {
    double a = f.ArcAngle;
    if (std::fabs(a) > kTwoPi + kZeroTolerance) a = kTwoPi;
    const int n = static_cast<int>(std::fabs(a - kZeroTolerance) / (kPi / 2.0));
    const double piece = a / (n + 1);
    std::vector<Figure> pieces;
    Figure p = f;
    p.ArcAngle = piece;
    for (int i = 0; i <= n; ++i) {
        pieces.push_back(p);
        p.StartAngle = p.StartAngle + piece;
    }
    return pieces;
}

}  // namespace figures
