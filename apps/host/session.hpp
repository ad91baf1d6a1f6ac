#pragma once

// The interpreter of the scripted host: it creates controls on one oru::Host, runs the host
// calls and user actions of a script line by line, and records what happened (getter values,
// message boxes, the picture and table files looked up, state snapshots) as JSON.
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "json.hpp"
#include "oru/host.hpp"
#include "oru/panel.hpp"
#include "script.hpp"

namespace oruhost {

struct ControlType;

class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs every line of `script`. A fault of the script throws ScriptError whose message starts
    // with `name`:line:.
    void run(std::istream& script, std::string_view name);
    // Runs one line (numbered `line` in the log).
    void runLine(std::string_view text, int line);

    // {"log": [...], "state": {...}}: the log of the lines that reported something, then the
    // final state (finalState), unless the script turned it off ("final off").
    json::Value output();
    // The state of every control now: properties, host variables written back, getters, widgets.
    json::Value state();
    // The state after the last line: every control's properties, host variables written back and
    // getters, and the widgets that differ from the control as it was created, with only what
    // differs. A widget's design-time place shows in the layout of the controls ("print" just
    // after "create", "print layout"), not in every session that leaves it where it is.
    json::Value finalState();

private:
    struct Control {
        std::string name;
        const ControlType* type = nullptr;
        std::unique_ptr<oru::Panel> panel;
        json::Value writeBacks = json::Value::object();
        json::Value created;  // the widgets as the control was created
    };

    // what one line produced
    struct Report {
        std::vector<oru::Message> messages;
        std::vector<std::string> lookups;
    };

    void execute(const std::string& command, Args& args, json::Value& entry);
    Control& current();
    oru::Widget& resolveWidget(const std::string& name);
    json::Value controlState(Control& c);
    json::Value widgetState(const oru::Widget& w);
    json::Value widgetsState(const oru::Panel& panel);
    json::Value layout(const oru::Panel& panel);
    json::Value getterValue(Control& c, std::string_view getter);
    json::Value printItems(Args& args);
    static void recordLookup(std::string_view path, void* self);

    oru::Host host_;
    std::shared_ptr<oru::ToolPictureLibrary> defaultLibrary_;
    std::vector<Control> controls_;
    std::size_t current_ = 0;
    json::Value log_ = json::Value::array();
    json::Value baseline_;  // the state at the last print, for "print changes"
    Report report_;
    bool finalState_ = true;  // "final off" leaves the final state out of the output
    std::vector<oru::Message>* capture_ = nullptr;  // boxes shown while a getter is read
};

}  // namespace oruhost
