// The conversions: any text reads without failing, and the number format
// round-trips to 15 significant digits. A launcher's typed reading reads every
// number the plain reading reads as the same number.
#include <cmath>
#include <cstring>

#include "FuzzSupport.h"
#include "MyFunc/TextConv.h"
#include "MyFunc/TypedNumber.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double parsed = MyFunc::TextToFloat(text);
    if (!std::isfinite(parsed)) std::abort();
    int32_t whole = 0, typedWhole = 0;
    const bool isWhole = MyFunc::TryTextToInt(text, whole);
    if (MyFunc::TextToInt(text) != whole || (!isWhole && whole != 0)) std::abort();
    const auto wholeKind = MyFunc::ReadTypedInt(text, typedWhole);
    if (isWhole && (wholeKind != MyFunc::TypedKind::Number || typedWhole != whole)) std::abort();
    double typed = 0, plain = 0;
    const auto kind = MyFunc::ReadTypedFloat(text, typed);
    if (!std::isfinite(typed) || (kind != MyFunc::TypedKind::Number && typed != 0)) std::abort();
    if (MyFunc::TryTextToFloat(text, plain) &&
        (kind != MyFunc::TypedKind::Number || typed != plain))
        std::abort();
    if (kind == MyFunc::TypedKind::Number &&
        typed != MyFunc::TextToFloat(MyFunc::HalfWidthNumberText(text)))
        std::abort();
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
