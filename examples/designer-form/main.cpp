// A host dialog drawn in Qt Designer: uic builds the four milling-side controls from
// operationdialog.ui, the application shares its Host with them, listens for the user's edits and
// reads the values back on OK.
//
//   designer_form            opens the dialog
//   designer_form --accept   types a pass depth, presses OK (for automated runs)
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <iostream>

#include <oru/oru.hpp>
#include <oru/qt/controls.hpp>
#include <oru/qt/panelview.hpp>

#include "ui_operationdialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool automated = app.arguments().contains("--accept");

    // One Host for the whole application: the form's controls, created by uic with a parent
    // only, take it as their default, so their message boxes go over the dialog.
    oru::Host host;
    QDialog dialog;
    if (!automated) oru::qt::installMessageBoxes(host, &dialog);
    oru::qt::setDefaultHost(&host);
    Ui::OperationDialog ui;
    ui.setupUi(&dialog);

    // OK is offered once the machinist has changed something.
    QPushButton* ok = ui.buttonBox->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    int edits = 0;
    QObject::connect(ui.operFraisage, &oru::qt::ControlWidget::edited, &dialog, [&] {
        ++edits;
        ok->setEnabled(true);
    });
    QObject::connect(ui.avalant, &oru::qt::AvalantWidget::valueChanged, &dialog,
                     [](int mode) { std::cout << "mode : " << mode << "\n"; });

    // A blind pocket, 10 deep, passes of 3.
    ui.operFraisage->setPictureFolder(QString::fromUtf8(ORU_DATA_DIR) + "pictures/");
    oru::OperFraisage& milling = ui.operFraisage->control();
    milling.Typoper = oru::milling::kPocket;
    milling.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 10, 1, 10, 12, 10});
    milling.SetApproche(1);
    milling.SetDegageZ(1);

    if (automated) {
        QTimer::singleShot(0, &dialog, [&] {
            auto* pass = ui.operFraisage->findChild<QLineEdit*>("tbVal(2)");
            pass->setFocus();
            pass->selectAll();
            pass->insert(QStringLiteral("2.5"));  // as typed (or pasted) by the user
            ui.avalant->findChild<QPushButton*>("Bavalant")->click();
            ok->click();
        });
    }
    if (dialog.exec() != QDialog::Accepted) return 1;

    std::cout << "modifications : " << edits << "\n"
              << "passe : " << milling.GetPasse() << "\n"
              << "passes : " << milling.widget("tNbPasses").caption() << "\n"
              << "avalant : " << ui.avalant->value() << "\n"
              << "sens de rotation : " << ui.sensRot->value() << "\n"
              << "arrosage : " << ui.arrosage->value() << "\n";
    for (const oru::Message& m : host.messages())
        std::cout << "message : " << m.title << " / " << m.prompt << "\n";
    return 0;
}
