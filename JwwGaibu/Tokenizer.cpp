#include "JwwGaibu/Tokenizer.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace JwwGaibu {

namespace {

// What the tokenizer does with each byte.
enum ByteClass : unsigned char { kKeep, kLead, kQuote, kEquals, kBlank, kTab, kDrop };

constexpr std::array<ByteClass, 256> MakeByteClasses() {
    std::array<ByteClass, 256> c{};
    for (int b = 0; b < 256; ++b) {
        const auto u = static_cast<unsigned char>(b);
        if (MyFunc::IsLeadByte(u))
            c[u] = kLead;
        else if (b == '"')
            c[u] = kQuote;
        else if (b == '=')
            c[u] = kEquals;
        else if (b == ' ')
            c[u] = kBlank;
        else if (b == '\t')
            c[u] = kTab;
        else if (b >= 0x20 && b <= 0xFD)
            c[u] = kKeep;
        else
            c[u] = kDrop;
    }
    return c;
}

constexpr std::array<ByteClass, 256> kByteClass = MakeByteClasses();

// Which of 16 bytes are blanks or tabs, quotes or "=", and bytes the
// tokenizer has to see (control bytes other than tab, bytes from 0x80): one
// bit per byte, byte 0 in bit 0.
struct Masks {
    unsigned Blank, QuoteOrEquals, Other;
};

#if defined(__GNUC__)
#define T742_INLINE inline __attribute__((always_inline))
#else
#define T742_INLINE inline
#endif

#if defined(__SSE2__) || defined(_M_X64)
T742_INLINE Masks Classify16(const char* p) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    auto eq = [&x](char c) { return _mm_cmpeq_epi8(x, _mm_set1_epi8(c)); };
    const __m128i tab = eq('\t');
    const auto bits = [](__m128i m) { return static_cast<unsigned>(_mm_movemask_epi8(m)); };
    // Signed: bytes from 0x80 are below 0x20 too.
    const __m128i low = _mm_andnot_si128(tab, _mm_cmplt_epi8(x, _mm_set1_epi8(0x20)));
    return {bits(_mm_or_si128(eq(' '), tab)), bits(_mm_or_si128(eq('"'), eq('='))), bits(low)};
}
#else
T742_INLINE Masks Classify16(const char* p) {
    Masks m{0, 0, 0};
    for (unsigned i = 0; i < 16; ++i) {
        const auto b = static_cast<unsigned char>(p[i]);
        if (b == ' ' || b == '\t') m.Blank |= 1u << i;
        if (b == '"' || b == '=') m.QuoteOrEquals |= 1u << i;
        if ((b < 0x20 && b != '\t') || b >= 0x80) m.Other |= 1u << i;
    }
    return m;
}
#endif

constexpr std::array<uint8_t, 256> MakeBitCounts() {
    std::array<uint8_t, 256> c{};
    for (int i = 0; i < 256; ++i)
        c[static_cast<size_t>(i)] = static_cast<uint8_t>(std::popcount(static_cast<unsigned>(i)));
    return c;
}
// No popcount instruction is assumed.
constexpr std::array<uint8_t, 256> kBitCount = MakeBitCounts();

}  // namespace

void Tokenize(std::string_view line, Fields& f) {
    // The fields never hold more bytes than the line, so the buffer is sized once.
    if (f.bytes.size() < line.size()) f.bytes.resize(line.size());
    char* out = f.bytes.data();
    uint32_t used = 0;
    int current = 1;
    f.start[1] = 0;
    bool splitting = true;
    const auto* p = reinterpret_cast<const unsigned char*>(line.data());
    const size_t n = line.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char b = p[i];
        switch (kByteClass[b]) {
            case kKeep:
                out[used++] = static_cast<char>(b);
                break;
            case kLead:
                if (i + 1 >= n) goto done;  // a lead byte without its trail byte is dropped
                out[used++] = static_cast<char>(b);
                out[used++] = static_cast<char>(p[++i]);
                break;
            case kQuote:
                if (splitting)
                    splitting = false;
                else
                    out[used++] = '"';
                break;
            case kEquals:
                out[used++] = '=';
                splitting = false;
                break;
            case kBlank:
            case kTab:
                if (!splitting) {
                    if (b == ' ') out[used++] = ' ';  // tabs are dropped once splitting is off
                } else if (used > f.start[current]) {
                    if (current == kMaxFields) goto done;  // surplus fields are ignored
                    f.length[current] = used - f.start[current];
                    f.start[++current] = used;
                }
                break;
            case kDrop:
                break;
        }
    }
