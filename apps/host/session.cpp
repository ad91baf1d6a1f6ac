#include "session.hpp"

#include <algorithm>
#include <array>
#include <exception>

#include "controls.hpp"
#include "oru/error.hpp"
#include "oru/lookups.hpp"
#include "oru/widget.hpp"

namespace oruhost {
namespace {

using json::Value;

std::string_view KindName(oru::WidgetKind kind) {
    switch (kind) {
        case oru::WidgetKind::CommandButton:
            return "CommandButton";
        case oru::WidgetKind::Label:
            return "Label";
        case oru::WidgetKind::TextBox:
            return "TextBox";
        case oru::WidgetKind::ComboBox:
            return "ComboBox";
        case oru::WidgetKind::ListBox:
            return "ListBox";
        case oru::WidgetKind::Image:
            return "Image";
        case oru::WidgetKind::PictureBox:
            return "PictureBox";
        case oru::WidgetKind::Line:
            return "Line";
        case oru::WidgetKind::Control:
            return "Control";
    }
    return "?";
}

Value PictureValue(const oru::Picture& p) {
    Value v = Value::object();
    switch (p.kind()) {
        case oru::Picture::Kind::None:
            v.set("kind", "None");
            return v;
        case oru::Picture::Kind::Icon:
            v.set("kind", "Icon");
            break;
        case oru::Picture::Kind::Bitmap:
            v.set("kind", p.pixels() ? "Drawn" : "Bitmap");
            break;
        case oru::Picture::Kind::File:
            v.set("kind", "File");
            break;
    }
    v.set("name", p.name());
    return v;
}

Value MessageValue(const oru::Message& m) {
    return Value(json::Object{
        {"style", Value(m.style)}, {"title", Value(m.title)}, {"prompt", Value(m.prompt)}});
}

Value MessagesValue(const std::vector<oru::Message>& messages) {
    Value a = Value::array();
    for (const oru::Message& m : messages)
        a.push(MessageValue(m));
    return a;
}

// A tool picture library for sessions that check which provider a tool code goes to: every
// provider answers with a one-pixel picture named after itself and the code it was given.
class EchoLibrary final : public oru::ToolPictureLibrary {
public:
    std::unique_ptr<oru::ToolPictureProvider> create(oru::ToolFamilyProvider which) override {
        std::string_view name = "General";
        if (which == oru::ToolFamilyProvider::Family50) name = "Family50";
        if (which == oru::ToolFamilyProvider::Family55) name = "Family55";
        return std::make_unique<Provider>(name);
    }

private:
    class Provider final : public oru::ToolPictureProvider {
    public:
        explicit Provider(std::string_view name) : name_(name) {}
        std::optional<oru::Picture> picture(std::string& toolCode) override {
            auto pixels = std::make_shared<oru::PixelImage>();
            pixels->width = 1;
            pixels->height = 1;
            pixels->argb = {0xFF000000u};
            return oru::Picture::drawn(name_ + ":" + toolCode, std::move(pixels));
        }

    private:
        std::string name_;
    };
};

std::string Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(first, last - first + 1));
}

}  // namespace

Session::Session() {
    host_.setDecimalSeparator(".");  // the same output whatever the locale of the machine
    defaultLibrary_ = host_.toolPictureLibrary();
    host_.setMessageHandler([this](const oru::Message& m) {
        if (capture_ != nullptr)
            capture_->push_back(m);
        else
            report_.messages.push_back(m);
    });
    oru::files::SetLookupRecorder(&Session::recordLookup, this);
    baseline_ = Value(json::Object{{"controls", Value::object()}});
}

Session::~Session() { oru::files::SetLookupRecorder(nullptr); }

void Session::recordLookup(std::string_view path, void* self) {
    static_cast<Session*>(self)->report_.lookups.emplace_back(path);
}

void Session::run(std::istream& script, std::string_view name) {
    std::string text;
    int line = 0;
    while (std::getline(script, text)) {
        ++line;
        try {
            runLine(text, line);
        } catch (const ScriptError& e) {
            throw ScriptError(std::string(name) + ":" + std::to_string(line) + ": " + e.what());
        }
    }
}

