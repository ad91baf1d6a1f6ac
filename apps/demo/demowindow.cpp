#include "demowindow.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdio>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "oru/getters.hpp"
#include "oru/qt/panelview.hpp"
#include "oru/qt/toolpictures.hpp"

namespace demo {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString number(double v) { return QString::fromStdString(oru::FormatNum3(v)); }

template <class T>
QString shown(T v) {
    if constexpr (std::is_same_v<T, std::string>)
        return QStringLiteral("\"%1\"").arg(QString::fromStdString(v));
    else if constexpr (std::is_floating_point_v<T>)
        return number(v);
    else
        return QString::number(v);
}

// One value the host reads back: its name and how to read it.
struct Reading {
    std::string name;
    std::function<QString()> read;
};

// Every getter of a control, from the library's table; `prefix` names the control.
template <class P>
void addGetters(std::vector<Reading>& rows, const P* panel, const std::string& prefix = {}) {
    for (const oru::Getter<P>& g : oru::getters<P>())
        rows.push_back({prefix + std::string(g.name), [panel, &g] {
                            return std::visit([](const auto& v) { return shown(v); }, g(*panel));
                        }});
}

QComboBox* comboOf(std::span<const Named> rows) {
    auto* c = new QComboBox;
    for (const Named& r : rows)
        c->addItem(QStringLiteral("%1 — %2").arg(r.code).arg(qs(r.name)), int(r.code));
    return c;
}

QComboBox* comboOf(std::span<const Choice> rows, bool editable = false) {
    auto* c = new QComboBox;
    for (const Choice& r : rows)
        c->addItem(qs(r.name), qs(r.code));
    c->setEditable(editable);
    return c;
}

QComboBox* comboOf(std::initializer_list<std::pair<int, const char*>> rows) {
    auto* c = new QComboBox;
    for (const auto& [v, text] : rows)
        c->addItem(QString::fromUtf8(text), v);
    return c;
}

// The code chosen in an editable combo: the item's code, or the text typed.
QString chosenCode(const QComboBox* c) {
    const int i = c->findText(c->currentText());
    if (i >= 0) return c->itemData(i).toString();
    return c->currentText().section(QLatin1Char(' '), 0, 0);
}

}  // namespace

