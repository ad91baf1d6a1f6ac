#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "oru/numbers.hpp"

// Conversions the panels need beyond FormatNum3 and Val. Every conversion into a 16-bit value
// is range-checked and raises the overflow failure instead of wrapping.
namespace oru::num {

// Nearest whole number, a half going to the even neighbour, as a 16-bit integer.
std::int16_t CInt(double x);
// A text converted to a whole number: it must hold a number and nothing else (blanks aside),
// which is rounded to the nearest whole number (halves to even) into 16 bits; any other text is
// the type failure.
std::int16_t CIntText(std::string_view text);
// Truncation toward zero, as a 16-bit integer.
std::int16_t Fix16(double x);
// A whole number known as a wider integer, checked into 16 bits.
std::int16_t ToInt16(long long x);

// x rounded to `decimals` decimals, halves to the even digit.
double RoundHalfEven(double x, int decimals);

// The general decimal rendering of a number: up to 15 significant digits, no trailing zeros,
// one leading blank for a number that is not negative, no digit before the point below 1
// (0.5 gives " .5", -2 gives "-2").
std::string Str(double x);

// Fixed-point rendering with at least one digit before the separator and exactly `decimals`
// digits after it, rounded to nearest; `separator` replaces ".". This is the "#0.000" pattern.
std::string FormatFixed(double x, int decimals, std::string_view separator);

// Decimal separator of the environment's locale (LC_ALL, LC_NUMERIC, LANG, in that order of
// precedence); "." when none is set. Never changes the process locale.
std::string RegionalDecimalSeparator();

}  // namespace oru::num

namespace oru::num {

// Where a computation would give an infinity or NaN the panels fail with the overflow failure
// instead of carrying the value on: a box never shows "inf" or "nan", and the procedure's error
// box says what went wrong.
double Checked(double x);

}  // namespace oru::num
