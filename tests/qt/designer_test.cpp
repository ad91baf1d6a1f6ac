// The Qt Designer plugin as Designer loads it: five controls in the group "ORU_Ctrl", each with
// its toolbox picture, a tooltip and a widget showing the real panel.
#include <gtest/gtest.h>

#include <QPluginLoader>
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
        EXPECT_FALSE(icon.pixmap(QSize(16, 15)).toImage().isNull());

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

}  // namespace
