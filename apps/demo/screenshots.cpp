#include "screenshots.hpp"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <QTextStream>
#include <cmath>
#include <cstdio>

#include "demowindow.hpp"
#include "language.hpp"
#include "oru/qt/panelview.hpp"

namespace demo {
namespace {

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

bool prepare(DemoWindow& window, const QString& target, QDir& dir) {
    dir = QDir(target);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(target));
        return false;
    }
    window.setShowMessageBoxes(false);
    window.resize(1440, 740);
    window.show();
    return true;
}

Turning turningShot(DemoWindow& window, std::int16_t numop, const char* profil, int option = -1) {
    Turning t = turningExample(numop, profil, window.folders().dirSld.toStdString());
    if (option >= 0) t.ti[oru::ti::kOption] = static_cast<std::int16_t>(option);
    return t;
}

// The two panels shown again in the dark and 2x variants.
bool variantShots(DemoWindow& window, const QDir& dir, const QString& suffix, const QString& prefix,
                  QTextStream& out) {
    bool ok = true;
    window.showTab(1);
    window.setUpTurning(turningShot(window, oru::turning::kThreading, "E"));
    ok &= save(window.turningView(), dir, prefix + QStringLiteral("tournage-130-filetage") + suffix,
               out);
    window.showTab(0);
    window.chooseMilling(oru::milling::kPocket);
    ok &=
        save(window.millingView(), dir, prefix + QStringLiteral("fraisage-20-poche") + suffix, out);
    return ok;
}

// A dark desktop: Fusion's own colours turned dark, as dark themes do.
QPalette darkPalette() {
    QPalette p;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230);
    const QColor disabled(128, 128, 128);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(53, 53, 56));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(255, 80, 80));
    p.setColor(QPalette::Light, QColor(80, 80, 84));
    p.setColor(QPalette::Midlight, QColor(66, 66, 70));
    p.setColor(QPalette::Mid, QColor(40, 40, 42));
    p.setColor(QPalette::Dark, QColor(25, 25, 26));
    p.setColor(QPalette::Shadow, QColor(0, 0, 0));
    p.setColor(QPalette::Link, QColor(90, 160, 255));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

// The threading panel, its details page and the pocket in the language the demo speaks, the
// names ending with `suffix`.
bool languageShots(DemoWindow& window, const QDir& dir, const QString& suffix, QTextStream& out) {
    bool ok = true;
    window.showTab(1);
    window.setUpTurning(turningShot(window, oru::turning::kThreading, "E"));
    ok &= save(window.turningView(), dir, QStringLiteral("tournage-130-filetage") + suffix, out);
    window.turning().widget("bFiletage").click();
    ok &= save(window.turningView(), dir, QStringLiteral("tournage-130-details-filetage") + suffix,
               out);
    window.turning().widget("bFiletage").click();
    window.showTab(0);
    window.chooseMilling(oru::milling::kPocket);
    ok &= save(window.millingView(), dir, QStringLiteral("fraisage-20-poche") + suffix, out);
    return ok;
}

}  // namespace

int writeScreenshots(DemoWindow& window, const QString& target) {
    QDir dir;
    if (!prepare(window, target, dir)) return 1;
    QTextStream out(stdout);
    bool ok = true;
    // The documented pictures are French whatever language the demo started in; the English
    // variants come at the end.
    const Language started = currentLanguage();
    (void)setLanguage(Language::French);

    struct TurningShot {
        const char* name;
        std::int16_t numop;
        const char* profil;
        int option;
    };
    const TurningShot turningShots[] = {
        {"tournage-100-butee", 100, "E", -1},
        {"tournage-101-chariotage", 101, "E", -1},
        {"tournage-102-dressage", 102, "E", -1},
        {"tournage-103-tronconnage", 103, "E", -1},
        {"tournage-104-centrage", 104, "E", -1},
        {"tournage-110-ebauche", 110, "E", -1},
        {"tournage-111-finition-interieure", 111, "I", -1},
        {"tournage-112-pochage", 112, "E", -1},
        {"tournage-120-gorge", 120, "E", -1},
        {"tournage-130-filetage", 130, "E", -1},
        {"tournage-141-percage", 141, "E", -1},
        {"tournage-180-taraudage", 180, "E", -1},
    };
    window.showTab(1);
    for (const auto& shot : turningShots) {
        window.setUpTurning(turningShot(window, shot.numop, shot.profil, shot.option));
        ok &= save(window.turningView(), dir, QString::fromLatin1(shot.name), out);
    }
    // The threading details page.
    window.setUpTurning(turningShot(window, oru::turning::kThreading, "E"));
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
        window.chooseMilling(shot.typoper, shot.through);
        ok &= save(window.millingView(), dir, QString::fromLatin1(shot.name), out);
    }

    ok &= save(window.selectorsBox(), dir, QStringLiteral("selecteurs"), out);
    const char* selectorNames[] = {"selecteur-avalant", "selecteur-sensrot", "selecteur-arrosage"};
    for (std::size_t i = 0; i < window.selectorViews().size() && i < std::size(selectorNames); ++i)
        ok &= save(window.selectorViews()[i], dir, QString::fromLatin1(selectorNames[i]), out);
    window.showTab(1);
    window.setUpTurning(turningShot(window, oru::turning::kLongTurning, "E"));
    window.refreshValues();
    ok &= save(&window, dir, QStringLiteral("demo-window"), out);

    // A dark desktop: the same style with a dark palette.
    const QPalette light = QApplication::palette();
    QApplication::setPalette(darkPalette());
    ok &= variantShots(window, dir, QStringLiteral("-dark"), QString(), out);
    QApplication::setPalette(light);

    // In English: the panels and the demo switch in place, as the Language menu does.
    (void)setLanguage(Language::English);
    QApplication::processEvents();
    ok &= languageShots(window, dir, QStringLiteral("-en"), out);
    (void)setLanguage(started);
    QApplication::processEvents();
    out.flush();
    return ok ? 0 : 1;
}

int writeScaledScreenshots(DemoWindow& window, const QString& target) {
    QDir dir;
    if (!prepare(window, target, dir)) return 1;
    QTextStream out(stdout);
    QApplication::processEvents();
    const qreal ratio = window.devicePixelRatioF();
    if (std::abs(ratio - 2.0) > 1e-6) {
        std::fprintf(stderr, "the screen's device pixel ratio is %g, not 2 (QT_SCALE_FACTOR=2)\n",
                     ratio);
        return 1;
    }
    const bool ok = variantShots(window, dir, QString(), QStringLiteral("2x-"), out);
    out.flush();
    return ok ? 0 : 1;
}

}  // namespace demo
