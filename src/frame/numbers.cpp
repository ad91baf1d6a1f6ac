#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <string>

#include "frame/failures.hpp"
#include "frame/numbers_internal.hpp"

namespace oru {
namespace {

// Renders a non-negative magnitude that FormatNum3 has already rounded: up to 15 significant
// digits, no exponent. Values whose 15-digit form would need an exponent (10^15 and above) are
// written out in full: doubles that large have at most three binary-exact decimals, so "%.3f"
// is exact, and the trailing zeros are then removed.
std::string renderMagnitude(double a) {
    if (a == 0.0) return "0";
    std::array<char, 400> buf{};
    int len = std::snprintf(buf.data(), buf.size(), "%.15g", a);
    std::string t(buf.data(), static_cast<std::size_t>(len));
    if (t.find('e') == std::string::npos) return t;
    len = std::snprintf(buf.data(), buf.size(), "%.3f", a);
    t.assign(buf.data(), static_cast<std::size_t>(len));
    while (t.back() == '0')
        t.pop_back();
    if (t.back() == '.') t.pop_back();
    return t;
}

bool isIgnorable(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatNum3(double x) {
    if (!std::isfinite(x)) fail::overflow();
    double r = x;
    if (std::fabs(x) < 1e15) {
        const double s = x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
        r = std::trunc(x * 1000.0 + s * 0.5) / 1000.0;
    }
    std::string t = renderMagnitude(std::fabs(r));
    // keep at most three decimals
    if (auto p = t.find('.'); p != std::string::npos && t.size() > p + 4) t.resize(p + 4);
    if (r < 0) t.insert(t.begin(), '-');
    return t;
}

double Val(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto peek = [&]() -> char {
        while (i < n && isIgnorable(text[i]))
            ++i;
        return i < n ? text[i] : '\0';
    };

    bool negative = false;
    if (char c = peek(); c == '+' || c == '-') {
        negative = c == '-';
        ++i;
    }

    // Mantissa digits without leading zeros, and the decimal exponent of the first kept digit.
    std::string digits;
    long long pointShift = 0;  // value = 0.digits x 10^pointShift before the exponent
    bool anyDigit = false;
    bool afterPoint = false;
    for (;;) {
        char c = peek();
        if (isDigit(c)) {
            anyDigit = true;
            if (digits.empty() && c == '0') {
                if (afterPoint) --pointShift;
            } else {
                // Digits past the 800th cannot change a double; they only shift the exponent.
                if (digits.size() < 800) digits.push_back(c);
                if (!afterPoint) ++pointShift;
            }
            ++i;
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
            ++i;
        } else {
            break;
        }
    }
    if (!anyDigit || digits.empty()) return 0.0;

    // Optional exponent: "E" or "e", an optional sign and at least one digit.
    long long exponent = 0;
    if (char c = peek(); c == 'e' || c == 'E') {
        const std::size_t save = i;
        ++i;
        bool expNegative = false;
        if (char s = peek(); s == '+' || s == '-') {
            expNegative = s == '-';
            ++i;
        }
        bool expDigit = false;
        while (isDigit(peek())) {
            expDigit = true;
            if (exponent < 1'000'000) exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (!expDigit) {
            i = save;
            exponent = 0;
        } else if (expNegative) {
            exponent = -exponent;
        }
    }

    const long long magnitude = pointShift + exponent;  // value is in [10^(m-1), 10^m)
    if (magnitude > 310) fail::overflow();
    if (magnitude < -330) return 0.0;

    std::string normal = "0." + digits + "e" + std::to_string(magnitude);
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0) fail::overflow();
        return 0.0;
    }
    if (ec != std::errc() || !std::isfinite(value)) fail::overflow();
    return negative ? -value : value;
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
    std::array<char, 64> buf{};
    const int len = std::snprintf(buf.data(), buf.size(), "%.15G", std::fabs(x));
    std::string t(buf.data(), static_cast<std::size_t>(len));
    if (t.size() > 1 && t[0] == '0' && t[1] == '.') t.erase(0, 1);
    const bool negative = x < 0;
    return (negative ? "-" : " ") + t;
}

std::string FormatFixed(double x, int decimals, std::string_view separator) {
    if (!std::isfinite(x)) fail::overflow();
    std::array<char, 400> buf{};
    const int len = std::snprintf(buf.data(), buf.size(), "%.*f", decimals, x);
    std::string t(buf.data(), static_cast<std::size_t>(len));
    if (auto p = t.find('.'); p != std::string::npos) t.replace(p, 1, separator);
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
    if (name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0) return ".";
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
