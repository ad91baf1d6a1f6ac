#include "demowindow.hpp"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
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
#include "oru/qt/translations.hpp"

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

// A text of the demo in the application's language.
QString translated(const QString& french) {
    const QByteArray source = french.toUtf8();
    return QCoreApplication::translate("demo", source.constData());
}

// Each item of the window's choices keeps its French name (and the code shown before it), so
// that a change of language names it again.
constexpr int kSourceRole = Qt::UserRole + 1;
constexpr int kPrefixRole = Qt::UserRole + 2;

void addItem(QComboBox* c, std::string_view name, const QVariant& data,
             const QString& prefix = {}) {
    const QString french = qs(name);
    c->addItem(prefix + translated(french), data);
    c->setItemData(c->count() - 1, french, kSourceRole);
    c->setItemData(c->count() - 1, prefix, kPrefixRole);
}

// Names the items of a choice again in the application's language. A code the user typed in an
// editable choice, which is none of its items, stays as typed.
void retranslateItems(QComboBox* c) {
    const QSignalBlocker block(c);
    const QString typed = c->currentText();
    const bool own = c->isEditable() && c->findText(typed) < 0;
    for (int i = 0; i < c->count(); ++i) {
        const QVariant source = c->itemData(i, kSourceRole);
        if (source.isValid())
            c->setItemText(i,
                           c->itemData(i, kPrefixRole).toString() + translated(source.toString()));
    }
    if (own) c->setEditText(typed);
}

QComboBox* comboOf(std::span<const Named> rows) {
    auto* c = new QComboBox;
    for (const Named& r : rows)
        addItem(c, r.name, int(r.code), QStringLiteral("%1 — ").arg(r.code));
    return c;
}

QComboBox* comboOf(std::span<const Choice> rows, bool editable = false) {
    auto* c = new QComboBox;
    for (const Choice& r : rows)
        addItem(c, r.name, qs(r.code));
    c->setEditable(editable);
    if (editable) c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

QComboBox* comboOf(std::initializer_list<std::pair<int, const char*>> rows) {
    auto* c = new QComboBox;
    for (const auto& [v, text] : rows)
        addItem(c, text, v);
    return c;
}

// A row of a form whose label is set (and set again) by the window.
QLabel* addRow(QFormLayout* form, QWidget* field) {
    auto* label = new QLabel;
    form->addRow(label, field);
    return label;
}

// The code chosen in an editable combo: the item's code, or the first word of the text typed.
QString chosenCode(const QComboBox* c) {
    const int i = c->findText(c->currentText());
    if (i >= 0) return c->itemData(i).toString();
    return c->currentText().trimmed().section(QLatin1Char(' '), 0, 0);
}

// Shows a code in an editable combo: its item when it has one, else the code as text.
void showCode(QComboBox* c, const std::string& code) {
    const QSignalBlocker block(c);
    const int i = c->findData(QString::fromStdString(code));
    if (i >= 0)
        c->setCurrentIndex(i);
    else
        c->setEditText(QString::fromStdString(code));
}

void selectData(QComboBox* c, const QVariant& data) {
    const QSignalBlocker block(c);
    const int i = c->findData(data);
    if (i >= 0) c->setCurrentIndex(i);
}

// Fills a combo with the named values of an operation, the current one selected (added when
// the list does not have it); disabled when the operation has none.
void fill(QComboBox* c, std::span<const Named> rows, int current) {
    const QSignalBlocker block(c);
    c->clear();
    for (const Named& r : rows)
        addItem(c, r.name, int(r.code));
    if (!rows.empty() && c->findData(current) < 0) c->addItem(QString::number(current), current);
    c->setEnabled(!rows.empty());
    c->setCurrentIndex(std::max(0, c->findData(current)));
}

// Whether this combo is the user's way to the value: a host offers only what an operation reads.
bool offers(std::span<const Choice> rows, const std::string& code) {
    for (const Choice& c : rows)
        if (c.code == code) return true;
    return false;
}

}  // namespace

