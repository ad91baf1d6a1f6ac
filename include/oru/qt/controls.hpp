#pragma once

// The five controls as ready widgets, to put in a form by code or from a Qt Designer .ui file:
// each owns its control, shows it, forwards the user's edits as edited(), and offers the Qt
// properties of its control (see each header).
#include "oru/oru.hpp"
#include "oru/qt/arrosagewidget.hpp"
#include "oru/qt/avalantwidget.hpp"
#include "oru/qt/controlwidget.hpp"
#include "oru/qt/operfraisagewidget.hpp"
#include "oru/qt/opertournagewidget.hpp"
#include "oru/qt/sensrotwidget.hpp"
