#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

#include "oru/oru.hpp"
#include "scenarios.hpp"

class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace oru::qt {
class PanelView;
}

namespace demo {

// The demo host: one window with the milling and the turning panel (one tab each), the choice of
// the operation on the left, the three selectors under the panel, and on the right every value the
// host reads back, refreshed after each change.
class DemoWindow : public QMainWindow {
public:
    DemoWindow(std::string pictures, std::string dirSld);
    ~DemoWindow() override;

    oru::OperFraisage& milling() { return *milling_; }
    oru::OperTournage& turning() { return *turning_; }
    oru::qt::PanelView* millingView() const { return millingView_; }
    oru::qt::PanelView* turningView() const { return turningView_; }
    QWidget* selectorsBox() const { return selectorsBox_; }
    // The views of Avalant, SensRot and Arrosage, in that order.
    const std::vector<oru::qt::PanelView*>& selectorViews() const { return selectorViews_; }

    // Sets a panel up as the choices say (also used by the screenshots).
    void setUpMilling(const Milling& m);
    void setUpTurning(const Turning& t);
    void showTab(int index);
    // Re-reads every value the host reads back.
    void refreshValues();
    // Message boxes: shown as modal boxes (the default), or only printed on the standard error
    // (for screenshots taken without a user to close them).
    void setShowMessageBoxes(bool show);

private:
    QWidget* buildMillingChoices();
    QWidget* buildTurningChoices();
    QWidget* buildSelectors();
    void applyMillingChoices();
    void applyTurningChoices();
    void scheduleRefresh();
    QTreeWidgetItem* section(const QString& title);

    oru::Host host_;
    std::string pictures_;
    std::string dirSld_;
    std::unique_ptr<oru::OperFraisage> milling_;
    std::unique_ptr<oru::OperTournage> turning_;
    std::unique_ptr<oru::Avalant> avalant_;
    std::unique_ptr<oru::SensRot> sensRot_;
    std::unique_ptr<oru::Arrosage> arrosage_;
    std::vector<oru::ObserverHandle> observers_;

    QTabWidget* tabs_ = nullptr;
    oru::qt::PanelView* millingView_ = nullptr;
    oru::qt::PanelView* turningView_ = nullptr;
    QWidget* selectorsBox_ = nullptr;
    std::vector<oru::qt::PanelView*> selectorViews_;
    QTreeWidget* values_ = nullptr;
    QLabel* lastMessage_ = nullptr;
    bool refreshPending_ = false;
    bool showBoxes_ = true;

    // milling choices
    QComboBox* mOperation_ = nullptr;
    QCheckBox* mThrough_ = nullptr;
    QComboBox* mAttr_ = nullptr;
    QComboBox* mExt_ = nullptr;
    QComboBox* mTool_ = nullptr;
    QComboBox* mSweep_ = nullptr;
    QCheckBox* mClosed_ = nullptr;
    // turning choices
    QComboBox* tOperation_ = nullptr;
    QComboBox* tProfile_ = nullptr;
    QComboBox* tTool_ = nullptr;
    QComboBox* tThread_ = nullptr;
    QComboBox* tOption_ = nullptr;
    QComboBox* tVariant_ = nullptr;
};

}  // namespace demo
