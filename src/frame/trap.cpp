#include "frame/trap.hpp"

#include <new>

namespace oru {

std::string CurrentFailureDescription() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "Mémoire insuffisante";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Erreur inattendue";
    }
}

void ShowErrorBox(Host& host, std::string_view title, std::string_view label, Prompt form,
                  std::string_view description) {
    std::string prompt(label);
    if (form == Prompt::LabelAndDescription) {
        prompt += "\r\n";
        prompt += description;
    }
    host.showMessage(kStyleCritical, std::string(title), std::move(prompt));
}

void ShowWarningBox(Host& host, std::string_view prompt) {
    host.showMessage(kStyleExclamation, std::string(kTitleWarning), std::string(prompt));
}

void ShowPlainBox(Host& host, std::string_view prompt) {
    host.showMessage(kStylePlain, std::string(), std::string(prompt));
}

}  // namespace oru