DemoWindow::DemoWindow(DataFolders folders)
    : folders_(std::move(folders)),
      pictures_(folders_.pictures.toStdString()),
      dirSld_(folders_.dirSld.toStdString()) {
    host_.setToolPictureLibrary(std::make_shared<oru::qt::ToolPictures>());
    milling_ = std::make_unique<oru::OperFraisage>(host_);
    turning_ = std::make_unique<oru::OperTournage>(host_);
    avalant_ = std::make_unique<oru::Avalant>(host_);
    sensRot_ = std::make_unique<oru::SensRot>(host_);
    arrosage_ = std::make_unique<oru::Arrosage>(host_);
    oru::qt::installMessageBoxes(host_, this);

    onLanguage([this] { setWindowTitle(tr("ORU_Ctrl — démonstration")); });

    // The language menu names each language in its own words, so that either reader finds it.
    QMenu* language = menuBar()->addMenu(QStringLiteral("Langue / Language"));
    auto* languages = new QActionGroup(this);
    french_ = language->addAction(QStringLiteral("Français"));
    english_ = language->addAction(QStringLiteral("English"));
    for (auto [action, lang] :
         {std::pair{french_, Language::French}, std::pair{english_, Language::English}}) {
        action->setCheckable(true);
        languages->addAction(action);
        connect(action, &QAction::triggered, this, [lang] {
            if (!setLanguage(lang))
                std::fprintf(stderr,
                             "oru-demo: Qt's French translations are missing (Debian package "
                             "qt6-translations-l10n); Qt's own texts stay in English\n");
        });
    }
    onLanguage([this] {
        french_->setChecked(currentLanguage() == Language::French);
        english_->setChecked(currentLanguage() == Language::English);
    });

    tabs_ = new QTabWidget;
    auto page = [](QWidget* choices, oru::qt::PanelView* view) {
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
    tabs_->addTab(page(buildMillingChoices(), millingView_), QString());
    tabs_->addTab(page(buildTurningChoices(), turningView_), QString());
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { refreshValues(); });
    // After each user action on a panel (a keystroke, a click, also on the toggle embedded in
    // the milling panel), the host follows what the panel changed and reads everything back.
    connect(millingView_, &oru::qt::PanelView::edited, this, [this] { millingEdited(); });
    connect(turningView_, &oru::qt::PanelView::edited, this, [this] { turningEdited(); });

    values_ = new QTreeWidget;
    values_->setColumnCount(2);
    onLanguage([this] {
        tabs_->setTabText(0, tr("Fraisage"));
        tabs_->setTabText(1, tr("Tournage"));
        values_->setHeaderLabels({tr("Lu par l'hôte"), tr("Valeur")});
    });
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

    // What the demo could not find is said at the top of the window, not left to blank sketches.
    banner_ = new QLabel;
    banner_->setObjectName(QStringLiteral("banner"));
    banner_->setWordWrap(true);
    banner_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    banner_->setStyleSheet(
        QStringLiteral("QLabel#banner { background: #fff4ce; color: #4d3800; "
                       "border: 1px solid #d9a400; padding: 6px; }"));
    if (!folders_.problems.isEmpty()) {
        onLanguage([this] {
            banner_->setText(folders_.problemTexts().join(QLatin1Char('\n')) + QLatin1Char('\n') +
                             tr("Les croquis et les tables de filets manquants restent vides."));
        });
        std::fprintf(stderr, "oru-demo: %s\n",
                     qPrintable(folders_.problemTexts().join(QStringLiteral("\noru-demo: "))));
    }
    banner_->setVisible(!folders_.problems.isEmpty());

    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(banner_);
    column->addWidget(split, 1);
    setCentralWidget(central);

    lastMessage_ = new QLabel;
    statusBar()->addWidget(lastMessage_, 1);

    chooseMilling(oru::milling::kPocket);
    chooseTurning(oru::turning::kLongTurning);
    refreshValues();
}

