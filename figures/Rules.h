// Rules that several modes share.
#pragma once

#include <vector>

#include "figures/Figure.h"

namespace figures {

// Brings degrees into [0, 360), exactly, however large the value.
double ReduceDegrees(double degrees);

// An arc angle within 1e-10 of 0 or of a full turn becomes exactly 2*pi: the
// figure is closed. Returns whether it is.
bool ApplyClosingRule(double& arcAngle);

// The arc angle from start to end, counter-clockwise, after the closing rule.
bool ArcBetween(double start, double end, double& arcAngle);

// The figure cut into equal pieces of at most a quarter turn, in order from
// its start angle (the start is not reduced into [0, 2*pi)).
std::vector<Figure> QuarterPieces(const Figure& figure);

// The most pieces one figure is cut into: an arc angle of more than a full turn
// (only a hand-edited settings file holds one) is drawn as the closed figure.
inline constexpr int kMaxQuarterPieces = 4;

}  // namespace figures
