// The five silent steps and the dialog's construction, written once for every
// mode: plain inputs in, a figure or the reason there is none out.
#pragma once

#include "figures/Figure.h"
#include "figures/Inputs.h"

namespace figures {

struct Construction {
    Figure Fig;
    bool Closed = false;            // a full turn, else a partial arc
    NotDrawn Why = NotDrawn::None;  // None: the figure is drawn
    // The highest-numbered picked point the step read: it is remembered as
    // the last point whether or not a figure is drawn.
    int LastPoint = 1;
    // A drawn figure becomes the remembered one, except where it is the
    // remembered one repeated (step 2).
    bool Remember = true;
};

// Step 1 to 5, or 6 for the dialog's construction.
Construction Construct(const ModeSpec& mode, int step, const Inputs& in);

// Why a figure of this shape is not drawn, or NotDrawn::None when it is.
NotDrawn WhyNotDrawn(const Shape& shape, const Figure& f);

}  // namespace figures
