#include "MyFunc/TextConv.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "words/Reading.h"

namespace MyFunc {

std::string CleanText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(b)) {
            if (i + 1 >= text.size()) break;  // a lone lead byte at the end is dropped
            const auto t = static_cast<unsigned char>(text[i + 1]);
            if (!(b == 0x81 && t == 0x40))
                out.append(text.substr(i, 2));  // 0x8140: full-width blank
            i += 2;
            continue;
        }
        if (b > 0x20) out.push_back(static_cast<char>(b));
        ++i;
    }
    return out;
}

bool TextToBool(std::string_view text) {
    std::string s = CleanText(text);
    for (size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (IsLeadByte(b)) {
            ++i;  // never upper-case a trail byte
        } else if (b >= 'a' && b <= 'z') {
            s[i] = static_cast<char>(b - 'a' + 'A');
        }
    }
    static constexpr std::string_view kTrue[] = {"T",
                                                 "TR",
                                                 "TRU",
                                                 "TRUE",
                                                 "1",
                                                 "ON",
                                                 words::TrueFullWidthOne,
                                                 words::TrueCircle,
                                                 words::TrueShin,
                                                 words::TrueSei};
    for (auto word : kTrue)
        if (s == word) return true;
    return false;
}

std::string Fill(std::string_view text, std::string_view name, std::string_view value) {
    const std::string mark = "{" + std::string(name) + "}";
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text.substr(i, mark.size()) == mark) {
            out += value;
            i += mark.size();
            continue;
        }
        // A two-byte character is copied whole: its second byte may be a "{".
        const size_t n = IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        out += text.substr(i, n);
        i += n;
    }
    return out;
}

std::string BoolToText(bool value) {
    return value ? "1" : "0";
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool TryTextToInt(std::string_view text, int32_t& out) {
    out = 0;
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::string_view rest = text.substr(i);
    if (rest.empty()) return false;

    size_t hexStart = 0;
    if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X') {
        hexStart = 1;
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        hexStart = 2;
    }
    if (hexStart > 0) {
        if (rest.size() == hexStart) return false;
        uint64_t value = 0;
        for (size_t k = hexStart; k < rest.size(); ++k) {
            const int d = HexDigit(rest[k]);
            if (d < 0) return false;
            value = value * 16 + static_cast<uint64_t>(d);
            if (value > 0xFFFFFFFFu) return false;  // more than eight significant digits
        }
        const auto pattern = static_cast<uint32_t>(value);
        const auto asSigned = static_cast<int32_t>(pattern);
        out = negative ? static_cast<int32_t>(0u - pattern) : asSigned;
        return true;
    }

    int64_t value = 0;
    for (char c : rest) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return false;
    }
    if (negative) value = -value;
    if (value > 2147483647LL || value < -2147483648LL) return false;
    out = static_cast<int32_t>(value);
    return true;
}

int32_t TextToInt(std::string_view text) {
    int32_t value = 0;
    TryTextToInt(text, value);
    return value;
}

