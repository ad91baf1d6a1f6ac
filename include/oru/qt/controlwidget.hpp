#pragma once

#include <QWidget>
#include <functional>
#include <memory>

namespace oru {
class Host;
class Panel;
}  // namespace oru

namespace oru::qt {

class PanelView;

// The base of the five ready widgets (OperFraisageWidget, OperTournageWidget, AvalantWidget,
// SensRotWidget, ArrosageWidget): a QWidget that owns one control and shows it, to put in a form
// by code or from a Qt Designer .ui file. The host application talks to the control through the
// derived class's control(), its Qt properties, and the edited() signal.
//
// Host: a ready widget built with the host application's Host uses it (the Host must outlive the
// widget). Built with a parent only (as uic builds it) it uses the Host given to
// setDefaultHost(), or else a Host of its own whose message boxes are shown as modal boxes over
// the widget.
//
//     oru::Host host;
//     oru::qt::installMessageBoxes(host, &mainWindow);
//     oru::qt::setDefaultHost(&host);   // before ui.setupUi(this)
//     ui.setupUi(this);
//     connect(ui.milling, &oru::qt::ControlWidget::edited, this, &Dialog::markModified);
class ControlWidget : public QWidget {
    Q_OBJECT
public:
    ~ControlWidget() override;

    // The Host the control runs on.
    oru::Host& host() const;
    // The view that shows the control.
    PanelView& view() const;

    // The control's design size; the widget keeps it in a layout (fixed size policy).
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // Once per user action the control took (see PanelView::edited); never for the host's own
    // Set... calls or property writes.
    void edited();

protected:
    // `host`: the host application's Host, or nullptr for the default one (see above).
    ControlWidget(oru::Host* host, QWidget* parent);
    // Shows the control once the derived class has built it.
    void attachPanel(oru::Panel& panel);
    // Deletes the view; the derived class does it before its control goes.
    void detachPanel();
    // For a control with a value (the selectors): `read` gives the value, and `changed` is called
    // with the new one whenever it changes, once a change of the control is over (at once after a
    // user action, when control returns to the event loop after a Set... call of the host).
    void trackValue(std::function<int()> read, std::function<void(int)> changed);
    // Tells the value's change now (after a property write).
    void panelChanged();

private:
    struct Private;
    std::unique_ptr<Private> d_;
};

// The Host that ready widgets created without one use (by uic from a .ui file, by Designer's
// form loader), so that a form's message boxes go where the application wants them; nullptr
// (the default) gives each such widget a Host of its own. Widgets keep the Host they were built
// with: set it before creating them. The Host must outlive them.
void setDefaultHost(oru::Host* host);
oru::Host* defaultHost();

}  // namespace oru::qt
