// oru-host: a scripted host for the controls of the headless core. It reads host calls and user
// actions, one per line, and prints what the controls show as JSON.
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "controls.hpp"
#include "json.hpp"
#include "session.hpp"

namespace {

constexpr std::string_view kHelp = R"(Usage: oru-host [--root DIR] [SCRIPT]

Runs a script of host calls and user actions on the controls of the library and prints, as
JSON, the log of what each line reported and the state of every control after the last line:
its properties, the values written back, its getters, and the widgets that differ from the
control as created (only what differs).
The script is read from SCRIPT, or from the standard input when SCRIPT is absent or "-".

  --root DIR   run in DIR: the relative paths of the script (chbmp, DirSld) start there
  --help       show this help

Script: one command per line; "#" starts a comment. Words are bare (pics\ is taken as written)
or double-quoted with the escapes \" \\ \n \r \t; lists of numbers are written [1 2.5 -3].

  create CLASS [NAME]     create a control and make it the current one
                          (OperFraisage, OperTournage, Avalant, SensRot, Arrosage)
  use NAME                make another control the current one
  set PROPERTY VALUE      set a public property of the current control
  SetXxx ARGS...          call an operation of the current control (below)
  GetXxx                  read a getter; the log shows its value
  click WIDGET            a click of the user (WIDGET: tbPara(3), bSens, Avalant1.Bavalant)
  type WIDGET TEXT        the user types TEXT into a box (Change runs when the text differs)
  leave WIDGET            the box loses the focus
  pick WIDGET INDEX       the user picks an item of a list (or "TEXT": the first item
                          starting with TEXT)
  print                   the full state of every control, in the log
  print changes           only what changed since the last print (or since creation)
  print ITEM...           the named widgets, getters, properties or writeBacks
  print layout            every widget on screen with its place: [left, top, width, height]
  final on|off            whether the output ends with the final state (default on)
  decimal SEP             the regional decimal separator (default ".")
  toollib MODE            the tool picture library: empty (default: every provider returns
                          nothing), absent (none installed), echo (a picture named after the
                          provider and the tool code)

Faults of the script (unknown command, widget or property, bad number, wrong argument count,
16-bit value out of range) are reported on the standard error with the line number, and the
exit status is 2; nothing is printed then.
)";

void PrintOperations(std::ostream& out) {
    out << "\nOperations and properties:\n";
    for (const oruhost::ControlType& t : oruhost::ControlTypes()) {
        out << "  " << t.className << "\n";
        for (const oruhost::PropertyDef& p : t.properties)
            out << "    set " << p.name << " (" << p.type << ")\n";
        for (const oruhost::OperationDef& op : t.operations)
            out << "    " << op.name << " " << op.usage << "\n";
        out << "   ";
        for (const oruhost::GetterDef& g : t.getters)
            out << " " << g.name;
        out << "\n";
    }
}

int Usage(std::string_view message) {
    std::cerr << "oru-host: " << message << "\nTry 'oru-host --help'.\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The output is compared byte for byte on every system: no "\r" added before each "\n".
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::string root;
    std::string script;
    bool haveScript = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            PrintOperations(std::cout);
            return 0;
        }
        if (arg == "--root") {
            if (i + 1 >= argc) return Usage("--root needs a folder");
            root = argv[++i];
        } else if (arg.size() > 1 && arg.front() == '-' && arg != "-") {
            return Usage("unknown option '" + std::string(arg) + "'");
        } else if (haveScript) {
            return Usage("only one script may be given");
        } else {
            script = arg;
            haveScript = true;
        }
    }

    try {
        std::ifstream file;
        std::istream* in = &std::cin;
        std::string name = "<stdin>";
        if (haveScript && script != "-") {
            file.open(script, std::ios::binary);
            if (!file) return Usage("cannot read the script '" + script + "'");
            in = &file;
            name = script;
        }
        if (!root.empty()) {
            std::error_code ec;
            std::filesystem::current_path(root, ec);
            if (ec) return Usage("cannot enter the folder '" + root + "': " + ec.message());
        }

        oruhost::Session session;
        session.run(*in, name);
        std::cout << oruhost::json::Write(session.output());
        std::cout.flush();
        return std::cout ? 0 : 3;
    } catch (const oruhost::ScriptError& e) {
        std::cerr << "oru-host: " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "oru-host: internal failure: " << e.what() << "\n";
        return 3;
    }
}
