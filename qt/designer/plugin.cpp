// The Qt Designer plugin: offers the five controls in Designer's widget box, in the group
// "ORU_Ctrl", each with its toolbox picture. In Designer each control shows a representative
// operation (a pocket, a longitudinal turning, a selector in its usual state); a form loaded at
// run time (QUiLoader) gets the controls as the host sets them up.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

#include "oru/qt/artwork.hpp"
#include "oru/qt/controls.hpp"
#include "oru/qt/translations.hpp"
#include "oru/resources.hpp"

namespace oru::qt {
namespace {

struct Entry {
    const char* className;     // the widget class a .ui file names
    std::string_view toolbox;  // the toolbox picture
    const char* toolTip;
    const char* whatsThis;
    std::function<ControlWidget*(QWidget*)> create;
    std::function<void(ControlWidget*, const QString& pictures)> example;
};

// The toolbox picture as an icon with real pixmaps: Designer shows an icon only when it has
// sizes to offer.
QIcon toolboxIcon(std::string_view id) {
    QIcon icon;
    for (qreal scale : {1.0, 2.0, 3.0})
        icon.addPixmap(resourcePixmap(id, scale));
    return icon;
}

// The sample picture folder installed with the library, found from where Qt finds this plugin
// (<plugins>/designer), or next to it in the build tree; empty when there is none.
QString samplePictures() {
    const QString relative[] = {QStringLiteral(ORU_PLUGINS_TO_PICTURES),
                                QStringLiteral("../../data/pictures")};
    for (const QString& plugins : QCoreApplication::libraryPaths()) {
        for (const QString& rel : relative) {
            const QFileInfo dir(QDir(plugins + QStringLiteral("/designer")).filePath(rel));
            if (dir.isDir()) return dir.canonicalFilePath() + QLatin1Char('/');
        }
    }
    return {};
}

class ControlPlugin final : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    ControlPlugin(Entry entry, QObject* parent) : QObject(parent), entry_(std::move(entry)) {}

    QString name() const override { return QString::fromLatin1(entry_.className); }
    QString group() const override { return QStringLiteral("ORU_Ctrl"); }
    QString toolTip() const override {
        return QCoreApplication::translate("Designer", entry_.toolTip);
    }
    QString whatsThis() const override {
        return QCoreApplication::translate("Designer", entry_.whatsThis);
    }
    QString includeFile() const override { return QStringLiteral("oru/qt/controls.hpp"); }
    QIcon icon() const override { return toolboxIcon(entry_.toolbox); }
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override {
        ControlWidget* w = entry_.create(parent);
        // Only Designer initialises its plugins with a form editor: there the control shows an
        // example, while a form loaded by an application shows the controls as they start.
        if (designer_) entry_.example(w, samplePictures());
        return w;
    }
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface* core) override {
        if (!initialized_ && core) installTranslations();  // Designer's own language
        initialized_ = true;
        designer_ = core != nullptr;
    }
    QString domXml() const override {
        // The design size, so that a control dropped on a form needs no "Adjust Size".
        std::unique_ptr<ControlWidget> sample(entry_.create(nullptr));
        const QSize size = sample->sizeHint();
        return QStringLiteral(
                   "<ui language=\"c++\"><widget class=\"%1\" name=\"%2\">"
                   "<property name=\"geometry\"><rect><x>0</x><y>0</y>"
                   "<width>%3</width><height>%4</height></rect></property>"
                   "</widget></ui>")
            .arg(name(), defaultObjectName())
            .arg(size.width())
            .arg(size.height());
    }

private:
    QString defaultObjectName() const {
        QString n = name().section(QStringLiteral("::"), -1);
        n.chop(int(QStringLiteral("Widget").size()));
        n[0] = n[0].toLower();
        return n;
    }
    Entry entry_;
    bool initialized_ = false;
    bool designer_ = false;
};

class ControlCollection final : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
public:
    explicit ControlCollection(QObject* parent = nullptr) : QObject(parent) {
        const Entry entries[] = {
            {"oru::qt::OperFraisageWidget", res::toolboxName("OperFraisage"),
             QT_TRANSLATE_NOOP("Designer", "Opération de fraisage"),
             QT_TRANSLATE_NOOP("Designer", "Paramètres d'une opération de fraisage ou de perçage."),
             [](QWidget* p) { return new OperFraisageWidget(p); },
             [](ControlWidget* w, const QString& pictures) {
                 auto* m = static_cast<OperFraisageWidget*>(w);
                 m->setPictureFolder(pictures);
                 m->showExample();
             }},
            {"oru::qt::OperTournageWidget", res::toolboxName("OperTournage"),
             QT_TRANSLATE_NOOP("Designer", "Opération de tournage"),
             QT_TRANSLATE_NOOP("Designer", "Paramètres d'une opération de tournage."),
             [](QWidget* p) { return new OperTournageWidget(p); },
             [](ControlWidget* w, const QString& pictures) {
                 auto* t = static_cast<OperTournageWidget*>(w);
                 t->setPictureFolder(pictures);
                 t->showExample();
             }},
            {"oru::qt::AvalantWidget", res::toolboxName("Avalant"),
             QT_TRANSLATE_NOOP("Designer", "Fraisage en avalant ou en opposition"),
             QT_TRANSLATE_NOOP("Designer", "Choix du mode de fraisage : avalant ou opposition."),
             [](QWidget* p) { return new AvalantWidget(p); },
             [](ControlWidget* w, const QString&) {
                 static_cast<AvalantWidget*>(w)->showExample();
             }},
            {"oru::qt::SensRotWidget", res::toolboxName("SensRot"),
             QT_TRANSLATE_NOOP("Designer", "Sens de rotation"),
             QT_TRANSLATE_NOOP("Designer", "Sens de rotation de la broche ou de l'outil tournant."),
             [](QWidget* p) { return new SensRotWidget(p); },
             [](ControlWidget* w, const QString&) {
                 static_cast<SensRotWidget*>(w)->showExample();
             }},
            {"oru::qt::ArrosageWidget", res::toolboxName("Arrosage"),
             QT_TRANSLATE_NOOP("Designer", "Arrosage"),
             QT_TRANSLATE_NOOP("Designer", "Choix de l'arrosage."),
             [](QWidget* p) { return new ArrosageWidget(p); },
             [](ControlWidget* w, const QString&) {
                 static_cast<ArrosageWidget*>(w)->showExample();
             }},
        };
        for (const Entry& e : entries)
            widgets_.append(new ControlPlugin(e, this));
    }
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

private:
    QList<QDesignerCustomWidgetInterface*> widgets_;
};

}  // namespace
}  // namespace oru::qt

#include "plugin.moc"
