#include "fuzz_support.hpp"

#include <fstream>

namespace oru::fuzz {
namespace {

// Texts a user types or a host passes that reach the special cases of the panels.
constexpr std::string_view kTexts[] = {
    "",
    "0",
    "1",
    "2",
    "3",
    "4",
    "-1",
    "0.5",
    "1.25",
    "1.5",
    "12,5",
    "1e309",
    "-1e309",
    "1e-400",
    "32767",
    "32768",
    "-32769",
    "1e15",
    "999999999999999.9",
    "erreur",
    "G1",
    "G0",
    " ",
    "\t5\n",
    "nan",
    "inf",
    "\xE9",
    "0B",
    "10",
    "11",
};

}  // namespace

void PrivateFolder::write(std::string_view relative, std::string_view bytes) const {
    const std::filesystem::path p = path_ / std::filesystem::path(std::string(relative));
    std::filesystem::create_directories(p.parent_path());
    // A new file each time: on ext4, truncating a file that holds data and writing it again
    // flushes it to disk at close, which would slow every run down to the disk's pace.
    std::error_code ec;
    std::filesystem::remove(p, ec);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string SampleThreadTable() {
    const char* records[][7] = {
        {"M10x1.25", "1.25", "0.7668", "6", "0.06", "9", "11"},
        {"M10x1.5", "1.5", "0.9202", "6", "0.08", "9", "11"},
        {"M12x1.75", "1.75", "1.0742", "7", "0.09", "11", "13"},
        {"G1/2", "1.814", "1.1614", "7", "0.09", "18.81", "21.93"},
        {"Tr10x2", "2", "1.25", "8", "0.1", "9", "11"},
        {"Rd12", "2.54", "1.27", "8", "0.1", "11", "13"},
    };
    std::string t = "; table\r\nnom/pas/profondeur/nbpasses/derpasse/dmin/dmax\r\n";
    for (const auto& r : records) {
        for (const char* field : r)
            t += std::string(field) + "\r\n";
        t += "-----\r\n";
    }
    return t;
}

long OpenFileCount() {
    std::error_code ec;
    long n = 0;
    for (std::filesystem::directory_iterator it("/proc/self/fd", ec), end; !ec && it != end;
         it.increment(ec))
        ++n;
    return n;
}

void CheckPanel(const Panel& panel) {
    for (const auto& w : panel.widgets()) {
        if (w->listIndex() < -1 || w->listIndex() >= w->listCount())
            Finding("list index outside its list: " + w->fullName());
        if (w->hosted() != nullptr) CheckPanel(*w->hosted());
    }
}

double Number(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 11)) {
        case 0:
            return std::numeric_limits<double>::quiet_NaN();
        case 1:
            return std::numeric_limits<double>::infinity();
        case 2:
            return -std::numeric_limits<double>::infinity();
        case 3:
            return std::numeric_limits<double>::max();
        case 4:
            return -std::numeric_limits<double>::max();
        case 5:
            return in.ConsumeIntegralInRange(-200, 200);
        case 6:
            return in.ConsumeIntegralInRange(-200000, 200000) / 1000.0;
        case 7:
            return in.ConsumeFloatingPoint<double>();
        case 8:
            return 0.0;
        case 9:
            return static_cast<double>(in.ConsumeIntegralInRange<std::int64_t>(
                       -(std::int64_t{1} << 53), std::int64_t{1} << 53)) /
                   8.0;
        case 10:
            return std::numeric_limits<double>::denorm_min();
        default:
            return in.ConsumeIntegralInRange(0, 60) / 4.0;
    }
}

std::int16_t Int16(FuzzedDataProvider& in, std::initializer_list<std::int16_t> usual) {
    const int choice = in.ConsumeIntegralInRange(0, 3);
    if (choice == 0 || usual.size() == 0) return in.ConsumeIntegral<std::int16_t>();
    if (choice == 1) return in.ConsumeIntegralInRange<std::int16_t>(-3, 5);
    const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, usual.size() - 1);
    return *(usual.begin() + at);
}

std::string Text(FuzzedDataProvider& in, std::initializer_list<std::string_view> usual) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return in.ConsumeRandomLengthString(40);
        case 1: {
            const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, std::size(kTexts) - 1);
            return std::string(kTexts[at]);
        }
        default:
            if (usual.size() == 0) return in.ConsumeRandomLengthString(40);
            const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, usual.size() - 1);
            return std::string(*(usual.begin() + at));
    }
}

std::vector<double> Numbers(FuzzedDataProvider& in, std::size_t maxCount) {
    // Mostly complete tables, sometimes short or empty ones.
    std::size_t count = maxCount;
    if (in.ConsumeIntegralInRange(0, 3) == 0)
        count = in.ConsumeIntegralInRange<std::size_t>(0, maxCount + 2);
    std::vector<double> v(count);
    for (double& x : v)
        x = in.ConsumeBool() ? Number(in) : in.ConsumeIntegralInRange(0, 100) / 2.0;
    return v;
}

void UserAction(FuzzedDataProvider& in, Panel& panel) {
    const auto& widgets = panel.widgets();
    Widget& w = *widgets[in.ConsumeIntegralInRange<std::size_t>(0, widgets.size() - 1)];
    // User actions never throw: the panel shows its error box instead.
    Trapped("user action", [&] {
        switch (in.ConsumeIntegralInRange(0, 4)) {
            case 0:
            case 1:
                w.click();
                break;
            case 2:
                w.setText(Text(in, {}));
                break;
            case 3:
                w.lostFocus();
                break;
            default:
                w.setListIndex(in.ConsumeIntegralInRange(-2, w.listCount() + 1));
                break;
        }
    });
}

}  // namespace oru::fuzz
