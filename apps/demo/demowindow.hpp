#pragma once

#include <QCoreApplication>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "datafolders.hpp"
#include "language.hpp"
#include "oru/oru.hpp"
#include "scenarios.hpp"

class QAction;
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
// the operation on the left, on the right every value the host reads back and under it the three
// selectors. It behaves as a host application does: it keeps the values of the operation being
// edited, reads back what the user changed before setting the same operation up again, follows
// what the panel itself changes (a hole cycle button changes the operation, a thread picked in
// the list changes the thread), and refreshes what it reads back after each user action. It
// speaks the language the demo is set to (its Language menu switches), and follows a switch in
// place: the operation and the user's values stay, the panels retranslate themselves.
class DemoWindow : public QMainWindow {
    // The window's texts are translated in the context "demo", as the examples' names are.
    Q_DECLARE_TR_FUNCTIONS(demo)

public:
    explicit DemoWindow(DataFolders folders);
    ~DemoWindow() override;

    oru::OperFraisage& milling() { return *milling_; }
    oru::OperTournage& turning() { return *turning_; }
    oru::Avalant& avalant() { return *avalant_; }
    oru::qt::PanelView* millingView() const { return millingView_; }
    oru::qt::PanelView* turningView() const { return turningView_; }
    QWidget* selectorsBox() const { return selectorsBox_; }
    // The views of Avalant, SensRot and Arrosage, in that order.
    const std::vector<oru::qt::PanelView*>& selectorViews() const { return selectorViews_; }
    const DataFolders& folders() const { return folders_; }

    // The operation as the host keeps it (what it last passed to the panel).
    const Milling& millingOperation() const { return m_; }
    const Turning& turningOperation() const { return t_; }

    // Sets a panel up for an operation as the host keeps it; the choices on the left follow
    // (also used by the screenshots).
    void setUpMilling(const Milling& m);
    void setUpTurning(const Turning& t);
    // The example of an operation, as choosing it on the left does.
    void chooseMilling(std::int16_t typoper, bool debouchant = false);
    void chooseTurning(std::int16_t numop, const std::string& profil = {});
    void showTab(int index);
    // Re-reads every value the host reads back.
    void refreshValues();
    // Message boxes: shown as modal boxes (the default), or only printed on the standard error
    // (for screenshots taken without a user to close them).
    void setShowMessageBoxes(bool show);

    // What the tests look at: the choices on the left, the values read back, the status line and
    // the banner, the number of set-ups made and of message boxes the panels showed.
    QComboBox* millingOperationBox() const { return mOperation_; }
    QCheckBox* millingThroughBox() const { return mThrough_; }
    QComboBox* millingExtensionBox() const { return mExt_; }
    QComboBox* millingToolBox() const { return mTool_; }
    QComboBox* turningOperationBox() const { return tOperation_; }
    QComboBox* turningProfileBox() const { return tProfile_; }
    QComboBox* turningToolBox() const { return tTool_; }
    QComboBox* turningThreadTypeBox() const { return tThreadType_; }
    QComboBox* turningThreadBox() const { return tThread_; }
    QComboBox* turningOptionBox() const { return tOption_; }
    QComboBox* turningVariantBox() const { return tVariant_; }
    QTreeWidget* valuesPane() const { return values_; }
    // The value the pane shows for a name ("GetProfondeur", "Avalant.GetAvalant"); a null
    // string when the pane has no such row.
    QString shownValue(const QString& name) const;
    QLabel* statusLine() const { return lastMessage_; }
    QLabel* banner() const { return banner_; }
    QTabWidget* tabs() const { return tabs_; }
    // The entries of the Language menu.
    QAction* languageAction(Language language) const;
    int setUps() const { return setUps_; }
    int boxesShown() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    // Sets texts now, and again in the new language whenever the language changes.
    void onLanguage(std::function<void()> set);
    void retranslate();
    QWidget* buildMillingChoices();
    QWidget* buildTurningChoices();
    QWidget* buildSelectors();
    // The user changed a choice on the left.
    void millingOperationChosen();
    void millingChoiceChanged();
    void millingExtensionChosen();
    void millingToolEntered();
    void turningOperationChosen();
    void turningProfileChosen();
    void turningChoiceChanged();
    void turningThreadTypeChosen();
    void turningThreadChosen();
    void turningToolEntered();
    // The user did something on a panel: the host's choices follow what the panel changed.
    void millingEdited();
    void turningEdited();
    // The choices on the left show the operation as the host keeps it.
    void showMillingChoices();
    void showTurningChoices();
    void fillThreads();
    // Reads back what the user changed, with the panel's boxes only recorded (the host reads
    // quietly; what it met shows in the status line).
    void readBackMilling();
    void readBackTurning();
    void scheduleRefresh();
    // The pane of values read back, read again (no message box of the panels is waiting).
    void fillValues();
    void showStatus();
    QTreeWidgetItem* section(const QString& title);

    DataFolders folders_;
    std::string pictures_;
    std::string dirSld_;
    oru::Host host_;
    std::unique_ptr<oru::OperFraisage> milling_;
    std::unique_ptr<oru::OperTournage> turning_;
    std::unique_ptr<oru::Avalant> avalant_;
    std::unique_ptr<oru::SensRot> sensRot_;
    std::unique_ptr<oru::Arrosage> arrosage_;
    Milling m_;
    Turning t_;

    QTabWidget* tabs_ = nullptr;
    oru::qt::PanelView* millingView_ = nullptr;
    oru::qt::PanelView* turningView_ = nullptr;
    QWidget* selectorsBox_ = nullptr;
    std::vector<oru::qt::PanelView*> selectorViews_;
    QTreeWidget* values_ = nullptr;
    QLabel* lastMessage_ = nullptr;
    QLabel* banner_ = nullptr;
    QAction* french_ = nullptr;
    QAction* english_ = nullptr;
    std::vector<std::function<void()>> retranslations_;
    // The last box the panels showed, as the status line tells it (the panels' French; empty
    // when the last user action raised none).
    std::string lastBoxTitle_;
    std::string lastBoxPrompt_;
    bool refreshPending_ = false;
    bool showBoxes_ = true;
    int setUps_ = 0;
    int boxesSeen_ = 0;

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
    QComboBox* tThreadType_ = nullptr;
    QComboBox* tThread_ = nullptr;
    QComboBox* tOption_ = nullptr;
    QComboBox* tVariant_ = nullptr;
};

}  // namespace demo
