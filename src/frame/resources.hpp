#pragma once

#include <string_view>

#include "oru/picture.hpp"
#include "oru/resources.hpp"

// Loading a resource of the catalogue (<oru/resources.hpp>) onto a widget.
namespace oru::res {

// The resource as a picture; a name that is not among the resources of that type is a failure.
Picture LoadResPicture(std::string_view name, Type type);

}  // namespace oru::res
