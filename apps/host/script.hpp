#pragma once

// The script language of the scripted host: one command per line, words separated by blanks.
// A word is either bare (taken as written, backslashes included: pics\) or a double-quoted string
// with the escapes \" \\ \n \r \t. "[" and "]" enclose a list of numbers, separated by blanks or
// commas. A "#" that starts a word begins a comment running to the end of the line.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace oruhost {

// A fault of the script itself (not of the panel it drives), reported with its line number.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Token {
    enum class Kind { Word, String, Open, Close };
    Kind kind;
    std::string text;
};

// The line without its comment (from a "#" that starts a word, outside strings).
std::string_view WithoutComment(std::string_view line);

// One command line, cut into tokens. Throws ScriptError for an unterminated string or an unknown
// escape.
std::vector<Token> Tokenize(std::string_view line);

// Reads the arguments of one command in order, each checked for its type; every reader throws
// ScriptError naming what was expected.
class Args {
public:
    explicit Args(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    bool done() const { return pos_ >= tokens_.size(); }
    std::size_t remaining() const { return tokens_.size() - pos_; }
    // The next token is a bare word or a string: its text.
    std::string text(std::string_view what);
    // A whole number in 16 bits.
    std::int16_t int16(std::string_view what);
    // A whole number in int range.
    int integer(std::string_view what);
    // A finite decimal number ("." as decimal point, optional exponent).
    double number(std::string_view what);
    // true or false.
    bool boolean(std::string_view what);
    // [n n ...] of finite numbers, or of 16-bit whole numbers.
    std::vector<double> numbers(std::string_view what);
    std::vector<std::int16_t> int16s(std::string_view what);
    // The next token is a quoted string (not a bare word).
    bool nextIsString() const;
    // The text of the next token when it is a bare word, else "".
    std::string_view peekWord() const;
    // No argument left, else "too many arguments".
    void end();

private:
    const Token& next(std::string_view what);
    std::vector<std::string> list(std::string_view what);

    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
};

// Strict number readers shared by the argument readers: the whole text must be the number.
bool ParseDouble(std::string_view text, double& out);
bool ParseInteger(std::string_view text, long long& out);

}  // namespace oruhost