DemoWindow::~DemoWindow() {
    host_.setMessageHandler(nullptr);
    // The views go before the panels they show (the window's children would outlive them).
    delete takeCentralWidget();
}

QWidget* DemoWindow::buildMillingChoices() {
    auto* box = new QGroupBox;
    auto* form = new QFormLayout(box);
    mOperation_ = comboOf(millingOperations());
    mThrough_ = new QCheckBox;
    mAttr_ = comboOf({{0, QT_TRANSLATE_NOOP("demo", "Standard")},
                      {3, QT_TRANSLATE_NOOP("demo", "Variante A (taraudage, filetage)")},
                      {4, QT_TRANSLATE_NOOP("demo", "Variante SP (lamage)")}});
    mExt_ = comboOf({{0, QT_TRANSLATE_NOOP("demo", "Non proposée")},
                     {1, QT_TRANSLATE_NOOP("demo", "Proposée, inactive")},
                     {2, QT_TRANSLATE_NOOP("demo", "Proposée, active")}});
    mExt_->setCurrentIndex(1);
    mTool_ = comboOf(millingTools(), true);
    mSweep_ = comboOf({{1, "1"}, {2, "2"}, {3, "3"}});
    mClosed_ = new QCheckBox;
    mClosed_->setChecked(true);
    QLabel* type = addRow(form, mOperation_);
    form->addRow(QString(), mThrough_);
    QLabel* image = addRow(form, mAttr_);
    QLabel* extension = addRow(form, mExt_);
    QLabel* tool = addRow(form, mTool_);
    QLabel* sweep = addRow(form, mSweep_);
    form->addRow(QString(), mClosed_);
    onLanguage([=, this] {
        box->setTitle(tr("Opération de fraisage"));
        type->setText(tr("Type"));
        mThrough_->setText(tr("Débouchant"));
        image->setText(tr("Image"));
        extension->setText(tr("Extension au brut"));
        tool->setText(tr("Outil"));
        sweep->setText(tr("Balayage"));
        mClosed_->setText(tr("Profil fermé"));
    });
    connect(mOperation_, &QComboBox::activated, this, [this] { millingOperationChosen(); });
    connect(mExt_, &QComboBox::activated, this, [this] { millingExtensionChosen(); });
    for (QComboBox* c : {mAttr_, mSweep_})
        connect(c, &QComboBox::activated, this, [this] { millingChoiceChanged(); });
    connect(mThrough_, &QCheckBox::toggled, this, [this] { millingChoiceChanged(); });
    connect(mClosed_, &QCheckBox::toggled, this, [this] { millingChoiceChanged(); });
    // A tool code is taken once typed (Enter, or leaving the box) or picked, not at each
    // keystroke: a half-typed code is no tool.
    connect(mTool_, &QComboBox::activated, this, [this] { millingToolEntered(); });
    connect(mTool_->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { millingToolEntered(); });
    box->setFixedWidth(360);
    return box;
}

QWidget* DemoWindow::buildTurningChoices() {
    auto* box = new QGroupBox;
    auto* form = new QFormLayout(box);
    tOperation_ = comboOf(turningOperations());
    tProfile_ = comboOf(turningProfiles());
    tTool_ = comboOf(turningTools(), true);
    tThreadType_ = comboOf(threadTypes());
    tThread_ = new QComboBox;
    tOption_ = new QComboBox;
    tVariant_ = new QComboBox;
    QLabel* type = addRow(form, tOperation_);
    QLabel* profile = addRow(form, tProfile_);
    QLabel* tool = addRow(form, tTool_);
    QLabel* threadType = addRow(form, tThreadType_);
    QLabel* thread = addRow(form, tThread_);
    QLabel* option = addRow(form, tOption_);
    QLabel* variant = addRow(form, tVariant_);
    onLanguage([=, this] {
        box->setTitle(tr("Opération de tournage"));
        type->setText(tr("Type"));
        profile->setText(tr("Profil"));
        tool->setText(tr("Outil"));
        threadType->setText(tr("Type de filet"));
        thread->setText(tr("Filet"));
        option->setText(tr("Option (ti 7)"));
        variant->setText(tr("Variante (ti 6)"));
    });
    connect(tOperation_, &QComboBox::activated, this, [this] { turningOperationChosen(); });
    connect(tProfile_, &QComboBox::activated, this, [this] { turningProfileChosen(); });
    connect(tThreadType_, &QComboBox::activated, this, [this] { turningThreadTypeChosen(); });
    connect(tThread_, &QComboBox::activated, this, [this] { turningThreadChosen(); });
    for (QComboBox* c : {tOption_, tVariant_})
        connect(c, &QComboBox::activated, this, [this] { turningChoiceChanged(); });
    connect(tTool_, &QComboBox::activated, this, [this] { turningToolEntered(); });
    connect(tTool_->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { turningToolEntered(); });
    box->setFixedWidth(360);
    return box;
}

