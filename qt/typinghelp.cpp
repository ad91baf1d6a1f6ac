#include "typinghelp.hpp"

#include <QCoreApplication>

#include "oru/error.hpp"
#include "oru/numbers.hpp"

namespace oru::qt {
namespace {

bool ignorable(char c) { return c == ' ' || c == '\t' || c == '\n'; }

}  // namespace

std::optional<QString> typingHint(std::string_view text) {
    bool blank = true;
    for (char c : text)
        if (!ignorable(c)) blank = false;
    if (blank) return std::nullopt;
    if (ReadsEntirelyAsNumber(text)) {
        // Written as a number, but too large for one ("1e400", four hundred nines).
        try {
            (void)Val(text);
            return std::nullopt;
        } catch (const Error&) {
        }
    }
    return readHint(text);
}

QString readHint(std::string_view text) {
    QString read;
    try {
        read = QString::fromStdString(FormatNum3(Val(text)));
    } catch (const Error&) {
        read = QCoreApplication::translate("PanelView", "dépassement de capacité");
    }
    return QCoreApplication::translate("PanelView", "lu : %1").arg(read);
}

std::optional<QString> boxHint(std::string_view text, std::string_view toolTip) {
    bool blank = true;
    for (char c : text)
        if (!ignorable(c)) blank = false;
    if (blank) return QCoreApplication::translate("PanelView", "vide : lu 0");
    if (auto hint = typingHint(text)) return hint;
    // A tooltip of the form "label > bound > bound...": the value must exceed every bound.
    constexpr std::string_view kAbove = " > ";
    std::optional<double> highest;
    std::string_view highestText;
    for (std::size_t at = toolTip.find(kAbove); at != std::string_view::npos;) {
        const std::size_t from = at + kAbove.size();
        const std::size_t next = toolTip.find(kAbove, from);
        const std::string_view bound =
            toolTip.substr(from, next == toolTip.npos ? toolTip.npos : next - from);
        if (ReadsEntirelyAsNumber(bound)) {
            try {
                const double b = Val(bound);
                if (!highest || b > *highest) {
                    highest = b;
                    highestText = bound;
                }
            } catch (const Error&) {
                // A bound too large for a number bounds nothing.
            }
        }
        at = next;
    }
    if (highest) {
        try {
            if (!(Val(text) > *highest))
                return QCoreApplication::translate("PanelView", "doit être > %1")
                    .arg(QString::fromUtf8(highestText.data(), qsizetype(highestText.size()))
                             .trimmed());
        } catch (const Error&) {
        }
    }
    return std::nullopt;
}

}  // namespace oru::qt
