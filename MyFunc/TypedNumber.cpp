#include "MyFunc/TypedNumber.h"

#include "MyFunc/TextConv.h"
#include "words/Reading.h"

namespace MyFunc {

namespace {

constexpr std::string_view kFullWidthBlank = words::FullWidthBlank;

// The half-width form of a two-byte character, or 0 when it has none here.
char HalfWidth(std::string_view c) {
    const std::string_view digits = words::FullWidthDigits;
    for (size_t d = 0; d < 10; ++d)
        if (digits.substr(2 * d, 2) == c) return static_cast<char>('0' + d);
    if (c == words::FullWidthPoint) return '.';
    if (c == words::FullWidthMinus) return '-';
    if (c == words::FullWidthPlus) return '+';
    return 0;
}

// The length of the character at `i`: a lead byte with nothing after it is one.
size_t CharacterLength(std::string_view text, size_t i) {
    return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

bool IsBlank(std::string_view c) {
    return c == " " || c == kFullWidthBlank;
}

bool HasBlank(std::string_view text) {
    for (size_t i = 0; i < text.size(); i += CharacterLength(text, i))
        if (IsBlank(text.substr(i, CharacterLength(text, i)))) return true;
    return false;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether `text` ends with `unit`, ASCII letters in any case.
bool EndsWith(std::string_view text, std::string_view unit) {
    if (text.size() < unit.size()) return false;
    const std::string_view tail = text.substr(text.size() - unit.size());
    for (size_t i = 0; i < unit.size(); ++i)
        if (Lower(tail[i]) != Lower(unit[i])) return false;
    return true;
}

// A number (as `isNumber` reads one) followed by one of the units users type
// after a length or an angle, blanks allowed between them. The number is all
// ASCII, so a unit found at its end starts on a whole character.
template <typename IsNumber>
bool NumberWithUnit(std::string_view plain, IsNumber isNumber) {
    static constexpr std::string_view kUnits[] = {
        "mm",
        "cm",
        "m",
        "deg",
        words::UnitDegree,
        words::UnitDegreeSign,
        words::UnitSemiVoiced,
        words::UnitSemiVoicedHalf,
        words::UnitMillimetre,
        words::UnitMillimetreSign,
        words::UnitCentimetre,
        words::UnitCentimetreSign,
        words::UnitMetre,
        words::UnitMillimetreKana,
    };
    for (std::string_view unit : kUnits) {
        if (!EndsWith(plain, unit)) continue;
        const std::string number = HalfWidthNumberText(plain.substr(0, plain.size() - unit.size()));
        if (!number.empty() && isNumber(number)) return true;
    }
    return false;
}

template <typename IsNumber>
TypedKind Kind(const std::string& plain, bool readable, IsNumber isNumber) {
    if (readable) return TypedKind::Number;
    if (plain.empty()) return TypedKind::Empty;
    if (NumberWithUnit(plain, isNumber)) return TypedKind::WithUnit;
    if (HasBlank(plain)) return TypedKind::Cut;
    return TypedKind::Unreadable;
}

}  // namespace

std::string HalfWidthNumberText(std::string_view text) {
    std::string out;
    size_t kept = 0;  // the end of the last character that is not a blank
    for (size_t i = 0; i < text.size();) {
        const size_t n = CharacterLength(text, i);
        const std::string_view c = text.substr(i, n);
        i += n;
        const bool blank = IsBlank(c);
        if (blank && out.empty()) continue;
        if (const char h = n == 2 ? HalfWidth(c) : '\0')
            out.push_back(h);
        else
            out.append(c);
        if (!blank) kept = out.size();
    }
    out.resize(kept);
    return out;
}

namespace {

// Reads the half-width form of `text` with `read` (the plain reading of a
// float or an integer), and tells what an unreadable text is.
template <class T, class Read>
TypedKind ReadTyped(std::string_view text, T& value, Read read) {
    const std::string plain = HalfWidthNumberText(text);
    const bool readable = read(plain, value);
    return Kind(plain, readable, [&read](std::string_view t) {
        T v{};
        return read(t, v);
    });
}

}  // namespace

TypedKind ReadTypedFloat(std::string_view text, double& value) {
    return ReadTyped(text, value,
                     [](std::string_view t, double& v) { return TryTextToFloat(t, v); });
}

TypedKind ReadTypedInt(std::string_view text, int32_t& value) {
    return ReadTyped(text, value,
                     [](std::string_view t, int32_t& v) { return TryTextToInt(t, v); });
}

}  // namespace MyFunc
