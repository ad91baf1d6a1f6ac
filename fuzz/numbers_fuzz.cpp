// Any text read as a number either fails with oru::Error or gives a finite value. Its
// three-decimal rendering reads back within half a thousandth (exactly from 10^15 up) and keeps
// at most 15 significant digits below 10^15; the "#0.000" rendering of the pass depth shows the
// same digits; whole counts are never written in exponent form.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "frame/numbers_internal.hpp"
#include "fuzz_support.hpp"
#include "oru/error.hpp"
#include "oru/numbers.hpp"

using namespace oru;
using oru::fuzz::Finding;

namespace {

std::size_t SignificantDigits(std::string_view t) {
    std::size_t n = 0;
    bool leading = true;
    for (char c : t) {
        if (c < '0' || c > '9') continue;
        if (leading && c == '0') continue;
        leading = false;
        ++n;
    }
    return n;
}

// FormatNum3's text with exactly three decimals.
std::string Padded(std::string t) {
    const auto p = t.find('.');
    return p == std::string::npos ? t + ".000" : t + std::string(p + 4 - t.size(), '0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double v = 0;
    try {
        v = Val(text);
    } catch (const Error&) {
        return 0;
    } catch (...) {
        Finding("Val let something else than oru::Error escape");
    }
    if (!std::isfinite(v)) Finding("Val gave a value that is not finite");

    const std::string t = FormatNum3(v);
    const double back = Val(t);
    const double a = std::fabs(v);
    const double tolerance = 0.0005 + a * 1e-15;  // half a thousandth, plus rounding
    if (a < 1e12 && std::fabs(back - v) > tolerance) Finding("FormatNum3 does not read back");
    if (a >= 1e15 && back != v) Finding("FormatNum3 is not exact from 10^15 up");
    if (a < 1e15 && SignificantDigits(t) > 15 && t != "1000000000000000" &&
        t != "-1000000000000000")
        Finding("FormatNum3 shows more than 15 digits below 10^15");
    if (t.find_first_of("eE") != std::string::npos) Finding("FormatNum3 in exponent form");

    if (a < 1e12 && num::FormatFixed(v, 3, ".") != Padded(t))
        Finding("the pass depth and the boxes round differently");
    const double whole = std::trunc(v);
    if (std::fabs(whole) >= 1 && num::Str(whole).find('E') != std::string::npos)
        Finding("a whole count in exponent form");
    return 0;
}
