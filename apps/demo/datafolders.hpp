#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where the demo host finds what it shows, at run time: the sample picture folder and the
// thread tables, next to the program as installed (<prefix>/bin/oru-demo reads
// <prefix>/share/OruCtrl/pictures and <prefix>/share/OruCtrl/user) or in the build tree
// (<build>/apps/oru-demo reads <build>/data/pictures and <build>/data/user), unless the command
// line names the folders. No path of the machine that built the program is compiled in.
namespace demo {

// Something the demo did not find, said in words in the language the demo speaks when it is
// shown (the window's banner follows a change of language).
struct Problem {
    const char* text = "";  // the sentence in French, %1 standing for the folder(s)
    QString folder;
    QString shown() const;
};

struct DataFolders {
    QString pictures;         // picture folder (chbmp), ending with '/'; empty when none was found
    QString dirSld;           // folder whose user/ sub-folder holds the thread tables (DirSld)
    QList<Problem> problems;  // what is missing, for the window and the standard error
    // The problems in words, in the application's current language.
    QStringList problemTexts() const;
};

// Looks for the folders from the folder of the program (`appDir`). A folder given by the user
// (`pictures`, `data`; empty when not given) is taken as it is and only checked.
DataFolders findDataFolders(const QString& appDir, const QString& pictures = {},
                            const QString& data = {});

// Whether a folder holds operation pictures (BMP or JPEG files, in it or in its bmp/ and jpeg/
// sub-folders).
bool holdsPictures(const QString& folder);

}  // namespace demo
