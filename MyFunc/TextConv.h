// Lenient conversions between code page 932 text and numbers or flags.
// None of them fails: unreadable text gives 0, 0.0 or false.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace MyFunc {

// True for a byte that starts a two-byte character in code page 932 as the host
// writes it (0x80-0x9F, 0xE0-0xFD).
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x80 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFD);
}

std::string CleanText(std::string_view text);
// `text` with every "{name}" in it replaced by `value`; two-byte characters
// are kept whole, so a "{" that is a second byte is never taken for one.
std::string Fill(std::string_view text, std::string_view name, std::string_view value);
bool TextToBool(std::string_view text);
std::string BoolToText(bool value);
int32_t TextToInt(std::string_view text);
// TextToInt that tells whether the text was a number: false (and 0) for the
// texts TextToInt reads as 0 because it cannot read them.
bool TryTextToInt(std::string_view text, int32_t& value);
double TextToFloat(std::string_view text);
// TextToFloat that tells whether the text was a number: false (and 0) for
// the texts TextToFloat reads as 0 because it cannot read them.
bool TryTextToFloat(std::string_view text, double& value);
// TextToFloat of the field that starts at p and ends at the next blank, tab
// or `end`; returns the field's end.
const char* ReadFloatField(const char* p, const char* end, double& value);
std::string FloatToTextTrimmed(int precision, int digits, bool keepZeros, double value);

// The general number format shared by the exchange file, the settings file and
// the preset list: 15 significant digits, plain notation for 0.0001 <= |v| < 1e15,
// exponent form ("1E-5", "2.5E15") otherwise. Non-finite values have no text the
// host could read; callers refuse them before formatting (see IsWritable).
std::string FloatToText(double value);
// Appends the same text to out without a temporary string.
void AppendFloatText(std::string& out, double value);
void AppendIntText(std::string& out, int64_t value);

}  // namespace MyFunc