QWidget* DemoWindow::buildSelectors() {
    auto* box = new QGroupBox;
    onLanguage([this, box] { box->setTitle(tr("Sélecteurs")); });
    auto* row = new QHBoxLayout(box);
    std::int16_t sens = oru::sensrot::kClockwise;
    sensRot_->SetSensRot(sens, oru::sensrot::kBothSpindleActive);
    arrosage_->SetArrosage(oru::arrosage::kCoolant1);
    avalant_->SetAvalant(oru::avalant::kClimb);
    for (oru::Panel* p :
         std::initializer_list<oru::Panel*>{avalant_.get(), sensRot_.get(), arrosage_.get()}) {
        auto* view = new oru::qt::PanelView(*p);
        selectorViews_.push_back(view);
        row->addWidget(view);
        connect(view, &oru::qt::PanelView::edited, this, [this] { scheduleRefresh(); });
    }
    selectorsBox_ = box;
    return box;
}

// ---- the choices on the left ------------------------------------------------------------------

void DemoWindow::chooseMilling(std::int16_t typoper, bool debouchant) {
    {
        const QSignalBlocker block(mThrough_);
        mThrough_->setChecked(debouchant);
    }
    Milling m = millingExample(typoper, debouchant,
                               static_cast<std::int16_t>(mAttr_->currentData().toInt()),
                               static_cast<std::int16_t>(mExt_->currentData().toInt()));
    m.balayage = static_cast<std::int16_t>(mSweep_->currentData().toInt());
    m.ferme = mClosed_->isChecked();
    setUpMilling(m);
}

void DemoWindow::chooseTurning(std::int16_t numop, const std::string& profil) {
    const auto offered = profilesOf(numop);
    const std::string p = offers(offered, profil) ? profil : std::string(offered.front().code);
    setUpTurning(turningExample(numop, p, dirSld_));
}

void DemoWindow::millingOperationChosen() {
    const auto op = static_cast<std::int16_t>(mOperation_->currentData().toInt());
    if (millingFamily(op) != millingFamily(milling_->Typoper)) {
        chooseMilling(op, mThrough_->isChecked());
        return;
    }
    // Another cycle of the same operation: the user's values stay, the tool follows.
    readBackMilling();
    m_.typoper = op;
    m_.tool = std::string(defaultMillingTool(op, m_.tabval[oru::tabval::kDiam]));
    setUpMilling(m_);
}

void DemoWindow::millingChoiceChanged() {
    readBackMilling();
    m_.debouchant = mThrough_->isChecked();
    m_.attrImage = static_cast<std::int16_t>(mAttr_->currentData().toInt());
    m_.balayage = static_cast<std::int16_t>(mSweep_->currentData().toInt());
    m_.ferme = mClosed_->isChecked();
    setUpMilling(m_);
}

void DemoWindow::millingExtensionChosen() {
    readBackMilling();
    m_.extBrut = static_cast<std::int16_t>(mExt_->currentData().toInt());
    // The depth follows the extension, as the panel's own extension button does.
    settleMillingDepth(m_);
    setUpMilling(m_);
}

