#include "frame/trap.hpp"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "oru/error.hpp"

namespace oru {

std::string CurrentFailureDescription() {
    try {
        throw;
    } catch (const Error& e) {
        return e.what();
    } catch (const std::bad_alloc&) {
        return "Mémoire insuffisante";
    } catch (const std::exception& e) {
#ifdef ORU_FUZZING
        // Every failure of the library is an oru::Error; anything else reaching a trap (a
        // standard library exception) is a fault the fuzz targets must report.
        std::fprintf(stderr, "foreign failure reached a trap: %s\n", e.what());
        std::abort();
#endif
        return e.what();
    } catch (...) {
#ifdef ORU_FUZZING
        std::fprintf(stderr, "foreign failure reached a trap\n");
        std::abort();
#endif
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
