// A form loaded at run time by Qt's own form loader, which finds Designer plugins the way Qt
// Designer does (QT_PLUGIN_PATH, then Qt's plugin folder): every control of the form must come
// from the installed plugin, none may fall back to a plain widget.
#include <QApplication>
#include <QFile>
#include <QUiLoader>
#include <QWidget>
#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    QUiLoader loader;
    QFile ui(QString::fromLocal8Bit(argv[1]));
    if (!ui.open(QFile::ReadOnly)) return 2;
    std::unique_ptr<QWidget> form(loader.load(&ui));
    if (!form) {
        std::cout << loader.errorString().toStdString() << "\n";
        return 1;
    }
    int controls = 0;
    for (const char* name : {"operFraisage", "avalant", "sensRot", "arrosage"}) {
        const QWidget* w = form->findChild<QWidget*>(QString::fromLatin1(name));
        const QString cls = w ? QString::fromLatin1(w->metaObject()->className()) : QString();
        std::cout << name << " : " << cls.toStdString() << "\n";
        if (cls.startsWith(QStringLiteral("oru::qt::"))) ++controls;
    }
    return controls == 4 ? 0 : 1;
}
