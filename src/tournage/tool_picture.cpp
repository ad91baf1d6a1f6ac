// The tool pictures: the host's tool picture library draws the tool of the set-up, on the
// external or the internal tool picture by tool family.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "frame/numbers_internal.hpp"
#include "frame/pictures.hpp"
#include "frame/trap.hpp"
#include "oru/host.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

// Tool families drawn as external tools; every other family is internal.
constexpr std::int16_t kExternalFamilies[] = {10, 11, 12, 13, 20, 21, 22, 23,
                                              30, 32, 40, 41, 42, 43, 50, 52};

struct ProviderRow {
    std::int16_t family;
    ToolFamilyProvider provider;
};
// clang-format off
constexpr ProviderRow kProviders[] = {
    {50, ToolFamilyProvider::Family50},
    {55, ToolFamilyProvider::Family55},
};
// clang-format on

ToolFamilyProvider ProviderFor(std::int16_t family) {
    for (const ProviderRow& r : kProviders)
        if (r.family == family) return r.provider;
    return ToolFamilyProvider::General;
}

}  // namespace

void OperTournage::InitImageOutil(std::string outil) {
    Trap(host(), kTitleCtrl, Prompt::LabelAndDescription, kLabelToolPicture, [&] {
        Ui& u = *ui_;
        if (str::Len(outil) < 7) {
            u.picOutilTE.setVisible(false);
            u.picOutilTI.setVisible(false);
            return;
        }
        const std::int16_t family = num::CIntText(str::Left(outil, 2));

        const std::shared_ptr<ToolPictureLibrary> library = host().toolPictureLibrary();
        if (!library) fail::raise("La bibliothèque des images d'outils n'est pas disponible");
        const std::unique_ptr<ToolPictureProvider> provider = library->create(ProviderFor(family));
        if (!provider) fail::raise("La bibliothèque des images d'outils n'a pas créé l'objet");
        std::string code = outil;
        const std::optional<Picture> picture = provider->picture(code);

        const bool external = std::find(std::begin(kExternalFamilies), std::end(kExternalFamilies),
                                        family) != std::end(kExternalFamilies);
        Widget& shown = external ? u.picOutilTE : u.picOutilTI;
        Widget& other = external ? u.picOutilTI : u.picOutilTE;
        other.setPicture(pict::LoadPicture());
        u.picOutilTE.setVisible(external);
        u.picOutilTI.setVisible(!external);
        shown.setPicture(picture ? *picture : pict::LoadPicture());  // nothing: shown empty
    });
}

}  // namespace oru
