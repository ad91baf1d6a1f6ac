// The Qt Designer plugin: offers the five controls in Designer's widget box, in the group
// "ORU_Ctrl", each with its toolbox picture, showing the real panel at design time.
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

#include "oru/qt/artwork.hpp"
#include "oru/qt/controls.hpp"
#include "oru/resources.hpp"

namespace oru::qt {
namespace {

struct Entry {
    const char* className;     // the widget class a .ui file names
    std::string_view toolbox;  // the toolbox picture
    const char* toolTip;
    const char* whatsThis;
    std::function<QWidget*(QWidget*)> create;
};

class ControlPlugin final : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    ControlPlugin(Entry entry, QObject* parent) : QObject(parent), entry_(std::move(entry)) {}

    QString name() const override { return QString::fromLatin1(entry_.className); }
    QString group() const override { return QStringLiteral("ORU_Ctrl"); }
    QString toolTip() const override { return QString::fromUtf8(entry_.toolTip); }
    QString whatsThis() const override { return QString::fromUtf8(entry_.whatsThis); }
    QString includeFile() const override { return QStringLiteral("oru/qt/controls.hpp"); }
    QIcon icon() const override { return resourceIcon(entry_.toolbox); }
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override { return entry_.create(parent); }
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface*) override { initialized_ = true; }
    QString domXml() const override {
        return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\"/></ui>")
            .arg(name(), defaultObjectName());
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
};

class ControlCollection final : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
public:
    explicit ControlCollection(QObject* parent = nullptr) : QObject(parent) {
        const Entry entries[] = {
            {"oru::qt::OperFraisageWidget", res::toolboxName("OperFraisage"),
             "Opération de fraisage", "Paramètres d'une opération de fraisage ou de perçage.",
             [](QWidget* p) { return new OperFraisageWidget(p); }},
            {"oru::qt::OperTournageWidget", res::toolboxName("OperTournage"),
             "Opération de tournage", "Paramètres d'une opération de tournage.",
             [](QWidget* p) { return new OperTournageWidget(p); }},
            {"oru::qt::AvalantWidget", res::toolboxName("Avalant"),
             "Fraisage en avalant ou en opposition",
             "Choix du mode de fraisage : avalant ou opposition.",
             [](QWidget* p) { return new AvalantWidget(p); }},
            {"oru::qt::SensRotWidget", res::toolboxName("SensRot"), "Sens de rotation",
             "Sens de rotation de la broche ou de l'outil tournant.",
             [](QWidget* p) { return new SensRotWidget(p); }},
            {"oru::qt::ArrosageWidget", res::toolboxName("Arrosage"), "Arrosage",
             "Choix de l'arrosage.", [](QWidget* p) { return new ArrosageWidget(p); }},
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
