// The panels' own conversions: checked 16-bit values, rounding to one decimal with halves to
// even, the general rendering of pass counts and the fixed rendering of the milling pass depth.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "frame/numbers_internal.hpp"
#include "oru/error.hpp"
#include "oru/numbers.hpp"

namespace oru {
namespace {

TEST(Conversions, SixteenBitValuesAreRangeChecked) {
    EXPECT_EQ(num::CInt(2.5), 2);  // halves to even
    EXPECT_EQ(num::CInt(3.5), 4);
    EXPECT_EQ(num::CInt(-2.5), -2);
    EXPECT_EQ(num::CInt(32767.4), 32767);
    EXPECT_THROW(num::CInt(32767.5), Error);
    EXPECT_EQ(num::CInt(-32768.5), -32768);
    EXPECT_THROW(num::CInt(-32768.6), Error);
    EXPECT_THROW(num::CInt(std::nan("")), Error);

    EXPECT_EQ(num::Fix16(-3.9), -3);
    EXPECT_EQ(num::Fix16(32767.9), 32767);
    EXPECT_THROW(num::Fix16(32768), Error);
    EXPECT_THROW(num::Fix16(-1e300), Error);
    EXPECT_THROW(num::ToInt16(40000), Error);

    EXPECT_EQ(num::CIntText(" 6 "), 6);  // a text holding a number and nothing else
    EXPECT_EQ(num::CIntText("4.5"), 4);
    EXPECT_EQ(num::CIntText("-1e1"), -10);
    for (const char* bad : {"", "x", "6 passes", "1e", ".", "-", "40000"})
        EXPECT_THROW(num::CIntText(bad), Error) << bad;
    const double zero = 0.0;
    EXPECT_THROW(num::Checked(1.0 / zero), Error);
}

TEST(Conversions, OneDecimalWithHalvesToEven) {
    EXPECT_DOUBLE_EQ(num::RoundHalfEven(45.25, 1), 45.2);
    EXPECT_DOUBLE_EQ(num::RoundHalfEven(45.75, 1), 45.8);
    EXPECT_DOUBLE_EQ(num::RoundHalfEven(45.26, 1), 45.3);
    EXPECT_DOUBLE_EQ(num::RoundHalfEven(-45.25, 1), -45.2);
    EXPECT_DOUBLE_EQ(num::RoundHalfEven(1e300, 1), 1e300);
}

TEST(Conversions, GeneralAndFixedRenderings) {
    EXPECT_EQ(num::Str(4), " 4");
    EXPECT_EQ(num::Str(0.5), " .5");
    EXPECT_EQ(num::Str(-2), "-2");
    EXPECT_EQ(num::Str(1e-20), " 1E-20");
    // whole numbers of 10^15 and more in digits, like FormatNum3
    EXPECT_EQ(num::Str(2e15), " 2000000000000000");
    EXPECT_EQ(num::Str(-1e20), "-100000000000000000000");
    EXPECT_EQ(num::Str(999999999999999.9), " 1000000000000000");
    EXPECT_EQ(num::FormatFixed(2.325, 3, "."), "2.325");
    EXPECT_EQ(num::FormatFixed(11.0 / 3.0, 3, ","), "3,667");
    EXPECT_EQ(num::FormatFixed(0.0004, 3, ","), "0,000");
    EXPECT_EQ(num::FormatFixed(12, 3, "."), "12.000");
    // halves away from zero: the same digits as FormatNum3 (2.0625 is an exact binary half)
    const auto padded = [](std::string t) {
        const auto p = t.find('.');
        return p == std::string::npos ? t + ".000" : t + std::string(p + 4 - t.size(), '0');
    };
    for (double x : {2.0625, 0.0005, 1.0005, 2.675, 1e9 + 0.0625, 123456789.1235})
        EXPECT_EQ(num::FormatFixed(x, 3, "."), padded(FormatNum3(x))) << x;
    EXPECT_EQ(num::FormatFixed(2.0625, 3, "."), "2.063");
    EXPECT_EQ(num::FormatFixed(-2.0625, 3, "."), "-2.063");
    EXPECT_EQ(num::FormatFixed(1e20, 3, "."), "100000000000000000000.000");
}

}  // namespace
}  // namespace oru
