// Any text read as a number either fails with oru::Error or gives a finite value whose
// three-decimal rendering reads back within half a thousandth.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "oru/error.hpp"
#include "oru/numbers.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double v = 0;
    try {
        v = oru::Val(text);
    } catch (const oru::Error&) {
        return 0;
    }
    if (!std::isfinite(v)) std::abort();
    const double back = oru::Val(oru::FormatNum3(v));
    const double tolerance = 0.0005 + std::fabs(v) * 1e-15;  // half a thousandth, plus rounding
    if (std::fabs(v) < 1e12 && std::fabs(back - v) > tolerance) std::abort();
    if (std::fabs(v) >= 1e15 && back != v) std::abort();
    return 0;
}
