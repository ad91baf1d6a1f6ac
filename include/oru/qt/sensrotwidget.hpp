#pragma once

#include <memory>

#include "oru/qt/controlwidget.hpp"
#include "oru/sensrot.hpp"

namespace oru::qt {

// The rotation direction selector as a ready widget. Its value (the USER property) is
// GetSensRot: -1 clockwise, 0 stopped, 1 counter-clockwise; `configuration` is GetTournant, the
// buttons shown (-1 none, 0 spindle, 1 tool, 2 both with the spindle active, 3 both with the tool
// active).
//
//     auto* rotation = new oru::qt::SensRotWidget(host, &dialog);
//     rotation->setConfiguration(2);
//     rotation->setValue(-1);
class SensRotWidget : public ControlWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)
    Q_PROPERTY(int configuration READ configuration WRITE setConfiguration)
public:
    explicit SensRotWidget(QWidget* parent = nullptr);
    SensRotWidget(oru::Host& host, QWidget* parent = nullptr);
    ~SensRotWidget() override;

    oru::SensRot& control() const;

    int value() const;
    // SetSensRot with the current configuration; a value outside 16 bits is ignored.
    void setValue(int value);
    int configuration() const;
    // SetSensRot with the current value; a configuration outside 16 bits is ignored.
    void setConfiguration(int configuration);

    // Shows the spindle button alone, turning clockwise, as Qt Designer shows it.
    void showExample();

Q_SIGNALS:
    // Whenever the value changes, by the user or by a write.
    void valueChanged(int value);

private:
    SensRotWidget(oru::Host* host, QWidget* parent);
    struct Private;
    std::unique_ptr<Private> d_;
};

}  // namespace oru::qt