DemoWindow::DemoWindow(std::string pictures, std::string dirSld)
    : pictures_(std::move(pictures)), dirSld_(std::move(dirSld)) {
    host_.setToolPictureLibrary(std::make_shared<oru::qt::ToolPictures>());
    milling_ = std::make_unique<oru::OperFraisage>(host_);
    turning_ = std::make_unique<oru::OperTournage>(host_);
    avalant_ = std::make_unique<oru::Avalant>(host_);
    sensRot_ = std::make_unique<oru::SensRot>(host_);
    arrosage_ = std::make_unique<oru::Arrosage>(host_);
    oru::qt::installMessageBoxes(host_, this);

    setWindowTitle(QStringLiteral("ORU_Ctrl — démonstration"));

    tabs_ = new QTabWidget;
    auto page = [this](QWidget* choices, oru::qt::PanelView* view) {
        auto* w = new QWidget;
        auto* row = new QHBoxLayout(w);
        row->addWidget(choices, 0, Qt::AlignTop);
        auto* scroll = new QScrollArea;
        scroll->setWidget(view);
        scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        scroll->setFrameShape(QFrame::NoFrame);
        row->addWidget(scroll, 1);
        return w;
    };
    millingView_ = new oru::qt::PanelView(*milling_);
    turningView_ = new oru::qt::PanelView(*turning_);
    tabs_->addTab(page(buildMillingChoices(), millingView_), QStringLiteral("Fraisage"));
    tabs_->addTab(page(buildTurningChoices(), turningView_), QStringLiteral("Tournage"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { refreshValues(); });

    values_ = new QTreeWidget;
    values_->setColumnCount(2);
    values_->setHeaderLabels({QStringLiteral("Lu par l'hôte"), QStringLiteral("Valeur")});
    values_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    values_->setRootIsDecorated(false);
    values_->setAlternatingRowColors(true);
    values_->setMinimumWidth(300);

    // On the right: what the host reads back, and under it the three selectors.
    auto* right = new QWidget;
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    rightColumn->addWidget(values_, 1);
    rightColumn->addWidget(buildSelectors());

    auto* split = new QSplitter;
    split->addWidget(tabs_);
    split->addWidget(right);
    split->setStretchFactor(0, 1);
    setCentralWidget(split);

    lastMessage_ = new QLabel;
    statusBar()->addWidget(lastMessage_, 1);

    for (oru::Panel* p : std::initializer_list<oru::Panel*>{
             milling_.get(), turning_.get(), avalant_.get(), sensRot_.get(), arrosage_.get()})
        observers_.push_back(
            p->addObserver([this](oru::Widget&, oru::Property) { scheduleRefresh(); }));

    applyMillingChoices();
    applyTurningChoices();
    refreshValues();
}

DemoWindow::~DemoWindow() {
    for (auto& o : observers_)
        o.remove();
    host_.setMessageHandler(nullptr);
}

QWidget* DemoWindow::buildMillingChoices() {
    auto* box = new QGroupBox(QStringLiteral("Opération de fraisage"));
    auto* form = new QFormLayout(box);
    mOperation_ = comboOf(millingOperations());
    mOperation_->setCurrentIndex(mOperation_->findData(20));
    mThrough_ = new QCheckBox(QStringLiteral("Débouchant"));
    mAttr_ = comboOf(
        {{0, "Standard"}, {3, "Variante A (taraudage, filetage)"}, {4, "Variante SP (lamage)"}});
    mExt_ = comboOf({{0, "Non proposée"}, {1, "Proposée, inactive"}, {2, "Proposée, active"}});
    mExt_->setCurrentIndex(1);
    mTool_ = comboOf(millingTools(), true);
    mSweep_ = comboOf({{1, "1"}, {2, "2"}, {3, "3"}});
    mClosed_ = new QCheckBox(QStringLiteral("Profil fermé"));
    mClosed_->setChecked(true);
    form->addRow(QStringLiteral("Type"), mOperation_);
    form->addRow(QString(), mThrough_);
    form->addRow(QStringLiteral("Image"), mAttr_);
    form->addRow(QStringLiteral("Extension au brut"), mExt_);
    form->addRow(QStringLiteral("Outil"), mTool_);
    form->addRow(QStringLiteral("Balayage"), mSweep_);
    form->addRow(QString(), mClosed_);
    auto apply = [this] { applyMillingChoices(); };
    for (QComboBox* c : {mOperation_, mAttr_, mExt_, mSweep_})
        connect(c, &QComboBox::activated, this, apply);
    connect(mTool_, &QComboBox::currentTextChanged, this, apply);
    connect(mThrough_, &QCheckBox::toggled, this, apply);
    connect(mClosed_, &QCheckBox::toggled, this, apply);
    box->setFixedWidth(360);
    return box;
}

QWidget* DemoWindow::buildTurningChoices() {
    auto* box = new QGroupBox(QStringLiteral("Opération de tournage"));
    auto* form = new QFormLayout(box);
    tOperation_ = comboOf(turningOperations());
    tOperation_->setCurrentIndex(tOperation_->findData(101));
    tProfile_ = comboOf(turningProfiles());
    tTool_ = comboOf(turningTools(), true);
    tThread_ = comboOf(threadTypes());
    tOption_ = comboOf({{0, "0"}, {1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}});
    tVariant_ = comboOf({{0, "0"}, {1, "1"}, {2, "2"}});
    tVariant_->setCurrentIndex(1);
    form->addRow(QStringLiteral("Type"), tOperation_);
    form->addRow(QStringLiteral("Profil"), tProfile_);
    form->addRow(QStringLiteral("Outil"), tTool_);
    form->addRow(QStringLiteral("Filet"), tThread_);
    form->addRow(QStringLiteral("Option (ti 7)"), tOption_);
    form->addRow(QStringLiteral("Variante (ti 6)"), tVariant_);
    auto apply = [this] { applyTurningChoices(); };
    // A new operation or profile proposes its usual tool, as a host would.
    auto proposeTool = [this] {
        const auto numop = static_cast<std::int16_t>(tOperation_->currentData().toInt());
        const QString code =
            qs(defaultTool(numop, tProfile_->currentData().toString().toStdString()));
        const int i = tTool_->findData(code);
        QSignalBlocker block(tTool_);
        if (i >= 0)
            tTool_->setCurrentIndex(i);
        else
            tTool_->setEditText(code);
    };
    for (QComboBox* c : {tOperation_, tProfile_}) {
        connect(c, &QComboBox::activated, this, proposeTool);
        connect(c, &QComboBox::activated, this, apply);
    }
    for (QComboBox* c : {tThread_, tOption_, tVariant_})
        connect(c, &QComboBox::activated, this, apply);
    connect(tTool_, &QComboBox::currentTextChanged, this, apply);
    box->setFixedWidth(360);
    return box;
}

QWidget* DemoWindow::buildSelectors() {
    auto* box = new QGroupBox(QStringLiteral("Sélecteurs"));
    auto* row = new QHBoxLayout(box);
    std::int16_t sens = -1;
    sensRot_->SetSensRot(sens, 2);
    arrosage_->SetArrosage(1);
    avalant_->SetAvalant(1);
    for (oru::Panel* p :
         std::initializer_list<oru::Panel*>{avalant_.get(), sensRot_.get(), arrosage_.get()}) {
        auto* view = new oru::qt::PanelView(*p);
        selectorViews_.push_back(view);
        row->addWidget(view);
    }
    selectorsBox_ = box;
    return box;
}

void DemoWindow::applyMillingChoices() {
    Milling m;
    m.typoper = static_cast<std::int16_t>(mOperation_->currentData().toInt());
    m.debouchant = mThrough_->isChecked();
    m.attrImage = static_cast<std::int16_t>(mAttr_->currentData().toInt());
    m.extBrut = static_cast<std::int16_t>(mExt_->currentData().toInt());
    m.tool = chosenCode(mTool_).toStdString();
    m.balayage = static_cast<std::int16_t>(mSweep_->currentData().toInt());
    m.ferme = mClosed_->isChecked();
    setUpMilling(m);
}

void DemoWindow::applyTurningChoices() {
    Turning t;
    t.numop = static_cast<std::int16_t>(tOperation_->currentData().toInt());
    t.profil = tProfile_->currentData().toString().toStdString();
    t.tool = chosenCode(tTool_).toStdString();
    t.typeFilet = tThread_->currentData().toString().toStdString();
    t.option = static_cast<std::int16_t>(tOption_->currentData().toInt());
    t.variant = static_cast<std::int16_t>(tVariant_->currentData().toInt());
    setUpTurning(t);
}

void DemoWindow::setUpMilling(const Milling& m) {
    demo::setUp(*milling_, m, pictures_);
    scheduleRefresh();
}

void DemoWindow::setUpTurning(const Turning& t) {
    demo::setUp(*turning_, t, pictures_, dirSld_);
    scheduleRefresh();
}

void DemoWindow::showTab(int index) { tabs_->setCurrentIndex(index); }

void DemoWindow::setShowMessageBoxes(bool show) {
    showBoxes_ = show;
    if (show) {
        oru::qt::installMessageBoxes(host_, this);
        return;
    }
    host_.setMessageHandler([](const oru::Message& m) {
        std::fprintf(stderr, "message box [%s] %s\n", m.title.c_str(), m.prompt.c_str());
    });
}

void DemoWindow::scheduleRefresh() {
    if (refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] { refreshValues(); });
}

