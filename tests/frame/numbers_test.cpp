// Reading texts as numbers, whether a text is a number and nothing else, the three-decimal
// rendering, and the regional decimal separator a host starts with.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>

#include "oru/error.hpp"
#include "oru/host.hpp"
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

TEST(ReadsEntirelyAsNumber, TheWholeTextMustBeTheNumberValReads) {
    for (const char* t :
         {"12.5", " - 1 e3 ", "+.5", "5.", "0", "1 2\t.\n5", "2E-2", "1e999", "007"})
        EXPECT_TRUE(ReadsEntirelyAsNumber(t)) << t;
    // Val reads a number at the start of these, and stops before the rest.
    for (const char* t : {"12,5", "3.5mm", "1e", "7e+", "1.2.3", "--5", "5-", "\r5", "1e5x"})
        EXPECT_FALSE(ReadsEntirelyAsNumber(t)) << t;
    // No number at all.
    for (const char* t : {"", "   ", "-", "+", ".", "e5", "abc", "erreur"})
        EXPECT_FALSE(ReadsEntirelyAsNumber(t)) << t;
    // A number too long for the reading's digit buffer is still one number.
    EXPECT_TRUE(ReadsEntirelyAsNumber(std::string(2000, '9') + ".5"));
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

TEST(RegionalSeparator, AHostTakesItFromTheEnvironment) {
    const char* saved[3] = {std::getenv("LC_ALL"), std::getenv("LC_NUMERIC"), std::getenv("LANG")};
    const std::string keep[3] = {saved[0] ? saved[0] : "", saved[1] ? saved[1] : "",
                                 saved[2] ? saved[2] : ""};
    SetVariable("LC_ALL", nullptr);
    SetVariable("LC_NUMERIC", nullptr);
    SetVariable("LANG", nullptr);
#ifndef _WIN32
    EXPECT_EQ(Host().decimalSeparator(), ".");  // Windows: the user's regional settings
#endif
    SetVariable("LANG", "fr_FR.UTF-8");
    EXPECT_EQ(Host().decimalSeparator(), ",");
    SetVariable("LC_NUMERIC", "en_US.UTF-8");  // more specific than LANG
    EXPECT_EQ(Host().decimalSeparator(), ".");
    SetVariable("LC_ALL", "C");
    EXPECT_EQ(Host().decimalSeparator(), ".");
    const char* names[3] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    for (int i = 0; i < 3; ++i)
        SetVariable(names[i], saved[i] ? keep[i].c_str() : nullptr);
}

}  // namespace
}  // namespace oru
