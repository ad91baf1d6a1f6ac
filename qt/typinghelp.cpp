#include "typinghelp.hpp"

#include "oru/error.hpp"
#include "oru/numbers.hpp"

namespace oru::qt {

std::optional<QString> typingHint(std::string_view text) {
    bool blank = true;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') blank = false;
    if (blank || ReadsEntirelyAsNumber(text)) return std::nullopt;
    QString read;
    try {
        read = QString::fromStdString(FormatNum3(Val(text)));
    } catch (const Error&) {
        read = QStringLiteral("dépassement de capacité");
    }
    return QStringLiteral("lu : ") + read;
}

}  // namespace oru::qt
