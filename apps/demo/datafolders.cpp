#include "datafolders.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace demo {
namespace {

// The data folder of an installation, relative to the folder of the installed program
// ("../share/OruCtrl" for the usual layout), given by the build.
#ifndef ORU_DEMO_INSTALLED_DATA
#define ORU_DEMO_INSTALLED_DATA "../share/OruCtrl"
#endif

QString withSlash(const QString& path) {
    QString p = QDir::cleanPath(QDir(path).absolutePath());
    if (!p.endsWith(QLatin1Char('/'))) p += QLatin1Char('/');
    return p;
}

// The data folders an installed or a built program may have beside it, nearest first.
QStringList candidates(const QString& appDir) {
    const QDir app(appDir);
    return {app.filePath(QStringLiteral(ORU_DEMO_INSTALLED_DATA)),
            app.filePath(QStringLiteral("../data")), app.filePath(QStringLiteral("../../data"))};
}

bool holdsThreadTables(const QString& dirSld) {
    const QDir user(QDir(dirSld).filePath(QStringLiteral("user")));
    return QFileInfo(user.filePath(QStringLiteral("Filet_E.dat"))).isFile() &&
           QFileInfo(user.filePath(QStringLiteral("Filet_I.dat"))).isFile();
}

}  // namespace

bool holdsPictures(const QString& folder) {
    const QStringList filters = {QStringLiteral("*.bmp"), QStringLiteral("*.jpg"),
                                 QStringLiteral("*.BMP"), QStringLiteral("*.JPG")};
    for (const QString& sub : {QString(), QStringLiteral("bmp"), QStringLiteral("jpeg")}) {
        const QDir dir(sub.isEmpty() ? folder : QDir(folder).filePath(sub));
        if (!dir.exists()) continue;
        QDirIterator it(dir.path(), filters, QDir::Files);
        if (it.hasNext()) return true;
    }
    return false;
}

DataFolders findDataFolders(const QString& appDir, const QString& pictures, const QString& data) {
    DataFolders out;
    const QStringList places = candidates(appDir);

    if (!pictures.isEmpty()) {
        if (!QFileInfo(pictures).isDir())
            out.problems << QStringLiteral("Le dossier d'images %1 n'existe pas.").arg(pictures);
        else if (!holdsPictures(pictures))
            out.problems
                << QStringLiteral("Le dossier d'images %1 ne contient aucune image.").arg(pictures);
        out.pictures = withSlash(pictures);
    } else {
        QStringList looked;
        for (const QString& place : places) {
            const QString dir = QDir(place).filePath(QStringLiteral("pictures"));
            looked << QDir::cleanPath(dir);
            if (!QFileInfo(dir).isDir()) continue;
            out.pictures = withSlash(dir);
            if (!holdsPictures(dir))
                out.problems << QStringLiteral("Le dossier d'images %1 ne contient aucune image.")
                                    .arg(QDir::cleanPath(dir));
            break;
        }
        if (out.pictures.isEmpty())
            out.problems << QStringLiteral(
                                "Dossier d'images introuvable (cherché : %1) ; "
                                "donnez-le avec --pictures DOSSIER.")
                                .arg(looked.join(QStringLiteral(", ")));
    }

    if (!data.isEmpty()) {
        if (!holdsThreadTables(data))
            out.problems << QStringLiteral(
                                "Le dossier %1 n'a pas les tables de filets "
                                "user/Filet_E.dat et user/Filet_I.dat.")
                                .arg(data);
        out.dirSld = withSlash(data);
    } else {
        QStringList looked;
        for (const QString& place : places) {
            looked << QDir::cleanPath(QDir(place).filePath(QStringLiteral("user")));
            if (!holdsThreadTables(place)) continue;
            out.dirSld = withSlash(place);
            break;
        }
        if (out.dirSld.isEmpty())
            out.problems << QStringLiteral(
                                "Tables de filets introuvables (cherché : %1) ; "
                                "donnez leur dossier avec --data DOSSIER.")
                                .arg(looked.join(QStringLiteral(", ")));
    }
    return out;
}

bool installQtTranslations(QCoreApplication& app, const QLocale& locale) {
    // "qt" loads the catalogues of every Qt module that has one (qtbase_fr.qm, ...).
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace demo
