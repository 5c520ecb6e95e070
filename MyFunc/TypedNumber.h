// A value typed at a launcher's prompt, read as the user meant it. With the
// input method on, digits, the point and the signs come full-width, and a
// full-width blank may stand before or after them: those read as their
// half-width forms. What is then still not a number alone is never read as 0:
// it is told apart, so that the user can be told what to type instead.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace MyFunc {

enum class TypedKind {
    Number,      // a number alone (after the full-width forms are made half-width)
    Empty,       // nothing but blanks: what a skipped value reads as (0)
    WithUnit,    // a number followed by a unit: 30度, 30°, 30mm, ３０ｍｍ
    Cut,         // a blank inside: what the launcher makes of a value cmd split
    Unreadable,  // anything else
};

// `text` (code page 932) with full-width digits, point, minus and plus made
// half-width and the half- and full-width blanks around it dropped.
std::string HalfWidthNumberText(std::string_view text);

// What `text` is, and its value: TextToFloat (TextToInt) of its half-width
// form for a number, 0 otherwise.
TypedKind ReadTypedFloat(std::string_view text, double& value);
TypedKind ReadTypedInt(std::string_view text, int32_t& value);

}  // namespace MyFunc
