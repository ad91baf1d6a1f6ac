#pragma once

// What the scripted host knows of each of the five controls: how to create it, its public
// properties, its operations with their argument types, and its getters (the library's getter
// tables, <oru/getters.hpp>).
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "json.hpp"
#include "oru/host.hpp"
#include "oru/panel.hpp"
#include "script.hpp"

namespace oruhost {

struct PropertyDef {
    std::string_view name;
    std::string_view type;  // for messages: "a string", "a 16-bit whole number", "true or false"
    json::Value (*get)(oru::Panel&);
    // Reads the value from the arguments (all of them) and stores it.
    void (*set)(oru::Panel&, Args&);
};

struct OperationDef {
    std::string_view name;
    std::string_view usage;  // the arguments, for --help
    // Reads every argument, then returns the call to run; nothing is changed before all the
    // arguments have been read. The call records the values written back into the host's
    // variables in `writeBacks` under the operation's name.
    std::function<void()> (*prepare)(oru::Panel&, json::Value& writeBacks, Args&);
};

struct GetterDef {
    std::string_view name;
    std::function<json::Value(const oru::Panel&)> get;  // lets oru::Error through
};

struct ControlType {
    std::string_view className;
    std::unique_ptr<oru::Panel> (*make)(oru::Host&);
    std::span<const PropertyDef> properties;
    std::span<const OperationDef> operations;
    std::span<const GetterDef> getters;
};

std::span<const ControlType> ControlTypes();
const ControlType* FindControlType(std::string_view className);

}  // namespace oruhost
