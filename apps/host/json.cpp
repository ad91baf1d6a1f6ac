#include "json.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace oruhost::json {

Value& Value::set(std::string_view key, Value value) {
    Object& members = std::get<Object>(v_);
    for (Member& m : members) {
        if (m.first == key) {
            m.second = std::move(value);
            return m.second;
        }
    }
    members.emplace_back(std::string(key), std::move(value));
    return members.back().second;
}

const Value* Value::find(std::string_view key) const {
    if (!isObject()) return nullptr;
    for (const Member& m : members())
        if (m.first == key) return &m.second;
    return nullptr;
}

void Value::push(Value value) { std::get<Array>(v_).push_back(std::move(value)); }

std::size_t Value::size() const {
    if (isObject()) return members().size();
    if (isArray()) return elements().size();
    return 0;
}

namespace {

// Length of the UTF-8 sequence starting at s[i], or 0 when the bytes there are not one.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    std::size_t n = 0;
    std::uint32_t cp = 0;
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) {
        n = 2;
        cp = c & 0x1Fu;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
        cp = c & 0x0Fu;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4;
        cp = c & 0x07u;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3Fu);
    }
    // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
    static constexpr std::uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool Inline(const Value& v, int indent, std::size_t keyLength, std::string& text);

void NewLine(std::string& out, int indent) {
    out += '\n';
    out.append(static_cast<std::size_t>(indent), ' ');
}

}  // namespace

std::string Quote(std::string_view s) {
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = Utf8Length(s, i);
        if (n == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        if (n > 1) {
            out.append(s.substr(i, n));
            i += n;
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string Number(double d) {
    if (std::isnan(d)) return "\"nan\"";
    if (std::isinf(d)) return d < 0 ? "\"-inf\"" : "\"inf\"";
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, d);
    return std::string(buf, result.ptr);
}

void WriteTo(std::string& out, const Value& v, int indent) {
    struct Visitor {
        std::string& out;
        int indent;
        void operator()(std::monostate) const { out += "null"; }
        void operator()(bool b) const { out += b ? "true" : "false"; }
        void operator()(std::int64_t i) const { out += std::to_string(i); }
        void operator()(double d) const { out += Number(d); }
        void operator()(const std::string& s) const { out += Quote(s); }
        void operator()(const Array& a) const {
            out += '[';
            for (std::size_t i = 0; i < a.size(); ++i) {
                if (i > 0) out += ',';
                NewLine(out, indent + 2);
                std::string text;
                if (Inline(a[i], indent + 2, 0, text))
                    out += text;
                else
                    WriteTo(out, a[i], indent + 2);
            }
            if (!a.empty()) NewLine(out, indent);
            out += ']';
        }
        void operator()(const Object& o) const {
            out += '{';
            for (std::size_t i = 0; i < o.size(); ++i) {
                if (i > 0) out += ',';
                NewLine(out, indent + 2);
                const std::string key = Quote(o[i].first);
                out += key;
                out += ": ";
                std::string text;
                if (Inline(o[i].second, indent + 2, key.size() + 2, text))
                    out += text;
                else
                    WriteTo(out, o[i].second, indent + 2);
            }
            if (!o.empty()) NewLine(out, indent);
            out += '}';
        }
    };
    std::visit(Visitor{out, indent}, v.v_);
}

namespace {

// Scalars always go on one line; containers of scalars do when the whole line stays short.
bool Inline(const Value& v, int indent, std::size_t keyLength, std::string& text) {
    constexpr std::size_t kMaxLine = 100;
    if (v.isScalar() || v.size() == 0) {
        text.clear();
        WriteTo(text, v, 0);
        return true;
    }
    std::string body;
    if (v.isArray()) {
        for (const Value& e : v.elements()) {
            if (!e.isScalar()) return false;
            if (!body.empty()) body += ", ";
            WriteTo(body, e, 0);
        }
        text = "[" + body + "]";
    } else {
        for (const Member& m : v.members()) {
            if (!m.second.isScalar()) return false;
            if (!body.empty()) body += ", ";
            body += Quote(m.first) + ": ";
            WriteTo(body, m.second, 0);
        }
        text = "{" + body + "}";
    }
    return static_cast<std::size_t>(indent) + keyLength + text.size() + 1 <= kMaxLine;
}

}  // namespace

std::string Write(const Value& v) {
    std::string out;
    std::string text;
    if (Inline(v, 0, 0, text) && v.isScalar())
        out = text;
    else
        WriteTo(out, v, 0);
    out += '\n';
    return out;
}

namespace {

// A small object of scalars (a picture, a message) reads better whole than cut into members.
bool Atomic(const Value& v) {
    if (!v.isObject() || v.size() > 3) return false;
    for (const Member& m : v.members())
        if (!m.second.isScalar()) return false;
    return true;
}

}  // namespace

Value Diff(const Value& before, const Value& after) {
    if (!before.isObject() || !after.isObject() || Atomic(before) || Atomic(after)) return after;
    Value changes = Value::object();
    for (const Member& m : after.members()) {
        const Value* old = before.find(m.first);
        if (old == nullptr) {
            changes.set(m.first, m.second);
        } else if (!(*old == m.second)) {
            changes.set(m.first, Diff(*old, m.second));
        }
    }
    for (const Member& m : before.members())
        if (after.find(m.first) == nullptr) changes.set(m.first, nullptr);
    return changes;
}

}  // namespace oruhost::json
