#pragma once

// Umbrella header of the headless core.
#include "oru/arrosage.hpp"
#include "oru/avalant.hpp"
#include "oru/codes.hpp"
#include "oru/error.hpp"
#include "oru/getters.hpp"
#include "oru/host.hpp"
#include "oru/lookups.hpp"
#include "oru/numbers.hpp"
#include "oru/operfraisage.hpp"
#include "oru/opertournage.hpp"
#include "oru/panel.hpp"
#include "oru/picture.hpp"
#include "oru/resources.hpp"
#include "oru/sensrot.hpp"
#include "oru/widget.hpp"
