#pragma once

#include <QWidget>
#include <memory>

#include "oru/oru.hpp"

namespace oru::qt {

class PanelView;

// A control ready to put in a form, by code or from a Qt Designer .ui file: it owns the panel and
// shows it, and the host application talks to the panel through control(). Created with a parent
// only, it also owns a Host of its own whose message boxes are shown as modal boxes over it;
// created with the host application's Host, it uses that one (which must outlive it).
class ControlWidget : public QWidget {
    Q_OBJECT
public:
    ~ControlWidget() override;
    oru::Host& host() const { return *host_; }
    PanelView& view() const { return *view_; }
    QSize sizeHint() const override;

protected:
    ControlWidget(oru::Host* host, QWidget* parent);
    // Creates the view of the panel once the derived class has built it.
    void show(oru::Panel& panel);
    // Deletes the view; the derived class does it before its panel goes.
    void dropView();

private:
    std::unique_ptr<oru::Host> ownHost_;
    oru::Host* host_;
    PanelView* view_ = nullptr;
};

// The milling operation panel as a widget.
class OperFraisageWidget : public ControlWidget {
    Q_OBJECT
public:
    explicit OperFraisageWidget(QWidget* parent = nullptr);
    OperFraisageWidget(oru::Host& host, QWidget* parent = nullptr);
    ~OperFraisageWidget() override;
    oru::OperFraisage& control() const { return *panel_; }

private:
    std::unique_ptr<oru::OperFraisage> panel_;
};

// The turning operation panel as a widget.
class OperTournageWidget : public ControlWidget {
    Q_OBJECT
public:
    explicit OperTournageWidget(QWidget* parent = nullptr);
    OperTournageWidget(oru::Host& host, QWidget* parent = nullptr);
    ~OperTournageWidget() override;
    oru::OperTournage& control() const { return *panel_; }

private:
    std::unique_ptr<oru::OperTournage> panel_;
};

// The climb / conventional milling toggle as a widget.
class AvalantWidget : public ControlWidget {
    Q_OBJECT
public:
    explicit AvalantWidget(QWidget* parent = nullptr);
    AvalantWidget(oru::Host& host, QWidget* parent = nullptr);
    ~AvalantWidget() override;
    oru::Avalant& control() const { return *panel_; }

private:
    std::unique_ptr<oru::Avalant> panel_;
};

// The rotation direction selector as a widget.
class SensRotWidget : public ControlWidget {
    Q_OBJECT
public:
    explicit SensRotWidget(QWidget* parent = nullptr);
    SensRotWidget(oru::Host& host, QWidget* parent = nullptr);
    ~SensRotWidget() override;
    oru::SensRot& control() const { return *panel_; }

private:
    std::unique_ptr<oru::SensRot> panel_;
};

// The coolant selector as a widget.
class ArrosageWidget : public ControlWidget {
    Q_OBJECT
public:
    explicit ArrosageWidget(QWidget* parent = nullptr);
    ArrosageWidget(oru::Host& host, QWidget* parent = nullptr);
    ~ArrosageWidget() override;
    oru::Arrosage& control() const { return *panel_; }

private:
    std::unique_ptr<oru::Arrosage> panel_;
};

}  // namespace oru::qt
