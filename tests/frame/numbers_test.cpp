// Reading texts as numbers, the three-decimal rendering and the checked 16-bit conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>

#include "frame/numbers_internal.hpp"
#include "oru/error.hpp"
#include "oru/numbers.hpp"

namespace oru {
namespace {

TEST(Val, ReadsTheNumberAtTheStartOfTheText) {
    EXPECT_DOUBLE_EQ(Val("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(Val("12,5"), 12.0);           // the comma is no decimal separator
    EXPECT_DOUBLE_EQ(Val(" 1 2\t.\n5 mm"), 12.5);  // blanks, tabs, line feeds anywhere
    EXPECT_DOUBLE_EQ(Val("- 3"), -3.0);
    EXPECT_DOUBLE_EQ(Val("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(Val("5."), 5.0);
    EXPECT_DOUBLE_EQ(Val("1.5e3x"), 1500.0);
    EXPECT_DOUBLE_EQ(Val("2E-2"), 0.02);
    EXPECT_DOUBLE_EQ(Val("7e"), 7.0);  // an exponent needs a digit
    EXPECT_DOUBLE_EQ(Val("7e+"), 7.0);
    EXPECT_DOUBLE_EQ(Val("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(Val("0001.250"), 1.25);
    EXPECT_DOUBLE_EQ(Val("0.000000000000000000001"), 1e-21);
}

TEST(Val, TextsWithoutANumberReadZero) {
    for (const char* t : {"", "abc", "-", "+", ".", "e5", "--5", "+-5", "\r5", "erreur"})
        EXPECT_EQ(Val(t), 0.0) << t;
    EXPECT_FALSE(std::signbit(Val("-0")));
    EXPECT_EQ(Val("1e-400"), 0.0);  // below the smallest double: zero, no failure
}

TEST(Val, OverflowIsAFailure) {
    EXPECT_THROW(Val("1e309"), Error);
    EXPECT_THROW(Val("-1.8e308"), Error);
    EXPECT_THROW(Val("1" + std::string(400, '0')), Error);
    EXPECT_THROW(Val("1e99999999999999999999999"), Error);
    EXPECT_DOUBLE_EQ(Val("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_DOUBLE_EQ(Val("0." + std::string(400, '0') + "1e405"), 1e4);
}

TEST(FormatNum3, RoundsToThreeDecimalsHalvesAwayFromZeroWithoutASignedZero) {
    const std::pair<double, const char*> cases[] = {
        {12.3456, "12.346"},
        {-0.0006, "-0.001"},
        {0.5, "0.5"},
        {100, "100"},
        {-2.5, "-2.5"},
        {1.5, "1.5"},
        {2.0625, "2.063"},
        {-2.0625, "-2.063"},
        {0.0005, "0.001"},
        {0.1 + 0.2, "0.3"},
        {0, "0"},
        {-0.0, "0"},
        {-0.0004, "0"},
        {0.0004, "0"},
        {123456789012.3456, "123456789012.346"},
        {999999999999.9996, "1000000000000"},
    };
    for (const auto& [x, text] : cases)
        EXPECT_EQ(FormatNum3(x), text) << x;
}

TEST(FormatNum3, LargeMagnitudesAreWrittenOutExactlyWithTheirSign) {
    EXPECT_EQ(FormatNum3(999999999999999.0), "999999999999999");
    EXPECT_EQ(FormatNum3(1e15), "1000000000000000");
    EXPECT_EQ(FormatNum3(-1e20), "-100000000000000000000");
    EXPECT_EQ(FormatNum3(1234567890123456.75), "1234567890123456.75");
    // below 10^15 at most 15 significant digits; what rounds up to 10^15 is written as 10^15
    EXPECT_EQ(FormatNum3(999999999999999.4), "999999999999999");
    EXPECT_EQ(FormatNum3(999999999999999.9), "1000000000000000");
    EXPECT_EQ(FormatNum3(-999999999999999.9), "-1000000000000000");
    EXPECT_EQ(FormatNum3(123456789012345.67), "123456789012346");
    for (double x :
         {1e15, -3.5e17, 1.2345e100, -std::numeric_limits<double>::max(), 9.007199254740993e15})
        EXPECT_EQ(Val(FormatNum3(x)), x) << x;
    EXPECT_THROW(FormatNum3(std::numeric_limits<double>::infinity()), Error);
    EXPECT_THROW(FormatNum3(std::nan("")), Error);
}

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

// Sets (or with nullptr removes) a variable of the environment.
void SetVariable(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value != nullptr ? value : "");  // "" removes it
#else
    if (value != nullptr)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

TEST(Conversions, RegionalSeparatorComesFromTheEnvironment) {
    const char* saved[3] = {std::getenv("LC_ALL"), std::getenv("LC_NUMERIC"), std::getenv("LANG")};
    const std::string keep[3] = {saved[0] ? saved[0] : "", saved[1] ? saved[1] : "",
                                 saved[2] ? saved[2] : ""};
    SetVariable("LC_ALL", nullptr);
    SetVariable("LC_NUMERIC", nullptr);
    SetVariable("LANG", nullptr);
#ifndef _WIN32
    EXPECT_EQ(num::RegionalDecimalSeparator(), ".");  // Windows: the user's regional settings
#endif
    SetVariable("LANG", "fr_FR.UTF-8");
    EXPECT_EQ(num::RegionalDecimalSeparator(), ",");
    SetVariable("LC_NUMERIC", "en_US.UTF-8");  // more specific than LANG
    EXPECT_EQ(num::RegionalDecimalSeparator(), ".");
    SetVariable("LC_ALL", "C");
    EXPECT_EQ(num::RegionalDecimalSeparator(), ".");
    const char* names[3] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    for (int i = 0; i < 3; ++i)
        SetVariable(names[i], saved[i] ? keep[i].c_str() : nullptr);
}

}  // namespace
}  // namespace oru