void DemoWindow::millingToolEntered() {
    const std::string code = chosenCode(mTool_).toStdString();
    if (code.empty() || code == m_.tool) return;
    readBackMilling();
    m_.tool = code;
    setUpMilling(m_);
}

void DemoWindow::turningOperationChosen() {
    const auto op = static_cast<std::int16_t>(tOperation_->currentData().toInt());
    if (turningFamily(op) != turningFamily(turning_->NumOp) || !offers(profilesOf(op), t_.profil)) {
        chooseTurning(op, t_.profil);
        return;
    }
    // Another cycle of the same operation: the user's values stay.
    readBackTurning();
    t_.ti[oru::ti::kNumOp] = op;
    setUpTurning(t_);
}

void DemoWindow::turningProfileChosen() {
    // Another side is another part: its own example.
    chooseTurning(t_.numop(), tProfile_->currentData().toString().toStdString());
}

void DemoWindow::turningChoiceChanged() {
    readBackTurning();
    if (tOption_->isEnabled())
        t_.ti[oru::ti::kOption] = static_cast<std::int16_t>(tOption_->currentData().toInt());
    if (tVariant_->isEnabled())
        t_.ti[oru::ti::kUsineGorge] = static_cast<std::int16_t>(tVariant_->currentData().toInt());
    setUpTurning(t_);
}

void DemoWindow::turningThreadTypeChosen() {
    readBackTurning();
    t_.typeFilet = tThreadType_->currentData().toString().toStdString();
    applyThread(t_, defaultThread(t_.numop(), t_.typeFilet), dirSld_);
    setUpTurning(t_);
}

void DemoWindow::turningThreadChosen() {
    readBackTurning();
    if (!applyThread(t_, tThread_->currentData().toString().toStdString(), dirSld_)) return;
    setUpTurning(t_);
}

void DemoWindow::turningToolEntered() {
    const std::string code = chosenCode(tTool_).toStdString();
    if (code.empty() || code == t_.tool) return;
    readBackTurning();
    t_.tool = code;
    setUpTurning(t_);
}

void DemoWindow::showMillingChoices() {
    selectData(mOperation_, int(m_.typoper));
    {
        const QSignalBlocker block(mThrough_);
        mThrough_->setChecked(m_.debouchant);
    }
    selectData(mAttr_, int(m_.attrImage));
    selectData(mExt_, m_.extBrut == 0 || m_.extBrut == 1 ? int(m_.extBrut) : 2);
    showCode(mTool_, m_.tool);
    selectData(mSweep_, int(m_.balayage));
    {
        const QSignalBlocker block(mClosed_);
        mClosed_->setChecked(m_.ferme);
    }
}

void DemoWindow::showTurningChoices() {
    const std::int16_t numop = t_.numop();
    selectData(tOperation_, int(numop));
    {
        const QSignalBlocker block(tProfile_);
        tProfile_->clear();
        for (const Choice& c : profilesOf(numop))
            addItem(tProfile_, c.name, qs(c.code));
        if (tProfile_->findData(QString::fromStdString(t_.profil)) < 0)
            tProfile_->addItem(QString::fromStdString(t_.profil),
                               QString::fromStdString(t_.profil));
        tProfile_->setCurrentIndex(tProfile_->findData(QString::fromStdString(t_.profil)));
    }
    showCode(tTool_, t_.tool);
    const bool threads = numop == oru::turning::kThreading || numop == oru::turning::kTapping;
    selectData(tThreadType_, QString::fromStdString(t_.typeFilet));
    tThreadType_->setEnabled(threads);
    fillThreads();
    fill(tOption_, optionsOf(numop), t_.ti[oru::ti::kOption]);
    fill(tVariant_, variantsOf(numop), t_.ti[oru::ti::kUsineGorge]);
}

