#pragma once

// A small JSON value tree for the scripted host: objects keep their keys in insertion order, so
// the text written is the same on every run and diffs between runs stay readable.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace oruhost::json {

class Value;
using Array = std::vector<Value>;
using Member = std::pair<std::string, Value>;
using Object = std::vector<Member>;

class Value {
public:
    Value() = default;  // null
    Value(std::nullptr_t) {}
    Value(bool b) : v_(b) {}
    Value(int i) : v_(static_cast<std::int64_t>(i)) {}
    Value(std::int16_t i) : v_(static_cast<std::int64_t>(i)) {}
    Value(std::int64_t i) : v_(i) {}
    Value(double d) : v_(d) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(std::string_view s) : v_(std::string(s)) {}
    Value(const char* s) : v_(std::string(s)) {}
    Value(Array a) : v_(std::move(a)) {}
    Value(Object o) : v_(std::move(o)) {}

    static Value object() { return Value(Object{}); }
    static Value array() { return Value(Array{}); }

    bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
    bool isObject() const { return std::holds_alternative<Object>(v_); }
    bool isArray() const { return std::holds_alternative<Array>(v_); }
    bool isScalar() const { return !isObject() && !isArray(); }

    // Objects: sets `key`, replacing its value in place or appending it at the end.
    Value& set(std::string_view key, Value value);
    // Objects: the value of `key`, or nullptr.
    const Value* find(std::string_view key) const;
    // Arrays: appends.
    void push(Value value);
    // Arrays and objects: number of elements; 0 for scalars.
    std::size_t size() const;

    const Object& members() const { return std::get<Object>(v_); }
    const Array& elements() const { return std::get<Array>(v_); }

    bool operator==(const Value& other) const = default;

private:
    friend void WriteTo(std::string& out, const Value& v, int indent);
    std::variant<std::monostate, bool, std::int64_t, double, std::string, Array, Object> v_;
};

// Pretty-printed text, two blanks per level. An array or object that holds only scalars and fits
// on a short line is written on one line; everything else takes one line per element. Doubles
// are written in their shortest form that reads back to the same value; strings are escaped
// (quotes, backslashes and control characters) and bytes that are not UTF-8 become U+FFFD.
std::string Write(const Value& v);

// What changed from `before` to `after`: for two objects, the keys whose values differ (objects
// compared member by member, anything else replaced whole by its new value; a key that is gone
// maps to null); an empty object when nothing changed. Other pairs of values give `after`, and so
// does a small object of at most three scalars (a picture), which is shown whole.
Value Diff(const Value& before, const Value& after);

// A string as a JSON string literal, quotes included.
std::string Quote(std::string_view s);

// The shortest decimal text that reads back as `d`; "null" is never produced for finite values,
// and non-finite values (which JSON cannot carry) are written as the strings "inf", "-inf" and
// "nan".
std::string Number(double d);

}  // namespace oruhost::json
