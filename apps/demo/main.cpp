// The demo host. With a display it opens the demo window; with --screenshot DIR it sets up a
// fixed set of panels, writes each one as a PNG file into DIR and exits (works offscreen).
// --lang fr|en chooses the language it starts in (French by default, as the panels speak).
#include <QApplication>
#include <QCommandLineParser>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStyleFactory>
#include <QTextStream>
#include <cstdio>
#include <optional>

#include "datafolders.hpp"
#include "demowindow.hpp"
#include "language.hpp"
#include "screenshots.hpp"

namespace {

// The 2x screenshots: the demo again, with Qt scaling the whole screen by 2, so that fonts,
// artwork and picture files are drawn for that scale and not stretched afterwards.
int runScaled(const QStringList& args) {
    QProcess again;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    env.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
    again.setProcessEnvironment(env);
    again.setProcessChannelMode(QProcess::ForwardedChannels);
    again.start(QCoreApplication::applicationFilePath(), args);
    if (!again.waitForFinished(120000)) {
        std::fprintf(stderr, "the 2x screenshots did not finish\n");
        return 1;
    }
    return again.exitStatus() == QProcess::NormalExit ? again.exitCode() : 1;
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
    const QCommandLineOption pictures(
        QStringLiteral("pictures"),
        QStringLiteral("Dossier d'images (chbmp) ; par défaut share/OruCtrl/pictures de "
                       "l'installation, ou data/pictures du dossier de construction."),
        QStringLiteral("DIR"));
    const QCommandLineOption data(
        QStringLiteral("data"),
        QStringLiteral("Dossier dont le sous-dossier user/ contient les tables de filets "
                       "(DirSld) ; par défaut share/OruCtrl de l'installation, ou data du "
                       "dossier de construction."),
        QStringLiteral("DIR"));
    const QCommandLineOption where(QStringLiteral("print-folders"),
                                   QStringLiteral("Écrit les dossiers trouvés et quitte."));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("Langue de la démonstration : fr (français, par défaut) ou en (anglais)."),
        QStringLiteral("fr|en"), QStringLiteral("fr"));
    QCommandLineOption scaled(QStringLiteral("scaled-screenshots"));
    scaled.setFlags(QCommandLineOption::HiddenFromHelp);
    args.addOptions({shots, pictures, data, where, lang, scaled});
    args.process(app);

    // The demo speaks French by default, as the panels do, down to Qt's own texts (a box's
    // context menu, a message box's buttons); --lang en puts all of it in English.
    const std::optional<demo::Language> language = demo::languageNamed(args.value(lang));
    if (!language) {
        std::fprintf(stderr, "oru-demo: --lang attend fr ou en, pas « %s »\n",
                     qPrintable(args.value(lang)));
        return 2;
    }
    if (!demo::setLanguage(*language))
        std::fprintf(stderr,
                     "oru-demo: Qt's French translations are missing "
                     "(Debian package qt6-translations-l10n); Qt's own texts stay "
                     "in English\n");

    const demo::DataFolders folders = demo::findDataFolders(QCoreApplication::applicationDirPath(),
                                                            args.value(pictures), args.value(data));
    if (args.isSet(where)) {
        QTextStream out(stdout);
        out << "pictures: " << folders.pictures << "\n"
            << "data: " << folders.dirSld << "\n";
        for (const QString& p : folders.problemTexts())
            out << "problem: " << p << "\n";
        return folders.problems.isEmpty() ? 0 : 1;
    }

    demo::DemoWindow window(folders);
    if (args.isSet(scaled)) return demo::writeScaledScreenshots(window, args.value(shots));
    if (args.isSet(shots)) {
        const int plain = demo::writeScreenshots(window, args.value(shots));
        QStringList again = {QStringLiteral("--screenshot"),
                             args.value(shots),
                             QStringLiteral("--scaled-screenshots"),
                             QStringLiteral("--pictures"),
                             folders.pictures,
                             QStringLiteral("--data"),
                             folders.dirSld};
        return runScaled(again) == 0 ? plain : 1;
    }
    window.resize(1440, 740);
    window.show();
    return QApplication::exec();
}
