#pragma once

#include <string>
#include <string_view>

namespace oru {

// Rounds to three decimals (halves away from zero) and renders with "." as decimal point, no
// trailing zeros, a leading zero before the point and never a "-0". Magnitudes of 10^15 and
// above are written out in plain digits (no exponent) so that reading the text back gives the
// same value. Throws oru::Error for infinities and NaN, which only a failed computation produces.
std::string FormatNum3(double x);

// Reads the number at the start of a text: blanks, tabs and line feeds anywhere are ignored, an
// optional sign, digits with "." as decimal point and an optional exponent are taken, reading
// stops at the first character that cannot continue the number, 0 when there is no number.
// Throws oru::Error when the value overflows a double.
double Val(std::string_view text);

// Whether Val reads the whole text: a number as Val reads it, with nothing after it but blanks,
// tabs and line feeds. "12.5", " - 1 e3 " and "1e999" do (the last overflows, but it is written
// as a number); "12,5" and "3.5mm" do not (Val reads 12 and 3.5), nor "", "-" or "1e". A toolkit
// uses it to tell the user that a box holds more than the number the panel reads. Never throws.
bool ReadsEntirelyAsNumber(std::string_view text);

}  // namespace oru
