#include "datafolders.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

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

QString Problem::shown() const { return QCoreApplication::translate("demo", text).arg(folder); }

QStringList DataFolders::problemTexts() const {
    QStringList out;
    for (const Problem& p : problems)
        out << p.shown();
    return out;
}

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
            out.problems << Problem{
                QT_TRANSLATE_NOOP("demo", "Le dossier d'images %1 n'existe pas."), pictures};
        else if (!holdsPictures(pictures))
            out.problems << Problem{
                QT_TRANSLATE_NOOP("demo", "Le dossier d'images %1 ne contient aucune image."),
                pictures};
        out.pictures = withSlash(pictures);
    } else {
        QStringList looked;
        for (const QString& place : places) {
            const QString dir = QDir(place).filePath(QStringLiteral("pictures"));
            looked << QDir::cleanPath(dir);
            if (!QFileInfo(dir).isDir()) continue;
            out.pictures = withSlash(dir);
            if (!holdsPictures(dir))
                out.problems << Problem{
                    QT_TRANSLATE_NOOP("demo", "Le dossier d'images %1 ne contient aucune image."),
                    QDir::cleanPath(dir)};
            break;
        }
        if (out.pictures.isEmpty())
            out.problems << Problem{
                QT_TRANSLATE_NOOP("demo",
                                  "Dossier d'images introuvable (cherché : %1) ; "
                                  "donnez-le avec --pictures DOSSIER."),
                looked.join(QStringLiteral(", "))};
    }

    if (!data.isEmpty()) {
        if (!holdsThreadTables(data))
            out.problems << Problem{QT_TRANSLATE_NOOP("demo",
                                                      "Le dossier %1 n'a pas les tables de filets "
                                                      "user/Filet_E.dat et user/Filet_I.dat."),
                                    data};
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
            out.problems << Problem{
                QT_TRANSLATE_NOOP("demo",
                                  "Tables de filets introuvables (cherché : %1) ; "
                                  "donnez leur dossier avec --data DOSSIER."),
                looked.join(QStringLiteral(", "))};
    }
    return out;
}

}  // namespace demo
