// The conversions: any text reads without failing, and the number format
// round-trips to 15 significant digits.
#include <cmath>
#include <cstring>

#include "FuzzSupport.h"
#include "MyFunc/TextConv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double parsed = MyFunc::TextToFloat(text);
    if (!std::isfinite(parsed)) std::abort();
    MyFunc::TextToInt(text);
    MyFunc::TextToBool(text);
    if (MyFunc::CleanText(text).size() > size) std::abort();

    for (double v : {parsed, [&] {
                         double d = 0;
                         if (size >= 8) std::memcpy(&d, data, 8);
                         return d;
                     }()}) {
        if (!std::isfinite(v)) continue;
        const std::string formatted = MyFunc::FloatToText(v);
        const double back = MyFunc::TextToFloat(formatted);
        if (MyFunc::FloatToText(back) != formatted) std::abort();
        if (std::fabs(v) >= 1e-300 && std::fabs(back - v) > std::fabs(v) * 5.1e-15) std::abort();
        const std::string label = MyFunc::FloatToTextTrimmed(12, 6, false, v);
        if (label.empty() || label.size() > 40) std::abort();
    }
    return 0;
}