QTreeWidgetItem* DemoWindow::section(const QString& title) {
    auto* item = new QTreeWidgetItem(values_, {title});
    QFont f = item->font(0);
    f.setBold(true);
    item->setFont(0, f);
    item->setFirstColumnSpanned(true);
    return item;
}

void DemoWindow::refreshValues() {
    refreshPending_ = false;
    std::vector<Reading> rows;
    QString title;
    if (tabs_->currentIndex() == 0) {
        oru::OperFraisage* p = milling_.get();
        title = QStringLiteral("Fraisage");
        rows = {
            {"Typoper", [p] { return shown(p->Typoper); }},
            {"ExtBrut", [p] { return shown(p->ExtBrut); }},
        };
        addGetters(rows, p);
    } else {
        oru::OperTournage* p = turning_.get();
        title = QStringLiteral("Tournage");
        rows = {
            {"NumOp", [p] { return shown(p->NumOp); }},
        };
        addGetters(rows, p);
    }
    std::vector<Reading> selectors;
    addGetters(selectors, avalant_.get(), "Avalant.");
    addGetters(selectors, sensRot_.get(), "SensRot.");
    addGetters(selectors, arrosage_.get(), "Arrosage.");

    // Reading is what a host does after the user's work; a getter that fails shows its error
    // box there. Here the box would come back after every keystroke, so the pane shows it inline.
    host_.setMessageHandler(nullptr);
    auto fill = [&](QTreeWidgetItem* parent, const std::vector<Reading>& list) {
        for (const Reading& r : list) {
            QString value;
            const std::size_t seen = host_.messages().size();
            try {
                value = r.read();
            } catch (const oru::Error& e) {
                value = QStringLiteral("erreur : %1").arg(QString::fromUtf8(e.what()));
            }
            if (host_.messages().size() > seen) {
                QString prompt = QString::fromStdString(host_.messages().back().prompt);
                value += QStringLiteral("  (boîte : %1)").arg(prompt.replace("\r\n", " — "));
            }
            auto* item = new QTreeWidgetItem(parent, {QString::fromStdString(r.name), value});
            item->setToolTip(1, value);
        }
    };
    values_->setUpdatesEnabled(false);
    values_->clear();
    fill(section(title), rows);
    fill(section(QStringLiteral("Sélecteurs")), selectors);
    values_->expandAll();
    values_->setUpdatesEnabled(true);
    setShowMessageBoxes(showBoxes_);

    if (!host_.messages().empty()) {
        const oru::Message& m = host_.messages().back();
        QString prompt = QString::fromStdString(m.prompt);
        lastMessage_->setText(
            QStringLiteral("Dernière boîte : %1 — %2")
                .arg(QString::fromStdString(m.title), prompt.replace("\r\n", " — ")));
    }
}

}  // namespace demo
