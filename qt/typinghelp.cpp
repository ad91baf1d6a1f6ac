#include "typinghelp.hpp"

#include "oru/error.hpp"
#include "oru/numbers.hpp"

namespace oru::qt {
namespace {

bool ignorable(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool readsEntirelyAsNumber(std::string_view text) {
    std::string t;
    for (char c : text)
        if (!ignorable(c)) t.push_back(c);
    std::size_t i = 0;
    const std::size_t n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    bool digits = false;
    while (i < n && digit(t[i])) {
        digits = true;
        ++i;
    }
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && digit(t[i])) {
            digits = true;
            ++i;
        }
    }
    if (!digits) return false;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        bool expDigits = false;
        while (i < n && digit(t[i])) {
            expDigits = true;
            ++i;
        }
        if (!expDigits) return false;
    }
    return i == n;
}

std::optional<QString> typingHint(std::string_view text) {
    bool blank = true;
    for (char c : text)
        if (!ignorable(c)) blank = false;
    if (blank || readsEntirelyAsNumber(text)) return std::nullopt;
    QString read;
    try {
        read = QString::fromStdString(FormatNum3(Val(text)));
    } catch (const Error&) {
        read = QStringLiteral("dépassement de capacité");
    }
    return QStringLiteral("lu : ") + read;
}

}  // namespace oru::qt
