// The records a drawn figure becomes, by the mode: what the form hands to the
// emitters.
#pragma once

#include <vector>

#include "figures/Figure.h"

namespace figures {

enum class Keyword { Sc, Se, So, Sg };

struct Solid {
    Keyword Record;
    int Kind;  // "sc" and "se" only
    Figure Values;
};

// `closed` tells a full turn from a partial arc; `option` is the ring's (1: "sg").
std::vector<Solid> SolidsOf(const ModeSpec& mode, const Figure& figure, bool closed, int option);

}  // namespace figures
