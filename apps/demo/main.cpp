// The demo host. With a display it opens the demo window; with --screenshot DIR it sets up a
// fixed set of panels, writes each one as a PNG file into DIR and exits (works offscreen).
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "demowindow.hpp"
#include "oru/qt/panelview.hpp"
#include "scenarios.hpp"

namespace {

// A host installation for the run: the shipped thread tables under "user", where the turning
// panel looks for them.
bool makeHostFolder(const QTemporaryDir& dir) {
    const QString user = dir.filePath(QStringLiteral("user"));
    if (!QDir().mkpath(user)) return false;
    for (const char* name : {"Filet_E.dat", "Filet_I.dat"}) {
        const QString from = QStringLiteral(ORU_DATA_DIR "/threads/") + QLatin1String(name);
        if (!QFile::copy(from, user + QLatin1Char('/') + QLatin1String(name))) return false;
    }
    return true;
}

std::string folder(const QString& path) {
    QString p = QDir(path).absolutePath();
    if (!p.endsWith(QLatin1Char('/'))) p += QLatin1Char('/');
    return p.toStdString();
}

bool save(QWidget* w, const QDir& dir, const QString& name, QTextStream& out) {
    QApplication::processEvents();
    const QPixmap shot = w->grab();
    const QString file = dir.filePath(name + QStringLiteral(".png"));
    if (!shot.save(file)) {
        out << "cannot write " << file << "\n";
        return false;
    }
    out << file << " (" << shot.width() << " x " << shot.height() << ")\n";
    return true;
}

// The fixed set of screenshots: each turning family, the threading details page, milling
// pocket, contour, facing and a hole cycle, the three selectors and the whole window.
int screenshots(demo::DemoWindow& window, const QString& target) {
    QDir dir(target);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(target));
        return 1;
    }
    QTextStream out(stdout);
    bool ok = true;
    window.setShowMessageBoxes(false);
    window.resize(1440, 740);
    window.show();

    struct TurningShot {
        const char* name;
        demo::Turning setup;
    };
    auto turning = [](std::int16_t numop, const char* profil, std::int16_t option = 0) {
        demo::Turning t;
        t.numop = numop;
        t.profil = profil;
        t.tool = std::string(demo::defaultTool(numop, profil));
        t.option = option;
        return t;
    };
    const TurningShot turningShots[] = {
        {"tournage-100-butee", turning(100, "E")},
        {"tournage-101-chariotage", turning(101, "E")},
        {"tournage-102-dressage", turning(102, "E", 3)},
        {"tournage-103-tronconnage", turning(103, "E", 2)},
        {"tournage-104-centrage", turning(104, "E")},
        {"tournage-110-ebauche", turning(110, "E")},
        {"tournage-111-finition-interieure", turning(111, "I")},
        {"tournage-112-pochage", turning(112, "E")},
        {"tournage-120-gorge", turning(120, "E")},
        {"tournage-130-filetage", turning(130, "E")},
        {"tournage-141-percage", turning(141, "E")},
        {"tournage-180-taraudage", turning(180, "E")},
    };
    window.showTab(1);
    for (const auto& shot : turningShots) {
        window.setUpTurning(shot.setup);
        ok &= save(window.turningView(), dir, QString::fromLatin1(shot.name), out);
    }
    // The threading details page of the last threading set-up.
    window.setUpTurning(turning(130, "E"));
    window.turning().widget("bFiletage").click();
    ok &= save(window.turningView(), dir, QStringLiteral("tournage-130-details-filetage"), out);
    window.turning().widget("bFiletage").click();

    struct MillingShot {
        const char* name;
        std::int16_t typoper;
        bool through;
    };
    const MillingShot millingShots[] = {
        {"fraisage-20-poche", 20, false},
        {"fraisage-15-contournage", 15, false},
        {"fraisage-12-surfacage", 12, false},
        {"fraisage-41-percage", 41, true},
    };
    window.showTab(0);
    for (const auto& shot : millingShots) {
        demo::Milling m;
        m.typoper = shot.typoper;
        m.debouchant = shot.through;
        window.setUpMilling(m);
        ok &= save(window.millingView(), dir, QString::fromLatin1(shot.name), out);
    }

    ok &= save(window.selectorsBox(), dir, QStringLiteral("selecteurs"), out);
    const char* selectorNames[] = {"selecteur-avalant", "selecteur-sensrot", "selecteur-arrosage"};
    for (std::size_t i = 0; i < window.selectorViews().size() && i < std::size(selectorNames); ++i)
        ok &= save(window.selectorViews()[i], dir, QString::fromLatin1(selectorNames[i]), out);
    window.showTab(1);
    window.setUpTurning(turning(101, "E"));
    window.refreshValues();
    ok &= save(&window, dir, QStringLiteral("demo-window"), out);
    out.flush();
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("oru-demo"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Démonstration des contrôles ORU_Ctrl"));
    args.addHelpOption();
    const QCommandLineOption shots(QStringLiteral("screenshot"),
                                   QStringLiteral("Écrit les captures PNG dans DIR et quitte."),
                                   QStringLiteral("DIR"));
    const QCommandLineOption pictures(QStringLiteral("pictures"),
                                      QStringLiteral("Dossier d'images (chbmp)."),
                                      QStringLiteral("DIR"), QStringLiteral(ORU_PICTURES_DIR));
    args.addOption(shots);
    args.addOption(pictures);
    args.process(app);

    QTemporaryDir hostDir;
    if (!hostDir.isValid() || !makeHostFolder(hostDir)) {
        std::fprintf(stderr, "cannot prepare the thread tables\n");
        return 1;
    }
    demo::DemoWindow window(folder(args.value(pictures)), folder(hostDir.path()));
    if (args.isSet(shots)) return screenshots(window, args.value(shots));
    window.resize(1440, 740);
    window.show();
    return QApplication::exec();
}
