#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QLocale;

// Where the demo host finds what it shows, at run time: the sample picture folder and the
// thread tables, next to the program as installed (<prefix>/bin/oru-demo reads
// <prefix>/share/OruCtrl/pictures and <prefix>/share/OruCtrl/user) or in the build tree
// (<build>/apps/oru-demo reads <build>/data/pictures and <build>/data/user), unless the command
// line names the folders. No path of the machine that built the program is compiled in.
namespace demo {

struct DataFolders {
    QString pictures;      // picture folder (chbmp), ending with '/'; empty when none was found
    QString dirSld;        // folder whose user/ sub-folder holds the thread tables (DirSld)
    QStringList problems;  // what is missing, in words, for the window and the standard error
};

// Looks for the folders from the folder of the program (`appDir`). A folder given by the user
// (`pictures`, `data`; empty when not given) is taken as it is and only checked.
DataFolders findDataFolders(const QString& appDir, const QString& pictures = {},
                            const QString& data = {});

// Whether a folder holds operation pictures (BMP or JPEG files, in it or in its bmp/ and jpeg/
// sub-folders).
bool holdsPictures(const QString& folder);

// Loads Qt's own translations (the line edit's context menu, the message box's buttons) for
// the language of `locale` from Qt's translations folder, for the life of `app`. False when
// Qt has none for it there (on Debian, they come with the package qt6-translations-l10n).
bool installQtTranslations(QCoreApplication& app, const QLocale& locale);

}  // namespace demo