namespace {

#if defined(__GNUC__)
#define T742_INLINE inline __attribute__((always_inline))
#else
#define T742_INLINE inline
#endif

// Powers of ten that are exact doubles.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Eight digits at once: whether the eight bytes are all digits, and their value.
bool EightDigits(const char* p, uint64_t& value) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    if ((w & 0xF0F0F0F0F0F0F0F0ULL) != 0x3030303030303030ULL ||
        ((w + 0x0606060606060606ULL) & 0xF0F0F0F0F0F0F0F0ULL) != 0x3030303030303030ULL)
        return false;
    w -= 0x3030303030303030ULL;  // little-endian: the first digit is the lowest byte
    w = (w * 10) + (w >> 8);
    value = (((w & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
             (((w >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
            32;
    return true;
}

// Digits from q: appended to the mantissa and counted.
const char* Digits(const char* q, const char* end, uint64_t& mantissa, unsigned& count) {
    uint64_t eight;
    while (end - q >= 8 && EightDigits(q, eight))
        mantissa = mantissa * 100000000 + eight, q += 8, count += 8;
    while (q < end && *q >= '0' && *q <= '9')
        mantissa = mantissa * 10 + static_cast<uint64_t>(*q++ - '0'), ++count;
    return q;
}

// "[sign]digits[.digits]" from p, gathered on the way for the common short
// decimal.
struct Decimal {
    bool Negative = false;
    const char* Number = nullptr;  // after the sign
    const char* End = nullptr;     // after the last digit
    uint64_t Mantissa = 0;
    unsigned Digits = 0, FractionDigits = 0;

    // Its value when both the mantissa and the power of ten are exact doubles,
    // so that one division rounds correctly.
    bool Quick(double& value) const {
        if (Digits == 0 || Digits > 19 || FractionDigits > 22 || Mantissa > (uint64_t{1} << 53))
            return false;
        const double v = static_cast<double>(Mantissa) / kPow10[FractionDigits];
        value = Negative ? -v : v;
        return true;
    }
};

T742_INLINE Decimal ScanDecimal(const char* p, const char* end) {
    Decimal d;
    if (p < end && (*p == '+' || *p == '-')) d.Negative = *p++ == '-';
    d.Number = p;
    p = Digits(p, end, d.Mantissa, d.Digits);
    if (p < end && *p == '.') {
        unsigned fraction = 0;
        p = Digits(p + 1, end, d.Mantissa, fraction);
        d.Digits += fraction;
        d.FractionDigits = fraction;
    }
    d.End = p;
    return d;
}

}  // namespace

bool TryTextToFloat(std::string_view text, double& value) {
    value = 0.0;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end && *p == ' ') ++p;
    const Decimal d = ScanDecimal(p, end);
    if (d.Digits == 0) return false;  // nothing but a sign or a point, or no number at all
    p = d.End;
    bool exponent = false;
    if (p < end && (*p == 'e' || *p == 'E')) {
        exponent = true;
        ++p;
        if (p < end && (*p == '+' || *p == '-')) ++p;
        const char* digits = p;
        while (p < end && *p >= '0' && *p <= '9') ++p;
        if (p == digits) return false;
    }
    if (p != end) return false;
    if (!exponent && d.Quick(value)) return true;
    // Otherwise from_chars rounds correctly to the nearest double and keeps
    // subnormal values.
    double magnitude = 0.0;
    const auto result = std::from_chars(d.Number, end, magnitude, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != end) return false;  // out of range: no infinity
    value = d.Negative ? -magnitude : magnitude;
    return true;
}

double TextToFloat(std::string_view text) {
    double value = 0.0;
    TryTextToFloat(text, value);
    return value;
}

const char* ReadFloatField(const char* p, const char* end, double& value) {
    // The usual short decimal in one pass; anything else goes to TextToFloat
    // with the field found.
    const Decimal d = ScanDecimal(p, end);
    const char* q = d.End;
    if ((q == end || *q == ' ' || *q == '\t') && d.Quick(value)) return q;
    while (q < end && *q != ' ' && *q != '\t') ++q;
    value = TextToFloat(std::string_view(p, static_cast<size_t>(q - p)));
    return q;
}

namespace {

// Rounds |value| to `significant` digits; gives the digits (no trailing zeros
// removed) and the decimal exponent of the first one.
void RoundDigits(double value, int significant, std::string& digits, int& exponent) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                           significant - 1);
    const char* e =
        static_cast<const char*>(std::memchr(buf, 'e', static_cast<size_t>(r.ptr - buf)));
    digits.clear();
    for (const char* p = buf; p < e; ++p)
        if (*p != '.') digits.push_back(*p);
    std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, exponent);
}

}  // namespace

std::string FloatToTextTrimmed(int precision, int digits, bool keepZeros, double value) {
    if (!std::isfinite(value)) return "0";
    std::string text;
    std::string mant;
    int exp10 = 0;
    RoundDigits(value, precision, mant, exp10);
    const bool negative = std::signbit(value) && mant.find_first_not_of('0') != std::string::npos;
    if (exp10 >= precision) {
        // Too large for fixed notation: exponent form, untrimmed.
        if (negative) text.push_back('-');
        text.push_back(mant[0]);
        text.push_back('.');
        text.append(mant, 1);
        text.push_back('E');
        AppendIntText(text, exp10);
        return text;
    }
    if (exp10 + 1 + digits <= precision || exp10 < 0) {
        // Rounding to `digits` decimals keeps within `precision` significant digits.
        char buf[400];
        const int n = std::snprintf(buf, sizeof buf, "%.*f", digits, std::fabs(value));
        const std::string_view fixed(buf, static_cast<size_t>(n));
        if (negative && fixed.find_first_not_of("0.") != std::string_view::npos)
            text.push_back('-');
        text.append(fixed);
    } else {
        // Rounded to `precision` significant digits; zeros fill the decimals beyond them.
        if (negative) text.push_back('-');
        text.append(mant, 0, static_cast<size_t>(exp10) + 1);
        text.push_back('.');
        std::string frac = mant.substr(static_cast<size_t>(exp10) + 1);
        frac.resize(static_cast<size_t>(digits), '0');
        text += frac;
    }
    if (!keepZeros) {
        size_t point = std::string::npos;
        size_t candidate = std::string::npos;
        for (size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '.') {
                point = i;
            } else if (c == '0' && point != std::string::npos && candidate == std::string::npos) {
                candidate = i;
            } else if (c >= '1' && c <= '9') {
                candidate = std::string::npos;
            }
        }
        if (point != std::string::npos && candidate != std::string::npos && candidate > point)
            text.resize(candidate);
    }
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

void AppendIntText(std::string& out, int64_t value) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

void AppendFloatText(std::string& out, double value) {
    if (!std::isfinite(value) || value == 0.0) {
        out.push_back('0');
        return;
    }
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    if (std::fabs(value) > 1.7976931348623e308) {
        // Rounded up, the largest doubles would be written beyond the range of a
        // double and read back as 0: their 15th digit is cut instead.
        double back = 0;
        if (std::from_chars(buf, r.ptr, back).ec == std::errc::result_out_of_range) {
            char full[64];
            auto f =
                std::to_chars(full, full + sizeof full, value, std::chars_format::scientific, 16);
            const char* e =
                static_cast<const char*>(std::memchr(full, 'e', static_cast<size_t>(f.ptr - full)));
            const size_t keep =
                static_cast<size_t>(value < 0 ? 17 : 16);  // sign, digit, point, 14 digits
            std::memcpy(buf, full, keep);
            const size_t expLen = static_cast<size_t>(f.ptr - e);
            std::memcpy(buf + keep, e, expLen);
            r.ptr = buf + keep + expLen;
        }
    }
    // buf: [-]d.dddddddddddddde[+-]XX
    const char* p = buf;
    if (*p == '-') out.push_back(*p++);
    const char* e = static_cast<const char*>(std::memchr(p, 'e', static_cast<size_t>(r.ptr - p)));
    char digits[16];
    int n = 0;
    for (const char* q = p; q < e; ++q)
        if (*q != '.') digits[n++] = *q;
    while (n > 1 && digits[n - 1] == '0') --n;  // trailing zeros of the fraction
    int exp10 = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, exp10);

    if (exp10 >= -4 && exp10 < 15) {
        if (exp10 < 0) {
            out.append("0.");
            out.append(static_cast<size_t>(-exp10 - 1), '0');
            out.append(digits, static_cast<size_t>(n));
        } else if (n <= exp10 + 1) {
            out.append(digits, static_cast<size_t>(n));
            out.append(static_cast<size_t>(exp10 + 1 - n), '0');
        } else {
            out.append(digits, static_cast<size_t>(exp10) + 1);
            out.push_back('.');
            out.append(digits + exp10 + 1, static_cast<size_t>(n - exp10 - 1));
        }
        return;
    }
    out.push_back(digits[0]);
    if (n > 1) {
        out.push_back('.');
        out.append(digits + 1, static_cast<size_t>(n - 1));
    }
    out.push_back('E');
    AppendIntText(out, exp10);
}

std::string FloatToText(double value) {
    std::string out;
    AppendFloatText(out, value);
    return out;
}

}  // namespace MyFunc
