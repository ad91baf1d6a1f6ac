// Set-ups of the operation panels with a Qt view attached (offscreen): what a host's dialog
// costs per set-up, drawing of every changed widget included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "oru/oru.hpp"
#include "oru/qt/panelview.hpp"

namespace {

std::string picturesFolder() {
    QString p = QStringLiteral(ORU_PICTURES_DIR);
    if (!p.endsWith(QLatin1Char('/'))) p += QLatin1Char('/');
    return p.toStdString();
}

// The shipped thread tables under "user", where the turning panel looks for them.
struct HostFolder {
    QTemporaryDir dir;
    HostFolder() {
        QDir().mkpath(dir.filePath(QStringLiteral("user")));
        for (const char* name : {"Filet_E.dat", "Filet_I.dat"})
            QFile::copy(QStringLiteral(ORU_DATA_DIR "/threads/") + QLatin1String(name),
                        dir.filePath(QStringLiteral("user/")) + QLatin1String(name));
    }
    std::string folder() const { return dir.path().toStdString() + "/"; }
};

void turningSetUp(benchmark::State& state, std::int16_t op, const char* profil) {
    oru::Host host;
    oru::OperTournage panel(host);
    oru::qt::PanelView view(panel);
    view.show();
    HostFolder threads;
    panel.chbmp = picturesFolder();
    panel.DirSld = threads.folder();
    std::vector<double> td = {2, 2, 50, 2, 1, 1, 2, 0.5, 0.4, 0.2, 1, 30, 20, 2.5, 12, 25};
    for (auto _ : state) {
        std::vector<std::int16_t> ti = {op, 10, 0, 3, 0, 0, 1, 0};
        panel.SetOperTour("11_EXT01", profil, "M", td, ti);
        QApplication::processEvents();
    }
    state.counters["boxes"] = static_cast<double>(host.messages().size());
}

void millingSetUp(benchmark::State& state, std::int16_t typoper) {
    oru::Host host;
    oru::OperFraisage panel(host);
    oru::qt::PanelView view(panel);
    view.show();
    panel.chbmp = picturesFolder();
    panel.Typoper = typoper;
    for (auto _ : state) {
        panel.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 8, 0, 10, 12, 10});
        panel.SetApproche(1);
        panel.SetDegageZ(1);
        std::int16_t accostage = 0;
        panel.SetAccostage(accostage, 2, 2, 1, 0, 1, -1);
        QApplication::processEvents();
    }
    state.counters["boxes"] = static_cast<double>(host.messages().size());
}

BENCHMARK_CAPTURE(turningSetUp, longitudinal_101, 101, "E");
BENCHMARK_CAPTURE(turningSetUp, roughing_110, 110, "E");
BENCHMARK_CAPTURE(turningSetUp, threading_130, 130, "E");
BENCHMARK_CAPTURE(turningSetUp, drilling_141, 141, "E");
BENCHMARK_CAPTURE(millingSetUp, pocket_20, 20);
BENCHMARK_CAPTURE(millingSetUp, contour_15, 15);
BENCHMARK_CAPTURE(millingSetUp, drilling_41, 41);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
