// The Qt Designer plugin as Designer loads it: five controls in the group "ORU_Ctrl", each with
// its toolbox picture, a tooltip and a widget showing the real panel.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QUiLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

namespace {

TEST(DesignerPlugin, OffersTheFiveControls) {
    QPluginLoader loader(QStringLiteral(ORU_DESIGNER_PLUGIN));
    QObject* instance = loader.instance();
    ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
    ASSERT_NE(collection, nullptr);

    const QList<QDesignerCustomWidgetInterface*> widgets = collection->customWidgets();
    ASSERT_EQ(widgets.size(), 5);
    const struct {
        const char* name;
        QSize size;  // the panel's design size
    } expected[] = {
        {"oru::qt::OperFraisageWidget", {340, 608}}, {"oru::qt::OperTournageWidget", {627, 313}},
        {"oru::qt::AvalantWidget", {60, 64}},        {"oru::qt::SensRotWidget", {120, 64}},
        {"oru::qt::ArrosageWidget", {80, 64}},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        QDesignerCustomWidgetInterface* w = widgets[qsizetype(i)];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(w->name(), QString::fromLatin1(expected[i].name));
        EXPECT_EQ(w->group(), "ORU_Ctrl");
        EXPECT_FALSE(w->toolTip().isEmpty());
        EXPECT_FALSE(w->isContainer());
        EXPECT_EQ(w->includeFile(), "oru/qt/controls.hpp");
        EXPECT_TRUE(w->domXml().contains(w->name()));
        const QIcon icon = w->icon();
        ASSERT_FALSE(icon.isNull());
        // Designer's widget box shows an icon only when it offers sizes.
        EXPECT_FALSE(icon.availableSizes().isEmpty());
        EXPECT_FALSE(icon.pixmap(QSize(16, 15)).toImage().isNull());
        // Dropped on a form, the control has its design size at once.
        EXPECT_TRUE(w->domXml().contains(QStringLiteral("<width>%1</width><height>%2</height>")
                                             .arg(expected[i].size.width())
                                             .arg(expected[i].size.height())));

        std::unique_ptr<QWidget> created(w->createWidget(nullptr));
        ASSERT_NE(created, nullptr);
        EXPECT_EQ(created->sizeHint(), expected[i].size);
        // The plugin carries its own copy of the Qt layer: look the view up by class name.
        const QWidget* view = nullptr;
        for (const QWidget* child : created->findChildren<QWidget*>())
            if (QLatin1String(child->metaObject()->className()) == "oru::qt::PanelView")
                view = child;
        ASSERT_NE(view, nullptr);
        EXPECT_GE(view->findChildren<QWidget*>().size(), 2);
    }
}

// The form of examples/designer-form, as Designer saved it, loaded at run time through the
// plugin: every control is the real one, with the properties the form sets.
TEST(DesignerPlugin, LoadsTheExampleFormThroughTheFormLoader) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(ORU_DESIGNER_PLUGIN)).absolutePath());
    for (const char* cls : {"oru::qt::OperFraisageWidget", "oru::qt::AvalantWidget",
                            "oru::qt::SensRotWidget", "oru::qt::ArrosageWidget"})
        EXPECT_TRUE(loader.availableWidgets().contains(QString::fromLatin1(cls))) << cls;
    QFile ui(QStringLiteral(ORU_DESIGNER_FORM));
    ASSERT_TRUE(ui.open(QFile::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&ui));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    const struct {
        const char* name;
        const char* cls;
        int value;  // the value the form sets, or -99 for none
    } controls[] = {
        {"operFraisage", "oru::qt::OperFraisageWidget", -99},
        {"avalant", "oru::qt::AvalantWidget", 1},
        {"sensRot", "oru::qt::SensRotWidget", -1},
        {"arrosage", "oru::qt::ArrosageWidget", 1},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        const QWidget* w = form->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(w->metaObject()->className(), c.cls);
        if (c.value != -99) {
            EXPECT_EQ(w->property("value").toInt(), c.value);
        }
    }
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("sensRot"))->property("configuration"), 2);
}

}  // namespace
