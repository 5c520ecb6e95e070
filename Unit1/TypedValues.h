// The values a launcher's run reads from its command line (the numbers of
// step 3, the ring option of modes 7 and 8), read as the user typed them:
// full-width digits and signs count, and a value that is still not a number
// alone is refused rather than read as 0. A run without kExplainSwitch never
// comes here: it reads every byte as it always did.
#pragma once

#include <string>

#include "MyFunc/TypedNumber.h"

namespace Unit1 {

class TForm1;

struct TypedProblem {
    const std::string* Text = nullptr;  // what was typed; null when every value reads
    MyFunc::TypedKind Kind = MyFunc::TypedKind::Number;
};

// The first value the run reads that is not a number alone (nor empty).
TypedProblem FirstUnreadableTyped(const TForm1& form);

// Puts each value the run reads in its half-width form, which the
// construction then reads as before. False, with the form's Outcome set to
// figures::NotDrawn::NotANumber, when one of them is not a number.
bool ReadTypedValues(TForm1& form);

}  // namespace Unit1
