// One figure page of the dialog, the full-circle page or the arc page, by what
// each of its controls holds. The settings file, the presets, the dialog's
// construction and the notices read a page through this alone.
#pragma once

#include "Unit1/Form.h"

namespace Unit1 {

struct FigurePage {
    TRadioButton TForm1::*ByFlatness;  // radius and flatness given
    TRadioButton TForm1::*ByAxisRadii;
    TEdit TForm1::*Radius;
    TEdit TForm1::*FlatnessPercent;
    TEdit TForm1::*XRadius;
    TEdit TForm1::*YRadius;
    TEdit TForm1::*TiltDegrees;
    TCheckBox TForm1::*TiltFromAxis;
    TEdit TForm1::*InnerRadius;
    TEdit TForm1::*StartDegrees;  // the arc page's; null on the full-circle page
    TEdit TForm1::*EndDegrees;
};

inline constexpr FigurePage kFullCirclePage{&TForm1::RBA1,   &TForm1::RBA2,   &TForm1::EditA1,
                                            &TForm1::EditA2, &TForm1::EditA3, &TForm1::EditA4,
                                            &TForm1::EditA5, &TForm1::CBA1,   &TForm1::EditA6,
                                            nullptr,         nullptr};
inline constexpr FigurePage kArcPage{&TForm1::RBB1,   &TForm1::RBB2,   &TForm1::EditB1,
                                     &TForm1::EditB2, &TForm1::EditB3, &TForm1::EditB4,
                                     &TForm1::EditB5, &TForm1::CBB1,   &TForm1::EditB6,
                                     &TForm1::EditB7, &TForm1::EditB8};

// The page a mode's dialog construction reads: the arc page for an arc.
inline constexpr const FigurePage& PageFor(bool arc) {
    return arc ? kArcPage : kFullCirclePage;
}

}  // namespace Unit1
