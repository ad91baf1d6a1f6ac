#pragma once

#include <memory>

#include "oru/avalant.hpp"
#include "oru/qt/controlwidget.hpp"

namespace oru::qt {

// The climb / conventional milling toggle as a ready widget. Its value (the USER property, so
// QDataWidgetMapper and item delegates use it) is GetAvalant: 1 climb, 0 conventional.
//
//     auto* mode = new oru::qt::AvalantWidget(host, &dialog);
//     mode->setValue(record.climb ? 1 : 0);
//     connect(mode, &oru::qt::AvalantWidget::valueChanged, this, &Dialog::modeChanged);
class AvalantWidget : public ControlWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)
public:
    explicit AvalantWidget(QWidget* parent = nullptr);
    AvalantWidget(oru::Host& host, QWidget* parent = nullptr);
    ~AvalantWidget() override;

    oru::Avalant& control() const;

    int value() const;
    // SetAvalant: 1 climb, 0 conventional, -1 hides the toggle; a value outside 16 bits is
    // ignored.
    void setValue(int value);

    // Shows the toggle in its usual state (climb), as Qt Designer shows it.
    void showExample();

Q_SIGNALS:
    // Whenever the value changes, by the user or by a write.
    void valueChanged(int value);

private:
    AvalantWidget(oru::Host* host, QWidget* parent);
    struct Private;
    std::unique_ptr<Private> d_;
};

}  // namespace oru::qt
