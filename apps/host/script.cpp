#include "script.hpp"

#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

namespace oruhost {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

[[noreturn]] void Expected(std::string_view what, std::string_view found) {
    throw ScriptError("expected " + std::string(what) + ", found " +
                      (found.empty() ? std::string("nothing") : "'" + std::string(found) + "'"));
}

std::string Shown(const Token& t) {
    switch (t.kind) {
        case Token::Kind::Open:
            return "[";
        case Token::Kind::Close:
            return "]";
        default:
            return t.text;
    }
}

}  // namespace

std::string_view WithoutComment(std::string_view line) {
    bool quoted = false;
    bool wordStart = true;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                quoted = false;
            continue;
        }
        if (c == '"') {
            quoted = true;
        } else if (c == '#' && wordStart) {
            return line.substr(0, i);
        }
        wordStart = IsBlank(c) || c == ',' || c == '[' || c == ']';
    }
    return line;
}

std::vector<Token> Tokenize(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (IsBlank(c) || c == ',') {
            ++i;
        } else if (c == '#') {
            break;  // a comment runs to the end of the line
        } else if (c == '[') {
            tokens.push_back({Token::Kind::Open, "["});
            ++i;
        } else if (c == ']') {
            tokens.push_back({Token::Kind::Close, "]"});
            ++i;
        } else if (c == '"') {
            std::string text;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char d = line[i++];
                if (d == '"') {
                    closed = true;
                    break;
                }
                if (d != '\\') {
                    text += d;
                    continue;
                }
                if (i >= line.size()) break;
                const char e = line[i++];
                switch (e) {
                    case '"':
                    case '\\':
                        text += e;
                        break;
                    case 'n':
                        text += '\n';
                        break;
                    case 'r':
                        text += '\r';
                        break;
                    case 't':
                        text += '\t';
                        break;
                    default:
                        throw ScriptError(std::string("unknown escape '\\") + e + "' in a string");
                }
            }
            if (!closed) throw ScriptError("unterminated string");
            tokens.push_back({Token::Kind::String, std::move(text)});
        } else {
            const std::size_t start = i;
            while (i < line.size() && !IsBlank(line[i]) && line[i] != ',' && line[i] != '[' &&
                   line[i] != ']' && line[i] != '"')
                ++i;
            tokens.push_back({Token::Kind::Word, std::string(line.substr(start, i - start))});
        }
    }
    return tokens;
}

bool ParseDouble(std::string_view text, double& out) {
    if (text.empty()) return false;
    std::string_view t = text;
    if (t.front() == '+') t.remove_prefix(1);
    if (t.empty() || t.front() == '+') return false;
#ifdef __cpp_lib_to_chars
    const auto r = std::from_chars(t.data(), t.data() + t.size(), out, std::chars_format::general);
    return r.ec == std::errc() && r.ptr == t.data() + t.size() && std::isfinite(out);
#else
    // A standard library without the floating-point std::from_chars (libc++ before 17): the
    // stream conversion in the classic locale, of decimal numbers only, the whole word taken.
    if (t.find_first_not_of("0123456789.eE+-") != std::string_view::npos) return false;
    std::istringstream in{std::string(t)};
    in.imbue(std::locale::classic());
    in >> out;
    return !in.fail() && in.peek() == std::char_traits<char>::eof() && std::isfinite(out);
#endif
}

bool ParseInteger(std::string_view text, long long& out) {
    std::string_view t = text;
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty() || t.front() == '+') return false;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), out);
    return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

const Token& Args::next(std::string_view what) {
    if (done()) Expected(what, "");
    return tokens_[pos_++];
}

std::string Args::text(std::string_view what) {
    const Token& t = next(what);
    if (t.kind != Token::Kind::Word && t.kind != Token::Kind::String) Expected(what, Shown(t));
    return t.text;
}

bool Args::nextIsString() const { return !done() && tokens_[pos_].kind == Token::Kind::String; }

std::string_view Args::peekWord() const {
    if (done() || tokens_[pos_].kind != Token::Kind::Word) return {};
    return tokens_[pos_].text;
}

int Args::integer(std::string_view what) {
    const Token& t = next(what);
    long long v = 0;
    if (t.kind != Token::Kind::Word || !ParseInteger(t.text, v) ||
        v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        Expected(what, Shown(t));
    return static_cast<int>(v);
}

std::int16_t Args::int16(std::string_view what) {
    const Token& t = next(what);
    long long v = 0;
    if (t.kind != Token::Kind::Word || !ParseInteger(t.text, v)) Expected(what, Shown(t));
    if (v < std::numeric_limits<std::int16_t>::min() ||
        v > std::numeric_limits<std::int16_t>::max())
        throw ScriptError(std::string(what) + " " + t.text +
                          " is outside the 16-bit range -32768 to 32767");
    return static_cast<std::int16_t>(v);
}

double Args::number(std::string_view what) {
    const Token& t = next(what);
    double v = 0;
    if (t.kind != Token::Kind::Word || !ParseDouble(t.text, v)) Expected(what, Shown(t));
    return v;
}

bool Args::boolean(std::string_view what) {
    const Token& t = next(what);
    if (t.kind == Token::Kind::Word && t.text == "true") return true;
    if (t.kind == Token::Kind::Word && t.text == "false") return false;
    Expected(what, Shown(t));
}

std::vector<std::string> Args::list(std::string_view what) {
    const Token& open = next(what);
    if (open.kind != Token::Kind::Open) Expected(std::string(what) + " as [ ... ]", Shown(open));
    std::vector<std::string> items;
    while (true) {
        if (done()) throw ScriptError("missing ']' after " + std::string(what));
        const Token& t = tokens_[pos_++];
        if (t.kind == Token::Kind::Close) break;
        if (t.kind != Token::Kind::Word) Expected("a number in " + std::string(what), Shown(t));
        items.push_back(t.text);
    }
    return items;
}

std::vector<double> Args::numbers(std::string_view what) {
    std::vector<double> values;
    for (const std::string& item : list(what)) {
        double v = 0;
        if (!ParseDouble(item, v)) Expected("a number in " + std::string(what), item);
        values.push_back(v);
    }
    return values;
}

std::vector<std::int16_t> Args::int16s(std::string_view what) {
    std::vector<std::int16_t> values;
    for (const std::string& item : list(what)) {
        long long v = 0;
        if (!ParseInteger(item, v)) Expected("a whole number in " + std::string(what), item);
        if (v < std::numeric_limits<std::int16_t>::min() ||
            v > std::numeric_limits<std::int16_t>::max())
            throw ScriptError("value " + item + " in " + std::string(what) +
                              " is outside the 16-bit range -32768 to 32767");
        values.push_back(static_cast<std::int16_t>(v));
    }
    return values;
}

void Args::end() {
    if (!done())
        throw ScriptError("too many arguments, starting at '" + Shown(tokens_[pos_]) + "'");
}

}  // namespace oruhost