done:
    f.length[current] = used - f.start[current];
    f.count = current;
}

std::string_view WithoutCrs(std::string_view raw, std::string& scratch) {
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);  // the usual CR LF
    if (std::memchr(raw.data(), '\r', raw.size()) == nullptr) return raw;
    scratch.clear();
    for (char c : raw)
        if (c != '\r') scratch.push_back(c);
    return scratch;
}

LineShape ScanLine(std::string_view line, size_t readable) {
    size_t length = 0;
    return ScanBytes(line.data(), line.size(), readable, false, length);
}

LineShape ScanBytes(const char* p, size_t n, size_t readable, bool toLf, size_t& length) {
    // Sixteen bytes at a time: a field starts at every blank (or tab) that
    // follows another byte, so the count is one more than such blanks. The
    // first quote or "=" ends splitting: the fields found before it are all
    // there are, as long as field 1 ended before it.
    unsigned carry = 0;  // 1 when the byte before these 16 is not a blank
    unsigned count = 1;
    size_t stop = n;    // where splitting ends
    size_t rawEnd = n;  // where the LF is (or the end)
    bool simple = true;
    for (size_t i = 0; i < n; i += 16) {
        Masks m;
        if (readable - i >= 16) {
            m = Classify16(p + i);  // may look past the line, never past what is readable
        } else {
            char tail[16] = {};
            std::memcpy(tail, p + i, readable - i);
            m = Classify16(tail);
        }
        unsigned valid = n - i < 16 ? (1u << (n - i)) - 1 : 0xFFFF;
        const unsigned special = (m.Other | m.QuoteOrEquals) & valid;
        if (special != 0) {
            const unsigned bit = special & (~special + 1);  // the first of them
            const size_t at = i + static_cast<size_t>(std::countr_zero(bit));
            stop = at;
            valid = bit - 1;
            if (toLf && p[at] == '\n') {
                n = rawEnd = at;  // the line ends here
            } else if (toLf && p[at] == '\r' && at + 1 < n && p[at + 1] == '\n') {
                n = at, rawEnd = at + 1;  // CR LF: the CR goes with the line end
            } else if ((m.Other & bit) != 0) {
                simple = false;  // a byte the tokenizer has to see
            }
        }
        if (simple) {
            const unsigned blank = m.Blank & valid;
            const unsigned starts = blank & (((~blank & valid) << 1) | carry);
            count += kBitCount[starts & 0xFF] + kBitCount[starts >> 8];
            carry = (~m.Blank >> 15) & 1;
        }
        if (stop != n || !simple) {
            if (count == 1) simple = false;  // field 1 itself holds the quote
            break;
        }
    }
    if (toLf && stop < n) {
        const void* lf = std::memchr(p + stop, '\n', n - stop);
        rawEnd = lf != nullptr ? static_cast<size_t>(static_cast<const char*>(lf) - p) : n;
    }
    length = rawEnd;
    if (!simple) return {};
    const size_t keep = stop < n ? stop : n;
    size_t from = 0;
    while (from < keep && (p[from] == ' ' || p[from] == '\t')) ++from;
    size_t to = from;
    while (to < keep && p[to] != ' ' && p[to] != '\t') ++to;
    const int fields = count < kMaxFields ? static_cast<int>(count) : kMaxFields;
    return {true, stop >= n, fields, std::string_view(p + from, to - from)};
}

}  // namespace JwwGaibu