void DemoWindow::fillThreads() {
    const std::int16_t numop = t_.numop();
    const bool threads = numop == oru::turning::kThreading || numop == oru::turning::kTapping;
    const QSignalBlocker block(tThread_);
    tThread_->clear();
    if (threads) {
        const bool internal = numop == oru::turning::kTapping || t_.profil == "I";
        for (const Thread& th : threadsOf(dirSld_, internal, t_.typeFilet))
            tThread_->addItem(QString::fromStdString(th.nom), QString::fromStdString(th.nom));
        tThread_->setCurrentIndex(tThread_->findData(QString::fromStdString(t_.thread)));
    }
    tThread_->setEnabled(threads && tThread_->count() > 0);
}

// ---- what the panels change -------------------------------------------------------------------

void DemoWindow::millingEdited() {
    // The host keeps what the user did (a value typed in a field that a later choice hides
    // stays the user's), and its choices follow the panel's: the stock extension button, the
    // hole cycle buttons (the operation list, and the tool, which follows the operation).
    const std::int16_t before = m_.typoper;
    readBackMilling();
    if (m_.typoper != before) {
        const std::string tool(defaultMillingTool(m_.typoper, m_.tabval[oru::tabval::kDiam]));
        if (tool != m_.tool) {
            m_.tool = tool;
            milling_->SetOutil(m_.tool);
        }
    }
    showMillingChoices();
    scheduleRefresh();
}

void DemoWindow::turningEdited() {
    // The host keeps what the user did, and its choices follow the panel's: the hole cycle
    // buttons (the operation), the option buttons, the thread type and thread.
    const std::string typeBefore = t_.typeFilet;
    readBackTurning();
    const std::int16_t numop = t_.numop();
    if (numop == oru::turning::kThreading) {
        // A thread picked in the list of the details page: the sketch takes its diameter. The
        // set-up opens the general page; the user goes on where they were.
        const oru::Widget& list = turning_->widget("lPasFilet");
        if (list.visible() && list.listIndex() >= 0) {
            const std::string picked = designationOfListItem(list.list(list.listIndex()));
            if (!picked.empty() && picked != t_.thread && applyThread(t_, picked, dirSld_)) {
                setUpTurning(t_);
                turning_->widget("bFiletage").click();
                return;
            }
        }
    }
    selectData(tOperation_, int(numop));
    if (tOption_->isEnabled()) selectData(tOption_, int(t_.ti[oru::ti::kOption]));
    if (tVariant_->isEnabled()) selectData(tVariant_, int(t_.ti[oru::ti::kUsineGorge]));
    if (t_.typeFilet != typeBefore && tThreadType_->isEnabled()) {
        // A thread type button of the details page: the thread is the user's next pick.
        t_.thread.clear();
        selectData(tThreadType_, QString::fromStdString(t_.typeFilet));
        fillThreads();
    }
    scheduleRefresh();
}

void DemoWindow::readBackMilling() {
    host_.setMessageHandler(nullptr);
    readBack(*milling_, m_);
    setShowMessageBoxes(showBoxes_);
}

void DemoWindow::readBackTurning() {
    host_.setMessageHandler(nullptr);
    readBack(*turning_, t_);
    setShowMessageBoxes(showBoxes_);
}

void DemoWindow::setUpMilling(const Milling& m) {
    m_ = m;
    demo::setUp(*milling_, m_, pictures_);
    ++setUps_;
    showMillingChoices();
    scheduleRefresh();
}

