// The two absolute tolerances t742 decides by, named once.
#pragma once

namespace MyFunc {

// A length (a radius, a half extent, an inner radius, a ring's width) must be
// greater than this to be drawn.
inline constexpr double kLengthTolerance = 1e-8;

// A vector, a determinant, an angle near 0 or a full turn, the axis angle or
// the distance of two coordinates within this counts as zero.
inline constexpr double kZeroTolerance = 1e-10;

}  // namespace MyFunc
