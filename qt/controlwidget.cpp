#include "oru/qt/controlwidget.hpp"

#include <QPointer>
#include <QVBoxLayout>

#include "oru/host.hpp"
#include "oru/panel.hpp"
#include "oru/qt/panelview.hpp"

namespace oru::qt {
namespace {

Host* g_defaultHost = nullptr;

}  // namespace

void setDefaultHost(Host* host) { g_defaultHost = host; }
Host* defaultHost() { return g_defaultHost; }

struct ControlWidget::Private {
    std::unique_ptr<Host> ownHost;
    Host* host = nullptr;
    PanelView* view = nullptr;
    ObserverHandle observer;
    bool changePending = false;
    std::function<int()> read;  // the tracked value, if any
    std::function<void(int)> changed;
    int last = 0;
};

ControlWidget::ControlWidget(Host* host, QWidget* parent)
    : QWidget(parent), d_(std::make_unique<Private>()) {
    if (!host) host = g_defaultHost;
    if (!host) {
        d_->ownHost = std::make_unique<Host>();
        installMessageBoxes(*d_->ownHost, this);
        host = d_->ownHost.get();
    }
    d_->host = host;
    // The panels are laid out at fixed places: a form keeps the design size.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

ControlWidget::~ControlWidget() {
    detachPanel();
    if (d_->ownHost) d_->ownHost->setMessageHandler(nullptr);
}

Host& ControlWidget::host() const { return *d_->host; }

PanelView& ControlWidget::view() const { return *d_->view; }

void ControlWidget::attachPanel(Panel& panel) {
    d_->view = new PanelView(panel, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d_->view);
    connect(d_->view, &PanelView::edited, this, [this] {
        panelChanged();
        Q_EMIT edited();
    });
    // Changes made by the host's own calls are told once they are over.
    QPointer<ControlWidget> self(this);
    d_->observer = panel.addObserver([this, self](Widget&, Property) {
        if (d_->changePending) return;
        d_->changePending = true;
        QMetaObject::invokeMethod(
            this,
            [this, self] {
                if (!self) return;
                d_->changePending = false;
                panelChanged();
            },
            Qt::QueuedConnection);
    });
}

void ControlWidget::detachPanel() {
    d_->observer.remove();
    delete d_->view;
    d_->view = nullptr;
}

void ControlWidget::trackValue(std::function<int()> read, std::function<void(int)> changed) {
    d_->read = std::move(read);
    d_->changed = std::move(changed);
    d_->last = d_->read();
}

void ControlWidget::panelChanged() {
    if (!d_->read) return;
    const int now = d_->read();
    if (now == d_->last) return;
    d_->last = now;
    if (d_->changed) d_->changed(now);
}

QSize ControlWidget::sizeHint() const {
    return d_->view ? d_->view->sizeHint() : QWidget::sizeHint();
}

QSize ControlWidget::minimumSizeHint() const { return sizeHint(); }

}  // namespace oru::qt