void DemoWindow::setUpTurning(const Turning& t) {
    t_ = t;
    demo::setUp(*turning_, t_, pictures_, dirSld_);
    ++setUps_;
    showTurningChoices();
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

int DemoWindow::boxesShown() const { return boxesSeen_ + int(host_.messages().size()); }

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

QString DemoWindow::shownValue(const QString& name) const {
    for (int i = 0; i < values_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = values_->topLevelItem(i);
        for (int j = 0; j < top->childCount(); ++j)
            if (top->child(j)->text(0) == name) return top->child(j)->text(1);
    }
    return {};
}

void DemoWindow::refreshValues() {
    refreshPending_ = false;
    // While a panel's message box waits for the user, the action that raised it is not over.
    if (QApplication::activeModalWidget()) {
        refreshPending_ = true;
        QTimer::singleShot(100, this, [this] { refreshValues(); });
        return;
    }
    // The status line tells the last box the panels showed since the last refresh, that is in
    // answer to the last thing done; it clears when that raised none.
    if (!host_.messages().empty()) {
        lastBoxTitle_ = host_.messages().back().title;
        lastBoxPrompt_ = host_.messages().back().prompt;
        boxesSeen_ += int(host_.messages().size());
        host_.clearMessages();
    } else {
        lastBoxTitle_.clear();
        lastBoxPrompt_.clear();
    }
    showStatus();
    fillValues();
}

void DemoWindow::showStatus() {
    if (lastBoxTitle_.empty() && lastBoxPrompt_.empty()) {
        lastMessage_->clear();
        return;
    }
    // The box as the panels show it, in the application's language.
    QString prompt = oru::qt::translatedText("Messages", lastBoxPrompt_);
    lastMessage_->setText(tr("Dernière boîte : %1 — %2")
                              .arg(oru::qt::translatedText("Messages", lastBoxTitle_),
                                   prompt.replace(QStringLiteral("\r\n"), QStringLiteral(" — "))));
}

void DemoWindow::fillValues() {
    std::vector<Reading> rows;
    QString title;
    if (tabs_->currentIndex() == 0) {
        oru::OperFraisage* p = milling_.get();
        title = tr("Fraisage");
        rows = {
            {"Typoper", [p] { return shown(p->Typoper); }},
            {"ExtBrut", [p] { return shown(p->ExtBrut); }},
        };
        addGetters(rows, p);
    } else {
        oru::OperTournage* p = turning_.get();
        title = tr("Tournage");
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
    // The values are the panels' own, the same in every language.
    host_.setMessageHandler(nullptr);
    auto fill = [&](QTreeWidgetItem* parent, const std::vector<Reading>& list) {
        for (const Reading& r : list) {
            QString value;
            const std::size_t seen = host_.messages().size();
            try {
                value = r.read();
            } catch (const oru::Error& e) {
                value = tr("erreur : %1").arg(oru::qt::translatedText("Messages", e.what()));
            }
            if (host_.messages().size() > seen) {
                QString prompt =
                    oru::qt::translatedText("Messages", host_.messages().back().prompt);
                value += QStringLiteral("  ") +
                         tr("(boîte : %1)")
                             .arg(prompt.replace(QStringLiteral("\r\n"), QStringLiteral(" — ")));
            }
            auto* item = new QTreeWidgetItem(parent, {QString::fromStdString(r.name), value});
            item->setToolTip(1, value);
        }
    };
    values_->setUpdatesEnabled(false);
    values_->clear();
    fill(section(title), rows);
    fill(section(tr("Sélecteurs")), selectors);
    values_->expandAll();
    values_->setUpdatesEnabled(true);
    host_.clearMessages();
    setShowMessageBoxes(showBoxes_);
}

// ---- language ---------------------------------------------------------------------------------

QAction* DemoWindow::languageAction(Language language) const {
    return language == Language::English ? english_ : french_;
}

void DemoWindow::onLanguage(std::function<void()> set) {
    set();
    retranslations_.push_back(std::move(set));
}

void DemoWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void DemoWindow::retranslate() {
    // Only texts change: the operation, the choices and the user's values stay as they are (the
    // panels retranslate their own texts).
    for (const auto& set : retranslations_)
        set();
    for (QComboBox* c : {mOperation_, mAttr_, mExt_, mTool_, mSweep_, tOperation_, tProfile_,
                         tTool_, tThreadType_, tOption_, tVariant_})
        retranslateItems(c);
    showStatus();
    // A refresh on its way reads everything in the new language anyway.
    if (!refreshPending_) fillValues();
}

}  // namespace demo