void Session::runLine(std::string_view text, int line) {
    std::vector<Token> tokens = Tokenize(text);
    if (tokens.empty()) return;
    if (tokens.front().kind != Token::Kind::Word)
        throw ScriptError("a line must start with a command");
    const std::string command = tokens.front().text;
    tokens.erase(tokens.begin());
    Args args(std::move(tokens));

    Value entry = Value::object();
    entry.set("line", line);
    entry.set("command", Trimmed(WithoutComment(text)));
    report_ = Report{};
    execute(command, args, entry);

    if (!report_.lookups.empty()) {
        Value lookups = Value::array();
        for (const std::string& path : report_.lookups)
            lookups.push(Value(path));
        entry.set("lookups", std::move(lookups));
    }
    if (!report_.messages.empty()) entry.set("messages", MessagesValue(report_.messages));
    if (entry.size() > 2) log_.push(std::move(entry));
}

Session::Control& Session::current() {
    if (controls_.empty()) throw ScriptError("no control: create one first");
    return controls_[current_];
}

oru::Widget& Session::resolveWidget(const std::string& name) {
    oru::Panel* panel = current().panel.get();
    std::string_view rest = name;
    while (true) {
        const auto dot = rest.find('.');
        const std::string_view part = rest.substr(0, dot);
        std::string_view base = part;
        int index = -1;
        if (const auto open = part.find('('); open != std::string_view::npos) {
            long long i = 0;
            if (part.back() != ')' ||
                !ParseInteger(part.substr(open + 1, part.size() - open - 2), i) || i < 0 ||
                i > 32767)
                throw ScriptError("unknown widget '" + name + "'");
            base = part.substr(0, open);
            index = static_cast<int>(i);
        }
        oru::Widget* w = nullptr;
        try {
            w = &panel->widget(base, index);
        } catch (const oru::Error&) {
            throw ScriptError("unknown widget '" + name + "'");
        }
        if (dot == std::string_view::npos) return *w;
        if (w->hosted() == nullptr) throw ScriptError("unknown widget '" + name + "'");
        panel = w->hosted();
        rest = rest.substr(dot + 1);
    }
}

