// Splitting a line of the exchange file into fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "MyFunc/TextConv.h"

namespace JwwGaibu {

// A line holds at most this many fields; whatever follows the 32nd field is
// ignored (no record of the format needs more than 17).
inline constexpr int kMaxFields = 32;

// The fields of one line. The bytes live in one buffer that is reused from
// line to line, so tokenizing allocates nothing once it is large enough for
// the longest line.
struct Fields {
    std::string bytes;
    uint32_t start[kMaxFields + 1] = {};
    uint32_t length[kMaxFields + 1] = {};
    int count = 0;

    // Field n, 1-based; empty beyond the count.
    std::string_view operator[](int n) const {
        if (n < 1 || n > count) return {};
        return std::string_view(bytes.data() + start[n], length[n]);
    }
    double Float(int n) const { return MyFunc::TextToFloat((*this)[n]); }
    int32_t Int(int n) const { return MyFunc::TextToInt((*this)[n]); }
};

void Tokenize(std::string_view line, Fields& f);

// A line of the file, up to its LF, as the reader handles it: without the CR
// of its CR LF and without any other CR (copied into `scratch` when it has one
// inside).
std::string_view WithoutCrs(std::string_view raw, std::string& scratch);

// Field 1 and the field count of a line, found without copying it: exact for
// a line whose bytes up to its first quote or "=" are printable bytes below
// 0x80, blanks and tabs, and whose field 1 ends before that quote. This is
// every line of numbers and most texts. Simple is false for any other line,
// which then has to be tokenized.
struct LineShape {
    bool Simple = false;
    bool Plain = false;  // simple, and no quote or "=" at all
    int Count = 0;
    std::string_view Keyword;
};
// `readable`: how many bytes from line.data() may be read (at least the line).
LineShape ScanLine(std::string_view line, size_t readable);
// The same for the line that starts at p in a file of which `readable` bytes
// remain: `length` becomes the length of the line up to its LF (or the end),
// a CR before the LF included. The shape is that of the line without that
// CR; any other CR makes it not simple.
LineShape ScanBytes(const char* p, size_t n, size_t readable, bool toLf, size_t& length);

}  // namespace JwwGaibu
