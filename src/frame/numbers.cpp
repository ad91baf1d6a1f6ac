#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale>
#include <optional>
#include <sstream>
#include <string>

#include "frame/failures.hpp"
#include "frame/numbers_internal.hpp"
#include "frame/os.hpp"

namespace oru {
namespace {

// Numbers are rendered without the C library's printf: std::to_chars gives the same digits
// (the same rounding of the exact binary value) without the format parsing and the locale,
// and most values the panels show take the integer paths below, which need neither.

// The decimal digits of v, written backwards so that they end at `end`; returns their start.
char* digitsBefore(char* end, std::uint64_t v) {
    do {
        *--end = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    return end;
}

constexpr std::uint64_t kPow10[] = {1,      10,      100,      1000,      10000,
                                    100000, 1000000, 10000000, 100000000, 1000000000};

// The decimal k / 10^decimals: its whole part, then `separator` and exactly `decimals` digits;
// with `trim`, trailing zeros of the fraction are dropped, and the separator with them.
std::string scaledDecimal(std::uint64_t k, int decimals, bool trim, std::string_view separator) {
    const std::uint64_t unit = kPow10[decimals];
    std::array<char, 24> whole{};
    char* const wholeEnd = whole.data() + whole.size();
    char* wholeStart = digitsBefore(wholeEnd, k / unit);
    std::string t(static_cast<const char*>(wholeStart), static_cast<const char*>(wholeEnd));
    std::uint64_t fraction = k % unit;
    int digits = decimals;
    if (trim) {
        while (digits > 0 && fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
    }
    if (digits == 0) return t;
    t += separator;
    std::array<char, 16> frac{};
    char* const fracEnd = frac.data() + digits;
    char* p = fracEnd;
    for (int i = 0; i < digits; ++i) {
        *--p = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    t.append(frac.data(), fracEnd);
    return t;
}

// The general rendering with 15 significant digits ("%.15g"): no trailing zeros, an exponent
// from 10^15 up and below 10^-4.
std::string general15(double a) {
    std::array<char, 32> buf{};
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::general, 15);
    return std::string(buf.data(), res.ptr);
}

// A magnitude of 10^15 or more written out in full. Doubles that large have at most three
// binary-exact decimals, so three decimals render them exactly; trailing zeros are removed.
std::string plainDigits(double a) {
    std::array<char, 400> buf{};
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::fixed, 3);
    std::string t(buf.data(), res.ptr);
    while (t.back() == '0')
        t.pop_back();
    if (t.back() == '.') t.pop_back();
    return t;
}

// Whether a general rendering carries a positive exponent (the value reached 10^15).
bool largeExponent(const std::string& t) { return t.find("e+") != std::string::npos; }

// The text of 10^15, where a value below it rounds up to it at 15 significant digits.
constexpr std::string_view kTenPow15 = "1000000000000000";

bool isIgnorable(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatNum3(double x) {
    if (!std::isfinite(x)) fail::overflow();
    const double a = std::fabs(x);
    std::string t;
    if (a < 1e12) {
        // Thousandths, halves away from zero (the rounding is symmetric, so the magnitude
        // rounds as the signed value would). Below 10^15 thousandths the decimal k/1000 has at
        // most 15 significant digits, which is exactly what the 15-digit rendering of the
        // rounded double gives back.
        const auto k = static_cast<std::uint64_t>(std::trunc(a * 1000.0 + 0.5));
        if (k == 0) return "0";
        t = scaledDecimal(k, 3, true, ".");
    } else if (a < 1e15) {
        // 13 to 15 whole digits leave at most two decimals to the 15-digit rendering; a value
        // that rounds up to 10^15 there continues with the rule for 10^15 and above.
        t = general15(std::trunc(a * 1000.0 + 0.5) / 1000.0);
        if (largeExponent(t)) t = kTenPow15;
    } else {
        t = plainDigits(a);
    }
    if (x < 0) t.insert(t.begin(), '-');
    return t;
}

namespace {

constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common texts: a sign, at most 15 significant digits with one point, and then the end of
// the text or a character that cannot continue the number. Such a number is an exact whole
// number divided by an exact power of ten, so one division gives the correctly rounded value.
// Anything else (blanks, an exponent, long mantissas) is left to the general reading.
std::optional<double> readSimple(std::string_view text) {
    const char* q = text.data();
    const char* const end = q + text.size();
    bool negative = false;
    if (q < end && (*q == '-' || *q == '+')) {
        negative = *q == '-';
        ++q;
    }
    std::uint64_t m = 0;
    int digits = 0;
    int decimals = 0;
    bool any = false;
    bool point = false;
    for (; q < end; ++q) {
        const char c = *q;
        if (isDigit(c)) {
            any = true;
            if (point) ++decimals;
            if (m == 0 && c == '0') continue;  // leading zeros
            if (++digits > 15) return std::nullopt;
            m = m * 10 + static_cast<std::uint64_t>(c - '0');
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (q < end && (isIgnorable(*q) || *q == 'e' || *q == 'E')) return std::nullopt;
    if (!any || m == 0) return 0.0;
    if (decimals > 22) return std::nullopt;
    const double value = static_cast<double>(m) / kExactPow10[decimals];
    return negative ? -value : value;
}

// What the general reading found in a text: the number's parts, and where it ends.
struct Scan {
    // Mantissa digits without leading zeros, and the decimal exponent of the first kept digit.
    // Digits past the 800th cannot change a double; they only shift the exponent.
    static constexpr std::size_t kMaxDigits = 800;
    std::array<char, kMaxDigits> digits;
    std::size_t count = 0;
    long long pointShift = 0;  // value = 0.digits x 10^pointShift before the exponent
    long long exponent = 0;
    bool negative = false;
    bool anyDigit = false;
    std::size_t end = 0;  // where the number ends: the first character that cannot continue it
};

// The one grammar of a number: blanks, tabs and line feeds ignored anywhere, an optional sign,
// digits with "." as decimal point, then an optional exponent ("E" or "e", an optional sign and
// at least one digit). Reading stops at the first character that cannot continue the number;
// a text without a digit has no number (end stays 0).
void ScanNumber(std::string_view text, Scan& s) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto peek = [&]() -> char {
        while (i < n && isIgnorable(text[i]))
            ++i;
        return i < n ? text[i] : '\0';
    };

    if (char c = peek(); c == '+' || c == '-') {
        s.negative = c == '-';
        ++i;
    }

    bool afterPoint = false;
    for (;;) {
        char c = peek();
        if (isDigit(c)) {
            s.anyDigit = true;
            if (s.count == 0 && c == '0') {
                if (afterPoint) --s.pointShift;
            } else {
                if (s.count < Scan::kMaxDigits) s.digits[s.count++] = c;
                if (!afterPoint) ++s.pointShift;
            }
            ++i;
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
            ++i;
        } else {
            break;
        }
    }
    if (!s.anyDigit) return;

    if (char c = peek(); c == 'e' || c == 'E') {
        const std::size_t save = i;
        ++i;
        bool expNegative = false;
        if (char sign = peek(); sign == '+' || sign == '-') {
            expNegative = sign == '-';
            ++i;
        }
        bool expDigit = false;
        while (isDigit(peek())) {
            expDigit = true;
            if (s.exponent < 1'000'000) s.exponent = s.exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (!expDigit) {
            i = save;
            s.exponent = 0;
        } else if (expNegative) {
            s.exponent = -s.exponent;
        }
    }
    s.end = i;
}

}  // namespace

double Val(std::string_view text) {
    if (const auto simple = readSimple(text)) return *simple;

    Scan s;
    ScanNumber(text, s);
    if (!s.anyDigit || s.count == 0) return 0.0;
    const bool negative = s.negative;
    const std::size_t count = s.count;

    const long long magnitude = s.pointShift + s.exponent;  // value is in [10^(m-1), 10^m)
    if (magnitude > 310) fail::overflow();
    if (magnitude < -330) return 0.0;

    // Up to 15 digits scaled by at most 10^22: both factors are exact doubles, so one
    // multiplication or division gives the correctly rounded value directly.
    const long long scale = magnitude - static_cast<long long>(count);
    if (count <= 15 && scale >= -22 && scale <= 22) {
        std::uint64_t m = 0;
        for (std::size_t d = 0; d < count; ++d)
            m = m * 10 + static_cast<std::uint64_t>(s.digits[d] - '0');
        const double mantissa = static_cast<double>(m);
        const double value =
            scale >= 0 ? mantissa * kExactPow10[scale] : mantissa / kExactPow10[-scale];
        return negative ? -value : value;
    }

    // "0.<digits>e<magnitude>" for the general conversion.
    std::array<char, Scan::kMaxDigits + 32> normal;
    char* out = normal.data();
    *out++ = '0';
    *out++ = '.';
    for (std::size_t d = 0; d < count; ++d)
        *out++ = s.digits[d];
    *out++ = 'e';
    out = std::to_chars(out, normal.data() + normal.size(), magnitude).ptr;
    double value = 0.0;
#ifdef __cpp_lib_to_chars
    auto [ptr, ec] = std::from_chars(normal.data(), out, value);
    (void)ptr;
    const bool outOfRange = ec == std::errc::result_out_of_range;
    const bool failed = ec != std::errc();
#else
    // A standard library without the floating-point std::from_chars (libc++ before 17): the
    // stream conversion in the classic locale, which no locale a host sets can change.
    std::istringstream in(std::string(normal.data(), out));
    in.imbue(std::locale::classic());
    in >> value;
    const bool failed = in.fail();
    const bool outOfRange = failed && (value != 0.0 || magnitude < 0);
#endif
    if (outOfRange) {
        if (magnitude > 0) fail::overflow();
        return 0.0;
    }
    if (failed || !std::isfinite(value)) fail::overflow();
    return negative ? -value : value;
}

bool ReadsEntirelyAsNumber(std::string_view text) {
    Scan s;
    ScanNumber(text, s);
    if (!s.anyDigit) return false;
    for (std::size_t i = s.end; i < text.size(); ++i)
        if (!isIgnorable(text[i])) return false;
    return true;
}

namespace num {

double Checked(double x) {
    if (!std::isfinite(x)) fail::overflow();
    return x;
}

namespace {
double roundHalfEvenWhole(double y) {
    const double f = std::floor(y);
    const double diff = y - f;
    if (diff > 0.5) return f + 1.0;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}
}  // namespace

std::int16_t CInt(double x) {
    if (!std::isfinite(x)) fail::overflow();
    const double r = roundHalfEvenWhole(x);
    if (r < -32768.0 || r > 32767.0) fail::overflow();
    return static_cast<std::int16_t>(r);
}

std::int16_t CIntText(std::string_view text) {
    // sign, digits with an optional decimal point, optional exponent; blanks around
    std::size_t i = 0;
    const auto blanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i - start;
    };
    blanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) fail::typeMismatch();
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() == 0) fail::typeMismatch();
    }
    blanks();
    if (i != text.size()) fail::typeMismatch();
    return CInt(Val(text));
}

std::int16_t Fix16(double x) {
    if (!std::isfinite(x)) fail::overflow();
    const double t = std::trunc(x);
    if (t < -32768.0 || t > 32767.0) fail::overflow();
    return static_cast<std::int16_t>(t);
}

std::int16_t ToInt16(long long x) {
    if (x < -32768 || x > 32767) fail::overflow();
    return static_cast<std::int16_t>(x);
}

double RoundHalfEven(double x, int decimals) {
    if (!std::isfinite(x)) fail::overflow();
    const double p = std::pow(10.0, decimals);
    const double y = x * p;
    if (!std::isfinite(y) || std::fabs(y) >= 4503599627370496.0) return x;  // no fraction left
    const double r = roundHalfEvenWhole(y) / p;
    return r == 0.0 ? 0.0 : r;
}

std::string Str(double x) {
    if (!std::isfinite(x)) fail::overflow();
    const double a = std::fabs(x);
    if (a < 1e15 && a == std::trunc(a)) {  // a whole number of at most 15 digits: its digits
        std::array<char, 24> buf{};
        char* const end = buf.data() + buf.size();
        char* p = digitsBefore(end, static_cast<std::uint64_t>(a));
        *--p = x < 0 ? '-' : ' ';
        return std::string(p, end);
    }
    std::string t = general15(a);
    if (largeExponent(t)) {
        // A whole count of 10^15 or more is shown in full, as FormatNum3 shows such magnitudes.
        t = a < 1e15 ? std::string(kTenPow15) : plainDigits(a);
    } else if (const auto e = t.find('e'); e != std::string::npos) {
        t[e] = 'E';
    }
    if (t.size() > 1 && t[0] == '0' && t[1] == '.') t.erase(0, 1);
    return (x < 0 ? "-" : " ") + t;
}

std::string FormatFixed(double x, int decimals, std::string_view separator) {
    if (!std::isfinite(x)) fail::overflow();
    if (decimals < 0 || decimals >= static_cast<int>(std::size(kPow10))) fail::overflow();
    // Halves away from zero, with the arithmetic of FormatNum3, so that a value shows the same
    // digits here as in a box.
    const double a = std::fabs(x);
    const double scaled = std::trunc(a * static_cast<double>(kPow10[decimals]) + 0.5);
    std::string t;
    if (scaled < 9.2e18) {
        t = scaledDecimal(static_cast<std::uint64_t>(scaled), decimals, false, separator);
        if (x < 0 && scaled != 0) t.insert(t.begin(), '-');
        return t;
    }
    // So large that no decimal is left to round: the value itself, exactly.
    std::array<char, 400> buf{};
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::fixed, decimals);
    t.assign(buf.data(), res.ptr);
    if (auto p = t.find('.'); p != std::string::npos) t.replace(p, 1, separator);
    if (x < 0) t.insert(t.begin(), '-');
    return t;
}

namespace {

// Languages whose usual decimal separator is the comma, for locales named in the environment
// but not installed on the machine.
constexpr std::string_view kCommaLanguages[] = {
    "af", "az", "be", "bg", "bs", "ca", "cs", "da", "de", "el", "es", "et", "eu", "fi", "fo",
    "fr", "gl", "hr", "hu", "id", "is", "it", "ka", "kk", "lt", "lv", "mk", "nb", "nl", "nn",
    "no", "pl", "pt", "ro", "ru", "sk", "sl", "sq", "sr", "sv", "tr", "uk", "uz", "vi",
};
// Countries of those languages that use the point.
constexpr std::string_view kPointLocales[] = {"de_CH", "de_LI", "it_CH", "es_MX", "es_US", "es_PR",
                                              "es_DO", "es_GT", "es_HN", "es_NI", "es_PA", "es_SV"};

std::string separatorByName(const std::string& name) {
    for (auto loc : kPointLocales)
        if (name.rfind(loc, 0) == 0) return ".";
    const std::string lang = name.substr(0, name.find_first_of("_.@"));
    for (auto l : kCommaLanguages)
        if (lang == l) return ",";
    return ".";
}

}  // namespace

std::string RegionalDecimalSeparator() {
    std::string name;
    for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* v = std::getenv(var);
        if (v != nullptr && *v != '\0') {
            name = v;
            break;
        }
    }
    if (name.empty()) {
        // Windows keeps the user's regional settings in the system, not in the environment.
        if (auto system = os::UserDecimalSeparator()) return *system;
        return ".";
    }
    if (name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0) return ".";
    try {
        const std::locale loc(name.c_str());
        const char point = std::use_facet<std::numpunct<char>>(loc).decimal_point();
        return std::string(1, point);
    } catch (const std::exception&) {
        return separatorByName(name);
    }
}

}  // namespace num
}  // namespace oru