void Session::execute(const std::string& command, Args& args, Value& entry) {
    if (command == "create") {
        const std::string className = args.text("a control class");
        const ControlType* type = FindControlType(className);
        if (type == nullptr)
            throw ScriptError("unknown control class '" + className +
                              "' (OperFraisage, OperTournage, Avalant, SensRot, Arrosage)");
        std::string name = args.done() ? className : args.text("a control name");
        args.end();
        for (const Control& c : controls_)
            if (c.name == name) throw ScriptError("a control named '" + name + "' exists");
        controls_.push_back(Control{name, type, type->make(host_), Value::object(), Value()});
        current_ = controls_.size() - 1;
        controls_.back().created = widgetsState(*controls_.back().panel);
        // "print changes" shows what happened to the control since it was created.
        Value known = *baseline_.find("controls");
        known.set(name, controlState(controls_.back()));
        baseline_.set("controls", std::move(known));
        return;
    }
    if (command == "use") {
        const std::string name = args.text("a control name");
        args.end();
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            if (controls_[i].name == name) {
                current_ = i;
                return;
            }
        }
        throw ScriptError("no control named '" + name + "'");
    }
    if (command == "set") {
        Control& c = current();
        const std::string property = args.text("a property name");
        for (const PropertyDef& p : c.type->properties) {
            if (p.name != property) continue;
            p.set(*c.panel, args);
            return;
        }
        throw ScriptError(std::string(c.type->className) + " has no property '" + property + "'");
    }
    if (command == "click" || command == "leave") {
        oru::Widget& w = resolveWidget(args.text("a widget"));
        args.end();
        if (command == "click")
            w.click();
        else
            w.lostFocus();
        return;
    }
    if (command == "type") {
        oru::Widget& w = resolveWidget(args.text("a widget"));
        std::string text = args.text("the text typed");
        args.end();
        w.setText(std::move(text));
        return;
    }
    if (command == "pick") {
        oru::Widget& w = resolveWidget(args.text("a widget"));
        int index = 0;
        if (args.nextIsString()) {
            const std::string prefix = args.text("an item");
            index = -1;
            for (int i = 0; i < w.listCount(); ++i) {
                if (w.list(i).compare(0, prefix.size(), prefix) == 0) {
                    index = i;
                    break;
                }
            }
            if (index < 0)
                throw ScriptError("no item of " + w.fullName() + " starts with '" + prefix + "'");
        } else {
            index = args.integer("an item index or a quoted item");
        }
        args.end();
        w.setListIndex(index);
        return;
    }
    if (command == "print") {
        if (args.remaining() == 1 && args.peekWord() == "layout") {
            args.text("layout");
            entry.set("layout", layout(*current().panel));
            return;
        }
        if (args.done()) {
            Value now = state();
            entry.set("state", now);
            baseline_ = std::move(now);
        } else if (args.remaining() == 1 && args.peekWord() == "changes") {
            args.text("changes");
            Value now = state();
            entry.set("changes", json::Diff(baseline_, now));
            baseline_ = std::move(now);
        } else {
            entry.set("items", printItems(args));
        }
        return;
    }
    if (command == "final") {
        const std::string mode = args.text("on or off");
        args.end();
        if (mode != "on" && mode != "off")
            throw ScriptError("expected on or off, found '" + mode + "'");
        finalState_ = mode == "on";
        return;
    }
    if (command == "decimal") {
        std::string separator = args.text("a decimal separator");
        args.end();
        host_.setDecimalSeparator(std::move(separator));
        return;
    }
    if (command == "toollib") {
        const std::string mode = args.text("empty, absent or echo");
        args.end();
        if (mode == "empty")
            host_.setToolPictureLibrary(defaultLibrary_);
        else if (mode == "absent")
            host_.setToolPictureLibrary(nullptr);
        else if (mode == "echo")
            host_.setToolPictureLibrary(std::make_shared<EchoLibrary>());
        else
            throw ScriptError("expected empty, absent or echo, found '" + mode + "'");
        return;
    }

    // An operation or a getter of the current control.
    if (controls_.empty()) throw ScriptError("unknown command '" + command + "'");
    Control& c = current();
    for (const OperationDef& op : c.type->operations) {
        if (op.name != command) continue;
        const std::function<void()> call = op.prepare(*c.panel, c.writeBacks, args);
        try {
            call();
        } catch (const oru::Error& e) {
            entry.set("error", e.what());
        }
        return;
    }
    for (const GetterDef& g : c.type->getters) {
        if (g.name != command) continue;
        args.end();
        try {
            entry.set("value", g.get(*c.panel));
        } catch (const oru::Error& e) {
            entry.set("error", e.what());
        }
        return;
    }
    throw ScriptError("unknown command '" + command + "'");
}

Value Session::printItems(Args& args) {
    Control& c = current();
    Value items = Value::object();
    while (!args.done()) {
        const std::string item = args.text("a widget, getter or property name");
        if (item == "writeBacks") {
            items.set(item, c.writeBacks);
            continue;
        }
        const auto isGetter = [&](const GetterDef& g) { return g.name == item; };
        if (std::any_of(c.type->getters.begin(), c.type->getters.end(), isGetter)) {
            items.set(item, getterValue(c, item));
            continue;
        }
        const auto isProperty = [&](const PropertyDef& p) { return p.name == item; };
        if (auto p = std::find_if(c.type->properties.begin(), c.type->properties.end(), isProperty);
            p != c.type->properties.end()) {
            items.set(item, p->get(*c.panel));
            continue;
        }
        items.set(item, widgetState(resolveWidget(item)));
    }
    return items;
}

Value Session::getterValue(Control& c, std::string_view getter) {
    for (const GetterDef& g : c.type->getters) {
        if (g.name != getter) continue;
        // Reading a value may show an error box; it belongs to the reading, not to the log.
        std::vector<oru::Message> shown;
        capture_ = &shown;
        Value result;
        try {
            result = g.get(*c.panel);
        } catch (const oru::Error& e) {
            result = Value(json::Object{{"error", Value(e.what())}});
        }
        capture_ = nullptr;
        if (shown.empty()) return result;
        return Value(json::Object{{"value", result}, {"messages", MessagesValue(shown)}});
    }
    return Value();
}

