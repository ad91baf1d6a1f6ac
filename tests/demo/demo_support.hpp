#pragma once

// What the demo host's tests share: a demo window on the data of the build tree, with its
// message boxes printed rather than shown, and the user's ways into it (a choice on the left, a
// click or a pick on a panel).
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <memory>
#include <string>

#include "datafolders.hpp"
#include "demowindow.hpp"
#include "oru/qt/panelview.hpp"

namespace demotest {

inline std::unique_ptr<demo::DemoWindow> makeWindow() {
    auto w = std::make_unique<demo::DemoWindow>(
        demo::findDataFolders(QCoreApplication::applicationDirPath()));
    w->setShowMessageBoxes(false);
    w->resize(1440, 740);
    w->show();
    QApplication::processEvents();
    return w;
}

// Lets the window's deferred refresh run.
inline void settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// The user picks the item with this data in a combo box of the window.
inline bool choose(QComboBox* box, const QVariant& data) {
    const int i = box->findData(data);
    if (i < 0) return false;
    box->setCurrentIndex(i);
    Q_EMIT box->activated(i);
    settle();
    return true;
}

// The Qt child that shows a model widget in a view ("bTrou(0)", "tbPara(7)").
template <class W>
W* child(const oru::qt::PanelView* view, const char* name) {
    return view->findChild<W*>(QString::fromLatin1(name));
}

inline void click(const oru::qt::PanelView* view, const char* name) {
    if (auto* b = child<QAbstractButton>(view, name)) b->click();
    settle();
}

inline double number(const std::string& text) { return oru::Val(text); }

}  // namespace demotest
