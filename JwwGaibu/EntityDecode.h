// The rules that turn an entity's line into its record, shared by the reader
// (which decides the entity's type) and the lists (which read it back).
#pragma once

#include <string_view>

#include "JwwGaibu/Records.h"
#include "JwwGaibu/Tokenizer.h"
#include "MyFunc/Tolerances.h"

namespace JwwGaibu {

// Two points of an "sl" line coincide when both their x and their y differ by
// at most this.
inline constexpr double kSamePoint = MyFunc::kZeroTolerance;

// What an "sl" line of 5, 7, or 9 and more fields stores: a degenerate solid
// keeps fewer points.
struct SolidShape {
    EntityType Type = kSl2;
    double X[4] = {}, Y[4] = {};
};
// `v` holds fields 2 to 9 as numbers (0 beyond the count).
SolidShape ClassifySolid(int count, const double v[8]);
SolidShape ClassifySolid(const Fields& f);

// Position of a text keyword in "ch", "cv", "cs", ... "c2"; -1 for any other.
int TextKindOf(std::string_view keyword);

}  // namespace JwwGaibu
