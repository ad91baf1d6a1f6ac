#pragma once

#include <memory>

#include "oru/arrosage.hpp"
#include "oru/qt/controlwidget.hpp"

namespace oru::qt {

// The coolant selector as a ready widget. Its value (the USER property) is GetArrosage.
//
//     auto* coolant = new oru::qt::ArrosageWidget(host, &dialog);
//     coolant->setValue(1);
//     connect(coolant, &oru::qt::ArrosageWidget::valueChanged, this, &Dialog::coolantChanged);
class ArrosageWidget : public ControlWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)
public:
    explicit ArrosageWidget(QWidget* parent = nullptr);
    ArrosageWidget(oru::Host& host, QWidget* parent = nullptr);
    ~ArrosageWidget() override;

    oru::Arrosage& control() const;

    int value() const;
    // SetArrosage; a value outside 16 bits is ignored.
    void setValue(int value);

    // Shows the selector with coolant 1 on, as Qt Designer shows it.
    void showExample();

Q_SIGNALS:
    // Whenever the value changes, by the user or by a write.
    void valueChanged(int value);

private:
    ArrosageWidget(oru::Host* host, QWidget* parent);
    struct Private;
    std::unique_ptr<Private> d_;
};

}  // namespace oru::qt
