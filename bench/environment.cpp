#include "environment.hpp"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <thread>

#include "oru/lookups.hpp"
#include "oru/oru.hpp"
#include "scenarios.hpp"

namespace oru::bench {
namespace fs = std::filesystem;
namespace {

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The shipped table cut into its header (comments and the skipped line) and its records of eight
// lines each.
struct Table {
    std::string header;
    std::vector<std::string> records;
};

Table splitTable(const std::string& text) {
    Table t;
    std::istringstream in(text);
    std::string line;
    bool inHeader = true;
    std::string record;
    int lines = 0;
    while (std::getline(in, line)) {
        if (inHeader) {
            t.header += line + "\n";
            if (line.empty() || line[0] != ';') inHeader = false;
            continue;
        }
        record += line + "\n";
        if (++lines == 8) {
            t.records.push_back(record);
            record.clear();
            lines = 0;
        }
    }
    return t;
}

void recordPath(std::string_view formed, void* context) {
    static_cast<std::set<std::string>*>(context)->emplace(formed);
}

}  // namespace

Environment& Environment::get() {
    static Environment env;
    return env;
}

Environment::Environment() : pictures_(dir_.folder() + "pictures/") {
    fs::create_directories(pictures_);
    // The shipped tables, then larger ones made of the shipped external records over and over.
    for (const char* letter : {"E", "I"}) {
        const std::string name = std::string("Filet_") + letter + ".dat";
        const std::string shipped = readFile(fs::path(ORU_DATA_DIR) / "threads" / name);
        dir_.writeText("tables233/user/" + name, shipped);
        const Table t = splitTable(shipped);
        for (int n : {2000, 10000}) {
            std::string big = t.header;
            for (int i = 0; i < n; ++i)
                big += t.records[static_cast<std::size_t>(i) % t.records.size()];
            dir_.writeText("tables" + std::to_string(n) + "/user/" + name, big);
        }
    }
    fillPictureFolder();
    // The file layer keeps what it reads only from files whose last change is older than its
    // settle time (2 s): the benchmarks measure a machine whose files were written earlier.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
}

std::string Environment::threadTables(int records) {
    return dir_.folder() + "tables" + std::to_string(records) + "/";
}

// Runs every scenario with the lookup recorder installed, and creates a picture for each path
// the panels tested or failed to open, until nothing new is asked for.
void Environment::fillPictureFolder() {
    std::set<std::string> created;
    for (int round = 0; round < 4; ++round) {
        std::set<std::string> asked;
        files::SetLookupRecorder(&recordPath, &asked);
        Host host;
        RunEveryScenario(host, pictures_, threadTables(233));
        files::SetLookupRecorder(nullptr);
        constexpr std::string_view kMissing = "Fichier introuvable : ";
        for (const Message& m : host.messages()) {
            const auto at = m.prompt.find(kMissing);
            if (at != std::string::npos) asked.insert(m.prompt.substr(at + kMissing.size()));
        }
        bool added = false;
        for (std::string path : asked) {
            if (path.rfind(pictures_, 0) != 0 || created.count(path)) continue;
            created.insert(path);
            std::string relative = "pictures/" + path.substr(pictures_.size());
            for (char& c : relative)
                if (c == '\\') c = '/';
            const std::string ext = relative.substr(relative.size() - 4);
            if (ext == ".jpg" || ext == ".JPG")
                dir_.writeJpeg(relative, 8, 8);
            else
                dir_.writeBmp(relative, 8, 8);
            added = true;
        }
        if (!added) {
            if (!host.messages().empty())
                throw std::runtime_error("a scenario shows a message box: " +
                                         host.messages().front().prompt);
            return;
        }
    }
}

std::vector<double> Environment::turningValues() {
    // safety X, Z, stock diameter, stock length, boxes 0 to 7, finished diameter, pitch, two
    // values of the centring and tapping rules, thread length
    return {1, 2, 50, 40, 2, 2, 1.5, 0.2, 0.3, 0.2, 1, 60, 10, 0, 1, 30};
}

std::vector<std::int16_t> Environment::turningChoices(std::int16_t op, std::int16_t option) {
    return {op, 11, 1, 0, 0, 0, 0, option};
}

std::vector<double> Environment::millingValues() {
    return {50, 2, 3, 0.5, 0.2, 0.3, 8, 1, 10, 12, 10};
}

}  // namespace oru::bench