Value Session::widgetState(const oru::Widget& w) {
    Value v = Value::object();
    v.set("kind", KindName(w.kind()));
    if (w.container() != nullptr) v.set("container", w.container()->fullName());
    v.set("visible", w.visible());
    v.set("enabled", w.enabled());
    v.set("geometry",
          Value(json::Array{Value(w.left()), Value(w.top()), Value(w.width()), Value(w.height())}));
    v.set("caption", w.caption());
    v.set("text", w.text());
    v.set("toolTip", w.toolTip());
    v.set("alignment", w.alignment());
    v.set("picture", PictureValue(w.picture()));
    if (w.kind() == oru::WidgetKind::ComboBox || w.kind() == oru::WidgetKind::ListBox) {
        Value list = Value::array();
        for (int i = 0; i < w.listCount(); ++i)
            list.push(Value(w.list(i)));
        v.set("list", std::move(list));
        v.set("listIndex", w.listIndex());
    }
    return v;
}

Value Session::controlState(Control& c) {
    Value v = Value::object();
    v.set("class", c.type->className);
    if (!c.type->properties.empty()) {
        Value props = Value::object();
        for (const PropertyDef& p : c.type->properties)
            props.set(p.name, p.get(*c.panel));
        v.set("properties", std::move(props));
    }
    if (c.writeBacks.size() > 0) v.set("writeBacks", c.writeBacks);
    Value getters = Value::object();
    for (const GetterDef& g : c.type->getters)
        getters.set(g.name, getterValue(c, g.name));
    v.set("getters", std::move(getters));

    v.set("widgets", widgetsState(*c.panel));
    return v;
}

// Widgets in inventory order; those of a hosted control follow its container, named
// container.widget.
Value Session::widgetsState(const oru::Panel& panel) {
    Value widgets = Value::object();
    const auto add = [&](const auto& self, const oru::Panel& p, const std::string& prefix) -> void {
        for (const auto& w : p.widgets()) {
            widgets.set(prefix + w->fullName(), widgetState(*w));
            if (w->hosted() != nullptr) self(self, *w->hosted(), prefix + w->fullName() + ".");
        }
    };
    add(add, panel, "");
    return widgets;
}

// What is on screen: every widget shown, with the frames (and the hosted control) it lies in
// shown too, and its place in twips (relative to its frame, as the panel sets it).
Value Session::layout(const oru::Panel& panel) {
    Value shown = Value::object();
    const auto onScreen = [](const oru::Widget& w) {
        for (const oru::Widget* x = &w; x != nullptr; x = x->container())
            if (!x->visible()) return false;
        return true;
    };
    const auto add = [&](const auto& self, const oru::Panel& p, const std::string& prefix) -> void {
        for (const auto& w : p.widgets()) {
            if (!onScreen(*w)) continue;
            shown.set(prefix + w->fullName(),
                      Value(json::Array{Value(w->left()), Value(w->top()), Value(w->width()),
                                        Value(w->height())}));
            if (w->hosted() != nullptr) self(self, *w->hosted(), prefix + w->fullName() + ".");
        }
    };
    add(add, panel, "");
    return shown;
}

Value Session::state() {
    Value controls = Value::object();
    for (Control& c : controls_)
        controls.set(c.name, controlState(c));
    return Value(json::Object{{"controls", std::move(controls)}});
}

Value Session::finalState() {
    Value controls = Value::object();
    for (Control& c : controls_) {
        Value v = controlState(c);
        const Value* widgets = v.find("widgets");
        Value changed = json::Diff(c.created, *widgets);
        Value out = Value::object();
        for (const json::Member& m : v.members())
            if (m.first != "widgets") out.set(m.first, m.second);
        out.set("changedWidgets", std::move(changed));
        controls.set(c.name, std::move(out));
    }
    return Value(json::Object{{"controls", std::move(controls)}});
}

Value Session::output() {
    if (!finalState_) return Value(json::Object{{"log", log_}});
    return Value(json::Object{{"log", log_}, {"state", finalState()}});
}

}  // namespace oruhost
