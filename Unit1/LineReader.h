// Splits a settings or list file into lines: each ends at LF, with or without a
// CR before it. Past the end every line reads as the empty text.
#pragma once

#include <cstring>
#include <string_view>

namespace Unit1 {

class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : rest_(bytes) {}

    std::string_view Next() {
        if (rest_.empty()) return {};
        const char* lf = static_cast<const char*>(std::memchr(rest_.data(), '\n', rest_.size()));
        std::string_view line;
        if (lf == nullptr) {
            line = rest_;
            rest_ = {};
        } else {
            line = rest_.substr(0, static_cast<size_t>(lf - rest_.data()));
            rest_.remove_prefix(line.size() + 1);
        }
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

    bool AtEnd() const { return rest_.empty(); }

  private:
    std::string_view rest_;
};

}  // namespace Unit1
